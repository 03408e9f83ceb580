#pragma once
// One skin element each: an image cut into Frame equal cells (one per visual
// state), four fixed margins and the numbers the painters interpret.
#include <algorithm>
#include <cstdint>
#include <string>

#include "data/streams.h"
#include "ui/skin/skin_image.h"

inline constexpr TColour kTitleColourUnset = 0x1FFFFFFF;

class TDataSkinObject : public TObject {
public:
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}

    int32_t LeftWidth = 0;
    int32_t TopHeight = 0;
    int32_t RightWidth = 0;
    int32_t BottomHeight = 0;
    TSkinImage Bitmap;
    int32_t Trans = 0;
    int32_t Tile = 0;
    std::string Name;
    int32_t Frame = 0;
    int32_t Style = 0;
    int32_t NormalColour = 0;
    int32_t MouseOverColour = 0;
    int32_t PressedColour = 0;
    TColour NormalColour2 = 0;
    TColour MouseOverColour2 = 0;
    TColour PressedColour2 = 0;

    // The margin rectangle (left, top, right, bottom).
    TSkinMargins Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
    void SetMargins(const TSkinMargins& m)
    {
        LeftWidth = m.Left;
        TopHeight = m.Top;
        RightWidth = m.Right;
        BottomHeight = m.Bottom;
    }
    // The cell count to divide by: a description can write 0 or a negative
    // count, which would divide by zero or index outside the image.
    int Cells() const { return std::max<int32_t>(Frame, 1); }
};

class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TSkinImage Bitmap2;
};

class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t TextAlignment = 0;
    int32_t Textbackground = 0;
    int32_t FontHeight = 0;
    int32_t TXTBackleft = 0;
    int32_t TXTBackRight = 0;
    TColour ActiveText = 0;
    TColour InActiveText = 0;
};

class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TSkinImage CheckBitmap;
    TSkinImage RadioBitmap;
    int32_t RadioButtonFrame = 0;
    int32_t CheckButtonFrame = 0;
    uint8_t HasNormalColour2 = 0;
    uint8_t HasMouseOverColour2 = 0;
    uint8_t HasPressedColour2 = 0;
};

class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t Action = 0;
    int32_t Align = 0;
    int32_t Xcoord = 0;
    int32_t Ycoord = 0;
    int32_t CombineOp = 0;
    int32_t Visibility = 0;
    int32_t Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t BackgroundLeftShift = 0;
    int32_t BackgroundRightShift = 0;
    int32_t BackgroundAlignment = 0;
};
