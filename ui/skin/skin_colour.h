#pragma once
// Colour values of the skin: 0x00BBGGRR, or 0xFF0000nn naming a Windows
// system colour that is looked up whenever the colour is used.
#include <cstdint>
#include <string_view>

using TColour = uint32_t;

inline constexpr TColour kSysColourFlag = 0xFF000000u;
inline constexpr TColour kClWhite = 0x00FFFFFFu;
inline constexpr TColour kClMagenta = 0x00FF00FFu;

// The Windows system-colour indices the skin names.
enum TSysColourIndex : int {
    COLOUR_SCROLLBAR = 0,
    COLOUR_MENU = 4,
    COLOUR_WINDOW = 5,
    COLOUR_MENUTEXT = 7,
    COLOUR_WINDOWTEXT = 8,
    COLOUR_CAPTIONTEXT = 9,
    COLOUR_HIGHLIGHT = 13,
    COLOUR_HIGHLIGHTTEXT = 14,
    COLOUR_BTNFACE = 15,
    COLOUR_BTNSHADOW = 16,
    COLOUR_BTNTEXT = 18,
    COLOUR_INACTIVECAPTIONTEXT = 19,
    COLOUR_BTNHIGHLIGHT = 20,
    COLOUR_3DDKSHADOW = 21,
};
inline constexpr int kSysColourCount = 31;

constexpr TColour SysColourRef(int index) { return kSysColourFlag | static_cast<uint32_t>(index & 0xFF); }
constexpr bool IsSysColourRef(TColour c) { return (c & 0xFF000000u) == kSysColourFlag; }

constexpr uint8_t RedOf(TColour c) { return c & 0xFF; }
constexpr uint8_t GreenOf(TColour c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(TColour c) { return (c >> 16) & 0xFF; }
constexpr TColour Rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// Whoever can answer what a system colour is right now (the platform).
class TSystemColours {
public:
    virtual ~TSystemColours() = default;
    // RGB of a system colour; unknown indices give black.
    virtual TColour SysColour(int index) const = 0;

    // A colour value as painted: references looked up, plain values unchanged.
    TColour Resolve(TColour c) const { return IsSysColourRef(c) ? SysColour(c & 0xFF) & 0xFFFFFF : c & 0xFFFFFF; }
};

// Three decimal numbers, red, green and blue, separated by anything that is
// not a digit ('255 128 0', '255,128,0;'). Never fails: see the .cpp.
TColour ParseColourText(std::string_view text);
