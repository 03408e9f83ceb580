#pragma once
// A one-line text box.
#include <functional>

#include "ui/control.h"

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    const char* ClassName() const override { return "TCustomEdit"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TCustomEdit" || TWinControl::InheritsFrom(cls); }

    std::wstring Text() const { return Caption(); }
    virtual void SetText(const std::wstring& text) { SetCaption(text); }
    void SelectAll();
    bool ReadOnly() const { return read_only_; }
    void SetReadOnly(bool value);

    // The text changed, by the user or by the program.
    std::function<void(TCustomEdit&)> OnChange;

    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;
    bool ClicksOnMouseUp() const override { return true; }
    virtual void Change();

private:
    bool read_only_ = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    const char* ClassName() const override { return "TEdit"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TEdit" || TCustomEdit::InheritsFrom(cls); }
};
