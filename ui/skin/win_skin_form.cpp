#include "ui/skin/win_skin_form.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "ui/application.h"
#include "ui/control_atom.h"
#include "ui/form.h"
#include "ui/gbk_text.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_hint.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/win_skin_manage.h"
#include "ui/skin/win_skin_menu.h"

namespace {

constexpr UINT_PTR kFrameTimerId = 0x3550;
constexpr UINT kFrameTimerInterval = 250;

TSkinImage CellImage(const TSkinImage& image, int cells, int cell, bool stacked = false)
{
    const TSkinRect r = CellRect(image, cells, cell, stacked);
    TSkinImage out(r.Width(), r.Height());
    out.CopyFrom(image, r, 0, 0);
    return out;
}

std::wstring WindowText(HWND window, bool unicode)
{
    if (unicode) {
        const int length = GetWindowTextLengthW(window);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
        return text;
    }
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), wide);
    return out;
}

HICON ApplicationIcon()
{
    TApplication* app = Application();
    if (!app || !app->Handle())
        return nullptr;
    auto icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendMessageW(app->Handle(), WM_GETICON, ICON_BIG, 0));
    return icon;
}

// Command identifiers a program gives its own menu items; they are its own to measure and draw.
bool IsProgramCommand(UINT id) { return id >= 1 && id <= 4095; }

bool SystemMenuHasClose(HMENU menu) { return GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1); }

LONG_PTR GetLong(HWND window, int index, bool unicode)
{
    return unicode ? GetWindowLongPtrW(window, index) : GetWindowLongPtrA(window, index);
}

} // namespace

// ---- non-client objects ----

void TNCObject::MouseDown(POINT)
{
    ButtonState = nbPressed;
    Owner.Hot = this;
    Repaint();
}

void TNCObject::MouseUp(POINT)
{
    ButtonState = nbHot;
    Repaint();
}

void TNCObject::MouseMove(POINT)
{
    Owner.Hot = this;
    // Held down, a button stays pressed while the cursor wanders over it.
    const int state = ButtonState == nbPressed && GetKeyState(VK_LBUTTON) < 0 ? nbPressed : nbHot;
    if (state != ButtonState) {
        ButtonState = state;
        Repaint();
    }
}

void TNCObject::MouseLeave()
{
    ButtonState = nbNormal;
    if (Owner.Hot == this)
        Owner.Hot = nullptr;
    Repaint();
    Owner.HideHint();
}

void TWinSysButton::MouseUp(POINT p)
{
    TNCObject::MouseUp(p);
    POINT screen = p;
    RECT wr;
    GetWindowRect(Owner.Handle(), &wr);
    screen.x += wr.left;
    screen.y += wr.top;
    Owner.RunButtonAction(*this, screen);
}

void TWinSysButton::Repaint() { Owner.PaintButton(*this); }

void TWinSysButton::DrawTo(TDibCanvas& canvas, int cell)
{
    if (Def.Action == 3 || Def.Action == 11) {
        if (HICON icon = ApplicationIcon()) {
            const int w = BoundsRect.Width(), h = BoundsRect.Height();
            DrawIconSized(canvas.DC(), BoundsRect.Left, BoundsRect.Top, icon, w, h);
            return;
        }
        canvas.Draw(Owner.IconBitmap, BoundsRect.Left, BoundsRect.Top, true);
        return;
    }
    canvas.Draw(CellImage(Def.Bitmap, Def.Cells(), cell), BoundsRect.Left, BoundsRect.Top, true);
}

// ---- life ----

TWinSkinForm::TWinSkinForm(TComponent* owner, TWinSkinManage& manager, HWND window, std::string className)
    : TComponent(owner), manager_(manager), window_(window), class_(std::move(className))
{
    MenuPainter = std::make_unique<TSkinMenuPainter>(*this);
}

TWinSkinForm::~TWinSkinForm()
{
    *alive_ = false;
    if (timerRunning_ && IsWindow(window_))
        KillTimer(window_, kFrameTimerId);
    timerRunning_ = false;
    Hot = nullptr;
    // The form may be half destroyed by now: only the window is put right.
    if (subclassed_ && IsWindow(window_)) {
        windowProcReplaced_ = false;
        Unsubclass();
    }
    Buttons.clear();
    MenuBar.reset();
    MenuPainter.reset();
    ControlSkinners.clear();
    manager_.FrameGone(this);
}

// ---- subclassing ----

LRESULT TWinSkinForm::SubclassProc(void* object, UINT msg, WPARAM wp, LPARAM lp)
{
    TMessage m{msg, wp, lp, 0};
    try {
        static_cast<TWinSkinForm*>(object)->WndProc(m);
    } catch (...) {
        HandleCallbackException();
    }
    return m.Result;
}

void TWinSkinForm::Subclass()
{
    unicode_ = IsWindowUnicode(window_) != FALSE;
    // The property names the frame for whoever asks; messages reach it
    // through the thunk, without a property lookup each.
    SetPropW(window_, kFramePropName, this);
    thunk_ = std::make_unique<TWndProcThunk>(this, &TWinSkinForm::SubclassProc);
    const auto proc = reinterpret_cast<LONG_PTR>(thunk_->Proc());
    previousProc_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window_, GWLP_WNDPROC, proc)
                                                       : SetWindowLongPtrA(window_, GWLP_WNDPROC, proc));
    subclassed_ = true;
}

void TWinSkinForm::Unsubclass()
{
    if (windowProcReplaced_ && form_) {
        form_->WindowProc = previousWindowProc_;
        windowProcReplaced_ = false;
    }
    if (!subclassed_)
        return;
    subclassed_ = false;
    if (!IsWindow(window_))
        return;
    const auto current = reinterpret_cast<WNDPROC>(GetLong(window_, GWLP_WNDPROC, unicode_));
    if (thunk_ && current == thunk_->Proc()) {
        const auto previous = reinterpret_cast<LONG_PTR>(previousProc_);
        if (unicode_)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, previous);
        else
            SetWindowLongPtrA(window_, GWLP_WNDPROC, previous);
    } else if (thunk_) {
        // Subclassed after us: our procedure stays in the chain, passing on.
        thunk_->Abandon(window_, previousProc_, unicode_);
    }
    RemovePropW(window_, kFramePropName);
}

void TWinSkinForm::Previous(TMessage& m)
{
    if (form_ && previousWindowProc_) {
        previousWindowProc_(m);
        return;
    }
    if (previousProc_)
        m.Result = unicode_ ? CallWindowProcW(previousProc_, window_, m.Msg, m.WParam, m.LParam)
                            : CallWindowProcA(previousProc_, window_, m.Msg, m.WParam, m.LParam);
    else
        m.Result = DefWindowProcW(window_, m.Msg, m.WParam, m.LParam);
}

// ---- attaching ----

void TWinSkinForm::AttachFrame(TSkinData& data, TCustomForm* form)
{
    form_ = form;
    if (form) {
        if (data.OnBeforeSkinForm)
            data.OnBeforeSkinForm(data, window_, class_);
        if (data.SkinControls.Has(TSkinControlType::xcMenuItem))
            form->SetPublished("AutoScroll", L"False");
    }
    manager_.ManagerState = 1;
    data_ = &data;
    skinning_ = data.SkinControls.Has(TSkinControlType::xcMainMenu);

    const auto ex = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    RightToLeft = (ex & WS_EX_LEFTSCROLLBAR) != 0;
    OwnerWindow = GetWindow(window_, GW_OWNER);
    ReadBorderStyle();
    ReadWindowState();

    if (HWND client = FindWindowExW(window_, nullptr, L"MDIClient", nullptr)) {
        FormKind = fkMdiFrame;
        manager_.MdiClient = client;
        manager_.MdiFrameWindow = window_;
    } else if (ex & WS_EX_MDICHILD) {
        FormKind = fkMdiChild;
        if (data.Options.Has(TSkinOption::xoMDIChildBorder))
            skinning_ = false;
    }


    const DWORD version = manager_.Version ? manager_.Version : GetVersion();
    const int major = LOBYTE(LOWORD(version));
    const int minor = HIBYTE(LOWORD(version));
    const bool nt = (version & 0x80000000u) == 0;
    if ((major > 4 && minor == 0 && (ex & WS_EX_APPWINDOW) && nt) || (!OwnerWindow && FormKind != fkMdiChild))
        CaptionStyle |= csKeepStyle;
    if (!nt)
        data.SkinControls.Exclude(TSkinControlType::xcSystemMenu);

    Subclass();
    if (skinning_) {
        Menu = GetMenu(window_);
        if (Menu && FormKind != fkMdiChild)
            MenuBar = std::make_unique<TWinSkinMenu>(*this, Menu);
        ComputeFrameMetrics();
    } else {
        FrameState = fsReady;
    }

    if (FormKind == fkMdiChild) {
        const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (Metrics.Caption < least)
            Metrics.MenuBar = least - Metrics.Caption;
        if (WindowState == wsMaximized)
            manager_.MdiMaximized = true;
    }

    // Nothing shows until the frame is initialised: what the form painted
    // now would be painted again, skinned, moments later.
    if (form && skinning_ && FormKind != fkMdiChild)
        redrawHold_.emplace(window_, *form);

    if (form && skinning_) {
        previousWindowProc_ = form->WindowProc;
        form->WindowProc = [this](TMessage& m) { WndProc(m); };
        windowProcReplaced_ = true;
        savedColor_ = form->Color();
        colorSaved_ = true;
        form->SetColor(data.SkinColours[SC_BUTTONFACE]);
    }
}

void TWinSkinForm::ReadBorderStyle()
{
    Style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const auto ex = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    CaptionStyle = 0;
    if (Style & WS_SYSMENU)
        CaptionStyle |= csSysMenu;
    if (Style & WS_MINIMIZEBOX)
        CaptionStyle |= csMinBox;
    if (Style & WS_MAXIMIZEBOX)
        CaptionStyle |= csMaxBox;
    if (ex & WS_EX_CONTEXTHELP)
        CaptionStyle |= csHelp;
    if ((Style & WS_CAPTION) != WS_CAPTION)
        BorderKind = bkNone;
    else if (Style & WS_THICKFRAME)
        BorderKind = bkSizeable;
    else if (Style & DS_MODALFRAME)
        BorderKind = bkDialog;
    else
        BorderKind = bkFixed;
    if (ex & WS_EX_DLGMODALFRAME)
        BorderKind = bkDialog;
    if (class_ == "#32770" || class_ == "TMessageForm") {
        BorderKind = bkDialog;
        DialogClass = true;
    }
}

void TWinSkinForm::Reframe()
{
    if (!skinning_ || !data_ || data_->SkinEmpty || !IsWindow(window_) || FrameState != fsReady)
        return;
    // The frame took WS_SYSMENU out of the style itself; that is not the program's change.
    const int kept = CaptionStyle & (csSysMenu | csKeepStyle);
    ReadBorderStyle();
    CaptionStyle |= kept;
    ReadWindowState();
    ComputeFrameMetrics();
    RegionSize = {0, 0};
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateWindowRegion();
    PaintFrame(nullptr);
}

void TWinSkinForm::RequestMdiRefresh()
{
    HWND client = GetParent(window_);
    HWND frame = client ? GetParent(client) : nullptr;
    if (frame)
        PostMessageW(frame, SKINMSG_MDIREFRESH, 0, 0);
}

void TWinSkinForm::RefreshMdi()
{
    if (FormKind != fkMdiFrame || !skinning_ || FrameState != fsReady || !IsWindow(window_))
        return;
    HWND client = FindWindowExW(window_, nullptr, L"MDIClient", nullptr);
    BOOL maximized = FALSE;
    if (client) {
        manager_.MdiClient = client;
        manager_.MdiFrameWindow = window_;
        SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    }
    manager_.MdiMaximized = maximized != FALSE;
    // The system put the maximized child's items into the frame's menu, or took them out.
    if (MenuBar) {
        HMENU menu = GetMenu(window_);
        MenuBar->TakeMenu(menu ? menu : MenuBar->NativeMenu());
    }
    PaintFrame(nullptr);
    if (client)
        RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

TWinSkinForm::TRedrawHold::TRedrawHold(HWND window, const TCustomForm& form)
    : window_(IsWindowVisible(window) ? window : nullptr), form_(form)
{
    if (window_)
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

TWinSkinForm::TRedrawHold::~TRedrawHold()
{
    if (!window_ || !IsWindow(window_))
        return;
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    if (!form_.Visible())
        ShowWindow(window_, SW_HIDE);
}

void TWinSkinForm::ReadWindowState()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window_, &placement))
        return;
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        WindowState = wsMinimized;
        break;
    case SW_SHOWMAXIMIZED:
        WindowState = wsMaximized;
        break;
    default:
        WindowState = wsNormal;
        break;
    }
}

void TWinSkinForm::DrawIconBitmap()
{
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    TDibCanvas canvas(w, h);
    if (!canvas.Valid())
        return;
    canvas.Fill({0, 0, w, h}, RGB(255, 0, 255));
    auto icon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0));
    if (icon)
        DrawIconSized(canvas.DC(), 0, 0, icon, w, h);
    IconBitmap = canvas.ToImage();
}

void TWinSkinForm::ComputeFrameMetrics()
{
    if (!data_ || data_->SkinEmpty)
        return;
    const int menuBar = MenuBar ? MenuBar->Height() : 0;
    Metrics = FrameMetricsFromSkin(*data_, BorderKind, menuBar);
    Hot = nullptr;
    Buttons.clear();
    for (const auto& def : data_->SysButtons) {
        if (!def)
            continue;
        auto button = std::make_unique<TWinSysButton>(*this, *def);
        button->Enabled = true;
        if (def->Action == 3 || def->Action == 11) {
            DrawIconBitmap();
            if (button->Def.Bitmap.Empty())
                button->Def.Bitmap = IconBitmap;
            TSkinDataRuntime& runtime = manager_.Runtime(*data_);
            if (runtime.AppIcon.Empty())
                runtime.AppIcon = IconBitmap;
            button->Def.Frame = 1;
        }
        Buttons.push_back(std::move(button));
    }
}

void TWinSkinForm::KeepClientSize(int clientWidth, int clientHeight)
{
    int width = clientWidth + Metrics.Left + Metrics.Right;
    const int height = clientHeight + Metrics.Caption + Metrics.Bottom + Metrics.MenuBar;
    if (DialogClass && data_) {
        // A dialog's caption must fit: widen the box and keep its contents centred.
        std::wstring text = L"  " + WindowText(window_, unicode_) + L" ";
        HDC dc = GetDC(window_);
        HGDIOBJ old = SelectObject(dc, CaptionFont());
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
        const int needed = data_->Title.LeftWidth + (r.right - r.left) + data_->Title.RightWidth;
        if (needed > width) {
            const int shift = (needed - width) / 2;
            width = needed;
            for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT cr;
                GetWindowRect(child, &cr);
                POINT p{cr.left, cr.top};
                ScreenToClient(window_, &p);
                SetWindowPos(child, nullptr, p.x + shift, p.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
            }
        }
    }
    ResizeFrame(width, height);
}

void TWinSkinForm::ResizeFrame(int width, int height)
{
    // A form placed in the centre (of the screen or of the main form) stays
    // centred when its frame changes size; any other window keeps its corner.
    UINT flags = SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER;
    RECT wr;
    GetWindowRect(window_, &wr);
    int x = wr.left, y = wr.top;
    if (form_ && form_->Position != TPosition::Designed && !(GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD)) {
        x = wr.left + ((wr.right - wr.left) - width) / 2;
        y = wr.top + ((wr.bottom - wr.top) - height) / 2;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(window_, nullptr, x, y, width, height, flags);
}

void TWinSkinForm::InitFrame()
{
    if (!IsWindow(window_))
        return;
    initialised_ = true;
    SysMenu = GetSystemMenu(window_, FALSE);
    DrawIconBitmap();
    RECT wr, cr;
    GetWindowRect(window_, &wr);
    GetClientRect(window_, &cr);
    NativeNonClient = {(wr.right - wr.left) - cr.right, (wr.bottom - wr.top) - cr.bottom};
    if (form_ && skinning_ && FormKind != fkMdiChild && !redrawHold_)
        redrawHold_.emplace(window_, *form_);
    SkinChildControls();
    if (FrameState == fsCreated && skinning_) {
        ReadWindowState();
        const bool child = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD) != 0;
        // The client area as the window has it now, under the system's frame:
        // a form that was resized, or re-framed after Active went off and on,
        // keeps what it has rather than its designed size.
        const int clientWidth = cr.right, clientHeight = cr.bottom;
        // The resize below must already see the skinned frame (its WM_NCCALCSIZE).
        if (FormKind == fkMdiChild) {
            mdiStateReported_ = WindowState;
            if (WindowState == wsMaximized)
                RequestMdiRefresh();
            if (WindowState == wsNormal) {
                FrameState = fsInitSizing;
                KeepClientSize(clientWidth, clientHeight);
                FrameState = fsReady;
                UpdateWindowRegion();
            }
        } else if (!child && BorderKind != bkNone && WindowState != wsMinimized) {
            FrameState = fsInitSizing;
            if (WindowState == wsMaximized) {
                SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                FrameState = fsReady;
            } else {
                KeepClientSize(clientWidth, clientHeight);
                FrameState = fsReady;
                UpdateWindowRegion();
            }
        }
    }
    FrameState = fsReady;
    ActiveFlag = GetActiveWindow() == window_;
    SetTimerRunning(true);
    redrawHold_.reset();
    // What was painted while the frame was sizing itself was left out.
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (data_ && data_->OnAfterSkinForm)
        data_->OnAfterSkinForm(*data_, window_, class_);
}

// ---- routing ----

void TWinSkinForm::WndProc(TMessage& m)
{
    if (Stage1(m))
        return;
    if (!skinning_) {
        Previous(m);
        return;
    }
    const bool child = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD) != 0;
    if ((FormKind == fkMdiChild || !child) && Stage2(m))
        return;
    if (FrameState != fsCreated && !(FormKind == fkMdiChild && WindowState == wsMaximized) && Stage3(m))
        return;
    Previous(m);
}

bool TWinSkinForm::Stage1(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCPAINT:
        if (FrameState != fsCreated)
            return false;
        m.Result = 0;
        return true;
    case WM_ERASEBKGND:
        Previous(m);
        if (!form_ && data_ && data_->FaceBrush) {
            RECT r;
            GetClientRect(window_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, static_cast<HBRUSH>(data_->FaceBrush->Handle()));
            m.Result = 1;
        }
        return true;
    case WM_NCDESTROY:
        // A maximized child going takes its items out of the frame's menu.
        if (FormKind == fkMdiChild && WindowState == wsMaximized && skinning_)
            RequestMdiRefresh();
        FrameState = fsDestroying;
        ReleaseFrame();
        Previous(m);
        FrameState = fsDead;
        return true;
    case WM_NCACTIVATE:
        if (FrameState != fsCreated || FormKind == fkMdiChild)
            return false;
        // TRUE: answering FALSE to a deactivation would keep the window active.
        m.Result = TRUE;
        return true;
    case WM_NCUAHDRAWCAPTION:
        m.Result = 0;
        return true;
    case WM_INITMENUPOPUP: {
        const auto menu = reinterpret_cast<HMENU>(m.WParam);
        manager_.MenuKind = menu && menu == SysMenu ? 2 : 1;
        lastPopup_ = menu;
        Previous(m);
        if (!skinning_ || FrameState != fsReady || !MenuPainter || !data_ || data_->SkinEmpty)
            return true;
        if (manager_.MenuKind == 2) {
            // The program has had its say about the items; what it shows is drawn by the skin.
            if (data_->SkinControls.Has(TSkinControlType::xcSystemMenu))
                MenuPainter->Prepare(menu, true);
        } else if (data_->SkinControls.Has(TSkinControlType::xcMainMenu) ||
                   data_->SkinControls.Has(TSkinControlType::xcMenuItem)) {
            MenuPainter->Prepare(menu);
        }
        return true;
    }
    case WM_UNINITMENUPOPUP:
        if (MenuPainter)
            MenuPainter->Restore(reinterpret_cast<HMENU>(m.WParam));
        return false;
    case WM_CTLCOLORBTN:
        Previous(m);
        if (!form_)
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
        return true;
    case WM_CTLCOLORSTATIC:
        Previous(m);
        if (!form_ && data_ && data_->FaceBrush) {
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
            m.Result = reinterpret_cast<LRESULT>(data_->FaceBrush->Handle());
        }
        return true;
    case SKINMSG_INIT:
        InitFrame();
        m.Result = 0;
        return true;
    case SKINMSG_MDIREFRESH:
        RefreshMdi();
        m.Result = 0;
        return true;
    case SKINMSG_REFRAME:
        Reframe();
        m.Result = 0;
        return true;
    case SKINMSG_RESKINCONTROL:
        if (skinning_ && FrameState != fsCreated)
            ReattachControlSkinner(reinterpret_cast<HWND>(m.WParam));
        m.Result = 0;
        return true;
    case SKINMSG_QUERY:
        m.Result = 1;
        PostMessageW(window_, SKINMSG_NOTIFY, 0, kSkinMagic);
        return true;
    default:
        return false;
    }
}

bool TWinSkinForm::Stage2(TMessage& m)
{
    switch (m.Msg) {
    case WM_SIZE:
        OnSize(m);
        return true;
    case WM_ACTIVATE:
        ActiveFlag = LOWORD(m.WParam) != WA_INACTIVE;
        return false;
    case WM_NCACTIVATE:
        ActiveFlag = m.WParam != 0;
        return false;
    case WM_GETMINMAXINFO:
        Previous(m);
        ReadWindowState();
        return true;
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        Previous(m);
        return true;
    case WM_SETICON:
        Previous(m);
        DrawIconBitmap();
        // The system redraws its own caption for a new icon.
        if (FrameState == fsReady)
            PaintFrame(nullptr);
        return true;
    case WM_COMMAND:
        switch (LOWORD(m.WParam)) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
            PostMessageW(window_, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
            m.Result = 0;
            return true;
        default:
            Previous(m);
            return true;
        }
    case WM_SYSCOMMAND: {
        const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
        if (command == SC_KEYMENU) {
            if (m.LParam == ' ') {
                POINT origin{0, 0};
                ClientToScreen(window_, &origin);
                manager_.MenuKind = 2;
                ShowSystemMenu(origin);
                m.Result = 0;
                return true;
            }
            if (m.LParam != '-' && !GetCapture() && MenuBar && MenuBar->OpenByKey(static_cast<WPARAM>(m.LParam))) {
                m.Result = 0;
                return true;
            }
        }
        if (command == SC_MINIMIZE)
            WindowState = wsMinimized;
        else if (command == SC_MAXIMIZE)
            WindowState = wsMaximized;
        else if (command == SC_RESTORE) {
            WindowState = wsNormal;
            if (FormKind == fkMdiChild)
                manager_.MdiMaximized = false;
        }
        Previous(m);
        return true;
    }
    case CM_MENUCHANGED: {
        TSkinDataRuntime* runtime = data_ ? &manager_.Runtime(*data_) : nullptr;
        if (runtime)
            runtime->FramePainting = false;
        try {
            Previous(m);
        } catch (...) {
            if (runtime)
                runtime->FramePainting = true;
            throw;
        }
        if (runtime)
            runtime->FramePainting = true;
        if (HMENU native = GetMenu(window_)) {
            if (MenuBar && data_ && data_->MenuUpdate)
                MenuBar->TakeMenu(native);
            SetMenu(window_, nullptr);
        }
        return true;
    }
    default:
        return false;
    }
}

bool TWinSkinForm::Stage3(TMessage& m)
{
    switch (m.Msg) {
    case WM_SIZE:
        OnSize(m);
        return true;
    case WM_MEASUREITEM: {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (!mi || mi->CtlType != ODT_MENU || !MenuPainter || !data_)
            return false;
        if (const TSkinMenuItem* item = MenuPainter->Find(mi->itemData)) {
            if (item->System)
                MenuPainter->MeasureByText(item->Menu, item->Position, MF_BYPOSITION, *mi);
            else
                MenuPainter->Measure(*mi);
        } else if (IsProgramCommand(mi->itemID)) {
            return false;
        } else {
            // The item is in the menu opening now, else in the system menu.
            HMENU source = SysMenu ? SysMenu : GetSystemMenu(window_, FALSE);
            if (lastPopup_ && IsMenu(lastPopup_) &&
                GetMenuState(lastPopup_, mi->itemID, MF_BYCOMMAND) != static_cast<UINT>(-1))
                source = lastPopup_;
            MenuPainter->MeasureByText(source, mi->itemID, MF_BYCOMMAND, *mi);
        }
        m.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* di = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (!di || di->CtlType != ODT_MENU || !MenuPainter || !data_)
            return false;
        if (!MenuPainter->Draw(*di)) {
            if (IsProgramCommand(di->itemID))
                return false;
            MenuPainter->DrawByText(*di);
        }
        m.Result = TRUE;
        return true;
    }
    case WM_MENUCHAR: {
        // Owner-drawn items have no mnemonics of their own for the system.
        const auto menu = reinterpret_cast<HMENU>(m.LParam);
        if (!MenuPainter || !MenuPainter->Prepared(menu))
            return false;
        const int position = MenuPainter->MnemonicItem(menu, static_cast<wchar_t>(LOWORD(m.WParam)));
        if (position < 0)
            return false;
        m.Result = MAKELRESULT(position, MNC_EXECUTE);
        return true;
    }
    case WM_WINDOWPOSCHANGING:
        Previous(m);
        return true;
    case WM_NCCALCSIZE:
        OnNcCalcSize(m);
        return true;
    case WM_NCHITTEST:
        OnNcHitTest(m);
        return true;
    case WM_NCPAINT:
        OnNcPaint(m);
        return true;
    case WM_NCACTIVATE:
        OnNcActivate(m);
        return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        return OnNcMouse(m);
    case SKINMSG_REPAINT:
        PaintFrame(nullptr);
        m.Result = 0;
        return true;
    case WM_SETTEXT:
        OnSetText(m);
        return true;
    case WM_PRINT:
        Previous(m);
        if (m.LParam & PRF_NONCLIENT)
            PaintFrame(reinterpret_cast<HDC>(m.WParam));
        return true;
    case SKINMSG_PAINTFRAME:
        if (!form_ || m.LParam != kSkinMagic || !m.WParam)
            return false;
        PaintFrame(reinterpret_cast<HDC>(m.WParam));
        m.Result = kSkinMagic;
        return true;
    case SKINMSG_PROBE:
        if (!form_)
            return false;
        m.Result = m.LParam == kSkinMagic ? kSkinMagic : 1;
        return true;
    default:
        return false;
    }
}

void TWinSkinForm::OnSize(TMessage& m)
{
    Previous(m);
    switch (m.WParam) {
    case SIZE_RESTORED:
        WindowState = wsNormal;
        break;
    case SIZE_MINIMIZED:
        WindowState = wsMinimized;
        break;
    case SIZE_MAXIMIZED:
        WindowState = wsMaximized;
        break;
    }
    // The state as the frame last heard of it: the window state itself is
    // re-read on every position change, before WM_SIZE comes.
    if (FormKind == fkMdiChild && WindowState != mdiStateReported_) {
        mdiStateReported_ = WindowState;
        RequestMdiRefresh();
    }
    // The grip shows only while the window can be sized by it.
    if (SizeGrip && IsWindow(SizeGrip))
        InvalidateRect(SizeGrip, nullptr, TRUE);
    if (WindowState == wsMinimized)
        return;
    if (FormKind == fkMdiChild && (manager_.MdiMaximized || WindowState != wsNormal))
        return;
    if (FrameState == fsReady || FrameState == fsRefreshing)
        UpdateWindowRegion();
}

void TWinSkinForm::OnNcCalcSize(TMessage& m)
{
    if (!m.WParam) {
        // The plain form (CreateWindow's first sizing, AdjustWindowRect-like asks):
        // the client rectangle of a window rectangle.
        auto* r = reinterpret_cast<RECT*>(m.LParam);
        const RECT outer = r ? *r : RECT{};
        Previous(m);
        if (r && BorderKind != bkNone && !(FormKind == fkMdiChild && WindowState != wsNormal)) {
            const TSkinRect c =
                FrameClientRect(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, Metrics);
            *r = {c.Left, c.Top, c.Right, c.Bottom};
        }
        m.Result = 0;
        return;
    }
    Previous(m);
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    if ((FormKind == fkMdiChild && WindowState != wsNormal) || BorderKind == bkNone) {
        params->rgrc[1] = params->rgrc[0];
        m.Result = WVR_VALIDRECTS;
        return;
    }
    const WINDOWPOS* pos = params->lppos;
    const TSkinRect c = pos ? FrameClientRect(pos->x, pos->y, pos->cx, pos->cy, Metrics)
                            : FrameClientRect(params->rgrc[0].left, params->rgrc[0].top,
                                              params->rgrc[0].right - params->rgrc[0].left,
                                              params->rgrc[0].bottom - params->rgrc[0].top, Metrics);
    params->rgrc[0] = {c.Left, c.Top, c.Right, c.Bottom};
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
}

POINT TWinSkinForm::ToWindow(POINT screen) const
{
    POINT p = screen;
    ScreenToClient(window_, &p);
    if (!(FormKind == fkMdiChild && WindowState == wsMinimized)) {
        p.x += Metrics.Left;
        p.y += Metrics.Caption + Metrics.MenuBar;
    }
    return p;
}

void TWinSkinForm::OnNcHitTest(TMessage& m)
{
    Previous(m);
    // The grip answers nothing itself: over it the window is sized by its corner.
    if (SizeGripActive()) {
        RECT grip;
        GetWindowRect(SizeGrip, &grip);
        const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (PtInRect(&grip, screen)) {
            // A right-to-left window keeps its grip in the lower left corner.
            RECT window;
            GetWindowRect(window_, &window);
            const bool left = grip.left + grip.right < window.left + window.right;
            m.Result = left ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
            return;
        }
    }
    // The system's own caption parts (its menu bar, its buttons) are not where
    // it thinks they are on a frame we paint; the caption is ours to answer.
    const bool systemPart = m.Result == HTMENU || m.Result == HTSYSMENU || m.Result == HTMINBUTTON ||
                            m.Result == HTMAXBUTTON || m.Result == HTCLOSE || m.Result == HTHELP;
    if (m.Result != HTNOWHERE && m.Result != HTCAPTION && !systemPart)
        return;
    const POINT p = ToWindow({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    // The top three pixels stay the previous procedure's: the sizing edge.
    if (p.y > 3 || systemPart)
        m.Result = HTCAPTION;
    if (Metrics.MenuBar > 0 && MenuBar && p.y >= Metrics.Caption && p.y < Metrics.Caption + Metrics.MenuBar)
        m.Result = HTMENU;
}

void TWinSkinForm::OnNcPaint(TMessage& m)
{
    if (!(CaptionStyle & csKeepStyle)) {
        const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
        if (style & WS_SYSMENU)
            SetWindowLongPtrW(window_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
    }
    if (!data_ || manager_.Runtime(*data_).FramePainting) {
        if ((FormKind == fkMdiChild && WindowState == wsMaximized) || BorderKind == bkNone)
            Previous(m);
        else
            PaintFrame(nullptr);
    }
    m.Result = 0;
}

void TWinSkinForm::OnNcActivate(TMessage& m)
{
    ActiveFlag = m.WParam != 0;
    SetTimerRunning(ActiveFlag);
    if (!ActiveFlag) {
        CloseControlHints();
        HideHint();
    }
    if (FormKind == fkMdiFrame && manager_.MdiClient)
        SendMessageW(manager_.MdiClient, WM_NCACTIVATE, m.WParam, 0);
    if (FormKind == fkMdiChild)
        Previous(m);
    if (!(FormKind == fkMdiChild && WindowState == wsMaximized))
        PaintFrame(nullptr);
    m.Result = 1;
}

void TWinSkinForm::OnSetText(TMessage& m)
{
    Previous(m);
    if (!IsWindowVisible(window_))
        return;
    if (FormKind == fkMdiChild && WindowState == wsMaximized) {
        RequestMdiRefresh();
        return;
    }
    if (WindowState == wsMinimized) {
        PaintFrame(nullptr);
        return;
    }
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    // The default handling drew the system's caption; ours goes over it now.
    PaintFrame(nullptr);
}

// ---- caption buttons and the non-client mouse ----

TFrameFacts TWinSkinForm::Facts() const
{
    TFrameFacts f;
    f.Maximized = WindowState == wsMaximized;
    f.Active = ActiveFlag;
    f.MaxBox = (CaptionStyle & csMaxBox) != 0;
    f.MinBox = (CaptionStyle & csMinBox) != 0;
    f.SysMenu = (CaptionStyle & csSysMenu) != 0;
    f.ContextHelp = (CaptionStyle & csHelp) != 0;
    f.BorderKind = BorderKind;
    f.DialogClass = DialogClass;
    f.MdiChildMaximizedOnMenuBar = FormKind == fkMdiFrame && manager_.MdiMaximized && MenuBar != nullptr;
    return f;
}

bool TWinSkinForm::ButtonVisibleByWindow(int code, int action)
{
    return SendMessageW(window_, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
}

bool TWinSkinForm::IsCaptionButtonVisible(size_t index)
{
    if (index >= Buttons.size())
        return false;
    TWinSysButton& b = *Buttons[index];
    const TButtonShow show =
        CaptionButtonShow(b.Def, Facts(), [this](int code, int action) { return ButtonVisibleByWindow(code, action); });
    b.Enabled = show.Enabled;
    return show.Visible;
}

void TWinSkinForm::LayoutCaptionButtons()
{
    RECT wr;
    GetWindowRect(window_, &wr);
    const int w = wr.right - wr.left;
    const int personalityLeft = data_ && data_->MenuBar ? data_->MenuBar->LeftWidth : 0;
    for (size_t i = 0; i < Buttons.size(); ++i) {
        TWinSysButton& b = *Buttons[i];
        b.Visible = IsCaptionButtonVisible(i) && !b.Def.Bitmap.Empty();
        if (b.Visible)
            b.BoundsRect = CaptionButtonRect(b.Def, w, Metrics, CaptionTextRect, personalityLeft);
    }
}

TNCObject* TWinSkinForm::TargetAt(POINT p)
{
    for (auto& b : Buttons) {
        if (!b->Visible || b->Def.Action < 0)
            continue;
        const TSkinRect& r = b->BoundsRect;
        if (p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom)
            return b.get();
    }
    if (MenuBar)
        return MenuBar->ItemAt(p);
    return nullptr;
}

void TWinSkinForm::SetHot(TNCObject* object)
{
    if (Hot && Hot != object)
        Hot->MouseLeave();
    Hot = object;
}

bool TWinSkinForm::OnNcMouse(TMessage& m)
{
    const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    const POINT p = ToWindow(screen);
    TNCObject* target = TargetAt(p);
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        if (!ActiveFlag)
            return false;
        if (target) {
            if (Hot && Hot != target)
                Hot->MouseLeave();
            target->MouseMove(p);
            m.Result = 0;
            return true;
        }
        if (Hot)
            Hot->MouseLeave();
        return false;
    case WM_NCLBUTTONDOWN:
        HideHint();
        if (target) {
            if (!ActiveFlag)
                SetForegroundWindow(window_);
            if (Hot && Hot != target)
                Hot->MouseLeave();
            target->MouseDown(p);
            m.Result = 0;
            return true;
        }
        // The system would track its own menu bar here, drawn where ours is not.
        if (m.WParam == HTMENU && GetMenu(window_)) {
            m.Result = 0;
            return true;
        }
        // A maximized window is not dragged by its caption.
        if (WindowState == wsMaximized && m.WParam == HTCAPTION) {
            if (GetMenu(window_)) {
                m.Result = 0;
                return true;
            }
            m.WParam = HTMENU;
        }
        return false;
    case WM_NCLBUTTONUP:
        HideHint();
        if (!target)
            return false;
        if (target->IsCaptionButton() && target == Hot)
            target->MouseUp(p);
        m.Result = 0;
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (target && target->IsCaptionButton()) {
            auto* button = static_cast<TWinSysButton*>(target);
            if (button->Def.Action == 3 || button->Def.Action == 11) {
                SetTimerRunning(false);
                PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                // The second press of a quick double click on a button is a press like the first.
                if (Hot && Hot != target)
                    Hot->MouseLeave();
                target->MouseDown(p);
            }
            m.Result = 0;
            return true;
        }
        if (target) {
            target->MouseDown(p);
            m.Result = 0;
            return true;
        }
        if (WindowState == wsMaximized || WindowState == wsMinimized) {
            WindowState = wsNormal;
            PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
            m.Result = 0;
            return true;
        }
        if (CaptionStyle & csMaxBox) {
            MaximizeOrRestore();
            m.Result = 0;
            return true;
        }
        return false;
    case WM_NCRBUTTONDOWN:
        if (m.WParam == HTCAPTION && FormKind != fkMdiChild) {
            IconClick(screen);
            m.Result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TWinSkinForm::RunButtonAction(TWinSysButton& button, POINT screen)
{
    switch (button.Def.Action) {
    case 0: {
        SetTimerRunning(false);
        const DWORD v = manager_.Version ? manager_.Version : GetVersion();
        const bool skipTest = (v & 0x80000000u) != 0 || LOBYTE(LOWORD(v)) < 5;
        // A program that took Close off the system menu has no close button.
        if (skipTest || !SysMenu || SystemMenuHasClose(SysMenu))
            PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    case 1:
    case 22:
        if (button.Enabled)
            MaximizeOrRestore();
        break;
    case 2:
    case 23:
        if (button.Enabled)
            MinimizeOrRestore();
        break;
    case 3:
    case 11:
    case 12:
        IconClick({screen.x + 1, screen.y + 1});
        break;
    case 4:
        PostMessageW(window_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        break;
    case 7:
    case 60:
    case 8:
    case 61:
    case 9:
    case 62: {
        if (FormKind != fkMdiFrame || !manager_.MdiClient)
            break;
        auto child = reinterpret_cast<HWND>(SendMessageW(manager_.MdiClient, WM_MDIGETACTIVE, 0, 0));
        if (!child)
            break;
        const int a = button.Def.Action;
        const UINT command = a == 7 || a == 60 ? SC_MINIMIZE : a == 8 || a == 61 ? SC_RESTORE : SC_CLOSE;
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
        break;
    }
    default:
        PostMessageW(window_, SKINMSG_BUTTONCLICK, static_cast<WPARAM>(button.Def.Action), 0);
        break;
    }
}

void TWinSkinForm::ShowSystemMenu(POINT screen)
{
    HMENU menu = SysMenu ? SysMenu : GetSystemMenu(window_, FALSE);
    if (!menu)
        return;
    SetForegroundWindow(window_);
    // Tracked as an ordinary pop-up, the menu would show the states of its last use.
    UpdateSystemMenuStates(menu, window_);
    // The skin may be removed while the menu is open, and this frame with it.
    const std::shared_ptr<const bool> alive = alive_;
    HWND window = window_;
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr));
    if (!IsWindow(window))
        return;
    if (!*alive) {
        if (command)
            PostMessageW(window, WM_SYSCOMMAND, command, 0);
        return;
    }
    // The system menu never stays owner-drawn, whether the menu said goodbye or not.
    if (MenuPainter)
        MenuPainter->Restore(menu);
    if (command)
        PostMessageW(window_, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::IconClick(POINT screen)
{
    const DWORD now = GetTickCount();
    if (!iconClickRecorded_ || now - lastIconClick_ > GetDoubleClickTime()) {
        lastIconClick_ = now;
        iconClickRecorded_ = true;
        manager_.MenuKind = 2;
        ShowSystemMenu(screen);
        return;
    }
    if (Hot && Hot->IsCaptionButton()) {
        SetTimerRunning(false);
        PostMessageW(window_, WM_CLOSE, 0, 0);
    }
}

void TWinSkinForm::MaximizeOrRestore()
{
    if (WindowState == wsMaximized) {
        WindowState = wsNormal;
        PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
    }
    if (FormKind == fkMdiChild)
        manager_.MdiMaximized = true;
    WindowState = wsMaximized;
    PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Hot = nullptr;
}

void TWinSkinForm::MinimizeOrRestore()
{
    if (WindowState == wsMinimized) {
        WindowState = wsNormal;
        PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
    }
    WindowState = wsMinimized;
    if (!(CaptionStyle & csKeepStyle) && (CaptionStyle & csSysMenu)) {
        const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
        SetWindowLongPtrW(window_, GWL_STYLE, style | WS_SYSMENU);
    }
    PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

// ---- the timer and hints ----

void TWinSkinForm::SetTimerRunning(bool on)
{
    if (on == timerRunning_ || !IsWindow(window_))
        return;
    if (on)
        timerRunning_ = SetTimer(window_, kFrameTimerId, kFrameTimerInterval, FrameTimer) != 0;
    else {
        KillTimer(window_, kFrameTimerId);
        timerRunning_ = false;
    }
}

void CALLBACK TWinSkinForm::FrameTimer(HWND window, UINT, UINT_PTR id, DWORD)
{
    if (id != kFrameTimerId)
        return;
    try {
        if (auto* frame = static_cast<TWinSkinForm*>(GetPropW(window, kFramePropName)))
            frame->OnTimer();
    } catch (...) {
        HandleCallbackException();
    }
}

void TWinSkinForm::OnTimer()
{
    if (!ActiveFlag || !data_)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    RECT wr;
    GetWindowRect(window_, &wr);
    const POINT p{cursor.x - wr.left, cursor.y - wr.top};
    if (!Hot)
        return;
    const TSkinRect& r = Hot->BoundsRect;
    if (p.x < r.Left || p.x >= r.Right || p.y < r.Top || p.y >= r.Bottom) {
        Hot->MouseLeave();
        return;
    }
    if (!Hot->IsCaptionButton() || !data_->Options.Has(TSkinOption::xoCaptionButtonHint))
        return;
    TSkinDataRuntime& runtime = manager_.Runtime(*data_);
    runtime.HintElapsed += static_cast<int>(kFrameTimerInterval);
    TApplication* app = Application();
    const int pause = 2 * (app ? app->HintPause : 500);
    const int hide = pause + (app ? app->HintHidePause : 2500);
    if (runtime.HintElapsed >= pause && runtime.HintElapsed < hide) {
        if (!runtime.HintShown) {
            runtime.HintShown = true;
            const std::string text = CaptionButtonHint(static_cast<TWinSysButton*>(Hot)->Def.Action);
            if (!text.empty()) {
                if (!runtime.Hint)
                    runtime.Hint = std::make_unique<TSkinHintWindow>();
                runtime.Hint->Show(std::wstring(text.begin(), text.end()), {r.Left + wr.left, cursor.y + 24});
            }
        }
    } else if (runtime.HintElapsed >= hide && runtime.Hint) {
        runtime.Hint->Hide();
    }
}

void TWinSkinForm::HideHint()
{
    if (!data_ || manager_.ManagerState == 4)
        return;
    TSkinDataRuntime& runtime = manager_.Runtime(*data_);
    if (runtime.Hint)
        runtime.Hint->Hide();
    runtime.HintElapsed = 0;
    runtime.HintShown = false;
}

// ---- painting ----

HFONT TWinSkinForm::CaptionFont()
{
    if (!captionFont_ && data_) {
        const TCaptionFont& f = data_->CaptionFont;
        LOGFONTW lf{};
        lf.lfHeight = f.Height;
        lf.lfWeight = f.Weight;
        lf.lfItalic = f.Italic ? TRUE : FALSE;
        lf.lfCharSet = f.CharSet;
        const std::wstring face = GbkToWide(f.FaceName);
        wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        captionFont_.reset(CreateFontIndirectW(&lf));
    }
    return captionFont_ ? captionFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF TWinSkinForm::CaptionTextColour() const
{
    if (!data_)
        return GetSysColor(ActiveFlag ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    return data_->ResolveColour(data_->SkinColours[ActiveFlag ? SC_TITLETEXTACTIVE : SC_TITLETEXTNOACTIVE]);
}

TSkinImage TWinSkinForm::RenderPiece(const TDataSkinObject& border, int width, int height, bool stacked,
                                     int cell) const
{
    if (width <= 0 || height <= 0)
        return {};
    return ComposeNineSlice(width, height, border.Bitmap, border.Margins(), stacked, border.Tile != 1, border.Cells(),
                            cell);
}

void TWinSkinForm::PaintPiece(HDC dc, const TDataSkinObject& border, const TSkinRect& r, bool stacked)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    const int cell = ActiveFlag || border.Cells() == 1 ? 1 : 2;
    BlitImage(dc, r.Left, r.Top, RenderPiece(border, r.Width(), r.Height(), stacked, cell));
}

void TWinSkinForm::PaintFrame(HDC given)
{
    if ((FrameState != fsReady && FrameState != fsRefreshing) || BorderKind == bkNone ||
        (FormKind == fkMdiChild && WindowState == wsMaximized) || !data_ || data_->SkinEmpty || !IsWindow(window_))
        return;
    HDC own = given ? nullptr : GetWindowDC(window_);
    HDC dc = given ? given : own;
    if (!dc)
        return;
    try {
        RECT wr;
        GetWindowRect(window_, &wr);
        const int w = wr.right - wr.left, h = wr.bottom - wr.top;
        const TFrameMetrics& m = Metrics;
        if (WindowState == wsMinimized || IsIconic(window_)) {
            PaintCaption(dc);
        } else {
            PaintPiece(dc, data_->BorderLeft, {0, 0, m.Left, h}, false);
            PaintPiece(dc, data_->BorderRight, {w - m.Right, 0, w, h}, false);
            PaintPiece(dc, data_->BorderBottom, {m.Left, h - m.Bottom, w - m.Right, h}, true);
            PaintCaption(dc);
            const TSkinRect strip{m.Left, m.Caption, w - m.Right, m.Caption + m.MenuBar};
            if (MenuBar)
                MenuBar->Paint(dc, strip);
            else if (m.MenuBar > 0 && data_->FaceBrush) {
                RECT r{strip.Left, strip.Top, strip.Right, strip.Bottom};
                FillRect(dc, &r, static_cast<HBRUSH>(data_->FaceBrush->Handle()));
            }
        }
    } catch (...) {
        // An incomplete frame is repainted with the next WM_NCPAINT.
    }
    if (own)
        ReleaseDC(window_, own);
    if (Hot) {
        Hot->ButtonState = nbNormal;
        Hot = nullptr;
    }
}

void TWinSkinForm::PaintCaption(HDC dc)
{
    RECT wr;
    GetWindowRect(window_, &wr);
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    const TFrameMetrics& m = Metrics;
    TDibCanvas canvas;
    TSkinRect strip;
    if (WindowState == wsMinimized || IsIconic(window_)) {
        if (!canvas.Resize(w, h))
            return;
        canvas.Fill({0, 0, w, h}, data_->ResolveColour(data_->SkinColours[SC_BUTTONFACE]));
        strip = {0, 0, w, m.Caption};
    } else {
        if (!canvas.Resize(w, m.Caption))
            return;
        // The corners of the caption belong to the side pieces.
        const int leftCell = ActiveFlag || data_->BorderLeft.Cells() == 1 ? 1 : 2;
        const int rightCell = ActiveFlag || data_->BorderRight.Cells() == 1 ? 1 : 2;
        canvas.Draw(RenderPiece(data_->BorderLeft, m.Left, h, false, leftCell), 0, 0);
        canvas.Draw(RenderPiece(data_->BorderRight, m.Right, h, false, rightCell), w - m.Right, 0);
        strip = {m.Left, 0, w - m.Right, m.Caption};
    }
    const int topCell = ActiveFlag || data_->BorderTop.Cells() == 1 ? 1 : 2;
    canvas.Draw(RenderPiece(data_->BorderTop, strip.Width(), strip.Height(), true, topCell), strip.Left, strip.Top);
    DrawCaptionText(canvas, strip);
    LayoutCaptionButtons();
    captionBackground_ = canvas.ToImage();
    for (auto& b : Buttons)
        if (b->Visible)
            b->DrawTo(canvas, CaptionPaintCell(b->Def, ActiveFlag, b->Enabled));
    canvas.BlitTo(dc, 0, 0);
    SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaptionText(TDibCanvas& canvas, const TSkinRect& strip)
{
    const std::wstring text = L"  " + WindowText(window_, unicode_) + L" ";
    RightExtent = 0;
    for (size_t i = 0; i < Buttons.size(); ++i) {
        const TWinSysButton& b = *Buttons[i];
        if (b.Def.Align == 1 && !b.Def.Bitmap.Empty() && IsCaptionButtonVisible(i))
            RightExtent = std::max(RightExtent, b.Def.Xcoord);
    }
    HDC dc = canvas.DC();
    HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CaptionTextColour());
    RECT measured{strip.Left, strip.Top, strip.Left, strip.Top};
    DrawTextW(dc, text.c_str(), -1, &measured, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
    TCaptionTextInput in;
    in.Strip = strip;
    in.TextWidth = measured.right - measured.left;
    in.TextHeight = measured.bottom - measured.top;
    in.Title = &data_->Title;
    in.RightToLeft = RightToLeft;
    in.Popup = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_POPUP) != 0;
    in.RightExtent = RightExtent;
    in.BorderKind = BorderKind;
    CaptionTextRect = ::CaptionTextRect(in);
    const TDataSkinTitle& title = data_->Title;
    if (!title.Bitmap.Empty() && !CaptionTextRect.IsEmpty()) {
        TSkinImage back(CaptionTextRect.Width(), strip.Height(), kClMagenta);
        ComposeThreeSlice(back, {0, 0, back.Width(), back.Height()}, title.Bitmap, true, true, 2, ActiveFlag ? 1 : 2,
                          title.TXTBackleft, title.TXTBackRight);
        GdiFlush();
        canvas.Draw(back, CaptionTextRect.Left, strip.Top, true);
    }
    const TSkinRect inner = CaptionTextInner(CaptionTextRect, title);
    RECT r{inner.Left, inner.Top, inner.Right, inner.Bottom};
    UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (RightToLeft)
        flags |= DT_RIGHT | DT_RTLREADING;
    if (r.right > r.left)
        DrawTextW(dc, text.c_str(), -1, &r, flags);
    GdiFlush();
    SelectObject(dc, oldFont);
}

void TWinSkinForm::PaintButton(TWinSysButton& button)
{
    if (FrameState != fsReady || !button.Visible || !IsWindow(window_))
        return;
    const TSkinRect& r = button.BoundsRect;
    TDibCanvas canvas(r.Width(), r.Height());
    if (!canvas.Valid())
        return;
    // What lies under the button: the caption as last painted, without buttons.
    TSkinImage under(r.Width(), r.Height());
    under.CopyFrom(captionBackground_, r, 0, 0);
    canvas.Draw(under, 0, 0);
    TSkinRect saved = button.BoundsRect;
    button.BoundsRect = {0, 0, r.Width(), r.Height()};
    button.DrawTo(canvas, ButtonStateCell(button.Def, button.ButtonState, button.Enabled));
    button.BoundsRect = saved;
    if (HDC dc = GetWindowDC(window_)) {
        canvas.BlitTo(dc, r.Left, r.Top);
        ReleaseDC(window_, dc);
    }
}

// ---- the region ----

void TWinSkinForm::UpdateWindowRegion()
{
    if (FrameState == fsDead || !skinning_ || !data_ || data_->SkinEmpty || !IsWindow(window_))
        return;
    RECT wr;
    GetWindowRect(window_, &wr);
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (w <= 0 || h <= 0)
        return;
    if (FormKind == fkMdiChild && WindowState != wsNormal)
        return;
    if (w == RegionSize.cx && h == RegionSize.cy && FormKind != fkMdiChild && FrameState != fsRefreshing)
        return;
    const TSkinData& d = *data_;
    const TFrameMetrics& m = Metrics;
    const int trans = d.BorderLeft.Trans * 2 + d.BorderRight.Trans + d.BorderTop.Trans;
    HRGN region = nullptr;
    if (trans != 0) {
        // The client side first: the region never cuts into the client area.
        region = CreateRectRgn(m.Left, m.Caption, w - m.Right, h - m.Bottom);
        auto add = [&](const std::vector<TSkinRect>& rects) {
            if (HRGN part = RegionFromRects(rects)) {
                CombineRgn(region, region, part, RGN_OR);
                DeleteObject(part);
            }
        };
        if (BorderKind != bkNone) {
            if (d.BorderLeft.Trans == 1 && h > 1)
                add(OpaqueRects(RenderPiece(d.BorderLeft, m.Left, h, false, 1), 0, 0));
            else
                add({{0, 0, m.Left, h}});
            if (d.BorderRight.Trans == 1 && h > 1)
                add(OpaqueRects(RenderPiece(d.BorderRight, m.Right, h, false, 1), w - m.Right, 0));
            else
                add({{w - m.Right, 0, w, h}});
            if (d.BorderBottom.Trans == 1 && m.Bottom >= 2)
                add(OpaqueRects(RenderPiece(d.BorderBottom, w - m.Left - m.Right, m.Bottom, true, 1), m.Left,
                                h - m.Bottom));
            else
                add({{m.Left, h - m.Bottom, w - m.Right, h}});
            if (d.BorderTop.Trans == 1 && m.Caption > 1 && w - m.Left - m.Right > 0)
                add(OpaqueRects(RenderPiece(d.BorderTop, w - m.Left - m.Right, m.Caption, true, 1), m.Left, 0));
            else
                add({{m.Left, 0, w - m.Right, m.Caption}});
        }
    } else {
        region = CreateRectRgn(0, 0, w, h);
    }
    // The system owns the region from here on.
    SetWindowRgn(window_, region, TRUE);
    regionSet_ = true;
    RegionSize = {w, h};
    ++RegionBuilds;
}

// ---- skin change and detaching ----

void TWinSkinForm::RebuildCaptionButtons()
{
    const TFrameMetrics keep = Metrics;
    ComputeFrameMetrics();
    Metrics = keep;
}

void TWinSkinForm::SkinChanged()
{
    if (!data_ || data_->SkinEmpty || !IsWindow(window_))
        return;
    RECT cr;
    GetClientRect(window_, &cr);
    captionFont_.reset();
    ComputeFrameMetrics();
    ControlSkinnersChanged();
    if (form_ && colorSaved_)
        form_->SetColor(data_->SkinColours[SC_BUTTONFACE]);
    if (!skinning_)
        return;
    const int previous = FrameState;
    FrameState = fsRefreshing;
    // The client area keeps its size under the new skin's borders.
    if (WindowState == wsNormal && BorderKind != bkNone &&
        !((GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD) && FormKind != fkMdiChild))
        ResizeFrame(cr.right + Metrics.Left + Metrics.Right,
                    cr.bottom + Metrics.Caption + Metrics.Bottom + Metrics.MenuBar);
    else
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateWindowRegion();
    FrameState = previous == fsRefreshing ? fsReady : previous;
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::DetachFrame()
{
    if (!skinning_) {
        Unsubclass();
        return;
    }
    redrawHold_.reset();
    SetTimerRunning(false);
    HideHint();
    Hot = nullptr;
    Unsubclass();
    DetachControlSkinners();
    SizeGrip = nullptr;
    if (MenuPainter)
        MenuPainter->RestoreAll();
    if (form_ && colorSaved_ && FrameState != fsDestroying)
        form_->SetColor(savedColor_);
    colorSaved_ = false;
    if (!IsWindow(window_))
        return;
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if ((CaptionStyle & csSysMenu) && !(style & WS_SYSMENU)) {
        style |= WS_SYSMENU;
        SetWindowLongPtrW(window_, GWL_STYLE, style);
    }
    if (MenuBar) {
        if (HMENU native = MenuBar->NativeMenu(); native && GetMenu(window_) != native && IsMenu(native))
            SetMenu(window_, native);
        MenuBar.reset();
    }
    const bool plainChild = (style & WS_CHILD) && FormKind != fkMdiChild;
    if (FrameState != fsDestroying && !plainChild) {
        RECT cr;
        GetClientRect(window_, &cr);
        SIZE nc = NativeNonClient;
        if (nc.cx <= 0 && nc.cy <= 0) {
            RECT r{0, 0, 0, 0};
            AdjustWindowRectEx(&r, static_cast<DWORD>(style), GetMenu(window_) != nullptr,
                               static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
            nc = {r.right - r.left, r.bottom - r.top};
        }
        if (WindowState == wsNormal)
            ResizeFrame(cr.right + nc.cx, cr.bottom + nc.cy);
        else
            SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    SetWindowRgn(window_, nullptr, TRUE);
    regionSet_ = false;
    RegionSize = {0, 0};
}

void TWinSkinForm::ReleaseFrame()
{
    SetTimerRunning(false);
    Hot = nullptr;
    Unsubclass();
    DetachControlSkinners();
    MenuBar.reset();
}
