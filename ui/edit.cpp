#include "ui/edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    color_ = clWindow;
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.ClassName = L"EDIT";
    params.Style |= ES_AUTOHSCROLL | (read_only_ ? ES_READONLY : 0);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SelectAll()
{
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::SetReadOnly(bool value)
{
    read_only_ = value;
    if (HandleAllocated())
        SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(*this);
}

void TCustomEdit::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == EN_CHANGE)
            Change();
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

bool TCustomEdit::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Text") {
        value = Text();
        return true;
    }
    if (name == "ReadOnly") {
        value = BoolText(read_only_);
        return true;
    }
    return TWinControl::GetPublished(name, value);
}

bool TCustomEdit::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Text") {
        SetText(value);
        return true;
    }
    if (name == "ReadOnly") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        SetReadOnly(*b);
        return true;
    }
    return TWinControl::SetPublished(name, value);
}
