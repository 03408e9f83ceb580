#pragma once
// The window procedure of a painter's companion panel (a window laid over the
// part of a control the painter draws): the panel object comes with the
// window's creation parameters and is found again in the window's user data.
#include <windows.h>

#include "ui/control.h"

// Panel needs a window_ member, Paint(dc) for the whole panel and
// Handle(msg, wp, lp) for the rest; befriend this template.
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
    // The panel draws all of itself: nothing is erased first.
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        try {
            self->Paint(dc);
        } catch (...) {
            // An incomplete paint; the update region is validated all the same.
        }
        EndPaint(window, &ps);
        return 0;
    }
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
}
