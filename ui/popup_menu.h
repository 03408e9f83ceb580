#pragma once
// A pop-up menu and its items. The menu is tracked with its owning form as
// the owner window, so the form receives its WM_INITMENUPOPUP and WM_COMMAND
// messages (and the skin sees them there); the form hands the command back.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    const char* ClassName() const override { return "TMenuItem"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TMenuItem" || TComponent::InheritsFrom(cls); }

    std::wstring Caption;  // "-" is a separator
    bool IsSeparator() const { return Caption == L"-"; }
    UINT Command() const { return command_; }

    std::function<void(TMenuItem&)> OnClick;
    void Click();

    bool GetPublished(std::string_view name, std::wstring& value) const override;

private:
    UINT command_;
};

class TPopupMenu : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TPopupMenu"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TPopupMenu" || cls == "TMenu" || TComponent::InheritsFrom(cls);
    }

    void Add(TMenuItem* item) { items_.push_back(item); }
    const std::vector<TMenuItem*>& Items() const { return items_; }
    // Shows the menu at a screen point; a chosen item reaches the owner form as WM_COMMAND.
    void Popup(int x, int y);
    // The owner form passes menu commands here; true when one of ours.
    bool DispatchCommand(UINT command);

private:
    std::vector<TMenuItem*> items_;
};
