#include "ui/skin/skinner_gdi.h"

#include <algorithm>

#include "ui/control_atom.h"
#include "ui/skin/skin_control.h"
#include "ui/skin/skin_data.h"

// ---- TWorkBitmap ----

TWorkBitmap::TWorkBitmap(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1))
{
    stride_ = (width_ * 3 + 3) & ~3;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first, as skin images are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_)
        return;
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return;
    }
    bits_ = static_cast<uint8_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
}

TWorkBitmap::~TWorkBitmap()
{
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
}

void TWorkBitmap::Fill(COLORREF colour)
{
    Fill(RECT{0, 0, width_, height_}, colour);
}

void TWorkBitmap::Fill(const RECT& r, COLORREF colour)
{
    if (!Valid())
        return;
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void TWorkBitmap::Draw(const TSkinImage& image, int x, int y, bool transparent)
{
    if (!Valid() || image.Empty())
        return;
    GdiFlush();  // GDI may still be drawing into the bits
    const int x0 = std::max(x, 0);
    const int x1 = std::min(x + image.Width(), width_);
    const int y0 = std::max(y, 0);
    const int y1 = std::min(y + image.Height(), height_);
    if (x0 >= x1 || y0 >= y1)
        return;
    for (int ty = y0; ty < y1; ++ty) {
        const uint8_t* s = image.Row(ty - y) + static_cast<size_t>(x0 - x) * 3;
        uint8_t* d = Row(ty) + static_cast<size_t>(x0) * 3;
        if (!transparent) {
            std::copy(s, s + static_cast<size_t>(x1 - x0) * 3, d);
            continue;
        }
        for (int tx = x0; tx < x1; ++tx, s += 3, d += 3) {
            // Rows hold blue, green, red: magenta is 255, 0, 255 either way round.
            if (s[0] == 0xFF && s[1] == 0 && s[2] == 0xFF)
                continue;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
}

void TWorkBitmap::CopyTo(HDC dc, int x, int y) const
{
    if (Valid())
        BitBlt(dc, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

COLORREF TWorkBitmap::Pixel(int x, int y) const
{
    if (!Valid() || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    const uint8_t* p = Row(y) + static_cast<size_t>(x) * 3;
    return RGB(p[2], p[1], p[0]);
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
    // Painted controls (labels) belong to the parent's surface.
    if (TWinControl* owner = ControlOf(parent)) {
        for (TControl* c : owner->Controls()) {
            if (c->IsWindowed() || !c->Visible())
                continue;
            RECT cr = c->BoundsRect();
            RECT overlap;
            if (!IntersectRect(&overlap, &cr, &r))
                continue;
            TSavedDC inner(dc);
            IntersectClipRect(dc, cr.left, cr.top, cr.right, cr.bottom);
            POINT org;
            GetWindowOrgEx(dc, &org);
            SetWindowOrgEx(dc, org.x - cr.left, org.y - cr.top, nullptr);
            static_cast<TGraphicControl*>(c)->Paint(dc);
        }
    }
}

// ---- skin cells ----

void DrawSkinCell(TWorkBitmap& work, const TDataSkinObject& object, const RECT& at, int cell, bool stacked)
{
    const int w = at.right - at.left;
    const int h = at.bottom - at.top;
    if (w <= 0 || h <= 0 || object.Bitmap.Empty())
        return;
    TSkinImage piece =
        ComposeNineSlice(w, h, object.Bitmap, object.Margins(), stacked, object.Tile != 0, object.Cells(), cell);
    work.Draw(piece, at.left, at.top, object.Trans != 0);
}

void DrawSkinCellCentred(TWorkBitmap& work, const TSkinImage& image, int cells, int cell, const RECT& in,
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
