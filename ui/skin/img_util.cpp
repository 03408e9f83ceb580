#include "ui/skin/img_util.h"

#include <algorithm>

TColour Blend(TColour c1, TColour c2, int w, const TSystemColours& system)
{
    c1 = system.Resolve(c1);
    c2 = system.Resolve(c2);
    const int scale = w < 100 ? 100 : 1000;
    auto mix = [&](int a, int b) {
        const int v = (a * w + b * (scale - w) + scale / 2) / scale;
        return static_cast<unsigned>(std::clamp(v, 0, 255));
    };
    return Rgb(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)), mix(BlueOf(c1), BlueOf(c2)));
}

int SaturationScore(TColour c)
{
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi < 160)
        return 200;
    // 255 * (hi - lo) / hi, halves to even
    const int num = 255 * (hi - lo);
    int q = num / hi;
    const int rem2 = 2 * (num % hi);
    if (rem2 > hi || (rem2 == hi && (q & 1)))
        ++q;
    return q;
}

std::vector<TColour> GradientLines(int n, TColour start, TColour end)
{
    std::vector<TColour> lines;
    if (n <= 0)
        return lines;
    const int s[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
    const int e[3] = {RedOf(end), GreenOf(end), BlueOf(end)};
    lines.reserve(static_cast<size_t>(n));
    if (n == 1) {
        lines.push_back(Rgb((s[0] + e[0]) / 2, (s[1] + e[1]) / 2, (s[2] + e[2]) / 2));
        return lines;
    }
    for (int i = 0; i < n; ++i) {
        int ch[3];
        for (int k = 0; k < 3; ++k)
            ch[k] = s[k] + ((n - 1) / 2 + i * (e[k] - s[k])) / (n - 1);
        lines.push_back(Rgb(static_cast<unsigned>(std::clamp(ch[0], 0, 255)),
                            static_cast<unsigned>(std::clamp(ch[1], 0, 255)),
                            static_cast<unsigned>(std::clamp(ch[2], 0, 255))));
    }
    return lines;
}

const std::vector<TColour>& TGradientCache::Lines(int n, TColour start, TColour end)
{
    for (const TEntry& e : entries_)
        if (e.n == n && e.start == start && e.end == end)
            return e.lines;
    TEntry& slot = entries_[static_cast<size_t>(next_)];
    next_ = (next_ + 1) % kEntries;
    slot.n = n;
    slot.start = start;
    slot.end = end;
    slot.lines = GradientLines(n, start, end);
    ++computed_;
    return slot.lines;
}

void GradientFill(TSkinImage& target, const TSkinRect& rect, TColour start, TColour end, bool vertical,
                  TGradientCache& cache, const TSystemColours& system)
{
    const int n = vertical ? rect.Height() : rect.Width();
    if (n <= 0)
        return;
    const std::vector<TColour>& lines = cache.Lines(n, system.Resolve(start), system.Resolve(end));
    const int first = vertical ? rect.Top : rect.Left;
    const int clipLow = 0, clipHigh = vertical ? target.Height() : target.Width();
    for (int i = std::max(0, clipLow - first); i < n && first + i < clipHigh; ++i) {
        const int at = first + i;
        if (vertical)
            target.FillRect({rect.Left, at, rect.Right, at + 1}, lines[static_cast<size_t>(i)]);
        else
            target.FillRect({at, rect.Top, at + 1, rect.Bottom}, lines[static_cast<size_t>(i)]);
    }
}

void MirrorBitmap(TSkinImage& image)
{
    const int w = image.Width();
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = image.Row(y);
        for (int l = 0, r = w - 1; l < r; ++l, --r)
            for (int k = 0; k < 3; ++k)
                std::swap(row[l * 3 + k], row[r * 3 + k]);
    }
}

void ReplaceMagenta(TSkinImage& image, TColour colour)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) == kClMagenta)
                image.SetPixel(x, y, colour);
}
