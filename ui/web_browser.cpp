#include "ui/web_browser.h"

TWebBrowser::TWebBrowser(TComponent* owner, std::wstring address) : TOleControl(owner), address_(std::move(address))
{
}

void TWebBrowser::LoadHost()
{
    // With the window, not the object: loading the host library is part of
    // the cost the window's late creation keeps out of the program's start.
    if (atl_)
        return;
    atl_ = LoadLibraryW(L"atl.dll");
    if (atl_) {
        using TAtlAxWinInit = BOOL(WINAPI*)();
        auto init = reinterpret_cast<TAtlAxWinInit>(reinterpret_cast<void*>(GetProcAddress(atl_, "AtlAxWinInit")));
        hosted_ = init && init();
    }
}

TWebBrowser::~TWebBrowser()
{
    // The window's class lives in atl.dll: the window goes before the library.
    DestroyHandle();
    if (atl_)
        FreeLibrary(atl_);
}

void TWebBrowser::CreateParams(TCreateParams& params)
{
    TOleControl::CreateParams(params);
    params.ClassName = L"AtlAxWin";
    params.Caption = address_;
    params.Style |= WS_CLIPCHILDREN;
}

HWND TWebBrowser::CreateWindowHandle(const TCreateParams& params, HWND parent, HMENU id)
{
    LoadHost();
    if (hosted_) {
        // The host fails its creation when the HTML control cannot be made.
        if (HWND window = TOleControl::CreateWindowHandle(params, parent, id))
            return window;
        hosted_ = false;
    }
    TCreateParams empty = params;
    empty.ClassName = L"STATIC";
    empty.Caption.clear();
    return TOleControl::CreateWindowHandle(empty, parent, id);
}
