#pragma once
// Small value types shared by every control: colours, messages, cursors.
#include <windows.h>

#include <cstdint>

// 0x00BBGGRR, or 0xFF0000nn for the system colour nn (resolved when drawn).
using TColor = uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clSystemColor = 0xFF000000;
inline constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
inline constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
inline constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
inline constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;

inline COLORREF ColorToRGB(TColor c)
{
    if ((c & 0xFF000000) == clSystemColor)
        return GetSysColor(static_cast<int>(c & 0xFF));
    return c & 0x00FFFFFF;
}

// One window message on its way through a control's WindowProc chain.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

enum TCursor : int { crDefault = 0, crHandPoint = -21 };
enum class TMouseButton { Left, Right, Middle };

// Shift state bits, as a mouse message's wParam carries them.
using TShiftState = uint32_t;
inline constexpr TShiftState ssShift = MK_SHIFT;
inline constexpr TShiftState ssCtrl = MK_CONTROL;
inline constexpr TShiftState ssLeft = MK_LBUTTON;
