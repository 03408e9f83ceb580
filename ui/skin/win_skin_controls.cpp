// The frame's hook for the control painters: a frame keeps its painters in a
// TSkinControlList component of its own, so they go when the frame goes.
#include "ui/skin/skin_child_controls.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/win_skin_form.h"

namespace {

TSkinControlList* PaintersOf(TWinSkinForm& frame)
{
    for (size_t i = 0; i < frame.ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TSkinControlList*>(frame.Component(i)))
            return list;
    return nullptr;
}

} // namespace

void TWinSkinForm::SkinChildControls()
{
    if (!SkinData() || !IsWindow(Handle()))
        return;
    TSkinControlList* list = PaintersOf(*this);
    if (!list)
        list = Make<TSkinControlList>(*SkinData());
    if (Form())
        ::SkinChildControls(*list, *Form());
    else
        ::SkinChildWindows(*list, Handle());
    ControlSkinners.assign(list->Count(), nullptr);
    for (size_t i = 0; i < list->Count(); ++i)
        ControlSkinners[i] = list->At(i);
}

void TWinSkinForm::DetachControlSkinners()
{
    ControlSkinners.clear();
    TSkinControlList* list = PaintersOf(*this);
    if (!list)
        return;
    // A window being destroyed keeps nothing to give back; a removed skin
    // gives the controls their own colours again.
    list->ReleaseAll(FrameState != fsDestroying);
    FreeComponent(list);
}

void TWinSkinForm::ControlSkinnersChanged()
{
    if (TSkinControlList* list = PaintersOf(*this))
        list->SkinChanged();
}

void TWinSkinForm::CloseControlHints() {}
