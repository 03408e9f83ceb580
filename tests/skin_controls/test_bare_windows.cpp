// Windows without a widget-set control, painted by window class and style: a
// real message box, and check boxes and radio buttons of the system.
#include "tests/ui/ui_fixture.h"

#include "tests/skin_controls/skinned_window.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_checks.h"

using namespace skin_colours;

namespace {

std::wstring ClassOf(HWND w)
{
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

// Two images of 8 cells (13 x 13): unchecked normal, hot, pressed, disabled, then checked.
TColour CheckColour(int cell) { return Rgb(200, 20 * cell, 100); }
TColour RadioColour(int cell) { return Rgb(100, 20 * cell, 200); }

std::string CheckSkinIni()
{
    return TestSkinIni("") + "CheckButton=check.bmp\nRadioButton=radio.bmp\nCheckButtonFrame=8\nRadioButtonFrame=8\n";
}

std::map<std::string, TSkinImage> CheckSkinBitmaps()
{
    return {{"check.bmp", SolidCells(8, 13, 13, CheckColour)}, {"radio.bmp", SolidCells(8, 13, 13, RadioColour)}};
}

} // namespace

TEST_CASE("A message box: its buttons get the button painter, its text and icon stay native, OK still closes it")
{
    TSkinnedWindow w;
    w.Show();
    std::unique_ptr<TSkinControlList> painters;
    int buttons = 0, skinnedButtons = 0, statics = 0, skinnedStatics = 0;
    COLORREF okCentre = 0;
    HWND ok = nullptr;
    TTimerScript script([&] {
        HWND box = FindDialogBox();
        if (!box)
            return false;
        painters = std::make_unique<TSkinControlList>(nullptr, w.data);
        SkinChildWindows(*painters, box);
        for (HWND c = GetTopWindow(box); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const std::wstring cls = ClassOf(c);
            TSkinControl* p = TSkinControl::FromWindow(c);
            if (_wcsicmp(cls.c_str(), L"Button") == 0) {
                ++buttons;
                skinnedButtons += dynamic_cast<TSkinButton*>(p) != nullptr;
                if (GetDlgCtrlID(c) == IDOK)
                    ok = c;
            } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
                ++statics;
                skinnedStatics += p != nullptr;
            }
        }
        if (ok) {
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            RECT r;
            GetClientRect(ok, &r);
            okCentre = WindowPixel(ok, r.right / 2, 5);
            // A press and release on the skinned OK: the painter delivers the click.
            SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
            SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 2));
        }
        return true;
    });
    const int answer = MessageBoxW(w.form->Handle(), L"The text of the box", L"Information", MB_OKCANCEL |
                                                                                                  MB_ICONINFORMATION);
    CHECK(answer == IDOK);
    CHECK(buttons == 2);
    CHECK(skinnedButtons == 2);
    CHECK(statics >= 1);
    CHECK(skinnedStatics == 0);
    REQUIRE(ok != nullptr);
    // OK is the default button: the focused cell.
    CHECK(okCentre == Ref(ButtonCentre(5)));
    // The box is gone: its painters are dead and go at the next purge.
    painters->PurgeDead();
    CHECK(painters->Count() == 0);
}

TEST_CASE("System check boxes and radio buttons show the skin's cells for their state and keep toggling")
{
    TSkinnedWindow w(CheckSkinIni(), CheckSkinBitmaps());
    w.Show();
    HWND parent = w.form->Handle();
    HWND check = CreateWindowExW(0, L"BUTTON", L"Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 120, 20,
                                 parent, reinterpret_cast<HMENU>(501), GetModuleHandleW(nullptr), nullptr);
    HWND radio = CreateWindowExW(0, L"BUTTON", L"Radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 40, 120, 20,
                                 parent, reinterpret_cast<HMENU>(502), GetModuleHandleW(nullptr), nullptr);
    REQUIRE(check);
    REQUIRE(radio);
    SkinChildWindows(*w.frame, parent);
    CHECK(dynamic_cast<TSkinCheckBox*>(TSkinControl::FromWindow(check)) != nullptr);
    CHECK(dynamic_cast<TSkinRadioButton*>(TSkinControl::FromWindow(radio)) != nullptr);
    w.Settle();
    CHECK(WindowPixel(check, 6, 10) == Ref(CheckColour(1)));
    CHECK(WindowPixel(radio, 6, 10) == Ref(RadioColour(1)));
    // A click toggles it, as ever; the checked cell shows.
    SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 10));
    SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(6, 10));
    PumpMessages();
    CHECK(SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(WindowPixel(check, 6, 10) != Ref(CheckColour(1)));
    SendMessageW(check, WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    CHECK(WindowPixel(check, 6, 10) == Ref(CheckColour(5)));
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    PumpMessages();
    CHECK(WindowPixel(radio, 6, 10) == Ref(RadioColour(5)));
    // The caption is still there, right of the box.
    CHECK(TWindowShot(check).CountDark() > 5);
    EnableWindow(check, FALSE);
    PumpMessages();
    CHECK(WindowPixel(check, 6, 10) == Ref(CheckColour(8)));
    DestroyWindow(check);
    DestroyWindow(radio);
}

TEST_CASE("Cells of check and radio images")
{
    CHECK(CheckCell(8, BST_UNCHECKED, true, false, false) == 1);
    CHECK(CheckCell(8, BST_UNCHECKED, true, false, true) == 2);
    CHECK(CheckCell(8, BST_UNCHECKED, true, true, true) == 3);
    CHECK(CheckCell(8, BST_CHECKED, false, true, true) == 8);
    CHECK(CheckCell(8, BST_INDETERMINATE, true, false, false) == 5);
    CHECK(CheckCell(12, BST_INDETERMINATE, true, false, false) == 9);
    CHECK(CheckCell(4, BST_CHECKED, true, false, false) == 2);
    CHECK(CheckCell(4, BST_CHECKED, false, false, false) == 4);
    CHECK(CheckCell(2, BST_CHECKED, false, false, false) == 2);
    CHECK(CheckCell(1, BST_CHECKED, true, false, false) == 1);
}

namespace {

// A procedure put on a window after its painter: it counts what it sees and
// passes everything on.
struct TLaterSubclass {
    static inline WNDPROC Previous = nullptr;
    static inline int Seen = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_APP + 7)
            ++Seen;
        return CallWindowProcW(Previous, window, msg, wp, lp);
    }
};

} // namespace

TEST_CASE("A bare window's painter gives back its procedure when it goes, or passes on when it cannot")
{
    TSkinnedWindow w(CheckSkinIni(), CheckSkinBitmaps());
    w.Show();
    HWND check = CreateWindowExW(0, L"BUTTON", L"Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 120, 20,
                                 w.form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(check);
    const auto original = GetWindowLongPtrW(check, GWLP_WNDPROC);

    SUBCASE("nobody came after it: the window gets its own procedure back")
    {
        {
            TSkinCheckBox painter(nullptr);
            painter.AttachHandle(check, w.data, *w.frame);
            CHECK(GetWindowLongPtrW(check, GWLP_WNDPROC) != original);
            CHECK(TSkinControl::FromWindow(check) == &painter);
        }
        CHECK(GetWindowLongPtrW(check, GWLP_WNDPROC) == original);
        CHECK(TSkinControl::FromWindow(check) == nullptr);
    }
    SUBCASE("subclassed after it: both procedures keep getting the messages")
    {
        {
            TSkinCheckBox painter(nullptr);
            painter.AttachHandle(check, w.data, *w.frame);
            TLaterSubclass::Seen = 0;
            TLaterSubclass::Previous = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(check, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TLaterSubclass::Proc)));
        }
        CHECK(GetWindowLongPtrW(check, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TLaterSubclass::Proc));
        SendMessageW(check, WM_APP + 7, 0, 0);
        CHECK(TLaterSubclass::Seen == 1);
        // The button's own procedure still answers: the check follows.
        SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
        CHECK(SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED);
        wchar_t text[16] = {};
        CHECK(GetWindowTextW(check, text, 16) == 5);
        CHECK(std::wstring(text) == L"Check");
    }
    DestroyWindow(check);
}
