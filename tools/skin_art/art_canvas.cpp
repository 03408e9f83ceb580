#include "tools/skin_art/art_canvas.h"

#include <algorithm>

namespace art {

void HLine(TSkinImage& img, int x0, int x1, int y, TColour c) { img.FillRect({x0, y, x1, y + 1}, c); }
void VLine(TSkinImage& img, int x, int y0, int y1, TColour c) { img.FillRect({x, y0, x + 1, y1}, c); }
void Fill(TSkinImage& img, int x, int y, int w, int h, TColour c) { img.FillRect({x, y, x + w, y + h}, c); }

TColour Mix(TColour a, TColour b, int t)
{
    auto ch = [t](int p, int q) { return static_cast<unsigned>((p * (255 - t) + q * t + 127) / 255); };
    return Rgb(ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)), ch(BlueOf(a), BlueOf(b)));
}

void VGradient(TSkinImage& img, int x, int y, int w, int h, TColour top, TColour bottom)
{
    for (int i = 0; i < h; ++i)
        HLine(img, x, x + w, y + i, h <= 1 ? top : Mix(top, bottom, i * 255 / (h - 1)));
}

namespace {

// How many pixels each of the first rows of a corner is cut in by.
std::vector<int> CornerCut(int radius)
{
    switch (radius) {
    case 0: return {};
    case 1: return {1};
    case 2: return {2, 1};
    default: return {3, 1, 1};
    }
}

} // namespace

void RoundBox(TSkinImage& img, int x, int y, int w, int h, int radius, TColour border, bool cutCorners)
{
    const std::vector<int> cut = CornerCut(radius);
    auto inset = [&](int row) {  // row from the nearest edge
        return row < static_cast<int>(cut.size()) ? cut[static_cast<size_t>(row)] : 0;
    };
    for (int r = 0; r < h; ++r) {
        const int fromEdge = std::min(r, h - 1 - r);
        const int in = inset(fromEdge);
        if (cutCorners)
            for (int k = 0; k < in; ++k) {
                img.SetPixel(x + k, y + r, kKey);
                img.SetPixel(x + w - 1 - k, y + r, kKey);
            }
        if (fromEdge == 0) {
            HLine(img, x + in, x + w - in, y + r, border);
            continue;
        }
        img.SetPixel(x + in, y + r, border);
        img.SetPixel(x + w - 1 - in, y + r, border);
        // Close the stair between a row and the one nearer the edge.
        const int prev = inset(fromEdge - 1);
        for (int k = in + 1; k < prev; ++k) {
            img.SetPixel(x + k, y + r, border);
            img.SetPixel(x + w - 1 - k, y + r, border);
        }
    }
}

void RoundFill(TSkinImage& img, int x, int y, int w, int h, TColour top, TColour bottom)
{
    for (int r = 1; r < h - 1; ++r) {
        const TColour c = h <= 3 ? top : Mix(top, bottom, (r - 1) * 255 / (h - 3));
        HLine(img, x + 1, x + w - 1, y + r, c);
    }
}

void Glyph(TSkinImage& img, int x, int y, const std::vector<std::string>& rows, TColour c, TColour c2)
{
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t k = 0; k < rows[r].size(); ++k) {
            if (rows[r][k] == '#')
                img.SetPixel(x + static_cast<int>(k), y + static_cast<int>(r), c);
            else if (rows[r][k] == '+')
                img.SetPixel(x + static_cast<int>(k), y + static_cast<int>(r), c2);
        }
}

void GlyphCentred(TSkinImage& img, int x, int y, int w, int h, const std::vector<std::string>& rows, TColour c,
                  TColour c2)
{
    const int gw = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    const int gh = static_cast<int>(rows.size());
    Glyph(img, x + (w - gw) / 2, y + (h - gh) / 2, rows, c, c2);
}

} // namespace art
