#pragma once
// The result grid: a virtual list view over the in-memory table, so that even
// the whole store's rows appear at once. One titled column per field, in field
// order; a hidden field's column has no width and cannot be widened by the
// user. Only a mouse click on a row is reported; keyboard and scroll moves are not.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/group_box.h"

class TListModel;

class TCustomGrid : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const char* ClassName() const override { return "TCustomGrid"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TCustomGrid" || TCustomControl::InheritsFrom(cls); }
};

class TCustomDBGridEh : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;
    const char* ClassName() const override { return "TCustomDBGridEh"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TCustomDBGridEh" || TCustomGrid::InheritsFrom(cls);
    }
};

class TDBGridEh : public TCustomDBGridEh {
public:
    explicit TDBGridEh(TComponent* owner);
    const char* ClassName() const override { return "TDBGridEh"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TDBGridEh" || TCustomDBGridEh::InheritsFrom(cls); }

    // Shows the table again: its layout, its rows, its current row. The table
    // must outlive the grid or be replaced first.
    void SetModel(const TListModel* model);
    const TListModel* Model() const { return model_; }

    // The row a user clicked.
    std::function<void(TDBGridEh&, uint32_t row)> OnCellClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;

private:
    void RebuildColumns();
    void ShowRows();
    void LayOutHidden();
    bool ColumnHidden(int column) const;
    bool BlocksHeaderChange(const NMHDR& header) const;

    const TListModel* model_ = nullptr;
    std::wstring cell_;  // the text handed to the list view last
};
