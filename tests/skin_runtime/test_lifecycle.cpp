// Skinning over time: Active switched off and on at run time, a new skin
// loaded from a file, message boxes and pop-up menus that come and go.
#include "tests/skin_runtime/runtime_fixture.h"

#include <cstdlib>
#include <fstream>

#include "tests/support/temp_dir.h"
#include "ui/popup_menu.h"

using namespace testskin;

namespace {

HWND ShowForm(TRuntimeFixture& f, TForm& form, int width = 360, int height = 240)
{
    form.SetClientSize(width, height);
    form.Show();
    SetForegroundWindow(form.Handle());
    REQUIRE(f.WaitReady(form.Handle()));
    Pump();
    return form.Handle();
}

} // namespace

TEST_CASE("a widget-set form: its WindowProc and colour are the frame's while skinned")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    HWND w = ShowForm(f, form);
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame);
    CHECK(frame->Form() == &form);
    CHECK(form.Color() == kFace);
    CHECK(ClientSize(w).cx == 360);
    CHECK(ClientSize(w).cy == 240);
    // Perform goes through the frame too.
    CHECK(form.Perform(SKINMSG_QUERY) == 1);
    CHECK(form.Perform(SKINMSG_PROBE, 0, kSkinMagic) == kSkinMagic);
    CHECK(form.Perform(SKINMSG_PROBE, 0, 0) == 1);
    CHECK(ScreenPixel(w, 1, 100) == ToColorRef(kLeft));

    SUBCASE("the form paints its frame into a device context it is given")
    {
        const SIZE size = WindowSize(w);
        TDibCanvas canvas(size.cx, size.cy);
        canvas.Fill({0, 0, size.cx, size.cy}, RGB(1, 2, 3));
        CHECK(form.Perform(SKINMSG_PAINTFRAME, reinterpret_cast<WPARAM>(canvas.DC()), kSkinMagic) == kSkinMagic);
        CHECK(canvas.Pixel(1, 100) == ToColorRef(kLeft));
        CHECK(canvas.Pixel(size.cx - 2, 100) == ToColorRef(kRight));
        CHECK(canvas.Pixel(100, size.cy - 2) == ToColorRef(kBottom));
        // The client area is the form's to paint.
        CHECK(canvas.Pixel(kL + 20, kC + 20) == RGB(1, 2, 3));
    }
}

TEST_CASE("a form shows once its frame is ready, and stays hidden when hidden before that")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    form.SetClientSize(360, 240);
    form.Show();
    SetForegroundWindow(form.Handle());
    HWND w = form.Handle();
    // Attached at the first activation, initialised by a posted message.
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame);
    REQUIRE(frame->FrameState == fsCreated);

    SUBCASE("shown: visible, framed and its client painted in the face colour")
    {
        REQUIRE(f.WaitReady(w));
        Pump();
        CHECK(IsWindowVisible(w));
        CHECK(form.Visible());
        CHECK(ScreenPixel(w, 1, 100) == ToColorRef(kLeft));
        CHECK(ScreenPixel(w, kL + 20, kC + 20) == ToColorRef(kFace));
    }
    SUBCASE("hidden before the frame was ready")
    {
        form.Hide();
        REQUIRE(f.WaitReady(w));
        Pump();
        CHECK_FALSE(IsWindowVisible(w));
        form.Show();
        Pump();
        CHECK(IsWindowVisible(w));
        CHECK(ScreenPixel(w, 1, 100) == ToColorRef(kLeft));
    }
    SUBCASE("the skin removed before the frame was ready")
    {
        f.Data().SetActive(false);
        REQUIRE(PumpUntil([&] { return f.Frame(w) == nullptr; }));
        Pump();
        CHECK(IsWindowVisible(w));
    }
}

TEST_CASE("Active off and on at run time detaches and re-attaches the frames, client size kept")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    const TColor designed = form.Color();
    HWND w = ShowForm(f, form);
    const SIZE skinnedOuter = WindowSize(w);
    REQUIRE(f.Frame(w));

    f.Data().SetActive(false);
    CHECK(f.Manager().CommandPending());
    REQUIRE(PumpUntil([&] { return f.Manager().Frames().empty(); }));
    Pump();
    CHECK_FALSE(f.Manager().Running);
    CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 0);
    CHECK(ClientSize(w).cx == 360);
    CHECK(ClientSize(w).cy == 240);
    CHECK(WindowSize(w).cx != skinnedOuter.cx);
    CHECK((GetWindowLongPtrW(w, GWL_STYLE) & WS_SYSMENU) != 0);
    CHECK(form.Color() == designed);
    CHECK(InRegion(w, 0, 0));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    CHECK(GetWindowRgn(w, probe) == ERROR);
    DeleteObject(probe);
    // No window is framed while skinning is off.
    HWND other = f.Window();
    ShowWindow(other, SW_SHOW);
    Pump();
    CHECK(f.Frame(other) == nullptr);
    SetForegroundWindow(w);
    Pump();

    f.Data().SetActive(true);
    REQUIRE(PumpUntil([&] {
        TWinSkinForm* frame = f.Frame(w);
        return frame && frame->FrameState == fsReady;
    }));
    Pump();
    CHECK(f.Manager().Running);
    CHECK(ClientSize(w).cx == 360);
    CHECK(ClientSize(w).cy == 240);
    CHECK(WindowSize(w).cx == skinnedOuter.cx);
    CHECK(WindowSize(w).cy == skinnedOuter.cy);
    CHECK(form.Color() == kFace);
}

TEST_CASE("a new skin through SkinFile renews metrics, buttons and colours")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    HWND w = ShowForm(f, form);
    int changed = 0;
    f.Data().OnSkinChanged = [&](TSkinData&) { ++changed; };

    TempDir dir;
    const auto path = dir.path() / "second.skin";
    {
        const std::vector<uint8_t> package = Package(SecondIni(), SecondImages());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
    }
    f.Data().SetSkinFile(path.string());
    CHECK_FALSE(f.Data().SkinEmpty);
    CHECK(f.Manager().CommandPending());
    // The buttons follow at once; the metrics with the command.
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame);
    CHECK(frame->Buttons.size() == f.Data().SysButtons.size());
    REQUIRE(PumpUntil([&] { return frame->Metrics == TFrameMetrics{kL2, kC2, kR2, kB2, 0}; }));
    Pump();
    CHECK(changed >= 1);
    CHECK(ClientSize(w).cx == 360);
    CHECK(ClientSize(w).cy == 240);
    CHECK(WindowSize(w).cx == 360 + kL2 + kR2);
    CHECK(form.Color() == kFace2);
    CHECK(ScreenPixel(w, 2, 100) == ToColorRef(kLeft2));
    const int width = WindowSize(w).cx;
    CHECK(ScreenPixel(w, width - 40 + 10, 7 + 10) == ToColorRef(kClose2));
    // The second skin's borders are opaque: no corner is cut.
    CHECK(InRegion(w, 0, 0));
}

namespace {

struct TBoxWatch {
    HWND Box = nullptr;
    bool Framed = false;
    TFrameMetrics Metrics;
    int BorderKind = -1;
    bool Dialog = false;
    int Ticks = 0;
};
TBoxWatch g_box;

void CALLBACK WatchBox(HWND, UINT, UINT_PTR id, DWORD)
{
    ++g_box.Ticks;
    HWND box = FindWindowW(L"#32770", L"Information");
    TWinSkinManage* m = WinSkinManager();
    TWinSkinForm* frame = box && m ? m->FindFrame(box) : nullptr;
    if (frame && frame->FrameState == fsReady) {
        g_box.Box = box;
        g_box.Framed = SendMessageW(box, SKINMSG_QUERY, 0, 0) == 1;
        g_box.Metrics = frame->Metrics;
        g_box.BorderKind = frame->BorderKind;
        g_box.Dialog = frame->DialogClass;
    }
    if ((frame && frame->FrameState == fsReady) || g_box.Ticks > 60) {
        KillTimer(nullptr, id);
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

} // namespace

TEST_CASE("the program's message box receives a skinned frame")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    ShowForm(f, form);
    g_box = {};
    SetTimer(nullptr, 0, 50, WatchBox);
    ShowInformation(L"A message for the skin test.");
    CHECK(g_box.Box != nullptr);
    CHECK(g_box.Framed);
    CHECK(g_box.Dialog);
    CHECK(g_box.BorderKind == bkDialog);
    CHECK(g_box.Metrics == TFrameMetrics{kL, kC, kR, kB, 0});
    Pump();
    f.Manager().PurgeDeadFrames();
    CHECK(f.Manager().Frames().size() == 1);
}

namespace {

struct TPopupWatch {
    bool Seen = false;
    bool Skinned = false;
    int Tracked = 0;
    int OwnerDrawn = 0;
    int Ticks = 0;
};
TPopupWatch g_popup;

void CALLBACK WatchPopup(HWND, UINT, UINT_PTR id, DWORD)
{
    ++g_popup.Ticks;
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
        g_popup.Seen = true;
        g_popup.Skinned = SendMessageW(menu, SKINMSG_QUERY, 0, 0) == 1;
        if (TWinSkinManage* m = WinSkinManager())
            g_popup.Tracked = static_cast<int>(m->PopMenuCount());
        auto handle = reinterpret_cast<HMENU>(SendMessageW(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
        for (int i = 0; handle && i < GetMenuItemCount(handle); ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            if (GetMenuItemInfoW(handle, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW))
                ++g_popup.OwnerDrawn;
        }
        EndMenu();
        KillTimer(nullptr, id);
    } else if (g_popup.Ticks > 40) {
        EndMenu();
        KillTimer(nullptr, id);
    }
}

} // namespace

TEST_CASE("a form's pop-up menu is skinned while it is open")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    HWND w = ShowForm(f, form);
    auto* menu = form.Make<TPopupMenu>();
    for (const wchar_t* caption : {L"全选", L"-", L"复制"}) {
        auto* item = form.Make<TMenuItem>();
        item->Caption = caption;
        menu->Add(item);
    }
    g_popup = {};
    SetTimer(nullptr, 0, 50, WatchPopup);
    RECT wr;
    GetWindowRect(w, &wr);
    menu->Popup(wr.left + 60, wr.top + 80);
    CHECK(g_popup.Seen);
    CHECK(g_popup.Skinned);
    CHECK(g_popup.Tracked == 1);
    CHECK(g_popup.OwnerDrawn == 3);
    Pump();
    CHECK(f.Manager().PopMenuCount() == 0);
    CHECK(f.Manager().MenuKind == 0);
    CHECK_FALSE(f.Manager().MenuTracking);
}

TEST_CASE("re-skinning one window by command 7")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    f.Manager().ReskinWindow(w, 10);
    CHECK(f.Manager().CommandPending());
    REQUIRE(PumpUntil([&] {
        TWinSkinForm* frame = f.Frame(w);
        return !f.Manager().CommandPending() && frame && frame->FrameState == fsReady;
    }));
    CHECK(f.Manager().Frames().size() == 1);
    CHECK(ClientSize(w).cx == 400);
    CHECK(ClientSize(w).cy == 300);
}

TEST_CASE("a form placed in the screen's centre stays there under its skinned frame")
{
    TRuntimeFixture f;
    TForm form(nullptr);
    form.Position = TPosition::ScreenCenter;
    HWND w = ShowForm(f, form, 500, 300);
    RECT r;
    GetWindowRect(w, &r);
    CHECK(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
    CHECK(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
    CHECK(ClientSize(w).cy == 300);

    SUBCASE("a designed position keeps its corner")
    {
        TForm placed(nullptr);
        placed.SetBounds(30, 40, 10, 10);
        HWND p = ShowForm(f, placed, 200, 100);
        GetWindowRect(p, &r);
        CHECK(r.left == 30);
        CHECK(r.top == 40);
    }
}

TEST_CASE("a component for its own form only: skins that form at once and stops for it alone")
{
    TRuntimeFixture f;
    HWND other = f.SkinnedWindow();
    // The component is read with its form: Loaded runs before the form shows.
    TForm form(nullptr);
    form.SetClientSize(300, 200);
    form.Handle();
    TWin32SkinPlatform platform;
    auto own = std::make_unique<TSkinData>(platform);
    own->Reading = true;
    own->Active = true;
    own->SkinFormtype = TSkinFormType::sfOnlyThisForm;
    own->ReadSkinStream(SkinStreamBytes(Package(SecondIni(), SecondImages())));
    own->Reading = false;
    own->OwnerForm = &form;
    own->Loaded();
    CHECK(f.Frame(form.Handle()) != nullptr);
    form.Show();
    REQUIRE(f.WaitReady(form.Handle()));
    CHECK(f.Frame(form.Handle())->SkinData() == own.get());
    CHECK(f.Frame(form.Handle())->Metrics == TFrameMetrics{kL2, kC2, kR2, kB2, 0});
    CHECK(f.Frame(other)->SkinData() == &f.Data());

    own->SetActive(false);
    REQUIRE(PumpUntil([&] { return f.Frame(form.Handle()) == nullptr; }));
    CHECK(f.Frame(other) != nullptr);
    CHECK(ClientSize(form.Handle()).cx == 300);

    SUBCASE("the component going away first takes its frame with it")
    {
        own->SetActive(true);
        REQUIRE(PumpUntil([&] { return f.Frame(form.Handle()) != nullptr; }));
        own.reset();
        CHECK(f.Frame(form.Handle()) == nullptr);
        CHECK(SendMessageW(form.Handle(), SKINMSG_QUERY, 0, 0) == 0);
        CHECK(f.Frame(other) != nullptr);
    }
}

namespace {

struct TLaterFrameSubclass {
    static inline WNDPROC Previous = nullptr;
    static inline int Seen = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_COMMAND && wp == 4242)
            ++Seen;
        return CallWindowProcW(Previous, window, msg, wp, lp);
    }
};

} // namespace

TEST_CASE("a window subclassed after its frame keeps every procedure when skinning goes off and on")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    REQUIRE(f.Frame(w));
    TLaterFrameSubclass::Seen = 0;
    TLaterFrameSubclass::Previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TLaterFrameSubclass::Proc)));

    f.Data().SetActive(false);
    REQUIRE(PumpUntil([&] { return f.Manager().Frames().empty(); }));
    Pump();
    CHECK(GetWindowLongPtrW(w, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TLaterFrameSubclass::Proc));
    CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 0);
    SendMessageW(w, WM_COMMAND, 4242, 0);
    CHECK(TLaterFrameSubclass::Seen == 1);
    CHECK(WindowLogs()[w].Commands == std::vector<WPARAM>{4242});

    // A window of no form is framed again when it is next activated.
    f.Data().SetActive(true);
    REQUIRE(PumpUntil([&] { return f.Manager().Running; }));
    HWND other = f.Window();
    ShowWindow(other, SW_SHOW);
    SetForegroundWindow(other);
    Pump();
    SetForegroundWindow(w);
    REQUIRE(PumpUntil([&] {
        TWinSkinForm* frame = f.Frame(w);
        return frame && frame->FrameState == fsReady;
    }));
    CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1);
    SendMessageW(w, WM_COMMAND, 4242, 0);
    CHECK(TLaterFrameSubclass::Seen == 2);
    CHECK(WindowLogs()[w].Commands == std::vector<WPARAM>{4242, 4242});
}
