#pragma once
// Push buttons drawn from the skin's "Buttons" object: five cells side by
// side (normal, pressed, disabled, hot, focused or default), nine-sliced to
// the button's size, the caption centred over it.
#include "ui/skin/skin_control.h"

class TDibCanvas;
class TSkinData;

// The cell a push button shows, from 1.
enum TButtonCell : int { BC_NORMAL = 1, BC_PRESSED = 2, BC_DISABLED = 3, BC_HOT = 4, BC_FOCUSED = 5 };
TButtonCell ButtonState(bool enabled, bool pressed, bool hot, bool focusedOrDefault);

// The colour of a button's text (or glyph) in a cell: base, or the "Buttons"
// object's colour for the cell where the skin sets one; the system's shadow
// on a disabled button.
COLORREF ButtonTextColourFor(const TSkinData& data, TButtonCell cell, COLORREF base);

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
    virtual TButtonCell CurrentCell() const;
    bool IsDefault() const;
    // The face: background and cell; a glyph button adds its glyph.
    virtual void PaintFace(TDibCanvas& work, TButtonCell cell);
    // The caption centred in the button, right of text_left_ (a glyph's place).
    void DrawCaption(HDC dc, int width, int height, TButtonCell cell);
    void DeliverClick();
    void SetMouse(int bits);

    int mouse_ = 0;
    bool own_click_ = false;
    bool parent_back_ = false;
    bool multi_line_ = false;
    bool focused_ = false;
    int text_left_ = 0;

private:
    void Setup();
};

// Buttons with a glyph: the button's icon or bitmap left of the caption, or
// (PngGlyph) the picture of its published "PngImage" blended over the face.
class TSkinBitButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    const char* ClassName() const override { return "TSkinBitButton"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinBitButton" || TSkinButton::InheritsFrom(cls);
    }
    bool PngGlyph = false;

protected:
    void PaintFace(TDibCanvas& work, TButtonCell cell) override;
    // The face without the glyph.
    virtual void PaintButtonFace(TDibCanvas& work, TButtonCell cell) { TSkinButton::PaintFace(work, cell); }

private:
    void DrawPngGlyph(TDibCanvas& work, TButtonCell cell);
};

// Buttons that drop a menu: an arrow at the right end.
class TSkinMenuButton : public TSkinButton {
public:
    using TSkinButton::TSkinButton;
    const char* ClassName() const override { return "TSkinMenuButton"; }

protected:
    void PaintFace(TDibCanvas& work, TButtonCell cell) override;
};

// Tool buttons. A flat one shows only its parent's background until the mouse
// is over it; one that is Down shows the pressed cell. A tool button without
// a window (TSpeedButton) is painted through its parent: the painter takes
// over its PaintProc and watches the parent's mouse messages for its
// rectangle; the parent still delivers MouseDown and Click as it would
// without the skin.
struct TSpeedParentHook;
class TSkinSpeedButton : public TSkinBitButton {
public:
    using TSkinBitButton::TSkinBitButton;
    ~TSkinSpeedButton() override;
    const char* ClassName() const override { return "TSkinSpeedButton"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinSpeedButton" || TSkinBitButton::InheritsFrom(cls);
    }

    void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground) override;
    void Unhook() override;
    void PaintTo(HDC dc, const RECT& r) override;
    // The button without a window it paints, if that is what it skins.
    TGraphicControl* Graphic() const { return graphic_; }

protected:
    TButtonCell CurrentCell() const override;
    const TControl* SourceControl() const override;
    void PaintButtonFace(TDibCanvas& work, TButtonCell cell) override;
    void Repaint() override;

private:
    friend struct TSpeedParentHook;
    void ParentMessage(TMessage& m, const TWndMethod& previous, const std::shared_ptr<TSkinSpeedButton*>& link);
    bool Over(POINT client) const;
    bool Flat() const;
    bool Down() const;

    TGraphicControl* graphic_ = nullptr;
    TWinControl* parent_ = nullptr;
    // Cleared when the painter goes; the parent's hook holds it.
    std::shared_ptr<TSkinSpeedButton*> link_;
    bool parent_hooked_ = false;
    bool painting_ = false;
};
