// Quorlen's own skin on a window shaped like the main window: the frame's
// pixels against the skin's images, and the long caption cut clear of the
// caption buttons. Skips when the build has not packed the skin.
#include "tests/skin_runtime/runtime_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> QuorlenPackage()
{
    std::string path = QUORLEN_SKIN_PACKAGE;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;  // the Unix path as Wine's drive Z: sees it
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in)
        return {};
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

HWND MainLikeForm(TRuntimeFixture& f, TForm& form)
{
    form.SetClientSize(785, 595);
    form.Position = TPosition::ScreenCenter;
    form.AppWindow = true;
    form.SetCaption(L"Quorlen");
    form.Show();
    SetForegroundWindow(form.Handle());
    REQUIRE(f.WaitReady(form.Handle()));
    Pump();
    return form.Handle();
}

} // namespace

TEST_CASE("Quorlen's skin: the frame shows the skin's own pixels")
{
    const std::vector<uint8_t> package = QuorlenPackage();
    if (package.empty()) {
        MESSAGE("Quorlen's skin is not packed in this build; skipped");
        return;
    }
    TRuntimeFixture f(package);
    REQUIRE_FALSE(f.Data().SkinEmpty);
    TForm form(nullptr);
    HWND w = MainLikeForm(f, form);
    TWinSkinForm& frame = *f.Frame(w);
    const TSkinData& skin = f.Data();
    const TFrameMetrics& m = frame.Metrics;
    const SIZE size = WindowSize(w);
    CHECK(m.Left == skin.BorderLeft.Bitmap.Width() / skin.BorderLeft.Cells());
    CHECK(m.Caption == skin.BorderTop.Bitmap.Height() / skin.BorderTop.Cells());
    CHECK(ClientSize(w).cx == 785);
    CHECK(ClientSize(w).cy == 595);
    REQUIRE(frame.ActiveFlag);

    SUBCASE("the left border's fixed ends are the image's first cell, its magenta cut away")
    {
        const TSkinImage& left = skin.BorderLeft.Bitmap;
        const int top = skin.BorderLeft.TopHeight, bottom = skin.BorderLeft.BottomHeight;
        int compared = 0;
        for (int x = 0; x < m.Left; ++x) {
            for (int y = 0; y < top; ++y) {
                const TColour expected = left.Pixel(x, y);
                if (expected == kClMagenta) {
                    CHECK_FALSE(InRegion(w, x, y));
                } else {
                    CHECK(ScreenPixel(w, x, y) == ToColorRef(expected));
                    ++compared;
                }
            }
            for (int y = 0; y < bottom; ++y) {
                const TColour expected = left.Pixel(x, left.Height() - bottom + y);
                if (expected != kClMagenta)
                    CHECK(ScreenPixel(w, x, size.cy - bottom + y) == ToColorRef(expected));
            }
        }
        CHECK(compared > 0);
    }
    SUBCASE("the right border and the bottom")
    {
        const TSkinImage& right = skin.BorderRight.Bitmap;
        const int cellWidth = right.Width() / skin.BorderRight.Cells();
        for (int x = 0; x < m.Right; ++x)
            for (int y = 0; y < skin.BorderRight.TopHeight; ++y) {
                const TColour expected = right.Pixel(x, y);
                if (expected == kClMagenta)
                    CHECK_FALSE(InRegion(w, size.cx - cellWidth + x, y));
                else
                    CHECK(ScreenPixel(w, size.cx - cellWidth + x, y) == ToColorRef(expected));
            }
        const TSkinImage& bottom = skin.BorderBottom.Bitmap;
        for (int y = 0; y < m.Bottom; ++y)
            CHECK(ScreenPixel(w, m.Left, size.cy - m.Bottom + y) == ToColorRef(bottom.Pixel(0, y)));
    }
    SUBCASE("the caption strip is the top image stretched, and the close button its first cell")
    {
        const TSkinImage& topImage = skin.BorderTop.Bitmap;
        for (int y = 0; y < m.Caption; ++y)
            CHECK(ScreenPixel(w, m.Left, y) == ToColorRef(topImage.Pixel(0, y)));
        TWinSysButton* close = nullptr;
        for (auto& b : frame.Buttons)
            if (b->Def.Action == 0 && b->Visible)
                close = b.get();
        REQUIRE(close);
        const TSkinImage& image = close->Def.Bitmap;
        const int cw = image.Width() / close->Def.Cells();
        int opaque = 0;
        for (int x = 0; x < cw; ++x)
            for (int y = 0; y < image.Height(); ++y) {
                const TColour expected = image.Pixel(x, y);
                if (expected == kClMagenta)
                    continue;
                ++opaque;
                CHECK(ScreenPixel(w, close->BoundsRect.Left + x, close->BoundsRect.Top + y) == ToColorRef(expected));
            }
        CHECK(opaque > 0);
    }
}

TEST_CASE("Quorlen's skin: a long caption ends before the caption buttons")
{
    const std::vector<uint8_t> package = QuorlenPackage();
    if (package.empty()) {
        MESSAGE("Quorlen's skin is not packed in this build; skipped");
        return;
    }
    TRuntimeFixture f(package);
    TForm form(nullptr);
    HWND w = MainLikeForm(f, form);
    TWinSkinForm& frame = *f.Frame(w);
    form.SetCaption(std::wstring(90, L'成') + L"语词典的一个很长的标题");
    Pump();
    const SIZE size = WindowSize(w);
    const TSkinRect text = frame.CaptionTextRect;
    CHECK(text.Right == size.cx - frame.Metrics.Right - f.Data().Title.RightWidth);
    int leftmostButton = size.cx;
    for (auto& b : frame.Buttons)
        if (b->Visible && b->Def.Align == 1)
            leftmostButton = std::min(leftmostButton, b->BoundsRect.Left);
    CHECK(text.Right <= leftmostButton);
    // Between the cut and the buttons lies only the caption strip.
    const TSkinImage& top = f.Data().BorderTop.Bitmap;
    const int strip = size.cx - frame.Metrics.Left - frame.Metrics.Right;
    for (int x = text.Right; x < leftmostButton; ++x) {
        const int source = static_cast<int>(static_cast<int64_t>(x - frame.Metrics.Left) * top.Width() / strip);
        for (int y = text.Top; y < text.Bottom; ++y)
            REQUIRE(ScreenPixel(w, x, y) == ToColorRef(top.Pixel(source, y)));
    }
}
