#pragma once
// The skin manager on Win32: the thread's CBT hook that sees every window
// created and activated, the decision which windows get a skinned frame, the
// lists of skinned windows and pop-up menus, and the command timer that
// starts, stops and refreshes skinning outside the message that asked for it.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/skin/skin_manage.h"
#include "ui/skin/skin_image.h"

class TCustomForm;
class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;
class TSkinHintWindow;

// What the runtime keeps per skin component beside the parsed skin.
struct TSkinDataRuntime {
    // The application's small icon on magenta, the caption buttons' fallback.
    TSkinImage AppIcon;
    // Off only while a form rebuilds its menu, so that the frame is not
    // painted half-way.
    bool FramePainting = true;
    // The window OnFormSkin is asked about.
    HWND DecidingWindow = nullptr;
    // The caption-button hint and how long the cursor has rested on the button.
    std::unique_ptr<TSkinHintWindow> Hint;
    int HintElapsed = 0;
    bool HintShown = false;

    TSkinDataRuntime();
    ~TSkinDataRuntime();
    TSkinDataRuntime(TSkinDataRuntime&&) noexcept;
    TSkinDataRuntime& operator=(TSkinDataRuntime&&) noexcept;
};

// Optional user32 functions, looked up once at program start; null when the
// system lacks one, and the feature that needs it is skipped.
struct TUser32Extras {
    FARPROC GetScrollBarInfo = nullptr;
    FARPROC TrackMouseEvent = nullptr;
    FARPROC GetComboBoxInfo = nullptr;
    FARPROC DisableProcessWindowsGhosting = nullptr;
};
const TUser32Extras& User32Extras();

// Program start: the user32 look-ups, the system version, the "ControlOfs"
// message and atom, and the factory that makes the manager this class.
void InitSkinRuntime();
// Whether the CBT hook is installed now (false again after teardown).
bool SkinHookInstalled();

class TWinSkinManage final : public TSkinManage {
public:
    TWinSkinManage();
    ~TWinSkinManage() override;

    void PostCommand(int command, int delayMs) override;
    void SkinDataChanged(TSkinData* data) override;
    void DataLoaded(TSkinData& data) override;
    void ActiveChanged(TSkinData& data) override;
    // A component going away takes its frames and menus with it.
    void Unregister(TSkinData* data) override;

    void InstallHook();
    // Gives the window a skinned frame when it passes every test; true when attached.
    bool SkinWindow(HWND window);
    TSkinData* ChooseSkinData(HWND window) const;
    bool PassesClassFilter(HWND window, const std::string& className);
    bool IsPlainChildWindow(HWND window) const;
    // The command timer's tick.
    void RunCommand();
    bool SkinPopupMenu(HWND menuWindow);
    bool ReleasePopupMenu(HWND window);
    TWinSkinForm* FindFrame(HWND window) const;
    // Frees the frames whose windows are gone.
    void PurgeDeadFrames();
    // Command 7's window.
    void ReskinWindow(HWND window, int delayMs);

    const std::vector<TWinSkinForm*>& Frames() const { return frames_; }
    size_t PopMenuCount() const { return popMenus_.size(); }
    TSkinDataRuntime& Runtime(const TSkinData& data);
    bool CommandPending() const { return timer_ != 0; }

    // A frame's destructor takes it off the list (not while the manager is destroying).
    void FrameGone(TWinSkinForm* frame);

    bool Force = false;
    int MenuKind = 0;          // 0 none, 1 ordinary pop-up, 2 system menu
    bool MenuTracking = false;
    bool MdiMaximized = false;
    HWND MdiClient = nullptr;
    HWND MdiFrameWindow = nullptr;
    DWORD Version = 0;         // GetVersion() at InstallHook

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wp, LPARAM lp);
    static void CALLBACK CommandTimer(HWND, UINT, UINT_PTR id, DWORD);
    void OnCbt(int code, WPARAM wp, LPARAM lp);
    void FreeFrame(TWinSkinForm* frame);
    void StopFrame(TWinSkinForm* frame);
    void KillCommandTimer();
    void RefreshCaptionButtons(TSkinData* data);
    void ApplySkinChange(TSkinData* data);
    TWinSkinForm* CreateFrame(HWND window, TCustomForm* form, const std::string& className);

    std::vector<TWinSkinForm*> frames_;
    // Frames of bare windows (no widget-set form to own them).
    std::vector<std::unique_ptr<TWinSkinForm>> unowned_;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popMenus_;
    std::map<const TSkinData*, TSkinDataRuntime> runtime_;
    UINT_PTR timer_ = 0;
    HWND reskinWindow_ = nullptr;
};

// The process's manager when it is the Win32 one.
TWinSkinManage* WinSkinManager();

// The widget-set form behind a window: the Screen form with that handle,
// else the control stored under the "ControlOfs" property.
TCustomForm* FindWidgetForm(HWND window);

// A window's class name (ASCII).
std::string WindowClassName(HWND window);
