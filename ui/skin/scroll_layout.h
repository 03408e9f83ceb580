#pragma once
// Scroll-bar arithmetic: where the arrows, track and thumb of a bar lie, which
// part a point hits, and which cell of the skin's images each part shows.
// Plain numbers in and out, so it is tested natively.
#include <cstdint>

#include "ui/skin/skin_image.h"

struct TScrollValues {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Offsets along the bar, from its top (left) edge.
struct TScrollLayout {
    int Length = 0;
    int Arrow = 0;       // length of each arrow button
    int ThumbStart = 0;  // the thumb is [ThumbStart, ThumbEnd); empty when there is none
    int ThumbEnd = 0;
    bool HasThumb() const { return ThumbEnd > ThumbStart; }
    bool operator==(const TScrollLayout&) const = default;
};

// The system's layout: an arrow at each end (halved on a bar too short for
// both), a thumb as long as the page is to the range but at least minThumb
// (the arrow length when the bar has no page), placed by the position; no
// thumb when disabled or when it does not fit.
TScrollLayout ComputeScrollLayout(int length, int arrow, int minThumb, const TScrollValues& v, bool enabled);

// The arrow length of a bar: the system metric, or on a bar too short for two
// such arrows, half of what there is beside a minimal track.
int ScrollArrowLength(int length, int metric);

enum class TScrollPart : uint8_t { None, ArrowLow, TrackLow, Thumb, TrackHigh, ArrowHigh };
TScrollPart ScrollPartAt(const TScrollLayout& layout, int offset);

enum TScrollPartState : int { SPS_NORMAL = 0, SPS_HOT = 1, SPS_PRESSED = 2, SPS_DISABLED = 3 };

// Cells of the skin's "Scrollbar" image (23 of them, from 1): the up, down,
// left and right arrows in four states each, then the vertical and the
// horizontal thumb in three states, then the corner between two bars.
int ScrollArrowCell(bool vertical, bool high, TScrollPartState state);
int ScrollThumbCell(bool vertical, TScrollPartState state);
inline constexpr int kScrollCornerCell = 23;
// Cells of "VertScroll"/"HorzScroll" (four states) and of the thumb images (three).
int ScrollTrackCell(TScrollPartState state);
int ThumbImageCell(TScrollPartState state);

// A scroll thumb of width x height from one cell of a thumb image: the
// fixed edges as drawn, the body grown from its first plain line (so the grip
// in the middle is not smeared along the bar), and the grip itself at its
// own size in the middle when the thumb is long enough for it.
TSkinImage ComposeThumb(const TSkinImage& bitmap, int cells, int cell, TSkinMargins margins, int width, int height,
                        bool vertical);
