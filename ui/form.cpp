#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/control_atom.h"
#include "ui/popup_menu.h"
#include "ui/screen.h"

bool TScrollingWinControl::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "AutoScroll") {
        value = BoolText(auto_scroll_);
        return true;
    }
    return TWinControl::GetPublished(name, value);
}

bool TScrollingWinControl::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "AutoScroll") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        auto_scroll_ = *b;
        return true;
    }
    return TWinControl::SetPublished(name, value);
}

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner)
{
    visible_ = false;
    Screen().RegisterForm(this);
}

TCustomForm::~TCustomForm()
{
    Screen().UnregisterForm(this);
    DestroyHandle();
}

void TCustomForm::SetClientSize(int width, int height)
{
    client_width_ = width;
    client_height_ = height;
    if (HandleAllocated()) {
        TCreateParams params;
        CreateParams(params);
        SetWindowPos(handle_, nullptr, 0, 0, params.Width, params.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    std::string name = ClassName();
    params.ClassName.assign(name.begin(), name.end());
    params.Caption = caption_;
    RegisterControlClass(params.ClassName, CS_DBLCLKS);
    params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (MinimizeBox ? WS_MINIMIZEBOX : 0) | WS_CLIPCHILDREN |
                   WS_CLIPSIBLINGS;
    params.ExStyle = AppWindow ? WS_EX_APPWINDOW : 0;
    RECT r{0, 0, client_width_, client_height_};
    AdjustWindowRectEx(&r, params.Style, FALSE, params.ExStyle);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    if (Position != TPosition::Designed) {
        left_ = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
        top_ = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    }
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = Application() ? Application()->Handle() : nullptr;
}

void TCustomForm::CreateWnd()
{
    if (TApplication* app = Application()) {
        SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app->Icon(false)));
        SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(app->Icon(true)));
    }
}

void TCustomForm::PlaceWindow()
{
    if (Position != TPosition::MainFormCenter)
        return;
    RECT outer;
    GetWindowRect(handle_, &outer);
    int w = outer.right - outer.left;
    int h = outer.bottom - outer.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TCustomForm* main = Application() ? Application()->MainForm() : nullptr;
    if (main && main != this && main->HandleAllocated())
        GetWindowRect(main->Handle(), &area);
    left_ = area.left + ((area.right - area.left) - w) / 2;
    top_ = area.top + ((area.bottom - area.top) - h) / 2;
    SetWindowPos(handle_, nullptr, left_, top_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::Show()
{
    Handle();
    PlaceWindow();
    visible_ = true;
    ShowWindow(handle_, SW_SHOW);
}

void TCustomForm::Hide()
{
    visible_ = false;
    if (handle_)
        ShowWindow(handle_, SW_HIDE);
}

namespace {

// Disables every other form for a modal loop and gives them back, whatever
// way the loop ends.
class TModalScope {
public:
    explicit TModalScope(TCustomForm* modal)
    {
        for (size_t i = 0; i < Screen().FormCount(); ++i) {
            TCustomForm* f = Screen().Forms(i);
            if (f != modal && f->HandleAllocated() && IsWindowEnabled(f->Handle())) {
                EnableWindow(f->Handle(), FALSE);
                disabled_.push_back(f->Handle());
            }
        }
    }
    ~TModalScope()
    {
        for (HWND w : disabled_)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
    }
    TModalScope(const TModalScope&) = delete;
    TModalScope& operator=(const TModalScope&) = delete;

private:
    std::vector<HWND> disabled_;
};

} // namespace

int TCustomForm::ShowModal()
{
    TApplication* app = Application();
    if (modal_ || !app)
        return mrCancel;
    HWND previous = GetActiveWindow();
    modal_ = true;
    modal_result_ = mrNone;
    {
        TModalScope scope(this);
        Show();
        while (modal_result_ == mrNone) {
            app->HandleMessage();
            if (app->Terminated() || !IsWindowVisible(handle_))
                modal_result_ = mrCancel;
        }
        // The other forms come back before this one goes, so the activation returns to them.
    }
    Hide();
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
    modal_ = false;
    return modal_result_;
}

void TCustomForm::Close()
{
    TCloseAction action = TCloseAction::Hide;
    if (OnClose)
        OnClose(*this, action);
    if (action == TCloseAction::None)
        return;
    if (modal_) {
        if (modal_result_ == mrNone)
            modal_result_ = mrCancel;
        return;
    }
    TApplication* app = Application();
    if (app && app->MainForm() == this)
        app->Terminate();
    Hide();
}

std::vector<TWinControl*> TCustomForm::TabSequence() const
{
    std::vector<TWinControl*> sequence;
    std::function<void(const TWinControl*)> walk = [&](const TWinControl* container) {
        for (TWinControl* c : container->TabList()) {
            if (!c->CanFocus())
                continue;
            if (c->TabStop())
                sequence.push_back(c);
            walk(c);
        }
    };
    walk(this);
    return sequence;
}

void TCustomForm::SelectNext(bool forward)
{
    std::vector<TWinControl*> sequence = TabSequence();
    if (sequence.empty())
        return;
    // The focused window may be an inner part of a control (a combo box's edit).
    TWinControl* current = nullptr;
    for (HWND w = GetFocus(); w && w != handle_ && !current; w = GetParent(w)) {
        TWinControl* c = ControlOf(w);
        if (c && std::find(sequence.begin(), sequence.end(), c) != sequence.end())
            current = c;
    }
    size_t next = 0;
    if (current) {
        size_t at = static_cast<size_t>(std::find(sequence.begin(), sequence.end(), current) - sequence.begin());
        next = forward ? (at + 1) % sequence.size() : (at + sequence.size() - 1) % sequence.size();
    } else if (!forward) {
        next = sequence.size() - 1;
    }
    TWinControl* target = sequence[next];
    target->SetFocus();
    if (target->InheritsFrom("TCustomEdit"))
        SendMessageW(target->Handle(), EM_SETSEL, 0, -1);
}

bool TCustomForm::DialogKey(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return false;
}

void TCustomForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case WM_COMMAND:
        if (m.LParam == 0 && HIWORD(m.WParam) == 0) {
            for (size_t i = 0; i < ComponentCount(); ++i)
                if (auto* menu = dynamic_cast<TPopupMenu*>(Component(i)))
                    if (menu->DispatchCommand(LOWORD(m.WParam))) {
                        m.Result = 0;
                        return;
                    }
        }
        break;
    }
    TScrollingWinControl::WndProc(m);
}
