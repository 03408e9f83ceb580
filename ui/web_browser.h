#pragma once
// The system's HTML control, hosted through the ATL host window class of
// atl.dll. Its window text at creation is the address it navigates to, once.
// Where the host cannot be had, the control is an empty area of the same size.
// Making it takes tens of milliseconds, so its window is not made with its
// parent's but on first use: its owner decides when.
#include <string>

#include "ui/control.h"

class TOleControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TOleControl"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TOleControl" || TWinControl::InheritsFrom(cls); }
};

class TWebBrowser : public TOleControl {
public:
    // Navigates to address when its window is created.
    TWebBrowser(TComponent* owner, std::wstring address);
    ~TWebBrowser() override;
    const char* ClassName() const override { return "TWebBrowser"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TWebBrowser" || TOleControl::InheritsFrom(cls); }

    const std::wstring& Address() const { return address_; }
    // False when the window is the empty stand-in, or not made yet.
    bool Hosted() const { return hosted_; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool CreatesWithParent() const override { return false; }
    HWND CreateWindowHandle(const TCreateParams& params, HWND parent, HMENU id) override;

private:
    void LoadHost();

    std::wstring address_;
    HMODULE atl_ = nullptr;
    bool hosted_ = false;
};
