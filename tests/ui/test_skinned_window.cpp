// The main window under its stored skin, as the program shows it: this
// program carries the skin resource the program does. The frame and the
// pop-up menus; the controls under their painters are skin_controls_tests'.
#define DOCTEST_CONFIG_IMPLEMENT
#include "tests/ui/ui_fixture.h"
#include "tests/support/menu_items.h"

#include <functional>

#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_manage.h"

namespace {

bool PumpUntil(TWindowFixture& f, const std::function<bool()>& done, DWORD limitMs = 3000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        f.Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

TWinSkinForm* FrameOf(HWND w)
{
    TWinSkinManage* manager = WinSkinManager();
    return manager ? manager->FindFrame(w) : nullptr;
}

bool Ready(HWND w)
{
    TWinSkinForm* frame = FrameOf(w);
    return frame && frame->FrameState == fsReady;
}

// What a timer saw of the pop-up menu that was open.
struct TOpenMenu {
    bool Seen = false;
    bool Skinned = false;
    HMENU Menu = nullptr;
    int Items = 0;
    int OwnerDrawn = 0;
};

// Runs open() (which opens a menu and returns when it closes); while the
// menu shows, notes what it is, then leaves it with a key (or closes it).
TOpenMenu WhileOpen(const std::function<void()>& open, wchar_t key = 0)
{
    static TOpenMenu seen;
    static wchar_t leaveKey;
    static int ticks;
    seen = {};
    leaveKey = key;
    ticks = 0;
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            seen.Seen = true;
            seen.Skinned = SendMessageW(menu, SKINMSG_QUERY, 0, 0) == 1;
            seen.Menu = reinterpret_cast<HMENU>(SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
            seen.Items = GetMenuItemCount(seen.Menu);
            seen.OwnerDrawn = OwnerDrawnItems(seen.Menu);
            if (leaveKey)
                PostMessageW(GetForegroundWindow(), WM_CHAR, leaveKey, 0);
            else
                EndMenu();
            KillTimer(nullptr, id);
        } else if (++ticks > 60) {
            EndMenu();
            KillTimer(nullptr, id);
        }
    });
    open();
    return seen;
}

wchar_t Mnemonic(HMENU menu, UINT command)
{
    wchar_t text[256] = {0};
    GetMenuStringW(menu, command, text, 255, MF_BYCOMMAND);
    const wchar_t* amp = wcschr(text, L'&');
    return amp && amp[1] ? static_cast<wchar_t>(towlower(amp[1])) : 0;
}

} // namespace

TEST_CASE("the main window gets its skinned frame when it is first shown, and keeps its client size")
{
    TWindowFixture f;
    HWND w = f.form->Handle();
    REQUIRE(f.form->SkinData1);
    CHECK_FALSE(f.form->SkinData1->SkinEmpty);
    CHECK(f.form->SkinData1->Active);
    CHECK(FrameOf(w) != nullptr);
    REQUIRE(PumpUntil(f, [&] { return Ready(w); }));
    TWinSkinForm& frame = *FrameOf(w);
    CHECK(frame.SkinData() == f.form->SkinData1.get());
    CHECK(frame.Form() == f.form);
    CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1);
    CHECK(frame.Metrics.Caption > 0);
    RECT client, outer;
    GetClientRect(w, &client);
    GetWindowRect(w, &outer);
    CHECK(client.right == 785);
    CHECK(client.bottom == 595);
    CHECK((outer.right - outer.left) == 785 + frame.Metrics.Left + frame.Metrics.Right);
    CHECK((outer.bottom - outer.top) == 595 + frame.Metrics.Caption + frame.Metrics.Bottom);
}

TEST_CASE("the memo's pop-up menu opens skinned, drawn by the skin, and its choice still acts")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    HWND w = form.Handle();
    REQUIRE(PumpUntil(f, [&] { return Ready(w); }));
    HWND memo = form.FlatMemo1->Handle();
    RECT r;
    GetWindowRect(memo, &r);
    // The first letter of no item: the menu closes with nothing chosen.
    const TOpenMenu seen = WhileOpen([&] { SendMessageW(memo, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo),
                                                        MAKELPARAM(r.left + 40, r.top + 40)); });
    REQUIRE(seen.Seen);
    CHECK(seen.Skinned);
    CHECK(seen.Items == 5);
    CHECK(seen.OwnerDrawn == 5);
    f.Pump();
    CHECK(WinSkinManager()->PopMenuCount() == 0);
    // Chosen while skinned, 复制 still copies and confirms.
    f.Choose(*form.N3);
    REQUIRE(f.boxes.size() == 1);
    CHECK(f.boxes[0].Text == L"已经成功复制到剪贴板！");
}

TEST_CASE("the main window's system menu is drawn by the skin and its commands reach the window")
{
    TWindowFixture f;
    HWND w = f.form->Handle();
    REQUIRE(PumpUntil(f, [&] { return Ready(w); }));
    HMENU sys = GetSystemMenu(w, FALSE);
    const wchar_t minimize = Mnemonic(sys, SC_MINIMIZE);
    REQUIRE(minimize != 0);
    RECT outer;
    GetWindowRect(w, &outer);
    const TOpenMenu seen = WhileOpen(
        [&] { SendMessageW(w, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(outer.left + 200, outer.top + 10)); }, minimize);
    REQUIRE(seen.Seen);
    CHECK(seen.Skinned);
    CHECK(seen.Menu == sys);
    CHECK(seen.OwnerDrawn == seen.Items);
    CHECK(PumpUntil(f, [&] { return IsIconic(w) != FALSE; }));
    CHECK(OwnerDrawnItems(sys) == 0);
    CHECK(FrameOf(w)->WindowState == wsMinimized);
}

int main(int argc, char** argv)
{
    doctest::Context context;
    context.applyCommandLine(argc, argv);
    const int result = context.run();
    // The manager goes last, after every window it skinned, as in the program.
    ReleaseSkinManager();
    return result;
}
