#include "ui/skin/skin_control_rules.h"

#include <algorithm>

namespace {

using T = TSkinControlType;
using S = TSkinnerClass;

TSkinAction Painter(S skinner, bool paintBackground = false, int mode = 0)
{
    TSkinAction a;
    a.Skinner = skinner;
    a.PaintBackground = paintBackground;
    a.Mode = mode;
    return a;
}

TSkinAction Walk(TSkinWalk walk)
{
    TSkinAction a;
    a.WalkBefore = walk;
    return a;
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

const char* SkinnerClassName(TSkinnerClass c)
{
    switch (c) {
    case S::None: return "";
    case S::Button: return "TSkinButton";
    case S::BitButton: return "TSkinBitButton";
    case S::MenuButton: return "TSkinMenuButton";
    case S::SpeedButton: return "TSkinSpeedButton";
    case S::CheckBox: return "TSkinCheckBox";
    case S::RadioButton: return "TSkinRadioButton";
    case S::ObjImage: return "TSkinObjImage";
    case S::ComBox: return "TSkinComBox";
    case S::Edit: return "TSkinEdit";
    case S::DateTime: return "TSkinDateTime";
    case S::GroupBox: return "TSkinGroupBox";
    case S::Box: return "TSkinBox";
    case S::BoxH: return "TSkinBoxH";
    case S::Progress: return "TSkinProgress";
    case S::TrackBar: return "TSkinTrackBar";
    case S::UpDown: return "TSkinUpDown";
    case S::Tab: return "TSkinTab";
    case S::Tab31: return "TSkinTab31";
    case S::TabSheet: return "TSkinTabSheet";
    case S::TabBtn: return "TSkinTabBtn";
    case S::AdvPage: return "TSkinAdvPage";
    case S::Header: return "TSkinHeader";
    case S::StatusBar: return "TSkinStatusBar";
    case S::MP: return "TSkinMP";
    case S::Scrollbar: return "TSkinScrollbar";
    case S::ScrollbarH: return "TSkinScrollbarH";
    case S::ListView: return "TSkinListView";
    case S::CheckList: return "TSkinCheckList";
    case S::ScControl: return "TSkinScControl";
    case S::ComboxScrollBar: return "TComboxScrollBar";
    case S::Sizer: return "TSkinSizer";
    }
    return "";
}

std::string LowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string UpperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<std::string> MatchSkin3rd(const std::vector<std::string>& lines, std::string_view className)
{
    // The "=" belongs to the key, so "TEdit=" never serves "TEditEx".
    const std::string key = LowerAscii(className) + "=";
    for (const std::string& line : lines) {
        const std::string lower = LowerAscii(line);
        if (lower.compare(0, key.size(), key) != 0)
            continue;
        return lower.substr(key.size(), 50);
    }
    return std::nullopt;
}

TSkinAction DecideSkin3rdKind(std::string_view kind, const TControlFacts& control, TSkinControlTypes xc,
                              bool hasTabObject)
{
    const std::string upper = UpperAscii(control.ClassName());
    const auto has = [&](T t) { return xc.Has(t); };
    TSkinAction a;

    if (kind == "nil")
        return a;
    if (kind == "combobox")
        return has(T::xcCombo) ? Painter(S::ComBox) : a;
    if (kind == "comboboxex")
        return has(T::xcCombo) ? Painter(S::ComBox, false, 1) : a;
    if (kind == "edit") {
        if (!has(T::xcEdit))
            return a;
        a = Painter(S::Edit);
        a.NeedsBorder = true;
        return a;
    }
    if (kind == "radiobutton")
        return has(T::xcRadioButton) ? Painter(S::RadioButton) : a;
    if (kind == "panel") {
        if (!has(T::xcPanel))
            return a;
        a = Painter(S::Box, true);
        a.SetTransparent = true;
        return a;
    }
    // Track bars and glyph buttons follow xcButton, not their own members.
    if (kind == "trackbar") {
        if (!has(T::xcButton))
            return a;
        a = Painter(S::TrackBar);
        a.SetTransparent = true;
        return a;
    }
    if (kind == "button")
        return has(T::xcButton) ? Painter(S::Button) : a;
    if (kind == "datetimepicker")
        return has(T::xcCombo) ? Painter(S::DateTime) : a;
    if (kind == "mediaplayer")
        return has(T::xcButton) ? Painter(S::MP) : a;
    if (kind == "bitbtn") {
        if (!has(T::xcButton))
            return a;
        if (upper == "TCXBUTTON" && control.Published("Kind") == std::optional<std::string>("cxbkDropDownButton"))
            return Painter(S::MenuButton);
        return Painter(S::BitButton);
    }
    if (kind == "pngbitbtn")
        return has(T::xcButton) ? Painter(S::BitButton, false, 1) : a;
    if (kind == "pngspeedbutton")
        return has(T::xcButton) ? Painter(S::SpeedButton, false, 1) : a;
    if (kind == "menubtn")
        return has(T::xcButton) ? Painter(S::MenuButton) : a;
    if (kind == "speedbutton")
        return has(T::xcSpeedButton) ? Painter(S::SpeedButton) : a;
    if (kind == "tab")
        return has(T::xcTab) && hasTabObject ? Painter(S::Tab) : a;
    if (kind == "progress")
        return has(T::xcProgress) ? Painter(S::Progress) : a;
    if (kind == "scrollbar") {
        if (!has(T::xcScrollbar))
            return a;
        a = Painter(S::Scrollbar);
        a.WalkAfter = TSkinWalk::Children;
        return a;
    }
    if (kind == "singlescrollbar")
        return has(T::xcScrollbar) ? Painter(S::Scrollbar, false, 1) : a;
    if (kind == "embedscrollbar") {
        if (!has(T::xcScrollbar))
            return a;
        a.Children = TChildRule::EmbeddedScrollbars;
        return a;
    }
    if (kind == "container")
        return Walk(TSkinWalk::Children);
    if (kind == "groupbox")
        return has(T::xcGroupBox) ? Painter(S::GroupBox, true) : a;
    if (kind == "advpagecontrol")
        return has(T::xcTab) ? Painter(S::AdvPage) : a;
    if (kind == "radiogroup") {
        if (!has(T::xcGroupBox))
            return a;
        a = Painter(S::GroupBox, true);
        if (has(T::xcRadioButton)) {
            a.Children = TChildRule::RadioButtons;
            const bool rz = upper.find("TRZ") != std::string::npos;
            a.ChildSkinner = rz ? S::ObjImage : S::RadioButton;
            a.ChildMode = rz ? 2 : 0;
            a.ChildPaintBackground = rz;
        }
        return a;
    }
    if (kind == "checkgroup") {
        if (!has(T::xcPanel))
            return a;
        if (has(T::xcGroupBox))
            a = Painter(S::GroupBox, true);
        if (has(T::xcRadioButton)) {
            a.Children = TChildRule::CheckBoxes;
            const bool rz = upper.find("TRZ") != std::string::npos;
            a.ChildSkinner = rz ? S::ObjImage : S::CheckBox;
            a.ChildMode = rz ? 1 : 0;
            a.ChildPaintBackground = rz;
        }
        return a;
    }
    if (kind == "checkbox")
        return has(T::xcCheckBox) ? Painter(S::CheckBox) : a;
    return a;
}

bool BuiltInRulesExcluded(std::string_view upper)
{
    return OneOf(upper, {"TDBCOMBOBOXEH", "TFRDESIGNERPAGE", "TFRPBOX"});
}

TSkinAction DecideBuiltIn(const TControlFacts& control, TSkinControlTypes xc, bool hasTabObject)
{
    const std::string name = UpperAscii(control.ClassName());
    const auto has = [&](T t) { return xc.Has(t); };
    const auto is = [&](std::string_view cls) { return control.InheritsFrom(cls); };
    TSkinAction a;

    if (name == "TTABSET" && has(T::xcTab) && hasTabObject)                       // 1
        return Painter(S::Tab31);
    if (name == "TTABBEDNOTEBOOK" && has(T::xcTab) && hasTabObject)               // 2
        return Painter(S::Tab);
    if (name == "TMVCPANEL")                                                      // 3
        return Walk(TSkinWalk::Children);
    if (OneOf(name, {"TUPDOWN", "TSPINBUTTON"}) && has(T::xcSpin))                // 4
        return Painter(S::UpDown);
    if (name == "TMEDIAPLAYER" && has(T::xcButton))                               // 5
        return Painter(S::MP);
    if (name == "TDBNAVIGATOR" && has(T::xcPanel)) {                              // 6
        a = Painter(S::Box, true);
        a.WalkAfter = TSkinWalk::Children;
        return a;
    }
    if (OneOf(name, {"TRZDBCHECKBOX", "TRZCHECKBOX"}) && has(T::xcCheckBox))      // 7
        return Painter(S::ObjImage, true, 1);
    if (OneOf(name, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && has(T::xcRadioButton))  // 8
        return Painter(S::ObjImage, true, 2);
    if (OneOf(name, {"TCXDBCHECKBOX", "TCXCHECKBOX"}) && has(T::xcCheckBox))      // 9
        return Painter(S::ObjImage, true, 3);
    if (is("TCustomGroupBox") && has(T::xcPanel)) {                               // 10
        a = Painter(S::GroupBox);
        a.WalkBefore = TSkinWalk::Children;
        return a;
    }
    if (is("TScrollBar") && has(T::xcScrollbar))                                  // 11
        return Painter(S::ScControl);
    if (name == "TTNTCOMBOBOX" && has(T::xcCombo))                                // 12
        return Painter(S::ComBox);
    if (is("TCustomComboBox") && has(T::xcCombo))                                 // 13
        return Painter(S::ComBox);
    if (has(T::xcScrollbar) && name == "TRICHEDIT")                               // 14
        return Painter(S::Scrollbar);
    if (has(T::xcScrollbar) && OneOf(name, {"TWWDBRICHEDIT", "TDXDBMEMO"}))       // 15
        return Painter(S::Scrollbar);
    if (is("TSpeedButton") && has(T::xcSpeedButton))                              // 16
        return Painter(S::SpeedButton);
    if (is("TCustomPanel") && has(T::xcPanel)) {                                  // 17
        a = Painter(S::Box, true);
        a.WalkBefore = TSkinWalk::Children;
        return a;
    }
    if (OneOf(name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && has(T::xcScrollbar))  // 18
        return Painter(S::Scrollbar);
    if (name == "TCHECKLISTBOX" && has(T::xcScrollbar))                           // 19
        return Painter(S::CheckList);
    if (has(T::xcScrollbar) && is("TCustomMemo"))                                 // 20
        return Painter(S::Scrollbar);
    if (has(T::xcScrollbar) && is("TCustomGrid"))                                 // 21
        return Painter(S::Scrollbar);
    if (has(T::xcScrollbar) && ((control.Windowed() && control.HasScrollStyle()) || is("TCustomListBox")))  // 22
        return Painter(S::Scrollbar);
    if (is("TButton") && has(T::xcButton))                                        // 23
        return Painter(S::Button);
    if (is("TCustomEdit") && has(T::xcEdit))                                      // 24
        return Painter(S::Edit);
    const bool dcEdit = OneOf(name, {"TDCEDIT", "TDCDBEDIT"});
    if (!dcEdit && is("TCustomForm")) {                                           // 25
        a = Painter(S::Box, true);
        a.WalkAfter = TSkinWalk::Components;
        return a;
    }
    if (dcEdit) {                                                                 // 26
        const auto buttons = control.Published("NumButtons");
        if (buttons == std::optional<std::string>("1") && has(T::xcCombo))
            return Painter(S::ComBox);
        if (buttons == std::optional<std::string>("0") && has(T::xcEdit)) {
            a = Painter(S::Edit);
            a.ByHandle = true;
            return a;
        }
    }
    return TSkinAction{};
}

TSkinAction DecideSkin(const std::vector<std::string>& skin3rd, const TControlFacts& control,
                       TSkinControlTypes controls, bool hasTabObject)
{
    if (auto kind = MatchSkin3rd(skin3rd, control.ClassName()))
        return DecideSkin3rdKind(*kind, control, controls, hasTabObject);
    if (BuiltInRulesExcluded(UpperAscii(control.ClassName())))
        return TSkinAction{};
    return DecideBuiltIn(control, controls, hasTabObject);
}

bool IsGroupContainer(std::string_view className)
{
    const std::string lower = LowerAscii(className);
    return lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos;
}

TSkinnerClass DecideBareWindow(std::string_view windowClass, uint32_t style, uint32_t exStyle,
                               TSkinControlTypes xc)
{
    // The style bits are Win32's; spelled out here to keep this file portable.
    constexpr uint32_t kChild = 0x40000000, kBorder = 0x00800000, kVScroll = 0x00200000, kHScroll = 0x00100000;
    constexpr uint32_t kClientEdge = 0x200, kStaticEdge = 0x20000;
    constexpr uint32_t kButtonImage = 0x40 | 0x80;  // BS_ICON, BS_BITMAP
    constexpr uint32_t kSizeGrip = 0x10;            // SBS_SIZEGRIP
    if (!(style & kChild))
        return S::None;
    const std::string cls = LowerAscii(windowClass);
    const auto when = [&](T t, S s) { return xc.Has(t) ? s : S::None; };
    if (cls == "button") {
        if (style & kButtonImage)
            return S::None;
        switch (style & 0x0F) {
        case 0x0:  // BS_PUSHBUTTON
        case 0x1:  // BS_DEFPUSHBUTTON
            return when(T::xcButton, S::Button);
        case 0x2:  // BS_CHECKBOX
        case 0x3:  // BS_AUTOCHECKBOX
        case 0x5:  // BS_3STATE
        case 0x6:  // BS_AUTO3STATE
            return when(T::xcCheckBox, S::CheckBox);
        case 0x4:  // BS_RADIOBUTTON
        case 0x9:  // BS_AUTORADIOBUTTON
            return when(T::xcRadioButton, S::RadioButton);
        case 0x7:  // BS_GROUPBOX
            return when(T::xcGroupBox, S::GroupBox);
        default:   // owner-drawn, split and command-link buttons draw themselves
            return S::None;
        }
    }
    if (cls == "edit")
        return (style & kBorder) || (exStyle & (kClientEdge | kStaticEdge)) ? when(T::xcEdit, S::Edit) : S::None;
    if (cls == "combobox")
        return when(T::xcCombo, S::ComBox);
    if (cls == "listbox")
        return style & (kVScroll | kHScroll) ? when(T::xcScrollbar, S::Scrollbar) : S::None;
    if (cls == "scrollbar")
        return style & kSizeGrip ? S::Sizer : when(T::xcScrollbar, S::ScControl);
    if (cls == "msctls_progress32")
        return when(T::xcProgress, S::Progress);
    if (cls == "msctls_trackbar32")
        return when(T::xcTrackBar, S::TrackBar);
    if (cls == "msctls_updown32")
        return when(T::xcSpin, S::UpDown);
    if (cls == "systabcontrol32")
        return when(T::xcTab, S::Tab);
    if (cls == "sysheader32")
        return when(T::xcPanel, S::Header);
    if (cls == "msctls_statusbar32")
        return when(T::xcStatusBar, S::StatusBar);
    if (cls == "sysdatetimepick32")
        return when(T::xcCombo, S::DateTime);
    return S::None;
}
