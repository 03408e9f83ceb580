// The system menu under the skin: drawn by the skin while it is open, its
// items' states and commands the system's own, nothing left owner-drawn after
// it closes or the skin goes; and the measuring of menu items that are not the
// form's own.
#include "tests/skin_runtime/runtime_fixture.h"
#include "tests/support/menu_items.h"

#include <algorithm>

#include "ui/skin/gdi_canvas.h"
#include "ui/skin/win_skin_menu.h"

using namespace testskin;

namespace {

constexpr COLORREF kMenuFace = RGB(250, 248, 240);  // "Menu" of the first test skin

bool Has(const std::vector<UINT>& v, UINT x) { return std::find(v.begin(), v.end(), x) != v.end(); }

std::vector<std::wstring> ItemTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {0};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
        texts.emplace_back(text);
    }
    return texts;
}

bool Grayed(HMENU menu, UINT command) { return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0; }

// The mnemonic of a menu item's text, lower case.
wchar_t Mnemonic(HMENU menu, UINT command)
{
    wchar_t text[256] = {0};
    GetMenuStringW(menu, command, text, 255, MF_BYCOMMAND);
    const wchar_t* amp = wcschr(text, L'&');
    return amp && amp[1] ? static_cast<wchar_t>(towlower(amp[1])) : 0;
}

// What a timer sees of the system menu while it is open.
struct TSysMenuWatch {
    HWND Owner = nullptr;
    HMENU Menu = nullptr;
    bool Seen = false;
    bool Skinned = false;
    bool SameMenu = false;
    int OwnerDrawn = 0;
    COLORREF ItemPixel = CLR_INVALID;
    bool RestoreGrayed = false, MoveGrayed = false, SizeGrayed = false, MinimizeGrayed = false,
         MaximizeGrayed = false;
    LRESULT MenuCharClose = 0;
    // Then: a key to choose an item with, or stop the skin and look again.
    wchar_t Key = 0;
    bool StopSkin = false;
    TSkinData* Data = nullptr;
    int OwnerDrawnAfterStop = -1;
    int Ticks = 0;
};
TSysMenuWatch g_sys;

void CALLBACK WatchSystemMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    ++g_sys.Ticks;
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    const bool open = menuWindow && IsWindowVisible(menuWindow);
    if (open && !g_sys.Seen) {
        g_sys.Seen = true;
        g_sys.Skinned = SendMessageW(menuWindow, SKINMSG_QUERY, 0, 0) == 1;
        g_sys.SameMenu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0)) == g_sys.Menu;
        g_sys.OwnerDrawn = OwnerDrawnItems(g_sys.Menu);
        UpdateWindow(menuWindow);
        RECT item{};
        if (GetMenuItemRect(nullptr, g_sys.Menu, 0, &item)) {
            HDC screen = GetDC(nullptr);
            g_sys.ItemPixel = GetPixel(screen, item.left + 3, (item.top + item.bottom) / 2);
            ReleaseDC(nullptr, screen);
        }
        g_sys.RestoreGrayed = Grayed(g_sys.Menu, SC_RESTORE);
        g_sys.MoveGrayed = Grayed(g_sys.Menu, SC_MOVE);
        g_sys.SizeGrayed = Grayed(g_sys.Menu, SC_SIZE);
        g_sys.MinimizeGrayed = Grayed(g_sys.Menu, SC_MINIMIZE);
        g_sys.MaximizeGrayed = Grayed(g_sys.Menu, SC_MAXIMIZE);
        g_sys.MenuCharClose = SendMessageW(g_sys.Owner, WM_MENUCHAR, MAKEWPARAM(Mnemonic(g_sys.Menu, SC_CLOSE), MF_POPUP),
                                           reinterpret_cast<LPARAM>(g_sys.Menu));
        if (g_sys.Key) {
            PostMessageW(g_sys.Owner, WM_CHAR, g_sys.Key, 0);
            KillTimer(nullptr, id);
            return;
        }
        if (g_sys.StopSkin) {
            g_sys.Data->SetActive(false);
            return;  // the stop runs on the manager's timer, inside the menu's loop
        }
        EndMenu();
        KillTimer(nullptr, id);
        return;
    }
    if (open && g_sys.StopSkin && WinSkinManager() && !WinSkinManager()->CommandPending() &&
        WinSkinManager()->Frames().empty()) {
        g_sys.OwnerDrawnAfterStop = OwnerDrawnItems(g_sys.Menu);
        EndMenu();
        KillTimer(nullptr, id);
        return;
    }
    if (g_sys.Ticks > 80) {
        EndMenu();
        KillTimer(nullptr, id);
    }
}

void WatchNextSystemMenu(HWND w)
{
    g_sys = {};
    g_sys.Owner = w;
    g_sys.Menu = GetSystemMenu(w, FALSE);
    SetTimer(nullptr, 0, 50, WatchSystemMenu);
}

int PositionOf(HMENU menu, UINT command)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == command)
            return i;
    return -1;
}

} // namespace

TEST_CASE("the system menu is drawn by the skin while open and is the window's own menu throughout")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    HMENU sys = GetSystemMenu(w, FALSE);
    const std::vector<std::wstring> before = ItemTexts(sys);
    REQUIRE(before.size() >= 2);
    // Left over from some earlier use: the menu shows the window's real state regardless.
    EnableMenuItem(sys, SC_RESTORE, MF_BYCOMMAND | MF_ENABLED);
    EnableMenuItem(sys, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);

    SUBCASE("opened by a right click on the caption")
    {
        WatchNextSystemMenu(w);
        SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 12));
        REQUIRE(g_sys.Seen);
        CHECK(g_sys.Skinned);
        CHECK(g_sys.SameMenu);
        CHECK(g_sys.OwnerDrawn == static_cast<int>(before.size()));
        CHECK(g_sys.ItemPixel == kMenuFace);
        CHECK(g_sys.RestoreGrayed);
        CHECK(g_sys.SizeGrayed == false);
        CHECK(g_sys.MoveGrayed == false);
        CHECK(g_sys.MinimizeGrayed == false);
        CHECK(g_sys.MaximizeGrayed == false);
        CHECK(g_sys.MenuCharClose == MAKELRESULT(PositionOf(sys, SC_CLOSE), MNC_EXECUTE));
    }
    SUBCASE("opened by Alt+Space, on a maximized window")
    {
        ShowWindow(w, SW_MAXIMIZE);
        Pump();
        WatchNextSystemMenu(w);
        // Alt+Space as the keyboard delivers it: the system turns it into SC_KEYMENU.
        SendMessageW(w, WM_SYSCHAR, ' ', 1 << 29);
        REQUIRE(g_sys.Seen);
        CHECK(g_sys.OwnerDrawn == static_cast<int>(before.size()));
        CHECK_FALSE(g_sys.RestoreGrayed);
        CHECK(g_sys.SizeGrayed);
        CHECK(g_sys.MoveGrayed);
        CHECK(g_sys.MaximizeGrayed);
        CHECK_FALSE(g_sys.MinimizeGrayed);
    }
    SUBCASE("an item chosen by its key sends the window that system command")
    {
        const wchar_t key = Mnemonic(sys, SC_CLOSE);
        REQUIRE(key != 0);
        WatchNextSystemMenu(w);
        g_sys.Key = key;
        SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 12));
        REQUIRE(g_sys.Seen);
        Pump();
        CHECK(Has(WindowLogs()[w].SysCommands, SC_CLOSE));
    }
    Pump();
    CHECK(OwnerDrawnItems(sys) == 0);
    CHECK(ItemTexts(sys) == before);
    CHECK(f.Manager().PopMenuCount() == 0);
    CHECK(f.Manager().MenuKind == 0);
}

TEST_CASE("the skin removed while the system menu is open leaves nothing owner-drawn")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    HMENU sys = GetSystemMenu(w, FALSE);
    const std::vector<std::wstring> before = ItemTexts(sys);
    WatchNextSystemMenu(w);
    g_sys.StopSkin = true;
    g_sys.Data = &f.Data();
    SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 12));
    REQUIRE(g_sys.Seen);
    CHECK(g_sys.OwnerDrawn == static_cast<int>(before.size()));
    CHECK(g_sys.OwnerDrawnAfterStop == 0);
    Pump();
    CHECK(f.Frame(w) == nullptr);
    CHECK(OwnerDrawnItems(sys) == 0);
    CHECK(ItemTexts(sys) == before);
}

TEST_CASE("a system menu left alone is not drawn by a skin without xcSystemMenu")
{
    TRuntimeFixture f;
    f.Data().SkinControls.Exclude(TSkinControlType::xcSystemMenu);
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    WatchNextSystemMenu(w);
    SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, ScreenPoint(w, 150, 12));
    REQUIRE(g_sys.Seen);
    CHECK_FALSE(g_sys.Skinned);
    CHECK(g_sys.OwnerDrawn == 0);
}

namespace {

constexpr UINT kShortItem = 0xF500, kLongItem = 0xF510, kEmptyItem = 0xF520, kEightyItem = 0xF530,
               kSeventyNineItem = 0xF540;

MEASUREITEMSTRUCT Measure(HWND w, UINT id, LRESULT* result = nullptr)
{
    MEASUREITEMSTRUCT mi{};
    mi.CtlType = ODT_MENU;
    mi.itemID = id;
    mi.itemWidth = 12345;
    mi.itemHeight = 12345;
    const LRESULT r = SendMessageW(w, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mi));
    if (result)
        *result = r;
    return mi;
}

SIZE MenuTextSize(const std::wstring& text)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return size;
}

} // namespace

TEST_CASE("owner-drawn menu items that are not the form's own are measured from their text")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    HMENU sys = GetSystemMenu(w, FALSE);
    AppendMenuW(sys, MF_STRING, kShortItem, L"W");
    AppendMenuW(sys, MF_STRING, kLongItem, std::wstring(200, L'W').c_str());
    AppendMenuW(sys, MF_STRING, kEightyItem, std::wstring(80, L'W').c_str());
    AppendMenuW(sys, MF_STRING, kSeventyNineItem, std::wstring(79, L'W').c_str());
    AppendMenuW(sys, MF_STRING, kEmptyItem, L"");

    LRESULT result = 0;
    const MEASUREITEMSTRUCT empty = Measure(w, kEmptyItem, &result);
    CHECK(result == TRUE);
    CHECK(empty.itemHeight == 8);
    CHECK(empty.itemWidth == 26);

    const MEASUREITEMSTRUCT one = Measure(w, kShortItem);
    CHECK(static_cast<int>(one.itemWidth) == MenuTextSize(L"W").cx + 26);
    CHECK(static_cast<int>(one.itemHeight) == MenuTextSize(L"W").cy + 4);

    SUBCASE("the text is read up to 80 characters")
    {
        CHECK(Measure(w, kLongItem).itemWidth == Measure(w, kEightyItem).itemWidth);
        CHECK(Measure(w, kEightyItem).itemWidth > Measure(w, kSeventyNineItem).itemWidth);
    }
    SUBCASE("systems whose GetVersion has the high bit set get 4 more in height")
    {
        const SIZE nt = TextMenuItemSize(30, 16, false, -1, 0x0A280105);
        const SIZE old = TextMenuItemSize(30, 16, false, -1, 0xC0000A04);
        CHECK(nt.cy == 20);
        CHECK(old.cy == 24);
        CHECK(old.cx == nt.cx);
        CHECK(TextMenuItemSize(0, 16, true, 3, 0xC0000A04).cy == 12);
    }
    SUBCASE("the skin's MenuItem object widens the item by its left margin")
    {
        f.Data().MenuItem = std::make_unique<TDataSkinObject>("MenuItem");
        f.Data().MenuItem->LeftWidth = 7;
        CHECK(Measure(w, kShortItem).itemWidth == one.itemWidth + 7);
        CHECK(Measure(w, kEmptyItem).itemWidth == 26 + 7);
    }
    SUBCASE("an item of the pop-up menu opening now is read from that menu")
    {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(popup, MF_STRING, kShortItem + 0x100, L"WWWWWWWWWW");
        AppendMenuW(popup, MF_OWNERDRAW, 0x9000, L"");
        MENUITEMINFOW text{};
        text.cbSize = sizeof text;
        text.fMask = MIIM_STRING;
        text.dwTypeData = const_cast<wchar_t*>(L"WWWWWWWWWW");
        SetMenuItemInfoW(popup, 0x9000, FALSE, &text);
        SendMessageW(w, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        CHECK(static_cast<int>(Measure(w, 0x9000).itemWidth) == MenuTextSize(L"WWWWWWWWWW").cx + 26);
        SendMessageW(w, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        DestroyMenu(popup);
    }
    SUBCASE("a program's own command goes to the window's procedure")
    {
        const MEASUREITEMSTRUCT own = Measure(w, 100, &result);
        CHECK(result == 0);
        CHECK(own.itemWidth == 12345);
        CHECK(own.itemHeight == 12345);
    }
    SUBCASE("drawn from their text in the skin's colours; a program's own are not touched")
    {
        TDibCanvas canvas(120, 20);
        REQUIRE(canvas.Valid());
        canvas.Fill({0, 0, 120, 20}, RGB(1, 2, 3));
        DRAWITEMSTRUCT di{};
        di.CtlType = ODT_MENU;
        di.itemID = 100;
        di.hwndItem = reinterpret_cast<HWND>(sys);
        di.hDC = canvas.DC();
        di.rcItem = {0, 0, 120, 20};
        CHECK(SendMessageW(w, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di)) == 0);
        GdiFlush();
        CHECK(GetPixel(canvas.DC(), 3, 10) == RGB(1, 2, 3));
        di.itemID = kShortItem;
        CHECK(SendMessageW(w, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&di)) == TRUE);
        GdiFlush();
        CHECK(GetPixel(canvas.DC(), 3, 10) == kMenuFace);
    }
}

TEST_CASE("a menu's default item is drawn in bold, and measured so")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame);
    REQUIRE(frame->MenuPainter);
    TSkinMenuPainter& painter = *frame->MenuPainter;
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Close window");
    AppendMenuW(menu, MF_STRING, 2, L"Close window");
    SetMenuDefaultItem(menu, 1, FALSE);
    painter.Prepare(menu);

    auto data_of = [&](UINT id) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_FTYPE;
        GetMenuItemInfoW(menu, id, FALSE, &info);
        CHECK((info.fType & MFT_OWNERDRAW) != 0);
        return info.dwItemData;
    };
    auto measure = [&](UINT id) {
        MEASUREITEMSTRUCT mi{};
        mi.CtlType = ODT_MENU;
        mi.itemID = id;
        mi.itemData = data_of(id);
        REQUIRE(painter.Measure(mi));
        return mi.itemWidth;
    };
    // Pixels of text colour in the drawn item: a bold face lays down more of them.
    auto ink = [&](UINT id) {
        TDibCanvas canvas(160, 22);
        DRAWITEMSTRUCT di{};
        di.CtlType = ODT_MENU;
        di.itemID = id;
        di.itemAction = ODA_DRAWENTIRE;
        di.hwndItem = reinterpret_cast<HWND>(menu);
        di.hDC = canvas.DC();
        di.rcItem = {0, 0, 160, 22};
        di.itemData = data_of(id);
        REQUIRE(painter.Draw(di));
        const COLORREF face = canvas.Pixel(159, 0);
        int count = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 160; ++x)
                count += canvas.Pixel(x, y) != face;
        return count;
    };
    CHECK(measure(1) > measure(2));
    const int bold = ink(1), plain = ink(2);
    CHECK(plain > 0);
    CHECK(bold > plain);
    painter.Restore(menu);
    DestroyMenu(menu);
}
