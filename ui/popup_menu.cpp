#include "ui/popup_menu.h"

#include "ui/form.h"

namespace {

// Menu command numbers; kept clear of the control identifiers and of the
// small numbers dialog boxes use.
thread_local UINT t_next_command = 0x8000;

// Owns a menu handle for the duration of one popup.
class TMenuHandle {
public:
    TMenuHandle() : menu_(CreatePopupMenu()) {}
    ~TMenuHandle() { DestroyMenu(menu_); }
    TMenuHandle(const TMenuHandle&) = delete;
    TMenuHandle& operator=(const TMenuHandle&) = delete;
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(t_next_command++) {}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(*this);
}

bool TMenuItem::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Caption") {
        value = Caption;
        return true;
    }
    return TComponent::GetPublished(name, value);
}

void TPopupMenu::Popup(int x, int y)
{
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form)
        return;
    TMenuHandle menu;
    for (TMenuItem* item : items_) {
        if (item->IsSeparator())
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu.get(), MF_STRING, item->Command(), item->Caption.c_str());
    }
    TrackPopupMenuEx(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, form->Handle(), nullptr);
}

bool TPopupMenu::DispatchCommand(UINT command)
{
    for (TMenuItem* item : items_) {
        if (!item->IsSeparator() && item->Command() == command) {
            item->Click();
            return true;
        }
    }
    return false;
}
