#include "ui/skin/skin_image.h"

#include <algorithm>
#include <cstring>

#include <stb/stb_image.h>

TSkinImage::TSkinImage(int width, int height, TColour fill)
{
    if (width <= 0 || height <= 0)
        return;
    width_ = width;
    height_ = height;
    bytes_.resize(static_cast<size_t>(width) * height * 3);
    FillRect({0, 0, width, height}, fill);
}

void TSkinImage::Clear()
{
    width_ = height_ = 0;
    bytes_.clear();
    bytes_.shrink_to_fit();
}

TColour TSkinImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const uint8_t* p = Row(y) + x * 3;
    return Rgb(p[2], p[1], p[0]);
}

void TSkinImage::SetPixel(int x, int y, TColour c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = Row(y) + x * 3;
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

void TSkinImage::FillRect(const TSkinRect& r, TColour c)
{
    const int l = std::max(r.Left, 0), t = std::max(r.Top, 0);
    const int rr = std::min(r.Right, width_), b = std::min(r.Bottom, height_);
    for (int y = t; y < b; ++y)
        for (int x = l; x < rr; ++x)
            SetPixel(x, y, c);
}

void TSkinImage::CopyFrom(const TSkinImage& src, const TSkinRect& from, int x, int y, bool transparent)
{
    for (int sy = from.Top; sy < from.Bottom; ++sy) {
        const int ty = y + sy - from.Top;
        if (sy < 0 || sy >= src.height_ || ty < 0 || ty >= height_)
            continue;
        for (int sx = from.Left; sx < from.Right; ++sx) {
            const int tx = x + sx - from.Left;
            if (sx < 0 || sx >= src.width_ || tx < 0 || tx >= width_)
                continue;
            const TColour c = src.Pixel(sx, sy);
            if (!(transparent && c == kClMagenta))
                SetPixel(tx, ty, c);
        }
    }
}

void TSkinImage::StretchFrom(const TSkinImage& src, const TSkinRect& from, const TSkinRect& to, bool transparent)
{
    if (from.IsEmpty() || to.IsEmpty())
        return;
    const int64_t fw = from.Width(), fh = from.Height(), tw = to.Width(), th = to.Height();
    for (int ty = std::max(to.Top, 0); ty < std::min(to.Bottom, height_); ++ty) {
        const int sy = from.Top + static_cast<int>((ty - to.Top) * fh / th);
        for (int tx = std::max(to.Left, 0); tx < std::min(to.Right, width_); ++tx) {
            const int sx = from.Left + static_cast<int>((tx - to.Left) * fw / tw);
            if (sx < 0 || sy < 0 || sx >= src.width_ || sy >= src.height_)
                continue;
            const TColour c = src.Pixel(sx, sy);
            if (!(transparent && c == kClMagenta))
                SetPixel(tx, ty, c);
        }
    }
}

void TSkinImage::TileFrom(const TSkinImage& src, const TSkinRect& from, const TSkinRect& to, bool transparent)
{
    if (from.IsEmpty() || to.IsEmpty())
        return;
    for (int ty = std::max(to.Top, 0); ty < std::min(to.Bottom, height_); ++ty) {
        const int sy = from.Top + (ty - to.Top) % from.Height();
        for (int tx = std::max(to.Left, 0); tx < std::min(to.Right, width_); ++tx) {
            const int sx = from.Left + (tx - to.Left) % from.Width();
            if (sx < 0 || sy < 0 || sx >= src.width_ || sy >= src.height_)
                continue;
            const TColour c = src.Pixel(sx, sy);
            if (!(transparent && c == kClMagenta))
                SetPixel(tx, ty, c);
        }
    }
}

bool LoadBitmapFile(TSkinImage& image, const uint8_t* data, size_t size)
{
    image.Clear();
    if (size < 26 || data[0] != 'B' || data[1] != 'M' || size > INT32_MAX)
        return false;
    int w = 0, h = 0, comp = 0;
    if (!stbi_info_from_memory(data, static_cast<int>(size), &w, &h, &comp) || w <= 0 || h <= 0)
        return false;
    // The decoder allocates the whole picture before it reads the pixels, so
    // a damaged header would make a few bytes ask for gigabytes. An honest
    // file holds at least one bit per pixel.
    const uint64_t pixels = static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    if (pixels > 8 * static_cast<uint64_t>(size) || w > 16384 || h > 16384)
        return false;
    int n = 0;
    stbi_uc* rgb = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &n, 3);
    if (!rgb)
        return false;
    TSkinImage decoded(w, h);
    for (int y = 0; y < h; ++y) {
        const stbi_uc* s = rgb + static_cast<size_t>(y) * w * 3;
        uint8_t* d = decoded.Row(y);
        for (int x = 0; x < w; ++x) {
            d[x * 3 + 0] = s[x * 3 + 2];
            d[x * 3 + 1] = s[x * 3 + 1];
            d[x * 3 + 2] = s[x * 3 + 0];
        }
    }
    stbi_image_free(rgb);
    image = std::move(decoded);
    return true;
}

TSkinRect CellRect(const TSkinImage& image, int cellCount, int cell, bool stacked)
{
    const int count = std::max(cellCount, 1);
    const int index = std::clamp(cell, 1, count) - 1;
    if (stacked) {
        const int h = image.Height() / count;
        return {0, index * h, image.Width(), index * h + h};
    }
    const int w = image.Width() / count;
    return {index * w, 0, index * w + w, image.Height()};
}

TSkinImage ComposeNineSlice(int width, int height, const TSkinImage& bitmap, TSkinMargins m, bool stacked,
                            bool tileCentre, int cellCount, int cell)
{
    TSkinImage out(width, height, kClMagenta);
    if (out.Empty() || bitmap.Empty())
        return out;
    const TSkinRect c = CellRect(bitmap, cellCount, cell, stacked);
    if (c.IsEmpty())
        return out;
    m.Left = std::max(m.Left, 0);
    m.Right = std::max(m.Right, 0);
    m.Top = std::max(m.Top, 0);
    m.Bottom = std::max(m.Bottom, 0);
    if (width < m.Left + m.Right || c.Width() < m.Left + m.Right)
        m.Left = m.Right = 0;
    if (height < m.Top + m.Bottom || c.Height() < m.Top + m.Bottom)
        m.Top = m.Bottom = 0;
    // Source and target column and row bounds of the three bands.
    const int sx[4] = {c.Left, c.Left + m.Left, c.Right - m.Right, c.Right};
    const int sy[4] = {c.Top, c.Top + m.Top, c.Bottom - m.Bottom, c.Bottom};
    const int tx[4] = {0, m.Left, width - m.Right, width};
    const int ty[4] = {0, m.Top, height - m.Bottom, height};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const TSkinRect from{sx[col], sy[row], sx[col + 1], sy[row + 1]};
            const TSkinRect to{tx[col], ty[row], tx[col + 1], ty[row + 1]};
            if (row == 1 && col == 1 && tileCentre)
                out.TileFrom(bitmap, from, to);
            else
                out.StretchFrom(bitmap, from, to);
        }
    }
    return out;
}

void DrawImage(TSkinImage& target, int x, int y, const TSkinImage& image, bool transparent)
{
    target.CopyFrom(image, {0, 0, image.Width(), image.Height()}, x, y, transparent);
}
