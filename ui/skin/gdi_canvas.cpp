#include "ui/skin/gdi_canvas.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>

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

// Painting makes and drops a canvas for nearly every part it draws, and the
// pixels of a fresh bitmap cost a page fault each on first touch, which some
// systems make dear. A thread keeps the bitmaps of its last few canvases for
// the next ones: a canvas may get a bigger bitmap than it asked for and uses
// its top-left corner.
class TScratchPool {
public:
    TScratchPool() = default;
    TScratchPool(const TScratchPool&) = delete;
    TScratchPool& operator=(const TScratchPool&) = delete;
    ~TScratchPool()
    {
        for (TScratchBitmap& s : kept_)
            Free(s);
    }

    // The smallest kept bitmap that holds width x height, or a new one.
    std::optional<TScratchBitmap> Take(int width, int height)
    {
        auto best = kept_.end();
        for (auto it = kept_.begin(); it != kept_.end(); ++it)
            if (it->Width >= width && it->Height >= height &&
                (best == kept_.end() || Area(*it) < Area(*best)))
                best = it;
        if (best != kept_.end()) {
            TScratchBitmap s = *best;
            kept_.erase(best);
            return s;
        }
        return Make(width, height);
    }

    // Back to the pool, its drawing state as it was made; past the limit the
    // smallest goes.
    void Give(TScratchBitmap s)
    {
        RestoreDC(s.Dc, s.SavedState);
        s.SavedState = SaveDC(s.Dc);
        kept_.push_back(s);
        if (kept_.size() > kKept) {
            auto smallest = std::min_element(kept_.begin(), kept_.end(),
                                             [](const TScratchBitmap& a, const TScratchBitmap& b) { return Area(a) < Area(b); });
            Free(*smallest);
            kept_.erase(smallest);
        }
    }

private:
    static constexpr size_t kKept = 4;
    static long long Area(const TScratchBitmap& s) { return static_cast<long long>(s.Width) * s.Height; }

    static std::optional<TScratchBitmap> Make(int width, int height)
    {
        BITMAPINFO info = TopDown24(width, height);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!bitmap)
            return std::nullopt;
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc) {
            DeleteObject(bitmap);
            return std::nullopt;
        }
        TScratchBitmap s{dc, bitmap, SelectObject(dc, bitmap), static_cast<uint8_t*>(bits), width, height, 0};
        s.SavedState = SaveDC(dc);
        return s;
    }

    static void Free(TScratchBitmap& s)
    {
        SelectObject(s.Dc, s.Old);
        DeleteDC(s.Dc);
        DeleteObject(s.Bitmap);
    }

    std::vector<TScratchBitmap> kept_;
};

TScratchPool& ThreadScratch()
{
    thread_local TScratchPool pool;
    return pool;
}

} // namespace

TDibCanvas::TDibCanvas(int width, int height) { Resize(width, height); }

TDibCanvas::~TDibCanvas() { Release(); }

void TDibCanvas::Release()
{
    if (bitmap_.Dc)
        ThreadScratch().Give(bitmap_);
    bitmap_ = {};
    width_ = height_ = stride_ = 0;
}

bool TDibCanvas::Resize(int width, int height)
{
    if (bitmap_.Dc && width == width_ && height == height_)
        return true;
    Release();
    if (width <= 0 || height <= 0)
        return false;
    std::optional<TScratchBitmap> s = ThreadScratch().Take(width, height);
    if (!s)
        return false;
    bitmap_ = *s;
    width_ = width;
    height_ = height;
    stride_ = Stride(bitmap_.Width);
    // As a fresh bitmap would be: black.
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        std::memset(Row(y), 0, static_cast<size_t>(width_) * 3);
    return true;
}

void TDibCanvas::Draw(const TSkinImage& image, int x, int y, bool transparent)
{
    if (!bitmap_.Bits || image.Empty())
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
    if (!bitmap_.Dc)
        return;
    HBRUSH brush = CreateSolidBrush(colour & 0xFFFFFF);
    FillRect(bitmap_.Dc, &r, brush);
    DeleteObject(brush);
}

COLORREF TDibCanvas::Pixel(int x, int y) const
{
    if (!bitmap_.Bits || x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    const uint8_t* p = Row(y) + x * 3;
    return RGB(p[2], p[1], p[0]);
}

TSkinImage TDibCanvas::ToImage() const
{
    TSkinImage image(width_, height_);
    if (!bitmap_.Bits)
        return image;
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        std::memcpy(image.Row(y), Row(y), static_cast<size_t>(width_) * 3);
    return image;
}

void TDibCanvas::BlitTo(HDC target, int x, int y) const
{
    if (bitmap_.Dc)
        BitBlt(target, x, y, width_, height_, bitmap_.Dc, 0, 0, SRCCOPY);
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

void DrawIconSized(HDC dc, int x, int y, HICON icon, int width, int height)
{
    // Not through a scaled copy of the icon first: drawing scales it anyway,
    // and under some systems each copy is a dozen requests to another process.
    DrawIconEx(dc, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
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
