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

} // namespace

TWndProcThunk::TWndProcThunk(void* object, TTarget target)
{
    HANDLE heap = ThunkHeap();
    code_ = heap ? HeapAlloc(heap, 0, sizeof(TThunkCode)) : nullptr;
    if (!code_)
        throw Exception("Cannot make a window procedure for a control");
    const TThunkCode code{{0x48, 0xB9}, reinterpret_cast<uint64_t>(object),
                          {0x48, 0xB8}, reinterpret_cast<uint64_t>(target),
                          {0xFF, 0xE0}};
    std::memcpy(code_, &code, sizeof code);
    FlushInstructionCache(GetCurrentProcess(), code_, sizeof code);
    proc_ = reinterpret_cast<WNDPROC>(code_);
}

TWndProcThunk::~TWndProcThunk()
{
    if (code_)
        HeapFree(ThunkHeap(), 0, code_);
}
