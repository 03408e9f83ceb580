#include "ui/skin/png_glyph.h"

#include <cstring>

#include <stb/stb_image.h>

std::optional<TRgbaImage> DecodePngGlyph(const uint8_t* data, size_t size)
{
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!data || size < sizeof kSignature + 12 || size > INT32_MAX || std::memcmp(data, kSignature, 8) != 0)
        return std::nullopt;
    int w = 0, h = 0, comp = 0;
    // The header first: a damaged one must not make the decoder allocate a huge picture.
    if (!stbi_info_from_memory(data, static_cast<int>(size), &w, &h, &comp) || w <= 0 || h <= 0 ||
        w > kMaxGlyphSide || h > kMaxGlyphSide)
        return std::nullopt;
    int n = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &n, 4);
    if (!pixels)
        return std::nullopt;
    TRgbaImage image;
    image.Width = w;
    image.Height = h;
    image.Rgba.assign(pixels, pixels + static_cast<size_t>(w) * h * 4);
    stbi_image_free(pixels);
    return image;
}

void BlendGlyph(TSkinImage& image, const TRgbaImage& glyph, int x, int y, bool dimmed)
{
    for (int gy = 0; gy < glyph.Height; ++gy) {
        const int ty = y + gy;
        if (ty < 0 || ty >= image.Height())
            continue;
        uint8_t* row = image.Row(ty);
        const uint8_t* src = glyph.Rgba.data() + static_cast<size_t>(gy) * glyph.Width * 4;
        for (int gx = 0; gx < glyph.Width; ++gx) {
            const int tx = x + gx;
            if (tx < 0 || tx >= image.Width())
                continue;
            const uint8_t* s = src + gx * 4;
            const unsigned a = dimmed ? s[3] / 2u : s[3];
            if (a == 0)
                continue;
            uint8_t* d = row + tx * 3;  // blue, green, red
            for (int c = 0; c < 3; ++c) {
                const unsigned over = s[2 - c];
                d[c] = static_cast<uint8_t>((over * a + d[c] * (255u - a) + 127u) / 255u);
            }
        }
    }
}
