#pragma once
// PNG files made in memory, for tests of what reads them.
#include <cstdint>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

// rgba: width x height pixels, rows top down, 4 bytes each.
inline std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgba)
{
    std::vector<uint8_t> out;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* bytes = static_cast<std::vector<uint8_t>*>(context);
            const auto* p = static_cast<const uint8_t*>(data);
            bytes->insert(bytes->end(), p, p + size);
        },
        &out, width, height, 4, rgba.data(), width * 4);
    return out;
}

// A square glyph: an opaque square of one colour inside a clear border, and
// one half-transparent pixel in the top-left corner of the opaque part.
inline std::vector<uint8_t> SquareGlyphPng(int side, int border, uint8_t r, uint8_t g, uint8_t b)
{
    std::vector<uint8_t> rgba(static_cast<size_t>(side) * side * 4, 0);
    for (int y = border; y < side - border; ++y)
        for (int x = border; x < side - border; ++x) {
            uint8_t* p = &rgba[(static_cast<size_t>(y) * side + x) * 4];
            p[0] = r;
            p[1] = g;
            p[2] = b;
            p[3] = x == border && y == border ? 128 : 255;
        }
    return EncodePng(side, side, rgba);
}
