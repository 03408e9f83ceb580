#pragma once
// The arithmetic of a skinned frame: border widths from the border images,
// the client rectangle inside them, where the caption text and the caption
// buttons go, which buttons show, and the opaque pixels a window region is
// built from. Plain data in, plain data out; the Win32 frame only translates.
#include <functional>
#include <string>
#include <vector>

#include "ui/skin/skin_data.h"
#include "ui/skin/skin_image.h"

// BorderKind of a frame.
enum TBorderKind : int { bkSizeable = 0, bkFixed = 1, bkNone = 2, bkDialog = 3 };

struct TFrameMetrics {
    int Left = 0;     // L
    int Caption = 0;  // C
    int Right = 0;    // R
    int Bottom = 0;   // B
    int MenuBar = 0;  // M
    bool operator==(const TFrameMetrics&) const = default;
};

// The border widths a skin gives a window: the Left and Right images' cell
// widths (cells side by side), the Top and Bottom images' cell heights
// (cells stacked). A borderless window has none, and no menu-bar strip.
TFrameMetrics FrameMetricsFromSkin(const TSkinData& skin, int borderKind, int menuBarHeight);

// The client rectangle of a window at (x, y) of size cx x cy inside the frame.
TSkinRect FrameClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m);

// What the caption-button rules ask of a window.
struct TFrameFacts {
    bool Maximized = false;
    bool Active = false;
    bool MaxBox = false;
    bool MinBox = false;
    bool SysMenu = false;
    bool ContextHelp = false;
    int BorderKind = bkSizeable;
    bool DialogClass = false;
    // An MDI frame whose active child is maximized and that has a skinned menu bar.
    bool MdiChildMaximizedOnMenuBar = false;
};

// Codes 1000 to 2000 are the window's own to answer.
using TAskVisible = std::function<bool(int code, int action)>;

// One condition code of a caption-button definition (first or second).
bool ConditionHolds(int code, bool first, const TFrameFacts& facts, int action, const TAskVisible& ask);

struct TButtonShow {
    bool Visible = false;
    bool Enabled = true;
};
TButtonShow CaptionButtonShow(const TDataSkinSysButton& def, const TFrameFacts& facts, const TAskVisible& ask);

// The definition's image cut into its cells: one cell's size.
int ButtonWidth(const TDataSkinSysButton& def);

// Where a visible caption button with an image sits, in window coordinates,
// for a window W pixels wide. personalityLeft is the left margin of the
// skin's menu-bar object (0 without one).
TSkinRect CaptionButtonRect(const TDataSkinSysButton& def, int windowWidth, const TFrameMetrics& m,
                            const TSkinRect& captionText, int personalityLeft);

// The cell a button shows in a full caption paint, and on its own change of state.
int CaptionPaintCell(const TDataSkinSysButton& def, bool windowActive, bool enabled);
int ButtonStateCell(const TDataSkinSysButton& def, int buttonState, bool enabled);

// The texts of the caption-button hints; empty for actions without one.
std::string CaptionButtonHint(int action);

// The caption text's placement in the caption strip (Algorithms of the
// caption: alignment, right-to-left, cut before the buttons).
struct TCaptionTextInput {
    TSkinRect Strip;
    int TextWidth = 0;   // measured, caption font
    int TextHeight = 0;
    const TDataSkinTitle* Title = nullptr;
    bool RightToLeft = false;
    bool Popup = false;       // WS_POPUP
    int RightExtent = 0;      // E: the farthest right-anchored visible button
    int BorderKind = bkSizeable;
};
TSkinRect CaptionTextRect(const TCaptionTextInput& in);

// The text itself is drawn inside the title background's padding.
TSkinRect CaptionTextInner(const TSkinRect& textRect, const TDataSkinTitle& title);

// An image's cell drawn over a rectangle of target with fixed ends of
// leftMargin and rightMargin pixels and the middle stretched; vertically the
// cell is stretched to the rectangle's height.
void ComposeThreeSlice(TSkinImage& target, const TSkinRect& rect, const TSkinImage& bitmap, bool stacked,
                       bool transparent, int cellCount, int cell, int leftMargin, int rightMargin);

// The pixels of an image that are not magenta, as rectangles in image
// coordinates offset by (dx, dy): runs of a row, with equal runs of
// consecutive rows merged into one rectangle.
std::vector<TSkinRect> OpaqueRects(const TSkinImage& image, int dx = 0, int dy = 0);
