#pragma once
// A tool button without a window of its own: its parent paints it and passes
// it the clicks that land on it. Buttons of one parent that share a non-zero
// GroupIndex stay down one at a time.
#include <cstdint>
#include <vector>

#include "ui/control.h"
#include "ui/png_image_control.h"

class TSpeedButton : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    const char* ClassName() const override { return "TSpeedButton"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSpeedButton" || TGraphicControl::InheritsFrom(cls);
    }

    bool Down() const { return down_; }
    // Putting a grouped button down lets the others of its group up.
    void SetDown(bool value);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int value) { group_index_ = value; }
    // A grouped button that is down comes up again when clicked.
    bool AllowAllUp() const { return allow_all_up_; }
    void SetAllowAllUp(bool value) { allow_all_up_ = value; }
    // No raised edge while the button is up.
    bool Flat() const { return flat_; }
    void SetFlat(bool value) { flat_ = value; Invalidate(); }

    // A disabled button neither presses nor clicks.
    void Click() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint(HDC dc) override;

    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

private:
    bool down_ = false;
    int group_index_ = 0;
    bool allow_all_up_ = false;
    bool flat_ = false;
};

// A speed button with a PNG glyph (published "PngImage", see ui/png_property.h).
class TPngSpeedButton : public TWithPngImage<TSpeedButton> {
public:
    using TWithPngImage<TSpeedButton>::TWithPngImage;
    const char* ClassName() const override { return "TPngSpeedButton"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TPngSpeedButton" || TSpeedButton::InheritsFrom(cls);
    }
};
