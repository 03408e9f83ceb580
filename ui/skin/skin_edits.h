#pragma once
// Text fields: the border of edit boxes (and other bordered windows) in the
// skin's shadow colour, and combo boxes drawn from "ComboButton" (the
// composite of the sunken frame and the drop button) with their arrow.
#include <memory>

#include "ui/skin/skin_control.h"

// A one-pixel frame in "ButtonShadow" (the highlight colour while focused),
// the rest of the border in the field's own colour.
class TSkinEdit : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TSkinEdit"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinEdit" || TSkinControl::InheritsFrom(cls);
    }
    void AfterMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;

protected:
    void Repaint() override;
    // Border thickness from the window's border styles.
    int BorderWidth() const;
    COLORREF FieldColour() const;
};

// Date-time pickers: the same border; the drop button stays the system's.
class TSkinDateTime : public TSkinEdit {
public:
    using TSkinEdit::TSkinEdit;
    const char* ClassName() const override { return "TSkinDateTime"; }
};

// The cell of the combo composite: 1 normal, 2 hot or focused, 3 dropped, 4 disabled.
int ComboCell(bool enabled, bool dropped, bool hot, bool focused);

class TComboxScrollBar;

// The dropped list's scroll bar gets its own painter (TComboxScrollBar) while
// the list is down.
class TSkinComBox : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    ~TSkinComBox() override;
    const char* ClassName() const override { return "TSkinComBox"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinComBox" || TSkinControl::InheritsFrom(cls);
    }
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintTo(HDC dc, const RECT& r) override;
    void Detach() override;
    bool Hot() const { return hot_; }
    // The painter of the dropped list's bar; none while the list is up.
    const TComboxScrollBar* ListBar() const { return list_bar_.get(); }
    // 1 for the extended combo box of the common controls.
    int Mode = 0;

private:
    // Attaches the list's painter when the list drops, releases it when it closes.
    void FollowDrop(const TMessage& m);
    std::unique_ptr<TComboxScrollBar> list_bar_;
    HWND list_ = nullptr;
    bool following_ = false;
    bool drop_pending_ = false;

    void PaintClient(HDC dc);
    void DrawFace(class TDibCanvas& work, int cell);
    RECT ButtonRect() const;
    bool hot_ = false;
};
