#include "ui/skin/skin_boxes.h"

#include <algorithm>

#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

namespace {

COLORREF TextColourOf(const TSkinControl& s, const TSkinData& data, bool enabled)
{
    if (!enabled)
        return SkinColourRef(data, data.SkinColours[SC_BUTTONSHADOW]);
    if (TWinControl* c = s.Control())
        return ColorToRGB(c->Font().Color());
    return SkinColourRef(data, data.SkinColours[SC_BUTTONTEXT]);
}

void FrameRectIn(HDC dc, RECT r, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

} // namespace

// ---- TSkinGroupBox ----

void TSkinGroupBox::Attach(TSkinControlList& frame, TSkinData& data, bool)
{
    // An opaque label on the box (the links on its edge) fills with the box's
    // Color: the box takes the face colour it is painted in, as panels do,
    // or each label would sit in a patch of the system's colour.
    TSkinControl::Attach(frame, data, true);
}

bool TSkinGroupBox::BeforeMessage(TMessage& m)
{
    if (PaintsOwnWindow(m))
        return false;
    return TSkinControl::BeforeMessage(m);
}

RECT TSkinGroupBox::CaptionRect(int width, int tw, int th) const
{
    int left = 8, leftShift = 2, rightShift = 2, alignment = 0;
    if (data_ && data_->GroupBox) {
        leftShift = std::max(data_->GroupBox->BackgroundLeftShift, 0);
        rightShift = std::max(data_->GroupBox->BackgroundRightShift, 0);
        alignment = data_->GroupBox->BackgroundAlignment;
    }
    if (alignment == 1)
        left = (width - tw) / 2;
    else if (alignment == 2)
        left = width - 8 - tw;
    return {left - leftShift, 0, left + tw + rightShift, th};
}

void TSkinGroupBox::PaintTo(HDC dc, const RECT& r)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    TDibCanvas work(w, h);
    if (!work.Valid() || !data_)
        return;
    FillCanvas(work, SkinFace(*data_));
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    HDC wdc = work.DC();
    SelectObject(wdc, ControlFont(handle_));
    const std::wstring caption = CaptionText();
    SIZE line{};
    GetTextExtentPoint32W(wdc, L"Wy", 2, &line);
    const int th = line.cy;
    SIZE text{};
    if (!caption.empty())
        GetTextExtentPoint32W(wdc, caption.c_str(), static_cast<int>(caption.size()), &text);

    // The edge runs through the middle of the caption line.
    const RECT edge{0, th / 2, w, h};
    if (data_->GroupBoxEdge && !data_->GroupBoxEdge->Bitmap.Empty()) {
        DrawSkinCell(work, *data_->GroupBoxEdge, edge, enabled ? 1 : 2);
    } else {
        RECT outer = edge;
        outer.right -= 1;
        outer.bottom -= 1;
        FrameRectIn(wdc, outer, SkinColourRef(*data_, data_->SkinColours[SC_BUTTONSHADOW]));
        OffsetRect(&outer, 1, 1);
        FrameRectIn(wdc, outer, SkinColourRef(*data_, data_->SkinColours[SC_BUTTONHILIGHT]));
    }
    if (!caption.empty()) {
        const RECT label = CaptionRect(w, text.cx, th);
        // The label background covers the edge behind the caption.
        work.Fill(label, SkinFace(*data_));
        if (data_->GroupBox && !data_->GroupBox->Bitmap.Empty())
            DrawSkinCell(work, *data_->GroupBox, label, 1);
        SetBkMode(wdc, TRANSPARENT);
        SetTextColor(wdc, TextColourOf(*this, *data_, enabled));
        const int leftShift = data_->GroupBox ? std::max(data_->GroupBox->BackgroundLeftShift, 0) : 2;
        RECT tr{label.left + leftShift, 0, label.left + leftShift + text.cx, th};
        UINT format = DT_SINGLELINE | DT_NOPREFIX;
        if (IsRightToLeft())
            format |= DT_RTLREADING;
        DrawTextW(wdc, caption.c_str(), -1, &tr, format);
    }
    // Painted controls (labels) sit on the group box's own surface.
    RECT client;
    GetClientRect(handle_, &client);
    PaintGraphicChildren(handle_, wdc, client);
    work.BlitTo(dc, r.left, r.top);
}

// ---- TSkinBox ----

bool TSkinBox::BeforeMessage(TMessage& m)
{
    if (m.Msg == WM_ERASEBKGND && m.WParam && data_) {
        RECT r;
        GetClientRect(handle_, &r);
        HBRUSH brush = CreateSolidBrush(SkinFace(*data_));
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush);
        DeleteObject(brush);
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinBoxH::AfterMessage(TMessage& m)
{
    TSkinBox::AfterMessage(m);
    if (m.Msg != WM_PAINT || !data_)
        return;
    HDC dc = GetDC(handle_);
    RECT r;
    GetClientRect(handle_, &r);
    RECT lower = r;
    lower.left += 1;
    lower.top += 1;
    FrameRectIn(dc, lower, SkinColourRef(*data_, data_->SkinColours[SC_BUTTONSHADOW]));
    RECT upper = r;
    upper.right -= 1;
    upper.bottom -= 1;
    FrameRectIn(dc, upper, SkinColourRef(*data_, data_->SkinColours[SC_BUTTONHILIGHT]));
    ReleaseDC(handle_, dc);
}
