#include "tools/skin_packer/bmp_writer.h"

namespace {

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

} // namespace

std::vector<uint8_t> EncodeBitmapFile(const TSkinImage& image)
{
    const int w = image.Width(), h = image.Height();
    const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t pixels = stride * static_cast<uint32_t>(h);
    std::vector<uint8_t> out;
    out.reserve(54 + pixels);
    out.push_back('B');
    out.push_back('M');
    Put(out, 54 + pixels, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);  // BITMAPINFOHEADER
    Put(out, static_cast<uint32_t>(w), 4);
    Put(out, static_cast<uint32_t>(h), 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);  // BI_RGB
    Put(out, pixels, 4);
    Put(out, 2835, 4);  // 72 dpi
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        const uint8_t* row = image.Row(y);
        out.insert(out.end(), row, row + w * 3);
        out.resize(out.size() + (stride - static_cast<uint32_t>(w) * 3), 0);
    }
    return out;
}
