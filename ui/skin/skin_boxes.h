#pragma once
// Containers: group boxes (an edge from "GroupBoxEdge", the caption on the
// "GroupBox" label background, over the skin's face) and panels, navigators
// and embedded forms (the face colour behind their controls).
#include "ui/skin/skin_control.h"

class TSkinGroupBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TSkinGroupBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinGroupBox" || TSkinControl::InheritsFrom(cls);
    }
    void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground) override;
    bool BeforeMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;
    // Where the caption's label background sits, for a caption tw wide and th high.
    RECT CaptionRect(int width, int tw, int th) const;
};

class TSkinBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TSkinBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinBox" || TSkinControl::InheritsFrom(cls);
    }
    // The face brush behind the box's controls; the box paints the rest.
    bool BeforeMessage(TMessage& m) override;
};

// A panel variant that also draws a raised edge in the face brush's shades.
class TSkinBoxH : public TSkinBox {
public:
    using TSkinBox::TSkinBox;
    const char* ClassName() const override { return "TSkinBoxH"; }
    void AfterMessage(TMessage& m) override;
};
