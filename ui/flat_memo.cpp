#include "ui/flat_memo.h"

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | (scroll_bars_ == TScrollStyle::Vertical ? WS_VSCROLL : 0);
}

void TCustomMemo::SetText(const std::wstring& text)
{
    SetCaption(text);
    Change();
}

void TCustomMemo::SetScrollBars(TScrollStyle style)
{
    scroll_bars_ = style;
    if (HandleAllocated())
        ShowScrollBar(Handle(), SB_VERT, style == TScrollStyle::Vertical);
}

int TCustomMemo::DisplayedLineCount()
{
    HWND h = Handle();
    int count = static_cast<int>(SendMessageW(h, EM_GETLINECOUNT, 0, 0));
    if (count > 0) {
        LRESULT start = SendMessageW(h, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
        if (start >= 0 && SendMessageW(h, EM_LINELENGTH, static_cast<WPARAM>(start), 0) == 0)
            --count;
    }
    return count;
}

void TCustomMemo::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_KEYDOWN:
        if (m.WParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
            SelectAll();
            m.Result = 0;
            return;
        }
        break;
    case WM_CHAR:
        if (m.WParam == 1) {  // the Ctrl+A character: handled on key down, no beep
            m.Result = 0;
            return;
        }
        break;
    }
    TCustomEdit::WndProc(m);
}

TFlatMemo::TFlatMemo(TComponent* owner) : TCustomMemo(owner)
{
    SetReadOnly(true);
}

void TFlatMemo::SetParent(TWinControl* parent)
{
    if (parent)
        color_ = parent->Color();
    TCustomMemo::SetParent(parent);
}

void TFlatMemo::CreateParams(TCreateParams& params)
{
    TCustomMemo::CreateParams(params);
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    params.Style &= ~static_cast<DWORD>(WS_BORDER);
}

void TFlatMemo::CreateWnd()
{
    TCustomMemo::CreateWnd();
    // The window was sized before we were in front of it: size its frame again.
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TFlatMemo::FitClientArea(TMessage& m)
{
    TCustomMemo::WndProc(m);
    // The scroll bar, when there is one, stays inside the frame.
    RECT* client = m.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(m.LParam);
    InflateRect(client, -1, -1);
    if (m.WParam)
        m.Result = 0;
}

void TFlatMemo::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        FitClientArea(m);
        return;
    case WM_NCPAINT:
        TCustomMemo::WndProc(m);
        PaintBorder();
        return;
    }
    TCustomMemo::WndProc(m);
}

void TFlatMemo::PaintBorder()
{
    HWND h = Handle();
    HDC dc = GetWindowDC(h);
    if (!dc)
        return;
    RECT r;
    GetWindowRect(h, &r);
    OffsetRect(&r, -r.left, -r.top);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(border_color_));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(h, dc);
}
