// The frame's arithmetic: border widths from the images, the client
// rectangle, caption-button visibility and placement, the caption text's
// place and cut, three-slice drawing and the opaque rectangles of a mask.
#include <doctest/doctest.h>

#include "ui/skin/frame_layout.h"
#include "ui/skin/skin_platform.h"

namespace {

TDataSkinSysButton Button(int action, int align, int x, int y, int vis, int vis1, int width = 96, int height = 18,
                          int frame = 4)
{
    TDataSkinSysButton b{"BUTTON"};
    b.Action = action;
    b.Align = align;
    b.Xcoord = x;
    b.Ycoord = y;
    b.Visibility = vis;
    b.Visibility1 = vis1;
    b.Frame = frame;
    b.Bitmap = TSkinImage(width, height, Rgb(1, 2, 3));
    return b;
}

TFrameFacts MainWindowFacts()
{
    TFrameFacts f;
    f.Active = true;
    f.SysMenu = true;
    f.MinBox = true;
    f.BorderKind = bkFixed;
    return f;
}

} // namespace

TEST_CASE("frame metrics are the border images' cell sizes")
{
    TFixedSkinPlatform platform;
    TSkinData skin(platform);
    skin.BorderLeft.Bitmap = TSkinImage(12, 40);
    skin.BorderLeft.Frame = 2;
    skin.BorderRight.Bitmap = TSkinImage(7, 40);
    skin.BorderRight.Frame = 1;
    skin.BorderTop.Bitmap = TSkinImage(40, 56);
    skin.BorderTop.Frame = 2;
    skin.BorderBottom.Bitmap = TSkinImage(40, 10);
    skin.BorderBottom.Frame = 2;

    CHECK(FrameMetricsFromSkin(skin, bkFixed, 0) == TFrameMetrics{6, 28, 7, 5, 0});
    CHECK(FrameMetricsFromSkin(skin, bkSizeable, 19).MenuBar == 19);
    SUBCASE("a borderless window has no frame and no menu strip")
    {
        CHECK(FrameMetricsFromSkin(skin, bkNone, 19) == TFrameMetrics{});
    }
    SUBCASE("a cell count of 0 or less counts as one cell")
    {
        skin.BorderTop.Frame = 0;
        skin.BorderLeft.Frame = -3;
        const TFrameMetrics m = FrameMetricsFromSkin(skin, bkFixed, 0);
        CHECK(m.Caption == 56);
        CHECK(m.Left == 12);
    }
}

TEST_CASE("the client rectangle lies inside the borders, never reversed")
{
    const TFrameMetrics m{6, 28, 7, 5, 19};
    CHECK(FrameClientRect(100, 50, 300, 200, m) == TSkinRect{106, 97, 393, 245});
    const TSkinRect tiny = FrameClientRect(0, 0, 10, 20, m);
    CHECK(tiny.Width() == 0);
    CHECK(tiny.Height() == 0);
}

TEST_CASE("condition codes of caption buttons")
{
    TFrameFacts f = MainWindowFacts();
    const TAskVisible never;
    CHECK(ConditionHolds(0, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(1, true, f, 0, never));
    CHECK(ConditionHolds(2, true, f, 0, never));
    CHECK(ConditionHolds(3, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(4, true, f, 0, never));
    CHECK(ConditionHolds(6, true, f, 0, never));
    CHECK(ConditionHolds(7, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(9, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(10, false, f, 0, never));
    CHECK(ConditionHolds(500, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(5, true, f, 0, never));
    CHECK_FALSE(ConditionHolds(3000, true, f, 0, never));

    SUBCASE("6 and 8: the first code also needs the system menu")
    {
        f.SysMenu = false;
        CHECK_FALSE(ConditionHolds(6, true, f, 0, never));
        CHECK(ConditionHolds(6, false, f, 0, never));
        CHECK_FALSE(ConditionHolds(8, true, f, 0, never));
        CHECK(ConditionHolds(8, false, f, 0, never));
    }
    SUBCASE("10: context help only without both boxes for the first code")
    {
        f.ContextHelp = true;
        CHECK_FALSE(ConditionHolds(10, true, f, 0, never));
        CHECK(ConditionHolds(10, false, f, 0, never));
        f.MinBox = false;
        CHECK(ConditionHolds(10, true, f, 0, never));
    }
    SUBCASE("200: a dialog frame that is not a dialog box")
    {
        f.BorderKind = bkDialog;
        CHECK(ConditionHolds(200, true, f, 0, never));
        f.DialogClass = true;
        CHECK_FALSE(ConditionHolds(200, true, f, 0, never));
    }
    SUBCASE("1000 to 2000 ask the window, for the first code only")
    {
        int asked = 0;
        const TAskVisible ask = [&](int code, int action) {
            ++asked;
            CHECK(code == 1500);
            CHECK(action == 77);
            return true;
        };
        CHECK(ConditionHolds(1500, true, f, 77, ask));
        CHECK_FALSE(ConditionHolds(1500, false, f, 77, ask));
        CHECK(asked == 1);
    }
}

TEST_CASE("visibility and enabling by action code")
{
    const TAskVisible never;
    TFrameFacts f = MainWindowFacts();
    CHECK(CaptionButtonShow(Button(0, 1, 32, 5, 0, 0), f, never).Visible);
    SUBCASE("close needs a system menu")
    {
        f.SysMenu = false;
        CHECK_FALSE(CaptionButtonShow(Button(0, 1, 32, 5, 0, 0), f, never).Visible);
    }
    SUBCASE("maximize shows beside minimize but is disabled without its box")
    {
        const TButtonShow max = CaptionButtonShow(Button(1, 1, 58, 5, 2, 6), f, never);
        CHECK(max.Visible);
        CHECK_FALSE(max.Enabled);
        f.MaxBox = true;
        CHECK(CaptionButtonShow(Button(1, 1, 58, 5, 2, 6), f, never).Enabled);
        f.Maximized = true;
        CHECK_FALSE(CaptionButtonShow(Button(1, 1, 58, 5, 2, 6), f, never).Visible);
        CHECK(CaptionButtonShow(Button(1, 1, 58, 5, 1, 6), f, never).Visible);
    }
    SUBCASE("minimize is enabled with its box and the system menu")
    {
        CHECK(CaptionButtonShow(Button(2, 1, 84, 5, 6, 0), f, never).Enabled);
        f.MinBox = false;
        f.MaxBox = true;
        const TButtonShow min = CaptionButtonShow(Button(2, 1, 84, 5, 6, 0), f, never);
        CHECK(min.Visible);
        CHECK_FALSE(min.Enabled);
    }
    SUBCASE("the icon is hidden on a dialog frame")
    {
        CHECK(CaptionButtonShow(Button(3, 0, 6, 6, 0, 0), f, never).Visible);
        f.BorderKind = bkDialog;
        CHECK_FALSE(CaptionButtonShow(Button(3, 0, 6, 6, 0, 0), f, never).Visible);
        CHECK_FALSE(CaptionButtonShow(Button(11, 0, 6, 6, 0, 0), f, never).Visible);
    }
    SUBCASE("a second code of 100 repeats the first")
    {
        CHECK(CaptionButtonShow(Button(50, 1, 32, 5, 0, 100), f, never).Visible);
        CHECK_FALSE(CaptionButtonShow(Button(50, 1, 32, 5, 4, 100), f, never).Visible);
    }
}

TEST_CASE("caption buttons are placed by their position kind")
{
    const TFrameMetrics m{6, 28, 7, 5, 20};
    const TSkinRect text{40, 4, 140, 20};
    CHECK(CaptionButtonRect(Button(3, 0, 9, 7, 0, 0, 16, 16, 1), 400, m, text, 0) == TSkinRect{9, 7, 25, 23});
    CHECK(CaptionButtonRect(Button(0, 1, 32, 5, 0, 0), 400, m, text, 0) == TSkinRect{368, 5, 392, 23});
    CHECK(CaptionButtonRect(Button(50, 2, 3, 5, 0, 0), 400, m, text, 0) == TSkinRect{13, 5, 37, 23});
    CHECK(CaptionButtonRect(Button(50, 8, 3, 5, 0, 0), 400, m, text, 0).Left == 13);
    CHECK(CaptionButtonRect(Button(50, 3, 3, 5, 0, 0), 400, m, text, 0) == TSkinRect{143, 5, 167, 23});
    CHECK(CaptionButtonRect(Button(50, 9, 3, 5, 0, 0), 400, m, text, 0).Left == 143);
    SUBCASE("kind 100 sits in the menu-bar strip, clear of the menu bar's left part")
    {
        const TSkinRect r = CaptionButtonRect(Button(7, 100, 42, 0, 100, 100, 64, 16), 400, m, text, 5);
        CHECK(r == TSkinRect{346, 30, 362, 46});
    }
}

TEST_CASE("button cells: inactive and disabled look, and the state cells")
{
    const TDataSkinSysButton four = Button(0, 1, 32, 5, 0, 0);
    CHECK(CaptionPaintCell(four, true, true) == 1);
    CHECK(CaptionPaintCell(four, false, true) == 4);
    CHECK(CaptionPaintCell(four, true, false) == 4);
    const TDataSkinSysButton three = Button(0, 1, 32, 5, 0, 0, 72, 18, 3);
    CHECK(CaptionPaintCell(three, false, false) == 1);

    CHECK(ButtonStateCell(four, 3, true) == 3);
    CHECK(ButtonStateCell(four, 2, true) == 2);
    CHECK(ButtonStateCell(four, 2, false) == 4);
    CHECK(ButtonStateCell(three, 2, false) == 1);
    TDataSkinSysButton mdi = Button(7, 100, 42, 0, 100, 100, 64, 16);
    CHECK(ButtonStateCell(mdi, 3, true) == 4);
}

TEST_CASE("hint texts by action")
{
    CHECK(CaptionButtonHint(0) == "Close");
    CHECK(CaptionButtonHint(62) == "Close");
    CHECK(CaptionButtonHint(22) == "Maximize");
    CHECK(CaptionButtonHint(60) == "Minimize");
    CHECK(CaptionButtonHint(61) == "Restore");
    CHECK(CaptionButtonHint(3).empty());
    CHECK(CaptionButtonHint(50).empty());
}

TEST_CASE("the caption text's rectangle")
{
    TDataSkinTitle title{"Title"};
    title.LeftWidth = 30;  // x offset
    title.TopHeight = 4;   // y offset
    title.RightWidth = 92; // right offset
    TCaptionTextInput in;
    in.Strip = {6, 0, 394, 28};
    in.TextWidth = 100;
    in.TextHeight = 14;
    in.Title = &title;

    SUBCASE("left aligned at the x offset, centred vertically plus half the y offset")
    {
        CHECK(CaptionTextRect(in) == TSkinRect{36, 9, 136, 23});
    }
    SUBCASE("centred and right aligned")
    {
        title.TextAlignment = 1;
        CHECK(CaptionTextRect(in).Left == 6 + (388 - 100) / 2);
        title.TextAlignment = 2;
        CHECK(CaptionTextRect(in).Left == 6 + 388 - 92 - 100);
    }
    SUBCASE("a long text is cut at the title's right offset")
    {
        in.TextWidth = 1000;
        CHECK(CaptionTextRect(in).Right == 394 - 92);
    }
    SUBCASE("a pop-up window cuts it before the right-hand buttons")
    {
        in.TextWidth = 1000;
        in.Popup = true;
        in.RightExtent = 32;
        CHECK(CaptionTextRect(in).Right == 394 - 32 - 5);
        in.RightExtent = 5;
        CHECK(CaptionTextRect(in).Right == 394);
    }
    SUBCASE("a dialog frame moves a left-aligned text 16 to the left")
    {
        in.BorderKind = bkDialog;
        CHECK(CaptionTextRect(in).Left == 36 - 16);
    }
    SUBCASE("right to left: from the right, clear of the buttons, and 10 further right")
    {
        in.RightToLeft = true;
        in.RightExtent = 32;
        CHECK(CaptionTextRect(in).Left == 6 + 388 - 32 - 100 + 10);
        in.TextWidth = 1000;
        CHECK(CaptionTextRect(in).Left == 6 + 30 + 10);
    }
    SUBCASE("the title background's padding widens the rectangle and the text stays inside it")
    {
        title.TXTBackleft = 5;
        title.TXTBackRight = 7;
        const TSkinRect r = CaptionTextRect(in);
        CHECK(r.Width() == 112);
        CHECK(CaptionTextInner(r, title) == TSkinRect{r.Left + 5, r.Top, r.Right - 7, r.Bottom});
    }
}

TEST_CASE("three-slice drawing keeps the ends and stretches the middle")
{
    TSkinImage source(10, 4);
    source.FillRect({0, 0, 2, 4}, Rgb(255, 0, 0));
    source.FillRect({2, 0, 7, 4}, Rgb(0, 255, 0));
    source.FillRect({7, 0, 10, 4}, Rgb(0, 0, 255));
    // Two stacked cells: the second is magenta everywhere.
    TSkinImage stacked(10, 8, kClMagenta);
    stacked.CopyFrom(source, {0, 0, 10, 4}, 0, 0);

    TSkinImage target(40, 6, Rgb(9, 9, 9));
    ComposeThreeSlice(target, {5, 1, 35, 5}, stacked, true, false, 2, 1, 2, 3);
    CHECK(target.Pixel(4, 2) == Rgb(9, 9, 9));
    CHECK(target.Pixel(5, 2) == Rgb(255, 0, 0));
    CHECK(target.Pixel(6, 4) == Rgb(255, 0, 0));
    CHECK(target.Pixel(7, 2) == Rgb(0, 255, 0));
    CHECK(target.Pixel(31, 2) == Rgb(0, 255, 0));
    CHECK(target.Pixel(32, 2) == Rgb(0, 0, 255));
    CHECK(target.Pixel(34, 1) == Rgb(0, 0, 255));
    CHECK(target.Pixel(20, 0) == Rgb(9, 9, 9));

    SUBCASE("transparent: the magenta cell leaves the target as it was")
    {
        ComposeThreeSlice(target, {5, 1, 35, 5}, stacked, true, true, 2, 2, 2, 3);
        CHECK(target.Pixel(20, 2) == Rgb(0, 255, 0));
    }
    SUBCASE("a target narrower than both ends drops them")
    {
        TSkinImage narrow(4, 4, 0);
        ComposeThreeSlice(narrow, {0, 0, 4, 4}, stacked, true, false, 2, 1, 2, 3);
        CHECK(narrow.Pixel(0, 0) == Rgb(255, 0, 0));
        CHECK(narrow.Pixel(3, 0) == Rgb(0, 0, 255));
    }
}

TEST_CASE("opaque rectangles of a mask merge equal rows")
{
    TSkinImage image(8, 6, Rgb(1, 1, 1));
    // A rounded top-left corner and a magenta hole in the last row.
    image.FillRect({0, 0, 3, 1}, kClMagenta);
    image.FillRect({0, 1, 1, 2}, kClMagenta);
    image.FillRect({4, 5, 6, 6}, kClMagenta);
    const std::vector<TSkinRect> rects = OpaqueRects(image, 10, 20);
    REQUIRE(rects.size() == 5);
    CHECK(rects[0] == TSkinRect{13, 20, 18, 21});
    CHECK(rects[1] == TSkinRect{11, 21, 18, 22});
    CHECK(rects[2] == TSkinRect{10, 22, 18, 25});
    CHECK(rects[3] == TSkinRect{10, 25, 14, 26});
    CHECK(rects[4] == TSkinRect{16, 25, 18, 26});

    int area = 0;
    for (const TSkinRect& r : rects)
        area += r.Width() * r.Height();
    CHECK(area == 48 - 4 - 2);
    CHECK(OpaqueRects(TSkinImage(3, 3, kClMagenta)).empty());
    CHECK(OpaqueRects(TSkinImage()).empty());
}
