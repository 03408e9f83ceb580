#include "ui/skin/skin_media_player.h"

#include <windowsx.h>

#include "ui/media_player.h"
#include "ui/skin/companion_panel.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

namespace {

constexpr wchar_t kPanelClass[] = L"TWMediaPlayer";

bool IsMouseMessage(UINT msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE;
}

} // namespace

// ---- TWMediaPlayer ----

TWMediaPlayer::TWMediaPlayer(TSkinMP& owner) : owner_(owner) {}

TWMediaPlayer::~TWMediaPlayer()
{
    if (window_ && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TWMediaPlayer::Place(HWND player)
{
    RECT client;
    GetClientRect(player, &client);
    if (!window_) {
        // Double clicks as the player's own class has them.
        EnsureWindowClass(kPanelClass, &CompanionPanelProc<TWMediaPlayer>, CS_DBLCLKS);
        window_ = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom,
                                  player, nullptr, GetModuleHandleW(nullptr), this);
        return;
    }
    SetWindowPos(window_, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
}

void TWMediaPlayer::Paint(HDC dc)
{
    owner_.PaintButtons(dc);
}

LRESULT TWMediaPlayer::Handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case SKINMSG_QUERY:
        return 1;
    }
    if (IsMouseMessage(msg)) {
        if (msg == WM_MOUSEMOVE) {
            TrackMouseLeave(window_);
        }
        // The panel lies at the player's origin: the same coordinates.
        return SendMessageW(GetParent(window_), msg, wp, lp);
    }
    return DefWindowProcW(window_, msg, wp, lp);
}

// ---- TSkinMP ----

TSkinMP::TSkinMP(TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() = default;

TMediaPlayer* TSkinMP::Player() const
{
    return dynamic_cast<TMediaPlayer*>(control_);
}

void TSkinMP::Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground)
{
    if (!dynamic_cast<TMediaPlayer*>(Owner()))
        return;  // only the widget set's player has buttons to draw
    TSkinControl::Attach(frame, data, paintBackground);
    if (state_ != SS_ATTACHED)
        return;
    panel_ = std::make_unique<TWMediaPlayer>(*this);
    panel_->Place(handle_);
}

void TSkinMP::Detach()
{
    panel_.reset();
    TSkinControl::Detach();
}

HWND TSkinMP::Companion() const
{
    return panel_ ? panel_->Handle() : nullptr;
}

void TSkinMP::SetHot(int button)
{
    if (button == hot_)
        return;
    hot_ = button;
    Repaint();
}

bool TSkinMP::BeforeMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCDESTROY:
        panel_.reset();
        break;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_PAINT: {
        // The panel covers the client area and draws it; what the player
        // wants repainted, the panel repaints.
        PAINTSTRUCT ps{};
        if (!m.WParam) {
            BeginPaint(handle_, &ps);
            EndPaint(handle_, &ps);
        }
        Repaint();
        m.Result = 0;
        return false;
    }
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinMP::AfterMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (panel_)
            panel_->Place(handle_);
        return;
    case WM_MOUSEMOVE: {
        const TMediaPlayer* player = Player();
        const int over = player ? player->ButtonAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}) : -1;
        SetHot(over >= 0 && player->ButtonEnabled(static_cast<TMPBtnType>(over)) ? over : -1);
        return;
    }
    case WM_MOUSELEAVE:
        SetHot(-1);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(m);
}

TButtonCell TSkinMP::CellOf(int button) const
{
    const TMediaPlayer* player = Player();
    if (!player || button < 0)
        return BC_NORMAL;
    const auto b = static_cast<TMPBtnType>(button);
    const bool held = player->PressedButton() == button && player->PressedInside();
    return ButtonState(player->ButtonEnabled(b), held, hot_ == button, false);
}

void TSkinMP::PaintButtons(HDC dc)
{
    const TMediaPlayer* player = Player();
    if (!player || !data_ || !IsWindow(handle_))
        return;
    RECT client;
    GetClientRect(handle_, &client);
    TDibCanvas work(client.right, client.bottom);
    if (!work.Valid())
        return;
    const TSkinData& d = *data_;
    FillCanvas(work, SkinFace(d));
    const COLORREF text = SkinColourRef(d, d.SkinColours[SC_BUTTONTEXT]);
    for (int i = 0; i < kMPButtonCount; ++i) {
        const auto b = static_cast<TMPBtnType>(i);
        const RECT r = player->ButtonRect(b);
        if (IsRectEmpty(&r))
            continue;
        const TButtonCell cell = CellOf(i);
        if (!d.Buttons.Bitmap.Empty())
            DrawSkinCell(work, d.Buttons, r, cell);
        else {
            RECT face = r;
            DrawFrameControl(work.DC(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (cell == BC_PRESSED ? DFCS_PUSHED : 0));
        }
        DrawTransportGlyph(work.DC(), r, b, ButtonTextColourFor(d, cell, text));
    }
    work.BlitTo(dc, 0, 0);
}
