#pragma once
// The window property that leads from a window handle to its control object.
// Its name is "ControlOfs" followed by the module instance and the thread id
// in hex, so that two modules (or two threads) in one process never read each
// other's objects; the skin finds a form through it when Screen does not list it.
#include <windows.h>

#include <cstdint>
#include <string>

class TWinControl;

// At least eight upper-case hex digits each; a 64-bit instance keeps all of its digits.
std::string ControlAtomName(uint64_t instance, uint32_t threadId);
// The atom for this module and the thread that first asks (the UI thread).
ATOM ControlAtom();

void SetControlOf(HWND window, TWinControl* control);
void RemoveControlOf(HWND window);
// The widget-set control behind a window, or none.
TWinControl* ControlOf(HWND window);
