// Tick marks of a track bar: ends under the thumb's middle at either end of
// the channel, the control's own ticks between, on the sides the style names.
#include <doctest/doctest.h>

#include "ui/skin/track_ticks.h"

namespace {

TTrackTicks Horizontal()
{
    TTrackTicks t;
    t.Count = 4;
    t.ChannelFrom = 10;
    t.ChannelTo = 110;
    t.ThumbLength = 11;
    t.ThumbNear = 5;
    t.ThumbFar = 25;
    t.Min = 0;
    t.Max = 8;
    t.Values = {3, 6};
    return t;
}

} // namespace

TEST_CASE("Ticks below a horizontal bar: ends where the thumb's middle stops, the rest where the control says")
{
    const auto rects = TrackTickRects(Horizontal());
    REQUIRE(rects.size() == 4);
    // The thumb [10, 21) has its middle at 15; at the far end [99, 110), at
    // 104; 3/8 and 6/8 of the 89 pixels between, rounded: 33 and 67.
    CHECK(rects[0] == TSkinRect{15, 27, 16, 27 + kEndTickLength});
    CHECK(rects[1] == TSkinRect{48, 27, 49, 27 + kTickLength});
    CHECK(rects[2] == TSkinRect{82, 27, 83, 27 + kTickLength});
    CHECK(rects[3] == TSkinRect{104, 27, 105, 27 + kEndTickLength});
}

TEST_CASE("Ticks above, on both sides, and beside a vertical bar")
{
    TTrackTicks above = Horizontal();
    above.NearSide = true;
    above.FarSide = false;
    const auto top = TrackTickRects(above);
    REQUIRE(top.size() == 4);
    CHECK(top[1] == TSkinRect{48, 5 - kTickGap - kTickLength, 49, 5 - kTickGap});

    TTrackTicks both = Horizontal();
    both.NearSide = true;
    CHECK(TrackTickRects(both).size() == 8);

    TTrackTicks v = Horizontal();
    v.Vertical = true;
    const auto side = TrackTickRects(v);
    REQUIRE(side.size() == 4);
    CHECK(side[1] == TSkinRect{27, 48, 27 + kTickLength, 49});
}

TEST_CASE("No ticks without two to draw; never more inner ticks than the control counts, none off the range")
{
    TTrackTicks t = Horizontal();
    t.Count = 1;
    CHECK(TrackTickRects(t).empty());
    t.Count = 2;
    CHECK(TrackTickRects(t).size() == 2);  // the ends only, whatever Values holds
    t.Count = 4;
    t.Values = {0, 8};  // the ends again, or outside: not twice
    CHECK(TrackTickRects(t).size() == 2);
    t.Values = {3, 6};
    t.Max = t.Min;  // an empty range: the ends alone, no division by nothing
    CHECK(TrackTickRects(t).size() == 2);
    t.Max = 8;
    t.Count = 4;
    t.ChannelTo = t.ChannelFrom;
    CHECK(TrackTickRects(t).empty());
}
