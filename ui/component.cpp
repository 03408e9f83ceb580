#include "ui/component.h"

#include <algorithm>
#include <cwctype>
#include <string>

TComponent::~TComponent()
{
    FreeComponents();
}

void TComponent::FreeComponents()
{
    while (!owned_.empty()) {
        // Move it out first: a component's destructor may look at its owner's list.
        std::unique_ptr<TComponent> last = std::move(owned_.back());
        owned_.pop_back();
        last.reset();
    }
}

void TComponent::FreeComponent(TComponent* component)
{
    auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == component; });
    if (it == owned_.end())
        return;
    std::unique_ptr<TComponent> doomed = std::move(*it);
    owned_.erase(it);
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    for (const auto& c : owned_)
        if (c->Name == name)
            return c.get();
    return nullptr;
}

bool TComponent::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Name") {
        value.assign(Name.begin(), Name.end());
        return true;
    }
    if (name == "Tag") {
        value = std::to_wstring(Tag);
        return true;
    }
    return false;
}

bool TComponent::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Tag") {
        try {
            size_t used = 0;
            long v = std::stol(value, &used);
            if (used != value.size())
                return false;
            Tag = static_cast<int32_t>(v);
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }
    return false;
}

std::optional<std::wstring> GetPropValue(const TComponent& component, std::string_view name)
{
    std::wstring value;
    if (!component.GetPublished(name, value))
        return std::nullopt;
    return value;
}

bool SetPropValue(TComponent& component, std::string_view name, const std::wstring& value)
{
    return component.SetPublished(name, value);
}

std::wstring BoolText(bool value)
{
    return value ? L"True" : L"False";
}

std::optional<bool> ParseBool(const std::wstring& text)
{
    std::wstring lower;
    for (wchar_t c : text)
        lower += static_cast<wchar_t>(std::towlower(c));
    if (lower == L"true")
        return true;
    if (lower == L"false")
        return false;
    return std::nullopt;
}
