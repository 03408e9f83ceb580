#pragma once
// The base of every control painter (TSkinControl) and the frame's list of
// them (TSkinControlList). A painter puts itself in front of a control's
// message handling: the widget-set control's WindowProc, or the window
// procedure of a window that has no widget-set control. It consumes what it
// paints and passes the rest on.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/streams.h"
#include "ui/control.h"
#include "ui/skin/skin_messages.h"
#include "ui/wnd_thunk.h"

class TSkinData;
class TSkinControlList;
class TPopupMenu;

// Widget-set notifications some controls send themselves.
inline constexpr UINT CM_DIALOGKEY = 0xB005;
inline constexpr UINT CM_FOCUSCHANGED = 0xB007;
inline constexpr UINT CM_ENABLEDCHANGED = 0xB00C;

enum TSkinnerState : int { SS_NONE = 0, SS_ATTACHED = 1, SS_DEAD = 6 };

class TSkinControl : public TComponent, public TObject {
public:
    // owner: the control it will skin (so it dies with it), or none for a bare window.
    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;
    const char* ClassName() const override { return "TSkinControl"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinControl" || TComponent::InheritsFrom(cls);
    }

    // Once only: hooks the control (the owner) and joins the frame's list.
    virtual void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground);
    // A window without a widget-set control.
    virtual void AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame);
    // Gives the control back its own colours (skin removed).
    virtual void Detach();
    // True: the previous handler runs, then AfterMessage.
    virtual bool BeforeMessage(TMessage& m);
    virtual void AfterMessage(TMessage& m);
    // Paints the whole window into dc (its window DC when none).
    virtual void PaintWindow(HDC dc);
    // WM_PAINT painted by PaintWindow (into the given DC or a BeginPaint one)
    // and WM_ERASEBKGND swallowed, so nothing flickers; true when m was one.
    bool PaintsOwnWindow(TMessage& m);
    virtual void PaintTo(HDC dc, const RECT& r) {}
    // The skin changed: new face colour, repaint.
    virtual void SkinChanged();
    virtual int IsSkinner() const { return 1; }

    // Takes the painter out of the control's message path. The frame calls it
    // before freeing a painter; a painter freed with its control never does,
    // because the control's handler is gone by then.
    virtual void Unhook();

    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    TSkinData* Data() const { return data_; }
    int State() const { return state_; }
    bool SkinEnabled() const { return enabled_; }
    bool PaintBackground() const { return paint_background_; }
    // Before Attach: whether the painter sets the control's colour (a painter
    // that OnSkinControl hands back brings its own wish).
    void SetPaintBackground(bool value)
    {
        if (state_ == SS_NONE)
            paint_background_ = value;
    }
    bool Hooked() const { return hooked_; }

    // The painter hooked to a window, if any.
    static TSkinControl* FromWindow(HWND window);

protected:
    // Invalidates the companion when there is one, else the window (erased),
    // and updates it. A painter of the border repaints the frame instead.
    virtual void Repaint();
    virtual HWND Companion() const { return nullptr; }
    // The message to the handler that was there before.
    void CallPrevious(TMessage& m);
    // The widget-set control whose properties the painter reads: the one it
    // hooked, or one without a window that it paints for its parent.
    virtual const TControl* SourceControl() const { return control_; }
    // The control's text: its Caption, or a bare window's text.
    std::wstring CaptionText() const;
    // A published property of the control, or none (a bare window has none).
    std::optional<std::wstring> Published(std::string_view name) const;
    bool IsRightToLeft() const;
    LONG_PTR Style() const;

    TSkinData* data_ = nullptr;
    TSkinControlList* frame_ = nullptr;
    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    bool unicode_ = true;
    int state_ = SS_NONE;
    bool enabled_ = true;
    bool paint_background_ = false;
    std::wstring caption_;
    RECT window_rect_{};

private:
    void Dispatch(TMessage& m);
    static LRESULT BareThunkProc(void* object, UINT msg, WPARAM wp, LPARAM lp);
    void Bind();

    TWndMethod old_window_proc_;
    // Cleared when the painter goes, so a handler that frees the control
    // (and with it the painter) does not return into a freed painter.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    WNDPROC old_wnd_proc_ = nullptr;
    std::unique_ptr<TWndProcThunk> bare_thunk_;  // a bare window's procedure
    bool hooked_ = false;
    TColor saved_color_ = 0;
    bool color_saved_ = false;
    bool parent_background_off_ = false;
};

// The frame's painters. Widget-set painters are owned by their controls;
// bare-window painters by the list. Every painter leaves the list when freed.
// The list itself is a component of the frame, so it goes with the frame and
// takes every painter with it.
class TSkinControlList : public TComponent {
public:
    TSkinControlList(TComponent* owner, TSkinData& data);
    ~TSkinControlList() override;
    const char* ClassName() const override { return "TSkinControlList"; }

    TSkinData& Data() const { return data_; }
    size_t Count() const { return skinners_.size(); }
    TSkinControl* At(size_t i) const { return skinners_[i]; }
    TSkinControl* Find(HWND window) const;
    TSkinControl* FindFor(const TControl* control) const;

    void Add(TSkinControl* skinner);
    void Remove(TSkinControl* skinner);
    // A bare-window painter the list owns.
    TSkinControl* Adopt(std::unique_ptr<TSkinControl> skinner);

    // Frees the painters whose windows are gone.
    void PurgeDead();
    // Frees one painter; with detach its control gets its own colours back first.
    void Release(TSkinControl* skinner, bool detach = true);
    // Every painter freed; with detach (the skin is removed) the controls get
    // their own colours back first.
    void ReleaseAll(bool detach = true);
    void SkinChanged();

    // The frame prepares pop-up menus for owner drawing (xcPopupMenu).
    std::function<void(TPopupMenu&)> PreparePopupMenu;

private:
    void Free(TSkinControl* skinner);

    TSkinData& data_;
    std::vector<TSkinControl*> skinners_;
    std::vector<std::unique_ptr<TSkinControl>> owned_;
    bool releasing_ = false;
};
