// The skin component: every reading rule, the generated images, the colour
// tables and the component's life (stored skin, SkinFile, Loaded).
#include <doctest/doctest.h>

#include <fstream>

#include "tests/skin/skin_fixture.h"
#include "tests/support/temp_dir.h"
#include "ui/skin/skin3rd_defaults.h"

namespace {

// Every element of the element table with an image of its own colour.
const std::string kFullIni = R"([TitlebarSkin]
SkinName=Full
[Personality]
Top=top.bmp
TopTopHeight=8
TopBotHeight=9
TopFrame=2
Left=left.bmp
LeftTopHeight=5
LeftBotHeight=6
LeftFrame=2
LeftStretch=3
LeftTrans=0
menuBar=menubar.bmp
TileMenu=4
TextShift=30
TextShiftVert=2
TextRightClip=90
TextAlignment=1
ActiveTextR=250
ActiveTextG=240
ActiveTextB=230
InActiveTextR=1
InActiveTextG=-1
[Fonts]
FontHeight=12
[Progress]
Bitmap=progress.bmp
Tile=5
[Progress.Chunk]
Image=chunk.bmp
Frame=3
[GroupBoxEdge]
Image=generic.bmp
[GroupBox]
Image=generic.bmp
Frame=9
BackgroundAlignment=2
BackgroundLeftShift=3
BackgroundRightShift=4
[Tabs]
Image=generic.bmp
Border=second.bmp
[StatusBarEdges]
Image=generic.bmp
[Tab.Pane]
Image=generic.bmp
LeftWidth=6
TopHeight=2
RightWidth=5
BottomHeight=4
[ToolBars]
Image=generic.bmp
Tile=5
[ExtraImages]
Image=generic.bmp
[Headerbar]
Image=generic.bmp
[MenuItem]
Image=generic.bmp
[MenuBackground]
Image=generic.bmp
[Scrollbar]
Image=generic.bmp
[HorzScroll]
Image=generic.bmp
[VertScroll]
Image=generic.bmp
[HorzScrollThumb]
Image=generic.bmp
[VertScrollThumb]
Image=generic.bmp
FrameCount=4
[Trackbar.ThumbHorz]
Image=generic.bmp
[Trackbar.ThumbVert]
Image=generic.bmp
[Trackbar.ThumbLeft]
Image=generic.bmp
[Trackbar.ThumbRight]
Image=generic.bmp
[Trackbar.ThumbUp]
Image=generic.bmp
[Trackbar.ThumbDown]
Image=generic.bmp
[UpDown.Horz]
Image=generic.bmp
GlyphImage=second.bmp
Frame=2
[UpDown.Vert]
Image=generic.bmp
[Track]
Image=generic.bmp
Frame=3
)";

std::map<std::string, TSkinImage> FullBitmaps()
{
    return {{"top.bmp", CellStrip(1, 60, 60, Rgb(40, 60, 80))},
            {"left.bmp", CellStrip(2, 4, 30, Rgb(100, 0, 0))},
            {"menubar.bmp", CellStrip(2, 10, 20)},
            {"progress.bmp", CellStrip(2, 10, 10)},
            {"chunk.bmp", CellStrip(3, 5, 10)},
            {"generic.bmp", CellStrip(5, 8, 8, Rgb(0, 100, 0))},
            {"second.bmp", CellStrip(1, 4, 4, Rgb(0, 0, 200))}};
}

} // namespace

TEST_CASE("every element gets its class, its image and the cell count of its rule")
{
    TSkinFixture f;
    REQUIRE(f.Load(kFullIni, FullBitmaps()));
    TSkinData& d = f.data;
    CHECK(d.SkinName == "Full");

    REQUIRE(d.Progress);
    CHECK(d.Progress->Frame == 2);  // Style 0
    CHECK(d.Progress->Tile == 1);   // 5 becomes 1 for the progress bar
    CHECK(d.Progress->NormalColour == 0);  // the progress rule reads no colours
    CHECK(d.ProgressChunk->Frame == 3);
    CHECK(d.ProgressChunk->Bitmap.Width() == 15);
    REQUIRE(d.MenuBar);
    CHECK(d.MenuBar->Name == "Personality");
    CHECK(d.MenuBar->Frame == 2);
    CHECK(d.MenuBar->Tile == 1);
    CHECK(d.MenuBar->LeftWidth == 1);
    CHECK(d.MenuBar->RightWidth == 1);
    CHECK(d.GroupBoxEdge->Frame == 2);
    REQUIRE(d.GroupBox);
    CHECK(d.GroupBox->Frame == 1);
    CHECK(d.GroupBox->BackgroundAlignment == 2);
    CHECK(d.GroupBox->BackgroundLeftShift == 3);
    CHECK(d.GroupBox->BackgroundRightShift == 4);
    REQUIRE(d.Tabs);
    CHECK(d.Tabs->Frame == 5);
    CHECK(d.Tabs->Bitmap2.Pixel(0, 0) == Rgb(0, 0, 200));
    CHECK(d.StatusBarEdges->Frame == 3);
    CHECK(d.TabPane->Frame == 1);
    CHECK(d.TabPane->Margins().Left == 4);  // margins above 4 are cut to 4
    CHECK(d.TabPane->Margins().Top == 2);
    CHECK(d.TabPane->Margins().Right == 4);
    CHECK(d.TabPane->Margins().Bottom == 4);
    CHECK(d.ToolBars->Frame == 5);
    CHECK(d.ToolBars->Tile == 0);  // 5 becomes 0 for an object-rule element
    CHECK_FALSE(d.ComboButton);
    CHECK_FALSE(d.SunkEdge);
    CHECK(d.ExtraImages->Frame == 5);
    CHECK(d.Headerbar->Frame == 5);
    CHECK(d.MenuItem->Frame == 5);
    CHECK(d.MenuBackground->Frame == 1);
    CHECK(d.Scrollbar->Frame == 23);
    CHECK(d.HorzScroll->Frame == 4);
    CHECK(d.VertScroll->Frame == 4);
    CHECK(d.HorzScrollThumb->Frame == 3);
    CHECK(d.VertScrollThumb->Frame == 4);
    for (auto* thumb : {&d.TrackThumbHorz, &d.TrackThumbVert, &d.TrackThumbLeft, &d.TrackThumbRight,
                        &d.TrackThumbUp, &d.TrackThumbDown}) {
        REQUIRE(*thumb);
        CHECK((*thumb)->Frame == 5);
    }
    CHECK(d.UpDownHorz->Frame == 8);
    CHECK(d.UpDownHorz->Bitmap2.Width() == 4);
    CHECK(d.UpDownVert->Bitmap2.Empty());
    CHECK(d.Track->Frame == 3);
    CHECK(d.Track->Name == "Track");
    CHECK(d.Track->Bitmap.Width() == 40);
    CHECK(d.Buttons.Frame == 5);
    CHECK(d.Title.Frame == 2);
    // Object-rule colours: integers default -1, colour texts slot 4.
    CHECK(d.Headerbar->NormalColour == -1);
    CHECK(d.Headerbar->NormalColour2 == SysColourRef(COLOUR_BTNTEXT));
    CHECK_FALSE(d.SkinEmpty);
}

TEST_CASE("window borders and the title from section Personality")
{
    TSkinFixture f;
    REQUIRE(f.Load(kFullIni, FullBitmaps()));
    TSkinData& d = f.data;
    CHECK(d.BorderTop.LeftWidth == 8);
    CHECK(d.BorderTop.RightWidth == 9);
    CHECK(d.BorderTop.TopHeight == 0);
    CHECK(d.BorderTop.Frame == 2);
    CHECK(d.BorderTop.Tile == 1);
    CHECK(d.BorderTop.Trans == 1);
    CHECK(d.BorderLeft.TopHeight == 5);
    CHECK(d.BorderLeft.BottomHeight == 6);
    CHECK(d.BorderLeft.LeftWidth == 0);
    CHECK(d.BorderLeft.Tile == 1);  // 3 becomes 1
    CHECK(d.BorderLeft.Trans == 0);
    CHECK(d.BorderLeft.Bitmap.Width() == 8);
    CHECK(d.BorderRight.Bitmap.Empty());
    CHECK(d.BorderRight.Frame == 1);

    CHECK(d.Title.LeftWidth == 30);
    CHECK(d.Title.TopHeight == 2);
    CHECK(d.Title.RightWidth == 90);
    CHECK(d.Title.TextAlignment == 1);
    CHECK(d.Title.FontHeight == 12);
    CHECK(d.Title.ActiveText == Rgb(250, 240, 230));
    CHECK(d.Title.InActiveText == kTitleColourUnset);  // one of its three keys is missing
}

TEST_CASE("bitmap names: the name after the last separator, lower-case .bmp only")
{
    const std::map<std::string, TSkinImage> bitmaps{{"top.bmp", CellStrip(1, 6, 6)}};
    auto topWidth = [&](const std::string& value) {
        TSkinFixture f;
        REQUIRE(f.Load("[Personality]\nTop=" + value + "\n", bitmaps));
        return f.data.BorderTop.Bitmap.Width();
    };
    CHECK(topWidth("top.bmp") == 6);
    CHECK(topWidth("skins\\top.bmp") == 6);
    CHECK(topWidth("C:top.bmp") == 6);
    CHECK(topWidth("Top.bmp") == 6);    // the archive lookup ignores case
    CHECK(topWidth("TOP.BMP") == 0);    // the extension does not
    CHECK(topWidth("top.bmp.txt") == 0);
    CHECK(topWidth("top") == 0);
    CHECK(topWidth("skins\\") == 0);
    CHECK(topWidth("other.bmp") == 0);  // not in the archive
}

TEST_CASE("an empty Image leaves the element absent")
{
    TSkinFixture f;
    REQUIRE(f.Load("[Headerbar]\nImage=\nFrame=3\n[MenuItem]\nFrame=3\n[Track]\nImage=missing.bmp\n"));
    CHECK_FALSE(f.data.Headerbar);
    CHECK_FALSE(f.data.MenuItem);
    // A named file that is missing still makes the element, with an empty image.
    REQUIRE(f.data.Track);
    CHECK(f.data.Track->Name == "Track");
    CHECK(f.data.Track->Bitmap.Empty());
}

TEST_CASE("without Track the built-in track images are used")
{
    TSkinFixture f;
    REQUIRE(f.Load("[TitlebarSkin]\nSkinName=bare\n"));
    REQUIRE(f.data.Track);
    CHECK(f.data.Track->Name == "TRACK");
    CHECK(f.data.Track->Bitmap.Width() == 16);
    CHECK(f.data.Track->Bitmap.Height() == 4);
    CHECK(f.data.Track->Bitmap == BuiltinTrackBitmap("TRACK"));
    CHECK(f.data.Track->Margins().Left == 3);
    CHECK(f.data.Track->Margins().Bottom == 3);
    CHECK(f.data.Track->Frame == 1);
    CHECK(f.data.Track->Tile == 0);
    REQUIRE(f.data.TrackVert);
    CHECK(f.data.TrackVert->Bitmap.Width() == 4);
    CHECK(f.data.TrackVert->Bitmap.Height() == 16);
    // The vertical image is the horizontal one turned on its side.
    CHECK(f.data.TrackVert->Bitmap.Pixel(1, 5) == f.data.Track->Bitmap.Pixel(5, 1));
}

TEST_CASE("caption buttons: which sections count and how their cells are cut")
{
    const std::string ini = R"([Button.Close]
Action=0
Align=1
Xcoord=30
ButtonImage=wide.bmp
[Button.Max]
Action=1
Visibility=2
Xcoord=56
Ycoord=5
ButtonImage=narrow.bmp
[Button.Help]
Action=4
Xcoord=999
ButtonImage=wide.bmp
frame=4
[Button.Icon]
Action=3
ButtonImage=narrow.bmp
[Button.Hidden]
Action=-1
ButtonImage=wide.bmp
[Button5]
Action=-1
Visibility=0
ButtonImage=narrow.bmp
[Button.Negative]
Action=-2
ButtonImage=narrow.bmp
[Button.Blank]
Action=7
[Buttons]
[Button]
[BUTTON.RADIO]
[Button.CheckBox]
)";
    TSkinFixture f;
    REQUIRE(f.Load(ini, {{"wide.bmp", CellStrip(1, 100, 20)}, {"narrow.bmp", CellStrip(1, 60, 20)}}));
    const auto& b = f.data.SysButtons;
    REQUIRE(b.size() == 7 + 3);
    CHECK(b[0]->Name == "BUTTON.CLOSE");
    CHECK(b[0]->Frame == 6);  // 100 x 20: ratio 5
    CHECK(b[1]->Frame == 3);  // 60 x 20: ratio 3
    CHECK(b[2]->Name == "BUTTON.HELP");
    CHECK(b[2]->Frame == 4);  // written explicitly
    CHECK(b[2]->Xcoord == 56);  // the help button sits where maximize is
    CHECK(b[2]->Ycoord == 5);
    CHECK(b[3]->Action == 3);
    CHECK(b[3]->Bitmap.Empty());  // the icon button shows the program's icon
    CHECK(b[4]->Name == "BUTTON5");
    CHECK(b[4]->Frame == 6);       // a negative action always 6
    CHECK(b[4]->Visibility1 == -1);
    CHECK(b[5]->Frame == 6);
    CHECK(b[6]->Frame == 6);  // no image
    CHECK(b[6]->CombineOp == -1);
    CHECK(b[0]->Visibility1 == 0);
    for (int i = 0; i < 3; ++i) {
        const auto& mdi = *b[7 + static_cast<size_t>(i)];
        CHECK(mdi.Action == 7 + i);
        CHECK(mdi.Align == 100);
        CHECK(mdi.Visibility == 100);
        CHECK(mdi.Visibility1 == 100);
        CHECK(mdi.Frame == 4);
        CHECK(mdi.Bitmap.Empty());
    }
}

TEST_CASE("a help button before any maximize button sits at (0, 0)")
{
    TSkinFixture f;
    REQUIRE(f.Load("[Button.Help]\nAction=4\nXcoord=40\nYcoord=3\n[Button.Max]\nAction=1\nVisibility=2\nXcoord=56\n"));
    CHECK(f.data.SysButtons[0]->Xcoord == 0);
    CHECK(f.data.SysButtons[0]->Ycoord == 0);
}

TEST_CASE("MDI child buttons take four cells each of the MDICONTROLS strip")
{
    TSkinFixture f;
    REQUIRE(f.Load("[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", CellStrip(12, 10, 16)}}));
    REQUIRE(f.data.SysButtons.size() == 3);
    const int xcoords[3] = {42, 28, 14};
    for (int i = 0; i < 3; ++i) {
        const auto& mdi = *f.data.SysButtons[static_cast<size_t>(i)];
        CHECK(mdi.Bitmap.Width() == 40);
        CHECK(mdi.Bitmap.Height() == 16);
        CHECK(mdi.Xcoord == xcoords[i]);
        // cells 4i .. 4i + 3 of the strip
        CHECK(mdi.Bitmap.Pixel(0, 0) == Rgb(10, 20, 30) + static_cast<TColour>(4 * i));
        CHECK(mdi.Bitmap.Pixel(39, 15) == Rgb(10, 20, 30) + static_cast<TColour>(4 * i + 3));
    }
}

TEST_CASE("check and radio cells: 13 or 16 pixels a cell, never fewer than 4")
{
    auto frames = [](int rw, int rh, int cw, int ch, const std::string& extra = "") {
        TSkinFixture f;
        REQUIRE(f.Load("[Buttons]\nRadioButton=r.bmp\nCheckButton=c.bmp\n" + extra,
                       {{"r.bmp", TSkinImage(rw, rh)}, {"c.bmp", TSkinImage(cw, ch)}}));
        return std::pair{f.data.Buttons.RadioButtonFrame, f.data.Buttons.CheckButtonFrame};
    };
    CHECK(frames(52, 13, 128, 16) == std::pair{4, 8});
    CHECK(frames(32, 16, 130, 13) == std::pair{4, 10});
    CHECK(frames(104, 13, 10, 10, "RadioButtonFrame=6\n") == std::pair{6, 4});
}

TEST_CASE("the Buttons rule: images, margins, text colours and their flags")
{
    TSkinFixture f;
    REQUIRE(f.Load("[Buttons]\nBitmap=b.bmp\nLeftWidth=3\nTopHeight=4\nRightWidth=5\nBottomHeight=6\nTrans=1\n"
                   "Tile=2\nNormalColour=7\nNormalColour2=1 2 3\nPressedColour2=\n[Buttons]\nMouseOverColour2=9 9 9\n",
                   {{"b.bmp", CellStrip(5, 20, 22)}}));
    const TDataSkinButton& b = f.data.Buttons;
    CHECK(b.Bitmap.Width() == 100);
    CHECK(b.LeftWidth == 3);
    CHECK(b.BottomHeight == 6);
    CHECK(b.Trans == 1);
    CHECK(b.Tile == 0);
    CHECK(b.NormalColour == 7);
    CHECK(b.MouseOverColour == -1);
    CHECK(b.HasNormalColour2 == 1);
    CHECK(b.HasMouseOverColour2 == 0);  // the second [Buttons] is never read
    CHECK(b.HasPressedColour2 == 0);
    CHECK(b.NormalColour2 == Rgb(1, 2, 3));
    CHECK(b.PressedColour2 == SysColourRef(COLOUR_BTNTEXT));
}

TEST_CASE("the colour pass: given colours, system defaults, extra and custom colours")
{
    TSkinFixture f;
    REQUIRE(f.Load("[Colours]\nButtonFace=200 190 180\nWindowText=\nHilight=1,2,3\n"
                   "[Colour1]\ncolor=10 20 30\n[ColourLink]\n[Colours2]\ncolor=7 7 7\n"
                   "[Customcolors]\nColor0=1 1 1\nColor9=9 9 9\n"));
    const TSkinData& d = f.data;
    CHECK(d.SkinColours[SC_BUTTONFACE] == Rgb(200, 190, 180));
    CHECK(d.ColourGiven[SC_BUTTONFACE]);
    CHECK(d.SkinColours[SC_MENUBAR] == Rgb(200, 190, 180));  // follows the face colour
    CHECK_FALSE(d.ColourGiven[SC_MENUBAR]);
    CHECK(d.SkinColours[SC_WINDOWTEXT] == SysColourRef(COLOUR_WINDOWTEXT));
    CHECK_FALSE(d.ColourGiven[SC_WINDOWTEXT]);
    CHECK(d.SkinColours[SC_HILIGHT] == Rgb(1, 2, 3));
    CHECK(d.SkinColours[SC_BUTTONDKSHADOW] == SysColourRef(COLOUR_3DDKSHADOW));
    CHECK(d.SkinColours[SC_TITLETEXTNOACTIVE] == SysColourRef(COLOUR_INACTIVECAPTIONTEXT));
    CHECK(d.ExtraColours == std::vector<TColour>{Rgb(10, 20, 30), SysColourRef(COLOUR_WINDOWTEXT), Rgb(7, 7, 7)});
    CHECK(d.CustomColours[0] == Rgb(1, 1, 1));
    CHECK(d.CustomColours[5] == kClWhite);
    CHECK(d.CustomColours[9] == Rgb(9, 9, 9));
    // Without a "Top" image the border colour is the face colour.
    CHECK(d.SkinColours[SC_BORDER] == Rgb(200, 190, 180));
    REQUIRE(d.FaceBrush);
    CHECK(d.FaceBrush->Colour() == Rgb(200, 190, 180));
}

TEST_CASE("border colour and the generated toolbar gradient")
{
    // The Top image's pixel at (width / 3, (height / frames) / 3).
    TSkinImage top(30, 24, Rgb(1, 1, 1));
    top.SetPixel(10, 4, Rgb(30, 60, 90));
    TSkinFixture f;
    REQUIRE(f.Load("[Personality]\nTop=top.bmp\nTopFrame=2\n[Colours]\nButtonFace=100 100 100\n",
                   {{"top.bmp", top}}));
    CHECK(f.data.SkinColours[SC_BORDER] == Rgb(30, 60, 90));
    REQUIRE(f.data.Toolbar);
    const TSkinImage& bar = f.data.Toolbar->Bitmap;
    CHECK(bar.Width() == 10);
    CHECK(bar.Height() == 40);
    CHECK(f.data.Toolbar->Frame == 1);
    // start = Blend(face, white, 150). A dull border scores 200, so the end
    // is the border lightened: weight (225 - 200) * 25 / 140 + 50 = 54.
    const TColour start = Rgb(232, 232, 232);
    const TColour end = Blend(Rgb(30, 60, 90), kClWhite, 54, f.platform);
    CHECK(end == Rgb(134, 150, 166));
    CHECK(bar.Pixel(0, 0) == start);
    CHECK(bar.Pixel(9, 39) == GradientLines(40, start, end).back());
    CHECK(bar.Pixel(5, 20) == GradientLines(40, start, end)[20]);

    // A strongly coloured border lightens the end of the gradient instead.
    TSkinImage red(3, 3, Rgb(220, 20, 20));
    TSkinFixture g;
    REQUIRE(g.Load("[Personality]\nTop=top.bmp\n", {{"top.bmp", red}}));
    // score 232: weight (225 - 232) * 25 / 140 + 50 = 49 (percent)
    const TColour redStart = Blend(SysColourRef(COLOUR_BTNFACE), kClWhite, 150, g.platform);
    const TColour redEnd = Blend(Rgb(220, 20, 20), kClWhite, 49, g.platform);
    CHECK(g.data.Toolbar->Bitmap.Pixel(0, 39) == GradientLines(40, redStart, redEnd).back());
}

TEST_CASE("a Top border with no cells or negative cells is read as one cell")
{
    for (const char* frames : {"0", "-3"}) {
        TSkinImage top(9, 9, Rgb(5, 5, 5));
        top.SetPixel(3, 3, Rgb(77, 77, 77));  // (9 / 3, (9 / 1) / 3)
        TSkinFixture f;
        REQUIRE(f.Load(std::string("[Personality]\nTop=top.bmp\nTopFrame=") + frames + "\n", {{"top.bmp", top}}));
        CHECK(f.data.BorderTop.Frame == std::stoi(frames));
        CHECK(f.data.SkinColours[SC_BORDER] == Rgb(77, 77, 77));
    }
}

TEST_CASE("the combo-edit composite and the arrow cut from it")
{
    // SunkEdge: 4 cells of 10 x 21 in grey tones; ComboButton: 4 cells 17 x 21
    // in blue tones; ExtraImages: 5 cells 7 x 4, magenta around a black mark.
    TSkinImage sunk = CellStrip(4, 10, 21, Rgb(120, 120, 120));
    TSkinImage button = CellStrip(4, 17, 21, Rgb(0, 0, 150));
    TSkinImage glyph(35, 4, kClMagenta);
    for (int i = 0; i < 5; ++i)
        glyph.SetPixel(i * 7 + 3, 2, Rgb(0, 0, static_cast<unsigned>(i)));
    TSkinFixture f;  // SM_CXHSCROLL 17: the button is 19 wide
    REQUIRE(f.Load("[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\nTrans=1\n"
                   "[ComboButton]\nImage=button.bmp\n[ExtraImages]\nImage=glyph.bmp\n",
                   {{"sunk.bmp", sunk}, {"button.bmp", button}, {"glyph.bmp", glyph}}));
    const TSkinData& d = f.data;
    REQUIRE(d.ComboButton);
    REQUIRE(d.SunkEdge);
    const TSkinImage& strip = d.ComboButton->Bitmap;
    CHECK(strip.Width() == 200);
    CHECK(strip.Height() == 21);
    CHECK(d.ComboButton->Style == 2);
    CHECK(d.ComboButton->LeftWidth == 2);
    CHECK(d.ComboButton->RightWidth == 21);
    CHECK(d.ComboButton->TopHeight == 2);
    // The original button image, mirrored, is kept as the second image.
    CHECK(d.ComboButton->Bitmap2.Width() == 68);
    CHECK(d.ComboButton->Bitmap2.Pixel(0, 0) == Rgb(0, 0, 150) + 3);
    for (int b = 0; b < 4; ++b) {
        CAPTURE(b);
        const int x0 = 50 * b;
        CHECK(strip.Pixel(x0 + 0, 10) == Rgb(120, 120, 120) + static_cast<TColour>(b));  // edge
        CHECK(strip.Pixel(x0 + 10, 10) == kClMagenta);                                    // cleared middle
        CHECK(strip.Pixel(x0 + 35, 1) == Rgb(0, 0, 150) + static_cast<TColour>(b));       // button
        // glyph cell b centred in (31, 0, 50, 21): x 31 + 6 + 3, y 8 + 2
        CHECK(strip.Pixel(x0 + 40, 10) == Rgb(0, 0, static_cast<unsigned>(b)));
    }
    // The edit's own strip is the same, mirrored, with its margins swapped round.
    CHECK(d.SunkEdge->Bitmap.Pixel(199 - 35, 1) == Rgb(0, 0, 150));
    CHECK(d.SunkEdge->LeftWidth == 21);
    CHECK(d.SunkEdge->RightWidth == 2);

    REQUIRE(d.ComboxArrow);
    CHECK(d.ComboxArrow->Frame == 4);
    CHECK(d.ComboxArrow->Bitmap.Width() == 68);
    CHECK(d.ComboxArrow->Bitmap.Height() == 17);
    for (int i = 0; i < 4; ++i)  // from (50 (i + 1) - 19, 2)
        CHECK(d.ComboxArrow->Bitmap.Pixel(17 * i, 0) == strip.Pixel(50 * (i + 1) - 19, 2));
}

TEST_CASE("without SunkEdge the combo arrow is the button image on the face colour")
{
    TSkinImage button = CellStrip(4, 5, 5, Rgb(0, 50, 0));
    button.SetPixel(0, 0, kClMagenta);
    TSkinFixture f;
    REQUIRE(f.Load("[ComboButton]\nImage=button.bmp\n", {{"button.bmp", button}}));
    REQUIRE(f.data.ComboxArrow);
    CHECK(f.data.ComboxArrow->Frame == 4);
    CHECK(f.data.ComboxArrow->Bitmap.Pixel(0, 0) == f.platform.SysColour(COLOUR_BTNFACE));
    CHECK(f.data.ComboxArrow->Bitmap.Pixel(1, 0) == Rgb(0, 50, 0));
    CHECK(f.data.ComboButton->Style == 0);
}

TEST_CASE("an archive without a description gives every default")
{
    TSkinFixture f;
    REQUIRE(f.Load(PackSkinArchive(WriteSkinArchive({{"top.bmp", EncodeBitmapFile(CellStrip(1, 4, 4))}}))));
    const TSkinData& d = f.data;
    CHECK_FALSE(d.SkinEmpty);
    CHECK(d.BorderTop.Bitmap.Empty());
    CHECK(d.BorderTop.Frame == 1);
    CHECK_FALSE(d.Headerbar);
    CHECK(d.SysButtons.size() == 3);
    CHECK(d.SkinColours[SC_BUTTONFACE] == SysColourRef(COLOUR_BTNFACE));
    CHECK(d.Title.FontHeight == 14);
    REQUIRE(d.Toolbar);
    CHECK(d.Toolbar->Bitmap.Pixel(0, 0) == Blend(SysColourRef(COLOUR_BTNFACE), kClWhite, 150, f.platform));
}

TEST_CASE("the stored skin: reading and writing SkinStream")
{
    TSkinFixture f;
    const auto package = MakePackage("[TitlebarSkin]\nSkinName=Stored\n");
    f.data.ReadSkinStream(SkinStreamBytes(package));
    CHECK(f.data.SkinName == "Stored");
    TMemoryStream written;
    f.data.WriteSkinStream(written);
    CHECK(std::vector<uint8_t>(written.Memory(), written.Memory() + written.Size()) == SkinStreamBytes(package));

    // N of 0 or less: nothing is stored and nothing loaded.
    TSkinFixture g;
    g.data.ReadSkinStream(std::vector<uint8_t>{0, 0, 0, 0});
    CHECK(g.data.SkinEmpty);
    CHECK(g.data.StoredSkin().Size() == 0);
    g.data.ReadSkinStream(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
    CHECK(g.data.StoredSkin().Size() == 0);
    CHECK(g.platform.MessageCount == 0);

    // In the designer the bytes are kept but not loaded.
    TSkinFixture h;
    h.data.Designing = true;
    h.data.ReadSkinStream(SkinStreamBytes(package));
    CHECK(h.data.SkinEmpty);
    CHECK(h.data.SkinStore() == "(Good)");
    h.data.Designing = false;
    CHECK(h.data.SkinStore() == "(none)");
    h.data.SetSkinStore("(Good)");
    h.data.SetVersion("1.0");
    CHECK(h.data.Version() == "5.60.03.29");
}

TEST_CASE("an older skin shows its message once and keeps the previous skin")
{
    TSkinFixture f;
    REQUIRE(f.Load("[TitlebarSkin]\nSkinName=First\n[Headerbar]\nImage=h.bmp\n", {{"h.bmp", CellStrip(1, 2, 2)}}));
    const TDataSkinObject* header = f.data.Headerbar.get();
    TRawArchive old;
    old.FormatCode = 10000;
    f.data.ReadSkinStream(SkinStreamBytes(old.Package()));
    CHECK(f.platform.MessageCount == 1);
    CHECK(f.platform.LastMessage == "This is Older Skin File\rPlease update to new version !");
    CHECK(f.data.SkinEmpty);
    CHECK(f.data.SkinName == "First");
    CHECK(f.data.Headerbar.get() == header);

    // A damaged package is refused without a box, with the reason kept.
    auto damaged = MakePackage("[a]\n");
    damaged[3] = 0x7F;
    f.data.ReadSkinStream(SkinStreamBytes(damaged));
    CHECK(f.platform.MessageCount == 1);
    CHECK(f.data.SkinEmpty);
    CHECK_FALSE(f.data.LastLoadError().empty());
}

TEST_CASE("SkinFile reloads in place")
{
    TempDir dir;
    auto save = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(dir.File(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return dir.File(name);
    };
    const std::string first = save("first.skin", MakePackage(kFullIni, FullBitmaps()));
    const std::string second = save(
        "second.skin",
        MakePackage("[TitlebarSkin]\nSkinName=Second\n[Headerbar]\nImage=h.bmp\nFrame=2\n[Button.Close]\nAction=0\n"
                    "[Colour9]\ncolor=1 1 1\n[Buttons]\nLeftWidth=9\n",
                    {{"h.bmp", CellStrip(2, 3, 3)}}));

    TSkinFixture f;
    f.data.SetSkinFile(first);
    REQUIRE_FALSE(f.data.SkinEmpty);
    CHECK(f.data.SkinFile() == first);
    CHECK(f.data.SkinName == "Full");
    const TDataSkinObject* header = f.data.Headerbar.get();
    const TDataSkinObject* arrow = f.data.ComboxArrow.get();
    const TDataSkinObject* toolbar = f.data.Toolbar.get();
    const TDataSkinBorder* top = &f.data.BorderTop;
    REQUIRE(header);
    f.data.Title.Style = 42;  // a field no rule reads stays as it was
    // A run-time change tells the manager once the skin is in place.
    CHECK(SkinManager() != nullptr);
    CHECK(SkinManager()->CommandSkinData == &f.data);

    f.data.SetSkinFile(second);
    REQUIRE_FALSE(f.data.SkinEmpty);
    CHECK(f.data.SkinName == "Second");
    CHECK(f.data.Headerbar);
    CHECK(f.data.Headerbar->Frame == 2);
    CHECK_FALSE(f.data.Tabs);         // released: the second skin has none
    CHECK_FALSE(f.data.MenuBar);
    CHECK(f.data.SysButtons.size() == 1 + 3);
    CHECK(f.data.ExtraColours.size() == 1);
    CHECK(f.data.ComboxArrow.get() == arrow);
    CHECK(f.data.Toolbar.get() == toolbar);
    CHECK(&f.data.BorderTop == top);
    CHECK(f.data.BorderTop.Bitmap.Empty());  // overwritten field by field
    CHECK(f.data.Buttons.LeftWidth == 9);
    CHECK(f.data.Title.Style == 42);

    // A file that is not there: the objects stay, the skin counts as empty.
    f.data.SetSkinFile(dir.File("missing.skin"));
    CHECK(f.data.SkinEmpty);
    CHECK(f.data.SkinName == "Second");
    CHECK(f.data.Headerbar);
}

TEST_CASE("Loaded registers with the one manager and settles Active and SkinControls")
{
    SUBCASE("a stored Active True with an empty skin ends unskinned")
    {
        TSkinFixture f;
        f.data.Reading = true;
        f.data.Active = true;
        f.data.ReadSkinStream(std::vector<uint8_t>{0, 0, 0, 0});
        f.data.Reading = false;
        f.data.Loaded();
        CHECK_FALSE(f.data.Active);
        REQUIRE(SkinManager());
        CHECK(SkinManager()->SkinDatas() == std::vector<TSkinData*>{&f.data});
        CHECK(SkinManager()->MainSkin() == &f.data);
        CHECK(SkinManager()->ManagerCommand == MC_NONE);
    }
    SUBCASE("with a skin, skinning is asked to start")
    {
        TSkinFixture f;
        f.data.Active = true;
        REQUIRE(f.Load("[TitlebarSkin]\nSkinName=x\n"));
        f.data.Loaded();
        CHECK(f.data.Active);
        CHECK(SkinManager()->ManagerCommand == MC_START);
        CHECK(SkinManager()->CommandDelay == 250);
        // The default set holds the main menu, so menu items are not skinned.
        CHECK(f.data.SkinControls.Has(TSkinControlType::xcMainMenu));
        CHECK_FALSE(f.data.SkinControls.Has(TSkinControlType::xcMenuItem));
        CHECK(f.data.SkinControls.Has(TSkinControlType::xcSystemMenu));
        CHECK(f.data.CaptionFont == f.platform.CaptionFont);
    }
    SUBCASE("no main menu: the system menu goes; no GetScrollBarInfo: scroll bars go")
    {
        TSkinFixture f;
        f.platform.HasGetScrollBarInfo = false;
        f.platform.CaptionFontAvailable = false;
        f.data.SkinControls.Exclude(TSkinControlType::xcMainMenu);
        f.data.Loaded();
        CHECK_FALSE(f.data.SkinControls.Has(TSkinControlType::xcSystemMenu));
        CHECK_FALSE(f.data.SkinControls.Has(TSkinControlType::xcScrollbar));
        CHECK(f.data.CaptionFont == TCaptionFont{});
    }
    SUBCASE("a destroyed component leaves the manager")
    {
        TFixedSkinPlatform platform;
        {
            TSkinData a(platform);
            a.Loaded();
            TSkinData b(platform);
            b.Loaded();
            CHECK(SkinManager()->SkinDatas().size() == 2);
        }
        CHECK(SkinManager()->SkinDatas().empty());
        CHECK(SkinManager()->MainSkin() == nullptr);
        ReleaseSkinManager();
    }
}

TEST_CASE("constructor defaults and the Skin3rd list")
{
    TFixedSkinPlatform platform;
    TSkinData d(platform);
    CHECK_FALSE(d.Active);
    CHECK(d.DisableTag == 99);
    CHECK(d.SkinControls.Bits() == ((1u << 22) - 1 - (1u << 2) - (1u << 21)));
    CHECK(d.Options == TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint});
    CHECK(d.SkinFormtype == TSkinFormType::sfMainform);
    CHECK(d.MenuUpdate);
    CHECK_FALSE(d.MenuMerge);
    CHECK(d.SkinEmpty);
    CHECK(d.SkinStore() == "(none)");
    CHECK(d.SysButtons.empty());

    const auto& lines = d.Skin3rd();
    REQUIRE(lines.size() == 118);
    CHECK(lines.front() == "TCategoryButtons=scrollbar");
    CHECK(lines.back() == "TLMDCalculatorEdit=edit");
    CHECK(std::count(lines.begin(), lines.end(), "TDBCheckboxEh=Checkbox") == 2);
    CHECK(std::count(lines.begin(), lines.end(), "TLMDFontSizeCombobox=combobox") == 2);
    CHECK(std::count(lines.begin(), lines.end(), "TWWDBCombobox=Combobox") == 2);
    // The group order decides a class two groups name: the panel line comes first.
    auto at = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
    CHECK(at("TLMDGROUPBOX=Panel") < at("TLMDGroupBox=Groupbox"));
    d.SetSkin3rd({"TFoo=nil"});
    CHECK(d.Skin3rd() == std::vector<std::string>{"TFoo=nil"});
}
