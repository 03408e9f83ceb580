#pragma once
// Painters of the system's common controls: progress bars, track bars,
// up-down buttons, tab controls, header bars, status bars and size grips.
// Each draws the whole control from its skin objects in one work bitmap and
// leaves input to the control.
#include "ui/skin/skin_control.h"

class TDibCanvas;

// Paints the whole control on WM_PAINT and never erases; repaints after the
// mouse moves over it or leaves, and after what a subclass names.
class TSkinCommonControl : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;

protected:
    // Draws the client area (w x h) into the work bitmap.
    virtual void Draw(TDibCanvas& work, int w, int h) = 0;
    // Messages after which the control looks different.
    virtual bool ChangesLook(UINT msg) const { return false; }
    // The mouse position in client coordinates while it is over the control.
    POINT mouse_{-1, -1};
    bool MouseInside() const { return mouse_.x >= 0; }
    bool ButtonHeld() const { return GetCapture() == handle_ && (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }
};

// "Progress" (trough, then a full bar) and "Progress.Chunk" tiled over the done part.
class TSkinProgress : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinProgress"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
    bool ChangesLook(UINT msg) const override;
};

// "Track"/"TRACKVERT" along the channel, the control's tick marks beside
// the thumb's path in the skin's shadow colour, the thumb from
// "Trackbar.ThumbHorz"/"Trackbar.ThumbVert".
class TSkinTrackBar : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinTrackBar"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
    bool ChangesLook(UINT msg) const override;

private:
    void DrawTicks(TDibCanvas& work, const RECT& channel, const RECT& thumb, bool vertical);
};

// "UpDown.Vert"/"UpDown.Horz": two buttons, their arrows from the glyph image.
class TSkinUpDown : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinUpDown"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
};

// "Tabs" for each tab (normal, hot, selected, disabled, focused) over "Tab.Pane".
class TSkinTab : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinTab"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
    bool ChangesLook(UINT msg) const override;
};
class TSkinTab31 : public TSkinTab {
public:
    using TSkinTab::TSkinTab;
    const char* ClassName() const override { return "TSkinTab31"; }
};
class TSkinTabSheet : public TSkinTab {
public:
    using TSkinTab::TSkinTab;
    const char* ClassName() const override { return "TSkinTabSheet"; }
};
class TSkinTabBtn : public TSkinTab {
public:
    using TSkinTab::TSkinTab;
    const char* ClassName() const override { return "TSkinTabBtn"; }
};
class TSkinAdvPage : public TSkinTab {
public:
    using TSkinTab::TSkinTab;
    const char* ClassName() const override { return "TSkinAdvPage"; }
};

// "Headerbar" cells (normal, hot, pressed) under each column title.
class TSkinHeader : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinHeader"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
    bool ChangesLook(UINT msg) const override;
};

// "StatusBarEdges" (a sunken part, the bar, a separator) and the grip from "ExtraImages".
class TSkinStatusBar : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinStatusBar"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
    bool ChangesLook(UINT msg) const override;
};

// A size grip: the face colour and the grip cell of "ExtraImages".
class TSkinSizer : public TSkinCommonControl {
public:
    using TSkinCommonControl::TSkinCommonControl;
    const char* ClassName() const override { return "TSkinSizer"; }

protected:
    void Draw(TDibCanvas& work, int w, int h) override;
};

// Draws the size grip into the bottom-right corner of r: the fifth cell of
// "ExtraImages", or the system's grip.
void DrawSizeGrip(TDibCanvas& work, const class TSkinData& data, const RECT& r);
