// An MDI frame under the skin: the refresh its children ask for when they are
// maximized or restored, the maximized child's items in the skinned menu bar
// (MenuMerge), and a frame re-framed after its program changed its style.
#include "tests/skin_runtime/runtime_fixture.h"

#include <algorithm>

#include "ui/skin/win_skin_menu.h"

using namespace testskin;

namespace {

constexpr UINT kExit = 100;

LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    auto client = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return DefFrameProcW(window, client, msg, wp, lp);
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefMDIChildProcW(window, msg, wp, lp);
}

void RegisterMdiClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpfnWndProc = MdiFrameProc;
    wc.lpszClassName = L"QuorlenMdiFrame";
    RegisterClassExW(&wc);
    wc.lpfnWndProc = MdiChildProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"QuorlenMdiChild";
    RegisterClassExW(&wc);
}

// A frame with a File and a Window menu, its MDI client and one child.
class TMdiWindows {
public:
    explicit TMdiWindows(TRuntimeFixture& f)
    {
        RegisterMdiClasses();
        HMENU file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, kExit, L"E&xit");
        windowMenu_ = CreatePopupMenu();
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu_), L"&Window");
        Frame = CreateWindowExW(0, L"QuorlenMdiFrame", L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 60, 60,
                                640, 420, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
        REQUIRE(Frame);
        CLIENTCREATESTRUCT ccs{windowMenu_, 50000};
        Client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                                 0, 600, 300, Frame, nullptr, GetModuleHandleW(nullptr), &ccs);
        REQUIRE(Client);
        SetWindowLongPtrW(Frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Client));
        ShowWindow(Frame, SW_SHOW);
        SetForegroundWindow(Frame);
        REQUIRE(f.WaitReady(Frame));
        MDICREATESTRUCTW mcs{};
        mcs.szClass = L"QuorlenMdiChild";
        mcs.szTitle = L"Child";
        mcs.hOwner = GetModuleHandleW(nullptr);
        mcs.x = mcs.y = 10;
        mcs.cx = 300;
        mcs.cy = 200;
        mcs.style = WS_OVERLAPPEDWINDOW;
        Child = reinterpret_cast<HWND>(SendMessageW(Client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
        REQUIRE(Child);
        REQUIRE(f.WaitReady(Child));
        Pump();
    }
    ~TMdiWindows()
    {
        if (IsWindow(Frame))
            DestroyWindow(Frame);
        Pump();
    }
    TMdiWindows(const TMdiWindows&) = delete;
    TMdiWindows& operator=(const TMdiWindows&) = delete;

    HWND Frame = nullptr;
    HWND Client = nullptr;
    HWND Child = nullptr;

private:
    HMENU windowMenu_ = nullptr;
};

std::vector<std::wstring> BarTexts(const TWinSkinMenu& bar)
{
    std::vector<std::wstring> texts;
    for (size_t i = 0; i < bar.ItemCount(); ++i)
        texts.push_back(bar.Item(i).Text);
    return texts;
}

int MergedItems(const TWinSkinMenu& bar)
{
    int count = 0;
    for (size_t i = 0; i < bar.ItemCount(); ++i)
        count += bar.Item(i).Merged;
    return count;
}

const TMenuBtn* ItemWithCommand(const TWinSkinMenu& bar, UINT command)
{
    for (size_t i = 0; i < bar.ItemCount(); ++i)
        if (bar.Item(i).Merged && bar.Item(i).Command == command)
            return &bar.Item(i);
    return nullptr;
}

} // namespace

TEST_CASE("an MDI frame's skinned menu bar follows its maximized child")
{
    TRuntimeFixture f;
    TMdiWindows mdi(f);
    TWinSkinForm& frame = *f.Frame(mdi.Frame);
    REQUIRE(frame.FormKind == fkMdiFrame);
    REQUIRE(frame.MenuBar);
    const std::vector<std::wstring> own{L"&File", L"&Window"};
    CHECK(BarTexts(*frame.MenuBar) == own);
    CHECK_FALSE(f.Manager().MdiMaximized);

    SUBCASE("MenuMerge off: the bar keeps the frame's own menu while the child is maximized")
    {
        SendMessageW(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(mdi.Child), 0);
        REQUIRE(PumpUntil([&] { return f.Manager().MdiMaximized; }));
        Pump();
        // The system put the child's items into the native menu; the bar leaves them out.
        CHECK(GetMenuItemCount(GetMenu(mdi.Frame)) > 2);
        CHECK(BarTexts(*frame.MenuBar) == own);
        SendMessageW(mdi.Client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(mdi.Child), 0);
        CHECK(PumpUntil([&] { return !f.Manager().MdiMaximized; }));
        CHECK(BarTexts(*frame.MenuBar) == own);
    }
    SUBCASE("MenuMerge on: the child's system menu and buttons join the bar and act on the child")
    {
        f.Data().MenuMerge = true;
        SendMessageW(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(mdi.Child), 0);
        REQUIRE(PumpUntil([&] { return f.Manager().MdiMaximized && MergedItems(*frame.MenuBar) > 0; }));
        const TWinSkinMenu& bar = *frame.MenuBar;
        CHECK(bar.ItemCount() == static_cast<size_t>(GetMenuItemCount(GetMenu(mdi.Frame))));
        CHECK(bar.Item(0).Merged);  // the child's system menu comes first
        CHECK(bar.Item(0).Text.empty());
        const TMenuBtn* restore = ItemWithCommand(bar, SC_RESTORE);
        REQUIRE(restore);
        CHECK(ItemWithCommand(bar, SC_CLOSE) != nullptr);
        // The frame's own items keep their places and names.
        std::vector<std::wstring> frameItems;
        for (size_t i = 0; i < bar.ItemCount(); ++i)
            if (!bar.Item(i).Merged)
                frameItems.push_back(bar.Item(i).Text);
        CHECK(frameItems == own);
        // Laid out: the buttons at the strip's right end.
        SendMessageW(mdi.Frame, SKINMSG_REPAINT, 0, 0);
        const int right = WindowSize(mdi.Frame).cx - frame.Metrics.Right;
        CHECK(bar.Item(bar.ItemCount() - 1).BoundsRect.Right >= right - 4);
        CHECK(bar.Item(bar.ItemCount() - 1).BoundsRect.Right <= right);
        CHECK(restore->BoundsRect.Left > bar.Item(2).BoundsRect.Right);
        // Clicking the restore item restores the child, and the bar is the frame's again.
        frame.MenuBar->Open(restore->Index);
        CHECK(PumpUntil([&] { return IsZoomed(mdi.Child) == FALSE && !f.Manager().MdiMaximized; }));
        CHECK(PumpUntil([&] { return MergedItems(*frame.MenuBar) == 0; }));
        CHECK(BarTexts(*frame.MenuBar) == own);
        CHECK(IsWindow(mdi.Frame));
    }
}

TEST_CASE("SKINMSG_MDIREFRESH makes the frame's bar read its menu again")
{
    TRuntimeFixture f;
    TMdiWindows mdi(f);
    TWinSkinForm& frame = *f.Frame(mdi.Frame);
    REQUIRE(frame.MenuBar);
    AppendMenuW(GetMenu(mdi.Frame), MF_STRING, 200, L"&Help");
    CHECK(frame.MenuBar->ItemCount() == 2);
    SendMessageW(mdi.Frame, SKINMSG_MDIREFRESH, 0, 0);
    CHECK(frame.MenuBar->ItemCount() == 3);
    SUBCASE("a window that is no MDI frame ignores it")
    {
        HWND plain = f.SkinnedWindow();
        CHECK(SendMessageW(plain, SKINMSG_MDIREFRESH, 0, 0) == 0);
        CHECK(f.Frame(plain)->FormKind == fkPlain);
    }
}

TEST_CASE("SKINMSG_REFRAME takes in a style the program changed")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    TWinSkinForm& frame = *f.Frame(w);
    REQUIRE(frame.BorderKind == bkSizeable);
    REQUIRE((frame.CaptionStyle & csMaxBox) != 0);
    const SIZE outer = WindowSize(w);

    SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_THICKFRAME | WS_MAXIMIZEBOX));
    SendMessageW(w, SKINMSG_REFRAME, 0, 0);
    CHECK(frame.BorderKind == bkFixed);
    CHECK((frame.CaptionStyle & csMaxBox) == 0);
    // The frame took WS_SYSMENU away itself: the window still has its system menu.
    CHECK((frame.CaptionStyle & csSysMenu) != 0);
    CHECK(frame.Metrics == TFrameMetrics{kL, kC, kR, kB, 0});
    CHECK(WindowSize(w).cx == outer.cx);
    CHECK(WindowSize(w).cy == outer.cy);
    for (auto& b : frame.Buttons)
        if (b->Def.Action == 1)
            CHECK_FALSE(b->Enabled);

    SUBCASE("no caption any more: no frame either")
    {
        SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
        SendMessageW(w, SKINMSG_REFRAME, 0, 0);
        CHECK(frame.BorderKind == bkNone);
        CHECK(frame.Metrics == TFrameMetrics{});
        CHECK(ClientSize(w).cx == outer.cx);
        CHECK(ClientSize(w).cy == outer.cy);
    }
}
