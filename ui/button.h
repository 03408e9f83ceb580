#pragma once
// A push button. It draws itself so that its font colour shows; a skin
// painter, when attached, draws it instead and delivers MouseDown and Click.
#include <cstdint>
#include <vector>

#include "ui/control.h"
#include "ui/png_image_control.h"

class TButtonControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TButtonControl"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TButtonControl" || TWinControl::InheritsFrom(cls);
    }
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TButton" || TButtonControl::InheritsFrom(cls); }

    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; Invalidate(); }
    bool MultiLine() const { return multi_line_; }
    void SetMultiLine(bool value) { multi_line_ = value; Invalidate(); }

    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    void Draw(const DRAWITEMSTRUCT& item);

    bool default_ = false;
    bool multi_line_ = false;
};

// A push button with a PNG glyph, published as "PngImage" (ui/png_property.h).
// Unskinned it draws as a plain button; the skin blends the glyph beside the caption.
class TPngBitBtn : public TWithPngImage<TButton> {
public:
    using TWithPngImage<TButton>::TWithPngImage;
    const char* ClassName() const override { return "TPngBitBtn"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TPngBitBtn" || TButton::InheritsFrom(cls); }
};
