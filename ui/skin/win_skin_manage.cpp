#include "ui/skin/win_skin_manage.h"

#include <algorithm>
#include <cctype>

#include "ui/application.h"
#include "ui/control_atom.h"
#include "ui/form.h"
#include "ui/screen.h"
#include "ui/skin/gdi_canvas.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_hint.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_menu.h"

namespace {

// The hook outlives nothing: it is removed with its manager, and a call that
// still arrives after that (another module's chain) only passes on.
bool g_shutdown = false;
HHOOK g_hook = nullptr;
TUser32Extras g_user32;

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The application's small icon on magenta: the caption buttons' fallback.
TSkinImage ApplicationIconImage()
{
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    TDibCanvas canvas(w, h);
    if (!canvas.Valid())
        return {};
    canvas.Fill({0, 0, w, h}, RGB(255, 0, 255));
    TApplication* app = Application();
    HICON icon = nullptr;
    if (app && app->Handle()) {
        icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_SMALL, 0));
        if (!icon)
            icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_BIG, 0));
    }
    if (icon)
        DrawIconSized(canvas.DC(), 0, 0, icon, w, h);
    return canvas.ToImage();
}

} // namespace

TSkinDataRuntime::TSkinDataRuntime() = default;
TSkinDataRuntime::~TSkinDataRuntime() = default;
TSkinDataRuntime::TSkinDataRuntime(TSkinDataRuntime&&) noexcept = default;
TSkinDataRuntime& TSkinDataRuntime::operator=(TSkinDataRuntime&&) noexcept = default;

const TUser32Extras& User32Extras() { return g_user32; }

void InitSkinRuntime()
{
    if (HMODULE user32 = LoadLibraryA("user32.dll")) {
        g_user32.GetScrollBarInfo = GetProcAddress(user32, "GetScrollBarInfo");
        g_user32.TrackMouseEvent = GetProcAddress(user32, "TrackMouseEvent");
        g_user32.GetComboBoxInfo = GetProcAddress(user32, "GetComboBoxInfo");
        g_user32.DisableProcessWindowsGhosting = GetProcAddress(user32, "DisableProcessWindowsGhosting");
    }
    // Registers "ControlOfs<instance><thread>" as a message and a global atom.
    ControlAtom();
    g_shutdown = false;
    SetSkinManagerFactory([]() -> std::unique_ptr<TSkinManage> { return std::make_unique<TWinSkinManage>(); });
}

bool SkinHookInstalled() { return g_hook != nullptr; }

TWinSkinManage* WinSkinManager() { return dynamic_cast<TWinSkinManage*>(SkinManager()); }

std::string WindowClassName(HWND window)
{
    char name[100] = {0};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TCustomForm* FindWidgetForm(HWND window)
{
    if (!window)
        return nullptr;
    for (size_t i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        if (form->HandleAllocated() && form->Handle() == window)
            return form;
    }
    return dynamic_cast<TCustomForm*>(ControlOf(window));
}

// ---- life ----

TWinSkinManage::TWinSkinManage() = default;

TWinSkinManage::~TWinSkinManage()
{
    ManagerState = 4;
    Running = false;
    KillCommandTimer();
    std::vector<TWinSkinForm*> frames;
    frames.swap(frames_);
    for (TWinSkinForm* frame : frames) {
        try {
            frame->ReleaseFrame();
        } catch (...) {
        }
        FreeFrame(frame);
    }
    unowned_.clear();
    popMenus_.clear();
    runtime_.clear();
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_shutdown = true;
}

void TWinSkinManage::FreeFrame(TWinSkinForm* frame)
{
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
    auto it = std::find_if(unowned_.begin(), unowned_.end(), [&](const auto& p) { return p.get() == frame; });
    if (it != unowned_.end()) {
        std::unique_ptr<TWinSkinForm> doomed = std::move(*it);
        unowned_.erase(it);
        return;
    }
    if (TComponent* owner = frame->Owner())
        owner->FreeComponent(frame);
}

void TWinSkinManage::FrameGone(TWinSkinForm* frame)
{
    if (ManagerState == 4)
        return;
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
    if (MdiFrameWindow && frame->Handle() == MdiFrameWindow) {
        MdiFrameWindow = nullptr;
        MdiClient = nullptr;
    }
}

TSkinDataRuntime& TWinSkinManage::Runtime(const TSkinData& data) { return runtime_[&data]; }

void TWinSkinManage::PurgeDeadFrames()
{
    std::vector<TWinSkinForm*> dead;
    for (TWinSkinForm* frame : frames_)
        if (frame->FrameState == fsDead || (frame->FrameState != fsDestroying && !IsWindow(frame->Handle())))
            dead.push_back(frame);
    for (TWinSkinForm* frame : dead) {
        frame->ReleaseFrame();
        FreeFrame(frame);
    }
}

TWinSkinForm* TWinSkinManage::FindFrame(HWND window) const
{
    for (TWinSkinForm* frame : frames_)
        if (frame->Handle() == window && frame->FrameState != fsDead)
            return frame;
    return nullptr;
}

// ---- the data side's calls ----

void TWinSkinManage::InstallHook()
{
    Version = GetVersion();
    if (g_hook)
        return;
    g_shutdown = false;
    g_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void TWinSkinManage::Unregister(TSkinData* data)
{
    std::vector<TWinSkinForm*> frames;
    for (TWinSkinForm* frame : frames_)
        if (frame->SkinData() == data)
            frames.push_back(frame);
    for (TWinSkinForm* frame : frames) {
        // The frames' windows are closing with the component's form, or live
        // on unskinned: either way nothing of this skin may stay in them.
        if (frame->FrameState != fsDead) {
            frame->FrameState = fsDestroying;
            frame->DetachFrame();
        }
        FreeFrame(frame);
    }
    std::erase_if(popMenus_, [&](const auto& menu) { return &menu->Data() == data; });
    runtime_.erase(data);
    if (reskinWindow_ && !FindFrame(reskinWindow_))
        reskinWindow_ = nullptr;
    TSkinManage::Unregister(data);
}

void TWinSkinManage::DataLoaded(TSkinData& data)
{
    if (data.SkinFormtype == TSkinFormType::sfMainform) {
        // A start the component asked for before the manager ran concerns it.
        if (ManagerCommand == MC_START && !CommandSkinData)
            CommandSkinData = &data;
        InstallHook();
        Runtime(data).AppIcon = ApplicationIconImage();
        return;
    }
    Running = true;
    // A second secondary component must not move the manager past "running".
    if (ManagerState == 0)
        ManagerState = 1;
    if (data.OwnerForm && data.Active && data.OwnerForm->HandleAllocated())
        SkinWindow(data.OwnerForm->Handle());
}

void TWinSkinManage::ActiveChanged(TSkinData& data)
{
    if (data.Active) {
        if (data.SkinEmpty) {
            data.Active = false;
            return;
        }
        ManagerState = 1;
        CommandSkinData = &data;
        PostCommand(MC_START, 250);
    } else {
        CommandSkinData = &data;
        PostCommand(MC_STOP, 250);
    }
}

void TWinSkinManage::PostCommand(int command, int delayMs)
{
    TSkinManage::PostCommand(command, delayMs);
    if (ManagerState == 0)
        return;
    KillCommandTimer();
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(std::max(delayMs, 1)), CommandTimer);
}

void TWinSkinManage::KillCommandTimer()
{
    if (timer_)
        KillTimer(nullptr, timer_);
    timer_ = 0;
}

void CALLBACK TWinSkinManage::CommandTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    try {
        TWinSkinManage* manager = WinSkinManager();
        if (manager && id == manager->timer_)
            manager->RunCommand();
        else
            KillTimer(nullptr, id);
    } catch (...) {
        HandleCallbackException();
    }
}

void TWinSkinManage::SkinDataChanged(TSkinData* data)
{
    CommandSkinData = data;
    RefreshCaptionButtons(data);
    if (ManagerState == 1)
        PostCommand(MC_SKINCHANGED, 250);
}

void TWinSkinManage::RefreshCaptionButtons(TSkinData* data)
{
    for (TWinSkinForm* frame : frames_)
        if (frame->SkinData() == data && frame->FrameState != fsDead)
            frame->RebuildCaptionButtons();
}

void TWinSkinManage::ReskinWindow(HWND window, int delayMs)
{
    TWinSkinForm* frame = FindFrame(window);
    CommandSkinData = frame ? frame->SkinData() : ChooseSkinData(window);
    reskinWindow_ = window;
    PostCommand(MC_RESKIN, delayMs);
}

// ---- the hook ----

LRESULT CALLBACK TWinSkinManage::CbtProc(int code, WPARAM wp, LPARAM lp)
{
    if (!g_shutdown && code >= 0) {
        try {
            if (TWinSkinManage* manager = WinSkinManager())
                manager->OnCbt(code, wp, lp);
        } catch (...) {
            HandleCallbackException();
        }
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

void TWinSkinManage::OnCbt(int code, WPARAM wp, LPARAM lp)
{
    const auto window = reinterpret_cast<HWND>(wp);
    switch (code) {
    case HCBT_CREATEWND: {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lp);
        if (!create || !create->lpcs)
            return;
        const std::string cls = WindowClassName(window);
        if ((create->lpcs->style & (WS_CHILD | SBS_SIZEGRIP)) == (WS_CHILD | SBS_SIZEGRIP) &&
            Lower(cls) == "scrollbar")
            if (TWinSkinForm* frame = FindFrame(create->lpcs->hwndParent))
                frame->AdoptSizeGrip(window);
        if (!(create->lpcs->style & WS_CHILD) && cls == "#32768")
            SkinPopupMenu(window);
        if (create->lpcs->dwExStyle & WS_EX_MDICHILD)
            SkinWindow(window);
        return;
    }
    case HCBT_DESTROYWND: {
        ReleasePopupMenu(window);
        // A widget-set form takes its own procedure back before it destroys
        // its window, so its frame may never see WM_NCDESTROY: let go here.
        if (TWinSkinForm* frame = FindFrame(window); frame && frame->FrameState != fsDestroying) {
            frame->FrameState = fsDestroying;
            frame->ReleaseFrame();
            frame->FrameState = fsDead;
        }
        return;
    }
    case HCBT_ACTIVATE:
        if (ManagerState == 0)
            ManagerState = 1;
        SkinWindow(window);
        return;
    default:
        return;
    }
}

// ---- deciding ----

bool TWinSkinManage::IsPlainChildWindow(HWND window) const
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (!(style & WS_CHILD) || (ex & WS_EX_MDICHILD))
        return false;
    return Lower(WindowClassName(GetParent(window))) != "mdiclient";
}

bool TWinSkinManage::PassesClassFilter(HWND window, const std::string& className)
{
    TSkinData* main = MainSkin();
    if (!main)
        return true;
    const std::string lower = Lower(className);
    if (!main->Options.Has(TSkinOption::xoPreview) && Contains(lower, "preview"))
        return false;
    if (className == "#32770" && (GetWindowLongPtrW(window, GWL_STYLE) & DS_SETFOREGROUND))
        return false;
    if (lower == "tpopupdbtreeview")
        return false;
    Runtime(*main).DecidingWindow = window;
    if (main->OnFormSkin) {
        bool skin = true;
        main->OnFormSkin(*main, className, skin);
        return skin;
    }
    if (className == "SysMonthCal32")
        return false;
    if (className.rfind("Tfr", 0) == 0 && main->SkinControls.Has(TSkinControlType::xcFastReport))
        return false;
    return true;
}

TSkinData* TWinSkinManage::ChooseSkinData(HWND window) const
{
    const std::vector<TSkinData*>& datas = SkinDatas();
    for (auto it = datas.rbegin(); it != datas.rend(); ++it) {
        TSkinData* d = *it;
        if (d && d->SkinFormtype == TSkinFormType::sfOnlyThisForm && d->OwnerForm &&
            d->OwnerForm->HandleAllocated() && d->OwnerForm->Handle() == window)
            return d;
    }
    const std::string lower = Lower(WindowClassName(window));
    if (lower == "tmessageform" || lower == "#32770")
        for (auto it = datas.rbegin(); it != datas.rend(); ++it)
            if (*it && (*it)->SkinFormtype == TSkinFormType::sfDialog)
                return *it;
    for (auto it = datas.rbegin(); it != datas.rend(); ++it)
        if (*it && (*it)->SkinFormtype == TSkinFormType::sfMainform)
            return *it;
    return datas.empty() ? nullptr : datas.front();
}

TWinSkinForm* TWinSkinManage::CreateFrame(HWND window, TCustomForm* form, const std::string& className)
{
    if (form)
        return form->Make<TWinSkinForm>(*this, window, className);
    unowned_.push_back(std::make_unique<TWinSkinForm>(nullptr, *this, window, className));
    return unowned_.back().get();
}

bool TWinSkinManage::SkinWindow(HWND window)
{
    if (!Running)
        return false;
    PurgeDeadFrames();
    if (!window || !IsWindow(window))
        return false;
    if (SendMessageW(window, SKINMSG_QUERY, 0, 0) == 1 || FindFrame(window))
        return false;
    TCustomForm* form = FindWidgetForm(window);
    if (!Force && IsPlainChildWindow(window))
        return false;
    const std::string cls = WindowClassName(window);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    if (!form && instance != GetModuleHandleW(nullptr) && cls != "#32770")
        return false;
    RECT r;
    GetWindowRect(window, &r);
    const bool area = r.right - r.left != 0 && r.bottom - r.top != 0;
    if (!area && !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD))
        return false;
    // The constant, not DisableTag: a form tagged 99 is never framed.
    if (form && form->Tag == 99)
        return false;
    if (Contains(cls, "TcxPopupEditPopupWindow") || Contains(cls, "TTERenderWindow") || cls == "TApplication")
        return false;
    if (!PassesClassFilter(window, cls))
        return false;
    TSkinData* data = ChooseSkinData(window);
    if (!data || data->SkinEmpty)
        return false;
    TWinSkinForm* frame = CreateFrame(window, form, cls);
    frames_.push_back(frame);
    frame->AttachFrame(*data, form);
    PostMessageW(window, SKINMSG_INIT, 0, kSkinInitParam);
    return true;
}

// ---- commands ----

void TWinSkinManage::StopFrame(TWinSkinForm* frame)
{
    HWND window = frame->Handle();
    frame->DetachFrame();
    if (IsWindow(window)) {
        InvalidateRect(window, nullptr, TRUE);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        UpdateWindow(window);
    }
    FreeFrame(frame);
}

void TWinSkinManage::RunCommand()
{
    KillCommandTimer();
    TSkinData* data = CommandSkinData;
    const int command = ManagerCommand;
    ManagerCommand = MC_NONE;
    if (!data)
        return;
    if (data->SkinFormtype == TSkinFormType::sfOnlyThisForm) {
        HWND own = data->OwnerForm && data->OwnerForm->HandleAllocated() ? data->OwnerForm->Handle() : nullptr;
        switch (command) {
        case MC_START:
            Running = true;
            Force = true;
            if (own)
                SkinWindow(own);
            Force = false;
            break;
        case MC_STOP:
            Running = false;
            PurgeDeadFrames();
            if (TWinSkinForm* frame = own ? FindFrame(own) : nullptr)
                StopFrame(frame);
            break;
        case MC_SKINCHANGED:
            if (TWinSkinForm* frame = own ? FindFrame(own) : nullptr)
                frame->SkinChanged();
            break;
        case MC_PURGE:
            PurgeDeadFrames();
            break;
        }
    } else {
        switch (command) {
        case MC_START:
            Running = true;
            MenuTracking = false;
            Force = true;
            PurgeDeadFrames();
            for (size_t i = Screen().FormCount(); i-- > 0;) {
                TCustomForm* form = Screen().Forms(i);
                if (!form->HandleAllocated())
                    continue;
                HWND window = form->Handle();
                if (!IsWindowVisible(window) || (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
                    continue;
                SkinWindow(window);
            }
            Force = false;
            break;
        case MC_STOP:
            Running = false;
            PurgeDeadFrames();
            while (!frames_.empty())
                StopFrame(frames_.front());
            break;
        case MC_SKINCHANGED: {
            PurgeDeadFrames();
            std::vector<TWinSkinForm*> frames = frames_;
            for (TWinSkinForm* frame : frames)
                if (frame->SkinData() == data)
                    frame->SkinChanged();
            break;
        }
        case MC_PURGE:
            PurgeDeadFrames();
            break;
        case MC_RESKIN: {
            HWND window = reskinWindow_;
            reskinWindow_ = nullptr;
            if (TWinSkinForm* frame = FindFrame(window)) {
                frame->DetachFrame();
                frame->FrameState = fsDead;
            }
            PurgeDeadFrames();
            SkinWindow(window);
            return;
        }
        }
    }
    if (data->OnSkinChanged)
        data->OnSkinChanged(*data);
    CommandSkinData = nullptr;
}

// ---- pop-up menus ----

bool TWinSkinManage::SkinPopupMenu(HWND menuWindow)
{
    if (!Running)
        return false;
    if (SendMessageW(menuWindow, SKINMSG_QUERY, 0, 0) == 1)
        return false;
    for (const auto& m : popMenus_)
        if (m->Handle() == menuWindow)
            return false;
    TSkinData* data = ChooseSkinData(menuWindow);
    if (!data || data->SkinEmpty)
        return false;
    const TSkinControlTypes& kinds = data->SkinControls;
    switch (MenuKind) {
    case 0:
        if (!kinds.Has(TSkinControlType::xcPopupMenu))
            return false;
        break;
    case 1:
        if (!kinds.Has(TSkinControlType::xcMainMenu) && !kinds.Has(TSkinControlType::xcMenuItem))
            return false;
        break;
    default:
        if (!kinds.Has(TSkinControlType::xcSystemMenu))
            return false;
        break;
    }
    popMenus_.push_back(std::make_unique<TWinSkinPopMenu>(*this, menuWindow, *data));
    MenuTracking = true;
    return true;
}

bool TWinSkinManage::ReleasePopupMenu(HWND window)
{
    auto it = std::find_if(popMenus_.begin(), popMenus_.end(), [&](const auto& m) { return m->Handle() == window; });
    if (it == popMenus_.end())
        return false;
    std::unique_ptr<TWinSkinPopMenu> doomed = std::move(*it);
    popMenus_.erase(it);
    doomed.reset();
    if (popMenus_.empty()) {
        MenuTracking = false;
        MenuKind = 0;
    }
    return true;
}
