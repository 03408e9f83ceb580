#include "tools/skin_art/skin_preview.h"

namespace {

// Window borders tile their middle unless Tile is 1; controls stretch it.
void Piece(TSkinImage& canvas, int x, int y, int w, int h, const TDataSkinObject& o, bool stacked, int cell,
           bool transparent, bool tile = false)
{
    if (w <= 0 || h <= 0 || o.Bitmap.Empty())
        return;
    const TSkinImage piece = ComposeNineSlice(w, h, o.Bitmap, o.Margins(), stacked, tile, o.Cells(), cell);
    DrawImage(canvas, x, y, piece, transparent);
}

void Cells(TSkinImage& canvas, int x, int y, const TSkinImage& image, int cells, int gap)
{
    for (int i = 1; i <= cells; ++i) {
        const TSkinRect r = CellRect(image, cells, i);
        canvas.CopyFrom(image, r, x + (i - 1) * (r.Width() + gap), y, true);
    }
}

// One window frame at (x, y), w x h, drawn active or inactive.
int Window(TSkinImage& canvas, const TSkinData& s, int x, int y, int w, int h, bool active)
{
    const int L = s.BorderLeft.Bitmap.Width() / s.BorderLeft.Cells();
    const int R = s.BorderRight.Bitmap.Width() / s.BorderRight.Cells();
    const int C = s.BorderTop.Bitmap.Height() / s.BorderTop.Cells();
    const int B = s.BorderBottom.Bitmap.Height() / s.BorderBottom.Cells();
    const int cell = active ? 1 : 2;
    canvas.FillRect({x + L, y + C, x + w - R, y + h - B}, s.ResolveColour(s.SkinColours[SC_BUTTONFACE]));
    Piece(canvas, x, y, L, h, s.BorderLeft, false, cell, true, s.BorderLeft.Tile != 1);
    Piece(canvas, x + w - R, y, R, h, s.BorderRight, false, cell, true, s.BorderRight.Tile != 1);
    Piece(canvas, x + L, y, w - L - R, C, s.BorderTop, true, cell, true, s.BorderTop.Tile != 1);
    Piece(canvas, x + L, y + h - B, w - L - R, B, s.BorderBottom, true, cell, true, s.BorderBottom.Tile != 1);
    for (const auto& b : s.SysButtons) {
        if (b->Bitmap.Empty() || b->Align != 1 || b->Action == 4)
            continue;
        if (b->Action == 1 && b->Visibility == 1)
            continue;  // restore shows only on a maximized window
        const TSkinRect r = CellRect(b->Bitmap, b->Cells(), active ? 1 : 4);
        canvas.CopyFrom(b->Bitmap, r, x + w - b->Xcoord, y + b->Ycoord, true);
    }
    return C;
}

} // namespace

TSkinImage RenderSkinPreview(const TSkinData& s)
{
    TSkinImage canvas(560, 430, Rgb(90, 96, 100));
    const int c1 = Window(canvas, s, 10, 10, 540, 250, true);
    Window(canvas, s, 10, 270, 540, 150, false);

    int y = 10 + c1 + 10;
    const int x = 24;
    // Push buttons in their five states.
    for (int i = 1; i <= 5; ++i)
        Piece(canvas, x + (i - 1) * 84, y, 76, 25, s.Buttons, false, i, s.Buttons.Trans == 1);
    y += 35;
    Cells(canvas, x, y, s.Buttons.CheckBitmap, s.Buttons.CheckButtonFrame, 6);
    Cells(canvas, x + 170, y, s.Buttons.RadioBitmap, s.Buttons.RadioButtonFrame, 6);
    y += 25;
    // The combo box composite in its four states, and a plain edit frame.
    if (s.ComboButton)
        for (int i = 1; i <= 4; ++i)
            Piece(canvas, x + (i - 1) * 130, y, 120, 21, *s.ComboButton, false, i, true);
    y += 30;
    if (s.Progress) {
        Piece(canvas, x, y, 200, 16, *s.Progress, false, 1, true);
        if (s.ProgressChunk)
            for (int cx = x + 3; cx < x + 130; cx += s.ProgressChunk->Bitmap.Width())
                canvas.CopyFrom(s.ProgressChunk->Bitmap, {0, 0, s.ProgressChunk->Bitmap.Width(), 10}, cx, y + 3, true);
    }
    if (s.Tabs)
        for (int i = 1; i <= 5; ++i)
            Piece(canvas, x + 220 + (i - 1) * 60, y - 6, 56, 24, *s.Tabs, false, i, true);
    y += 30;
    if (s.Scrollbar)
        Cells(canvas, x, y, s.Scrollbar->Bitmap, 23, 2);
    y += 25;
    if (s.HorzScrollThumb)
        Cells(canvas, x, y, s.HorzScrollThumb->Bitmap, 3, 4);
    if (s.Headerbar)
        for (int i = 1; i <= s.Headerbar->Cells(); ++i)
            Piece(canvas, x + 80 + (i - 1) * 90, y, 88, 20, *s.Headerbar, false, i, false);
    if (s.Track)
        Piece(canvas, x + 360, y + 7, 120, 6, *s.Track, false, 1, true);
    if (s.TrackThumbDown)
        Cells(canvas, x + 360, y - 2, s.TrackThumbDown->Bitmap, 5, 14);
    y += 28;
    if (s.MenuItem)
        for (int i = 1; i <= 5; ++i)
            Piece(canvas, x + (i - 1) * 100, y, 92, 20, *s.MenuItem, false, i, true);

    // Caption buttons magnified below nothing else: all four cells of each.
    int bx = 24;
    for (const auto& b : s.SysButtons) {
        if (b->Bitmap.Empty() || b->Action >= 7)
            continue;
        canvas.CopyFrom(b->Bitmap, {0, 0, b->Bitmap.Width(), b->Bitmap.Height()}, bx, 10 + 250 + 10 + c1 + 12,
                        false);
        bx += b->Bitmap.Width() + 8;
    }
    return canvas;
}
