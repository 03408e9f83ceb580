#include "ui/application.h"

#include <algorithm>

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include "data/exception.h"
#include "ui/control_atom.h"
#include "ui/form.h"
#include "ui/gbk_text.h"
#include "ui/screen.h"

namespace {

TApplication* g_application = nullptr;
constexpr UINT_PTR kIdleTimer = 1;

LRESULT CALLBACK ApplicationWndProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    try {
        if (msg == WM_TIMER && wp == kIdleTimer) {
            KillTimer(window, kIdleTimer);
            if (g_application)
                g_application->RunIdleWork();
            return 0;
        }
        if (msg == WM_CLOSE) {
            // Closing the application (from the taskbar) closes the main form.
            if (g_application && g_application->MainForm())
                g_application->MainForm()->Close();
            return 0;
        }
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
    return DefWindowProcW(window, msg, wp, lp);
}

} // namespace

TApplication* Application()
{
    return g_application;
}

void HandleCallbackException()
{
    try {
        if (g_application)
            g_application->HandleException(std::current_exception());
    } catch (...) {
        // Nothing may leave a window procedure.
    }
}

TApplication::TApplication() : TComponent(nullptr)
{
    if (!g_application)
        g_application = this;
}

TApplication::~TApplication()
{
    // The forms are owned windows of ours: they go first.
    FreeComponents();
    main_form_ = nullptr;
    if (handle_)
        DestroyWindow(handle_);
    if (big_icon_)
        DestroyIcon(big_icon_);
    if (small_icon_)
        DestroyIcon(small_icon_);
    if (ole_)
        OleUninitialize();
    if (g_application == this)
        g_application = nullptr;
}

void TApplication::Initialize()
{
    if (handle_)
        return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The about window hosts an ActiveX control.
    ole_ = SUCCEEDED(OleInitialize(nullptr));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ApplicationWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TApplication";
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, wc.lpszClassName, &existing) && !RegisterClassExW(&wc))
        throw Exception("Cannot register the application window class");
    handle_ = CreateWindowExW(0, L"TApplication", Title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
    if (!handle_)
        throw Exception("Cannot create the application window");
    ControlAtom();  // named for this thread, the user-interface thread
}

void TApplication::SetIcons(HICON big, HICON small)
{
    if (big_icon_)
        DestroyIcon(big_icon_);
    if (small_icon_)
        DestroyIcon(small_icon_);
    big_icon_ = big;
    small_icon_ = small;
    if (handle_) {
        SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
}

void TApplication::Run()
{
    if (main_form_)
        main_form_->Show();
    while (!terminated_)
        HandleMessage();
}

bool TApplication::IsDialogKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !msg.hwnd)
        return false;
    auto* form = dynamic_cast<TCustomForm*>(ControlOf(GetAncestor(msg.hwnd, GA_ROOT)));
    return form && form->DialogKey(msg);
}

bool TApplication::ProcessMessage()
{
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    try {
        auto filters = filters_;  // a filter may remove itself
        for (auto& [id, filter] : filters)
            if (filter(msg))
                return true;
        if (!IsDialogKey(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } catch (...) {
        HandleException(std::current_exception());
    }
    return true;
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) {
    }
}

void TApplication::ProcessUntilTimers()
{
    MSG msg;
    while (!terminated_ && PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_TIMER)
        ProcessMessage();
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage())
        WaitMessage();
}

void TApplication::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
}

int TApplication::WhenIdle(std::function<void()> work)
{
    const int id = next_idle_++;
    idle_work_.emplace_back(id, std::move(work));
    if (handle_)
        SetTimer(handle_, kIdleTimer, USER_TIMER_MINIMUM, nullptr);
    return id;
}

void TApplication::CancelIdle(int id)
{
    std::erase_if(idle_work_, [id](const auto& w) { return w.first == id; });
}

void TApplication::RunIdleWork()
{
    // What is queued now runs now; work queued by it waits for the next idle
    // moment, and work it cancels does not run.
    std::vector<int> due;
    for (const auto& [id, work] : idle_work_)
        due.push_back(id);
    for (int id : due) {
        auto it = std::find_if(idle_work_.begin(), idle_work_.end(), [id](const auto& w) { return w.first == id; });
        if (it == idle_work_.end())
            continue;
        auto work = std::move(it->second);
        idle_work_.erase(it);
        try {
            work();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
}

int TApplication::AddMessageFilter(TMessageFilter filter)
{
    int id = next_filter_++;
    filters_.emplace_back(id, std::move(filter));
    return id;
}

void TApplication::RemoveMessageFilter(int id)
{
    std::erase_if(filters_, [id](const auto& f) { return f.first == id; });
}

void TApplication::HandleException(std::exception_ptr error)
{
    std::wstring text;
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        text = GbkToWide(e.Message());
    } catch (const std::exception& e) {
        text = GbkToWide(e.what());
    } catch (...) {
        text = L"An unknown error occurred.";
    }
    ShowMessageBox(text, Title, MB_OK | MB_ICONERROR);
}

HWND TApplication::BoxOwner() const
{
    if (TCustomForm* active = Screen().ActiveForm())
        return active->Handle();
    if (main_form_ && main_form_->HandleAllocated() && IsWindowVisible(main_form_->Handle()))
        return main_form_->Handle();
    return handle_;
}

int TApplication::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags)
{
    // A box must not pull the program in front of whatever the user is doing.
    TMessageBoxRequest request{BoxOwner(), text, caption, flags & ~static_cast<UINT>(MB_SETFOREGROUND)};
    if (OnMessageBox)
        if (std::optional<int> answer = OnMessageBox(request))
            return *answer;
    return MessageBoxW(request.Owner, request.Text.c_str(), request.Caption.c_str(), request.Flags);
}

void TApplication::OpenDocument(HWND owner, const std::wstring& address)
{
    if (OnOpenDocument && OnOpenDocument(owner, address))
        return;
    ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowWarning(const std::wstring& text)
{
    if (TApplication* app = Application())
        app->ShowMessageBox(text, L"Warning", MB_OK | MB_ICONWARNING);
}

void ShowInformation(const std::wstring& text)
{
    if (TApplication* app = Application())
        app->ShowMessageBox(text, L"Information", MB_OK | MB_ICONINFORMATION);
}
