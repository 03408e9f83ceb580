#include "ui/skin/gdi_canvas.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

BITMAPINFO TopDown24(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

int Stride(int width) { return (width * 3 + 3) & ~3; }

bool IsMagenta(const uint8_t* p) { return p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF; }

} // namespace

TDibCanvas::TDibCanvas(int width, int height) { Resize(width, height); }

TDibCanvas::~TDibCanvas() { Release(); }

void TDibCanvas::Release()
{
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = stride_ = 0;
}

bool TDibCanvas::Resize(int width, int height)
{
    if (dc_ && width == width_ && height == height_)
        return true;
    Release();
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info = TopDown24(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return false;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return false;
    }
    bitmap_ = bitmap;
    dc_ = dc;
    old_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint8_t*>(bits);
    width_ = width;
    height_ = height;
    stride_ = Stride(width);
    return true;
}

void TDibCanvas::Draw(const TSkinImage& image, int x, int y, bool transparent)
{
    if (!bits_ || image.Empty())
        return;
    GdiFlush();
    const int x0 = std::max(x, 0), x1 = std::min(x + image.Width(), width_);
    const int y0 = std::max(y, 0), y1 = std::min(y + image.Height(), height_);
    if (x0 >= x1)
        return;
    for (int ty = y0; ty < y1; ++ty) {
        const uint8_t* src = image.Row(ty - y) + (x0 - x) * 3;
        uint8_t* dst = Row(ty) + x0 * 3;
        if (!transparent) {
            std::memcpy(dst, src, static_cast<size_t>(x1 - x0) * 3);
            continue;
        }
        for (int tx = x0; tx < x1; ++tx, src += 3, dst += 3)
            if (!IsMagenta(src))
                std::memcpy(dst, src, 3);
    }
}

void TDibCanvas::Fill(const RECT& r, COLORREF colour)
{
    if (!dc_)
        return;
    HBRUSH brush = CreateSolidBrush(colour & 0xFFFFFF);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

COLORREF TDibCanvas::Pixel(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    const uint8_t* p = Row(y) + x * 3;
    return RGB(p[2], p[1], p[0]);
}

TSkinImage TDibCanvas::ToImage() const
{
    TSkinImage image(width_, height_);
    if (!bits_)
        return image;
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        std::memcpy(image.Row(y), Row(y), static_cast<size_t>(width_) * 3);
    return image;
}

void TDibCanvas::BlitTo(HDC target, int x, int y) const
{
    if (dc_)
        BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

void BlitImage(HDC dc, int x, int y, const TSkinImage& image)
{
    if (image.Empty())
        return;
    const int w = image.Width(), h = image.Height(), stride = Stride(w);
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * h);
    for (int r = 0; r < h; ++r)
        std::memcpy(rows.data() + static_cast<size_t>(r) * stride, image.Row(r), static_cast<size_t>(w) * 3);
    BITMAPINFO info = TopDown24(w, h);
    SetDIBitsToDevice(dc, x, y, w, h, 0, 0, 0, h, rows.data(), &info, DIB_RGB_COLORS);
}

HRGN RegionFromRects(const std::vector<TSkinRect>& rects)
{
    if (rects.empty())
        return nullptr;
    std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (size_t i = 0; i < rects.size(); ++i) {
        const TSkinRect& r = rects[i];
        out[i] = {r.Left, r.Top, r.Right, r.Bottom};
        bounds.left = std::min<LONG>(bounds.left, r.Left);
        bounds.top = std::min<LONG>(bounds.top, r.Top);
        bounds.right = std::max<LONG>(bounds.right, r.Right);
        bounds.bottom = std::max<LONG>(bounds.bottom, r.Bottom);
    }
    data->rdh.rcBound = bounds;
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}
