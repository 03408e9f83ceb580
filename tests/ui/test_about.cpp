// The about window, shown modally without the test ever blocking in its loop;
// and message boxes that really appear.
#include "tests/ui/ui_fixture.h"

#include "app/about/about_text.h"
#include "ui/web_browser.h"

namespace {

// Shows the about window from the main window's menu and runs the script
// while its modal loop turns; the script ends by closing it somehow.
void ShowAboutAndRun(TWindowFixture& f, const std::function<bool(int tick)>& script)
{
    int tick = 0;
    TTimerScript timer([&] {
        ++tick;
        if (tick > 300) {  // the script failed to close it: do not hang the suite
            f.about->Close();
            return true;
        }
        return script(tick);
    });
    f.Choose(*f.form->N5);
    CHECK(tick <= 300);
}

} // namespace

TEST_CASE("the about window is created hidden, with its layout and texts")
{
    TWindowFixture f(SampleIdioms(), true);
    TForm3& about = *f.about;
    HWND w = about.Handle();
    CHECK_FALSE(IsWindowVisible(w));
    CHECK(WindowText(w) == L"Quorlen v1.0");
    wchar_t cls[32];
    GetClassNameW(w, cls, 32);
    CHECK(std::wstring(cls) == L"TForm3");
    RECT client;
    GetClientRect(w, &client);
    CHECK(client.right == 576);
    CHECK(client.bottom == 483);
    LONG style = GetWindowLongW(w, GWL_STYLE);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    CHECK(GetWindow(w, GW_OWNER) == f.app.Handle());

    CHECK(SameRect(RectInParent(about.GroupBox1->Handle()), 16, 16, 545, 185));
    CHECK(WindowText(about.GroupBox1->Handle()) == L"关于软件");
    CHECK(SameRect(RectInParent(about.WebBrowser1->Handle()), 16, 208, 545, 217));
    CHECK(SameRect(RectInParent(about.Button1->Handle()), 488, 440, 73, 33));
    CHECK(SameRect(about.Label1->BoundsRect(), 16, 24, 513, 121));
    CHECK(SameRect(about.Label2->BoundsRect(), 16, 152, 201, 16));
    CHECK(SameRect(about.Label3->BoundsRect(), 16, 448, 73, 16));
    CHECK(about.Label1->WordWrap());
    CHECK(about.Label1->Caption() == kAboutDescription);
    CHECK(about.Label1->Caption().starts_with(L"Quorlen为免费软件，共收录汉语成语51470多条"));
    CHECK(about.Label2->Caption() == L"官方主页: www.example.com ");
    CHECK(about.Label3->Caption() == L"官方主页");
    CHECK(about.Label3->Font().Color() == clNavy);
    CHECK(WindowText(about.Button1->Handle()) == L"返回");
    CHECK(about.Button1->Font().Color() == clNavy);
    CHECK(about.WebBrowser1->Address() == L"http://www.example.com/softtj.php?ref=shuoming");
}

TEST_CASE("the about window and its page's browser are made when the program is idle or the window shows")
{
    TWindowFixture f;
    auto siblings_in_order = [](TForm3& about) {
        HWND browser = about.WebBrowser1->Handle();
        return GetWindow(about.GroupBox1->Handle(), GW_HWNDNEXT) == browser &&
               GetWindow(browser, GW_HWNDNEXT) == about.Button1->Handle();
    };

    SUBCASE("idle")
    {
        TForm3& about = *f.app.CreateForm<TForm3>();
        CHECK_FALSE(about.HandleAllocated());
        for (int i = 0; i < 200 && !about.HandleAllocated(); ++i) {
            Sleep(5);
            f.Pump();
        }
        REQUIRE(about.HandleAllocated());
        CHECK_FALSE(IsWindowVisible(about.Handle()));
        for (int i = 0; i < 200 && !about.WebBrowser1->HandleAllocated(); ++i) {
            Sleep(5);
            f.Pump();
        }
        REQUIRE(about.WebBrowser1->HandleAllocated());
        CHECK(siblings_in_order(about));
        CHECK(GetParent(about.WebBrowser1->Handle()) == about.Handle());
        CHECK(SameRect(RectInParent(about.WebBrowser1->Handle()), 16, 208, 545, 217));
    }
    SUBCASE("shown first")
    {
        TForm3& about = *f.app.CreateForm<TForm3>();
        ShowWindow(about.Handle(), SW_SHOWNOACTIVATE);
        CHECK(about.HandleAllocated());
        CHECK(about.WebBrowser1->HandleAllocated());
        CHECK(siblings_in_order(about));
        ShowWindow(about.Handle(), SW_HIDE);
    }
    SUBCASE("gone first: its idle work goes with it")
    {
        auto* about = f.app.CreateForm<TForm3>();
        f.app.FreeComponent(about);
        for (int i = 0; i < 10; ++i) {
            Sleep(5);
            f.Pump();
        }
        CHECK(FindWindowW(L"TForm3", nullptr) == nullptr);
    }
}

TEST_CASE("返回 hides the modal about window; the main window comes back")
{
    TWindowFixture f(SampleIdioms(), true);
    bool shown = false, main_disabled = false, centred = false;
    ShowAboutAndRun(f, [&](int) {
        HWND w = f.about->Handle();
        if (!IsWindowVisible(w))
            return false;
        shown = true;
        main_disabled = !IsWindowEnabled(f.form->Handle());
        RECT a, m;
        GetWindowRect(w, &a);
        GetWindowRect(f.form->Handle(), &m);
        centred = std::abs((a.left + a.right) - (m.left + m.right)) <= 2 && std::abs((a.top + a.bottom) - (m.top + m.bottom)) <= 2;
        f.Click(*f.about->Button1);
        return true;
    });
    CHECK(shown);
    CHECK(main_disabled);
    CHECK(centred);
    CHECK_FALSE(IsWindowVisible(f.about->Handle()));
    CHECK(IsWindow(f.about->Handle()));  // hidden, not destroyed
    CHECK(IsWindowEnabled(f.form->Handle()));
}

TEST_CASE("the close button and Esc hide it too, and it shows again from 关于")
{
    TWindowFixture f(SampleIdioms(), true);
    int shows = 0;
    ShowAboutAndRun(f, [&](int) {
        if (!IsWindowVisible(f.about->Handle()))
            return false;
        ++shows;
        PostMessageW(f.about->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    });
    CHECK_FALSE(IsWindowVisible(f.about->Handle()));
    HWND kept = f.about->Handle();

    // The label 关于 of the main window does what the menu item does.
    int tick = 0;
    {
        TTimerScript timer([&] {
            if (++tick > 300) {
                f.about->Close();
                return true;
            }
            if (!IsWindowVisible(f.about->Handle()))
                return false;
            ++shows;
            PostMessageW(f.about->Button1->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
            return true;
        });
        f.Click(*f.form->Label6);
    }
    CHECK(shows == 2);
    CHECK(f.about->Handle() == kept);
    CHECK_FALSE(IsWindowVisible(f.about->Handle()));
    CHECK(IsWindowEnabled(f.form->Handle()));
}

TEST_CASE("the about window's links open the home page")
{
    TWindowFixture f(SampleIdioms(), true);
    f.Click(*f.about->Label2);
    f.Click(*f.about->Label3);
    REQUIRE(f.opened.size() == 2);
    for (const auto& [owner, address] : f.opened) {
        CHECK(owner == f.about->Handle());
        CHECK(address == L"http://www.example.com/");
    }
}

namespace {

// A window that counts the messages it is given.
struct TCounter {
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK)
            Count()[w].push_back(msg);
        return DefWindowProcW(w, msg, wp, lp);
    }
    static std::map<HWND, std::vector<UINT>>& Count()
    {
        static std::map<HWND, std::vector<UINT>> count;
        return count;
    }
    static HWND Make(HWND parent)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"QuorlenTestCounter";
        RegisterClassW(&wc);
        return CreateWindowW(L"QuorlenTestCounter", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    }
};

} // namespace

TEST_CASE("right-button messages for windows inside the browser are dropped; all else passes")
{
    TWindowFixture f(SampleIdioms(), true);
    HWND browser = f.about->WebBrowser1->Handle();
    HWND inside = TCounter::Make(browser);
    HWND deeper = TCounter::Make(inside);
    HWND outside = TCounter::Make(f.about->Handle());
    REQUIRE(inside);
    TCounter::Count().clear();
    for (HWND target : {inside, deeper, outside})
        for (UINT msg : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_LBUTTONDOWN, WM_MBUTTONDOWN})
            PostMessageW(target, msg, 0, MAKELPARAM(5, 5));
    f.Pump();
    CHECK(TCounter::Count()[inside] == std::vector<UINT>{WM_LBUTTONDOWN, WM_MBUTTONDOWN});
    CHECK(TCounter::Count()[deeper] == std::vector<UINT>{WM_LBUTTONDOWN, WM_MBUTTONDOWN});
    CHECK(TCounter::Count()[outside] ==
          std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_LBUTTONDOWN, WM_MBUTTONDOWN});

    // The modal loop applies the same filter.
    TCounter::Count().clear();
    ShowAboutAndRun(f, [&](int tick) {
        if (tick == 1) {
            PostMessageW(inside, WM_RBUTTONDOWN, 0, 0);
            PostMessageW(inside, WM_LBUTTONDOWN, 0, 0);
            return false;
        }
        f.about->Close();
        return true;
    });
    CHECK(TCounter::Count()[inside] == std::vector<UINT>{WM_LBUTTONDOWN});
    DestroyWindow(outside);
    DestroyWindow(inside);
}

TEST_CASE("a real message box appears, owned by the active form, and is closed")
{
    TWindowFixture f;
    f.real_boxes = true;
    SetForegroundWindow(f.form->Handle());
    f.Pump();
    HWND seen = nullptr, owner = nullptr;
    std::wstring caption, text;
    LONG ex_style = 0;
    {
        int tick = 0;
        TTimerScript timer([&] {
            HWND box = FindDialogBox();
            if (!box)
                return ++tick > 300;
            seen = box;
            owner = GetWindow(box, GW_OWNER);
            caption = WindowText(box);
            text = WindowText(GetDlgItem(box, 0xFFFF));
            ex_style = GetWindowLongW(box, GWL_STYLE);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return true;
        });
        f.Click(*f.form->Label4);
    }
    REQUIRE(seen);
    CHECK_FALSE(IsWindow(seen));
    CHECK(owner == f.form->Handle());
    CHECK(caption == L"Information");
    CHECK(text.starts_with(L"请在文本框中输入搜索关键字！"));
    CHECK((ex_style & DS_SETFOREGROUND) == 0);
    REQUIRE(f.boxes.size() == 1);
    CHECK(IsWindowEnabled(f.form->Handle()));
}
