#pragma once
// Colour mixing and the few image operations the skin data and the painters share.
#include <array>
#include <cstdint>
#include <vector>

#include "ui/skin/skin_colour.h"
#include "ui/skin/skin_image.h"

// w below 100 counts in percent of c1, from 100 up in per mille: 150 gives
// 15 % of c1 and 85 % of c2.
TColour Blend(TColour c1, TColour c2, int w, const TSystemColours& system);

// How colourful a bright colour is, 0 to 255; 200 for a colour with no
// channel at 160 or more.
int SaturationScore(TColour c);

// Recently computed gradients, 16 reused in rotation: painting asks for the
// same few gradients over and over.
class TGradientCache {
public:
    static constexpr int kEntries = 16;
    const std::vector<TColour>& Lines(int n, TColour start, TColour end);
    int Computed() const { return computed_; }

private:
    struct TEntry {
        int n = -1;
        TColour start = 0, end = 0;
        std::vector<TColour> lines;
    };
    std::array<TEntry, kEntries> entries_;
    int next_ = 0;
    int computed_ = 0;
};

// The colours of an n-line gradient from start to end (plain RGB values).
std::vector<TColour> GradientLines(int n, TColour start, TColour end);

// Fills rect of target line by line (rows when vertical, else columns);
// lines outside the image are skipped.
void GradientFill(TSkinImage& target, const TSkinRect& rect, TColour start, TColour end, bool vertical,
                  TGradientCache& cache, const TSystemColours& system);

// Reverses every row.
void MirrorBitmap(TSkinImage& image);
// Every pixel of exactly red 255, green 0, blue 255 becomes colour.
void ReplaceMagenta(TSkinImage& image, TColour colour);
