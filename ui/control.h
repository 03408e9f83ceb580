#pragma once
// Controls: TControl (anything placed on a window), TGraphicControl (painted
// and hit-tested by its parent, no window of its own) and TWinControl (owns a
// window). A windowed control's messages go through its replaceable
// WindowProc, which by default is WndProc; the window's own procedure (the
// system class's, or DefWindowProc for our registered classes) comes last.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/font.h"
#include "ui/types.h"
#include "ui/wnd_thunk.h"

class TWinControl;
class TPopupMenu;

// Notifications a parent reflects back to the child they are about, as the
// child's own messages: CN_BASE plus the original message number.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    const char* ClassName() const override { return "TControl"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TControl" || TComponent::InheritsFrom(cls); }
    virtual bool IsWindowed() const { return false; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    virtual std::wstring Caption() const { return caption_; }
    virtual void SetCaption(const std::wstring& caption);

    TColor Color() const { return color_; }
    virtual void SetColor(TColor color);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TPopupMenu* PopupMenu() const { return popup_menu_; }
    void SetPopupMenu(TPopupMenu* menu) { popup_menu_ = menu; }

    // What a user's click delivers; code (and the skin's painters) call them too.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);

    std::function<void(TControl&)> OnClick;
    std::function<void(TControl&)> OnDblClick;
    std::function<void(TControl&, TMouseButton, TShiftState, int, int)> OnMouseDown;

    // Repaints the control (for a graphic control, its part of the parent).
    virtual void Invalidate();

    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

protected:
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    void DetachFromParent() { parent_ = nullptr; }
    friend class TWinControl;

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring caption_;
    TColor color_ = clBtnFace;
    TFont font_;
    TCursor cursor_ = crDefault;
    TPopupMenu* popup_menu_ = nullptr;
};

// A control drawn by its parent on the parent's window.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TGraphicControl"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TGraphicControl" || TControl::InheritsFrom(cls); }

    // dc has its origin at the control's top-left corner and is clipped to it.
    virtual void Paint(HDC dc) = 0;
    void Invalidate() override;

    // The paint chain's head, as WindowProc is for a windowed control: a skin
    // painter that sets it draws the control itself. Unset, Paint draws.
    std::function<void(HDC)> PaintProc;
    // What the parent calls to have the control drawn.
    void PaintControl(HDC dc)
    {
        if (PaintProc)
            PaintProc(dc);
        else
            Paint(dc);
    }
};

struct TCreateParams {
    std::wstring ClassName;
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;  // for a top-level window: its owner
};

using TWndMethod = std::function<void(TMessage&)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TWinControl" || TControl::InheritsFrom(cls); }
    bool IsWindowed() const override { return true; }

    // Creates the window when needed (the parent's first).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void DestroyHandle();

    // The message chain's head. Replace it to see messages first; keep the old
    // value and call it for what you do not consume.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wp = 0, LPARAM lp = 0);
    // The window's own procedure, as it was before this control took over.
    void DefaultHandler(TMessage& msg);
    WNDPROC DefWndProc() const { return default_proc_; }

    const std::vector<TControl*>& Controls() const { return controls_; }
    // A visible graphic child at a point of this control's client area.
    TControl* ControlAtPos(POINT p) const;

    int TabOrder() const { return tab_order_; }
    void SetTabOrder(int order) { tab_order_ = order; }
    bool TabStop() const { return tab_stop_; }
    void SetTabStop(bool stop) { tab_stop_ = stop; }
    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;
    // Windowed children in tab order.
    std::vector<TWinControl*> TabList() const;

    bool ParentBackground() const { return parent_background_; }
    void SetParentBackground(bool value) { parent_background_ = value; Invalidate(); }

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    std::wstring Caption() const override;
    void SetCaption(const std::wstring& caption) override;
    void Invalidate() override;

    // A key typed into the control; set the key to 0 to swallow it.
    std::function<void(TWinControl&, wchar_t&)> OnKeyPress;

    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

    // A solid brush of Color, kept while the colour stays.
    HBRUSH ColorBrush();

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes the window itself; a control may fall back to another class.
    virtual HWND CreateWindowHandle(const TCreateParams& params, HWND parent, HMENU id);
    // Runs once the window exists, before the children get theirs.
    virtual void CreateWnd() {}
    // False for a control whose window is made on first use rather than with
    // its parent's, because making it is slow and it is not seen at once.
    virtual bool CreatesWithParent() const { return true; }
    virtual void WndProc(TMessage& msg);
    // A mouse press and release on the control count as its Click.
    virtual bool ClicksOnMouseUp() const { return false; }
    // Fills the client area with Color on WM_ERASEBKGND.
    virtual bool ErasesWithColor() const { return false; }
    void PaintControls(HDC dc, const RECT* clip);
    void FontChanged() override;
    void ColorChanged() override;

    void AddChild(TControl* child);
    void RemoveChild(TControl* child);
    friend class TControl;

    HWND handle_ = nullptr;

private:
    void CreateHandle();
    void KeepSiblingOrder();
    void AttachWindow(HWND window, WNDPROC previous);
    void HandlePaint(TMessage& msg);
    bool ReflectToChild(TMessage& msg);
    friend LRESULT CALLBACK InitialWndProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT ThunkProc(void* object, UINT msg, WPARAM wp, LPARAM lp);

    TWndProcThunk thunk_;
    WNDPROC default_proc_ = nullptr;
    std::vector<TControl*> controls_;
    int tab_order_ = 0;
    bool tab_stop_ = false;
    bool parent_background_ = false;
    bool clicked_ = false;
    bool creating_children_ = false;
    TControl* pressed_control_ = nullptr;
    HBRUSH brush_ = nullptr;
    TColor brush_color_ = 0;
};

// The registered window class behind a widget-set class name (forms).
void RegisterControlClass(const std::wstring& className, UINT style);
// Hands an exception that reached a window procedure to the application.
void HandleCallbackException();
