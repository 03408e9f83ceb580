// The skins the build packs: Quorlen's own and the test skin "Dusk", read
// back the way the program reads them.
#include <doctest/doctest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tests/skin/skin_fixture.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every value of the description that names a bitmap, as the program reads it.
std::set<std::string> NamedBitmaps(const TQuickIni& ini)
{
    std::set<std::string> names;
    for (const std::string& line : ini.Lines()) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string value = TrimText(line.substr(eq + 1));
        if (value.size() > 4 && value.ends_with(".bmp"))
            names.insert(value);
    }
    return names;
}

} // namespace

TEST_CASE("Quorlen's skin package: sizes add up and every named bitmap is there")
{
    const auto package = ReadBytes(QUORLEN_SKIN_PACKAGE);
    REQUIRE_MESSAGE(!package.empty(), "the build packs " QUORLEN_SKIN_PACKAGE);
    TFixedSkinPlatform platform;
    TSkinReader reader([&](const std::string& m) { platform.ShowMessage(m); });
    TMemoryStream stream(package);
    REQUIRE(reader.ReadArchive(stream));
    CHECK(reader.FormatCode() == 70000);
    int64_t total = 0;
    for (int i = 0; i < reader.FileCount(); ++i)
        total += reader.FileSize(i);
    CHECK(total == reader.DataSize());

    TMemoryStream file;
    std::string name;
    reader.GetFileByPart(".ini", file, name);
    CHECK(name == "quorlen.ini");
    CHECK(reader.FileNames().front() == "quorlen.ini");
    TQuickIni ini;
    ini.LoadFromStream(&file);
    const auto named = NamedBitmaps(ini);
    CHECK(named.size() + 1 == static_cast<size_t>(reader.FileCount()));  // nothing unnamed is packed
    for (const std::string& bmp : named) {
        CAPTURE(bmp);
        reader.GetFileByName(bmp, file);
        REQUIRE(file.Size() > 0);
        TSkinImage image;
        CHECK(LoadBitmapFile(image, file.Memory(), static_cast<size_t>(file.Size())));
    }
}

TEST_CASE("Quorlen's skin parses into every element with the cells it was drawn with")
{
    TSkinFixture f;
    REQUIRE(f.Load(ReadBytes(QUORLEN_SKIN_PACKAGE)));
    const TSkinData& d = f.data;
    CHECK(d.SkinName == "Quorlen");
    // Frame: a 30-pixel caption, 5-pixel sides and bottom, two cells each.
    CHECK(d.BorderTop.Bitmap.Height() / d.BorderTop.Cells() == 30);
    CHECK(d.BorderLeft.Bitmap.Width() / d.BorderLeft.Cells() == 5);
    CHECK(d.BorderRight.Bitmap.Width() / d.BorderRight.Cells() == 5);
    CHECK(d.BorderBottom.Bitmap.Height() / d.BorderBottom.Cells() == 5);
    CHECK(d.BorderLeft.Bitmap.Pixel(0, 0) == kClMagenta);  // the rounded corner
    CHECK(d.BorderLeft.Trans == 1);
    CHECK(d.BorderLeft.TopHeight == 30);

    // Caption buttons: close, maximize, restore, minimize, help, icon, 3 MDI.
    REQUIRE(d.SysButtons.size() == 9);
    for (size_t i = 0; i < 5; ++i) {
        CAPTURE(d.SysButtons[i]->Name);
        CHECK(d.SysButtons[i]->Frame == 4);
        CHECK(d.SysButtons[i]->Bitmap.Width() == 4 * 24);
    }
    CHECK(d.SysButtons[4]->Name == "BUTTON.HELP");
    CHECK(d.SysButtons[4]->Xcoord == d.SysButtons[1]->Xcoord);
    CHECK(d.SysButtons[5]->Action == 3);
    CHECK(d.SysButtons[5]->Bitmap.Empty());
    for (size_t i = 6; i < 9; ++i)
        CHECK(d.SysButtons[i]->Bitmap.Width() == 64);
    // The title is cut before the leftmost caption button.
    CHECK(d.Title.RightWidth > d.SysButtons[3]->Xcoord);

    CHECK(d.Buttons.Bitmap.Width() == 5 * 20);
    CHECK(d.Buttons.CheckButtonFrame == 8);
    CHECK(d.Buttons.RadioButtonFrame == 8);
    const std::vector<const TDataSkinObject*> elements{d.Progress.get(), d.ProgressChunk.get(), d.MenuBar.get(), d.GroupBoxEdge.get(),
                          d.GroupBox.get(), d.Tabs.get(), d.StatusBarEdges.get(),
                          d.TabPane.get(), d.ToolBars.get(), d.ComboButton.get(), d.SunkEdge.get(),
                          d.ExtraImages.get(), d.Headerbar.get(), d.MenuItem.get(), d.MenuBackground.get(),
                          d.Scrollbar.get(), d.HorzScroll.get(), d.VertScroll.get(), d.HorzScrollThumb.get(),
                          d.VertScrollThumb.get(), d.TrackThumbHorz.get(), d.TrackThumbVert.get(),
                          d.TrackThumbLeft.get(), d.TrackThumbRight.get(), d.TrackThumbUp.get(),
                          d.TrackThumbDown.get(), d.UpDownHorz.get(), d.UpDownVert.get(), d.Track.get(),
                          d.TrackVert.get()};
    for (const TDataSkinObject* o : elements) {
        REQUIRE(o);
        CAPTURE(o->Name);
        CHECK_FALSE(o->Bitmap.Empty());
        // Each strip divides evenly into the cells the parse gives it.
        CHECK(o->Bitmap.Width() % o->Cells() == 0);
    }
    CHECK(d.Track->Name == "Track");  // the skin's own, not the built-in one
    CHECK(d.Headerbar->Frame == 3);
    CHECK(d.Scrollbar->Bitmap.Width() == 23 * 17);
    CHECK(d.ComboxArrow->Frame == 4);
    CHECK_FALSE(d.UpDownHorz->Bitmap2.Empty());
    // The border colour is the caption's teal, and the colours are all given.
    CHECK(d.SkinColours[SC_BORDER] == d.BorderTop.Bitmap.Pixel(d.BorderTop.Bitmap.Width() / 3, 10));
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 18})
        CHECK(d.ColourGiven[static_cast<size_t>(slot)]);
    CHECK(d.SkinColours[SC_BUTTONFACE] == Rgb(238, 234, 224));
}

TEST_CASE("the skin is drawn and packed the same way every time")
{
    // The packer is deterministic: packing the package's own archive again
    // gives the same bytes.
    const auto package = ReadBytes(QUORLEN_SKIN_PACKAGE);
    TSkinReader reader;
    TMemoryStream stream(package);
    REQUIRE(reader.ReadArchive(stream));
    std::vector<TSkinFileEntry> files;
    for (const std::string& name : reader.FileNames()) {
        TMemoryStream file;
        reader.GetFileByName(name, file);
        files.push_back({name, std::vector<uint8_t>(file.Memory(), file.Memory() + file.Size())});
    }
    CHECK(PackSkinArchive(WriteSkinArchive(files)) == package);
}

TEST_CASE("switching between the two built skins at run time")
{
    TSkinFixture f;
    f.data.SetSkinFile(QUORLEN_SKIN_PACKAGE);
    REQUIRE_FALSE(f.data.SkinEmpty);
    const TDataSkinObject* arrow = f.data.ComboxArrow.get();
    const TDataSkinObject* toolbar = f.data.Toolbar.get();
    const TColour quorlenToolbar = f.data.Toolbar->Bitmap.Pixel(0, 39);

    f.data.SetSkinFile(QUORLEN_SECOND_SKIN);
    REQUIRE_FALSE(f.data.SkinEmpty);
    const TSkinData& d = f.data;
    CHECK(d.SkinName == "Dusk");
    CHECK(d.BorderTop.Bitmap.Height() / d.BorderTop.Cells() == 24);
    CHECK(d.BorderLeft.Bitmap.Width() / d.BorderLeft.Cells() == 3);
    CHECK(d.SysButtons.size() == 3 + 3);
    CHECK_FALSE(d.Tabs);
    CHECK_FALSE(d.MenuBar);
    CHECK_FALSE(d.SunkEdge);
    CHECK(d.Track->Name == "TRACK");  // built in
    CHECK(d.Progress->Frame == 1);    // Style 1
    CHECK(d.Title.TextAlignment == 1);
    CHECK(d.Title.ActiveText == Rgb(240, 200, 120));
    CHECK(d.ExtraColours == std::vector<TColour>{Rgb(201, 138, 43)});
    CHECK_FALSE(d.ColourGiven[SC_MENU]);
    // Reused objects; the arrow now comes from the button image alone.
    CHECK(d.ComboxArrow.get() == arrow);
    CHECK(d.Toolbar.get() == toolbar);
    CHECK(d.ComboxArrow->Bitmap == [&] {
        TSkinImage expected = d.ComboButton->Bitmap;
        ReplaceMagenta(expected, Rgb(214, 209, 200));
        return expected;
    }());
    CHECK(d.Toolbar->Bitmap.Pixel(0, 39) != quorlenToolbar);

    f.data.SetSkinFile(QUORLEN_SKIN_PACKAGE);
    CHECK(f.data.SkinName == "Quorlen");
    CHECK(f.data.Tabs);
    CHECK(f.data.Toolbar->Bitmap.Pixel(0, 39) == quorlenToolbar);
}
