#pragma once
// Small drawing helpers over the skin's 24-bit images: lines, boxes with
// cut corners, gradients and glyphs drawn from text patterns. Everything is
// whole pixels; nothing is anti-aliased, so edges stay crisp.
#include <string>
#include <vector>

#include "ui/skin/skin_image.h"

namespace art {

inline constexpr TColour kKey = kClMagenta;  // transparent in the skin

void HLine(TSkinImage& img, int x0, int x1, int y, TColour c);  // x1 exclusive
void VLine(TSkinImage& img, int x, int y0, int y1, TColour c);  // y1 exclusive
void Fill(TSkinImage& img, int x, int y, int w, int h, TColour c);
// A vertical gradient, top colour to bottom colour.
void VGradient(TSkinImage& img, int x, int y, int w, int h, TColour top, TColour bottom);
// Outline of a w x h box with corners cut by radius (0 square, 1 one pixel,
// 2 a softer corner); the pixels outside the corners become the key colour
// when cutCorners is set.
void RoundBox(TSkinImage& img, int x, int y, int w, int h, int radius, TColour border, bool cutCorners);
// Fill inside a RoundBox of the same size (one pixel in from the border).
void RoundFill(TSkinImage& img, int x, int y, int w, int h, TColour top, TColour bottom);
// Draws a pattern: one string per row, '#' in colour c, '+' in colour c2,
// anything else left alone.
void Glyph(TSkinImage& img, int x, int y, const std::vector<std::string>& rows, TColour c, TColour c2 = 0);
// A pattern centred in a w x h cell at (x, y).
void GlyphCentred(TSkinImage& img, int x, int y, int w, int h, const std::vector<std::string>& rows, TColour c,
                  TColour c2 = 0);
// Mixes two colours, t of 255 parts of b.
TColour Mix(TColour a, TColour b, int t);

} // namespace art
