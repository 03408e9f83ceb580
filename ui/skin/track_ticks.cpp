#include "ui/skin/track_ticks.h"

std::vector<TSkinRect> TrackTickRects(const TTrackTicks& t)
{
    std::vector<TSkinRect> rects;
    if (t.Count < 2 || t.ChannelTo <= t.ChannelFrom)
        return rects;
    auto add = [&](int along, int length) {
        auto put = [&](int acrossFrom, int acrossTo) {
            if (t.Vertical)
                rects.push_back({acrossFrom, along, acrossTo, along + 1});
            else
                rects.push_back({along, acrossFrom, along + 1, acrossTo});
        };
        if (t.NearSide)
            put(t.ThumbNear - kTickGap - length, t.ThumbNear - kTickGap);
        if (t.FarSide)
            put(t.ThumbFar + kTickGap, t.ThumbFar + kTickGap + length);
    };
    const int half = t.ThumbLength / 2;
    const int first = t.ChannelFrom + half;
    const int last = t.ChannelTo - t.ThumbLength + half;
    add(first, kEndTickLength);
    const long long range = static_cast<long long>(t.Max) - t.Min;
    const size_t inner = static_cast<size_t>(t.Count - 2);
    for (size_t i = 0; i < t.Values.size() && i < inner && range > 0; ++i) {
        const long long v = t.Values[i];
        if (v <= t.Min || v >= t.Max)
            continue;
        // Rounded to the nearest pixel, as the thumb is placed.
        const long long offset = ((last - first) * (v - t.Min) * 2 + range) / (2 * range);
        add(first + static_cast<int>(offset), kTickLength);
    }
    add(last, kEndTickLength);
    return rects;
}
