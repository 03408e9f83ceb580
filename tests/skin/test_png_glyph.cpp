// PNG glyphs: the published text of the bytes, decoding with its refusals,
// and blending over a face.
#include <doctest/doctest.h>

#include "tests/support/png_file.h"
#include "ui/png_property.h"
#include "ui/skin/png_glyph.h"

TEST_CASE("Base64 carries any bytes through a published text and refuses what is not base64")
{
    for (size_t n = 0; n < 7; ++n) {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < n; ++i)
            bytes.push_back(static_cast<uint8_t>(0xF0 + i * 7));
        const std::wstring text = EncodeBase64(bytes);
        CHECK(text.size() % 4 == 0);
        auto back = DecodeBase64(text);
        REQUIRE(back);
        CHECK(*back == bytes);
    }
    CHECK(EncodeBase64({'M', 'a', 'n'}) == L"TWFu");
    CHECK(EncodeBase64({'M'}) == L"TQ==");
    CHECK(DecodeBase64(L"TW\r\nFu") == std::vector<uint8_t>{'M', 'a', 'n'});
    CHECK_FALSE(DecodeBase64(L"TWF"));     // a digit short
    CHECK_FALSE(DecodeBase64(L"TW=u"));    // padding inside
    CHECK_FALSE(DecodeBase64(L"TWF\u00e9"));  // foreign character
    CHECK_FALSE(DecodeBase64(L"T==="));
}

TEST_CASE("A PNG decodes to its pixels with their alpha")
{
    const auto png = SquareGlyphPng(16, 2, 10, 200, 30);
    auto glyph = DecodePngGlyph(png);
    REQUIRE(glyph);
    CHECK(glyph->Width == 16);
    CHECK(glyph->Height == 16);
    auto at = [&](int x, int y, int c) { return glyph->Rgba[(static_cast<size_t>(y) * 16 + x) * 4 + c]; };
    CHECK(at(0, 0, 3) == 0);
    CHECK(at(5, 5, 0) == 10);
    CHECK(at(5, 5, 1) == 200);
    CHECK(at(5, 5, 3) == 255);
    CHECK(at(2, 2, 3) == 128);
}

TEST_CASE("What is not a whole, valid, small PNG decodes to nothing")
{
    const auto png = SquareGlyphPng(16, 2, 10, 200, 30);
    CHECK_FALSE(DecodePngGlyph(nullptr, 0));
    CHECK_FALSE(DecodePngGlyph(std::vector<uint8_t>{}));
    // Cut short, or its pixel data damaged.
    CHECK_FALSE(DecodePngGlyph(std::vector<uint8_t>(png.begin(), png.begin() + static_cast<long>(png.size() / 2))));
    std::vector<uint8_t> damaged = png;
    for (size_t i = 41; i < damaged.size() - 12; ++i)
        damaged[i] = 0xFF;
    CHECK_FALSE(DecodePngGlyph(damaged));
    // A bitmap file is a picture, but not a PNG.
    std::vector<uint8_t> bmp(64, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    CHECK_FALSE(DecodePngGlyph(bmp));
    // A header that claims a huge picture.
    std::vector<uint8_t> big = png;
    big[16] = 0;
    big[17] = 1;  // width 65536 + ...
    CHECK_FALSE(DecodePngGlyph(big));
    const auto wide = EncodePng(kMaxGlyphSide + 1, 1, std::vector<uint8_t>((kMaxGlyphSide + 1) * 4, 255));
    CHECK_FALSE(DecodePngGlyph(wide));
}

TEST_CASE("Blending puts opaque pixels over, keeps clear ones, mixes the rest, and clips")
{
    const auto glyph = DecodePngGlyph(SquareGlyphPng(8, 1, 200, 100, 0));
    REQUIRE(glyph);
    TSkinImage face(10, 10, Rgb(0, 0, 200));
    BlendGlyph(face, *glyph, 4, 4);
    CHECK(face.Pixel(3, 3) == Rgb(0, 0, 200));       // outside
    CHECK(face.Pixel(4, 4) == Rgb(0, 0, 200));       // the clear border
    CHECK(face.Pixel(7, 7) == Rgb(200, 100, 0));     // opaque
    CHECK(face.Pixel(5, 5) == Rgb(100, 50, 100));    // half: 128/255 of each
    CHECK(face.Pixel(9, 9) == Rgb(200, 100, 0));     // up to the edge, the rest cut

    TSkinImage dim(10, 10, Rgb(0, 0, 0));
    BlendGlyph(dim, *glyph, -3, -3, true);
    CHECK(dim.Pixel(2, 2) == Rgb(100, 50, 0));       // half alpha
    CHECK(dim.Pixel(5, 5) == Rgb(0, 0, 0));          // beyond the glyph
}
