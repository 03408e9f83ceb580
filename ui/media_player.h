#pragma once
// A media player's row of transport buttons. It plays nothing: a press and
// release on one button is that button's click (OnButtonClick). Buttons can
// be hidden or disabled one by one.
#include <cstdint>
#include <functional>

#include "ui/control.h"

enum class TMPBtnType : uint8_t { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
inline constexpr int kMPButtonCount = 9;

// One bit per button, bit i for TMPBtnType i.
using TMPButtonSet = uint16_t;
inline constexpr TMPButtonSet kAllMPButtons = (1u << kMPButtonCount) - 1;
constexpr TMPButtonSet MPButton(TMPBtnType b) { return static_cast<TMPButtonSet>(1u << static_cast<int>(b)); }

// The button's picture (a triangle for play, two bars for pause, ...) drawn
// solid in one colour, centred in r. The skin's painter draws the same.
void DrawTransportGlyph(HDC dc, const RECT& r, TMPBtnType button, COLORREF colour);

class TMediaPlayer : public TWinControl {
public:
    explicit TMediaPlayer(TComponent* owner);
    const char* ClassName() const override { return "TMediaPlayer"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TMediaPlayer" || TWinControl::InheritsFrom(cls);
    }

    TMPButtonSet VisibleButtons() const { return visible_buttons_; }
    void SetVisibleButtons(TMPButtonSet buttons);
    TMPButtonSet EnabledButtons() const { return enabled_buttons_; }
    void SetEnabledButtons(TMPButtonSet buttons);
    bool ButtonEnabled(TMPBtnType b) const { return enabled_ && (enabled_buttons_ & MPButton(b)) != 0; }

    // The visible buttons side by side over the client area, in order.
    RECT ButtonRect(TMPBtnType b) const;
    // The visible button at a client point, or -1.
    int ButtonAt(POINT p) const;
    // The button held down by the mouse, or -1; it looks pressed only while
    // the pointer is still on it.
    int PressedButton() const { return pressed_; }
    bool PressedInside() const { return pressed_inside_; }

    // What a click on a button does; code may call it too.
    void ButtonClick(TMPBtnType b);
    std::function<void(TMediaPlayer&, TMPBtnType)> OnButtonClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    bool ErasesWithColor() const override { return true; }

private:
    void Paint(HDC dc);
    void InvalidateButton(int b);

    TMPButtonSet visible_buttons_ = kAllMPButtons;
    TMPButtonSet enabled_buttons_ = kAllMPButtons;
    int pressed_ = -1;
    bool pressed_inside_ = false;
};
