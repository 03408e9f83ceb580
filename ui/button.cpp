#include "ui/button.h"


TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params)
{
    TButtonControl::CreateParams(params);
    params.ClassName = L"BUTTON";
    params.Style |= BS_OWNERDRAW;
}

void TButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED)
            Click();
        m.Result = 0;
        return;
    case CN_DRAWITEM:
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    case WM_LBUTTONDBLCLK:
        // A drawn button reports a double click instead of a second press;
        // two quick clicks are two clicks.
        m.Msg = WM_LBUTTONDOWN;
        break;
    }
    TButtonControl::WndProc(m);
}

void TButton::Draw(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0;
    bool focused = (item.itemState & ODS_FOCUS) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;
    if (default_ || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    std::wstring text = Caption();
    RECT tr = r;
    InflateRect(&tr, -2, -2);
    if (pushed)
        OffsetRect(&tr, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(font_.Color()));
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    if (multi_line_) {
        RECT measured = tr;
        DrawTextW(dc, text.c_str(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
        OffsetRect(&tr, 0, ((tr.bottom - tr.top) - (measured.bottom - measured.top)) / 2);
        DrawTextW(dc, text.c_str(), -1, &tr, DT_CENTER | DT_WORDBREAK);
    } else {
        DrawTextW(dc, text.c_str(), -1, &tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
    if (focused) {
        RECT fr = r;
        InflateRect(&fr, -3, -3);
        DrawFocusRect(dc, &fr);
    }
}

bool TButton::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Default") {
        value = BoolText(default_);
        return true;
    }
    if (name == "MultiLine") {
        value = BoolText(multi_line_);
        return true;
    }
    return TButtonControl::GetPublished(name, value);
}

bool TButton::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Default" || name == "MultiLine") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        if (name == "Default")
            SetDefault(*b);
        else
            SetMultiLine(*b);
        return true;
    }
    return TButtonControl::SetPublished(name, value);
}
