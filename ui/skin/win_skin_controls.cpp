// The frame's hook for the control skinners. The skinners are a unit of their
// own; until it is linked in, a skinned frame leaves its controls as they are.
#include "ui/skin/win_skin_form.h"

void TWinSkinForm::SkinChildControls() {}

void TWinSkinForm::DetachControlSkinners() { ControlSkinners.clear(); }

void TWinSkinForm::ControlSkinnersChanged() {}

void TWinSkinForm::CloseControlHints() {}
