#include "ui/wnd_thunk.h"

#include <cstdint>
#include <cstring>

#include "data/exception.h"

#if !defined(__x86_64__) && !defined(_M_X64)
#error "The window-procedure thunk is written for x86-64"
#endif

namespace {

// mov rcx, object; mov rax, target; jmp rax
#pragma pack(push, 1)
struct TThunkCode {
    uint8_t MovRcx[2];
    uint64_t Object;
    uint8_t MovRax[2];
    uint64_t Target;
    uint8_t JmpRax[2];
};
#pragma pack(pop)

// Thunks are small and many: one heap whose pages may run code holds them all.
HANDLE ThunkHeap()
{
    static const HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
    return heap;
}

// Where an abandoned thunk sends its window's messages.
struct TForward {
    HWND Window;
    WNDPROC Previous;
    bool Unicode;
};

LRESULT Forward(void* record, UINT msg, WPARAM wp, LPARAM lp)
{
    const auto& to = *static_cast<const TForward*>(record);
    return to.Unicode ? CallWindowProcW(to.Previous, to.Window, msg, wp, lp)
                      : CallWindowProcA(to.Previous, to.Window, msg, wp, lp);
}

void Write(void* code, void* object, TWndProcThunk::TTarget target)
{
    const TThunkCode bytes{{0x48, 0xB9}, reinterpret_cast<uint64_t>(object),
                           {0x48, 0xB8}, reinterpret_cast<uint64_t>(target),
                           {0xFF, 0xE0}};
    std::memcpy(code, &bytes, sizeof bytes);
    FlushInstructionCache(GetCurrentProcess(), code, sizeof bytes);
}

} // namespace

TWndProcThunk::TWndProcThunk(void* object, TTarget target)
{
    HANDLE heap = ThunkHeap();
    code_ = heap ? HeapAlloc(heap, 0, sizeof(TThunkCode)) : nullptr;
    if (!code_)
        throw Exception("Cannot make a window procedure for a control");
    Write(code_, object, target);
    proc_ = reinterpret_cast<WNDPROC>(code_);
}

void TWndProcThunk::Abandon(HWND window, WNDPROC previous, bool unicode)
{
    if (!code_)
        return;
    // Both stay for the life of the process: the window may call them until
    // it is destroyed, and nobody tells us when.
    void* record = HeapAlloc(ThunkHeap(), 0, sizeof(TForward));
    if (!record)
        throw Exception("Cannot hand a window back to its procedure");
    *static_cast<TForward*>(record) = {window, previous, unicode};
    Write(code_, record, Forward);
    code_ = nullptr;
}

TWndProcThunk::~TWndProcThunk()
{
    if (code_)
        HeapFree(ThunkHeap(), 0, code_);
}
