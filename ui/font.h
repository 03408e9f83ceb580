#pragma once
// A control's font: face, character height in pixels, colour and style. The
// GDI font is made on first use and again after a change.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/types.h"

class TFont {
public:
    TFont() = default;
    TFont(std::wstring name, int height, TColor color = clWindowText, bool bold = false);
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);
    ~TFont();

    const std::wstring& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    bool Bold() const { return bold_; }
    void SetName(const std::wstring& name);
    void SetHeight(int height);
    void SetColor(TColor color);
    // Face, height and style at once; the colour stays.
    void Assign(const TFont& other);

    HFONT Handle() const;
    // Called after every change, so the control can show it.
    std::function<void()> OnChange;

private:
    void Changed();
    void Release() const;

    std::wstring name_ = L"MS Sans Serif";
    int height_ = 13;
    TColor color_ = clWindowText;
    bool bold_ = false;
    mutable HFONT handle_ = nullptr;
};

// The face actually used for a named one: the face itself when the system has
// it and it draws Chinese characters, else a CJK-capable face found at run time
// (Wine may lack both 宋体 and MS Sans Serif, or have a bitmap MS Sans Serif).
std::wstring ResolveFaceName(const std::wstring& name);
