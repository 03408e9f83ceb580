#pragma once
// Check boxes and radio buttons drawn from the "Buttons" object's check and
// radio images, over the parent's background. The system button keeps
// handling clicks and keys; the painter only draws what it shows.
#include "ui/skin/skin_control.h"

// The cell of a check or radio image. With eight cells or more: unchecked
// normal, hot, pressed, disabled, then the same checked (and, with twelve,
// the same again for the third state). With fewer: unchecked, checked, then
// each disabled.
int CheckCell(int cells, int check, bool enabled, bool pressed, bool hot);

class TSkinCheckBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TSkinCheckBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinCheckBox" || TSkinControl::InheritsFrom(cls);
    }
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;
    bool Hot() const { return hot_; }

protected:
    virtual bool Radio() const { return false; }

private:
    bool hot_ = false;
};

class TSkinRadioButton : public TSkinCheckBox {
public:
    using TSkinCheckBox::TSkinCheckBox;
    const char* ClassName() const override { return "TSkinRadioButton"; }

protected:
    bool Radio() const override { return true; }
};

// Check and radio images of other widget sets: mode 2 draws a radio button,
// modes 1 and 3 a check box.
class TSkinObjImage : public TSkinCheckBox {
public:
    using TSkinCheckBox::TSkinCheckBox;
    const char* ClassName() const override { return "TSkinObjImage"; }
    int Mode = 1;

protected:
    bool Radio() const override { return Mode == 2; }
};
