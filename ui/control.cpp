#include "ui/control.h"

#include <windowsx.h>

#include <algorithm>

#include "data/exception.h"
#include "ui/control_atom.h"
#include "ui/popup_menu.h"

// ---- TControl ----

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl()
{
    font_.OnChange = nullptr;
    if (parent_)
        parent_->RemoveChild(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_) {
        Invalidate();
        parent_->RemoveChild(this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->AddChild(this);
        Invalidate();
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Invalidate();
}

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Invalidate();
}

void TControl::SetCaption(const std::wstring& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TControl::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(*this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(*this, button, shift, x, y);
}

void TControl::Invalidate() {}

bool TControl::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Caption") {
        value = Caption();
        return true;
    }
    if (name == "Color") {
        value = std::to_wstring(static_cast<int32_t>(color_));
        return true;
    }
    if (name == "Visible") {
        value = BoolText(visible_);
        return true;
    }
    if (name == "Enabled") {
        value = BoolText(enabled_);
        return true;
    }
    return TComponent::GetPublished(name, value);
}

bool TControl::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Caption") {
        SetCaption(value);
        return true;
    }
    if (name == "Color") {
        try {
            size_t used = 0;
            long long v = std::stoll(value, &used, 0);
            if (used != value.size())
                return false;
            SetColor(static_cast<TColor>(v));
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }
    if (name == "Visible" || name == "Enabled") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        if (name == "Visible")
            SetVisible(*b);
        else
            SetEnabled(*b);
        return true;
    }
    return TComponent::SetPublished(name, value);
}

// ---- TGraphicControl ----

void TGraphicControl::Invalidate()
{
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

// ---- window procedures ----

namespace {

thread_local TWinControl* t_creating = nullptr;
thread_local int t_next_id = 100;

} // namespace

// Every window of a control runs this, through the control's own thunk.
LRESULT TWinControl::ThunkProc(void* object, UINT msg, WPARAM wp, LPARAM lp)
{
    TMessage m{msg, wp, lp, 0};
    try {
        static_cast<TWinControl*>(object)->WindowProc(m);
    } catch (...) {
        HandleCallbackException();
    }
    return m.Result;
}

// The first procedure of our registered classes: binds the window to the
// control being created, then hands over for good.
LRESULT CALLBACK InitialWndProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    TWinControl* control = t_creating;
    if (!control || control->handle_)
        return DefWindowProcW(window, msg, wp, lp);
    t_creating = nullptr;
    control->AttachWindow(window, DefWindowProcW);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->thunk_.Proc()));
    return TWinControl::ThunkProc(control, msg, wp, lp);
}

void RegisterControlClass(const std::wstring& className, UINT style)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className.c_str(), &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = InitialWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc))
        throw Exception("Cannot register the window class of a form");
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner) : TControl(owner), thunk_(this, ThunkProc)
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
}

TWinControl::~TWinControl()
{
    for (TControl* child : controls_)
        child->DetachFromParent();
    controls_.clear();
    DestroyHandle();
    if (brush_)
        DeleteObject(brush_);
}

void TWinControl::AttachWindow(HWND window, WNDPROC previous)
{
    handle_ = window;
    default_proc_ = previous;
    SetControlOf(window, this);
}

HWND TWinControl::Handle()
{
    if (!handle_)
        CreateHandle();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = caption_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0) | (tab_stop_ ? WS_TABSTOP : 0) |
                   (enabled_ ? 0 : WS_DISABLED);
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    if (parent_ && !parent_->handle_) {
        parent_->CreateHandle();  // creates this one too
        if (handle_)
            return;
    }
    TCreateParams params;
    CreateParams(params);
    bool child = (params.Style & WS_CHILD) != 0;
    if (child && !parent_)
        throw Exception("A child control needs a parent window");
    HWND owner = child ? parent_->handle_ : params.WndParent;
    t_creating = this;
    HWND window = CreateWindowHandle(params, owner,
                                     child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(t_next_id++)) : nullptr);
    t_creating = nullptr;
    if (!window)
        throw Exception("Cannot create the window of " + Name);
    if (!handle_) {
        // A system class: put ourselves in front of its procedure.
        AttachWindow(window, reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk_.Proc()));
    }
    if (child && !parent_->creating_children_)
        KeepSiblingOrder();
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    CreateWnd();
    struct TCreatingChildren {
        bool& flag;
        explicit TCreatingChildren(bool& f) : flag(f) { flag = true; }
        ~TCreatingChildren() { flag = false; }
    } creating(creating_children_);
    for (TControl* c : controls_)
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->CreatesWithParent())
            static_cast<TWinControl*>(c)->CreateHandle();
}

void TWinControl::KeepSiblingOrder()
{
    // A window made after its siblings would end the z-order, and with it
    // the dialog keys' tab walk: put it behind the sibling made before it in
    // the parent's list.
    HWND after = HWND_TOP;
    for (TControl* c : parent_->controls_) {
        if (c == this)
            break;
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->handle_)
            after = static_cast<TWinControl*>(c)->handle_;
    }
    SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

HWND TWinControl::CreateWindowHandle(const TCreateParams& params, HWND parent, HMENU id)
{
    return CreateWindowExW(params.ExStyle, params.ClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
                           params.Y, params.Width, params.Height, parent, id, GetModuleHandleW(nullptr), nullptr);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    HWND window = handle_;
    RemoveControlOf(window);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
    handle_ = nullptr;
    DestroyWindow(window);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wp, LPARAM lp)
{
    TMessage m{msg, wp, lp, 0};
    WindowProc(m);
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& msg)
{
    if (handle_ && default_proc_)
        msg.Result = CallWindowProcW(default_proc_, handle_, msg.Msg, msg.WParam, msg.LParam);
    else
        msg.Result = 0;
}

TControl* TWinControl::ControlAtPos(POINT p) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() || !c->Visible())
            continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p))
            return c;
    }
    return nullptr;
}

bool TWinControl::CanFocus() const
{
    return handle_ && IsWindowVisible(handle_) && IsWindowEnabled(handle_);
}

void TWinControl::SetFocus()
{
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

std::vector<TWinControl*> TWinControl::TabList() const
{
    std::vector<TWinControl*> list;
    for (TControl* c : controls_)
        if (c->IsWindowed())
            list.push_back(static_cast<TWinControl*>(c));
    std::stable_sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->tab_order_ < b->tab_order_; });
    return list;
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
    if (handle_ && parent)
        ::SetParent(handle_, parent->Handle());
    else if (!handle_ && parent && parent->handle_)
        CreateHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled);
}

std::wstring TWinControl::Caption() const
{
    if (!handle_)
        return caption_;
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return text;
}

void TWinControl::SetCaption(const std::wstring& caption)
{
    caption_ = caption;
    if (handle_)
        SetWindowTextW(handle_, caption.c_str());
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::FontChanged()
{
    if (handle_) {
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
        Invalidate();
    }
}

void TWinControl::ColorChanged()
{
    Invalidate();
}

HBRUSH TWinControl::ColorBrush()
{
    if (!brush_ || brush_color_ != color_) {
        if (brush_)
            DeleteObject(brush_);
        brush_ = CreateSolidBrush(ColorToRGB(color_));
        brush_color_ = color_;
    }
    return brush_;
}

void TWinControl::AddChild(TControl* child)
{
    controls_.push_back(child);
}

void TWinControl::RemoveChild(TControl* child)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
    if (pressed_control_ == child)
        pressed_control_ = nullptr;
}

bool TWinControl::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "ParentBackground") {
        value = BoolText(parent_background_);
        return true;
    }
    if (name == "TabOrder") {
        value = std::to_wstring(tab_order_);
        return true;
    }
    if (name == "TabStop") {
        value = BoolText(tab_stop_);
        return true;
    }
    return TControl::GetPublished(name, value);
}

bool TWinControl::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "ParentBackground" || name == "TabStop") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        if (name == "TabStop")
            tab_stop_ = *b;
        else
            SetParentBackground(*b);
        return true;
    }
    return TControl::SetPublished(name, value);
}

void TWinControl::PaintControls(HDC dc, const RECT* clip)
{
    for (TControl* c : controls_) {
        if (c->IsWindowed() || !c->Visible())
            continue;
        RECT r = c->BoundsRect();
        RECT overlap;
        if (clip && !IntersectRect(&overlap, &r, clip))
            continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        static_cast<TGraphicControl*>(c)->PaintControl(dc);
        RestoreDC(dc, saved);
    }
}

void TWinControl::HandlePaint(TMessage& msg)
{
    PAINTSTRUCT ps{};
    HDC dc = msg.WParam ? reinterpret_cast<HDC>(msg.WParam) : BeginPaint(handle_, &ps);
    if (default_proc_ != DefWindowProcW)
        CallWindowProcW(default_proc_, handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    PaintControls(dc, msg.WParam ? nullptr : &ps.rcPaint);
    if (!msg.WParam)
        EndPaint(handle_, &ps);
    msg.Result = 0;
}

bool TWinControl::ReflectToChild(TMessage& msg)
{
    HWND from = nullptr;
    switch (msg.Msg) {
    case WM_COMMAND:
        from = reinterpret_cast<HWND>(msg.LParam);
        break;
    case WM_NOTIFY:
        from = reinterpret_cast<NMHDR*>(msg.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam);
        if (item->CtlType == ODT_MENU)
            return false;
        from = item->hwndItem;
        break;
    }
    default:  // WM_CTLCOLOR*
        from = reinterpret_cast<HWND>(msg.LParam);
        break;
    }
    // A notice comes from a child window: look among the children rather than
    // up the window's property, which is slow where every control paints.
    TWinControl* child = nullptr;
    for (TControl* c : controls_)
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->handle_ == from) {
            child = static_cast<TWinControl*>(c);
            break;
        }
    if (!child || !from)
        return false;
    msg.Result = child->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_COMMAND:
        if (m.LParam && ReflectToChild(m))
            return;
        break;
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (ReflectToChild(m))
            return;
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(font_.Color()));
        SetBkColor(dc, ColorToRGB(color_));
        m.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    case CN_COMMAND:
    case CN_NOTIFY:
    case CN_DRAWITEM:
        m.Result = 0;
        return;
    case WM_ERASEBKGND:
        if (ErasesWithColor()) {
            RECT r;
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
            m.Result = 1;
            return;
        }
        break;
    case WM_PAINT:
        if (std::any_of(controls_.begin(), controls_.end(), [](TControl* c) { return !c->IsWindowed(); })) {
            HandlePaint(m);
            return;
        }
        break;
    case WM_NCHITTEST:
        DefaultHandler(m);
        if (m.Result == HTTRANSPARENT) {
            // A group box lets clicks through to its parent; not where a label of its own sits.
            POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            ScreenToClient(handle_, &p);
            if (ControlAtPos(p))
                m.Result = HTCLIENT;
        }
        return;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(handle_, &p);
            TControl* over = ControlAtPos(p);
            if ((over ? over->Cursor() : cursor_) == crHandPoint) {
                ::SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
                m.Result = TRUE;
                return;
            }
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (TControl* c = ControlAtPos(p)) {
            pressed_control_ = c;
            if (m.Msg == WM_LBUTTONDBLCLK)
                c->DblClick();
            else
                c->MouseDown(TMouseButton::Left, static_cast<TShiftState>(m.WParam), p.x - c->Left(), p.y - c->Top());
            m.Result = 0;
            return;
        }
        DefaultHandler(m);
        if (m.Msg == WM_LBUTTONDOWN) {
            clicked_ = true;
            MouseDown(TMouseButton::Left, static_cast<TShiftState>(m.WParam), p.x, p.y);
        } else {
            DblClick();
        }
        return;
    }
    case WM_LBUTTONUP: {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (pressed_control_) {
            TControl* c = pressed_control_;
            pressed_control_ = nullptr;
            if (ControlAtPos(p) == c)
                c->Click();
            m.Result = 0;
            return;
        }
        DefaultHandler(m);
        if (clicked_) {
            clicked_ = false;
            RECT r;
            GetClientRect(handle_, &r);
            if (ClicksOnMouseUp() && PtInRect(&r, p))
                Click();
        }
        return;
    }
    case WM_RBUTTONDOWN: {
        DefaultHandler(m);
        MouseDown(TMouseButton::Right, static_cast<TShiftState>(m.WParam), GET_X_LPARAM(m.LParam),
                  GET_Y_LPARAM(m.LParam));
        return;
    }
    case WM_CONTEXTMENU:
        if (popup_menu_) {
            POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
            if (m.LParam == -1) {  // from the keyboard: at the control's corner
                p = {0, 0};
                ClientToScreen(handle_, &p);
            }
            popup_menu_->Popup(p.x, p.y);
            m.Result = 0;
            return;
        }
        break;
    case WM_CHAR:
        if (OnKeyPress) {
            wchar_t key = static_cast<wchar_t>(m.WParam);
            OnKeyPress(*this, key);
            if (!key) {
                m.Result = 0;
                return;
            }
            m.WParam = key;
        }
        break;
    case WM_NCDESTROY: {
        HWND window = handle_;
        DefaultHandler(m);
        RemoveControlOf(window);
        handle_ = nullptr;
        return;
    }
    }
    DefaultHandler(m);
}
