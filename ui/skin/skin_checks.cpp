#include "ui/skin/skin_checks.h"

#include <algorithm>

#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

int CheckCell(int cells, int check, bool enabled, bool pressed, bool hot)
{
    const int state = !enabled ? 4 : pressed ? 3 : hot ? 2 : 1;
    if (cells >= 8) {
        int group = check == BST_CHECKED ? 1 : 0;
        if (check == BST_INDETERMINATE)
            group = cells >= 12 ? 2 : 1;
        return group * 4 + state;
    }
    const int base = check != BST_UNCHECKED ? 2 : 1;
    return !enabled && cells >= 4 ? base + 2 : std::min(base, std::max(cells, 1));
}

bool TSkinCheckBox::BeforeMessage(TMessage& m)
{
    if (PaintsOwnWindow(m))
        return false;
    return TSkinControl::BeforeMessage(m);
}

void TSkinCheckBox::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE: {
        if (!hot_ && IsWindowEnabled(handle_)) {
            hot_ = true;
            Repaint();
        }
        TrackMouseLeave(handle_);
        return;
    }
    case WM_MOUSELEAVE:
        hot_ = false;
        Repaint();
        return;
    // The system button draws itself straight away on these; ours goes over it.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_CLICK:
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinCheckBox::PaintTo(HDC dc, const RECT& r)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    TDibCanvas work(w, h);
    if (!work.Valid() || !data_)
        return;
    if (paint_background_)
        FillCanvas(work, SkinFace(*data_));
    else
        PaintParentBackground(handle_, work.DC());

    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    const int check = static_cast<int>(SendMessageW(handle_, BM_GETCHECK, 0, 0));
    const bool pressed = (SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const LONG_PTR style = Style();
    const bool boxRight = (style & BS_LEFTTEXT) != 0;

    const TDataSkinButton& b = data_->Buttons;
    const TSkinImage& image = Radio() ? b.RadioBitmap : b.CheckBitmap;
    const int cells = std::max(Radio() ? b.RadioButtonFrame : b.CheckButtonFrame, 1);
    int boxW = 13, boxH = 13;
    if (!image.Empty()) {
        boxW = image.Width() / cells;
        boxH = image.Height();
    }
    const int boxTop = (h - boxH) / 2;
    const RECT box = boxRight ? RECT{w - boxW, boxTop, w, boxTop + boxH} : RECT{0, boxTop, boxW, boxTop + boxH};
    if (!image.Empty()) {
        DrawSkinCellCentred(work, image, cells, CheckCell(cells, check, enabled, pressed, hot_), box, true);
    } else {
        UINT kind = (Radio() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | (check ? DFCS_CHECKED : 0) |
                    (enabled ? 0 : DFCS_INACTIVE) | (pressed ? DFCS_PUSHED : 0);
        RECT rb = box;
        DrawFrameControl(work.DC(), &rb, DFC_BUTTON, kind);
    }

    HDC wdc = work.DC();
    SelectObject(wdc, ControlFont(handle_));
    SetBkMode(wdc, TRANSPARENT);
    COLORREF colour = control_ ? ColorToRGB(control_->Font().Color())
                               : SkinColourRef(*data_, data_->SkinColours[SC_BUTTONTEXT]);
    if (!enabled)
        colour = SkinColourRef(*data_, data_->SkinColours[SC_BUTTONSHADOW]);
    SetTextColor(wdc, colour);
    const std::wstring text = CaptionText();
    RECT tr = boxRight ? RECT{0, 0, w - boxW - 4, h} : RECT{boxW + 4, 0, w, h};
    UINT format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    if (IsRightToLeft())
        format |= DT_RTLREADING;
    RECT measured = tr;
    DrawTextW(wdc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    if (style & BS_MULTILINE)
        OffsetRect(&tr, 0, ((tr.bottom - tr.top) - (measured.bottom - measured.top)) / 2);
    DrawTextW(wdc, text.c_str(), -1, &tr, format);
    if (GetFocus() == handle_ && !text.empty() && !data_->Options.Has(TSkinOption::xoNoFocusRect)) {
        const int th = measured.bottom - measured.top;
        RECT focus{tr.left - 1, (h - th) / 2 - 1, tr.left + (measured.right - measured.left) + 1, (h + th) / 2 + 1};
        DrawFocusRect(wdc, &focus);
    }
    work.BlitTo(dc, r.left, r.top);
}
