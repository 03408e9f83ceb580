#pragma once
// PNG glyphs of buttons: decoded to straight-alpha RGBA and blended over a
// button face. Plain pixels, no Windows, so it is tested natively.
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/skin/skin_image.h"

struct TRgbaImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgba;  // rows top down, 4 bytes a pixel
};

// Glyphs are small; a bigger picture is refused rather than decoded.
inline constexpr int kMaxGlyphSide = 256;

// The picture of a PNG file; none for bytes that are not a whole, valid PNG
// (another format included) or a picture larger than kMaxGlyphSide.
std::optional<TRgbaImage> DecodePngGlyph(const uint8_t* data, size_t size);
inline std::optional<TRgbaImage> DecodePngGlyph(const std::vector<uint8_t>& bytes)
{
    return DecodePngGlyph(bytes.data(), bytes.size());
}

// Blends the glyph over the image with its top-left corner at (x, y), by the
// glyph's alpha (halved when dimmed, as on a disabled button); what falls
// outside the image is left out.
void BlendGlyph(TSkinImage& image, const TRgbaImage& glyph, int x, int y, bool dimmed = false);
