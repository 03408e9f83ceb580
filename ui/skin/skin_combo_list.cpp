// The scroll bar of a combo box's dropped list.
#include <windowsx.h>

#include "ui/skin/skin_data.h"
#include "ui/skin/skin_scrollbar.h"
#include "ui/skin/skinner_gdi.h"

namespace {

// Messages after which the system may have drawn its own bar again.
bool RedrawsBar(UINT msg)
{
    switch (msg) {
    case WM_NCPAINT:
    case WM_PRINT:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_TIMER:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONDOWN:
    case WM_SHOWWINDOW:
    case WM_WINDOWPOSCHANGED:
    case WM_SIZE:
    case WM_ENABLE:
    case WM_STYLECHANGED:
    case WM_SETREDRAW:
    case LB_SETTOPINDEX:
    case LB_SETCURSEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
        return true;
    }
    return false;
}

} // namespace

void TComboxScrollBar::AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame)
{
    TSkinControl::AttachHandle(window, data, frame);
    if (state_ == SS_ATTACHED)
        Refresh(true);
}

TScrollPart TComboxScrollBar::PartAt(POINT screen) const
{
    if (!shown_ || !PtInRect(&bar_, screen))
        return TScrollPart::None;
    return ScrollPartAt(layout_, screen.y - bar_.top);
}

bool TComboxScrollBar::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        // Shown pressed before the system takes the press (and may hold it
        // in its own loop until the button comes up).
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK)
            ClientToScreen(handle_, &p);
        const TScrollPart part = bar_enabled_ ? PartAt(p) : TScrollPart::None;
        if (part != pressed_) {
            pressed_ = part;
            PaintBar();
        }
        break;
    }
    }
    return TSkinControl::BeforeMessage(m);
}

void TComboxScrollBar::AfterMessage(TMessage& m)
{
    TSkinControl::AfterMessage(m);
    if (state_ != SS_ATTACHED)
        return;
    bool always = RedrawsBar(m.Msg);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (m.Msg == WM_MOUSEMOVE)
            ClientToScreen(handle_, &p);
        const TScrollPart part = PartAt(p);
        if (part != hot_) {
            hot_ = part;
            always = true;
        }
        break;
    }
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
    case WM_CAPTURECHANGED:
        if (hot_ != TScrollPart::None) {
            hot_ = TScrollPart::None;
            always = true;
        }
        break;
    }
    // The press is over once the system has let go of it.
    if (pressed_ != TScrollPart::None &&
        (m.Msg == WM_LBUTTONUP || m.Msg == WM_LBUTTONDOWN || m.Msg == WM_NCLBUTTONDOWN ||
         m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_NCLBUTTONDBLCLK || m.Msg == WM_CAPTURECHANGED) &&
        (GetKeyState(VK_LBUTTON) & 0x8000) == 0) {
        pressed_ = TScrollPart::None;
        always = true;
    }
    Refresh(always);
}

void TComboxScrollBar::Refresh(bool always)
{
    RECT screen{};
    TScrollLayout layout;
    bool enabled = true;
    const bool shown = IsWindowVisible(handle_) && WindowBarGeometry(handle_, true, screen, layout, enabled);
    const bool changed = shown != shown_ || !EqualRect(&screen, &bar_) || !(layout == layout_) || enabled != bar_enabled_;
    shown_ = shown;
    bar_ = screen;
    layout_ = layout;
    bar_enabled_ = enabled;
    if (!shown_) {
        hot_ = pressed_ = TScrollPart::None;
        return;
    }
    if (always || changed)
        PaintBar();
}

void TComboxScrollBar::PaintBar()
{
    if (!shown_ || !data_ || !IsWindow(handle_) || !enabled_ || state_ != SS_ATTACHED)
        return;
    const int w = bar_.right - bar_.left;
    const int h = bar_.bottom - bar_.top;
    if (w <= 0 || h <= 0)
        return;
    TDibCanvas work(w, h);
    if (!work.Valid())
        return;
    try {
        DrawScrollBar(work, *data_, true, layout_, bar_enabled_, hot_, pressed_, 0);
    } catch (...) {
        return;  // an incomplete bar is not shown at all
    }
    RECT window;
    GetWindowRect(handle_, &window);
    if (HDC dc = GetWindowDC(handle_)) {
        work.BlitTo(dc, bar_.left - window.left, bar_.top - window.top);
        ReleaseDC(handle_, dc);
    }
}
