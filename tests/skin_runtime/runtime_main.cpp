// The runtime suite's program: the skin runtime and the application object
// start as in the program, then the tests run on this (the UI) thread.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "tests/skin_runtime/runtime_fixture.h"

std::map<HWND, TWindowLog>& WindowLogs()
{
    static std::map<HWND, TWindowLog> logs;
    return logs;
}

namespace {

std::map<HWND, bool>& PassSysCommands()
{
    static std::map<HWND, bool> pass;
    return pass;
}

void RegisterTestClass(const wchar_t* name)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

} // namespace

LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    auto it = WindowLogs().find(window);
    if (it != WindowLogs().end()) {
        TWindowLog& log = it->second;
        switch (msg) {
        case WM_SYSCOMMAND:
            log.SysCommands.push_back(static_cast<UINT>(wp & 0xFFF0));
            if (!PassSysCommands()[window])
                return 0;
            break;
        case SKINMSG_BUTTONCLICK:
            log.ButtonClicks.push_back(wp);
            return 0;
        case SKINMSG_BUTTONVISIBLE:
            if (log.ButtonVisibleAnswer >= 0)
                return log.ButtonVisibleAnswer;
            break;
        case SKINMSG_QUERY:
            if (log.QueryAnswer)
                return log.QueryAnswer;
            break;
        case SKINMSG_NOTIFY:
            if (lp == kSkinMagic)
                ++log.Notifies;
            return 0;
        case WM_NCLBUTTONDOWN:
            log.NcLButtonDownCodes.push_back(wp);
            return 0;  // no system move or size loop in a test
        case WM_COMMAND:
            log.Commands.push_back(LOWORD(wp));
            break;
        case WM_CLOSE:
            ++log.Closes;
            return 0;
        case WM_NCDESTROY:
            WindowLogs().erase(window);
            PassSysCommands().erase(window);
            break;
        }
    }
    return DefWindowProcW(window, msg, wp, lp);
}

HWND TestOwner()
{
    static HWND owner = [] {
        RegisterTestClass(L"QuorlenSkinTestOwner");
        return CreateWindowExW(0, L"QuorlenSkinTestOwner", L"owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }();
    return owner;
}

HWND CreateTestWindow(const TWindowSpec& shape)
{
    RegisterTestClass(shape.ClassName);
    RECT r{0, 0, shape.ClientWidth, shape.ClientHeight};
    AdjustWindowRectEx(&r, shape.Style, FALSE, shape.ExStyle);
    HWND parent = shape.Parent ? shape.Parent : (shape.Owned ? TestOwner() : nullptr);
    HWND window = CreateWindowExW(shape.ExStyle, shape.ClassName, shape.Title.c_str(), shape.Style, shape.X, shape.Y,
                                  r.right - r.left, r.bottom - r.top, parent, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    if (window) {
        WindowLogs()[window];
        PassSysCommands()[window] = shape.PassSysCommands;
    }
    return window;
}

TRuntimeFixture::TRuntimeFixture(bool active, const std::string& ini, const std::map<std::string, TSkinImage>& images)
{
    Load(active, testskin::Package(ini, images));
}

TRuntimeFixture::TRuntimeFixture(const std::vector<uint8_t>& package) { Load(true, package); }

void TRuntimeFixture::Load(bool active, const std::vector<uint8_t>& package)
{
    // A cursor left over a window by an earlier test would make its buttons hot.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    data_ = std::make_unique<TSkinData>(platform_);
    data_->Reading = true;
    data_->Active = active;
    data_->ReadSkinStream(SkinStreamBytes(package));
    data_->Reading = false;
    data_->Loaded();
}

TRuntimeFixture::~TRuntimeFixture()
{
    for (HWND w : windows_)
        if (IsWindow(w))
            DestroyWindow(w);
    Pump();
    ReleaseSkinManager();
    data_.reset();
}

TWinSkinManage& TRuntimeFixture::Manager()
{
    TWinSkinManage* manager = WinSkinManager();
    REQUIRE(manager != nullptr);
    return *manager;
}

HWND TRuntimeFixture::Window(const TWindowSpec& shape)
{
    HWND window = CreateTestWindow(shape);
    REQUIRE(window != nullptr);
    windows_.push_back(window);
    return window;
}

TWinSkinForm* TRuntimeFixture::Frame(HWND window) { return Manager().FindFrame(window); }

bool TRuntimeFixture::WaitReady(HWND window)
{
    return PumpUntil([&] {
        TWinSkinForm* frame = Frame(window);
        return frame && frame->FrameState == fsReady;
    });
}

HWND TRuntimeFixture::SkinnedWindow(const TWindowSpec& shape)
{
    HWND window = Window(shape);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    REQUIRE(WaitReady(window));
    Pump();
    return window;
}

SIZE WindowSize(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    // The window's own surface: what the system shows for it, without waiting
    // for the display to catch up.
    GdiFlush();
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

bool InRegion(HWND window, int x, int y)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    bool inside = true;
    if (kind != ERROR)
        inside = PtInRegion(region, x, y) != FALSE;
    DeleteObject(region);
    return inside;
}

LPARAM ScreenPoint(HWND window, int x, int y)
{
    RECT r;
    GetWindowRect(window, &r);
    return MAKELPARAM(r.left + x, r.top + y);
}

COLORREF ToColorRef(TColour c) { return RGB(RedOf(c), GreenOf(c), BlueOf(c)); }

int main(int argc, char** argv)
{
    InitSkinRuntime();
    TApplication application;
    application.Initialize();
    doctest::Context context;
    context.applyCommandLine(argc, argv);
    return context.run();
}
