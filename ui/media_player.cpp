#include "ui/media_player.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace {

void Triangle(HDC dc, int left, int top, int width, int height, bool pointsRight)
{
    const POINT right[3] = {{left, top}, {left + width, top + height / 2}, {left, top + height}};
    const POINT leftward[3] = {{left + width, top}, {left, top + height / 2}, {left + width, top + height}};
    Polygon(dc, pointsRight ? right : leftward, 3);
}

} // namespace

void DrawTransportGlyph(HDC dc, const RECT& r, TMPBtnType button, COLORREF colour)
{
    const int side = std::max(4, static_cast<int>(std::min(r.right - r.left, r.bottom - r.top)) / 2);
    const int x = (r.left + r.right - side) / 2;
    const int y = (r.top + r.bottom - side) / 2;
    const int bar = std::max(2, side / 4);
    const int saved = SaveDC(dc);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    SelectObject(dc, brush);
    SelectObject(dc, pen);
    auto block = [&](int left, int top, int width, int height) {
        RECT b{left, top, left + width, top + height};
        FillRect(dc, &b, brush);
    };
    switch (button) {
    case TMPBtnType::btPlay:
        Triangle(dc, x, y, side, side, true);
        break;
    case TMPBtnType::btPause:
        block(x + side / 6, y, bar, side);
        block(x + side - side / 6 - bar, y, bar, side);
        break;
    case TMPBtnType::btStop:
        block(x, y, side, side);
        break;
    case TMPBtnType::btNext:
        Triangle(dc, x, y, side - bar - 1, side, true);
        block(x + side - bar, y, bar, side);
        break;
    case TMPBtnType::btPrev:
        block(x, y, bar, side);
        Triangle(dc, x + bar + 1, y, side - bar - 1, side, false);
        break;
    case TMPBtnType::btStep:
        Triangle(dc, x, y, side / 2, side, true);
        Triangle(dc, x + side / 2, y, side / 2, side, true);
        break;
    case TMPBtnType::btBack:
        Triangle(dc, x, y, side / 2, side, false);
        Triangle(dc, x + side / 2, y, side / 2, side, false);
        break;
    case TMPBtnType::btRecord:
        Ellipse(dc, x, y, x + side, y + side);
        break;
    case TMPBtnType::btEject: {
        const int h = side - bar - 1;
        const POINT up[3] = {{x, y + h}, {x + side / 2, y}, {x + side, y + h}};
        Polygon(dc, up, 3);
        block(x, y + side - bar, side + 1, bar);
        break;
    }
    }
    RestoreDC(dc, saved);
    DeleteObject(pen);
    DeleteObject(brush);
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner)
{
    color_ = clBtnFace;
}

void TMediaPlayer::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.ClassName = L"TMediaPlayer";
    RegisterControlClass(params.ClassName, CS_DBLCLKS);
}

void TMediaPlayer::SetVisibleButtons(TMPButtonSet buttons)
{
    visible_buttons_ = buttons & kAllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TMPButtonSet buttons)
{
    enabled_buttons_ = buttons & kAllMPButtons;
    Invalidate();
}

RECT TMediaPlayer::ButtonRect(TMPBtnType b) const
{
    if (!(visible_buttons_ & MPButton(b)))
        return RECT{};
    int shown = 0, index = 0;
    for (int i = 0; i < kMPButtonCount; ++i)
        if (visible_buttons_ & (1u << i)) {
            if (i < static_cast<int>(b))
                ++index;
            ++shown;
        }
    // Equal widths; the last button takes what the division leaves.
    const int w = width_ / shown;
    const int left = index * w;
    const int right = index == shown - 1 ? width_ : left + w;
    return RECT{left, 0, right, height_};
}

int TMediaPlayer::ButtonAt(POINT p) const
{
    for (int i = 0; i < kMPButtonCount; ++i) {
        const RECT r = ButtonRect(static_cast<TMPBtnType>(i));
        if (PtInRect(&r, p))
            return i;
    }
    return -1;
}

void TMediaPlayer::InvalidateButton(int b)
{
    if (b < 0 || !handle_)
        return;
    const RECT r = ButtonRect(static_cast<TMPBtnType>(b));
    InvalidateRect(handle_, &r, TRUE);
}

void TMediaPlayer::ButtonClick(TMPBtnType b)
{
    if (!ButtonEnabled(b))
        return;
    if (OnButtonClick)
        OnButtonClick(*this, b);
}

void TMediaPlayer::Paint(HDC dc)
{
    for (int i = 0; i < kMPButtonCount; ++i) {
        const auto b = static_cast<TMPBtnType>(i);
        RECT r = ButtonRect(b);
        if (IsRectEmpty(&r))
            continue;
        const bool down = pressed_ == i && pressed_inside_;
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        if (down)
            OffsetRect(&r, 1, 1);
        DrawTransportGlyph(dc, r, b, GetSysColor(ButtonEnabled(b) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    }
}

void TMediaPlayer::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(handle_, &ps);
        Paint(dc);
        if (!m.WParam)
            EndPaint(handle_, &ps);
        m.Result = 0;
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int b = ButtonAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        if (b >= 0 && ButtonEnabled(static_cast<TMPBtnType>(b))) {
            pressed_ = b;
            pressed_inside_ = true;
            SetCapture(handle_);
            InvalidateButton(b);
        }
        m.Result = 0;
        return;
    }
    case WM_MOUSEMOVE:
        if (pressed_ >= 0) {
            const bool inside = ButtonAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) == pressed_;
            if (inside != pressed_inside_) {
                pressed_inside_ = inside;
                InvalidateButton(pressed_);
            }
        }
        break;
    case WM_LBUTTONUP:
        if (pressed_ >= 0) {
            const int b = pressed_;
            // Cleared first: letting the capture go comes back as WM_CAPTURECHANGED.
            pressed_ = -1;
            pressed_inside_ = false;
            if (GetCapture() == handle_)
                ReleaseCapture();
            InvalidateButton(b);
            if (ButtonAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) == b)
                ButtonClick(static_cast<TMPBtnType>(b));
            m.Result = 0;
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        if (pressed_ >= 0 && reinterpret_cast<HWND>(m.LParam) != handle_) {
            InvalidateButton(pressed_);
            pressed_ = -1;
            pressed_inside_ = false;
        }
        break;
    }
    TWinControl::WndProc(m);
}
