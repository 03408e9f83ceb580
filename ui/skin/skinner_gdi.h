#pragma once
// The GDI side of the control painters: a work bitmap each paint is composed
// in (and copied from once, so nothing flickers), skin images put onto it,
// and the parent's background behind a transparent control.
#include <windows.h>

#include "ui/skin/skin_image.h"

class TSkinData;

// A 24-bit top-down DIB section selected into its own memory DC.
class TWorkBitmap {
public:
    TWorkBitmap(int width, int height);
    ~TWorkBitmap();
    TWorkBitmap(const TWorkBitmap&) = delete;
    TWorkBitmap& operator=(const TWorkBitmap&) = delete;

    bool Valid() const { return dc_ != nullptr && bits_ != nullptr; }
    HDC DC() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(COLORREF colour);
    void Fill(const RECT& r, COLORREF colour);
    // Puts a skin image at (x, y); magenta pixels are left out when transparent.
    void Draw(const TSkinImage& image, int x, int y, bool transparent);
    // Copies the whole bitmap to dc at (x, y).
    void CopyTo(HDC dc, int x, int y) const;
    COLORREF Pixel(int x, int y) const;

private:
    uint8_t* Row(int y) const { return bits_ + static_cast<size_t>(y) * stride_; }

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint8_t* bits_ = nullptr;
};

// A skin colour value as GDI wants it (system colours looked up now).
COLORREF SkinColourRef(const TSkinData& data, uint32_t colour);
// The skin's face colour ("ButtonFace"), resolved.
COLORREF SkinFace(const TSkinData& data);

// Draws into dc, whose origin is the control's top-left corner, what the
// control's parent shows behind it: its background and the painted controls
// (labels) it holds. A skinned parent paints itself as skinned.
void PaintParentBackground(HWND control, HDC dc);

// One cell of a skin object's image, composed over a rectangle of the work
// bitmap with the object's margins (centre tiled when its Tile is set),
// leaving out magenta when the object's Trans is set.
class TDataSkinObject;
void DrawSkinCell(TWorkBitmap& work, const TDataSkinObject& object, const RECT& at, int cell, bool stacked = false);
// One cell drawn at its own size, centred in a rectangle.
void DrawSkinCellCentred(TWorkBitmap& work, const TSkinImage& image, int cells, int cell, const RECT& in,
                         bool transparent);

// A DC's current font and colours kept and put back.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TSavedDC() { RestoreDC(dc_, saved_); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};
