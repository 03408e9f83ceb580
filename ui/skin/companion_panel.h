#pragma once
// The window procedure of a painter's companion panel (a window laid over the
// part of a control the painter draws): the panel object comes with the
// window's creation parameters and is found again in the window's user data.
#include <windows.h>

#include "ui/control.h"

// Panel needs a window_ member and Handle(msg, wp, lp); befriend this template.
template <class Panel>
LRESULT CALLBACK CompanionPanelProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        if (auto* self = static_cast<Panel*>(create->lpCreateParams))
            self->window_ = window;
    }
    auto* self = reinterpret_cast<Panel*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, msg, wp, lp);
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
}
