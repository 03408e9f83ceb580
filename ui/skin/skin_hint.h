#pragma once
// The small pop-up that names a caption button while the cursor rests on it.
// It never takes the activation and answers the skin query, so the runtime
// never gives it a frame of its own.
#include <windows.h>

#include <string>

class TSkinHintWindow {
public:
    TSkinHintWindow() = default;
    ~TSkinHintWindow();
    TSkinHintWindow(const TSkinHintWindow&) = delete;
    TSkinHintWindow& operator=(const TSkinHintWindow&) = delete;

    // Shows text with its top-left corner at a screen point.
    void Show(const std::wstring& text, POINT at);
    void Hide();
    bool Visible() const { return window_ && IsWindowVisible(window_); }
    const std::wstring& Text() const { return text_; }
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    void Paint(HDC dc);

    HWND window_ = nullptr;
    std::wstring text_;
};
