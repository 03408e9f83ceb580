// A size-grip scroll bar on a skinned window: adopted by the frame, drawn in
// the skin's colours, the window sized by its corner over it, gone while the
// window is maximized; and a control's painter replaced on request.
#include "tests/skin_runtime/runtime_fixture.h"

#include "ui/skin/skin_control.h"

using namespace testskin;

namespace {

constexpr int kGrip = 17;

HWND MakeGrip(HWND parent)
{
    RECT client;
    GetClientRect(parent, &client);
    return CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, client.right - kGrip,
                           client.bottom - kGrip, kGrip, kGrip, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT HitTest(HWND window, POINT screen)
{
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

POINT GripCentre(HWND grip)
{
    RECT r;
    GetWindowRect(grip, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Pixels of the grip that are not the face colour, as it shows on the screen.
int NonFacePixels(HWND grip, COLORREF face)
{
    RedrawWindow(grip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    HDC dc = GetWindowDC(grip);
    int count = 0;
    for (int y = 0; y < kGrip; ++y)
        for (int x = 0; x < kGrip; ++x)
            if (GetPixel(dc, x, y) != face)
                ++count;
    ReleaseDC(grip, dc);
    return count;
}

} // namespace

TEST_CASE("a size grip created on a skinned sizeable window is the frame's")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    HWND grip = MakeGrip(w);
    REQUIRE(grip);
    Pump();
    TWinSkinForm& frame = *f.Frame(w);
    CHECK(frame.SizeGrip == grip);
    TSkinControl* painter = TSkinControl::FromWindow(grip);
    REQUIRE(painter);
    CHECK(std::string(painter->ClassName()) == "TSkinSizer");
    CHECK(SendMessageW(grip, SKINMSG_QUERY, 0, 0) == 1);

    const POINT over = GripCentre(grip);
    // The grip lets the mouse through; the frame answers the corner that sizes the window.
    CHECK(HitTest(grip, over) == HTTRANSPARENT);
    CHECK(HitTest(w, over) == HTBOTTOMRIGHT);
    RECT gr;
    GetWindowRect(grip, &gr);
    CHECK(HitTest(w, {gr.left - 20, gr.top - 20}) == HTCLIENT);
    const COLORREF face = ToColorRef(kFace);
    CHECK(NonFacePixels(grip, face) > 0);
    CHECK(NonFacePixels(grip, face) < kGrip * kGrip);

    SUBCASE("maximized: the grip is bare face and sizes nothing")
    {
        ShowWindow(w, SW_MAXIMIZE);
        Pump();
        CHECK(HitTest(w, GripCentre(grip)) != HTBOTTOMRIGHT);
        CHECK(NonFacePixels(grip, face) == 0);
        ShowWindow(w, SW_RESTORE);
        Pump();
        CHECK(HitTest(w, GripCentre(grip)) == HTBOTTOMRIGHT);
        CHECK(NonFacePixels(grip, face) > 0);
    }
    SUBCASE("hidden, the grip sizes nothing")
    {
        ShowWindow(grip, SW_HIDE);
        CHECK(HitTest(w, over) == HTCLIENT);
    }
    SUBCASE("the skin removed: the grip is the system's again")
    {
        f.Data().SetActive(false);
        REQUIRE(PumpUntil([&] { return f.Frame(w) == nullptr; }));
        CHECK(TSkinControl::FromWindow(grip) == nullptr);
        CHECK(SendMessageW(grip, SKINMSG_QUERY, 0, 0) == 0);
        CHECK(HitTest(grip, GripCentre(grip)) != HTTRANSPARENT);
    }
}

TEST_CASE("a size grip the window had before its frame is adopted when the frame initialises")
{
    TRuntimeFixture f;
    HWND w = f.Window({.Style = WS_OVERLAPPEDWINDOW});
    HWND grip = MakeGrip(w);
    REQUIRE(grip);
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    REQUIRE(f.WaitReady(w));
    Pump();
    CHECK(f.Frame(w)->SizeGrip == grip);
    CHECK(HitTest(w, GripCentre(grip)) == HTBOTTOMRIGHT);
    // Exactly one painter for the grip: the adopted one replaced the first.
    int painters = 0;
    for (TSkinControl* s : f.Frame(w)->ControlSkinners)
        painters += s && s->Handle() == grip;
    CHECK(painters == 1);
}

TEST_CASE("a grip in the lower left corner, as a right-to-left window has it, sizes by that corner")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow({.Style = WS_OVERLAPPEDWINDOW});
    RECT client;
    GetClientRect(w, &client);
    HWND grip = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0,
                                client.bottom - kGrip, kGrip, kGrip, w, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(grip);
    Pump();
    REQUIRE(f.Frame(w)->SizeGrip == grip);
    CHECK(HitTest(w, GripCentre(grip)) == HTBOTTOMLEFT);
}

TEST_CASE("a window the user cannot size keeps its grip the system's way")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();  // fixed border
    HWND grip = MakeGrip(w);
    REQUIRE(grip);
    Pump();
    CHECK(f.Frame(w)->SizeGrip == nullptr);
    CHECK(HitTest(w, GripCentre(grip)) != HTBOTTOMRIGHT);
}

TEST_CASE("SKINMSG_RESKINCONTROL gives one control a fresh painter")
{
    TRuntimeFixture f;
    HWND w = f.Window({.Style = WS_OVERLAPPEDWINDOW});
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, w,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    REQUIRE(f.WaitReady(w));
    Pump();
    TSkinControl* first = TSkinControl::FromWindow(button);
    REQUIRE(first);
    const std::string kind = first->ClassName();
    const size_t count = f.Frame(w)->ControlSkinners.size();
    SendMessageW(w, SKINMSG_RESKINCONTROL, reinterpret_cast<WPARAM>(button), 0);
    TSkinControl* second = TSkinControl::FromWindow(button);
    REQUIRE(second);
    CHECK(std::string(second->ClassName()) == kind);
    CHECK(second->Hooked());
    CHECK(f.Frame(w)->ControlSkinners.size() == count);
    CHECK(SendMessageW(button, SKINMSG_QUERY, 0, 0) == 1);

    SUBCASE("a window that is not the frame's own is left alone")
    {
        HWND stranger = f.Window();
        SendMessageW(w, SKINMSG_RESKINCONTROL, reinterpret_cast<WPARAM>(stranger), 0);
        CHECK(TSkinControl::FromWindow(stranger) == nullptr);
        CHECK(f.Frame(w)->ControlSkinners.size() == count);
    }
}
