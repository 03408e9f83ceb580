#pragma once
// Which painter a control gets: the Skin3rd lines first, then the built-in
// rules in their fixed order. Plain data in, a decision out; the Win32 walk
// carries the decision out on the real control.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/skin/skin_sets.h"

// The painter classes a decision can name.
enum class TSkinnerClass {
    None,
    Button, BitButton, MenuButton, SpeedButton,
    CheckBox, RadioButton, ObjImage,
    ComBox, Edit, DateTime,
    GroupBox, Box, BoxH,
    Progress, TrackBar, UpDown,
    Tab, Tab31, TabSheet, TabBtn, AdvPage,
    Header, StatusBar, MP,
    Scrollbar, ScrollbarH, ListView, CheckList, ScControl, ComboxScrollBar,
    Sizer
};
const char* SkinnerClassName(TSkinnerClass c);

// What the decision needs to know about one control.
class TControlFacts {
public:
    virtual ~TControlFacts() = default;
    virtual std::string ClassName() const = 0;
    // The class or one of its ancestors has this name.
    virtual bool InheritsFrom(std::string_view cls) const = 0;
    // Has a window of its own.
    virtual bool Windowed() const = 0;
    // Its window style has WS_VSCROLL or WS_HSCROLL.
    virtual bool HasScrollStyle() const = 0;
    // A published property as text, or none when the class has no such property.
    virtual std::optional<std::string> Published(std::string_view name) const = 0;
};

// Children walked through the same decision, before or after the control's own painter.
enum class TSkinWalk { None, Children, Components };
// Children given a fixed painter without a decision of their own.
enum class TChildRule { None, RadioButtons, CheckBoxes, EmbeddedScrollbars };

struct TSkinAction {
    TSkinnerClass Skinner = TSkinnerClass::None;
    // TSkinObjImage: 1 check box, 2 radio button, 3 another library's check box.
    // TSkinComBox: 1 extended. TSkinScrollbar: 1 single. Glyph buttons: 1 glyph from "PngImage".
    int Mode = 0;
    bool PaintBackground = false;
    // Attached to the window, not to the widget-set control.
    bool ByHandle = false;
    // Only when the control has a border (window rectangle differs from the client rectangle).
    bool NeedsBorder = false;
    // Published "Transparent" set to "True" before the painter is attached.
    bool SetTransparent = false;
    TSkinWalk WalkBefore = TSkinWalk::None;
    TSkinWalk WalkAfter = TSkinWalk::None;
    TChildRule Children = TChildRule::None;
    TSkinnerClass ChildSkinner = TSkinnerClass::None;
    int ChildMode = 0;
    bool ChildPaintBackground = false;

    bool LeavesAlone() const
    {
        return Skinner == TSkinnerClass::None && WalkBefore == TSkinWalk::None && WalkAfter == TSkinWalk::None &&
               Children == TChildRule::None;
    }
};

std::string LowerAscii(std::string_view s);
std::string UpperAscii(std::string_view s);

// The kind of the first Skin3rd line that begins with the lower-case class
// name followed by "=", lower-cased and cut to 50 characters; none when no
// line begins so.
std::optional<std::string> MatchSkin3rd(const std::vector<std::string>& lines, std::string_view className);

// What a Skin3rd kind does to a control. A kind whose condition on
// SkinControls fails, and a kind nobody knows, leave the control alone.
TSkinAction DecideSkin3rdKind(std::string_view kind, const TControlFacts& control, TSkinControlTypes controls,
                              bool hasTabObject);

// The 26 built-in rules, first match wins; none for anything else.
TSkinAction DecideBuiltIn(const TControlFacts& control, TSkinControlTypes controls, bool hasTabObject);

// Classes the built-in rules never touch (they skin themselves).
bool BuiltInRulesExcluded(std::string_view upperClassName);

// The whole decision for a control that passed DisableTag: the matching
// Skin3rd line if there is one, else the built-in rules.
TSkinAction DecideSkin(const std::vector<std::string>& skin3rd, const TControlFacts& control,
                       TSkinControlTypes controls, bool hasTabObject);

// A container whose DisableTag passes on to its children.
bool IsGroupContainer(std::string_view className);

// The painter of a window that has no widget-set control, by its window
// class (any case) and style: push buttons, check boxes and radio buttons,
// bordered edits and the common controls. Statics (a message box's text and
// icon) are none: the frame paints them transparent.
TSkinnerClass DecideBareWindow(std::string_view windowClass, uint32_t style, uint32_t exStyle,
                               TSkinControlTypes controls);
