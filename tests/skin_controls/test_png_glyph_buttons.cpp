// PNG glyphs on skinned buttons: a glyph button and a tool button of the
// "pngbitbtn" and "pngspeedbutton" kinds blend the picture of their
// "PngImage" over the skinned face, beside the caption; without a valid PNG
// they draw no glyph.
#include <doctest/doctest.h>

#include <cstdlib>

#include "tests/skin_controls/skinned_window.h"
#include "tests/support/png_file.h"
#include "ui/button.h"
#include "ui/png_property.h"
#include "ui/skin/skin_button.h"
#include "ui/speed_button.h"

using namespace skin_colours;

namespace {

constexpr COLORREF kCyan = RGB(0, 255, 255);

// A 16 x 16 cyan square in a clear border of 2, its first opaque pixel half clear.
std::vector<uint8_t> Glyph() { return SquareGlyphPng(16, 2, 0, 255, 255); }

struct TGlyphWindow : TSkinnedWindow {
    TPngBitBtn* button = nullptr;
    TPngSpeedButton* tool = nullptr;

    explicit TGlyphWindow(const std::vector<uint8_t>& png, const std::wstring& caption = L"Go")
    {
        button = Add<TPngBitBtn>(nullptr, 40, 30, 120, 40, caption);
        button->SetPngImage(png);
        tool = Add<TPngSpeedButton>(nullptr, 40, 120, 120, 40, caption);
        tool->SetPngImage(png);
        Show();
        Skin();
    }
    HWND Handle() { return button->Handle(); }
    COLORREF Button(int x, int y) { return WindowPixel(Handle(), x, y); }
    COLORREF Tool(int x, int y)
    {
        HDC dc = GetDC(form->Handle());
        COLORREF c = GetPixel(dc, tool->Left() + x, tool->Top() + y);
        ReleaseDC(form->Handle(), dc);
        return c;
    }
    // The middle of the caption's red pixels, across the button.
    int CaptionMiddle()
    {
        const TWindowShot shot(Handle());
        int first = -1, last = -1;
        for (int x = 0; x < shot.Width(); ++x)
            for (int y = 0; y < shot.Height(); ++y) {
                const COLORREF c = shot.At(x, y);
                if (GetRValue(c) > GetBValue(c) + 30) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
            }
        return first < 0 ? -1 : (first + last) / 2;
    }
};

} // namespace

TEST_CASE("A PNG glyph button blends its glyph over the skinned face, left of the caption")
{
    TGlyphWindow w(Glyph());
    auto* painter = w.PainterOf<TSkinBitButton>(w.button);
    REQUIRE(painter != nullptr);
    CHECK(painter->PngGlyph);
    // Opaque, clear and half-clear pixels of the glyph at (4, 12).
    CHECK(w.Button(10, 20) == kCyan);
    CHECK(w.Button(5, 20) == Ref(ButtonCentre(BC_NORMAL)));
    CHECK(w.Button(6, 14) == RGB(15, 148, 228));
    // The caption is centred in what the glyph leaves: (20 + 120) / 2.
    CHECK(std::abs(w.CaptionMiddle() - 70) <= 2);

    // Disabled: the glyph dimmed over the disabled cell.
    w.button->SetEnabled(false);
    w.Settle();
    const COLORREF dimmed = w.Button(10, 20);
    CHECK(dimmed != kCyan);
    CHECK(dimmed != Ref(ButtonCentre(BC_DISABLED)));
    CHECK(GetGValue(dimmed) > GetGValue(Ref(ButtonCentre(BC_DISABLED))));
}

TEST_CASE("A PNG tool button without a window draws its glyph the same way")
{
    TGlyphWindow w(Glyph());
    auto* painter = w.PainterOf<TSkinSpeedButton>(w.tool);
    REQUIRE(painter != nullptr);
    CHECK(painter->PngGlyph);
    CHECK(painter->Graphic() == w.tool);
    CHECK(w.Tool(10, 20) == kCyan);
    CHECK(w.Tool(6, 14) == RGB(15, 148, 228));
}

TEST_CASE("A glyph without a caption stands in the middle")
{
    TGlyphWindow w(Glyph(), L"");
    CHECK(w.Button(60, 20) == kCyan);
    CHECK(w.Button(10, 20) == Ref(ButtonCentre(BC_NORMAL)));
}

TEST_CASE("No PNG, or no valid one: no glyph, the caption centred, the button painted")
{
    std::vector<uint8_t> cut = Glyph();
    cut.resize(cut.size() - 20);
    std::vector<uint8_t> damaged = Glyph();
    for (size_t i = 41; i + 12 < damaged.size(); ++i)
        damaged[i] ^= 0x5A;
    const std::string text = "not a picture at all";
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"not a PNG", std::vector<uint8_t>(text.begin(), text.end())},
        {"cut short", cut},
        {"damaged", damaged},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        TGlyphWindow w(c.bytes);
        REQUIRE(w.PainterOf<TSkinBitButton>(w.button) != nullptr);
        CHECK(w.Button(10, 20) == Ref(ButtonCentre(BC_NORMAL)));
        CHECK(w.Tool(10, 20) == Ref(ButtonCentre(BC_NORMAL)));
        CHECK(std::abs(w.CaptionMiddle() - 60) <= 2);
    }
}

TEST_CASE("PngImage is published as base64; a text that is not base64 is refused and changes nothing")
{
    TPngBitBtn button(nullptr);
    const std::vector<uint8_t> png = Glyph();
    button.SetPngImage(png);
    auto text = GetPropValue(button, "PngImage");
    REQUIRE(text);
    CHECK(DecodeBase64(*text) == png);
    CHECK_FALSE(SetPropValue(button, "PngImage", L"**not base64**"));
    CHECK(button.PngImage() == png);
    CHECK(SetPropValue(button, "PngImage", L""));
    CHECK(button.PngImage().empty());
    TPngSpeedButton tool(nullptr);
    CHECK(SetPropValue(tool, "PngImage", *text));
    CHECK(tool.PngImage() == png);
}
