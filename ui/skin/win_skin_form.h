#pragma once
// A skinned window frame: subclasses one top-level window (and, for a
// widget-set form, its WindowProc), takes over the non-client messages, sizes
// the frame from the skin's border images, paints borders, caption and
// caption buttons, and shapes the window region.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/control.h"
#include "ui/skin/frame_layout.h"
#include "ui/skin/gdi_canvas.h"
#include "ui/wnd_thunk.h"

class TCustomForm;
class TSkinData;
class TWinSkinForm;
class TWinSkinManage;
class TWinSkinMenu;
class TSkinMenuPainter;
class TSkinControl;

// FrameState.
enum TFrameState : int {
    fsCreated = 0, fsReady = 1, fsRefreshing = 3, fsDestroying = 4, fsInitSizing = 5, fsDead = 6
};
// FormKind.
enum TFormKind : int { fkPlain = 0, fkMdiFrame = 1, fkMdiChild = 2 };
// WindowState.
enum TFrameWindowState : int { wsNormal = 0, wsMaximized = 1, wsMinimized = 2 };
// CaptionStyle bits.
enum TCaptionStyleBit : int { csMaxBox = 1, csMinBox = 2, csHelp = 4, csSysMenu = 8, csKeepStyle = 16 };

// ButtonState of a non-client object.
enum TNCButtonState : int { nbNormal = 1, nbPressed = 2, nbHot = 3 };

// Something in the non-client area that reacts to the mouse.
class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& owner) : Owner(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown(POINT p);
    virtual void MouseUp(POINT p);
    virtual void MouseMove(POINT p);
    virtual void MouseLeave();
    virtual void Repaint() = 0;
    virtual bool IsCaptionButton() const { return false; }

    TWinSkinForm& Owner;
    TSkinRect BoundsRect;  // window coordinates
    bool Visible = false;
    int ButtonState = nbNormal;
    bool Enabled = true;
};

// One caption button. It keeps its own copy of the skin's definition, so a
// skin reload or another frame never changes it under its feet.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& def) : TNCObject(owner), Def(def) {}
    void MouseUp(POINT p) override;
    void Repaint() override;
    bool IsCaptionButton() const override { return true; }
    // Draws one cell into a canvas in window coordinates (the caption work bitmap).
    void DrawTo(TDibCanvas& canvas, int cell);

    TDataSkinSysButton Def;
};

class TWinSkinForm : public TComponent {
public:
    TWinSkinForm(TComponent* owner, TWinSkinManage& manager, HWND window, std::string className);
    ~TWinSkinForm() override;
    const char* ClassName() const override { return "TWinSkinForm"; }

    void AttachFrame(TSkinData& data, TCustomForm* form);
    void InitFrame();
    void ComputeFrameMetrics();
    void PaintFrame(HDC dc);
    void PaintCaption(HDC dc);
    void DrawCaptionText(TDibCanvas& canvas, const TSkinRect& strip);
    void LayoutCaptionButtons();
    bool IsCaptionButtonVisible(size_t index);
    void UpdateWindowRegion();
    void DetachFrame();
    void ReleaseFrame();

    // The control skinners of the window's controls. Until their unit exists
    // these attach nothing.
    void SkinChildControls();
    void DetachControlSkinners();
    void ControlSkinnersChanged();
    void CloseControlHints();

    // The skin was reloaded: metrics, caption buttons, colours, region, paint.
    void SkinChanged();
    // New caption buttons from the skin's definitions; the metrics wait for SkinChanged.
    void RebuildCaptionButtons();
    // The frame's message handler, for messages from the window and from the form's WindowProc.
    void WndProc(TMessage& m);

    HWND Handle() const { return window_; }
    TCustomForm* Form() const { return form_; }
    const std::string& WindowClass() const { return class_; }
    TSkinData* SkinData() const { return data_; }
    TWinSkinManage& Manager() const { return manager_; }
    bool Skinning() const { return skinning_; }
    bool Attached() const { return subclassed_; }

    int FrameState = fsCreated;
    int FormKind = fkPlain;
    int BorderKind = bkSizeable;
    int WindowState = wsNormal;
    bool ActiveFlag = false;
    int CaptionStyle = 0;
    bool RightToLeft = false;
    bool DialogClass = false;
    HWND OwnerWindow = nullptr;
    DWORD Style = 0;
    TFrameMetrics Metrics;
    SIZE RegionSize{0, 0};
    // How often the region was built: building it from image masks is costly.
    int RegionBuilds = 0;
    TSkinRect CaptionTextRect;
    int RightExtent = 0;
    std::vector<std::unique_ptr<TWinSysButton>> Buttons;
    TNCObject* Hot = nullptr;
    std::unique_ptr<TWinSkinMenu> MenuBar;
    std::unique_ptr<TSkinMenuPainter> MenuPainter;
    HMENU Menu = nullptr;
    HMENU SysMenu = nullptr;
    // The window's icon at small-icon size on magenta.
    TSkinImage IconBitmap;
    // Control skinners attached to this frame's controls (their own unit fills it).
    std::vector<TSkinControl*> ControlSkinners;
    // Native non-client sizes, measured before the skin took the frame.
    SIZE NativeNonClient{0, 0};
    // The child scroll bar with SBS_SIZEGRIP the window is sized by, once adopted.
    HWND SizeGrip = nullptr;

    // Takes a size-grip scroll bar of a sizeable skinned window as the
    // window's grip; its painter follows with SKINMSG_RESKINCONTROL. False when not taken.
    bool AdoptSizeGrip(HWND grip);
    // The grip sizes the window now: adopted, shown, and the window not maximized.
    bool SizeGripActive() const;
    // Drops the painter of one control of the window and gives it a fresh one.
    void ReattachControlSkinner(HWND control);
    // Re-reads the window's style (border and caption boxes), then metrics,
    // frame, region and paint: SKINMSG_REFRAME.
    void Reframe();
    // An MDI frame: the active child's state, the menu bar's items, the frame
    // and the MDI client brought up to date: SKINMSG_MDIREFRESH.
    void RefreshMdi();
    // An MDI child asks its frame for RefreshMdi.
    void RequestMdiRefresh();

    // Facts the caption-button rules read.
    TFrameFacts Facts() const;
    // The hot object changes; the old one is told first.
    void SetHot(TNCObject* object);
    // Caption buttons are drawn into the window's DC directly on a change of state.
    void PaintButton(TWinSysButton& button);
    // Icon click at a screen point: the system menu, or close on a second click.
    void IconClick(POINT screen);
    void MaximizeOrRestore();
    void MinimizeOrRestore();
    void RunButtonAction(TWinSysButton& button, POINT screen);
    void HideHint();
    // Starts or stops the 250 ms timer.
    void SetTimerRunning(bool on);
    bool TimerRunning() const { return timerRunning_; }
    // Colours of the caption text.
    COLORREF CaptionTextColour() const;
    // Window point of a screen point, as the non-client messages give them.
    POINT ToWindow(POINT screen) const;
    // False once the frame is freed: a modal menu loop may outlive it.
    std::shared_ptr<const bool> AliveToken() const { return alive_; }

private:
    static LRESULT SubclassProc(void* object, UINT msg, WPARAM wp, LPARAM lp);
    static void CALLBACK FrameTimer(HWND window, UINT, UINT_PTR id, DWORD);
    void Previous(TMessage& m);
    bool Stage1(TMessage& m);
    bool Stage2(TMessage& m);
    bool Stage3(TMessage& m);
    void OnSize(TMessage& m);
    void OnNcCalcSize(TMessage& m);
    void OnNcHitTest(TMessage& m);
    void OnNcPaint(TMessage& m);
    void OnNcActivate(TMessage& m);
    bool OnNcMouse(TMessage& m);
    void OnSetText(TMessage& m);
    void OnTimer();
    void ReadWindowState();
    void ReadBorderStyle();
    void DrawIconBitmap();
    void KeepClientSize(int clientWidth, int clientHeight);
    void ResizeFrame(int width, int height);
    void Subclass();
    void Unsubclass();
    void PaintPiece(HDC dc, const TDataSkinObject& border, const TSkinRect& r, bool stacked);
    TSkinImage RenderPiece(const TDataSkinObject& border, int width, int height, bool stacked, int cell) const;
    TNCObject* TargetAt(POINT windowPoint);
    HFONT CaptionFont();
    void ShowSystemMenu(POINT screen);
    bool ButtonVisibleByWindow(int code, int action);

    TWinSkinManage& manager_;
    HWND window_;
    std::string class_;
    TCustomForm* form_ = nullptr;
    TSkinData* data_ = nullptr;
    bool skinning_ = false;
    bool subclassed_ = false;
    bool unicode_ = true;
    WNDPROC previousProc_ = nullptr;
    std::unique_ptr<TWndProcThunk> thunk_;
    TWndMethod previousWindowProc_;
    bool windowProcReplaced_ = false;
    TColor savedColor_ = 0;
    bool colorSaved_ = false;
    bool initialised_ = false;

    // Keeps a form from painting while its frame is put together: from the
    // frame's attachment, through the painters' and the new size's repaints,
    // to one paint of the finished window. Meanwhile the window reads as
    // hidden, so a form hidden then is hidden again at the end.
    class TRedrawHold {
    public:
        TRedrawHold(HWND window, const TCustomForm& form);
        ~TRedrawHold();
        TRedrawHold(const TRedrawHold&) = delete;
        TRedrawHold& operator=(const TRedrawHold&) = delete;

    private:
        HWND window_;
        const TCustomForm& form_;
    };
    std::optional<TRedrawHold> redrawHold_;
    bool timerRunning_ = false;
    HRGN region_ = nullptr;  // owned by the system once set
    bool regionSet_ = false;
    TGdiHandle<HFONT> captionFont_;
    // The caption as last painted, before its buttons: what a button's own repaint draws on.
    TSkinImage captionBackground_;
    DWORD lastIconClick_ = 0;
    bool iconClickRecorded_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // The pop-up menu that opened last: where a foreign owner-drawn item is looked up first.
    HMENU lastPopup_ = nullptr;
    // An MDI child's state its frame was last asked to refresh for.
    int mdiStateReported_ = wsNormal;
};

// Where skinned frames keep their object: a window property under this name.
inline constexpr wchar_t kFramePropName[] = L"QuorlenSkinFrame";
