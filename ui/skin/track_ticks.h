#pragma once
// Where a track bar's tick marks go: one at each end of the range, where the
// thumb's middle stands at the minimum and the maximum, and one for each of
// the control's tick values between, where the thumb's middle stands at that
// value; on the side (or both sides) its style names. Plain numbers, so it is
// tested natively.
#include <vector>

#include "ui/skin/skin_image.h"

struct TTrackTicks {
    bool Vertical = false;
    // Ticks the control counts, the two ends included; none below two.
    int Count = 0;
    // The channel along the bar, and the thumb's length along it.
    int ChannelFrom = 0;
    int ChannelTo = 0;
    int ThumbLength = 0;
    // The thumb's edges across the bar (top and bottom, or left and right).
    int ThumbNear = 0;
    int ThumbFar = 0;
    bool NearSide = false;  // above, or left
    bool FarSide = true;    // below, or right
    // The range, and the values of the ticks between its ends.
    int Min = 0;
    int Max = 0;
    std::vector<int> Values;
};

inline constexpr int kTickGap = 2;       // between the thumb and a tick
inline constexpr int kTickLength = 3;
inline constexpr int kEndTickLength = 4;  // the ends stand out a little

// One-pixel-wide rectangles, in the control's client coordinates.
std::vector<TSkinRect> TrackTickRects(const TTrackTicks& t);
