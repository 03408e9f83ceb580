#pragma once
// A text without a window of its own: the parent paints it and passes it the
// clicks that land on it.
#include "ui/control.h"

class TCustomLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    const char* ClassName() const override { return "TCustomLabel"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TCustomLabel" || TGraphicControl::InheritsFrom(cls);
    }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; Invalidate(); }
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool value) { word_wrap_ = value; Invalidate(); }

    void Paint(HDC dc) override;
    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

private:
    bool transparent_ = false;
    bool word_wrap_ = false;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    const char* ClassName() const override { return "TLabel"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TLabel" || TCustomLabel::InheritsFrom(cls); }
};
