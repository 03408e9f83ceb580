#include "ui/skin/skin_edits.h"

#include "ui/skin/skin_data.h"
#include "ui/skin/skin_scrollbar.h"
#include "ui/skin/skinner_gdi.h"

namespace {

void FrameBand(HDC dc, RECT r, int width, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &r, brush);
        InflateRect(&r, -1, -1);
    }
    DeleteObject(brush);
}

} // namespace

// ---- TSkinEdit ----

int TSkinEdit::BorderWidth() const
{
    const LONG_PTR ex = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
    if (ex & WS_EX_CLIENTEDGE)
        return GetSystemMetrics(SM_CXEDGE) + ((Style() & WS_BORDER) ? 1 : 0);
    if ((ex & WS_EX_STATICEDGE) || (Style() & WS_BORDER))
        return 1;
    return 0;
}

COLORREF TSkinEdit::FieldColour() const
{
    if (control_)
        return ColorToRGB(control_->Color());
    return GetSysColor(IsWindowEnabled(handle_) ? COLOR_WINDOW : COLOR_BTNFACE);
}

void TSkinEdit::Repaint()
{
    if (IsWindow(handle_))
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void TSkinEdit::AfterMessage(TMessage& m)
{
    if (m.Msg == WM_NCPAINT) {
        // The system drew its border and scroll bars; ours goes over the border.
        PaintWindow(nullptr);
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinEdit::PaintTo(HDC dc, const RECT& r)
{
    if (!data_)
        return;
    const int band = BorderWidth();
    if (band <= 0)
        return;
    const bool focused = GetFocus() == handle_;
    const COLORREF outer = SkinColourRef(*data_, data_->SkinColours[focused ? SC_HILIGHT : SC_BUTTONSHADOW]);
    FrameBand(dc, r, 1, outer);
    RECT inner = r;
    InflateRect(&inner, -1, -1);
    FrameBand(dc, inner, band - 1, FieldColour());
}

// ---- TSkinComBox ----

int ComboCell(bool enabled, bool dropped, bool hot, bool focused)
{
    if (!enabled)
        return 4;
    if (dropped)
        return 3;
    if (hot || focused)
        return 2;
    return 1;
}

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::Detach()
{
    list_bar_.reset();
    TSkinControl::Detach();
}

void TSkinComBox::FollowDrop(const TMessage& m)
{
    // Asking the combo box is a message to it, which comes back here.
    if (following_ || !frame_ || !data_)
        return;
    following_ = true;
    if (!list_ || !IsWindow(list_)) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        list_ = GetComboBoxInfo(handle_, &info) ? info.hwndList : nullptr;
    }
    following_ = false;
    if (!list_)
        return;
    const bool reflected = m.Msg == CN_COMMAND || (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == handle_);
    if (reflected && HIWORD(m.WParam) == CBN_DROPDOWN)
        drop_pending_ = true;  // told before the list shows
    const bool shown = IsWindowVisible(list_) != FALSE;
    if (shown)
        drop_pending_ = false;
    if (reflected && HIWORD(m.WParam) == CBN_CLOSEUP)
        drop_pending_ = false;
    const bool down = shown || drop_pending_;
    if (down && !list_bar_) {
        auto bar = std::make_unique<TComboxScrollBar>(nullptr);
        bar->AttachHandle(list_, *data_, *frame_);
        if (bar->State() == SS_ATTACHED)
            list_bar_ = std::move(bar);
    } else if (!down && list_bar_) {
        list_bar_.reset();
    }
}

bool TSkinComBox::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCDESTROY:
        // The list goes with the combo box; its painter first, so that the
        // frame never holds it dead.
        list_bar_.reset();
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        const bool own = dc == nullptr;
        if (own)
            dc = BeginPaint(handle_, &ps);
        try {
            PaintClient(dc);
        } catch (...) {
        }
        if (own)
            EndPaint(handle_, &ps);
        m.Result = 0;
        return false;
    }
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinComBox::AfterMessage(TMessage& m)
{
    FollowDrop(m);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        if (!hot_ && IsWindowEnabled(handle_)) {
            hot_ = true;
            Repaint();
        }
        {
            TrackMouseLeave(handle_);
        }
        return;
    case WM_MOUSELEAVE:
        if (hot_) {
            hot_ = false;
            Repaint();
        }
        return;
    case CB_SHOWDROPDOWN:
    case CB_SETCURSEL:
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(m);
}

RECT TSkinComBox::ButtonRect() const
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(handle_, &info))
        return info.rcButton;
    RECT r;
    GetClientRect(handle_, &r);
    r.left = r.right - GetSystemMetrics(SM_CXVSCROLL) - 2;
    return r;
}

void TSkinComBox::PaintTo(HDC dc, const RECT& r)
{
    (void)r;
    PaintClient(dc);
}

void TSkinComBox::PaintClient(HDC dc)
{
    RECT client;
    GetClientRect(handle_, &client);
    TDibCanvas work(client.right, client.bottom);
    if (!work.Valid() || !data_)
        return;
    // The combo box draws its field (selection, text, focus) first, into our bitmap.
    FillCanvas(work, control_ ? ColorToRGB(control_->Color()) : GetSysColor(COLOR_WINDOW));
    TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(work.DC()), 0, 0};
    CallPrevious(inner);
    const bool dropped = SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    DrawFace(work, ComboCell(IsWindowEnabled(handle_) != FALSE, dropped, hot_, GetFocus() == handle_));
    work.BlitTo(dc, 0, 0);
}

void TSkinComBox::DrawFace(TDibCanvas& work, int cell)
{
    const TSkinData& d = *data_;
    const RECT all{0, 0, work.Width(), work.Height()};
    // The parse joins the sunken frame and the button into one image whose
    // middle is magenta: it frames the field and leaves it showing.
    if (d.ComboButton && d.ComboButton->Style == 2 && !d.ComboButton->Bitmap.Empty()) {
        const TDataSkinObject& o = *d.ComboButton;
        TSkinImage face = ComposeNineSlice(work.Width(), work.Height(), o.Bitmap, o.Margins(), false, o.Tile != 0,
                                           o.Cells(), cell);
        work.Draw(face, 0, 0, true);
        return;
    }
    // Without the composite: a frame in the shadow colour and the arrow
    // image over the system's button.
    HBRUSH shadow = CreateSolidBrush(SkinColourRef(d, d.SkinColours[SC_BUTTONSHADOW]));
    FrameRect(work.DC(), &all, shadow);
    DeleteObject(shadow);
    const RECT button = ButtonRect();
    if (d.ComboxArrow && !d.ComboxArrow->Bitmap.Empty()) {
        const TDataSkinObject& arrow = *d.ComboxArrow;
        const TSkinMargins m = d.ComboButton ? d.ComboButton->Margins() : TSkinMargins{};
        TSkinImage face = ComposeNineSlice(button.right - button.left, button.bottom - button.top, arrow.Bitmap, m,
                                           false, false, arrow.Cells(), cell);
        work.Draw(face, button.left, button.top, false);
    }
}
