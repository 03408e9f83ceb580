// A skinned frame on a real window: its metrics and client size, the
// non-client size calculation, hit-testing, the region and the pixels it paints.
#include "tests/skin_runtime/runtime_fixture.h"

#include <algorithm>

#include "ui/skin/win_skin_menu.h"

using namespace testskin;

TEST_CASE("the frame takes its widths from the border images and keeps the client size")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame);
    CHECK(frame->Metrics == TFrameMetrics{kL, kC, kR, kB, 0});
    CHECK(frame->BorderKind == bkFixed);
    CHECK(frame->CaptionStyle == (csSysMenu | csMinBox));
    CHECK(ClientSize(w).cx == 400);
    CHECK(ClientSize(w).cy == 300);
    CHECK(WindowSize(w).cx == 400 + kL + kR);
    CHECK(WindowSize(w).cy == 300 + kC + kB);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    RECT wr;
    GetWindowRect(w, &wr);
    CHECK(origin.x - wr.left == kL);
    CHECK(origin.y - wr.top == kC);
    // The system draws no caption buttons of its own on a frame we paint.
    CHECK((GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU) == 0);

    SUBCASE("a sizeable window")
    {
        TWindowSpec shape;
        shape.Style = WS_OVERLAPPEDWINDOW;
        shape.ClientWidth = 320;
        shape.ClientHeight = 200;
        HWND s = f.SkinnedWindow(shape);
        CHECK(f.Frame(s)->BorderKind == bkSizeable);
        CHECK(ClientSize(s).cx == 320);
        CHECK(ClientSize(s).cy == 200);
    }
    SUBCASE("a borderless pop-up gets no frame metrics")
    {
        TWindowSpec shape;
        shape.Style = WS_POPUP;
        HWND s = f.SkinnedWindow(shape);
        CHECK(f.Frame(s)->BorderKind == bkNone);
        CHECK(f.Frame(s)->Metrics == TFrameMetrics{});
        CHECK(ClientSize(s).cx == 400);
    }
}

TEST_CASE("WM_NCCALCSIZE gives the client rectangle inside the skin's borders")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    WINDOWPOS pos{w, nullptr, 100, 50, 500, 400, 0};
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = {100, 50, 600, 450};
    params.rgrc[1] = params.rgrc[0];
    params.rgrc[2] = params.rgrc[0];
    params.lppos = &pos;
    CHECK(SendMessageW(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)) == WVR_VALIDRECTS);
    const RECT expected{100 + kL, 50 + kC, 600 - kR, 450 - kB};
    CHECK(EqualRect(&params.rgrc[0], &expected));
    CHECK(EqualRect(&params.rgrc[1], &expected));

    RECT plain{10, 20, 210, 120};
    CHECK(SendMessageW(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain)) == 0);
    const RECT inner{10 + kL, 20 + kC, 210 - kR, 120 - kB};
    CHECK(EqualRect(&plain, &inner));
}

TEST_CASE("hit-testing the skinned frame")
{
    TRuntimeFixture f;
    TWindowSpec shape;
    shape.Style = WS_OVERLAPPEDWINDOW;
    HWND w = f.SkinnedWindow(shape);
    auto hit = [&](int x, int y) { return SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, x, y)); };
    const SIZE size = WindowSize(w);

    CHECK(hit(150, 10) == HTCAPTION);
    CHECK(hit(150, 4) == HTCAPTION);
    CHECK(hit(150, kC + 20) == HTCLIENT);
    // The top three pixels keep the previous procedure's answer: the sizing edge.
    CHECK(hit(150, 1) == HTTOP);
    CHECK(hit(150, 1) == DefWindowProcW(w, WM_NCHITTEST, 0, ScreenPoint(w, 150, 1)));
    CHECK(hit(0, size.cy / 2) == HTLEFT);
    CHECK(hit(size.cx - 1, size.cy - 1) == HTBOTTOMRIGHT);

    SUBCASE("a click on the caption of a maximized window does not drag it")
    {
        TWinSkinForm* frame = f.Frame(w);
        SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 10));
        REQUIRE(WindowLogs()[w].NcLButtonDownCodes.size() == 1);
        CHECK(WindowLogs()[w].NcLButtonDownCodes.back() == HTCAPTION);
        frame->WindowState = wsMaximized;
        SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 10));
        CHECK(WindowLogs()[w].NcLButtonDownCodes.back() == HTMENU);
        frame->WindowState = wsNormal;
    }
}

TEST_CASE("a window with a menu shows it in a skinned strip below the caption")
{
    TRuntimeFixture f;
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&Open");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_STRING, 102, L"&Help");
    HWND w = f.Window();
    SetMenu(w, bar);
    const SIZE client = ClientSize(w);
    ShowWindow(w, SW_SHOW);
    REQUIRE(f.WaitReady(w));
    Pump();
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame->MenuBar);
    const int m = GetSystemMetrics(SM_CYMENU);
    CHECK(frame->Metrics.MenuBar == m);
    CHECK(ClientSize(w).cx == client.cx);
    CHECK(ClientSize(w).cy == client.cy);
    CHECK(WindowSize(w).cy == client.cy + kC + kB + m);
    CHECK(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, 150, kC + m / 2)) == HTMENU);
    CHECK(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(w, 150, kC - 5)) == HTCAPTION);
    // An item without a pop-up sends its command.
    TMenuBtn* helpItem = nullptr;
    for (int x = kL; x < WindowSize(w).cx && !helpItem; ++x)
        if (auto* item = frame->MenuBar->ItemAt({x, kC + m / 2}); item && item->Index == 1)
            helpItem = item;
    REQUIRE(helpItem);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTMENU, ScreenPoint(w, helpItem->BoundsRect.Left + 2, kC + m / 2));
    CHECK(PumpUntil([&] {
        const auto& commands = WindowLogs()[w].Commands;
        return std::find(commands.begin(), commands.end(), 102u) != commands.end();
    }));
}

TEST_CASE("the region cuts the skin's magenta corners and keeps the client area")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    const SIZE size = WindowSize(w);
    CHECK_FALSE(InRegion(w, 0, 0));
    CHECK_FALSE(InRegion(w, 2, 0));
    CHECK_FALSE(InRegion(w, 0, 1));
    CHECK(InRegion(w, 3, 0));
    CHECK(InRegion(w, 1, 1));
    CHECK_FALSE(InRegion(w, size.cx - 1, 0));
    CHECK_FALSE(InRegion(w, size.cx - 3, 0));
    CHECK(InRegion(w, size.cx - 4, 0));
    CHECK(InRegion(w, 0, size.cy - 1));
    CHECK(InRegion(w, size.cx - 1, size.cy - 1));
    for (int x = kL; x < size.cx - kR; x += 37)
        for (int y = kC; y < size.cy - kB; y += 29)
            CHECK(InRegion(w, x, y));

    TWinSkinForm* frame = f.Frame(w);
    const int builds = frame->RegionBuilds;
    CHECK(builds >= 1);
    SUBCASE("moving keeps the region, resizing rebuilds it at the new edge")
    {
        SetWindowPos(w, nullptr, 80, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        CHECK(frame->RegionBuilds == builds);
        SetWindowPos(w, nullptr, 0, 0, size.cx + 50, size.cy + 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        CHECK(frame->RegionBuilds == builds + 1);
        CHECK_FALSE(InRegion(w, size.cx + 49, 0));
        CHECK(InRegion(w, size.cx - 1, 0));
        CHECK(InRegion(w, size.cx + 49, size.cy + 19));
    }
    SUBCASE("without transparent side and top borders the region is the whole window")
    {
        std::string ini = FirstIni();
        for (std::string key : {"LeftTrans=", "RightTrans="})
            ini.replace(ini.find(key + "1"), key.size() + 1, key + "0");
        TRuntimeFixture plain(true, ini);
        HWND p = plain.SkinnedWindow();
        CHECK(InRegion(p, 0, 0));
        CHECK(InRegion(p, WindowSize(p).cx - 1, 0));
    }
}

TEST_CASE("pixels: the borders, the caption and the buttons come from the skin's images")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    const SIZE size = WindowSize(w);
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame->ActiveFlag);
    CHECK(ScreenPixel(w, 1, 100) == ToColorRef(kLeft));
    CHECK(ScreenPixel(w, size.cx - 2, 100) == ToColorRef(kRight));
    CHECK(ScreenPixel(w, 100, size.cy - 2) == ToColorRef(kBottom));
    CHECK(ScreenPixel(w, kL + 2, 2) == ToColorRef(kTop));
    CHECK(ScreenPixel(w, kL + 2, kC - 1) == ToColorRef(kTop));
    // The close button's first cell, its magenta corner left out.
    const int closeX = size.cx - 32;
    CHECK(ScreenPixel(w, closeX + 5, 5 + 5) == ToColorRef(kClose));
    CHECK(ScreenPixel(w, closeX, 5) == ToColorRef(kTop));
    // Maximize shows beside minimize, in its disabled cell: the window has no maximize box.
    CHECK(ScreenPixel(w, size.cx - 58 + 5, 10) == ToColorRef(Cell(kMaximize, 4)));
    CHECK(ScreenPixel(w, size.cx - 84 + 5, 10) == ToColorRef(kMinimize));
    // The client area of a bare window is filled with the skin's face colour.
    CHECK(ScreenPixel(w, kL + 50, kC + 50) == ToColorRef(kFace));

    SUBCASE("an inactive window shows the second cells")
    {
        HWND other = f.SkinnedWindow({.X = 600});
        REQUIRE(GetActiveWindow() == other);
        Pump();
        CHECK_FALSE(frame->ActiveFlag);
        CHECK(ScreenPixel(w, 1, 100) == ToColorRef(kLeftInactive));
        CHECK(ScreenPixel(w, kL + 2, 2) == ToColorRef(kTopInactive));
        CHECK(ScreenPixel(w, 100, size.cy - 2) == ToColorRef(kBottomInactive));
        CHECK(ScreenPixel(w, closeX + 5, 10) == ToColorRef(Cell(kClose, 4)));
    }
}

TEST_CASE("the caption text: placed by the title object, cut before the caption buttons")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Title = L"Short"});
    TWinSkinForm* frame = f.Frame(w);
    const SIZE size = WindowSize(w);
    const TSkinRect shortText = frame->CaptionTextRect;
    CHECK(shortText.Left == kL + 30);
    CHECK(shortText.Right < size.cx / 2);
    bool white = false;
    for (int x = shortText.Left; x < shortText.Right && !white; ++x)
        for (int y = shortText.Top; y < shortText.Bottom && !white; ++y)
            white = ScreenPixel(w, x, y) == ToColorRef(kCaptionText);
    CHECK(white);

    SetWindowTextW(w, std::wstring(200, L'W').c_str());
    Pump();
    const TSkinRect longText = frame->CaptionTextRect;
    CHECK(longText.Right == size.cx - kR - 92);
    CHECK(longText.Right < size.cx - 84);
    // Nothing of the text reaches past the cut.
    for (int x = longText.Right; x < size.cx - 84; ++x)
        for (int y = longText.Top; y < longText.Bottom; ++y)
            REQUIRE(ScreenPixel(w, x, y) == ToColorRef(kTop));
}

namespace {

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefMDIChildProcW(window, msg, wp, lp);
}

} // namespace

TEST_CASE("MDI: the frame finds its client, a child is framed as it is created")
{
    TRuntimeFixture f;
    HWND frameWindow = f.Window({.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, .ClientWidth = 500,
                                 .ClientHeight = 360});
    CLIENTCREATESTRUCT ccs{nullptr, 100};
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 500, 360,
                                  frameWindow, nullptr, GetModuleHandleW(nullptr), &ccs);
    REQUIRE(client);
    ShowWindow(frameWindow, SW_SHOW);
    REQUIRE(f.WaitReady(frameWindow));
    CHECK(f.Frame(frameWindow)->FormKind == fkMdiFrame);
    CHECK(f.Manager().MdiClient == client);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MdiChildProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuorlenSkinMdiChild";
    RegisterClassExW(&wc);
    MDICREATESTRUCTW mcs{L"QuorlenSkinMdiChild", L"child", GetModuleHandleW(nullptr), 10, 10, 200, 150,
                         WS_OVERLAPPEDWINDOW, 0};
    auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    REQUIRE(child);
    TWinSkinForm* childFrame = f.Frame(child);
    REQUIRE(childFrame);
    CHECK(childFrame->FormKind == fkMdiChild);
    REQUIRE(f.WaitReady(child));
    CHECK(childFrame->BorderKind == bkSizeable);
    CHECK(SendMessageW(child, SKINMSG_QUERY, 0, 0) == 1);
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump();
    CHECK(f.Frame(child) == nullptr);
}

TEST_CASE("a title background image lies behind the caption text, padded on both sides")
{
    constexpr TColour kTitle = Rgb(250, 200, 60);
    std::string ini = FirstIni();
    ini.replace(ini.find("TextAlignment=0"), 15, "TextAlignment=0\nTextBack=title.bmp\nTXTBackleft=4\nTXTBackRight=6");
    std::map<std::string, TSkinImage> images = FirstImages();
    images["title.bmp"] = Cells(2, 20, kC, kTitle, true, Rgb(120, 100, 30));
    TRuntimeFixture f(true, ini, images);
    HWND w = f.SkinnedWindow({.Title = L"Title"});
    TWinSkinForm& frame = *f.Frame(w);
    const TSkinRect text = frame.CaptionTextRect;
    CHECK(text.Left == kL + 30);
    CHECK(ScreenPixel(w, text.Left + 1, 1) == ToColorRef(kTitle));
    CHECK(ScreenPixel(w, text.Right - 1, kC - 2) == ToColorRef(kTitle));
    CHECK(ScreenPixel(w, text.Left - 1, 1) == ToColorRef(kTop));
    CHECK(ScreenPixel(w, text.Right, 1) == ToColorRef(kTop));
    // The text stays inside the padding.
    for (int y = 0; y < kC; ++y) {
        CHECK(ScreenPixel(w, text.Left + 2, y) == ToColorRef(kTitle));
        CHECK(ScreenPixel(w, text.Right - 4, y) == ToColorRef(kTitle));
    }
}
