#include "ui/clipboard.h"

#include <cstring>

#include "data/exception.h"

namespace {

class TClipboardScope {
public:
    explicit TClipboardScope(HWND owner)
    {
        // Another program may hold it for a moment.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_)
                Sleep(10);
        }
    }
    ~TClipboardScope()
    {
        if (open_)
            CloseClipboard();
    }
    TClipboardScope(const TClipboardScope&) = delete;
    TClipboardScope& operator=(const TClipboardScope&) = delete;
    bool open() const { return open_; }

private:
    bool open_ = false;
};

} // namespace

void CopyTextToClipboard(HWND owner, const std::wstring& text)
{
    TClipboardScope clipboard(owner);
    if (!clipboard.open())
        throw Exception("The clipboard is in use by another program; nothing was copied.");
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        throw Exception("Not enough memory to copy the text.");
    void* target = GlobalLock(memory);
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        throw Exception("The clipboard refused the text; nothing was copied.");
    }
}

bool ReadClipboardText(HWND owner, std::wstring& text)
{
    TClipboardScope clipboard(owner);
    if (!clipboard.open())
        return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return false;
    auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
    if (!chars)
        return false;
    text = chars;
    GlobalUnlock(data);
    return true;
}
