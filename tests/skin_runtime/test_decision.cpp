// Which windows get a skinned frame (the decision chain of SkinWindow), which
// skin component serves a window, and what the manager leaves at teardown.
#include "tests/skin_runtime/runtime_fixture.h"

namespace {

// A window class registered under a given name in this module.
HWND ClassWindow(TRuntimeFixture& f, const wchar_t* className)
{
    TWindowSpec shape;
    shape.ClassName = className;
    return f.Window(shape);
}

// A top-level captioned window of a class another module registered.
HWND ForeignWindow(const wchar_t* className, DWORD style)
{
    return CreateWindowExW(0, className, L"foreign", style, 60, 60, 300, 200, TestOwner(), nullptr,
                           GetModuleHandleW(L"user32.dll"), nullptr);
}

bool HasOwnProcedure(HWND w)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC)) == TestWindowProc;
}

} // namespace

TEST_CASE("the first activation gives a window of this module a frame")
{
    TRuntimeFixture f;
    CHECK(SkinHookInstalled());
    CHECK(f.Manager().ManagerState == 0);
    CHECK(f.Manager().Running);
    HWND w = f.SkinnedWindow();
    CHECK(f.Manager().ManagerState == 1);
    TWinSkinForm* frame = f.Frame(w);
    REQUIRE(frame != nullptr);
    CHECK(frame->Form() == nullptr);
    CHECK(frame->WindowClass() == "QuorlenSkinTestWindow");
    CHECK(frame->SkinData() == &f.Data());
    CHECK(f.Manager().Frames().size() == 1);

    SUBCASE("a skinned window answers the query and tells itself so")
    {
        const int before = WindowLogs()[w].Notifies;
        CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1);
        Pump();
        CHECK(WindowLogs()[w].Notifies == before + 1);
    }
    SUBCASE("a second activation does not frame it twice")
    {
        CHECK_FALSE(f.Manager().SkinWindow(w));
        CHECK(f.Manager().Frames().size() == 1);
    }
}

TEST_CASE("SkinWindow refuses, test by test")
{
    TRuntimeFixture f;
    TWinSkinManage& m = f.Manager();

    SUBCASE("without the running flag")
    {
        HWND w = f.Window();
        m.Running = false;
        ShowWindow(w, SW_SHOW);
        Pump();
        CHECK(f.Frame(w) == nullptr);
        m.Running = true;
        CHECK(m.SkinWindow(w));
    }
    SUBCASE("a window that answers the skin query")
    {
        HWND w = f.Window();
        WindowLogs()[w].QueryAnswer = 1;
        CHECK_FALSE(m.SkinWindow(w));
        WindowLogs()[w].QueryAnswer = 0;
        CHECK(m.SkinWindow(w));
    }
    SUBCASE("a plain child window, unless the force flag is set")
    {
        HWND parent = f.Window();
        TWindowSpec shape;
        shape.Style = WS_CHILD | WS_VISIBLE | WS_CAPTION;
        shape.Parent = parent;
        shape.ClientWidth = 100;
        shape.ClientHeight = 80;
        HWND child = f.Window(shape);
        CHECK(m.IsPlainChildWindow(child));
        CHECK_FALSE(m.IsPlainChildWindow(parent));
        CHECK_FALSE(m.SkinWindow(child));
        m.Force = true;
        CHECK(m.SkinWindow(child));
        m.Force = false;
    }
    SUBCASE("a window of another module that is not a dialog box")
    {
        HWND foreign = ForeignWindow(L"STATIC", WS_POPUP | WS_CAPTION | WS_SYSMENU);
        REQUIRE(foreign);
        CHECK_FALSE(m.SkinWindow(foreign));
        HWND dialog = ForeignWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU);
        REQUIRE(dialog);
        CHECK(m.SkinWindow(dialog));
        DestroyWindow(foreign);
        DestroyWindow(dialog);
    }
    SUBCASE("a dialog box with DS_SETFOREGROUND")
    {
        HWND dialog = ForeignWindow(L"#32770", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFOREGROUND);
        REQUIRE(dialog);
        CHECK_FALSE(m.SkinWindow(dialog));
        DestroyWindow(dialog);
    }
    SUBCASE("a window without area")
    {
        TWindowSpec shape;
        shape.Style = WS_POPUP;
        shape.ClientWidth = 0;
        shape.ClientHeight = 0;
        HWND w = f.Window(shape);
        CHECK_FALSE(m.SkinWindow(w));
    }
    SUBCASE("a form tagged 99, whatever DisableTag is")
    {
        TForm form(nullptr);
        form.SetClientSize(200, 100);
        form.Tag = 99;
        f.Data().DisableTag = 5;
        HWND w = form.Handle();
        CHECK_FALSE(m.SkinWindow(w));
        form.Tag = 5;
        CHECK(m.SkinWindow(w));
        TWinSkinForm* frame = f.Frame(w);
        REQUIRE(frame);
        CHECK(frame->Form() == &form);
        CHECK(frame->Owner() == &form);
    }
    SUBCASE("the application window and the excluded classes")
    {
        CHECK_FALSE(m.SkinWindow(Application()->Handle()));
        CHECK_FALSE(m.SkinWindow(ClassWindow(f, L"TcxPopupEditPopupWindowX")));
        CHECK_FALSE(m.SkinWindow(ClassWindow(f, L"MyTTERenderWindow")));
        CHECK_FALSE(m.SkinWindow(ClassWindow(f, L"TPopupDBTreeView")));
        CHECK_FALSE(m.SkinWindow(ClassWindow(f, L"SysMonthCal32")));
    }
    SUBCASE("preview windows only with xoPreview")
    {
        HWND preview = ClassWindow(f, L"TPrintPreviewForm");
        f.Data().Options.Exclude(TSkinOption::xoPreview);
        CHECK_FALSE(m.SkinWindow(preview));
        f.Data().Options.Include(TSkinOption::xoPreview);
        CHECK(m.SkinWindow(preview));
    }
    SUBCASE("report designer windows only without xcFastReport")
    {
        HWND report = ClassWindow(f, L"TfrDesignerForm");
        f.Data().SkinControls.Include(TSkinControlType::xcFastReport);
        CHECK_FALSE(m.SkinWindow(report));
        f.Data().SkinControls.Exclude(TSkinControlType::xcFastReport);
        CHECK(m.SkinWindow(report));
    }
    SUBCASE("OnFormSkin has the last word and sees the window being decided")
    {
        HWND w = ClassWindow(f, L"SysMonthCal32");
        std::string asked;
        HWND deciding = nullptr;
        f.Data().OnFormSkin = [&](TSkinData& sender, const std::string& cls, bool& skin) {
            asked = cls;
            deciding = m.Runtime(sender).DecidingWindow;
            skin = true;
        };
        CHECK(m.SkinWindow(w));
        CHECK(asked == "SysMonthCal32");
        CHECK(deciding == w);
        HWND refused = f.Window();
        f.Data().OnFormSkin = [](TSkinData&, const std::string&, bool& skin) { skin = false; };
        CHECK_FALSE(m.SkinWindow(refused));
    }
    SUBCASE("an empty skin")
    {
        HWND w = f.Window();
        f.Data().SkinEmpty = true;
        CHECK_FALSE(m.SkinWindow(w));
        f.Data().SkinEmpty = false;
        CHECK(m.SkinWindow(w));
    }
}

TEST_CASE("ChooseSkinData: own form, then dialog skins for dialogs, then the main skin, then the first")
{
    TRuntimeFixture f;
    TWinSkinManage& m = f.Manager();
    TWin32SkinPlatform platform;
    TSkinData onlyA(platform), onlyB(platform), dialogA(platform), dialogB(platform), mainB(platform);
    onlyA.SkinFormtype = onlyB.SkinFormtype = TSkinFormType::sfOnlyThisForm;
    dialogA.SkinFormtype = dialogB.SkinFormtype = TSkinFormType::sfDialog;
    TForm owner(nullptr);
    owner.SetClientSize(100, 100);
    onlyA.OwnerForm = &owner;
    onlyB.OwnerForm = &owner;
    HWND dialog = ForeignWindow(L"#32770", WS_POPUP | WS_CAPTION);
    HWND plain = f.Window();

    CHECK(m.ChooseSkinData(plain) == &f.Data());
    m.Register(&onlyA);
    m.Register(&dialogA);
    m.Register(&onlyB);
    m.Register(&dialogB);
    m.Register(&mainB);
    CHECK(m.ChooseSkinData(owner.Handle()) == &onlyB);
    CHECK(m.ChooseSkinData(dialog) == &dialogB);
    CHECK(m.ChooseSkinData(plain) == &mainB);
    CHECK(m.MainSkin() == &f.Data());

    SUBCASE("without a main skin the first registered serves")
    {
        m.Unregister(&mainB);
        m.Unregister(&f.Data());
        CHECK(m.ChooseSkinData(plain) == &onlyA);
        m.Register(&f.Data());
    }
    m.Unregister(&onlyA);
    m.Unregister(&onlyB);
    m.Unregister(&dialogA);
    m.Unregister(&dialogB);
    m.Unregister(&mainB);
    DestroyWindow(dialog);
}

TEST_CASE("teardown: frames let go of their windows and no hook is left")
{
    HWND w = nullptr;
    {
        TRuntimeFixture f;
        w = f.SkinnedWindow();
        CHECK_FALSE(HasOwnProcedure(w));
        ReleaseSkinManager();
        CHECK_FALSE(SkinHookInstalled());
        CHECK(SkinManager() == nullptr);
        CHECK(HasOwnProcedure(w));
        CHECK(SendMessageW(w, SKINMSG_QUERY, 0, 0) == 0);
        // A window activated now is nobody's business.
        HWND later = CreateTestWindow();
        ShowWindow(later, SW_SHOW);
        Pump();
        CHECK(SendMessageW(later, SKINMSG_QUERY, 0, 0) == 0);
        DestroyWindow(later);
    }
    CHECK_FALSE(IsWindow(w));
}

TEST_CASE("a destroyed window's frame is freed, and so is a form's frame with its form")
{
    TRuntimeFixture f;
    HWND w = f.SkinnedWindow();
    DestroyWindow(w);
    Pump();
    CHECK(f.Frame(w) == nullptr);
    f.Manager().PurgeDeadFrames();
    CHECK(f.Manager().Frames().empty());

    {
        TForm form(nullptr);
        form.SetClientSize(300, 200);
        form.Show();
        SetForegroundWindow(form.Handle());
        REQUIRE(f.WaitReady(form.Handle()));
        CHECK(f.Manager().Frames().size() == 1);
    }
    Pump();
    CHECK(f.Manager().Frames().empty());
}
