// Off-screen canvases: each one starts black and clean although their bitmaps
// are kept and handed on, and canvases alive at once never share pixels.
#include <doctest/doctest.h>

#include <memory>
#include <vector>

#include "ui/skin/gdi_canvas.h"

namespace {

// Draws on a canvas the way painters do, and leaves state behind in its DC.
void Scribble(TDibCanvas& canvas)
{
    canvas.Fill({0, 0, canvas.Width(), canvas.Height()}, RGB(200, 30, 40));
    SetTextColor(canvas.DC(), RGB(0, 255, 0));
    SetBkColor(canvas.DC(), RGB(0, 0, 255));
    SetWindowOrgEx(canvas.DC(), 5, 5, nullptr);
    IntersectClipRect(canvas.DC(), 0, 0, 2, 2);
    SelectObject(canvas.DC(), GetStockObject(ANSI_FIXED_FONT));
}

bool AllBlack(const TDibCanvas& canvas)
{
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) != RGB(0, 0, 0))
                return false;
    return true;
}

} // namespace

TEST_CASE("a canvas made after others is black, and its drawing state is the default")
{
    {
        TDibCanvas big(120, 90);
        Scribble(big);
    }
    TDibCanvas small(40, 30);  // may get the bitmap the big one had
    REQUIRE(small.Valid());
    CHECK(small.Width() == 40);
    CHECK(small.Height() == 30);
    CHECK(AllBlack(small));
    CHECK(GetTextColor(small.DC()) == RGB(0, 0, 0));
    CHECK(GetBkColor(small.DC()) == RGB(255, 255, 255));
    POINT origin{};
    GetWindowOrgEx(small.DC(), &origin);
    CHECK(origin.x == 0);
    CHECK(origin.y == 0);
    RECT clip{};
    CHECK(GetClipBox(small.DC(), &clip) != ERROR);
    CHECK(clip.right - clip.left >= 40);  // no clip left over from before
    CHECK(GetCurrentObject(small.DC(), OBJ_FONT) == GetStockObject(SYSTEM_FONT));

    SUBCASE("what it draws lands where it asks, also at its last row and column")
    {
        small.Fill({39, 29, 40, 30}, RGB(1, 2, 3));
        CHECK(small.Pixel(39, 29) == RGB(1, 2, 3));
        CHECK(small.Pixel(38, 29) == RGB(0, 0, 0));
        const TSkinImage image = small.ToImage();
        REQUIRE(image.Width() == 40);
        REQUIRE(image.Height() == 30);
        const uint8_t* last = image.Row(29) + 39 * 3;
        CHECK(last[0] == 3);
        CHECK(last[2] == 1);
    }
}

TEST_CASE("canvases alive at once never share pixels")
{
    std::vector<std::unique_ptr<TDibCanvas>> canvases;
    for (int i = 0; i < 6; ++i) {
        // Made and dropped first, so that the pool holds bitmaps to hand out.
        TDibCanvas dropped(30 + i, 30);
        Scribble(dropped);
    }
    for (int i = 0; i < 6; ++i) {
        canvases.push_back(std::make_unique<TDibCanvas>(20, 20));
        REQUIRE(canvases.back()->Valid());
        canvases.back()->Fill({0, 0, 20, 20}, RGB(i * 10, 0, 0));
    }
    for (int i = 0; i < 6; ++i)
        CHECK(canvases[static_cast<size_t>(i)]->Pixel(10, 10) == RGB(i * 10, 0, 0));
}

TEST_CASE("a canvas resized keeps working at its new size")
{
    TDibCanvas canvas(10, 10);
    Scribble(canvas);
    REQUIRE(canvas.Resize(64, 48));
    CHECK(canvas.Width() == 64);
    CHECK(AllBlack(canvas));
    canvas.Fill({60, 40, 64, 48}, RGB(9, 9, 9));
    CHECK(canvas.Pixel(63, 47) == RGB(9, 9, 9));
    CHECK_FALSE(canvas.Resize(0, 5));
    CHECK_FALSE(canvas.Valid());
}
