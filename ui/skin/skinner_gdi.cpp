#include "ui/skin/skinner_gdi.h"

#include <algorithm>

#include "ui/control_atom.h"
#include "ui/skin/skin_control.h"
#include "ui/skin/skin_data.h"

void FillCanvas(TDibCanvas& work, COLORREF colour)
{
    work.Fill(RECT{0, 0, work.Width(), work.Height()}, colour);
}

// ---- colours ----

COLORREF SkinColourRef(const TSkinData& data, uint32_t colour)
{
    return data.ResolveColour(colour) & 0xFFFFFF;
}

COLORREF SkinFace(const TSkinData& data)
{
    return SkinColourRef(data, data.SkinColours[SC_BUTTONFACE]);
}

// ---- the parent's background ----

void PaintParentBackground(HWND control, HDC dc)
{
    HWND parent = GetParent(control);
    if (!parent || !dc)
        return;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    PaintWindowArea(parent, dc, r);
}

void PaintWindowArea(HWND parent, HDC dc, const RECT& r)
{
    if (!parent || !dc)
        return;
    TSavedDC saved(dc);
    // From here on the DC speaks the parent's client coordinates.
    SetWindowOrgEx(dc, r.left, r.top, nullptr);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    if (TSkinControl* painter = TSkinControl::FromWindow(parent);
        painter && painter->State() == SS_ATTACHED && painter->SkinEnabled()) {
        // A skinned container: what it paints is what shows behind us. Its
        // painting speaks window coordinates.
        RECT outer, client;
        GetWindowRect(parent, &outer);
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        SetWindowOrgEx(dc, r.left + (client.left - outer.left), r.top + (client.top - outer.top), nullptr);
        painter->PaintWindow(dc);
        return;
    }
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    PaintGraphicChildren(parent, dc, r);
}

void PaintGraphicChildren(HWND window, HDC dc, const RECT& clip)
{
    TWinControl* owner = ControlOf(window);
    if (!owner)
        return;
    for (TControl* c : owner->Controls()) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        RECT cr = c->BoundsRect();
        RECT overlap;
        if (!IntersectRect(&overlap, &cr, &clip))
            continue;
        TSavedDC inner(dc);
        IntersectClipRect(dc, cr.left, cr.top, cr.right, cr.bottom);
        POINT org;
        GetWindowOrgEx(dc, &org);
        SetWindowOrgEx(dc, org.x - cr.left, org.y - cr.top, nullptr);
        static_cast<TGraphicControl*>(c)->PaintControl(dc);
    }
}

HFONT ControlFont(HWND window)
{
    if (TWinControl* control = ControlOf(window))
        return control->Font().Handle();
    if (auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))
        return font;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// ---- skin cells ----

void DrawSkinCell(TDibCanvas& work, const TDataSkinObject& object, const RECT& at, int cell, bool stacked)
{
    const int w = at.right - at.left;
    const int h = at.bottom - at.top;
    if (w <= 0 || h <= 0 || object.Bitmap.Empty())
        return;
    TSkinImage piece =
        ComposeNineSlice(w, h, object.Bitmap, object.Margins(), stacked, object.Tile != 0, object.Cells(), cell);
    work.Draw(piece, at.left, at.top, object.Trans != 0);
}

void DrawSkinCellCentred(TDibCanvas& work, const TSkinImage& image, int cells, int cell, const RECT& in,
                         bool transparent)
{
    if (image.Empty())
        return;
    const TSkinRect c = CellRect(image, cells, cell);
    if (c.IsEmpty())
        return;
    TSkinImage piece(c.Width(), c.Height());
    piece.CopyFrom(image, c, 0, 0);
    const int x = in.left + ((in.right - in.left) - c.Width()) / 2;
    const int y = in.top + ((in.bottom - in.top) - c.Height()) / 2;
    work.Draw(piece, x, y, transparent);
}

void EnsureWindowClass(const wchar_t* name, WNDPROC proc, UINT style)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

void TrackMouseLeave(HWND window)
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    TrackMouseEvent(&track);
}
