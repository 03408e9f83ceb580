#pragma once
// A drop-down list without free text. Its Height is the closed height; the
// dropped list is sized to show every entry, or DropDownCount of them (and a
// scroll bar) when that is set.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomComboBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TCustomComboBox" || TWinControl::InheritsFrom(cls);
    }

    void SetItems(std::vector<std::wstring> items);
    const std::vector<std::wstring>& Items() const { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The selected entry's text, or empty.
    std::wstring Text() const;

    std::function<void(TCustomComboBox&)> OnChange;

    // Entries the dropped list shows at once; 0 for all of them.
    int DropDownCount() const { return drop_down_count_; }
    void SetDropDownCount(int count);

    void SetBounds(int left, int top, int width, int height) override;
    bool GetPublished(std::string_view name, std::wstring& value) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;

private:
    void FitHeights();
    // The window's height with the list dropped, for entries of this height.
    int DroppedHeight(int item_height) const;
    // The list's entry height the font will give, before there is a window.
    int FontLineHeight() const;

    std::vector<std::wstring> items_;
    int item_index_ = -1;
    int drop_down_count_ = 0;
    int dropped_height_ = 0;  // as last given to the window
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
    const char* ClassName() const override { return "TComboBox"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TComboBox" || TCustomComboBox::InheritsFrom(cls); }
};
