#include "ui/skin/scroll_layout.h"

#include <algorithm>

namespace {

// a * b / c rounded to the nearest, as the system's MulDiv does; c of 0 gives -1.
int MulDivRound(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t p = static_cast<int64_t>(a) * b;
    const int64_t d = c < 0 ? -static_cast<int64_t>(c) : c;
    const int64_t r = ((p < 0 ? -p : p) + d / 2) / d;
    return static_cast<int>((p < 0) != (c < 0) ? -r : r);
}

// Bars shorter than two arrows and this many pixels have no room for a thumb.
constexpr int kMinRect = 4;

} // namespace

int ScrollArrowLength(int length, int metric)
{
    if (length <= 2 * metric + kMinRect)
        return length > kMinRect ? (length - kMinRect) / 2 : 0;
    return metric;
}

TScrollLayout ComputeScrollLayout(int length, int arrow, int minThumb, const TScrollValues& v, bool enabled)
{
    TScrollLayout l;
    l.Length = std::max(length, 0);
    if (l.Length <= 2 * arrow + kMinRect) {
        l.Arrow = ScrollArrowLength(l.Length, arrow);
        return l;
    }
    l.Arrow = arrow;
    int pixels = l.Length - 2 * arrow;
    const int range = v.Max - v.Min + 1;
    int thumb = arrow;
    if (v.Page > 0 && range > 0)
        thumb = std::max(MulDivRound(pixels, v.Page, range), minThumb);
    pixels -= thumb;
    if (pixels < 0 || !enabled)
        return l;
    const int last = v.Max - std::max(v.Page - 1, 0);
    int start = arrow;
    if (v.Min < last)
        start += MulDivRound(pixels, std::clamp(v.Pos, v.Min, last) - v.Min, last - v.Min);
    l.ThumbStart = start;
    l.ThumbEnd = start + thumb;
    return l;
}

TScrollPart ScrollPartAt(const TScrollLayout& l, int offset)
{
    if (offset < 0 || offset >= l.Length)
        return TScrollPart::None;
    if (offset < l.Arrow)
        return TScrollPart::ArrowLow;
    if (offset >= l.Length - l.Arrow)
        return TScrollPart::ArrowHigh;
    if (!l.HasThumb())
        return offset < l.Length / 2 ? TScrollPart::TrackLow : TScrollPart::TrackHigh;
    if (offset < l.ThumbStart)
        return TScrollPart::TrackLow;
    if (offset < l.ThumbEnd)
        return TScrollPart::Thumb;
    return TScrollPart::TrackHigh;
}

int ScrollArrowCell(bool vertical, bool high, TScrollPartState state)
{
    const int arrow = vertical ? (high ? 1 : 0) : (high ? 3 : 2);
    return arrow * 4 + std::clamp<int>(state, SPS_NORMAL, SPS_DISABLED) + 1;
}

int ScrollThumbCell(bool vertical, TScrollPartState state)
{
    // Thumbs have no disabled look: a disabled bar has no thumb.
    return (vertical ? 17 : 20) + std::clamp<int>(state, SPS_NORMAL, SPS_PRESSED);
}

int ScrollTrackCell(TScrollPartState state)
{
    return std::clamp<int>(state, SPS_NORMAL, SPS_DISABLED) + 1;
}

int ThumbImageCell(TScrollPartState state)
{
    return std::clamp<int>(state, SPS_NORMAL, SPS_PRESSED) + 1;
}

TSkinImage ComposeThumb(const TSkinImage& bitmap, int cells, int cell, TSkinMargins m, int width, int height,
                        bool vertical)
{
    const TSkinRect c = CellRect(bitmap, cells, cell);
    if (c.IsEmpty() || width <= 0 || height <= 0)
        return TSkinImage(std::max(width, 0), std::max(height, 0), kClMagenta);
    TSkinImage source(c.Width(), c.Height());
    source.CopyFrom(bitmap, c, 0, 0);
    m.Left = std::clamp(m.Left, 0, c.Width() / 2);
    m.Right = std::clamp(m.Right, 0, c.Width() / 2);
    m.Top = std::clamp(m.Top, 0, c.Height() / 2);
    m.Bottom = std::clamp(m.Bottom, 0, c.Height() / 2);
    // The body: every line between the edges becomes the first one.
    TSkinImage body = source;
    if (vertical) {
        for (int y = m.Top + 1; y < c.Height() - m.Bottom; ++y)
            body.CopyFrom(source, {0, m.Top, c.Width(), m.Top + 1}, 0, y);
    } else {
        for (int x = m.Left + 1; x < c.Width() - m.Right; ++x)
            body.CopyFrom(source, {m.Left, 0, m.Left + 1, c.Height()}, x, 0);
    }
    TSkinImage out = ComposeNineSlice(width, height, body, m, false, false, 1, 1);
    // The grip, where the thumb is as thick as the image and long enough.
    const TSkinRect grip{m.Left, m.Top, c.Width() - m.Right, c.Height() - m.Bottom};
    if (grip.IsEmpty())
        return out;
    if (vertical && width == c.Width() && height >= c.Height()) {
        out.CopyFrom(source, grip, grip.Left, (height - grip.Height()) / 2);
    } else if (!vertical && height == c.Height() && width >= c.Width()) {
        out.CopyFrom(source, grip, (width - grip.Width()) / 2, grip.Top);
    }
    return out;
}
