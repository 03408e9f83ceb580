#include "ui/skin/skin_data.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/skin/skin3rd_defaults.h"
#include "ui/skin/skin_manage.h"

namespace {

std::string UpperAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

TSkinControlTypes DefaultSkinControls()
{
    TSkinControlTypes all = TSkinControlTypes::All();
    all.Exclude(TSkinControlType::xcMenuItem);
    all.Exclude(TSkinControlType::xcFastReport);
    return all;
}

// Releases what a load holds, however the load ends.
template <typename F>
struct TScopeExit {
    F f;
    ~TScopeExit() { f(); }
};
template <typename F>
TScopeExit(F) -> TScopeExit<F>;

} // namespace

TSkinData::TSkinData(const TSkinPlatform& platform)
    : SkinControls(DefaultSkinControls()),
      Options{TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint},
      platform_(platform),
      skin3rd_(DefaultSkin3rd())
{
    platform_.ReadCaptionFont(CaptionFont);
}

TSkinData::~TSkinData()
{
    if (TSkinManage* manager = SkinManager())
        manager->Unregister(this);
}

std::string TSkinData::SkinStore() const
{
    return Designing && storedSkin_.Size() > 0 ? "(Good)" : "(none)";
}

// ---- the stored skin ----

void TSkinData::ReadSkinStream(TStream& stream)
{
    uint8_t head[4] = {0, 0, 0, 0};
    const int64_t got = stream.Read(head, 4);
    const int32_t n = got == 4 ? static_cast<int32_t>(head[0] | head[1] << 8 | head[2] << 16 |
                                                      static_cast<uint32_t>(head[3]) << 24)
                               : 0;
    storedSkin_ = TMemoryStream();
    if (n <= 0)
        return;
    // A property cut short keeps what is there; the package check refuses it.
    const int64_t take = std::min<int64_t>(n, std::max<int64_t>(stream.Size() - stream.Position(), 0));
    std::vector<uint8_t> bytes(static_cast<size_t>(take));
    bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), take)));
    storedSkin_ = TMemoryStream(std::move(bytes));
    if (!Designing)
        LoadSkin();
}

void TSkinData::ReadSkinStream(const std::vector<uint8_t>& bytes)
{
    TMemoryStream stream(bytes);
    ReadSkinStream(stream);
}

void TSkinData::WriteSkinStream(TMemoryStream& stream) const
{
    const auto n = static_cast<uint32_t>(storedSkin_.Size());
    const uint8_t head[4] = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                             static_cast<uint8_t>(n >> 24)};
    stream.Write(head, 4);
    stream.Write(storedSkin_.Memory(), storedSkin_.Size());
}

void TSkinData::SetSkinFile(const std::string& path)
{
    SkinEmpty = true;
    skinFile_ = path;
    if (Designing) {
        if (!path.empty() && storedSkin_.Size() > 0)
            storedSkin_ = TMemoryStream();
        return;
    }
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(path), ec))
        return;
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in)
        return;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    storedSkin_ = TMemoryStream(std::move(bytes));
    if (LoadSkin() && !Reading)
        NotifySkinLoaded();
}

void TSkinData::NotifySkinLoaded()
{
    if (!SkinManager())
        Loaded();
    EnsureSkinManager().SkinDataChanged(this);
    if (OnSkinChanged)
        OnSkinChanged(*this);
}

bool TSkinData::LoadSkin()
{
    SkinEmpty = true;
    if (Designing)
        return false;
    TScopeExit release{[this] {
        reader_.reset();
        work_.reset();
        ini_.reset();
        sections_.clear();
    }};
    reader_ = std::make_unique<TSkinReader>([this](const std::string& text) { platform_.ShowMessage(text); });
    work_ = std::make_unique<TMemoryStream>();
    if (!reader_->ReadArchive(storedSkin_)) {
        lastLoadError_ = reader_->LastError();
        return false;
    }
    lastLoadError_.clear();
    ini_ = std::make_unique<TQuickIni>();
    std::string descriptionName;
    reader_->GetFileByPart(".ini", *work_, descriptionName);
    work_->Seek(0);
    ini_->LoadFromStream(work_.get());
    ParseSkin();
    return true;
}

void TSkinData::LoadSkinBitmap(TSkinImage& image, const std::string& value)
{
    const size_t sep = value.find_last_of("\\:");
    const std::string name = sep == std::string::npos ? value : value.substr(sep + 1);
    const size_t dot = name.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
    if (name.empty() || ext != ".bmp" || !reader_ || !work_) {
        image.Clear();
        return;
    }
    reader_->GetFileByName(name, *work_);
    if (work_->Size() == 0) {
        image.Clear();
        return;
    }
    LoadBitmapFile(image, work_->Memory(), static_cast<size_t>(work_->Size()));
}

// ---- reading helpers ----

std::string TSkinData::Str(const std::string& section, const std::string& key, const std::string& def) const
{
    return ini_ ? ini_->ReadString(section, key, def) : def;
}

int32_t TSkinData::Int(const std::string& section, const std::string& key, int32_t def) const
{
    return ini_ ? ini_->ReadInteger(section, key, def) : def;
}

TColour TSkinData::ColourKey(const std::string& section, const std::string& key, TColour def) const
{
    const std::string text = Str(section, key);
    return text.empty() ? def : ParseColourText(text);
}

void TSkinData::ObjectFields(TDataSkinObject& o, const std::string& s, bool readFrame)
{
    o.Style = Int(s, "Style");
    o.LeftWidth = Int(s, "LeftWidth");
    o.RightWidth = Int(s, "RightWidth");
    o.TopHeight = Int(s, "TopHeight");
    o.BottomHeight = Int(s, "BottomHeight");
    if (readFrame)
        o.Frame = Int(s, "Frame");
    o.Trans = Int(s, "Trans");
    o.Tile = Int(s, "Tile");
    o.NormalColour = Int(s, "NormalColour", -1);
    o.MouseOverColour = Int(s, "MouseOverColour", -1);
    o.PressedColour = Int(s, "PressedColour", -1);
    const TColour def = SkinColours[SC_BUTTONTEXT];
    o.NormalColour2 = ColourKey(s, "NormalColour2", def);
    o.MouseOverColour2 = ColourKey(s, "MouseOverColour2", def);
    o.PressedColour2 = ColourKey(s, "PressedColour2", def);
    if (o.Tile > 1)
        o.Tile = 0;
}

template <typename T>
void TSkinData::ObjectRule(const std::string& s, std::unique_ptr<T>& slot, bool readFrame, const char* secondImageKey)
{
    slot.reset();
    const std::string image = Str(s, "Image");
    if (image.empty())
        return;
    slot = std::make_unique<T>(s);
    LoadSkinBitmap(slot->Bitmap, image);
    if constexpr (std::is_base_of_v<TDataSkinBorder, T>) {
        const std::string second = secondImageKey ? Str(s, secondImageKey) : std::string();
        if (!second.empty())
            LoadSkinBitmap(slot->Bitmap2, second);
    }
    ObjectFields(*slot, s, readFrame);
}

// ---- the rules, in the order ParseSkin runs them ----

void TSkinData::WindowBorderRule()
{
    const std::string s = "Personality";
    for (TDataSkinBorder* b : {&BorderLeft, &BorderRight, &BorderTop, &BorderBottom}) {
        const std::string& n = b->Name;
        const bool side = b == &BorderLeft || b == &BorderRight;
        if (side) {
            b->TopHeight = Int(s, n + "TopHeight");
            b->BottomHeight = Int(s, n + "BotHeight");
            b->LeftWidth = b->RightWidth = 0;
        } else {
            b->LeftWidth = Int(s, n + "TopHeight");
            b->RightWidth = Int(s, n + "BotHeight");
            b->TopHeight = b->BottomHeight = 0;
        }
        b->Frame = Int(s, n + "Frame", 1);
        b->Tile = std::min(Int(s, n + "Stretch", 1), 1);
        b->Trans = Int(s, n + "Trans", 1);
        LoadSkinBitmap(b->Bitmap, Str(s, n));
    }
}

void TSkinData::ColourPass()
{
    struct TSlotKey {
        int slot;
        const char* key;
        int sysColour;  // -1: slot 3's new value
    };
    static constexpr TSlotKey kSlots[] = {
        {SC_WINDOWTEXT, "WindowText", COLOUR_WINDOWTEXT},
        {SC_BUTTONFACE, "ButtonFace", COLOUR_BTNFACE},
        {SC_SCROLLBAR, "Scrollbar", COLOUR_SCROLLBAR},
        {SC_HILIGHTTEXT, "HilightText", COLOUR_HIGHLIGHTTEXT},
        {SC_HILIGHT, "Hilight", COLOUR_HIGHLIGHT},
        {SC_MENUBAR, "Menubar", -1},
        {SC_MENU, "Menu", COLOUR_MENU},
        {SC_MENUTEXT, "MenuText", COLOUR_MENUTEXT},
        {SC_BUTTONTEXT, "ButtonText", COLOUR_BTNTEXT},
        {SC_BUTTONHILIGHT, "ButtonHilight", COLOUR_BTNHIGHLIGHT},
        {SC_BUTTONLIGHT, "Buttonlight", COLOUR_BTNHIGHLIGHT},
        {SC_BUTTONSHADOW, "ButtonShadow", COLOUR_BTNSHADOW},
        {SC_BUTTONDKSHADOW, "ButtonDkShadow", COLOUR_3DDKSHADOW},
        {SC_MENUBARTEXT, "MenuBarText", COLOUR_MENUTEXT},
        {SC_TITLETEXTACTIVE, "TitleTextActive", COLOUR_CAPTIONTEXT},
        {SC_TITLETEXTNOACTIVE, "TitleTextNoActive", COLOUR_INACTIVECAPTIONTEXT},
    };
    for (const TSlotKey& k : kSlots) {
        const std::string text = Str("Colours", k.key);
        ColourGiven[static_cast<size_t>(k.slot)] = !text.empty();
        if (!text.empty())
            SkinColours[static_cast<size_t>(k.slot)] = ParseColourText(text);
        else
            SkinColours[static_cast<size_t>(k.slot)] =
                k.sysColour < 0 ? SkinColours[SC_BUTTONFACE] : SysColourRef(k.sysColour);
    }

    ExtraColours.clear();
    for (const std::string& section : sections_) {
        const std::string upper = UpperAscii(section);
        if (StartsWith(upper, "COLOUR") && upper != "COLOURS")
            ExtraColours.push_back(ColourKey(section, "color", SysColourRef(COLOUR_WINDOWTEXT)));
    }
    for (int n = 0; n < kCustomColourCount; ++n)
        CustomColours[static_cast<size_t>(n)] = ColourKey("Customcolors", "Color" + std::to_string(n), kClWhite);
}

void TSkinData::CaptionButtonRule()
{
    SysButtons.clear();
    std::vector<std::string> kept;
    for (const std::string& section : sections_) {
        const std::string upper = UpperAscii(section);
        if (!StartsWith(upper, "BUTTON") || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
            upper == "BUTTON.CHECKBOX")
            continue;
        if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0)
            continue;
        kept.push_back(section);
    }
    SysButtons.reserve(kept.size() + 3);
    bool recorded = false;
    int32_t recordedX = 0, recordedY = 0;
    for (const std::string& s : kept) {
        auto b = std::make_unique<TDataSkinSysButton>(UpperAscii(s));
        b->Action = Int(s, "Action");
        b->Align = Int(s, "Align");
        b->Xcoord = Int(s, "Xcoord");
        b->Ycoord = Int(s, "Ycoord");
        b->Visibility = Int(s, "Visibility");
        b->Visibility1 = Int(s, "Visibility1", b->Action == -1 ? -1 : 0);
        if (b->Action == 1 && b->Visibility == 2) {
            recorded = true;
            recordedX = b->Xcoord;
            recordedY = b->Ycoord;
        }
        if (b->Action == 4) {
            b->Xcoord = recorded ? recordedX : 0;
            b->Ycoord = recorded ? recordedY : 0;
        }
        b->CombineOp = Int(s, "CombineOp", -1);
        b->Frame = Int(s, "frame");
        LoadSkinBitmap(b->Bitmap, Str(s, "ButtonImage"));
        if (b->Frame == 0) {
            b->Frame = 6;
            if (!b->Bitmap.Empty())
                b->Frame = static_cast<double>(b->Bitmap.Width()) / b->Bitmap.Height() <= 3.8 ? 3 : 6;
            if (b->Action < 0)
                b->Frame = 6;
            if (b->Action == 3 || b->Action == 11)
                b->Bitmap.Clear();
        }
        SysButtons.push_back(std::move(b));
    }
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>("MDI" + std::to_string(i));
        b->Action = 7 + i;
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->Frame = 4;
        SysButtons.push_back(std::move(b));
    }
    TSkinImage mdi;
    LoadSkinBitmap(mdi, Str("MDICONTROLS", "Image"));
    if (!mdi.Empty()) {
        const int w = mdi.Width() / 12, h = mdi.Height();
        for (int i = 0; i < 3; ++i) {
            TDataSkinSysButton& b = *SysButtons[kept.size() + static_cast<size_t>(i)];
            b.Bitmap = TSkinImage(4 * w, h);
            b.Bitmap.CopyFrom(mdi, {4 * i * w, 0, (4 * i + 4) * w, h}, 0, 0);
            b.Xcoord = (w + 4) * (3 - i);
        }
    }
}

void TSkinData::ButtonsRule()
{
    const std::string s = "Buttons";
    TDataSkinButton& b = Buttons;
    b.LeftWidth = Int(s, "LeftWidth");
    b.RightWidth = Int(s, "RightWidth");
    b.TopHeight = Int(s, "TopHeight");
    b.BottomHeight = Int(s, "BottomHeight");
    b.Trans = Int(s, "Trans");
    LoadSkinBitmap(b.Bitmap, Str(s, "Bitmap"));
    b.Tile = Int(s, "Tile");
    LoadSkinBitmap(b.CheckBitmap, Str(s, "CheckButton"));
    LoadSkinBitmap(b.RadioBitmap, Str(s, "RadioButton"));
    b.NormalColour = Int(s, "NormalColour", -1);
    b.MouseOverColour = Int(s, "MouseOverColour", -1);
    b.PressedColour = Int(s, "PressedColour", -1);
    b.RadioButtonFrame = Int(s, "RadioButtonFrame");
    b.CheckButtonFrame = Int(s, "CheckButtonFrame");
    if (b.Tile > 1)
        b.Tile = 0;
    b.HasNormalColour2 = !Str(s, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Str(s, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Str(s, "PressedColour2").empty();
    const TColour def = SkinColours[SC_BUTTONTEXT];
    b.NormalColour2 = ColourKey(s, "NormalColour2", def);
    b.MouseOverColour2 = ColourKey(s, "MouseOverColour2", def);
    b.PressedColour2 = ColourKey(s, "PressedColour2", def);
}

void TSkinData::TitleRule()
{
    const std::string s = "Personality";
    TDataSkinTitle& t = Title;
    LoadSkinBitmap(t.Bitmap, Str(s, "TextBack"));
    t.LeftWidth = Int(s, "TextShift");
    t.TopHeight = Int(s, "TextShiftVert");
    t.RightWidth = Int(s, "TextRightClip");
    t.BottomHeight = 0;
    t.TextAlignment = Int(s, "TextAlignment");
    t.Textbackground = Int(s, "Textbackground");
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.TXTBackleft = Int(s, "TXTBackleft");
    t.TXTBackRight = Int(s, "TXTBackRight");
    for (auto [target, name] : {std::pair{&t.ActiveText, "ActiveText"}, std::pair{&t.InActiveText, "InActiveText"}}) {
        *target = kTitleColourUnset;
        const std::string n = name;
        const int32_t r = Int(s, n + "R", -1), g = Int(s, n + "G", -1), b = Int(s, n + "B", -1);
        if (r >= 0 && g >= 0 && b >= 0)
            *target = Rgb(static_cast<unsigned>(r) % 256, static_cast<unsigned>(g) % 256, static_cast<unsigned>(b) % 256);
    }
}

void TSkinData::ProgressRule()
{
    const std::string s = "Progress";
    Progress.reset();
    const std::string image = Str(s, "Bitmap");
    if (image.empty())
        return;
    Progress = std::make_unique<TDataSkinBorder>(s);
    TDataSkinBorder& p = *Progress;
    LoadSkinBitmap(p.Bitmap, image);
    p.Style = Int(s, "Style");
    p.LeftWidth = Int(s, "LeftWidth");
    p.RightWidth = Int(s, "RightWidth");
    p.TopHeight = Int(s, "TopHeight");
    p.BottomHeight = Int(s, "BottomHeight");
    p.Trans = Int(s, "Trans");
    p.Tile = std::min(Int(s, "Tile"), 1);
}

void TSkinData::BoxLabelRule()
{
    ObjectRule("GroupBox", GroupBox, false);
    if (!GroupBox)
        return;
    GroupBox->BackgroundAlignment = Int("GroupBox", "BackgroundAlignment");
    GroupBox->BackgroundLeftShift = Int("GroupBox", "BackgroundLeftShift");
    GroupBox->BackgroundRightShift = Int("GroupBox", "BackgroundRightShift");
}

void TSkinData::MenuBarRule()
{
    const std::string s = "Personality";
    MenuBar.reset();
    const std::string image = Str(s, "menuBar");
    if (image.empty())
        return;
    MenuBar = std::make_unique<TDataSkinObject>(s);
    LoadSkinBitmap(MenuBar->Bitmap, image);
    MenuBar->TopHeight = MenuBar->BottomHeight = 0;
    // For the menu bar the side margins are the tiling flags of its two ends.
    MenuBar->Tile = std::min(Int(s, "TileMenu", 1), 1);
    MenuBar->LeftWidth = Int(s, "TileLeftMenu", 1);
    MenuBar->RightWidth = Int(s, "TileRightMenu", 1);
}

void TSkinData::SetCellCounts()
{
    auto set = [](auto& slot, int32_t frames) {
        if (slot)
            slot->Frame = frames;
    };
    if (Progress)
        Progress->Frame = Progress->Style == 0 ? 2 : 1;
    set(MenuBar, 2);
    set(GroupBoxEdge, 2);
    set(GroupBox, 1);
    set(Tabs, 5);
    set(StatusBarEdges, 3);
    set(TabPane, 1);
    set(ToolBars, 5);
    set(ComboButton, 4);
    set(SunkEdge, 4);
    set(ExtraImages, 5);
    if (Headerbar && Headerbar->Frame == 0)
        Headerbar->Frame = 5;
    set(MenuItem, 5);
    set(MenuBackground, 1);
    set(Scrollbar, 23);
    set(HorzScroll, 4);
    set(VertScroll, 4);
    set(HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
    set(VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));
    for (auto* thumb : {&TrackThumbHorz, &TrackThumbVert, &TrackThumbLeft, &TrackThumbRight, &TrackThumbUp,
                        &TrackThumbDown})
        set(*thumb, 5);
    set(UpDownHorz, 8);
    set(UpDownVert, 8);
    Buttons.Frame = 5;
    Title.Frame = 2;
    // Check and radio strips are 13 or 16 pixels a cell, and hold at least
    // the four states of an unchecked box.
    auto cells = [](const TSkinImage& image) {
        const int c = image.Height() >= 16 ? 16 : 13;
        return std::max(image.Width() / c, 4);
    };
    if (Buttons.RadioButtonFrame == 0)
        Buttons.RadioButtonFrame = cells(Buttons.RadioBitmap);
    if (Buttons.CheckButtonFrame == 0)
        Buttons.CheckButtonFrame = cells(Buttons.CheckBitmap);
}

void TSkinData::ComboEditComposite()
{
    if (!SunkEdge || !ComboButton)
        return;
    const int c = SunkEdge->Cells();
    const int hs = platform_.SystemMetric(METRIC_CXHSCROLL) + 2;
    constexpr int W = 50, H = 21;
    TSkinImage strip(W * c, H, kClMagenta);
    const TSkinRect button{W - hs, 0, W, H};
    for (int b = 1; b <= c; ++b) {
        TSkinImage cell(W, H, kClMagenta);
        DrawImage(cell, 0, 0,
                  ComposeNineSlice(W, H, SunkEdge->Bitmap, SunkEdge->Margins(), false, false, SunkEdge->Cells(), b),
                  SunkEdge->Trans != 0);
        if (button.Width() > 0)
            DrawImage(cell, button.Left, 0,
                      ComposeNineSlice(button.Width(), H, ComboButton->Bitmap, ComboButton->Margins(), false, false,
                                       ComboButton->Cells(), b),
                      true);
        if (ExtraImages) {
            const TSkinRect g = CellRect(ExtraImages->Bitmap, ExtraImages->Cells(), b);
            cell.CopyFrom(ExtraImages->Bitmap, g, button.Left + (button.Width() - g.Width()) / 2,
                          (H - g.Height()) / 2, true);
        }
        cell.FillRect({2, 2, 49 - hs, 18}, kClMagenta);
        strip.CopyFrom(cell, {0, 0, W, H}, W * (b - 1), 0);
    }
    ComboButton->Style = 2;
    TSkinMargins m = SunkEdge->Margins();
    m.Left = 2;
    m.Right = hs + 2;
    ComboButton->SetMargins(m);
    ComboButton->Bitmap = strip;
    MirrorBitmap(strip);
    SunkEdge->Bitmap = std::move(strip);
    SunkEdge->LeftWidth = hs + 2;
    SunkEdge->RightWidth = 2;
}

void TSkinData::ComboArrow()
{
    if (!ComboxArrow)
        ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    if (!SunkEdge && ComboButton) {
        ComboxArrow->Bitmap = ComboButton->Bitmap;
        ReplaceMagenta(ComboxArrow->Bitmap, ResolveColour(SkinColours[SC_BUTTONFACE]));
        ComboxArrow->Frame = ComboButton->Frame;
    } else if (SunkEdge && ComboButton && ComboButton->Style == 2) {
        const int c = SunkEdge->Cells();
        const int w = ComboButton->Bitmap.Width() / c;
        TSkinImage arrow(17 * c, 17);
        for (int i = 0; i < c; ++i)
            arrow.CopyFrom(ComboButton->Bitmap, {(i + 1) * w - 19, 2, (i + 1) * w - 2, 19}, 17 * i, 0);
        ComboxArrow->Bitmap = std::move(arrow);
        ComboxArrow->Frame = c;
    }
}

TColour TSkinData::BorderColour() const
{
    const TSkinImage& top = BorderTop.Bitmap;
    if (top.Empty())
        return SkinColours[SC_BUTTONFACE];
    return top.Pixel(top.Width() / 3, (top.Height() / BorderTop.Cells()) / 3);
}

void TSkinData::ToolbarGeneration(TColour k)
{
    if (!Toolbar)
        Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    TColour end = Blend(0x808080, k, 150, platform_);
    const TColour start = Blend(SkinColours[SC_BUTTONFACE], kClWhite, 150, platform_);
    const int s = SaturationScore(ResolveColour(k));
    if (s > 110)
        end = Blend(k, kClWhite, (225 - s) * 25 / 140 + 50, platform_);
    TSkinImage image(10, 40);
    GradientFill(image, {0, 0, 10, 40}, start, end, true, GradientCache, platform_);
    Toolbar->Bitmap = std::move(image);
    Toolbar->Frame = 1;
}

void TSkinData::ParseSkin()
{
    // Outside a load there is no description: every key takes its default.
    sections_.clear();
    if (ini_)
        ini_->ReadSections(&sections_);
    SkinName = Str("TitlebarSkin", "SkinName");

    WindowBorderRule();
    ColourPass();
    CaptionButtonRule();
    ButtonsRule();
    TitleRule();

    ProgressRule();
    ObjectRule("Progress.Chunk", ProgressChunk);
    MenuBarRule();
    ObjectRule("GroupBoxEdge", GroupBoxEdge);
    BoxLabelRule();
    ObjectRule("Tabs", Tabs, false, "Border");
    ObjectRule("StatusBarEdges", StatusBarEdges);
    ObjectRule("Tab.Pane", TabPane);
    if (TabPane) {
        // The pane's border is drawn inside the page; wider margins would eat it.
        TabPane->LeftWidth = std::min(TabPane->LeftWidth, 4);
        TabPane->TopHeight = std::min(TabPane->TopHeight, 4);
        TabPane->RightWidth = std::min(TabPane->RightWidth, 4);
        TabPane->BottomHeight = std::min(TabPane->BottomHeight, 4);
    }
    ObjectRule("ToolBars", ToolBars);
    ObjectRule("ComboButton", ComboButton, false, "****");
    ObjectRule("SunkEdge", SunkEdge);

    if (ComboButton && !ComboButton->Bitmap.Empty()) {
        ComboButton->Bitmap2 = ComboButton->Bitmap;
        MirrorBitmap(ComboButton->Bitmap2);
    }

    ObjectRule("ExtraImages", ExtraImages);
    ObjectRule("Headerbar", Headerbar);
    ObjectRule("MenuItem", MenuItem);
    ObjectRule("MenuBackground", MenuBackground);
    ObjectRule("Scrollbar", Scrollbar);
    ObjectRule("HorzScroll", HorzScroll);
    ObjectRule("VertScroll", VertScroll);
    ObjectRule("HorzScrollThumb", HorzScrollThumb);
    ObjectRule("VertScrollThumb", VertScrollThumb);
    ObjectRule("Trackbar.ThumbHorz", TrackThumbHorz);
    ObjectRule("Trackbar.ThumbVert", TrackThumbVert);
    ObjectRule("Trackbar.ThumbLeft", TrackThumbLeft);
    ObjectRule("Trackbar.ThumbRight", TrackThumbRight);
    ObjectRule("Trackbar.ThumbUp", TrackThumbUp);
    ObjectRule("Trackbar.ThumbDown", TrackThumbDown);
    ObjectRule("UpDown.Horz", UpDownHorz, false, "GlyphImage");
    ObjectRule("UpDown.Vert", UpDownVert, false, "GlyphImage");
    ObjectRule("Track", Track);
    ObjectRule("TRACKVERT", TrackVert);

    for (auto [slot, name] : {std::pair{&Track, "TRACK"}, std::pair{&TrackVert, "TRACKVERT"}}) {
        if (*slot)
            continue;
        *slot = std::make_unique<TDataSkinObject>(name);
        (*slot)->Bitmap = platform_.BuiltinBitmap(name);
        (*slot)->SetMargins({3, 3, 3, 3});
        (*slot)->Tile = 0;
        (*slot)->Frame = 1;
    }

    SetCellCounts();
    ComboEditComposite();
    ComboArrow();
    const TColour border = BorderColour();
    ToolbarGeneration(border);
    SkinColours[SC_BORDER] = border;

    FaceBrush.reset();
    FaceBrush = platform_.CreateSolidBrush(ResolveColour(SkinColours[SC_BUTTONFACE]));

    sections_.clear();
    SkinEmpty = false;
}

void TSkinData::Loaded()
{
    if (Designing)
        return;
    if (!platform_.HasUser32Function("GetScrollBarInfo"))
        SkinControls.Exclude(TSkinControlType::xcScrollbar);
    TSkinManage& manager = EnsureSkinManager();
    manager.Register(this);
    CaptionFont = TCaptionFont{};
    platform_.ReadCaptionFont(CaptionFont);
    if (SkinFormtype != TSkinFormType::sfMainform) {
        manager.DataLoaded(*this);
        return;
    }
    if (Active && SkinEmpty)
        Active = false;
    else if (Active)
        manager.PostCommand(MC_START, 250);
    if (SkinControls.Has(TSkinControlType::xcMainMenu))
        SkinControls.Exclude(TSkinControlType::xcMenuItem);
    else
        SkinControls.Exclude(TSkinControlType::xcSystemMenu);
    manager.DataLoaded(*this);
}

void TSkinData::SetActive(bool value)
{
    Active = value;
    if (Reading || Designing)
        return;
    if (TSkinManage* manager = SkinManager())
        manager->ActiveChanged(*this);
}
