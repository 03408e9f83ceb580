// Which painter a control gets: Skin3rd lines, the built-in rules and their
// order, the SkinControls conditions.
#include <doctest/doctest.h>

#include <map>

#include "ui/skin/skin3rd_defaults.h"
#include "ui/skin/skin_control_rules.h"

namespace {

// A control described by its class chain, most derived first.
struct TFakeControl : TControlFacts {
    std::vector<std::string> Chain;
    bool IsWindowed = true;
    bool ScrollStyle = false;
    std::map<std::string, std::string> Props;

    TFakeControl(std::initializer_list<std::string> chain) : Chain(chain) {}
    std::string ClassName() const override { return Chain.front(); }
    bool InheritsFrom(std::string_view cls) const override
    {
        for (const auto& c : Chain)
            if (c == cls)
                return true;
        return false;
    }
    bool Windowed() const override { return IsWindowed; }
    bool HasScrollStyle() const override { return ScrollStyle; }
    std::optional<std::string> Published(std::string_view name) const override
    {
        auto it = Props.find(std::string(name));
        if (it == Props.end())
            return std::nullopt;
        return it->second;
    }
};

// The component's default: every member but xcMenuItem and xcFastReport.
TSkinControlTypes DefaultControls()
{
    auto s = TSkinControlTypes::All();
    s.Exclude(TSkinControlType::xcMenuItem);
    s.Exclude(TSkinControlType::xcFastReport);
    return s;
}

TSkinControlTypes Without(TSkinControlType t)
{
    auto s = DefaultControls();
    s.Exclude(t);
    return s;
}

TSkinAction Decide(const TFakeControl& c, TSkinControlTypes xc = DefaultControls(), bool tab = true,
                   const std::vector<std::string>& lines = DefaultSkin3rd())
{
    return DecideSkin(lines, c, xc, tab);
}

// The widget set's classes as the main window has them.
TFakeControl GroupBox() { return {"TGroupBox", "TCustomGroupBox", "TCustomControl", "TWinControl", "TControl"}; }
TFakeControl ComboBox() { return {"TComboBox", "TCustomComboBox", "TWinControl", "TControl"}; }
TFakeControl Edit() { return {"TEdit", "TCustomEdit", "TWinControl", "TControl"}; }
TFakeControl Button() { return {"TButton", "TButtonControl", "TWinControl", "TControl"}; }
TFakeControl Grid()
{
    return {"TDBGridEh", "TCustomDBGridEh", "TCustomGrid", "TCustomControl", "TWinControl", "TControl"};
}
TFakeControl Memo() { return {"TFlatMemo", "TCustomMemo", "TCustomEdit", "TWinControl", "TControl"}; }

} // namespace

TEST_CASE("Skin3rd lines match the whole class name followed by '=', in any case, first line first")
{
    const std::vector<std::string> lines = {"TEditEx=panel", "tedit=Edit", "TEdit=button", "TCombo=combobox"};
    CHECK(MatchSkin3rd(lines, "TEdit") == std::optional<std::string>("edit"));
    CHECK(MatchSkin3rd(lines, "TEDIT") == std::optional<std::string>("edit"));
    CHECK(MatchSkin3rd(lines, "TEditEx") == std::optional<std::string>("panel"));
    // A line naming a longer class does not serve a prefix of it, nor the reverse.
    CHECK_FALSE(MatchSkin3rd(lines, "TComboBox").has_value());
    CHECK_FALSE(MatchSkin3rd(lines, "TEdi").has_value());
    CHECK_FALSE(MatchSkin3rd({}, "TEdit").has_value());
    // The kind is everything after the key, cut at 50 characters.
    const std::string longKind(80, 'k');
    CHECK(MatchSkin3rd({"TX=" + longKind}, "TX")->size() == 50);
    CHECK(MatchSkin3rd({"TX=a=b"}, "TX") == std::optional<std::string>("a=b"));
    CHECK(MatchSkin3rd({"TX="}, "TX") == std::optional<std::string>(""));
}

TEST_CASE("The default list: doubled lines, mixed case, and the classes it names")
{
    const auto& lines = DefaultSkin3rd();
    CHECK(MatchSkin3rd(lines, "TComboBoxEx") == std::optional<std::string>("combobox"));
    CHECK(MatchSkin3rd(lines, "TDBCheckboxEh") == std::optional<std::string>("checkbox"));
    CHECK(MatchSkin3rd(lines, "TWWDBCOMBOBOX") == std::optional<std::string>("combobox"));
    CHECK(MatchSkin3rd(lines, "TRzRadioGroup") == std::optional<std::string>("radiogroup"));
    CHECK(MatchSkin3rd(lines, "TLMDGroupBox") == std::optional<std::string>("panel"));  // the Panel line comes first
    // None of the main window's classes is in the list.
    for (const char* c : {"TGroupBox", "TComboBox", "TEdit", "TButton", "TDBGridEh", "TFlatMemo", "TLabel"})
        CHECK_FALSE(MatchSkin3rd(lines, c).has_value());
}

TEST_CASE("The main window's controls get the painters the built-in rules give them")
{
    auto group = Decide(GroupBox());
    CHECK(group.Skinner == TSkinnerClass::GroupBox);
    CHECK(group.WalkBefore == TSkinWalk::Children);  // the children first
    CHECK_FALSE(group.PaintBackground);
    CHECK(Decide(ComboBox()).Skinner == TSkinnerClass::ComBox);
    CHECK(Decide(Edit()).Skinner == TSkinnerClass::Edit);
    CHECK(Decide(Button()).Skinner == TSkinnerClass::Button);
    CHECK(Decide(Grid()).Skinner == TSkinnerClass::Scrollbar);
    CHECK(Decide(Memo()).Skinner == TSkinnerClass::Scrollbar);
    TFakeControl label{"TLabel", "TCustomLabel", "TGraphicControl", "TControl"};
    label.IsWindowed = false;
    CHECK(Decide(label).LeavesAlone());
}

TEST_CASE("Each painter needs its member of SkinControls")
{
    CHECK(Decide(GroupBox(), Without(TSkinControlType::xcPanel)).LeavesAlone());
    CHECK(Decide(ComboBox(), Without(TSkinControlType::xcCombo)).LeavesAlone());
    CHECK(Decide(Edit(), Without(TSkinControlType::xcEdit)).LeavesAlone());
    CHECK(Decide(Button(), Without(TSkinControlType::xcButton)).LeavesAlone());
    // Without scroll-bar painting the memo is still an edit box.
    CHECK(Decide(Memo(), Without(TSkinControlType::xcScrollbar)).Skinner == TSkinnerClass::Edit);
    CHECK(Decide(Grid(), Without(TSkinControlType::xcScrollbar)).LeavesAlone());
    // A group box is a panel to SkinControls, not xcGroupBox.
    CHECK(Decide(GroupBox(), Without(TSkinControlType::xcGroupBox)).Skinner == TSkinnerClass::GroupBox);
}

TEST_CASE("The built-in rules in their order: the first that fits decides")
{
    // A memo with scroll bars is a scroll-bar window before it is an edit box.
    TFakeControl rich{"TRichEdit", "TCustomMemo", "TCustomEdit", "TWinControl"};
    CHECK(Decide(rich).Skinner == TSkinnerClass::Scrollbar);
    // A check-list box is found by name before the list-box rule.
    TFakeControl checkList{"TCheckListBox", "TCustomListBox", "TWinControl"};
    CHECK(Decide(checkList).Skinner == TSkinnerClass::CheckList);
    TFakeControl listBox{"TListBox", "TCustomListBox", "TWinControl"};
    CHECK(Decide(listBox).Skinner == TSkinnerClass::Scrollbar);
    // Any window with a scroll-bar style, but only a windowed one.
    TFakeControl scrolling{"TSomething", "TWinControl"};
    CHECK(Decide(scrolling).LeavesAlone());
    scrolling.ScrollStyle = true;
    CHECK(Decide(scrolling).Skinner == TSkinnerClass::Scrollbar);
    scrolling.IsWindowed = false;
    CHECK(Decide(scrolling).LeavesAlone());
    // A combo box has WS_VSCROLL but is found as a combo box first.
    auto combo = ComboBox();
    combo.ScrollStyle = true;
    CHECK(Decide(combo).Skinner == TSkinnerClass::ComBox);
    // Stand-alone scroll bars, panels, navigator, speed buttons, spin buttons.
    CHECK(Decide(TFakeControl{"TScrollBar", "TWinControl"}).Skinner == TSkinnerClass::ScControl);
    auto panel = Decide(TFakeControl{"TPanel", "TCustomPanel", "TWinControl"});
    CHECK(panel.Skinner == TSkinnerClass::Box);
    CHECK(panel.PaintBackground);
    CHECK(panel.WalkBefore == TSkinWalk::Children);
    auto nav = Decide(TFakeControl{"TDBNavigator", "TCustomPanel", "TWinControl"});
    CHECK(nav.Skinner == TSkinnerClass::Box);
    CHECK(nav.WalkAfter == TSkinWalk::Children);
    CHECK(nav.WalkBefore == TSkinWalk::None);
    CHECK(Decide(TFakeControl{"TSpeedButton", "TGraphicControl"}).Skinner == TSkinnerClass::SpeedButton);
    CHECK(Decide(TFakeControl{"TUpDown", "TWinControl"}).Skinner == TSkinnerClass::UpDown);
    CHECK(Decide(TFakeControl{"TUpDown", "TWinControl"}, Without(TSkinControlType::xcSpin)).LeavesAlone());
    auto mvc = Decide(TFakeControl{"TMVCPanel", "TCustomPanel", "TWinControl"});
    CHECK(mvc.Skinner == TSkinnerClass::None);
    CHECK(mvc.WalkBefore == TSkinWalk::Children);
    CHECK(Decide(TFakeControl{"TMediaPlayer", "TWinControl"}).Skinner == TSkinnerClass::MP);
}

TEST_CASE("Tab controls need xcTab and a tab object in the skin")
{
    TFakeControl tabSet{"TTabSet", "TWinControl"};
    CHECK(Decide(tabSet).Skinner == TSkinnerClass::Tab31);
    CHECK(Decide(tabSet, DefaultControls(), false).LeavesAlone());
    CHECK(Decide(tabSet, Without(TSkinControlType::xcTab)).LeavesAlone());
    CHECK(Decide(TFakeControl{"TTabbedNotebook", "TWinControl"}).Skinner == TSkinnerClass::Tab);
}

TEST_CASE("Check and radio images of other libraries, with the parent's background")
{
    auto rz = Decide(TFakeControl{"TRzCheckBox", "TWinControl"});
    CHECK(rz.Skinner == TSkinnerClass::ObjImage);
    CHECK(rz.Mode == 1);
    CHECK(rz.PaintBackground);
    CHECK(Decide(TFakeControl{"TRzRadioButton", "TWinControl"}).Mode == 2);
    // The default list names the data-aware one, and the list comes first.
    CHECK(Decide(TFakeControl{"TRzDBRadioButton", "TWinControl"}).Skinner == TSkinnerClass::RadioButton);
    CHECK(Decide(TFakeControl{"TcxCheckBox", "TWinControl"}).Mode == 3);
    CHECK(Decide(TFakeControl{"TRzCheckBox", "TWinControl"}, Without(TSkinControlType::xcCheckBox)).LeavesAlone());
}

TEST_CASE("Embedded forms and the two edit classes with buttons")
{
    auto form = Decide(TFakeControl{"TFrame2", "TCustomForm", "TWinControl"});
    CHECK(form.Skinner == TSkinnerClass::Box);
    CHECK(form.PaintBackground);
    CHECK(form.WalkAfter == TSkinWalk::Components);
    TFakeControl dc{"TDCEdit", "TCustomForm", "TWinControl"};
    CHECK(Decide(dc).LeavesAlone());  // no NumButtons
    dc.Props["NumButtons"] = "1";
    CHECK(Decide(dc).Skinner == TSkinnerClass::ComBox);
    dc.Props["NumButtons"] = "0";
    auto edit = Decide(dc);
    CHECK(edit.Skinner == TSkinnerClass::Edit);
    CHECK(edit.ByHandle);
    CHECK(Decide(dc, Without(TSkinControlType::xcEdit)).LeavesAlone());
    dc.Props["NumButtons"] = "2";
    CHECK(Decide(dc).LeavesAlone());
}

TEST_CASE("Classes the built-in rules never touch")
{
    TFakeControl ehCombo{"TDBComboBoxEh", "TCustomComboBox", "TWinControl"};
    CHECK(Decide(ehCombo).LeavesAlone());
    CHECK(Decide(ehCombo, DefaultControls(), true, {"TDBComboBoxEh=combobox"}).Skinner == TSkinnerClass::ComBox);
    CHECK(Decide(TFakeControl{"TfrPBox", "TCustomPanel", "TWinControl"}).LeavesAlone());
}

TEST_CASE("A Skin3rd line overrides the built-in rules, and 'nil' keeps a class native")
{
    CHECK(Decide(ComboBox(), DefaultControls(), true, {"TComboBox=nil"}).LeavesAlone());
    CHECK(Decide(Button(), DefaultControls(), true, {"tbutton=NIL"}).LeavesAlone());
    // The lookup ignores case in both the class and the kind.
    CHECK(Decide(Edit(), DefaultControls(), true, {"TEDIT=Button"}).Skinner == TSkinnerClass::Button);
    // First matching line.
    CHECK(Decide(Edit(), DefaultControls(), true, {"TEdit=nil", "TEdit=button"}).LeavesAlone());
    // A kind whose condition fails leaves the control alone: no fallback to the built-in rules.
    CHECK(Decide(Edit(), Without(TSkinControlType::xcCombo), true, {"TEdit=combobox"}).LeavesAlone());
    // An unknown kind too.
    CHECK(Decide(Button(), DefaultControls(), true, {"TButton=gadget"}).LeavesAlone());
}

TEST_CASE("Track bars and glyph buttons follow xcButton, not their own members")
{
    TFakeControl track{"TLMDTrackbar2", "TWinControl"};
    const std::vector<std::string> lines = {"TLMDTrackbar2=trackbar"};
    auto t = Decide(track, DefaultControls(), true, lines);
    CHECK(t.Skinner == TSkinnerClass::TrackBar);
    CHECK(t.SetTransparent);
    CHECK(Decide(track, Without(TSkinControlType::xcTrackBar), true, lines).Skinner == TSkinnerClass::TrackBar);
    CHECK(Decide(track, Without(TSkinControlType::xcButton), true, lines).LeavesAlone());

    TFakeControl bit{"TRzBitbtn", "TWinControl"};
    CHECK(Decide(bit).Skinner == TSkinnerClass::BitButton);
    CHECK(Decide(bit, Without(TSkinControlType::xcBitBtn)).Skinner == TSkinnerClass::BitButton);
    CHECK(Decide(bit, Without(TSkinControlType::xcButton)).LeavesAlone());
    // A drop-down cxButton is a menu button.
    TFakeControl cx{"TcxButton", "TWinControl"};
    CHECK(Decide(cx).Skinner == TSkinnerClass::BitButton);
    cx.Props["Kind"] = "cxbkDropDownButton";
    CHECK(Decide(cx).Skinner == TSkinnerClass::MenuButton);
    // The png variants take their glyph from PngImage.
    auto png = Decide(TFakeControl{"TPngBitBtn", "TWinControl"});
    CHECK(png.Skinner == TSkinnerClass::BitButton);
    CHECK(png.Mode == 1);
    CHECK(Decide(TFakeControl{"TPngSpeedButton", "TWinControl"}).Skinner == TSkinnerClass::SpeedButton);
    // speedbutton kind needs xcSpeedButton, not xcButton.
    CHECK(Decide(TFakeControl{"TRxSpeedButton", "TWinControl"}, Without(TSkinControlType::xcButton)).Skinner ==
          TSkinnerClass::SpeedButton);
}

TEST_CASE("Every Skin3rd kind with its condition")
{
    TFakeControl c{"TX", "TWinControl"};
    struct Case {
        const char* kind;
        TSkinControlType needs;
        TSkinnerClass skinner;
    };
    const Case cases[] = {
        {"combobox", TSkinControlType::xcCombo, TSkinnerClass::ComBox},
        {"comboboxex", TSkinControlType::xcCombo, TSkinnerClass::ComBox},
        {"edit", TSkinControlType::xcEdit, TSkinnerClass::Edit},
        {"radiobutton", TSkinControlType::xcRadioButton, TSkinnerClass::RadioButton},
        {"panel", TSkinControlType::xcPanel, TSkinnerClass::Box},
        {"button", TSkinControlType::xcButton, TSkinnerClass::Button},
        {"datetimepicker", TSkinControlType::xcCombo, TSkinnerClass::DateTime},
        {"mediaplayer", TSkinControlType::xcButton, TSkinnerClass::MP},
        {"menubtn", TSkinControlType::xcButton, TSkinnerClass::MenuButton},
        {"tab", TSkinControlType::xcTab, TSkinnerClass::Tab},
        {"progress", TSkinControlType::xcProgress, TSkinnerClass::Progress},
        {"scrollbar", TSkinControlType::xcScrollbar, TSkinnerClass::Scrollbar},
        {"singlescrollbar", TSkinControlType::xcScrollbar, TSkinnerClass::Scrollbar},
        {"groupbox", TSkinControlType::xcGroupBox, TSkinnerClass::GroupBox},
        {"advpagecontrol", TSkinControlType::xcTab, TSkinnerClass::AdvPage},
        {"radiogroup", TSkinControlType::xcGroupBox, TSkinnerClass::GroupBox},
        {"checkbox", TSkinControlType::xcCheckBox, TSkinnerClass::CheckBox},
    };
    for (const auto& k : cases) {
        CAPTURE(k.kind);
        const std::vector<std::string> lines = {std::string("TX=") + k.kind};
        CHECK(Decide(c, DefaultControls(), true, lines).Skinner == k.skinner);
        CHECK(Decide(c, Without(k.needs), true, lines).LeavesAlone());
    }
    const std::vector<std::string> tab = {"TX=tab"};
    CHECK(Decide(c, DefaultControls(), false, tab).LeavesAlone());
    CHECK(Decide(c, DefaultControls(), true, {"TX=comboboxex"}).Mode == 1);
    CHECK(Decide(c, DefaultControls(), true, {"TX=singlescrollbar"}).Mode == 1);
    CHECK(Decide(c, DefaultControls(), true, {"TX=scrollbar"}).WalkAfter == TSkinWalk::Children);
    CHECK(Decide(c, DefaultControls(), true, {"TX=edit"}).NeedsBorder);
    auto panel = Decide(c, DefaultControls(), true, {"TX=panel"});
    CHECK(panel.SetTransparent);
    CHECK(panel.PaintBackground);
    // A container has no painter of its own; its children go through the decision.
    auto container = Decide(c, TSkinControlTypes{}, true, {"TX=container"});
    CHECK(container.Skinner == TSkinnerClass::None);
    CHECK(container.WalkBefore == TSkinWalk::Children);
    auto embed = Decide(c, DefaultControls(), true, {"TX=embedscrollbar"});
    CHECK(embed.Children == TChildRule::EmbeddedScrollbars);
    CHECK(Decide(c, Without(TSkinControlType::xcScrollbar), true, {"TX=embedscrollbar"}).LeavesAlone());
}

TEST_CASE("Radio and check groups give their children fixed painters")
{
    TFakeControl group{"TMyRadioGroup", "TWinControl"};
    const std::vector<std::string> radio = {"TMyRadioGroup=radiogroup"};
    auto a = Decide(group, DefaultControls(), true, radio);
    CHECK(a.Skinner == TSkinnerClass::GroupBox);
    CHECK(a.PaintBackground);
    CHECK(a.Children == TChildRule::RadioButtons);
    CHECK(a.ChildSkinner == TSkinnerClass::RadioButton);
    auto noRadio = Decide(group, Without(TSkinControlType::xcRadioButton), true, radio);
    CHECK(noRadio.Skinner == TSkinnerClass::GroupBox);
    CHECK(noRadio.Children == TChildRule::None);

    TFakeControl rz{"TRzRadioGroup", "TWinControl"};
    auto r = Decide(rz);
    CHECK(r.ChildSkinner == TSkinnerClass::ObjImage);
    CHECK(r.ChildMode == 2);
    CHECK(r.ChildPaintBackground);

    TFakeControl check{"TLMDCheckGroup", "TWinControl"};
    auto cg = Decide(check);
    CHECK(cg.Skinner == TSkinnerClass::GroupBox);
    CHECK(cg.ChildSkinner == TSkinnerClass::CheckBox);
    // A check group needs xcPanel; its frame needs xcGroupBox; its children xcRadioButton.
    CHECK(Decide(check, Without(TSkinControlType::xcPanel)).LeavesAlone());
    auto frameless = Decide(check, Without(TSkinControlType::xcGroupBox));
    CHECK(frameless.Skinner == TSkinnerClass::None);
    CHECK(frameless.Children == TChildRule::CheckBoxes);
    auto rzCheck = Decide(TFakeControl{"TRzCheckGroup", "TWinControl"});
    CHECK(rzCheck.ChildSkinner == TSkinnerClass::ObjImage);
    CHECK(rzCheck.ChildMode == 1);
}

TEST_CASE("Containers whose DisableTag passes on to their children")
{
    CHECK(IsGroupContainer("TRadioGroup"));
    CHECK(IsGroupContainer("TRzCheckGroup"));
    CHECK(IsGroupContainer("TLMDDBRADIOGROUP"));
    CHECK_FALSE(IsGroupContainer("TGroupBox"));
    CHECK_FALSE(IsGroupContainer("TRadioButton"));
}

TEST_CASE("Windows without a widget-set control are painted by their class and style")
{
    const auto xc = DefaultControls();
    constexpr uint32_t child = 0x40000000;
    // A message box: its buttons are push buttons, its text and icon statics.
    CHECK(DecideBareWindow("Button", child | 0x0, 0, xc) == TSkinnerClass::Button);
    CHECK(DecideBareWindow("BUTTON", child | 0x1, 0, xc) == TSkinnerClass::Button);
    CHECK(DecideBareWindow("Static", child | 0x3, 0, xc) == TSkinnerClass::None);  // SS_ICON
    CHECK(DecideBareWindow("Static", child, 0, xc) == TSkinnerClass::None);
    // Check boxes and radio buttons by their button type, not as push buttons.
    CHECK(DecideBareWindow("button", child | 0x3, 0, xc) == TSkinnerClass::CheckBox);
    CHECK(DecideBareWindow("button", child | 0x6, 0, xc) == TSkinnerClass::CheckBox);
    CHECK(DecideBareWindow("button", child | 0x9, 0, xc) == TSkinnerClass::RadioButton);
    CHECK(DecideBareWindow("button", child | 0x7, 0, xc) == TSkinnerClass::GroupBox);
    // Buttons that draw themselves or show an image stay native.
    CHECK(DecideBareWindow("button", child | 0xB, 0, xc) == TSkinnerClass::None);
    CHECK(DecideBareWindow("button", child | 0x80, 0, xc) == TSkinnerClass::None);
    // An edit only with a border; a top-level window never.
    CHECK(DecideBareWindow("Edit", child | 0x00800000, 0, xc) == TSkinnerClass::Edit);
    CHECK(DecideBareWindow("Edit", child, 0x200, xc) == TSkinnerClass::Edit);
    CHECK(DecideBareWindow("Edit", child, 0, xc) == TSkinnerClass::None);
    CHECK(DecideBareWindow("Button", 0x0, 0, xc) == TSkinnerClass::None);
    // The members of SkinControls still decide.
    CHECK(DecideBareWindow("Button", child, 0, Without(TSkinControlType::xcButton)) == TSkinnerClass::None);
    CHECK(DecideBareWindow("ComboBox", child, 0, xc) == TSkinnerClass::ComBox);
    CHECK(DecideBareWindow("ListBox", child | 0x00200000, 0, xc) == TSkinnerClass::Scrollbar);
    CHECK(DecideBareWindow("ListBox", child, 0, xc) == TSkinnerClass::None);
    CHECK(DecideBareWindow("ScrollBar", child | 0x1, 0, xc) == TSkinnerClass::ScControl);
    CHECK(DecideBareWindow("ScrollBar", child | 0x10, 0, xc) == TSkinnerClass::Sizer);
    CHECK(DecideBareWindow("msctls_progress32", child, 0, xc) == TSkinnerClass::Progress);
    CHECK(DecideBareWindow("msctls_trackbar32", child, 0, xc) == TSkinnerClass::TrackBar);
    CHECK(DecideBareWindow("SysTabControl32", child, 0, xc) == TSkinnerClass::Tab);
}
