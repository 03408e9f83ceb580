// Colour texts, colour mixing and the image utilities.
#include <doctest/doctest.h>

#include "tests/skin/skin_fixture.h"
#include "ui/skin/img_util.h"

TEST_CASE("colour texts: red, green and blue separated by anything")
{
    CHECK(ParseColourText("255 128 0") == 0x000080FFu);
    CHECK(ParseColourText("255,128,0") == 0x000080FFu);
    CHECK(ParseColourText("255 128 0;") == 0x000080FFu);
    CHECK(ParseColourText("  10;20;30  ") == Rgb(10, 20, 30));
    CHECK(ParseColourText("255 128") == 0x000000FFu);  // blue comes only after two components
    CHECK(ParseColourText("255") == 0u);
    CHECK(ParseColourText("300 0 0") == 0x0000002Cu);
    CHECK(ParseColourText("no digits") == 0u);
    CHECK(ParseColourText("1 2 3 4 5") == Rgb(1, 2, 3));  // further numbers are ignored
    // A number too large to convert swallows every later component.
    CHECK(ParseColourText("1 99999999999 2 3") == Rgb(1, 0, 0));
    CHECK(ParseColourText("1 2 99999999999") == Rgb(1, 2, 0));
}

TEST_CASE("Blend counts percent below 100 and per mille from 100")
{
    TFixedSkinPlatform system;
    CHECK(Blend(0xFFFFFF, 0, 50, system) == Rgb(128, 128, 128));
    CHECK(Blend(Rgb(200, 100, 0), Rgb(0, 100, 200), 25, system) == Rgb(50, 100, 150));
    CHECK(Blend(0xFFFFFF, 0, 150, system) == Rgb(38, 38, 38));  // 15 %, rounded half up
    CHECK(Blend(0x808080, Rgb(40, 80, 120), 150, system) == Rgb(53, 87, 121));
    // System colours are looked up first: button face of the classic scheme.
    CHECK(Blend(SysColourRef(COLOUR_BTNFACE), 0, 100, system) == Rgb(21, 21, 20));
    CHECK(Blend(0x123456, 0xABCDEF, 1000, system) == 0x123456u);
}

TEST_CASE("SaturationScore: bright colours by spread, dull ones 200")
{
    CHECK(SaturationScore(Rgb(255, 0, 0)) == 255);
    CHECK(SaturationScore(Rgb(255, 255, 255)) == 0);
    CHECK(SaturationScore(Rgb(159, 0, 0)) == 200);
    CHECK(SaturationScore(Rgb(160, 160, 0)) == 255);
    CHECK(SaturationScore(Rgb(200, 100, 100)) == 128);  // 127.5 rounds to even
    CHECK(SaturationScore(Rgb(170, 85, 85)) == 128);    // 127.5 again
    CHECK(SaturationScore(Rgb(255, 254, 253)) == 2);
    CHECK(SaturationScore(Rgb(170, 170, 169)) == 2);    // 1.5 rounds to even
}

TEST_CASE("GradientFill: line colours, single line, clipping and the cache")
{
    TFixedSkinPlatform system;
    CHECK(GradientLines(5, Rgb(0, 0, 0), Rgb(100, 200, 40)) ==
          std::vector<TColour>{Rgb(0, 0, 0), Rgb(25, 50, 10), Rgb(50, 100, 20), Rgb(75, 150, 30), Rgb(100, 200, 40)});
    // Falling channels truncate toward zero, so a falling gradient stops one
    // short of its end: 100 + (1 - 100) / 2 = 51, 100 + (1 - 200) / 2 = 1.
    CHECK(GradientLines(3, Rgb(100, 0, 0), Rgb(0, 0, 0)) ==
          std::vector<TColour>{Rgb(100, 0, 0), Rgb(51, 0, 0), Rgb(1, 0, 0)});
    CHECK(GradientLines(1, Rgb(10, 20, 30), Rgb(20, 41, 30)) == std::vector<TColour>{Rgb(15, 30, 30)});
    CHECK(GradientLines(0, 0, 0).empty());

    TGradientCache cache;
    TSkinImage image(4, 6, kClMagenta);
    GradientFill(image, {1, -2, 3, 8}, Rgb(0, 0, 0), Rgb(90, 90, 90), true, cache, system);
    // 10 rows from y = -2; the rows outside the image are skipped.
    CHECK(image.Pixel(1, 0) == Rgb(20, 20, 20));
    CHECK(image.Pixel(2, 5) == Rgb(70, 70, 70));
    CHECK(image.Pixel(0, 0) == kClMagenta);
    CHECK(image.Pixel(3, 3) == kClMagenta);
    GradientFill(image, {0, 0, 4, 1}, Rgb(0, 0, 0), Rgb(30, 0, 0), false, cache, system);
    CHECK(image.Pixel(3, 0) == Rgb(30, 0, 0));
    CHECK(cache.Computed() == 2);
    GradientFill(image, {1, -2, 3, 8}, Rgb(0, 0, 0), Rgb(90, 90, 90), true, cache, system);
    CHECK(cache.Computed() == 2);  // reused
    for (int i = 0; i < TGradientCache::kEntries; ++i)
        cache.Lines(100 + i, 0, 0);
    GradientFill(image, {1, -2, 3, 8}, Rgb(0, 0, 0), Rgb(90, 90, 90), true, cache, system);
    CHECK(cache.Computed() == 2 + TGradientCache::kEntries + 1);  // rotated out
}

TEST_CASE("MirrorBitmap and ReplaceMagenta")
{
    TSkinImage image(3, 2);
    image.SetPixel(0, 0, Rgb(1, 2, 3));
    image.SetPixel(2, 0, kClMagenta);
    image.SetPixel(1, 1, Rgb(254, 0, 255));
    MirrorBitmap(image);
    CHECK(image.Pixel(2, 0) == Rgb(1, 2, 3));
    CHECK(image.Pixel(0, 0) == kClMagenta);
    CHECK(image.Pixel(1, 1) == Rgb(254, 0, 255));
    ReplaceMagenta(image, Rgb(7, 8, 9));
    CHECK(image.Pixel(0, 0) == Rgb(7, 8, 9));
    CHECK(image.Pixel(1, 1) == Rgb(254, 0, 255));  // only exact magenta
}

TEST_CASE("bitmap files decode to the pixels written, top row first")
{
    TSkinImage image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.SetPixel(x, y, Rgb(x * 40, y * 80, 7));
    const auto file = EncodeBitmapFile(image);
    TSkinImage decoded;
    REQUIRE(LoadBitmapFile(decoded, file.data(), file.size()));
    CHECK(decoded == image);

    // Not a bitmap, or a header claiming more pixels than the file could hold.
    const std::string png = "\x89PNG\r\n\x1a\n0000000000000000000000";
    CHECK_FALSE(LoadBitmapFile(decoded, reinterpret_cast<const uint8_t*>(png.data()), png.size()));
    CHECK(decoded.Empty());
    auto lying = file;
    lying[18] = 0xFF, lying[19] = 0xFF, lying[20] = 0, lying[22] = 0xFF, lying[23] = 0xFF;
    CHECK_FALSE(LoadBitmapFile(decoded, lying.data(), lying.size()));
}

TEST_CASE("nine-slice drawing keeps the corners and stretches the rest")
{
    // Cell 2 of a 2-cell strip, 6 x 6 per cell: a frame of colour 1 around colour 2.
    TSkinImage strip(12, 6, Rgb(9, 9, 9));
    strip.FillRect({6, 0, 12, 6}, Rgb(1, 1, 1));
    strip.FillRect({8, 2, 10, 4}, Rgb(2, 2, 2));
    const TSkinImage out = ComposeNineSlice(20, 10, strip, {2, 2, 2, 2}, false, false, 2, 2);
    CHECK(out.Width() == 20);
    CHECK(out.Pixel(0, 0) == Rgb(1, 1, 1));
    CHECK(out.Pixel(19, 9) == Rgb(1, 1, 1));
    CHECK(out.Pixel(10, 1) == Rgb(1, 1, 1));
    CHECK(out.Pixel(2, 2) == Rgb(2, 2, 2));
    CHECK(out.Pixel(17, 7) == Rgb(2, 2, 2));
    // Narrower than both side margins: they are dropped and the cell stretched.
    const TSkinImage narrow = ComposeNineSlice(3, 10, strip, {2, 2, 2, 2}, false, false, 2, 2);
    CHECK(narrow.Pixel(1, 5) == Rgb(2, 2, 2));
    // A cell count of 0 or a cell out of range stays inside the image.
    CHECK(CellRect(strip, 0, 5) == TSkinRect{0, 0, 12, 6});
    CHECK(CellRect(strip, 2, 9) == TSkinRect{6, 0, 12, 6});
    CHECK(CellRect(strip, 3, 2, true) == TSkinRect{0, 2, 12, 4});
}
