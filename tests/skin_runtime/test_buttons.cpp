// Caption buttons on a real frame: which show, where, how they look in each
// state, what a click on them does, the icon's clicks and the hints.
#include "tests/skin_runtime/runtime_fixture.h"

#include <algorithm>

#include "ui/skin/skin_hint.h"

using namespace testskin;

namespace {

TWinSysButton* ButtonWithAction(TWinSkinForm& frame, int action, bool visibleOnly = true)
{
    for (auto& b : frame.Buttons)
        if (b->Def.Action == action && (!visibleOnly || b->Visible))
            return b.get();
    return nullptr;
}

POINT Centre(const TWinSysButton& b)
{
    return {(b.BoundsRect.Left + b.BoundsRect.Right) / 2, (b.BoundsRect.Top + b.BoundsRect.Bottom) / 2};
}

bool Has(const std::vector<UINT>& v, UINT x) { return std::find(v.begin(), v.end(), x) != v.end(); }

void Click(HWND w, POINT p)
{
    const LPARAM at = ScreenPoint(w, p.x, p.y);
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, at);
    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, at);
}

} // namespace

TEST_CASE("layout and visibility of the caption buttons on the main window's kind of frame")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    TWinSkinForm& frame = *f.Frame(w);
    const int width = WindowSize(w).cx;
    REQUIRE(frame.Buttons.size() == f.Data().SysButtons.size());

    TWinSysButton* close = ButtonWithAction(frame, 0);
    REQUIRE(close);
    CHECK(close->BoundsRect == TSkinRect{width - 32, 5, width - 8, 23});
    TWinSysButton* minimize = ButtonWithAction(frame, 2);
    REQUIRE(minimize);
    CHECK(minimize->BoundsRect.Left == width - 84);
    CHECK(minimize->Enabled);
    TWinSysButton* icon = ButtonWithAction(frame, 3);
    REQUIRE(icon);
    CHECK(icon->BoundsRect == TSkinRect{8, 6, 8 + GetSystemMetrics(SM_CXSMICON), 6 + GetSystemMetrics(SM_CYSMICON)});
    // Maximize shows (code 2 and 6) but cannot act without a maximize box; restore and help stay hidden.
    int maximizes = 0;
    for (auto& b : frame.Buttons) {
        if (b->Def.Action == 1 && b->Visible) {
            ++maximizes;
            CHECK_FALSE(b->Enabled);
            CHECK(b->Def.Visibility == 2);
        }
    }
    CHECK(maximizes == 1);
    CHECK(ButtonWithAction(frame, 4) == nullptr);
    // The custom button's condition 1500 is the window's to answer; it has not.
    CHECK(ButtonWithAction(frame, 50) == nullptr);

    SUBCASE("a window that answers SKINMSG_BUTTONVISIBLE shows the custom button after the caption text")
    {
        WindowLogs()[w].ButtonVisibleAnswer = 1;
        SendMessageW(w, SKINMSG_REPAINT, 0, 0);
        TWinSysButton* custom = ButtonWithAction(frame, 50);
        REQUIRE(custom);
        CHECK(custom->BoundsRect.Left == frame.CaptionTextRect.Right + 4);
        CHECK(ScreenPixel(w, custom->BoundsRect.Left + 3, custom->BoundsRect.Top + 3) == ToColorRef(kCustom));
        Click(w, Centre(*custom));
        Pump();
        REQUIRE(WindowLogs()[w].ButtonClicks.size() == 1);
        CHECK(WindowLogs()[w].ButtonClicks[0] == 50);
    }
}

TEST_CASE("the buttons follow the window's boxes and frame")
{
    TRuntimeFixture f;
    SUBCASE("maximize box: maximize enabled, restore when maximized")
    {
        HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
        TWinSkinForm& frame = *f.Frame(w);
        TWinSysButton* max = ButtonWithAction(frame, 1);
        REQUIRE(max);
        CHECK(max->Enabled);
        CHECK(max->Def.Visibility == 2);
        frame.WindowState = wsMaximized;
        frame.LayoutCaptionButtons();
        max = ButtonWithAction(frame, 1);
        REQUIRE(max);
        CHECK(max->Def.Visibility == 1);
        frame.WindowState = wsNormal;
    }
    SUBCASE("context help without boxes: the help button, no minimize")
    {
        HWND w = f.SkinnedWindow({.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU, .ExStyle = WS_EX_CONTEXTHELP});
        TWinSkinForm& frame = *f.Frame(w);
        CHECK(ButtonWithAction(frame, 4) != nullptr);
        CHECK(ButtonWithAction(frame, 2) == nullptr);
        CHECK(ButtonWithAction(frame, 1) == nullptr);
        Click(w, Centre(*ButtonWithAction(frame, 4)));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_CONTEXTHELP));
    }
    SUBCASE("a dialog frame has no icon; no system menu, no close")
    {
        HWND w = f.SkinnedWindow({.Style = WS_POPUP | WS_CAPTION, .ExStyle = WS_EX_DLGMODALFRAME});
        TWinSkinForm& frame = *f.Frame(w);
        CHECK(frame.BorderKind == bkDialog);
        CHECK(ButtonWithAction(frame, 3) == nullptr);
        CHECK(ButtonWithAction(frame, 0) == nullptr);
    }
}

TEST_CASE("hot, pressed and released: the close button's states and its action")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    TWinSkinForm& frame = *f.Frame(w);
    TWinSysButton* close = ButtonWithAction(frame, 0);
    REQUIRE(close);
    const POINT c = Centre(*close);
    const LPARAM at = ScreenPoint(w, c.x, c.y);

    CHECK(SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, at) == 0);
    CHECK(frame.Hot == close);
    CHECK(close->ButtonState == nbHot);
    CHECK(ScreenPixel(w, c.x, c.y) == ToColorRef(Cell(kClose, 3)));

    SendMessageW(w, WM_NCLBUTTONDOWN, HTCAPTION, at);
    CHECK(close->ButtonState == nbPressed);
    CHECK(ScreenPixel(w, c.x, c.y) == ToColorRef(Cell(kClose, 2)));
    CHECK(WindowLogs()[w].NcLButtonDownCodes.empty());

    SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, at);
    CHECK(close->ButtonState == nbHot);
    Pump();
    CHECK(Has(WindowLogs()[w].SysCommands, SC_CLOSE));

    SUBCASE("leaving the button puts it back to normal")
    {
        SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(w, 150, 12));
        CHECK(frame.Hot == nullptr);
        CHECK(close->ButtonState == nbNormal);
        CHECK(ScreenPixel(w, c.x, c.y) == ToColorRef(kClose));
    }
    SUBCASE("a release without the button being hot does nothing")
    {
        SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(w, 150, 12));
        WindowLogs()[w].SysCommands.clear();
        SendMessageW(w, WM_NCLBUTTONUP, HTCAPTION, at);
        Pump();
        CHECK(WindowLogs()[w].SysCommands.empty());
    }
}

TEST_CASE("minimize, maximize and the disabled cell")
{
    TRuntimeFixture f;
    SUBCASE("minimize posts SC_MINIMIZE and gives the system menu back for the minimized window")
    {
        HWND w = f.SkinnedWindow();
        TWinSkinForm& frame = *f.Frame(w);
        Click(w, Centre(*ButtonWithAction(frame, 2)));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_MINIMIZE));
        CHECK(frame.WindowState == wsMinimized);
        CHECK((GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU) != 0);
    }
    SUBCASE("a disabled maximize does nothing, pressed or not")
    {
        HWND w = f.SkinnedWindow();
        TWinSkinForm& frame = *f.Frame(w);
        TWinSysButton* max = ButtonWithAction(frame, 1);
        REQUIRE(max);
        const POINT c = Centre(*max);
        SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(w, c.x, c.y));
        CHECK(ScreenPixel(w, c.x, c.y) == ToColorRef(Cell(kMaximize, 4)));
        Click(w, c);
        Pump();
        CHECK_FALSE(Has(WindowLogs()[w].SysCommands, SC_MAXIMIZE));
    }
    SUBCASE("maximize and restore on a window that has the box")
    {
        HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
        TWinSkinForm& frame = *f.Frame(w);
        Click(w, Centre(*ButtonWithAction(frame, 1)));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_MAXIMIZE));
        CHECK(frame.WindowState == wsMaximized);
        SendMessageW(w, SKINMSG_REPAINT, 0, 0);
        TWinSysButton* restore = ButtonWithAction(frame, 1);
        REQUIRE(restore);
        CHECK(restore->Def.Visibility == 1);
        Click(w, Centre(*restore));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_RESTORE));
        CHECK(frame.WindowState == wsNormal);
    }
    SUBCASE("a double click on the caption maximizes a window with the box")
    {
        HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
        SendMessageW(w, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(w, 150, 12));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_MAXIMIZE));
    }
}

namespace {

struct TMenuWatch {
    bool Seen = false;
    bool Skinned = false;
    int Ticks = 0;
};
TMenuWatch g_menuWatch;

void CALLBACK CloseMenuSoon(HWND, UINT, UINT_PTR id, DWORD)
{
    ++g_menuWatch.Ticks;
    if (HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) {
        g_menuWatch.Seen = true;
        g_menuWatch.Skinned = SendMessageW(menu, SKINMSG_QUERY, 0, 0) == 1;
        EndMenu();
        KillTimer(nullptr, id);
    } else if (g_menuWatch.Ticks > 40) {
        EndMenu();
        KillTimer(nullptr, id);
    }
}

} // namespace

TEST_CASE("the icon: a click opens the system menu, a double click closes the window")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    TWinSkinForm& frame = *f.Frame(w);
    TWinSysButton* icon = ButtonWithAction(frame, 3);
    REQUIRE(icon);
    const POINT c = Centre(*icon);

    SUBCASE("a single click: the system menu, skinned, closed again by a timer")
    {
        g_menuWatch = {};
        SetTimer(nullptr, 0, 50, CloseMenuSoon);
        Click(w, c);
        CHECK(g_menuWatch.Seen);
        CHECK(g_menuWatch.Skinned);
        Pump();
        CHECK(f.Manager().PopMenuCount() == 0);
        CHECK(f.Manager().MenuKind == 0);
        CHECK(IsWindow(w));
    }
    SUBCASE("a double click posts SC_CLOSE")
    {
        SendMessageW(w, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(w, c.x, c.y));
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_CLOSE));
    }
    SUBCASE("a right click on the caption opens the system menu too")
    {
        g_menuWatch = {};
        SetTimer(nullptr, 0, 50, CloseMenuSoon);
        SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 12));
        CHECK(g_menuWatch.Seen);
    }
}

TEST_CASE("the hint names the button the cursor rests on")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    TWinSkinForm& frame = *f.Frame(w);
    TWinSysButton* close = ButtonWithAction(frame, 0);
    REQUIRE(close);
    TApplication& app = *Application();
    const int pause = app.HintPause;
    app.HintPause = 0;
    const POINT c = Centre(*close);
    RECT wr;
    GetWindowRect(w, &wr);
    SetCursorPos(wr.left + c.x, wr.top + c.y);
    SendMessageW(w, WM_NCMOUSEMOVE, HTCAPTION, ScreenPoint(w, c.x, c.y));
    TSkinDataRuntime& runtime = f.Manager().Runtime(f.Data());
    CHECK(PumpUntil([&] { return runtime.Hint && runtime.Hint->Visible(); }));
    REQUIRE(runtime.Hint);
    CHECK(runtime.Hint->Text() == L"Close");
    SUBCASE("the cursor leaves: the button is normal and the hint gone")
    {
        SetCursorPos(wr.left + 150, wr.top + 100);
        CHECK(PumpUntil([&] { return frame.Hot == nullptr; }));
        CHECK_FALSE(runtime.Hint->Visible());
        CHECK(close->ButtonState == nbNormal);
    }
    SUBCASE("without xoCaptionButtonHint no hint shows")
    {
        runtime.Hint->Hide();
        runtime.HintShown = false;
        runtime.HintElapsed = 0;
        f.Data().Options.Exclude(TSkinOption::xoCaptionButtonHint);
        PumpUntil([] { return false; }, 600);
        CHECK_FALSE(runtime.Hint->Visible());
    }
    app.HintPause = pause;
}
