#pragma once
// A 24-bit off-screen bitmap with its own device context: skin images are
// composed into its pixels, GDI draws text on it, and it reaches the window
// in one blit. Also the window regions built from skin images.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/skin/skin_image.h"

// A DIB section selected into a memory DC of its own: the bitmap behind a
// canvas, kept by the thread between canvases.
struct TScratchBitmap {
    HDC Dc = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Old = nullptr;
    uint8_t* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    int SavedState = 0;  // the DC's state as made, restored when handed back
};

class TDibCanvas {
public:
    TDibCanvas() = default;
    TDibCanvas(int width, int height);
    ~TDibCanvas();
    TDibCanvas(const TDibCanvas&) = delete;
    TDibCanvas& operator=(const TDibCanvas&) = delete;

    // Makes the canvas width x height, black; false when GDI refuses.
    bool Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC DC() const { return bitmap_.Dc; }
    bool Valid() const { return bitmap_.Dc != nullptr; }

    // Composes an image at (x, y), leaving out magenta pixels when transparent.
    void Draw(const TSkinImage& image, int x, int y, bool transparent = false);
    void Fill(const RECT& r, COLORREF colour);
    COLORREF Pixel(int x, int y) const;
    // The canvas (or a part of it) as a skin image.
    TSkinImage ToImage() const;

    void BlitTo(HDC target, int x, int y) const;

private:
    void Release();
    uint8_t* Row(int y) const { return bitmap_.Bits + static_cast<size_t>(y) * stride_; }

    // May be bigger than the canvas: it is reused.
    TScratchBitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

// Copies an image straight to a device context (no transparency).
void BlitImage(HDC dc, int x, int y, const TSkinImage& image);

// Draws an icon at the given size, scaled by the system as it draws.
void DrawIconSized(HDC dc, int x, int y, HICON icon, int width, int height);

// A region of rectangles; null for an empty list.
HRGN RegionFromRects(const std::vector<TSkinRect>& rects);

// Owns a GDI object handle (region, font, brush, bitmap).
template <class H>
class TGdiHandle {
public:
    TGdiHandle() = default;
    explicit TGdiHandle(H h) : h_(h) {}
    ~TGdiHandle() { reset(); }
    TGdiHandle(const TGdiHandle&) = delete;
    TGdiHandle& operator=(const TGdiHandle&) = delete;
    TGdiHandle(TGdiHandle&& o) noexcept : h_(o.release()) {}
    TGdiHandle& operator=(TGdiHandle&& o) noexcept
    {
        if (this != &o)
            reset(o.release());
        return *this;
    }
    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    H release()
    {
        H h = h_;
        h_ = nullptr;
        return h;
    }
    void reset(H h = nullptr)
    {
        if (h_)
            DeleteObject(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};
