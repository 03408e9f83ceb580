// Which class paints which kind: the one place that knows every painter.
#include "ui/skin/skin_boxes.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_checks.h"
#include "ui/skin/skin_child_controls.h"
#include "ui/skin/skin_common_controls.h"
#include "ui/skin/skin_edits.h"
#include "ui/skin/skin_media_player.h"
#include "ui/skin/skin_scrollbar.h"

namespace {

template <class T>
T* New(TComponent* owner, std::unique_ptr<TSkinControl>* unowned)
{
    if (owner)
        return owner->Make<T>();
    if (!unowned)
        return nullptr;
    auto made = std::make_unique<T>(nullptr);
    T* raw = made.get();
    *unowned = std::move(made);
    return raw;
}

} // namespace

TSkinControl* MakeSkinner(TSkinnerClass cls, int mode, TComponent* owner, std::unique_ptr<TSkinControl>* unowned)
{
    switch (cls) {
    case TSkinnerClass::Button:
        return New<TSkinButton>(owner, unowned);
    case TSkinnerClass::BitButton:
        if (auto* s = New<TSkinBitButton>(owner, unowned)) {
            s->PngGlyph = mode == 1;
            return s;
        }
        return nullptr;
    case TSkinnerClass::MenuButton:
        return New<TSkinMenuButton>(owner, unowned);
    case TSkinnerClass::SpeedButton:
        if (auto* s = New<TSkinSpeedButton>(owner, unowned)) {
            s->PngGlyph = mode == 1;
            return s;
        }
        return nullptr;
    case TSkinnerClass::Progress:
        return New<TSkinProgress>(owner, unowned);
    case TSkinnerClass::TrackBar:
        return New<TSkinTrackBar>(owner, unowned);
    case TSkinnerClass::UpDown:
        return New<TSkinUpDown>(owner, unowned);
    case TSkinnerClass::Tab:
        return New<TSkinTab>(owner, unowned);
    case TSkinnerClass::Tab31:
        return New<TSkinTab31>(owner, unowned);
    case TSkinnerClass::TabSheet:
        return New<TSkinTabSheet>(owner, unowned);
    case TSkinnerClass::TabBtn:
        return New<TSkinTabBtn>(owner, unowned);
    case TSkinnerClass::AdvPage:
        return New<TSkinAdvPage>(owner, unowned);
    case TSkinnerClass::Header:
        return New<TSkinHeader>(owner, unowned);
    case TSkinnerClass::StatusBar:
        return New<TSkinStatusBar>(owner, unowned);
    case TSkinnerClass::MP:
        return New<TSkinMP>(owner, unowned);
    case TSkinnerClass::Sizer:
        return New<TSkinSizer>(owner, unowned);
    case TSkinnerClass::CheckBox:
        return New<TSkinCheckBox>(owner, unowned);
    case TSkinnerClass::RadioButton:
        return New<TSkinRadioButton>(owner, unowned);
    case TSkinnerClass::ObjImage:
        if (auto* s = New<TSkinObjImage>(owner, unowned)) {
            s->Mode = mode;
            return s;
        }
        return nullptr;
    case TSkinnerClass::GroupBox:
        return New<TSkinGroupBox>(owner, unowned);
    case TSkinnerClass::Box:
        return New<TSkinBox>(owner, unowned);
    case TSkinnerClass::BoxH:
        return New<TSkinBoxH>(owner, unowned);
    case TSkinnerClass::Edit:
        return New<TSkinEdit>(owner, unowned);
    case TSkinnerClass::DateTime:
        return New<TSkinDateTime>(owner, unowned);
    case TSkinnerClass::ComBox:
        if (auto* s = New<TSkinComBox>(owner, unowned)) {
            s->Mode = mode;
            return s;
        }
        return nullptr;
    case TSkinnerClass::Scrollbar:
        if (auto* s = New<TSkinScrollbar>(owner, unowned)) {
            s->SingleMode = mode == 1;
            return s;
        }
        return nullptr;
    case TSkinnerClass::ScrollbarH:
        return New<TSkinScrollbarH>(owner, unowned);
    case TSkinnerClass::ListView:
        return New<TSkinListView>(owner, unowned);
    case TSkinnerClass::CheckList:
        return New<TSkinCheckList>(owner, unowned);
    case TSkinnerClass::ScControl:
        return New<TSkinScControl>(owner, unowned);
    default:
        return nullptr;
    }
}
