#include "ui/skin/skin_platform.h"

#include <array>

namespace {

// The classic Windows scheme, indexed by system-colour number.
constexpr std::array<TColour, kSysColourCount> kClassicColours = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128), Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(181, 181, 181), Rgb(0, 0, 128),     Rgb(166, 202, 240), Rgb(192, 192, 192), Rgb(10, 36, 106),
    Rgb(212, 208, 200)};

class TFixedBrush : public TSkinBrush {
public:
    explicit TFixedBrush(TColour c) : colour_(c) {}
    TColour Colour() const override { return colour_; }
    void* Handle() const override { return nullptr; }

private:
    TColour colour_;
};

} // namespace

TSkinImage BuiltinTrackBitmap(std::string_view name)
{
    // A sunken groove in the 16-colour palette: shadow above, black inside,
    // silver and white below, so it reads on any face colour.
    constexpr TColour shadow = Rgb(128, 128, 128), black = 0, silver = Rgb(192, 192, 192), white = kClWhite;
    TSkinImage groove(16, 4, white);
    for (int x = 0; x < 16; ++x) {
        groove.SetPixel(x, 0, x == 15 ? white : shadow);
        groove.SetPixel(x, 1, x == 0 ? shadow : x == 15 ? white : x == 14 ? silver : black);
        groove.SetPixel(x, 2, x == 0 ? shadow : x == 15 ? white : silver);
    }
    if (name == "TRACK")
        return groove;
    if (name == "TRACKVERT") {
        TSkinImage vert(4, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 4; ++x)
                vert.SetPixel(x, y, groove.Pixel(y, x));
        return vert;
    }
    return {};
}

TColour TFixedSkinPlatform::SysColour(int index) const
{
    return index >= 0 && index < kSysColourCount ? kClassicColours[static_cast<size_t>(index)] : 0;
}

int TFixedSkinPlatform::SystemMetric(int index) const
{
    return index == METRIC_CXHSCROLL ? CxHScroll : 0;
}

bool TFixedSkinPlatform::ReadCaptionFont(TCaptionFont& font) const
{
    if (!CaptionFontAvailable)
        return false;
    font = CaptionFont;
    return true;
}

std::unique_ptr<TSkinBrush> TFixedSkinPlatform::CreateSolidBrush(TColour rgb) const
{
    return std::make_unique<TFixedBrush>(rgb);
}

TSkinImage TFixedSkinPlatform::BuiltinBitmap(std::string_view name) const { return BuiltinTrackBitmap(name); }

void TFixedSkinPlatform::ShowMessage(const std::string& text) const
{
    ++MessageCount;
    LastMessage = text;
}

bool TFixedSkinPlatform::HasUser32Function(const char* name) const
{
    return HasGetScrollBarInfo || std::string_view(name) != "GetScrollBarInfo";
}
