#include "ui/screen.h"

#include <algorithm>

#include "ui/control_atom.h"
#include "ui/form.h"

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

void TScreen::RegisterForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TScreen::UnregisterForm(TCustomForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

TCustomForm* TScreen::ActiveForm() const
{
    HWND active = GetActiveWindow();
    for (TCustomForm* form : forms_)
        if (form->HandleAllocated() && form->Handle() == active)
            return form;
    return nullptr;
}
