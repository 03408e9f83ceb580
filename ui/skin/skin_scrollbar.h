#pragma once
// Scroll bars drawn from the skin. The system's scroll bars keep working
// underneath: a companion panel (TWScrollbar) lies over each visible bar,
// draws it from "Scrollbar", "VertScroll"/"HorzScroll" and the thumb images,
// and hands every press to the system bar at the same point, so dragging,
// paging, arrow repeat and keys behave exactly as without the skin. The
// painter follows the control's scroll state after each of its messages.
#include <memory>

#include "ui/skin/scroll_layout.h"
#include "ui/skin/skin_control.h"

class TDibCanvas;
class TSkinScrollbar;

// One arrow button of a bar: which end, and how it looks now.
class TArrowButton {
public:
    TArrowButton(bool vertical, bool high) : vertical_(vertical), high_(high) {}
    // Draws into bounds of the canvas from the skin's "Scrollbar" cells, or
    // as the system draws arrows when the skin has none.
    void Draw(TDibCanvas& work, const class TSkinData& data, const RECT& bounds, TScrollPartState state) const;
    bool High() const { return high_; }

private:
    bool vertical_;
    bool high_;
};

// Draws a whole bar over the canvas (its length along, its thickness across)
// from the skin's scroll-bar objects, the parts in their states; corner
// pixels beyond the length take the box between two bars.
void DrawScrollBar(TDibCanvas& work, const class TSkinData& data, bool vertical, const TScrollLayout& layout,
                   bool enabled, TScrollPart hot, TScrollPart pressed, int corner);

// The geometry of a window's own scroll bar, in screen coordinates; false
// when it is not shown.
bool WindowBarGeometry(HWND window, bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled);

// The panel over one scroll bar: a child of the control's parent, above the
// control. It never takes the focus.
class TWScrollbar {
public:
    TWScrollbar(TSkinScrollbar& owner, bool vertical);
    ~TWScrollbar();
    TWScrollbar(const TWScrollbar&) = delete;
    TWScrollbar& operator=(const TWScrollbar&) = delete;

    HWND Handle() const { return window_; }
    bool Vertical() const { return vertical_; }
    // Puts the panel over rect (parent's client coordinates) and shows the
    // bar's state; corner pixels at the far end belong to the corner box.
    void Update(HWND parent, const RECT& rect, const TScrollLayout& layout, bool enabled, int corner);
    void Hide();
    const TScrollLayout& Layout() const { return layout_; }
    TScrollPart Hot() const { return hot_; }
    TScrollPart Pressed() const { return pressed_; }
    void Paint(HDC dc);

private:
    template <class Panel>
    friend LRESULT CALLBACK CompanionPanelProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    TScrollPart PartAt(POINT client) const;
    void SetHot(TScrollPart part);
    void Press(POINT client);

    TSkinScrollbar& owner_;
    bool vertical_;
    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    RECT rect_{};
    TScrollLayout layout_;
    bool enabled_ = true;
    int corner_ = 0;
    bool shown_ = false;
    TScrollPart hot_ = TScrollPart::None;
    TScrollPart pressed_ = TScrollPart::None;
};

class TSkinScrollbar : public TSkinControl {
public:
    explicit TSkinScrollbar(TComponent* owner);
    ~TSkinScrollbar() override;
    const char* ClassName() const override { return "TSkinScrollbar"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinScrollbar" || TSkinControl::InheritsFrom(cls);
    }
    void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground) override;
    void AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame) override;
    void Detach() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void SkinChanged() override;

    // Brings the panels in line with the control's scroll bars.
    void Sync();
    // A press on a panel, handed to the system bar; returns once it is released.
    virtual void Track(bool vertical, POINT screen);
    // The wheel turned over a panel.
    void Wheel(UINT msg, WPARAM wp, LPARAM lp);

    const TWScrollbar* VertPanel() const { return vert_.get(); }
    bool IsOwnPanel(HWND window) const;
    const TWScrollbar* HorzPanel() const { return horz_.get(); }
    // Only the vertical bar (Skin3rd "singlescrollbar").
    bool SingleMode = false;

protected:
    HWND Companion() const override;
    // The bar's system geometry, in screen coordinates; false when it is not shown.
    virtual bool BarGeometry(bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled) const;
    void SyncBar(std::unique_ptr<TWScrollbar>& panel, bool vertical, int corner);
    void DropPanels();
    // A list view's header gets the header painter.
    void SkinHeader();
    bool syncing_ = false;

    std::unique_ptr<TWScrollbar> vert_;
    std::unique_ptr<TWScrollbar> horz_;
};

// List views and check-list boxes: the same panels.
class TSkinListView : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    const char* ClassName() const override { return "TSkinListView"; }
};
class TSkinCheckList : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    const char* ClassName() const override { return "TSkinCheckList"; }
};
class TSkinScrollbarH : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    const char* ClassName() const override { return "TSkinScrollbarH"; }
};

// A stand-alone scroll-bar control: one panel over the whole control.
class TSkinScControl : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    const char* ClassName() const override { return "TSkinScControl"; }
    void Track(bool vertical, POINT screen) override;

protected:
    bool BarGeometry(bool vertical, RECT& screen, TScrollLayout& layout, bool& enabled) const override;
};

// The bar of a combo box's dropped list, attached by the combo's painter
// while the list is down. The bar lies in the list's frame, and the list
// holds the mouse while it is down, so the system keeps every press, drag,
// wheel turn and key; the painter draws the skinned bar over the system's
// after each message that may have changed it.
class TComboxScrollBar : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    const char* ClassName() const override { return "TComboxScrollBar"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TComboxScrollBar" || TSkinControl::InheritsFrom(cls);
    }
    void AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    // Draws the bar into the list's frame now (when it has one).
    void PaintBar();

    bool Shown() const { return shown_; }
    const TScrollLayout& Layout() const { return layout_; }
    TScrollPart Hot() const { return hot_; }
    TScrollPart Pressed() const { return pressed_; }

private:
    // The bar's part under a point of the screen.
    TScrollPart PartAt(POINT screen) const;
    void Refresh(bool always);

    bool shown_ = false;
    bool bar_enabled_ = true;
    RECT bar_{};
    TScrollLayout layout_;
    TScrollPart hot_ = TScrollPart::None;
    TScrollPart pressed_ = TScrollPart::None;
};
