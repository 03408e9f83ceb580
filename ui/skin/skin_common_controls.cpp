#include "ui/skin/skin_common_controls.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"
#include "ui/skin/track_ticks.h"

namespace {

template <class T>
bool Has(const std::unique_ptr<T>& o)
{
    return o && !o->Bitmap.Empty();
}

void Text(TDibCanvas& work, HWND window, const std::wstring& text, RECT r, UINT format, COLORREF colour)
{
    HDC dc = work.DC();
    TSavedDC saved(dc);
    SelectObject(dc, ControlFont(window));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), -1, &r, format);
}

COLORREF TextColour(const TSkinData& data, bool enabled)
{
    return SkinColourRef(data, data.SkinColours[enabled ? SC_BUTTONTEXT : SC_BUTTONSHADOW]);
}

bool Inside(const RECT& r, POINT p) { return PtInRect(&r, p) != FALSE; }

} // namespace

// ---- TSkinCommonControl ----

bool TSkinCommonControl::BeforeMessage(TMessage& m)
{
    if (PaintsOwnWindow(m))
        return false;
    return TSkinControl::BeforeMessage(m);
}

void TSkinCommonControl::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE: {
        mouse_ = {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        TrackMouseLeave(handle_);
        Repaint();
        return;
    }
    case WM_MOUSELEAVE:
        mouse_ = {-1, -1};
        Repaint();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        Repaint();
        return;
    }
    if (ChangesLook(m.Msg)) {
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(m);
}

void TSkinCommonControl::PaintTo(HDC dc, const RECT& r)
{
    RECT client;
    GetClientRect(handle_, &client);
    if (client.right <= 0 || client.bottom <= 0 || !data_)
        return;
    TDibCanvas work(client.right, client.bottom);
    if (!work.Valid())
        return;
    Draw(work, client.right, client.bottom);
    // A border of the system's, if any, stays; the client area is ours.
    POINT origin{0, 0};
    MapWindowPoints(handle_, nullptr, &origin, 1);
    RECT outer;
    GetWindowRect(handle_, &outer);
    work.BlitTo(dc, r.left + origin.x - outer.left, r.top + origin.y - outer.top);
}

// ---- TSkinProgress ----

bool TSkinProgress::ChangesLook(UINT msg) const
{
    return msg == PBM_SETPOS || msg == PBM_DELTAPOS || msg == PBM_STEPIT || msg == PBM_SETRANGE ||
           msg == PBM_SETRANGE32 || msg == PBM_SETSTATE;
}

void TSkinProgress::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    FillCanvas(work, SkinFace(d));
    const RECT all{0, 0, w, h};
    const bool vertical = (Style() & PBS_VERTICAL) != 0;
    if (Has(d.Progress))
        DrawSkinCell(work, *d.Progress, all, 1);
    else
        FrameRect(work.DC(), &all, GetSysColorBrush(COLOR_BTNSHADOW));
    PBRANGE range{};
    SendMessageW(handle_, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int pos = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
    const int span = range.iHigh - range.iLow;
    if (span <= 0)
        return;
    const TSkinMargins m = d.Progress ? d.Progress->Margins() : TSkinMargins{1, 1, 1, 1};
    RECT inner{m.Left, m.Top, w - m.Right, h - m.Bottom};
    const double done = std::clamp(static_cast<double>(pos - range.iLow) / span, 0.0, 1.0);
    if (vertical)
        inner.top = inner.bottom - static_cast<int>((inner.bottom - inner.top) * done + 0.5);
    else
        inner.right = inner.left + static_cast<int>((inner.right - inner.left) * done + 0.5);
    if (inner.right <= inner.left || inner.bottom <= inner.top)
        return;
    if (Has(d.ProgressChunk)) {
        const TDataSkinObject& chunk = *d.ProgressChunk;
        TSkinImage piece(inner.right - inner.left, inner.bottom - inner.top, kClMagenta);
        const TSkinRect cell = CellRect(chunk.Bitmap, chunk.Cells(), 1);
        piece.TileFrom(chunk.Bitmap, cell, {0, 0, piece.Width(), piece.Height()});
        work.Draw(piece, inner.left, inner.top, chunk.Trans != 0);
    } else if (d.Progress && d.Progress->Cells() >= 2 && !d.Progress->Bitmap.Empty()) {
        RECT bar = vertical ? RECT{0, inner.top - m.Top, w, h} : RECT{0, 0, inner.right + m.Right, h};
        DrawSkinCell(work, *d.Progress, bar, 2);
    } else {
        work.Fill(inner, SkinColourRef(d, d.SkinColours[SC_HILIGHT]));
    }
}

// ---- TSkinTrackBar ----

bool TSkinTrackBar::ChangesLook(UINT msg) const
{
    return msg == TBM_SETPOS || msg == TBM_SETRANGE || msg == TBM_SETRANGEMIN || msg == TBM_SETRANGEMAX ||
           msg == TBM_SETTIC || msg == TBM_SETTICFREQ || msg == TBM_CLEARTICS || msg == WM_KEYDOWN || msg == WM_KEYUP;
}

void TSkinTrackBar::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    if (paint_background_)
        FillCanvas(work, SkinFace(d));
    else
        PaintParentBackground(handle_, work.DC());
    const bool vertical = (Style() & TBS_VERT) != 0;
    RECT channel{};
    SendMessageW(handle_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    if (vertical && channel.right - channel.left > channel.bottom - channel.top) {
        // Some systems report the channel of a vertical bar as if it lay
        // horizontally, others as it lies.
        channel = {channel.top, channel.left, channel.bottom, channel.right};
    }
    // A groove at least as thick as the image's fixed edges.
    const TDataSkinObject* groove = vertical ? d.TrackVert.get() : d.Track.get();
    if (groove && !groove->Bitmap.Empty()) {
        RECT g = channel;
        if (vertical) {
            const int cx = (g.left + g.right) / 2;
            const int half = std::max(groove->Bitmap.Width() / groove->Cells(), 4) / 2;
            g.left = cx - half;
            g.right = cx + half;
        } else {
            const int cy = (g.top + g.bottom) / 2;
            const int half = std::max(groove->Bitmap.Height(), 4) / 2;
            g.top = cy - half;
            g.bottom = cy + half;
        }
        DrawSkinCell(work, *groove, g, 1);
    } else {
        DrawEdge(work.DC(), &channel, EDGE_SUNKEN, BF_RECT);
    }
    RECT thumb{};
    SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    DrawTicks(work, channel, thumb, vertical);
    if (Style() & TBS_NOTHUMB)
        return;
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    int cell = 1;
    if (!enabled)
        cell = 4;
    else if (ButtonHeld())
        cell = 3;
    else if (MouseInside() && Inside(thumb, mouse_))
        cell = 2;
    else if (GetFocus() == handle_)
        cell = 5;
    const TDataSkinObject* image = vertical ? d.TrackThumbVert.get() : d.TrackThumbHorz.get();
    if (image && !image->Bitmap.Empty()) {
        DrawSkinCellCentred(work, image->Bitmap, image->Cells(), cell, thumb, image->Trans != 0);
    } else {
        DrawFrameControl(work.DC(), &thumb, DFC_BUTTON, DFCS_BUTTONPUSH | (cell == 3 ? DFCS_PUSHED : 0));
    }
}

void TSkinTrackBar::DrawTicks(TDibCanvas& work, const RECT& channel, const RECT& thumb, bool vertical)
{
    const LONG_PTR style = Style();
    if (style & TBS_NOTICKS)
        return;
    TTrackTicks t;
    t.Vertical = vertical;
    t.Count = static_cast<int>(SendMessageW(handle_, TBM_GETNUMTICS, 0, 0));
    t.ChannelFrom = vertical ? channel.top : channel.left;
    t.ChannelTo = vertical ? channel.bottom : channel.right;
    t.ThumbLength = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
    t.ThumbNear = vertical ? thumb.left : thumb.top;
    t.ThumbFar = vertical ? thumb.right : thumb.bottom;
    // TBS_TOP and TBS_LEFT are one bit, as are TBS_BOTTOM and TBS_RIGHT (none).
    t.NearSide = (style & (TBS_BOTH | TBS_TOP)) != 0;
    t.FarSide = (style & TBS_BOTH) != 0 || (style & TBS_TOP) == 0;
    // The tick values rather than TBM_GETTICPOS: some systems answer that
    // with positions across a vertical bar instead of along it.
    t.Min = static_cast<int>(SendMessageW(handle_, TBM_GETRANGEMIN, 0, 0));
    t.Max = static_cast<int>(SendMessageW(handle_, TBM_GETRANGEMAX, 0, 0));
    if (const auto* values = reinterpret_cast<const DWORD*>(SendMessageW(handle_, TBM_GETPTICS, 0, 0)))
        for (int i = 0; i + 2 < t.Count; ++i)
            t.Values.push_back(static_cast<int>(values[i]));
    // In the shade the skin gives lines and edges, dimmer when disabled.
    const TSkinData& d = *data_;
    const COLORREF colour = SkinColourRef(
        d, d.SkinColours[IsWindowEnabled(handle_) ? SC_BUTTONSHADOW : SC_BUTTONLIGHT]);
    for (const TSkinRect& r : TrackTickRects(t))
        work.Fill(RECT{r.Left, r.Top, r.Right, r.Bottom}, colour);
}

// ---- TSkinUpDown ----

void TSkinUpDown::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    FillCanvas(work, SkinFace(d));
    const bool horizontal = (Style() & UDS_HORZ) != 0;
    const RECT first = horizontal ? RECT{0, 0, w / 2, h} : RECT{0, 0, w, h / 2};
    const RECT second = horizontal ? RECT{w / 2, 0, w, h} : RECT{0, h / 2, w, h};
    const TDataSkinBorder* image = horizontal ? d.UpDownHorz.get() : d.UpDownVert.get();
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    int index = 0;
    for (const RECT& part : {first, second}) {
        int state = 1;
        if (!enabled)
            state = 4;
        else if (MouseInside() && Inside(part, mouse_))
            state = ButtonHeld() ? 3 : 2;
        const int cell = index * 4 + state;
        if (image && !image->Bitmap.Empty()) {
            DrawSkinCell(work, *image, part, cell);
            if (!image->Bitmap2.Empty())
                DrawSkinCellCentred(work, image->Bitmap2, image->Cells(), cell, part, true);
        } else {
            RECT r = part;
            UINT kind = horizontal ? (index ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                   : (index ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
            DrawFrameControl(work.DC(), &r, DFC_SCROLL, kind | (state == 3 ? DFCS_PUSHED : 0) |
                                                             (state == 4 ? DFCS_INACTIVE : 0));
        }
        ++index;
    }
}

// ---- TSkinTab ----

bool TSkinTab::ChangesLook(UINT msg) const
{
    return msg == TCM_SETCURSEL || msg == TCM_INSERTITEMW || msg == TCM_DELETEITEM || msg == TCM_SETITEMW ||
           msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SIZE;
}

void TSkinTab::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    if (paint_background_)
        FillCanvas(work, SkinFace(d));
    else
        PaintParentBackground(handle_, work.DC());
    const int count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0));
    int rowBottom = 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageW(handle_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            rowBottom = std::max<int>(rowBottom, r.bottom);
    }
    // The page under the tabs.
    const RECT pane{0, rowBottom, w, h};
    if (Has(d.TabPane))
        DrawSkinCell(work, *d.TabPane, pane, 1);
    else
        DrawEdge(work.DC(), const_cast<RECT*>(&pane), EDGE_RAISED, BF_RECT);
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    const bool focused = GetFocus() == handle_;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(handle_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            continue;
        int cell = 1;
        if (!enabled)
            cell = 4;
        else if (i == selected)
            cell = focused ? 5 : 3;
        else if (MouseInside() && Inside(r, mouse_))
            cell = 2;
        if (i == selected) {
            // The chosen tab stands out and joins its page.
            InflateRect(&r, 2, 0);
            r.top -= 2;
            r.bottom += 1;
        }
        if (Has(d.Tabs))
            DrawSkinCell(work, *d.Tabs, r, cell);
        else
            DrawEdge(work.DC(), &r, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        wchar_t text[128] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(handle_, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        Text(work, handle_, text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX, TextColour(d, enabled));
    }
}

// ---- TSkinHeader ----

bool TSkinHeader::ChangesLook(UINT msg) const
{
    return msg == HDM_SETITEMW || msg == HDM_INSERTITEMW || msg == HDM_DELETEITEM || msg == HDM_LAYOUT;
}

void TSkinHeader::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    FillCanvas(work, SkinFace(d));
    const int count = static_cast<int>(SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0));
    const bool enabled = IsWindowEnabled(handle_) != FALSE;
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(handle_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)) || r.right <= r.left)
            continue;  // a hidden column has no width
        right = std::max<int>(right, r.right);
        int cell = 1;
        if (enabled && MouseInside() && Inside(r, mouse_))
            cell = ButtonHeld() ? 3 : 2;
        if (Has(d.Headerbar))
            DrawSkinCell(work, *d.Headerbar, r, cell);
        else
            DrawEdge(work.DC(), &r, cell == 3 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        wchar_t text[256] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(handle_, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        UINT align = DT_LEFT;
        if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
            align = DT_CENTER;
        else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
            align = DT_RIGHT;
        RECT tr = r;
        InflateRect(&tr, -6, 0);
        if (cell == 3)
            OffsetRect(&tr, 1, 1);
        Text(work, handle_, text, tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | align,
             TextColour(d, enabled));
    }
    // What lies right of the last column is an empty title.
    if (right < w) {
        const RECT rest{right, 0, w, h};
        if (Has(d.Headerbar))
            DrawSkinCell(work, *d.Headerbar, rest, 1);
    }
}

// ---- TSkinStatusBar ----

bool TSkinStatusBar::ChangesLook(UINT msg) const
{
    return msg == SB_SETTEXTW || msg == SB_SETTEXTA || msg == SB_SETPARTS || msg == WM_SIZE || msg == SB_SIMPLE;
}

void DrawSizeGrip(TDibCanvas& work, const TSkinData& d, const RECT& r)
{
    if (Has(d.ExtraImages) && d.ExtraImages->Cells() >= 5) {
        const TSkinRect cell = CellRect(d.ExtraImages->Bitmap, d.ExtraImages->Cells(), 5);
        const RECT at{r.right - cell.Width(), r.bottom - cell.Height(), r.right, r.bottom};
        DrawSkinCellCentred(work, d.ExtraImages->Bitmap, d.ExtraImages->Cells(), 5, at, true);
        return;
    }
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    RECT grip{r.right - size, r.bottom - size, r.right, r.bottom};
    DrawFrameControl(work.DC(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void TSkinStatusBar::Draw(TDibCanvas& work, int w, int h)
{
    const TSkinData& d = *data_;
    FillCanvas(work, SkinFace(d));
    const RECT all{0, 0, w, h};
    if (Has(d.StatusBarEdges))
        DrawSkinCell(work, *d.StatusBarEdges, all, 2);
    const bool simple = SendMessageW(handle_, SB_ISSIMPLE, 0, 0) != 0;
    const int parts = simple ? 1 : static_cast<int>(SendMessageW(handle_, SB_GETPARTS, 0, 0));
    for (int i = 0; i < std::max(parts, 1); ++i) {
        const int index = simple ? SB_SIMPLEID : i;
        RECT r{};
        if (!SendMessageW(handle_, SB_GETRECT, index, reinterpret_cast<LPARAM>(&r)))
            continue;
        if (Has(d.StatusBarEdges))
            DrawSkinCell(work, *d.StatusBarEdges, r, 1);
        else
            DrawEdge(work.DC(), &r, BDR_SUNKENOUTER, BF_RECT);
        const int length = LOWORD(SendMessageW(handle_, SB_GETTEXTLENGTHW, index, 0));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(handle_, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        RECT tr = r;
        InflateRect(&tr, -4, 0);
        Text(work, handle_, text, tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX,
             TextColour(d, true));
    }
    if (Style() & SBARS_SIZEGRIP)
        DrawSizeGrip(work, d, all);
}

// ---- TSkinSizer ----

void TSkinSizer::Draw(TDibCanvas& work, int w, int h)
{
    FillCanvas(work, SkinFace(*data_));
    DrawSizeGrip(work, *data_, RECT{0, 0, w, h});
}
