#pragma once
// The root of the widget set: a named object that may own others. An owner
// frees what it owns, last created first; its component list keeps creation
// order, which is the order the skin walks a form's controls in.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TComponent {
public:
    explicit TComponent(TComponent* owner) : owner_(owner) {}
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual const char* ClassName() const { return "TComponent"; }
    // "Is a" test by class name: true for the class and each of its ancestors.
    virtual bool InheritsFrom(std::string_view cls) const { return cls == "TComponent"; }

    // Creates a component owned by this one; the owner frees it.
    template <class T, class... Args>
    T* Make(Args&&... args)
    {
        auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = made.get();
        owned_.push_back(std::move(made));
        return raw;
    }
    // Frees a component this one owns before the owner itself goes.
    void FreeComponent(TComponent* component);

    TComponent* Owner() const { return owner_; }
    size_t ComponentCount() const { return owned_.size(); }
    TComponent* Component(size_t index) const { return owned_[index].get(); }
    TComponent* FindComponent(std::string_view name) const;

    std::string Name;
    int32_t Tag = 0;

    // Published properties, read and written by name as text ("True"/"False"
    // for booleans). False when the class has no such property or the text
    // does not fit it.
    virtual bool GetPublished(std::string_view name, std::wstring& value) const;
    virtual bool SetPublished(std::string_view name, const std::wstring& value);

protected:
    // Derived destructors that must run code before their owned components go
    // (a window that their windows live in) call this first.
    void FreeComponents();

private:
    TComponent* owner_;
    std::vector<std::unique_ptr<TComponent>> owned_;
};

std::optional<std::wstring> GetPropValue(const TComponent& component, std::string_view name);
bool SetPropValue(TComponent& component, std::string_view name, const std::wstring& value);

// Published booleans: written "True"/"False", read without regard to case.
std::wstring BoolText(bool value);
std::optional<bool> ParseBool(const std::wstring& text);
