#pragma once
// The GDI side of the control painters. Each paint is composed in a work
// bitmap (TDibCanvas) and copied from it once, so nothing flickers; skin
// cells go onto it, and the parent's background behind a transparent control.
#include <windows.h>

#include "ui/skin/gdi_canvas.h"
#include "ui/skin/skin_image.h"

class TSkinData;

// A skin colour value as GDI wants it (system colours looked up now).
COLORREF SkinColourRef(const TSkinData& data, uint32_t colour);
// The skin's face colour ("ButtonFace"), resolved.
COLORREF SkinFace(const TSkinData& data);

// Draws into dc, whose origin is the control's top-left corner, what the
// control's parent shows behind it: its background and the painted controls
// (labels) it holds. A skinned parent paints itself as skinned.
void PaintParentBackground(HWND control, HDC dc);
// Asks for WM_MOUSELEAVE when the mouse leaves the window, so hot parts cool.
void TrackMouseLeave(HWND window);
// Registers a window class of this module with the arrow cursor, once: a
// later call finds it made.
void EnsureWindowClass(const wchar_t* name, WNDPROC proc, UINT style);
// The same for an area r of a window's client (a control without a window
// of its own); dc's origin is r's top-left corner.
void PaintWindowArea(HWND window, HDC dc, const RECT& r);

// Paints the controls without a window of their own (labels) that a
// windowed control holds, into dc in that control's client coordinates,
// those that meet clip only.
void PaintGraphicChildren(HWND window, HDC dc, const RECT& clip);

// The font a control draws its text with: its widget-set font, else the
// window's WM_GETFONT, else the system's.
HFONT ControlFont(HWND window);

// One cell of a skin object's image, composed over a rectangle of the work
// bitmap with the object's margins (centre tiled when its Tile is set),
// leaving out magenta when the object's Trans is set.
class TDataSkinObject;
void DrawSkinCell(TDibCanvas& work, const TDataSkinObject& object, const RECT& at, int cell, bool stacked = false);
// Fills the whole canvas.
void FillCanvas(TDibCanvas& work, COLORREF colour);
// One cell drawn at its own size, centred in a rectangle.
void DrawSkinCellCentred(TDibCanvas& work, const TSkinImage& image, int cells, int cell, const RECT& in,
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
