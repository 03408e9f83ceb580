#include "ui/skin/skin_control.h"

#include <algorithm>

#include "ui/skin/skin_data.h"

namespace {

// The window property that leads from a window to its painter.
constexpr wchar_t kSkinnerProp[] = L"QuorlenControlSkinner";

} // namespace

// ---- TSkinControl ----

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl()
{
    *alive_ = false;
    // A bare window outlives its painter; a widget-set control that frees its
    // painter is being destroyed itself and must not be touched.
    if (hooked_ && !control_)
        Unhook();
    if (frame_)
        frame_->Remove(this);
}

void TSkinControl::Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground)
{
    if (state_ != SS_NONE)
        return;
    control_ = dynamic_cast<TWinControl*>(Owner());
    if (!control_)
        return;
    data_ = &data;
    frame_ = &frame;
    handle_ = control_->Handle();
    unicode_ = IsWindowUnicode(handle_) != FALSE;
    paint_background_ = paintBackground;
    old_window_proc_ = control_->WindowProc;
    control_->WindowProc = [this](TMessage& m) { Dispatch(m); };
    hooked_ = true;
    Bind();
    frame.Add(this);
    if (paintBackground) {
        if (!data.Options.Has(TSkinOption::xoParentBackGround)) {
            auto value = GetPropValue(*control_, "ParentBackground");
            if (value && ParseBool(*value) == true && SetPropValue(*control_, "ParentBackground", L"False"))
                parent_background_off_ = true;
        }
        saved_color_ = control_->Color();
        color_saved_ = true;
        control_->SetColor(data.SkinColours[SC_BUTTONFACE]);
    }
    control_->Invalidate();
    state_ = SS_ATTACHED;
}

void TSkinControl::AttachHandle(HWND window, TSkinData& data, TSkinControlList& frame)
{
    if (state_ != SS_NONE || !IsWindow(window))
        return;
    data_ = &data;
    frame_ = &frame;
    handle_ = window;
    unicode_ = IsWindowUnicode(window) != FALSE;
    caption_ = CaptionText();
    // The window reaches its painter through a thunk rather than a window
    // property: a property lookup is a trip to another process on some systems.
    bare_thunk_ = std::make_unique<TWndProcThunk>(this, &TSkinControl::BareThunkProc);
    const auto proc = reinterpret_cast<LONG_PTR>(bare_thunk_->Proc());
    Bind();
    old_wnd_proc_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                                       : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
    hooked_ = true;
    frame.Add(this);
    InvalidateRect(window, nullptr, TRUE);
    state_ = SS_ATTACHED;
}

void TSkinControl::Bind()
{
    SetPropW(handle_, kSkinnerProp, this);
}

TSkinControl* TSkinControl::FromWindow(HWND window)
{
    return window ? static_cast<TSkinControl*>(GetPropW(window, kSkinnerProp)) : nullptr;
}

void TSkinControl::Unhook()
{
    if (!hooked_)
        return;
    hooked_ = false;
    if (control_) {
        control_->WindowProc = old_window_proc_;
    } else if (IsWindow(handle_) && bare_thunk_) {
        const auto ours = reinterpret_cast<LONG_PTR>(bare_thunk_->Proc());
        const auto old = reinterpret_cast<LONG_PTR>(old_wnd_proc_);
        // Only when nobody subclassed the window after us; otherwise the
        // chain would lose them, and our procedure stays, passing everything on.
        if (unicode_ && GetWindowLongPtrW(handle_, GWLP_WNDPROC) == ours)
            SetWindowLongPtrW(handle_, GWLP_WNDPROC, old);
        else if (!unicode_ && GetWindowLongPtrA(handle_, GWLP_WNDPROC) == ours)
            SetWindowLongPtrA(handle_, GWLP_WNDPROC, old);
        else
            bare_thunk_->Abandon(handle_, old_wnd_proc_, unicode_);
    }
    if (IsWindow(handle_) && FromWindow(handle_) == this)
        RemovePropW(handle_, kSkinnerProp);
}

void TSkinControl::Detach()
{
    if (state_ == SS_DEAD || !control_)
        return;
    if (parent_background_off_) {
        SetPropValue(*control_, "ParentBackground", L"True");
        parent_background_off_ = false;
    }
    if (color_saved_) {
        control_->SetColor(saved_color_);
        color_saved_ = false;
    }
}

void TSkinControl::SkinChanged()
{
    if (paint_background_ && control_ && data_ && state_ == SS_ATTACHED)
        control_->SetColor(data_->SkinColours[SC_BUTTONFACE]);
    Repaint();
}

LRESULT TSkinControl::BareThunkProc(void* object, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = static_cast<TSkinControl*>(object);
    TMessage m{msg, wp, lp, 0};
    try {
        self->Dispatch(m);
    } catch (...) {
        HandleCallbackException();
    }
    return m.Result;
}

void TSkinControl::CallPrevious(TMessage& m)
{
    if (control_) {
        if (old_window_proc_)
            old_window_proc_(m);
        return;
    }
    if (old_wnd_proc_)
        m.Result = unicode_ ? CallWindowProcW(old_wnd_proc_, handle_, m.Msg, m.WParam, m.LParam)
                            : CallWindowProcA(old_wnd_proc_, handle_, m.Msg, m.WParam, m.LParam);
    else
        m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

void TSkinControl::Dispatch(TMessage& m)
{
    const auto alive = alive_;
    if (m.Msg == SKINMSG_ENABLE) {
        enabled_ = static_cast<intptr_t>(m.WParam) > 0;
        CallPrevious(m);
        if (*alive)
            Repaint();
        return;
    }
    if (!enabled_ || state_ != SS_ATTACHED) {
        CallPrevious(m);
        return;
    }
    if (!BeforeMessage(m))
        return;
    CallPrevious(m);
    if (*alive && state_ == SS_ATTACHED)
        AfterMessage(m);
}

bool TSkinControl::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCDESTROY: {
        const auto alive = alive_;
        state_ = SS_DEAD;
        const HWND window = handle_;
        CallPrevious(m);
        if (!*alive)
            return false;
        if (enabled_)
            Detach();
        // The window is gone: leave its procedure and property behind now;
        // the frame frees the painter at its next purge.
        if (!control_ && hooked_) {
            hooked_ = false;
            RemovePropW(window, kSkinnerProp);
        } else if (control_) {
            RemovePropW(window, kSkinnerProp);
        }
        return false;
    }
    case SKINMSG_QUERY:
        m.Result = 1;
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
        Repaint();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        break;
    }
}

void TSkinControl::Repaint()
{
    if (HWND companion = Companion()) {
        InvalidateRect(companion, nullptr, TRUE);
        return;
    }
    if (!IsWindow(handle_))
        return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

void TSkinControl::PaintWindow(HDC dc)
{
    if (!IsWindow(handle_))
        return;
    GetWindowRect(handle_, &window_rect_);
    OffsetRect(&window_rect_, -window_rect_.left, -window_rect_.top);
    HDC use = dc ? dc : GetWindowDC(handle_);
    if (!use)
        return;
    try {
        PaintTo(use, window_rect_);
    } catch (...) {
        // A paint that fails is simply incomplete.
    }
    if (!dc)
        ReleaseDC(handle_, use);
}

std::wstring TSkinControl::CaptionText() const
{
    if (const TControl* source = SourceControl()) {
        if (auto caption = GetPropValue(*source, "Caption"))
            return *caption;
        return source->Caption();
    }
    if (!IsWindow(handle_))
        return caption_;
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return text;
}

std::optional<std::wstring> TSkinControl::Published(std::string_view name) const
{
    const TControl* source = SourceControl();
    if (!source)
        return std::nullopt;
    return GetPropValue(*source, name);
}

bool TSkinControl::IsRightToLeft() const
{
    return (GetWindowLongPtrW(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

LONG_PTR TSkinControl::Style() const
{
    return GetWindowLongPtrW(handle_, GWL_STYLE);
}

// ---- TSkinControlList ----

TSkinControlList::TSkinControlList(TComponent* owner, TSkinData& data) : TComponent(owner), data_(data) {}

TSkinControlList::~TSkinControlList()
{
    ReleaseAll(false);
}

TSkinControl* TSkinControlList::Find(HWND window) const
{
    for (TSkinControl* s : skinners_)
        if (s->Handle() == window && s->State() == SS_ATTACHED)
            return s;
    return nullptr;
}

TSkinControl* TSkinControlList::FindFor(const TControl* control) const
{
    for (TSkinControl* s : skinners_)
        if (s->Control() == control || s->Owner() == control)
            return s;
    return nullptr;
}

void TSkinControlList::Add(TSkinControl* skinner)
{
    if (skinner && std::find(skinners_.begin(), skinners_.end(), skinner) == skinners_.end())
        skinners_.push_back(skinner);
}

void TSkinControlList::Remove(TSkinControl* skinner)
{
    skinners_.erase(std::remove(skinners_.begin(), skinners_.end(), skinner), skinners_.end());
}

TSkinControl* TSkinControlList::Adopt(std::unique_ptr<TSkinControl> skinner)
{
    TSkinControl* raw = skinner.get();
    owned_.push_back(std::move(skinner));
    return raw;
}

void TSkinControlList::Free(TSkinControl* skinner)
{
    skinner->Unhook();
    auto it = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == skinner; });
    if (it != owned_.end()) {
        std::unique_ptr<TSkinControl> doomed = std::move(*it);
        owned_.erase(it);
        return;
    }
    if (TComponent* owner = skinner->Owner()) {
        owner->FreeComponent(skinner);
        return;
    }
    // Nobody owns it (a hook returned it unowned): it only leaves the list.
    Remove(skinner);
}

void TSkinControlList::Release(TSkinControl* skinner, bool detach)
{
    if (!skinner || std::find(skinners_.begin(), skinners_.end(), skinner) == skinners_.end())
        return;
    if (detach)
        skinner->Detach();
    Free(skinner);
    Remove(skinner);
}

void TSkinControlList::PurgeDead()
{
    std::vector<TSkinControl*> dead;
    for (TSkinControl* s : skinners_)
        if (s->State() == SS_DEAD)
            dead.push_back(s);
    for (TSkinControl* s : dead)
        Free(s);
}

void TSkinControlList::ReleaseAll(bool detach)
{
    if (releasing_)
        return;
    releasing_ = true;
    while (!skinners_.empty()) {
        TSkinControl* s = skinners_.back();
        if (detach)
            s->Detach();
        Free(s);
        Remove(s);  // in case freeing did not take it out
    }
    owned_.clear();
    releasing_ = false;
}

void TSkinControlList::SkinChanged()
{
    const std::vector<TSkinControl*> all = skinners_;
    for (TSkinControl* s : all)
        if (s->State() == SS_ATTACHED)
            s->SkinChanged();
}

bool TSkinControl::PaintsOwnWindow(TMessage& m)
{
    if (m.Msg == WM_ERASEBKGND) {
        m.Result = 1;
        return true;
    }
    if (m.Msg != WM_PAINT)
        return false;
    PAINTSTRUCT ps{};
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    const bool own = dc == nullptr;
    if (own)
        dc = BeginPaint(handle_, &ps);
    PaintWindow(dc);
    if (own)
        EndPaint(handle_, &ps);
    m.Result = 0;
    return true;
}
