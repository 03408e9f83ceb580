#include "ui/skin/skin_button.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "ui/png_property.h"
#include "ui/skin/png_glyph.h"
#include "ui/skin/skin_control_rules.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

namespace {

std::string WindowClassOf(HWND window)
{
    char name[100] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::optional<COLORREF> ButtonTextColour(const TSkinData& data, bool given, TColour colour2, int32_t colour)
{
    if (given)
        return SkinColourRef(data, colour2);
    if (colour >= 0)
        return static_cast<COLORREF>(colour) & 0xFFFFFF;
    return std::nullopt;
}

} // namespace

COLORREF ButtonTextColourFor(const TSkinData& data, TButtonCell cell, COLORREF base)
{
    const TDataSkinButton& b = data.Buttons;
    COLORREF colour = base;
    if (auto normal = ButtonTextColour(data, b.HasNormalColour2, b.NormalColour2, b.NormalColour))
        colour = *normal;
    if (cell == BC_HOT)
        if (auto hot = ButtonTextColour(data, b.HasMouseOverColour2, b.MouseOverColour2, b.MouseOverColour))
            colour = *hot;
    if (cell == BC_PRESSED)
        if (auto pressed = ButtonTextColour(data, b.HasPressedColour2, b.PressedColour2, b.PressedColour))
            colour = *pressed;
    if (cell == BC_DISABLED)
        colour = GetSysColor(COLOR_BTNSHADOW);
    return colour;
}

TButtonCell ButtonState(bool enabled, bool pressed, bool hot, bool focusedOrDefault)
{
    if (!enabled)
        return BC_DISABLED;
    if (pressed)
        return BC_PRESSED;
    if (hot)
        return BC_HOT;
    if (focusedOrDefault)
        return BC_FOCUSED;
    return BC_NORMAL;
}

std::wstring ButtonCaptionText(std::wstring caption)
{
    const size_t at = caption.find(L"||");
    if (at != std::wstring::npos)
        caption.replace(at, 2, L"\r\n");
    return caption;
}

void TSkinButton::Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground)
{
    TSkinControl::Attach(frame, data, paintBackground);
    Setup();
}

void TSkinButton::AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame)
{
    TSkinControl::AttachHandle(window, data, frame);
    Setup();
}

void TSkinButton::Setup()
{
    if (state_ != SS_ATTACHED)
        return;
    // Buttons of those two libraries report their own presses.
    const std::string cls = LowerAscii(control_ ? control_->ClassName() : WindowClassOf(handle_));
    own_click_ = cls.rfind("trz", 0) == 0 || cls.rfind("tel", 0) == 0;
    parent_back_ = (control_ && control_->Tag == 5555) || data_->Options.Has(TSkinOption::xoTransparent);
}

void TSkinButton::SetMouse(int bits)
{
    if (bits == mouse_)
        return;
    mouse_ = bits;
    Repaint();
}

bool TSkinButton::BeforeMessage(TMessage& m)
{
    if (PaintsOwnWindow(m))
        return false;
    switch (m.Msg) {
    case WM_TIMER:
        KillTimer(handle_, 1);
        m.Result = 0;
        return false;
    case CN_DRAWITEM: {
        // The system button draws itself outside WM_PAINT when its state or
        // focus changes; draw the skinned face there too.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        if (item && item->CtlType == ODT_BUTTON) {
            RECT r;
            GetWindowRect(handle_, &r);
            OffsetRect(&r, -r.left, -r.top);
            try {
                PaintTo(item->hDC, r);
            } catch (...) {
            }
            m.Result = TRUE;
            return false;
        }
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (GetFocus() != handle_)
            SetFocus(handle_);
        SetMouse(mouse_ | kPressed);
        if (!own_click_ && control_) {
            POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            // Coordinates of a very large control do not fit the message.
            if (control_->Width() > 0x8000 || control_->Height() > 0x8000) {
                GetCursorPos(&p);
                ScreenToClient(handle_, &p);
            }
            control_->MouseDown(TMouseButton::Left, static_cast<TShiftState>(m.WParam), p.x, p.y);
        }
        // The system button never sees the press: the click is ours to deliver.
        m.Result = 0;
        return false;
    }
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinButton::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETTEXT:
        Repaint();
        return;
    case WM_KEYDOWN:
        if (m.WParam == VK_SPACE)
            SetMouse(mouse_ | kPressed);
        return;
    case WM_KEYUP:
        if (m.WParam == VK_SPACE)
            SetMouse(mouse_ & ~kPressed);
        return;
    case WM_MOUSEMOVE: {
        if (IsWindowEnabled(handle_) && !Hot())
            SetMouse(mouse_ | kHot);
        TrackMouseLeave(handle_);
        return;
    }
    case WM_LBUTTONUP:
        if (Pressed()) {
            SetMouse(mouse_ & ~kPressed);
            DeliverClick();
        }
        return;
    case WM_MOUSELEAVE:
        SetMouse(0);
        return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
    // The system button redraws itself on these; put the skinned face back.
    case BM_SETSTATE:
    case BM_SETSTYLE:
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinButton::DeliverClick()
{
    if (control_) {
        control_->Click();
        return;
    }
    HWND parent = GetParent(handle_);
    if (!parent)
        return;
    if (LowerAscii(WindowClassOf(handle_)) == "tbutton")
        PostMessageA(parent, WM_COMMAND, 0, reinterpret_cast<LPARAM>(handle_));
    else
        PostMessageA(parent, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(handle_)),
                     reinterpret_cast<LPARAM>(handle_));
}

bool TSkinButton::IsDefault() const
{
    if (control_) {
        auto value = Published("Default");
        return value && ParseBool(*value) == true;
    }
    return (Style() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

TButtonCell TSkinButton::CurrentCell() const
{
    const bool enabled = (Style() & WS_DISABLED) == 0;
    const bool focused = GetFocus() == handle_;
    return ButtonState(enabled, Pressed(), Hot(), focused || IsDefault());
}

void TSkinButton::PaintTo(HDC dc, const RECT& r)
{
    if (!data_ || data_->Buttons.Bitmap.Empty())
        return;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    focused_ = GetFocus() == handle_;
    if (control_) {
        auto multi = Published("MultiLine");
        multi_line_ = multi && ParseBool(*multi) == true;
    } else {
        multi_line_ = (Style() & BS_MULTILINE) != 0;
    }
    TDibCanvas work(w, h);
    if (!work.Valid())
        return;
    const TButtonCell cell = CurrentCell();
    text_left_ = 0;
    PaintFace(work, cell);
    DrawCaption(work.DC(), w, h, cell);
    work.BlitTo(dc, r.left, r.top);
}

void TSkinButton::PaintFace(TDibCanvas& work, TButtonCell cell)
{
    if (parent_back_)
        PaintParentBackground(handle_, work.DC());
    else
        FillCanvas(work, SkinFace(*data_));
    const TDataSkinButton& b = data_->Buttons;
    const TSkinImage face =
        ComposeNineSlice(work.Width(), work.Height(), b.Bitmap, b.Margins(), false, b.Tile != 0, b.Cells(), cell);
    work.Draw(face, 0, 0, b.Trans == 1);
}

void TSkinButton::DrawCaption(HDC dc, int w, int h, TButtonCell cell)
{
    TSavedDC saved(dc);
    const TControl* source = SourceControl();
    HFONT font = source ? source->Font().Handle()
                        : reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(dc, font);
    COLORREF colour = source ? ColorToRGB(source->Font().Color())
                             : SkinColourRef(*data_, data_->SkinColours[SC_BUTTONTEXT]);
    colour = ButtonTextColourFor(*data_, cell, colour);
    SetTextColor(dc, colour);

    const std::wstring text = ButtonCaptionText(CaptionText());
    SetBkMode(dc, TRANSPARENT);
    const int left = std::clamp(text_left_, 0, w);
    RECT tr{left + 2, 2, w - 2, h - 2};
    DrawTextW(dc, text.c_str(), -1, &tr, DT_CENTER | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    const int tw = tr.right - tr.left;
    const int th = tr.bottom - tr.top;
    tr.left = left + (w - left - tw) / 2;
    tr.right = tr.left + tw;
    tr.top = (h - th) / 2;
    tr.bottom = tr.top + th;
    UINT format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    if (IsRightToLeft())
        format |= DT_RTLREADING;
    DrawTextW(dc, text.c_str(), -1, &tr, format);
    SetBkMode(dc, OPAQUE);
    if (focused_ && !data_->Options.Has(TSkinOption::xoNoFocusRect)) {
        InflateRect(&tr, 2, 2);
        DrawFocusRect(dc, &tr);
    }
}

// ---- glyph, menu and speed buttons ----

void TSkinBitButton::PaintFace(TDibCanvas& work, TButtonCell cell)
{
    PaintButtonFace(work, cell);
    if (PngGlyph) {
        DrawPngGlyph(work, cell);
        return;
    }
    // Only a button with a window of its own carries an icon or bitmap.
    if (SourceControl() && !SourceControl()->IsWindowed())
        return;
    const auto icon = reinterpret_cast<HICON>(SendMessageW(handle_, BM_GETIMAGE, IMAGE_ICON, 0));
    const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(handle_, BM_GETIMAGE, IMAGE_BITMAP, 0));
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int x = 6, y = (work.Height() - size) / 2;
    if (icon) {
        DrawIconEx(work.DC(), x, y, icon, size, size, 0, nullptr, DI_NORMAL);
        text_left_ = x + size;
    } else if (bitmap) {
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        HDC source = CreateCompatibleDC(work.DC());
        HGDIOBJ old = SelectObject(source, bitmap);
        TransparentBlt(work.DC(), x, (work.Height() - info.bmHeight) / 2, info.bmWidth, info.bmHeight, source, 0, 0,
                       info.bmWidth, info.bmHeight, RGB(255, 0, 255));
        SelectObject(source, old);
        DeleteDC(source);
        text_left_ = x + info.bmWidth;
    }
}

void TSkinBitButton::DrawPngGlyph(TDibCanvas& work, TButtonCell cell)
{
    const auto text = Published("PngImage");
    if (!text || text->empty())
        return;
    const auto bytes = DecodeBase64(*text);
    if (!bytes)
        return;
    const auto glyph = DecodePngGlyph(*bytes);
    if (!glyph)
        return;
    // Beside the caption when there is one, else in the middle.
    const bool captioned = !CaptionText().empty();
    const int x = captioned ? 4 : (work.Width() - glyph->Width) / 2;
    const int y = (work.Height() - glyph->Height) / 2;
    TSkinImage face = work.ToImage();
    BlendGlyph(face, *glyph, x, y, cell == BC_DISABLED);
    work.Draw(face, 0, 0);
    if (captioned)
        text_left_ = x + glyph->Width;
}

void TSkinMenuButton::PaintFace(TDibCanvas& work, TButtonCell cell)
{
    TSkinButton::PaintFace(work, cell);
    const int size = 9;
    RECT arrow{work.Width() - size - 6, (work.Height() - size) / 2, work.Width() - 6, (work.Height() + size) / 2};
    const TSkinData& d = *data_;
    if (d.ExtraImages && !d.ExtraImages->Bitmap.Empty()) {
        const int state = cell == BC_DISABLED ? 4 : cell == BC_PRESSED ? 3 : cell == BC_HOT ? 2 : 1;
        DrawSkinCellCentred(work, d.ExtraImages->Bitmap, d.ExtraImages->Cells(), state, arrow, true);
    } else {
        DrawFrameControl(work.DC(), &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
    }
}

