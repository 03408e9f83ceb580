#include "ui/group_box.h"

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner)
{
    SetParentBackground(true);
}

void TCustomGroupBox::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.ClassName = L"BUTTON";
    params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}
