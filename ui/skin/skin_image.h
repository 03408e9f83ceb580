#pragma once
// The skin's images: 24 bits per pixel, top row first, no palette and no
// alpha. Magenta (0xFF00FF) marks the pixels a transparent draw leaves out.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/skin/skin_colour.h"

struct TSkinRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TSkinRect&) const = default;
};

class TSkinImage {
public:
    TSkinImage() = default;
    // A width x height image filled with one colour (0x00BBGGRR).
    TSkinImage(int width, int height, TColour fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    void Clear();

    TColour Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColour c);
    // Blue, green, red per pixel, as a DIB row holds them.
    const uint8_t* Row(int y) const { return bytes_.data() + static_cast<size_t>(y) * width_ * 3; }
    uint8_t* Row(int y) { return bytes_.data() + static_cast<size_t>(y) * width_ * 3; }

    void FillRect(const TSkinRect& r, TColour c);
    // Copies src's rectangle to (x, y); parts outside either image are skipped.
    void CopyFrom(const TSkinImage& src, const TSkinRect& from, int x, int y, bool transparent = false);
    // Nearest-neighbour stretch of src's rectangle onto this image's rectangle.
    void StretchFrom(const TSkinImage& src, const TSkinRect& from, const TSkinRect& to, bool transparent = false);
    // Repeats src's rectangle over this image's rectangle.
    void TileFrom(const TSkinImage& src, const TSkinRect& from, const TSkinRect& to, bool transparent = false);

    bool operator==(const TSkinImage&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> bytes_;
};

// Decodes a Windows bitmap file (any depth stb_image reads). False, and the
// image cleared, for anything else or for a file whose size cannot hold the
// picture its header claims.
bool LoadBitmapFile(TSkinImage& image, const uint8_t* data, size_t size);

// One equal-width (side by side) or equal-height (stacked) cell of an image,
// numbered from 1. Counts below 1 count as 1 and the number is kept in range,
// so a damaged description never reaches outside the image.
TSkinRect CellRect(const TSkinImage& image, int cellCount, int cell, bool stacked = false);

struct TSkinMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The nine-slice drawing of one cell onto a new width x height image: corners
// at their size, edges stretched along their length, the centre tiled or
// stretched. A target narrower than both side margins drops them, likewise
// for top and bottom.
TSkinImage ComposeNineSlice(int width, int height, const TSkinImage& bitmap, TSkinMargins margins,
                            bool stacked, bool tileCentre, int cellCount, int cell);

// Draws a composed image onto target at (x, y), leaving out magenta pixels
// when transparent.
void DrawImage(TSkinImage& target, int x, int y, const TSkinImage& image, bool transparent);
