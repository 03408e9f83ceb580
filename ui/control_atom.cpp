#include "ui/control_atom.h"

#include <cstdio>

std::string ControlAtomName(uint64_t instance, uint32_t threadId)
{
    char text[64];
    std::snprintf(text, sizeof text, "ControlOfs%.8llX%.8X", static_cast<unsigned long long>(instance),
                  static_cast<unsigned>(threadId));
    return text;
}

namespace {

class TControlAtom {
public:
    TControlAtom()
    {
        std::string name = ControlAtomName(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)), GetCurrentThreadId());
        // Registered as a message too, as the skin runtime expects of this name.
        RegisterWindowMessageA(name.c_str());
        atom_ = GlobalAddAtomA(name.c_str());
    }
    ~TControlAtom()
    {
        if (atom_)
            GlobalDeleteAtom(atom_);
    }
    ATOM atom() const { return atom_; }

private:
    ATOM atom_ = 0;
};

} // namespace

ATOM ControlAtom()
{
    static TControlAtom atom;
    return atom.atom();
}

void SetControlOf(HWND window, TWinControl* control)
{
    SetPropW(window, MAKEINTATOM(ControlAtom()), reinterpret_cast<HANDLE>(control));
}

void RemoveControlOf(HWND window)
{
    RemovePropW(window, MAKEINTATOM(ControlAtom()));
}

TWinControl* ControlOf(HWND window)
{
    if (!window)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}
