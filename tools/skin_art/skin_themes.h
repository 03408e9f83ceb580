#pragma once
// The palettes and proportions the skin images are drawn in.
#include <string>

#include "ui/skin/skin_colour.h"

struct TSkinTheme {
    std::string Name;
    // Window frame, active and inactive: outer line, the light line inside
    // it, the caption gradient, the line next to the client area.
    TColour Outline, OutlineIn, Light, LightIn, CapTop, CapBottom, CapTopIn, CapBottomIn, Inner, InnerIn;
    // Caption buttons.
    TColour Glyph, GlyphDim, HotFill, PressFill, CloseHot, ClosePress;
    // Client area.
    TColour Face, FaceLight, Field, Line, LineHot, LineFocus, LineDisabled, Shadow, Text, TextDisabled, Accent,
        AccentLight;
    int Caption;      // caption height
    int Border;       // frame width
    int ButtonW, ButtonH;
    int Radius;       // corner radius of controls (0 square)
};

const TSkinTheme& QuorlenTheme();
const TSkinTheme& DuskTheme();
