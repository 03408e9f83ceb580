#pragma once
// The application object: a hidden top-level window of class "TApplication"
// that owns every form and carries the program's icon, the message loop with
// its message filters, the default exception handler and the one road every
// message box takes.
#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/component.h"

class TCustomForm;

struct TMessageBoxRequest {
    HWND Owner;
    std::wstring Text;
    std::wstring Caption;
    UINT Flags;
};

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TApplication" || TComponent::InheritsFrom(cls); }

    // Creates the application window; before any form.
    void Initialize();
    HWND Handle() const { return handle_; }

    std::wstring Title = L"Quorlen";
    // The skin's caption-button hints read these (milliseconds).
    int HintPause = 500;
    int HintHidePause = 2500;

    // Takes ownership of both icons.
    void SetIcons(HICON big, HICON small);
    HICON Icon(bool small) const { return small ? small_icon_ : big_icon_; }

    // The first form created is the main form; closing it ends Run.
    template <class T>
    T* CreateForm()
    {
        T* form = Make<T>();
        if (!main_form_)
            main_form_ = form;
        return form;
    }
    TCustomForm* MainForm() const { return main_form_; }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // One message from the queue, through the filters, to its window; false when none waits.
    bool ProcessMessage();
    void ProcessMessages();
    // Handles what is pending up to the first timer: timers come after every
    // posted message and paint, so then a shown window has done what showing
    // it asked for.
    void ProcessUntilTimers();
    // One message, waiting for it when none is there.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Runs work once, when the loop has handled every posted message and
    // paint waiting now (it comes as a timer does). The id cancels it.
    int WhenIdle(std::function<void()> work);
    void CancelIdle(int id);
    // The timer's tick: runs the work queued so far.
    void RunIdleWork();

    // A filter sees every message the loop takes from the queue, for any
    // window; returning true keeps the message from being dispatched.
    using TMessageFilter = std::function<bool(MSG&)>;
    int AddMessageFilter(TMessageFilter filter);
    void RemoveMessageFilter(int id);

    // The default exception handler: an error box with the message; the program goes on.
    void HandleException(std::exception_ptr error);

    // Every message box. The box is owned by the active form (else the main
    // form, else the application window) and never forced to the foreground.
    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
    // Sees each box before it appears; a value returned is taken as the
    // user's answer and no box appears.
    std::function<std::optional<int>(const TMessageBoxRequest&)> OnMessageBox;

    // Asks the shell to open an address ("open", normal window) for an owner
    // window; the result is not examined.
    void OpenDocument(HWND owner, const std::wstring& address);
    // Sees each request first; true means it was taken care of.
    std::function<bool(HWND owner, const std::wstring& address)> OnOpenDocument;

private:
    bool IsDialogKey(const MSG& msg);
    HWND BoxOwner() const;

    HWND handle_ = nullptr;
    HICON big_icon_ = nullptr;
    HICON small_icon_ = nullptr;
    bool ole_ = false;
    TCustomForm* main_form_ = nullptr;
    bool terminated_ = false;
    std::vector<std::pair<int, TMessageFilter>> filters_;
    int next_filter_ = 1;
    std::vector<std::pair<int, std::function<void()>>> idle_work_;
    int next_idle_ = 1;
};

// The application object of this process, once one exists.
TApplication* Application();

// The two boxes the program shows: caption "Warning" or "Information", one OK button.
void ShowWarning(const std::wstring& text);
void ShowInformation(const std::wstring& text);
