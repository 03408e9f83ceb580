#include "ui/skin/skin_scrollbar.h"

#include <windowsx.h>

#include <commctrl.h>

#include "ui/skin/skin_child_controls.h"
#include "ui/skin/companion_panel.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

namespace {

constexpr wchar_t kPanelClass[] = L"TWScrollbar";

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A rectangle of the bar by offsets along it.
RECT Along(bool vertical, int from, int to, int thickness)
{
    return vertical ? RECT{0, from, thickness, to} : RECT{from, 0, to, thickness};
}

} // namespace

// ---- TArrowButton ----

void TArrowButton::Draw(TDibCanvas& work, const TSkinData& data, const RECT& bounds, TScrollPartState state) const
{
    if (bounds.right <= bounds.left || bounds.bottom <= bounds.top)
        return;
    if (data.Scrollbar && !data.Scrollbar->Bitmap.Empty()) {
        DrawSkinCell(work, *data.Scrollbar, bounds, ScrollArrowCell(vertical_, high_, state));
        return;
    }
    UINT kind = vertical_ ? (high_ ? DFCS_SCROLLDOWN : DFCS_SCROLLUP) : (high_ ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
    if (state == SPS_PRESSED)
        kind |= DFCS_PUSHED | DFCS_FLAT;
    if (state == SPS_DISABLED)
        kind |= DFCS_INACTIVE;
    RECT r = bounds;
    DrawFrameControl(work.DC(), &r, DFC_SCROLL, kind);
}

// ---- TWScrollbar ----

TWScrollbar::TWScrollbar(TSkinScrollbar& owner, bool vertical)
    : owner_(owner), vertical_(vertical)
{
}

TWScrollbar::~TWScrollbar()
{
    if (window_ && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TWScrollbar::Update(HWND parent, const RECT& rect, const TScrollLayout& layout, bool enabled, int corner)
{
    const bool looks = layout == layout_ && enabled == enabled_ && corner == corner_;
    if (!window_ || parent != parent_) {
        if (window_)
            DestroyWindow(window_);
        // No CS_DBLCLKS: a quick second press is a second press, as on the system's bars.
        EnsureWindowClass(kPanelClass, &CompanionPanelProc<TWScrollbar>, 0);
        window_ = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_CLIPSIBLINGS, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                  GetModuleHandleW(nullptr), this);
        parent_ = parent;
        shown_ = false;
        if (!window_)
            return;
    }
    layout_ = layout;
    enabled_ = enabled;
    corner_ = corner;
    // Directly above the control (the control's other panel may lie between),
    // so it covers the bar and nothing else.
    HWND control = owner_.Handle();
    HWND below = GetWindow(window_, GW_HWNDNEXT);
    while (below && owner_.IsOwnPanel(below))
        below = GetWindow(below, GW_HWNDNEXT);
    const bool placed = shown_ && SameRect(rect, rect_) && below == control;
    if (!placed) {
        HWND above = GetWindow(control, GW_HWNDPREV);
        while (above && owner_.IsOwnPanel(above))
            above = GetWindow(above, GW_HWNDPREV);
        SetWindowPos(window_, above ? above : HWND_TOP, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        rect_ = rect;
        shown_ = true;
        InvalidateRect(window_, nullptr, FALSE);
    } else if (!looks) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

void TWScrollbar::Hide()
{
    if (window_ && shown_)
        ShowWindow(window_, SW_HIDE);
    shown_ = false;
    hot_ = TScrollPart::None;
}

TScrollPart TWScrollbar::PartAt(POINT p) const
{
    RECT r;
    GetClientRect(window_, &r);
    const int across = vertical_ ? p.x : p.y;
    const int thickness = vertical_ ? r.right : r.bottom;
    if (across < 0 || across >= thickness)
        return TScrollPart::None;
    return ScrollPartAt(layout_, vertical_ ? p.y : p.x);
}

void TWScrollbar::SetHot(TScrollPart part)
{
    if (part == hot_)
        return;
    hot_ = part;
    InvalidateRect(window_, nullptr, FALSE);
}

void TWScrollbar::Paint(HDC dc)
{
    RECT client;
    GetClientRect(window_, &client);
    TDibCanvas work(client.right, client.bottom);
    const TSkinData* data = owner_.Data();
    if (!work.Valid() || !data)
        return;
    DrawScrollBar(work, *data, vertical_, layout_, enabled_, hot_, pressed_, corner_);
    work.BlitTo(dc, 0, 0);
}

void DrawScrollBar(TDibCanvas& work, const TSkinData& skin, bool vertical, const TScrollLayout& l, bool enabled,
                   TScrollPart hot, TScrollPart pressed, int corner)
{
    const TSkinData* data = &skin;
    const bool vertical_ = vertical;
    auto StateOf = [&](TScrollPart part) -> TScrollPartState {
        if (!enabled)
            return SPS_DISABLED;
        if (pressed == part)
            return SPS_PRESSED;
        if (hot == part && pressed == TScrollPart::None)
            return SPS_HOT;
        return SPS_NORMAL;
    };
    FillCanvas(work, SkinFace(*data));
    const int thickness = vertical_ ? work.Width() : work.Height();

    // The track, pressed where it is held.
    const RECT track = Along(vertical_, l.Arrow, l.Length - l.Arrow, thickness);
    const TDataSkinObject* trackImage = vertical_ ? data->VertScroll.get() : data->HorzScroll.get();
    TScrollPartState trackState = SPS_NORMAL;
    if (!enabled)
        trackState = SPS_DISABLED;
    else if (pressed == TScrollPart::TrackLow || pressed == TScrollPart::TrackHigh)
        trackState = SPS_PRESSED;
    else if (hot == TScrollPart::TrackLow || hot == TScrollPart::TrackHigh)
        trackState = SPS_HOT;
    if (trackImage && !trackImage->Bitmap.Empty())
        DrawSkinCell(work, *trackImage, track, ScrollTrackCell(trackState));
    else
        work.Fill(track, SkinColourRef(*data, data->SkinColours[SC_SCROLLBAR]));

    if (l.HasThumb()) {
        const RECT thumb = Along(vertical_, l.ThumbStart, l.ThumbEnd, thickness);
        const TScrollPartState state = StateOf(TScrollPart::Thumb);
        const TDataSkinObject* thumbImage = vertical_ ? data->VertScrollThumb.get() : data->HorzScrollThumb.get();
        const TDataSkinObject* source = thumbImage && !thumbImage->Bitmap.Empty() ? thumbImage : nullptr;
        int cell = ThumbImageCell(state);
        if (!source && data->Scrollbar && !data->Scrollbar->Bitmap.Empty()) {
            source = data->Scrollbar.get();
            cell = ScrollThumbCell(vertical_, state);
        }
        if (source) {
            const TSkinImage piece = ComposeThumb(source->Bitmap, source->Cells(), cell, source->Margins(),
                                                  thumb.right - thumb.left, thumb.bottom - thumb.top, vertical_);
            work.Draw(piece, thumb.left, thumb.top, source->Trans != 0);
        } else {
            RECT r = thumb;
            DrawFrameControl(work.DC(), &r, DFC_BUTTON, DFCS_BUTTONPUSH);
        }
    }
    const TArrowButton low(vertical, false), high(vertical, true);
    low.Draw(work, *data, Along(vertical_, 0, l.Arrow, thickness), StateOf(TScrollPart::ArrowLow));
    high.Draw(work, *data, Along(vertical_, l.Length - l.Arrow, l.Length, thickness), StateOf(TScrollPart::ArrowHigh));
    if (corner > 0) {
        const RECT box = Along(vertical_, l.Length, l.Length + corner, thickness);
        if (data->Scrollbar && !data->Scrollbar->Bitmap.Empty())
            DrawSkinCell(work, *data->Scrollbar, box, kScrollCornerCell);
    }
}

void TWScrollbar::Press(POINT p)
{
    const TScrollPart part = PartAt(p);
    if (part == TScrollPart::None || !enabled_)
        return;
    pressed_ = part;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    POINT screen = p;
    ClientToScreen(window_, &screen);
    // The system bar lies under us at the same point and tracks the press
    // until the button comes up.
    HWND self = window_;
    owner_.Track(vertical_, screen);
    if (!IsWindow(self))
        return;
    pressed_ = TScrollPart::None;
    POINT now;
    GetCursorPos(&now);
    ScreenToClient(window_, &now);
    hot_ = PartAt(now);
    owner_.Sync();
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT TWScrollbar::Handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEMOVE: {
        SetHot(PartAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}));
        TrackMouseLeave(window_);
        return 0;
    }
    case WM_MOUSELEAVE:
        SetHot(TScrollPart::None);
        return 0;
    case WM_LBUTTONDOWN:
        Press(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        owner_.Wheel(msg, wp, lp);
        return 0;
    case SKINMSG_QUERY:
        return 1;
    }
    return DefWindowProcW(window_, msg, wp, lp);
}

// ---- TSkinScrollbar ----

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar()
{
    DropPanels();
}

void TSkinScrollbar::DropPanels()
{
    vert_.reset();
    horz_.reset();
}

void TSkinScrollbar::Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground)
{
    TSkinControl::Attach(frame, data, paintBackground);
    if (state_ != SS_ATTACHED)
        return;
    SkinHeader();
    Sync();
}

void TSkinScrollbar::SkinHeader()
{
    // A list view's column titles are a window of their own inside it.
    wchar_t cls[32] = {};
    GetClassNameW(handle_, cls, 32);
    if (_wcsicmp(cls, WC_LISTVIEWW) != 0 || !frame_)
        return;
    if (HWND header = reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)))
        SkinWindowHandle(*frame_, header);
}

void TSkinScrollbar::AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame)
{
    TSkinControl::AttachHandle(window, data, frame);
    if (state_ != SS_ATTACHED)
        return;
    SkinHeader();
    Sync();
}

void TSkinScrollbar::Detach()
{
    DropPanels();
    TSkinControl::Detach();
}

void TSkinScrollbar::SkinChanged()
{
    TSkinControl::SkinChanged();
    for (auto* p : {vert_.get(), horz_.get()})
        if (p && p->Handle())
            InvalidateRect(p->Handle(), nullptr, FALSE);
}

bool TSkinScrollbar::IsOwnPanel(HWND window) const
{
    return window && ((vert_ && vert_->Handle() == window) || (horz_ && horz_->Handle() == window));
}

HWND TSkinScrollbar::Companion() const
{
    if (vert_ && vert_->Handle() && IsWindowVisible(vert_->Handle()))
        return vert_->Handle();
    if (horz_ && horz_->Handle() && IsWindowVisible(horz_->Handle()))
        return horz_->Handle();
    return nullptr;
}

bool TSkinScrollbar::BeforeMessage(TMessage& m)
{
    if (m.Msg == WM_NCDESTROY)
        DropPanels();
    return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m)
{
    TSkinControl::AfterMessage(m);
    if (state_ == SS_ATTACHED)
        Sync();
}

bool TSkinScrollbar::BarGeometry(bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled) const
{
    return WindowBarGeometry(handle_, vertical, screen, layout, enabled);
}

bool WindowBarGeometry(HWND window, bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled)
{
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & (vertical ? WS_VSCROLL : WS_HSCROLL)))
        return false;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info))
        return false;
    if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))
        return false;
    screen = info.rcScrollBar;
    if (screen.right <= screen.left || screen.bottom <= screen.top)
        return false;
    // A disabled window's bars look disabled, whatever their own state.
    enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(window);
    layout.Length = vertical ? screen.bottom - screen.top : screen.right - screen.left;
    // The arrow length is the system's metric: some systems report the thumb's
    // length as dxyLineButton.
    layout.Arrow = ScrollArrowLength(layout.Length, GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
    layout.ThumbStart = enabled ? info.xyThumbTop : 0;
    layout.ThumbEnd = enabled ? info.xyThumbBottom : 0;
    return true;
}

void TSkinScrollbar::SyncBar(std::unique_ptr<TWScrollbar>& panel, bool vertical, int corner)
{
    RECT screen{};
    TScrollLayout layout;
    bool enabled = true;
    const bool shown = IsWindowVisible(handle_) && !(SingleMode && !vertical) &&
                       BarGeometry(vertical, screen, layout, enabled);
    if (!shown) {
        if (panel)
            panel->Hide();
        return;
    }
    HWND parent = GetParent(handle_);
    if (!parent)
        return;
    if (!panel)
        panel = std::make_unique<TWScrollbar>(*this, vertical);
    RECT r = screen;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (corner > 0) {
        if (vertical)
            r.bottom += corner;
        else
            r.right += corner;
    }
    panel->Update(parent, r, layout, enabled, corner);
}

void TSkinScrollbar::Sync()
{
    if (syncing_ || !IsWindow(handle_) || state_ != SS_ATTACHED)
        return;
    syncing_ = true;
    RECT vr{}, hr{};
    TScrollLayout ignored;
    bool enabled = true;
    const bool visible = IsWindowVisible(handle_) != FALSE;
    const bool hasV = visible && BarGeometry(true, vr, ignored, enabled);
    const bool hasH = visible && !SingleMode && BarGeometry(false, hr, ignored, enabled);
    // The box between two bars goes with the horizontal panel.
    const int corner = hasV && hasH ? vr.right - vr.left : 0;
    SyncBar(vert_, true, 0);
    SyncBar(horz_, false, corner);
    syncing_ = false;
}

void TSkinScrollbar::Track(bool vertical, POINT screen)
{
    SendMessageW(handle_, WM_NCLBUTTONDOWN, vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(screen.x, screen.y));
}

void TSkinScrollbar::Wheel(UINT msg, WPARAM wp, LPARAM lp)
{
    SendMessageW(handle_, msg, wp, lp);
}

// ---- TSkinScControl ----

bool TSkinScControl::BarGeometry(bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled) const
{
    const bool isVertical = (Style() & SBS_VERT) != 0;
    if (vertical != isVertical || (Style() & SBS_SIZEGRIP))
        return false;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(handle_, OBJID_CLIENT, &info))
        return false;
    GetWindowRect(handle_, &screen);
    enabled = IsWindowEnabled(handle_) && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    layout.Length = vertical ? screen.bottom - screen.top : screen.right - screen.left;
    layout.Arrow = ScrollArrowLength(layout.Length, GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
    layout.ThumbStart = enabled ? info.xyThumbTop : 0;
    layout.ThumbEnd = enabled ? info.xyThumbBottom : 0;
    return layout.Length > 0;
}

void TSkinScControl::Track(bool vertical, POINT screen)
{
    (void)vertical;
    POINT client = screen;
    ScreenToClient(handle_, &client);
    SendMessageW(handle_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
}
