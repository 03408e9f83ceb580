// Scroll-bar arithmetic: the layout of arrows and thumb, the part under a
// point, and the skin cells each part shows.
#include <doctest/doctest.h>

#include "ui/skin/scroll_layout.h"

TEST_CASE("The thumb is as long as the page is to the range, placed by the position")
{
    // 100 pixels, arrows of 17: 66 for the track. A page of 10 in 0..99 takes a tenth.
    TScrollValues v{0, 99, 10, 0};
    auto l = ComputeScrollLayout(100, 17, 8, v, true);
    CHECK(l.Arrow == 17);
    CHECK(l.ThumbStart == 17);
    CHECK(l.ThumbEnd - l.ThumbStart == 8);  // 66 * 10 / 100 = 6.6, at least 8
    // At the last position the thumb touches the lower arrow.
    v.Pos = 90;
    l = ComputeScrollLayout(100, 17, 8, v, true);
    CHECK(l.ThumbEnd == 100 - 17);
    // Half way.
    v = {0, 199, 100, 50};
    l = ComputeScrollLayout(117, 17, 8, v, true);  // track 83, thumb 41.5 -> 42
    CHECK(l.ThumbEnd - l.ThumbStart == 42);
    CHECK(l.ThumbStart == 17 + 21);  // (83 - 42) * 50 / 100 = 20.5 -> 21
    // Positions past the end are held at the end.
    v.Pos = 500;
    CHECK(ComputeScrollLayout(117, 17, 8, v, true).ThumbEnd == 100);
}

TEST_CASE("No thumb on a disabled bar, a bar too short, or a thumb that does not fit")
{
    TScrollValues v{0, 99, 10, 0};
    CHECK_FALSE(ComputeScrollLayout(100, 17, 8, v, false).HasThumb());
    // Shorter than two arrows and four pixels: halved arrows, no thumb.
    auto tiny = ComputeScrollLayout(30, 17, 8, v, true);
    CHECK(tiny.Arrow == 13);
    CHECK_FALSE(tiny.HasThumb());
    CHECK(ComputeScrollLayout(3, 17, 8, v, true).Arrow == 0);
    // A page larger than the track leaves no room.
    v = {0, 10, 0, 0};  // no page: the thumb is an arrow long
    auto l = ComputeScrollLayout(50, 17, 8, v, true);
    CHECK_FALSE(l.HasThumb());  // 16 pixels of track, a 17-pixel thumb
    // An empty range puts the thumb at the start.
    v = {5, 5, 0, 5};
    l = ComputeScrollLayout(200, 17, 8, v, true);
    CHECK(l.ThumbStart == 17);
    CHECK(l.ThumbEnd == 34);
}

TEST_CASE("The part under a point")
{
    TScrollLayout l{100, 17, 40, 60};
    CHECK(ScrollPartAt(l, -1) == TScrollPart::None);
    CHECK(ScrollPartAt(l, 0) == TScrollPart::ArrowLow);
    CHECK(ScrollPartAt(l, 16) == TScrollPart::ArrowLow);
    CHECK(ScrollPartAt(l, 17) == TScrollPart::TrackLow);
    CHECK(ScrollPartAt(l, 40) == TScrollPart::Thumb);
    CHECK(ScrollPartAt(l, 59) == TScrollPart::Thumb);
    CHECK(ScrollPartAt(l, 60) == TScrollPart::TrackHigh);
    CHECK(ScrollPartAt(l, 83) == TScrollPart::ArrowHigh);
    CHECK(ScrollPartAt(l, 99) == TScrollPart::ArrowHigh);
    CHECK(ScrollPartAt(l, 100) == TScrollPart::None);
    // Without a thumb the track splits in the middle.
    TScrollLayout empty{100, 17, 0, 0};
    CHECK(ScrollPartAt(empty, 30) == TScrollPart::TrackLow);
    CHECK(ScrollPartAt(empty, 70) == TScrollPart::TrackHigh);
}

TEST_CASE("Cells of the scroll-bar images")
{
    CHECK(ScrollArrowCell(true, false, SPS_NORMAL) == 1);
    CHECK(ScrollArrowCell(true, false, SPS_DISABLED) == 4);
    CHECK(ScrollArrowCell(true, true, SPS_HOT) == 6);
    CHECK(ScrollArrowCell(false, false, SPS_PRESSED) == 11);
    CHECK(ScrollArrowCell(false, true, SPS_DISABLED) == 16);
    CHECK(ScrollThumbCell(true, SPS_NORMAL) == 17);
    CHECK(ScrollThumbCell(true, SPS_PRESSED) == 19);
    CHECK(ScrollThumbCell(false, SPS_HOT) == 21);
    CHECK(ScrollThumbCell(false, SPS_DISABLED) == 22);
    CHECK(kScrollCornerCell == 23);
    CHECK(ScrollTrackCell(SPS_DISABLED) == 4);
    CHECK(ThumbImageCell(SPS_PRESSED) == 3);
}

TEST_CASE("Arrow lengths: the metric, or half of a short bar")
{
    CHECK(ScrollArrowLength(200, 17) == 17);
    CHECK(ScrollArrowLength(38, 17) == 17);
    CHECK(ScrollArrowLength(37, 17) == 17 - 1);  // 2 x 17 + 4 is not enough
    CHECK(ScrollArrowLength(20, 17) == 8);
    CHECK(ScrollArrowLength(4, 17) == 0);
    CHECK(ScrollArrowLength(0, 17) == 0);
}

TEST_CASE("A thumb keeps its grip at its own size and grows its body from a plain line")
{
    // One 12 x 10 cell: a 2-pixel edge of colour 1, body colour 2, a grip of
    // colour 3 two pixels wide in the middle.
    TSkinImage cell(12, 10, 1);
    cell.FillRect({2, 2, 10, 8}, 2);
    cell.FillRect({5, 3, 7, 7}, 3);
    const TSkinMargins m{2, 2, 2, 2};
    TSkinImage wide = ComposeThumb(cell, 1, 1, m, 40, 10, false);
    int gripColumns = 0;
    for (int x = 0; x < 40; ++x)
        gripColumns += wide.Pixel(x, 5) == 3;
    CHECK(gripColumns == 2);
    CHECK(wide.Pixel(19, 5) == 3);  // in the middle
    CHECK(wide.Pixel(20, 5) == 3);
    CHECK(wide.Pixel(8, 5) == 2);
    CHECK(wide.Pixel(0, 5) == 1);
    CHECK(wide.Pixel(39, 5) == 1);
    // Stretched the plain way, the grip would have grown with the body.
    TSkinImage smeared = ComposeNineSlice(40, 10, cell, m, false, false, 1, 1);
    int smearedColumns = 0;
    for (int x = 0; x < 40; ++x)
        smearedColumns += smeared.Pixel(x, 5) == 3;
    CHECK(smearedColumns > 2);
    // Vertical: the same along the rows.
    TSkinImage column(10, 12, 1);
    column.FillRect({2, 2, 8, 10}, 2);
    column.FillRect({3, 5, 7, 7}, 3);
    TSkinImage tall = ComposeThumb(column, 1, 1, m, 10, 40, true);
    int gripRows = 0;
    for (int y = 0; y < 40; ++y)
        gripRows += tall.Pixel(5, y) == 3;
    CHECK(gripRows == 2);
    // A thumb shorter than the image has no room for the grip: body only.
    TSkinImage shortThumb = ComposeThumb(cell, 1, 1, m, 8, 10, false);
    for (int x = 0; x < 8; ++x)
        CHECK(shortThumb.Pixel(x, 5) != 3);
    // The second of two cells.
    TSkinImage two(24, 10, 7);
    two.FillRect({12, 0, 24, 10}, 9);
    CHECK(ComposeThumb(two, 2, 2, m, 30, 10, false).Pixel(0, 0) == 9);
}
