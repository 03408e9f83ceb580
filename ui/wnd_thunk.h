#pragma once
// A window procedure bound to one object: a few bytes of machine code that put
// the object where the window handle was and jump to a plain function. A
// message then finds its object without a window-property lookup, which under
// some systems costs a trip to another process for every message.
#include <windows.h>

class TWndProcThunk {
public:
    using TTarget = LRESULT (*)(void* object, UINT msg, WPARAM wp, LPARAM lp);

    TWndProcThunk(void* object, TTarget target);
    ~TWndProcThunk();
    TWndProcThunk(const TWndProcThunk&) = delete;
    TWndProcThunk& operator=(const TWndProcThunk&) = delete;

    WNDPROC Proc() const { return proc_; }

    // For a window that must keep this procedure after the object goes,
    // because someone subclassed it later and taking it out would cut them
    // off: from now on the code hands every message to previous (through the
    // ANSI or Unicode door it was installed with), and it outlives this thunk.
    void Abandon(HWND window, WNDPROC previous, bool unicode);

private:
    void* code_ = nullptr;
    WNDPROC proc_ = nullptr;
};
