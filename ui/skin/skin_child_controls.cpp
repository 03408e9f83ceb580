#include "ui/skin/skin_child_controls.h"

#include "ui/control_atom.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/skin/skin_data.h"

namespace {

// A widget-set control as the decision sees it.
class TWidgetFacts : public TControlFacts {
public:
    explicit TWidgetFacts(const TControl& control) : control_(control) {}
    std::string ClassName() const override { return control_.ClassName(); }
    bool InheritsFrom(std::string_view cls) const override { return control_.InheritsFrom(cls); }
    bool Windowed() const override { return control_.IsWindowed(); }
    bool HasScrollStyle() const override
    {
        if (!control_.IsWindowed())
            return false;
        auto& w = static_cast<const TWinControl&>(control_);
        if (!w.HandleAllocated())
            return false;
        return (GetWindowLongPtrW(const_cast<TWinControl&>(w).Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
    }
    std::optional<std::string> Published(std::string_view name) const override
    {
        auto value = GetPropValue(control_, name);
        if (!value)
            return std::nullopt;
        std::string narrow;
        for (wchar_t c : *value)
            narrow += c < 0x80 ? static_cast<char>(c) : '?';
        return narrow;
    }

private:
    const TControl& control_;
};

TWinControl* Windowed(TControl& control)
{
    return control.IsWindowed() ? static_cast<TWinControl*>(&control) : nullptr;
}

bool AlreadySkinned(TSkinControlList& frame, TControl& control)
{
    if (frame.FindFor(&control))
        return true;
    TWinControl* w = Windowed(control);
    return w && w->HandleAllocated() && SendMessageW(w->Handle(), SKINMSG_QUERY, 0, 0) == 1;
}

// Creates the painter, owned by the control, and attaches it.
void AttachSkinner(TSkinControlList& frame, TControl& control, TSkinnerClass cls, int mode, bool paintBackground,
                   bool byHandle = false)
{
    TWinControl* w = Windowed(control);
    // Tool buttons are the one kind painted without a window of their own.
    const bool graphic = !w && cls == TSkinnerClass::SpeedButton && !byHandle && control.Parent();
    if ((!w && !graphic) || cls == TSkinnerClass::None || AlreadySkinned(frame, control))
        return;
    // Owned by the control, so it dies with it.
    TSkinControl* skinner = MakeSkinner(cls, mode, &control);
    if (!skinner)
        return;
    if (byHandle && w)
        skinner->AttachHandle(w->Handle(), frame.Data(), frame);
    else
        skinner->Attach(frame, frame.Data(), paintBackground);
    if (skinner->State() != SS_ATTACHED)
        control.FreeComponent(skinner);
}

std::vector<TControl*> ChildrenOf(TControl& control)
{
    TWinControl* w = Windowed(control);
    return w ? w->Controls() : std::vector<TControl*>{};  // a copy: painters may add companions
}

void Walk(TSkinControlList& frame, TControl& control, TSkinWalk walk)
{
    if (walk == TSkinWalk::Children) {
        for (TControl* child : ChildrenOf(control))
            SkinControl(frame, *child, Windowed(control));
    } else if (walk == TSkinWalk::Components) {
        std::vector<TControl*> owned;
        for (size_t i = 0; i < control.ComponentCount(); ++i)
            if (auto* c = dynamic_cast<TControl*>(control.Component(i)))
                owned.push_back(c);
        for (TControl* c : owned)
            SkinControl(frame, *c, Windowed(control));
    }
}

void SkinChildrenByRule(TSkinControlList& frame, TControl& control, const TSkinAction& action)
{
    const int32_t disable = frame.Data().DisableTag;
    for (TControl* child : ChildrenOf(control)) {
        if (child->Tag == disable || !child->IsWindowed())
            continue;
        if (action.Children == TChildRule::EmbeddedScrollbars) {
            if (child->InheritsFrom("TScrollBar"))
                AttachSkinner(frame, *child, TSkinnerClass::ScControl, 0, false);
            else if (TWidgetFacts(*child).HasScrollStyle() || child->InheritsFrom("TCustomListBox"))
                AttachSkinner(frame, *child, TSkinnerClass::Scrollbar, 0, false);
            continue;
        }
        AttachSkinner(frame, *child, action.ChildSkinner, action.ChildMode, action.ChildPaintBackground);
    }
}

bool HasBorder(TWinControl& control)
{
    RECT window, client;
    GetWindowRect(control.Handle(), &window);
    GetClientRect(control.Handle(), &client);
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void Apply(TSkinControlList& frame, TControl& control, const TSkinAction& action)
{
    Walk(frame, control, action.WalkBefore);
    if (action.Children != TChildRule::None)
        SkinChildrenByRule(frame, control, action);
    if (action.Skinner != TSkinnerClass::None) {
        TWinControl* w = Windowed(control);
        const bool fits = w ? !action.NeedsBorder || HasBorder(*w) : action.Skinner == TSkinnerClass::SpeedButton;
        if (fits) {
            if (action.SetTransparent)
                SetPropValue(control, "Transparent", L"True");
            AttachSkinner(frame, control, action.Skinner, action.Mode, action.PaintBackground, action.ByHandle);
        }
    }
    Walk(frame, control, action.WalkAfter);
}

} // namespace

bool MatchSkin3rd(TSkinControlList& frame, const std::string& upperClassName, TControl& control)
{
    TSkinData& data = frame.Data();
    auto kind = MatchSkin3rd(data.Skin3rd(), upperClassName);
    if (!kind)
        return false;
    Apply(frame, control, DecideSkin3rdKind(*kind, TWidgetFacts(control), data.SkinControls, data.Tabs != nullptr));
    return true;
}

void SkinControl(TSkinControlList& frame, TControl& control, TWinControl* parent)
{
    (void)parent;
    TSkinData& data = frame.Data();
    if (control.Tag == data.DisableTag) {
        // A radio or check group left native keeps its buttons native too.
        if (IsGroupContainer(control.ClassName()))
            for (TControl* child : ChildrenOf(control))
                child->Tag = data.DisableTag;
        return;
    }
    if (!control.Parent())
        return;
    if (TWinControl* w = Windowed(control)) {
        try {
            w->Handle();
        } catch (...) {
            return;  // no window, no painter
        }
        if (!w->HandleAllocated())
            return;
    }
    if (AlreadySkinned(frame, control))
        return;
    const std::string upper = UpperAscii(control.ClassName());
    if (data.OnSkinControl) {
        TObject* made = data.OnSkinControl(data, &control, upper);
        if (auto* skinner = dynamic_cast<TSkinControl*>(made)) {
            if (skinner->State() == SS_NONE && !frame.FindFor(&control)) {
                skinner->Attach(frame, data, skinner->PaintBackground());
                if (control.InheritsFrom("TCustomPanel"))
                    Walk(frame, control, TSkinWalk::Children);
            }
            return;
        }
    }
    if (MatchSkin3rd(frame, upper, control))
        return;
    if (BuiltInRulesExcluded(upper))
        return;
    Apply(frame, control, DecideBuiltIn(TWidgetFacts(control), data.SkinControls, data.Tabs != nullptr));
}

void SkinChildControls(TSkinControlList& frame, TCustomForm& form)
{
    frame.PurgeDead();
    std::vector<TControl*> controls;
    std::vector<TPopupMenu*> menus;
    for (size_t i = 0; i < form.ComponentCount(); ++i) {
        TComponent* c = form.Component(i);
        if (auto* control = dynamic_cast<TControl*>(c))
            controls.push_back(control);
        else if (auto* menu = dynamic_cast<TPopupMenu*>(c))
            menus.push_back(menu);
    }
    for (TControl* c : controls)
        SkinControl(frame, *c, &form);
    if (frame.Data().SkinControls.Has(TSkinControlType::xcPopupMenu) && frame.PreparePopupMenu)
        for (TPopupMenu* menu : menus)
            frame.PreparePopupMenu(*menu);
    for (TWinControl* c : form.TabList()) {
        if (!c->HandleAllocated() || c->Tag == frame.Data().DisableTag)
            continue;
        if (SendMessageW(c->Handle(), SKINMSG_QUERY, 0, 0) == 1)
            continue;
        SkinControl(frame, *c, &form);
    }
}

TSkinControl* SkinWindowHandle(TSkinControlList& frame, HWND window)
{
    if (!IsWindow(window) || ControlOf(window) || frame.Find(window))
        return nullptr;
    if (SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1)
        return nullptr;
    wchar_t name[100] = {};
    GetClassNameW(window, name, 100);
    std::string cls;
    for (const wchar_t* p = name; *p; ++p)
        cls += *p < 0x80 ? static_cast<char>(*p) : '?';
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const TSkinnerClass kind = DecideBareWindow(cls, style, exStyle, frame.Data().SkinControls);
    std::unique_ptr<TSkinControl> made;
    if (!MakeSkinner(kind, 0, nullptr, &made) || !made)
        return nullptr;
    TSkinControl* skinner = frame.Adopt(std::move(made));
    skinner->AttachHandle(window, frame.Data(), frame);
    return skinner;
}

void SkinChildWindows(TSkinControlList& frame, HWND window)
{
    frame.PurgeDead();
    std::vector<HWND> children;
    for (HWND c = GetTopWindow(window); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetWindowLongPtrW(c, GWL_STYLE) & WS_CHILD)
            children.push_back(c);
    for (HWND c : children)
        SkinWindowHandle(frame, c);
}
