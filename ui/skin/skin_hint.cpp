#include "ui/skin/skin_hint.h"

#include "ui/control.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/skinner_gdi.h"

namespace {

constexpr wchar_t kHintClass[] = L"TSkinHintWindow";
constexpr int kPadding = 3;

HFONT HintFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

TSkinHintWindow::~TSkinHintWindow()
{
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TSkinHintWindow::Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    try {
        auto* hint = reinterpret_cast<TSkinHintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (msg) {
        case SKINMSG_QUERY:
            return 1;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (hint)
                hint->Paint(dc);
            EndPaint(window, &ps);
            return 0;
        }
        }
    } catch (...) {
        HandleCallbackException();
    }
    return DefWindowProcW(window, msg, wp, lp);
}

void TSkinHintWindow::Paint(HDC dc)
{
    RECT r;
    GetClientRect(window_, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
    HGDIOBJ old = SelectObject(dc, HintFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(&r, -kPadding, -kPadding / 2);
    DrawTextW(dc, text_.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, old);
}

void TSkinHintWindow::Show(const std::wstring& text, POINT at)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!window_) {
        EnsureWindowClass(kHintClass, Proc, CS_SAVEBITS);
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHintClass, L"", WS_POPUP,
                                  0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
        if (!window_)
            return;
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    text_ = text;
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, HintFont());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text_.c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    SetWindowPos(window_, HWND_TOPMOST, at.x, at.y, r.right + 2 * kPadding, r.bottom + kPadding,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_, nullptr, TRUE);
}

void TSkinHintWindow::Hide()
{
    if (window_ && IsWindowVisible(window_))
        ShowWindow(window_, SW_HIDE);
}
