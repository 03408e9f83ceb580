#include "app/app_icon.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ui/font.h"

namespace {

struct TDib {
    HBITMAP bitmap = nullptr;
    uint32_t* pixels = nullptr;
    TDib(HDC dc, int size)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<uint32_t*>(bits);
    }
    ~TDib()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }
    TDib(const TDib&) = delete;
    TDib& operator=(const TDib&) = delete;
};

// How much of the pixel lies inside a square of the given size with rounded
// corners, inset from the icon's edge.
double TileCoverage(int x, int y, double size, double inset, double radius)
{
    int inside = 0;
    constexpr int kSteps = 4;
    for (int sy = 0; sy < kSteps; ++sy)
        for (int sx = 0; sx < kSteps; ++sx) {
            double px = x + (sx + 0.5) / kSteps - inset;
            double py = y + (sy + 0.5) / kSteps - inset;
            double extent = size - 2 * inset;
            if (px < 0 || py < 0 || px > extent || py > extent)
                continue;
            double dx = std::max({radius - px, 0.0, px - (extent - radius)});
            double dy = std::max({radius - py, 0.0, py - (extent - radius)});
            if (dx * dx + dy * dy <= radius * radius)
                ++inside;
        }
    return inside / double(kSteps * kSteps);
}

uint8_t Mix(uint8_t a, uint8_t b, double t)
{
    return static_cast<uint8_t>(std::lround(a + (b - a) * t));
}

} // namespace

HICON MakeProgramIcon(int size)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    TDib color(screen, size);
    TDib glyph(screen, size);
    ReleaseDC(nullptr, screen);
    if (!color.pixels || !glyph.pixels) {
        DeleteDC(dc);
        return nullptr;
    }

    // The character's coverage, white on black.
    HGDIOBJ oldBitmap = SelectObject(dc, glyph.bitmap);
    std::fill(glyph.pixels, glyph.pixels + size * size, 0u);
    std::wstring face = ResolveFaceName(L"\u5B8B\u4F53");
    HFONT font = CreateFontW(-(size * 13 / 16), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                             face.c_str());
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT r{0, 0, size, size};
    DrawTextW(dc, L"\u6210", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);

    const double radius = size * 0.22;
    const double rim = size >= 24 ? 1.0 : 0.75;
    for (int y = 0; y < size; ++y) {
        double t = size > 1 ? y / double(size - 1) : 0;
        // Teal, lighter at the top.
        uint8_t tr = Mix(0x2A, 0x0E, t), tg = Mix(0x9D, 0x5E, t), tb = Mix(0x9A, 0x63, t);
        for (int x = 0; x < size; ++x) {
            double outer = TileCoverage(x, y, size, 0, radius);
            double inner = TileCoverage(x, y, size, rim, std::max(radius - rim, 0.5));
            uint8_t red = Mix(0x08, tr, inner), green = Mix(0x40, tg, inner), blue = Mix(0x44, tb, inner);
            double ink = (glyph.pixels[y * size + x] & 0xFF) / 255.0 * inner;
            red = Mix(red, 0xFF, ink);
            green = Mix(green, 0xF4, ink);
            blue = Mix(blue, 0xD2, ink);
            auto alpha = static_cast<uint32_t>(std::lround(outer * 255));
            color.pixels[y * size + x] = (alpha << 24) | (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
        }
    }

    // The alpha channel does the masking; the mask itself is all zeros.
    std::vector<uint8_t> zeros(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, zeros.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = color.bitmap;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    return icon;
}
