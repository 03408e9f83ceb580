#pragma once
// Push buttons drawn from the skin's "Buttons" object: five cells side by
// side (normal, pressed, disabled, hot, focused or default), nine-sliced to
// the button's size, the caption centred over it.
#include "ui/skin/skin_control.h"

class TDibCanvas;

// The cell a push button shows, from 1.
enum TButtonCell : int { BC_NORMAL = 1, BC_PRESSED = 2, BC_DISABLED = 3, BC_HOT = 4, BC_FOCUSED = 5 };
TButtonCell ButtonState(bool enabled, bool pressed, bool hot, bool focusedOrDefault);

// The caption as drawn: its first "||" starts a second line.
std::wstring ButtonCaptionText(std::wstring caption);

class TSkinButton : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TSkinButton"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinButton" || TSkinControl::InheritsFrom(cls);
    }

    void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground) override;
    void AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;

    bool Hot() const { return (mouse_ & kHot) != 0; }
    bool Pressed() const { return (mouse_ & kPressed) != 0; }
    bool OwnClick() const { return own_click_; }
    bool ParentBack() const { return parent_back_; }

protected:
    static constexpr int kHot = 1;
    static constexpr int kPressed = 2;

    // The cell for the current state.
    TButtonCell CurrentCell() const;
    bool IsDefault() const;
    // The face: background and cell; a glyph button adds its glyph.
    virtual void PaintFace(TDibCanvas& work, TButtonCell cell);
    // The caption centred in the button.
    void DrawCaption(HDC dc, int width, int height, TButtonCell cell);
    void DeliverClick();
    void SetMouse(int bits);

    int mouse_ = 0;
    bool own_click_ = false;
    bool parent_back_ = false;
    bool multi_line_ = false;
    bool focused_ = false;

private:
    void Setup();
};

// Buttons with a glyph: the button's icon or bitmap left of the caption.
class TSkinBitButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    const char* ClassName() const override { return "TSkinBitButton"; }

protected:
    void PaintFace(TDibCanvas& work, TButtonCell cell) override;
};

// Buttons that drop a menu: an arrow at the right end.
class TSkinMenuButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    const char* ClassName() const override { return "TSkinMenuButton"; }

protected:
    void PaintFace(TDibCanvas& work, TButtonCell cell) override;
};

// Flat tool buttons: only the parent's background until the mouse is over them.
class TSkinSpeedButton : public TSkinBitButton {
public:
    using TSkinBitButton::TSkinBitButton;
    const char* ClassName() const override { return "TSkinSpeedButton"; }

protected:
    void PaintFace(TDibCanvas& work, TButtonCell cell) override;
};
