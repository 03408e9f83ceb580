#pragma once
// A captioned frame that holds other controls, windowed or not.
#include "ui/control.h"

class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TCustomControl"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TCustomControl" || TWinControl::InheritsFrom(cls); }
};

class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomGroupBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TCustomGroupBox" || TCustomControl::InheritsFrom(cls);
    }

protected:
    void CreateParams(TCreateParams& params) override;
    bool ErasesWithColor() const override { return true; }
};

class TGroupBox : public TCustomGroupBox {
public:
    using TCustomGroupBox::TCustomGroupBox;
    const char* ClassName() const override { return "TGroupBox"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TGroupBox" || TCustomGroupBox::InheritsFrom(cls); }
};
