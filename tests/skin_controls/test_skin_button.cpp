// Skinned push buttons on real windows: states, cells, caption, click
// delivery, the parent's background, by pixels read back from the screen.
#include <doctest/doctest.h>

#include "tests/skin_controls/skinned_window.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/skin/skin_button.h"

using namespace skin_colours;

namespace {

struct TButtonWindow : TSkinnedWindow {
    TButton* button = nullptr;
    int clicks = 0;
    int downs = 0;

    explicit TButtonWindow(const std::string& ini = TestSkinIni()) : TSkinnedWindow(ini)
    {
        button = Add<TButton>(nullptr, 40, 30, 120, 40, L"Go");
        button->OnClick = [this](TControl&) { ++clicks; };
        button->OnMouseDown = [this](TControl&, TMouseButton, TShiftState, int, int) { ++downs; };
        Add<TButton>(nullptr, 200, 30, 80, 30, L"Other");
        Show();
        Skin();
    }
    HWND Handle() { return button->Handle(); }
    // The centre colour shows which cell is drawn.
    COLORREF Centre() { return WindowPixel(Handle(), 60, 4 + 2); }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageW(Handle(), msg, wp, lp); }
    TSkinButton* Painter() { return PainterOf<TSkinButton>(button); }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

} // namespace

TEST_CASE("A push button gets the button painter and answers the query")
{
    TButtonWindow w;
    REQUIRE(w.Painter() != nullptr);
    CHECK(w.Painter()->State() == SS_ATTACHED);
    CHECK(w.Send(SKINMSG_QUERY) == 1);
    CHECK_FALSE(w.Painter()->OwnClick());
    CHECK_FALSE(w.Painter()->ParentBack());
    // Both buttons, nothing else.
    CHECK(w.frame->Count() == 2);
}

TEST_CASE("The five cells follow the button's state")
{
    TButtonWindow w;
    CHECK(w.Centre() == Ref(ButtonCentre(BC_NORMAL)));

    // Hot while the mouse is over it.
    PointAt(w.Handle(), 60, 20);
    w.Send(WM_MOUSEMOVE, 0, At(60, 20));
    PumpMessages();
    CHECK(w.Painter()->Hot());
    CHECK(w.Centre() == Ref(ButtonCentre(BC_HOT)));

    // Pressed on the button's press: the focus moves to it, the control sees
    // its mouse-down once, and the system button never sees the press.
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 20));
    CHECK(w.Centre() == Ref(ButtonCentre(BC_PRESSED)));
    CHECK(GetFocus() == w.Handle());
    CHECK(w.downs == 1);
    CHECK(w.clicks == 0);
    CHECK((SendMessageW(w.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) == 0);

    // Released: one click, back to hot.
    w.Send(WM_LBUTTONUP, 0, At(60, 20));
    PumpMessages();
    CHECK(w.clicks == 1);
    CHECK(w.Centre() == Ref(ButtonCentre(BC_HOT)));

    // The mouse leaves: the focused cell.
    w.Send(WM_MOUSELEAVE);
    CHECK_FALSE(w.Painter()->Hot());
    CHECK(w.Centre() == Ref(ButtonCentre(BC_FOCUSED)));
    CHECK(w.clicks == 1);
}

TEST_CASE("A release without a press on the button is no click; leaving drops the press")
{
    TButtonWindow w;
    w.Send(WM_LBUTTONUP, 0, At(10, 10));
    CHECK(w.clicks == 0);
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    w.Send(WM_MOUSELEAVE);
    CHECK_FALSE(w.Painter()->Pressed());
    w.Send(WM_LBUTTONUP, 0, At(10, 10));
    CHECK(w.clicks == 0);
}

TEST_CASE("Space shows the button pressed until it is released, and the button's own handling clicks once")
{
    TButtonWindow w;
    SetFocus(w.Handle());
    PumpMessages();
    CHECK(w.Centre() == Ref(ButtonCentre(BC_FOCUSED)));
    w.Send(WM_KEYDOWN, VK_SPACE, 0x00390001);
    PumpMessages();
    CHECK(w.Painter()->Pressed());
    CHECK(w.Centre() == Ref(ButtonCentre(BC_PRESSED)));
    CHECK(w.clicks == 0);
    w.Send(WM_KEYUP, VK_SPACE, 0xC0390001);
    PumpMessages();
    CHECK_FALSE(w.Painter()->Pressed());
    CHECK(w.clicks == 1);
    CHECK(w.Centre() == Ref(ButtonCentre(BC_FOCUSED)));
}

TEST_CASE("Disabled and default buttons show their cells")
{
    TButtonWindow w;
    w.button->SetDefault(true);
    w.Settle();
    CHECK(w.Centre() == Ref(ButtonCentre(BC_FOCUSED)));
    w.button->SetEnabled(false);
    w.Settle();
    CHECK(w.Centre() == Ref(ButtonCentre(BC_DISABLED)));
    // A disabled button takes no hot state.
    w.Send(WM_MOUSEMOVE, 0, At(60, 20));
    CHECK_FALSE(w.Painter()->Hot());
}

TEST_CASE("The skin's text colours: normal always, the hot colour over a hot button, shadow when disabled")
{
    TButtonWindow w;
    w.button->SetCaption(L"WWWW");
    w.Settle();
    CHECK(TWindowShot(w.Handle()).Count(Ref(kButtonText)) > 10);
    PointAt(w.Handle(), 60, 20);
    w.Send(WM_MOUSEMOVE, 0, At(60, 20));
    PumpMessages();
    TWindowShot hot(w.Handle());
    CHECK(hot.Count(Ref(kButtonHotText)) > 10);
    CHECK(hot.Count(Ref(kButtonText)) == 0);
    w.Send(WM_MOUSELEAVE);
    w.button->SetEnabled(false);
    w.Settle();
    TWindowShot disabled(w.Handle());
    CHECK(disabled.Count(GetSysColor(COLOR_BTNSHADOW)) > 10);
    CHECK(disabled.Count(Ref(kButtonText)) == 0);
}

TEST_CASE("A caption with '||' is drawn on two lines, only the first '||' breaks")
{
    CHECK(ButtonCaptionText(L"AB||CD") == L"AB\r\nCD");
    CHECK(ButtonCaptionText(L"A||B||C") == L"A\r\nB||C");
    CHECK(ButtonCaptionText(L"plain") == L"plain");

    TButtonWindow w;
    w.button->SetBounds(40, 30, 120, 60);
    w.button->SetCaption(L"WWW");
    w.Settle();
    // Text rows inside the blue centre of the cell (its edges are 4 pixels).
    const std::vector<int> one = TWindowShot(w.Handle()).RowsRedderThanBlue(4, 116);
    CHECK(Runs(one) == 1);
    w.button->SetCaption(L"WWW||WWW");
    w.Settle();
    const std::vector<int> two = TWindowShot(w.Handle()).RowsRedderThanBlue(4, 116);
    CHECK(Runs(two) == 2);
    // Both lines together stay centred: as much space above as below.
    REQUIRE_FALSE(two.empty());
    CHECK(std::abs(two.front() - (60 - 1 - two.back())) <= 3);
}

TEST_CASE("Corners of the cell are transparent: face colour, or the parent's background with Tag 5555")
{
    {
        TButtonWindow w;
        CHECK(WindowPixel(w.Handle(), 0, 0) == Ref(kFace));
        CHECK(WindowPixel(w.Handle(), 1, 0) == Ref(ButtonEdge(BC_NORMAL)));
    }
    {
        TSkinnedWindow w;
        auto* b = w.Add<TButton>(nullptr, 40, 30, 120, 40, L"Go");
        b->Tag = 5555;
        w.Show();
        w.Skin();
        REQUIRE(w.PainterOf<TSkinButton>(b) != nullptr);
        CHECK(w.PainterOf<TSkinButton>(b)->ParentBack());
        CHECK(WindowPixel(b->Handle(), 0, 0) == RGB(0, 128, 255));
        CHECK(WindowPixel(b->Handle(), 119, 39) == RGB(0, 128, 255));
    }
}

TEST_CASE("Without a Buttons image the painter draws nothing but keeps the paint")
{
    TSkinnedWindow w(TestSkinIni("", false));
    auto* b = w.Add<TButton>(nullptr, 40, 30, 120, 40, L"Go");
    w.Show();
    w.Skin();
    REQUIRE(w.PainterOf<TSkinButton>(b) != nullptr);
    // Neither the painter nor the native button draws: a new caption does not appear.
    const TWindowShot before(b->Handle());
    b->SetCaption(L"A much longer caption");
    w.Settle();
    CHECK(TWindowShot(b->Handle()).CountDark() <= before.CountDark() + 5);
}

TEST_CASE("A label has no window and is never skinned; DisableTag keeps a button native")
{
    TSkinnedWindow w;
    auto* label = w.Add<TLabel>(nullptr, 10, 100, 100, 20, L"Label");
    auto* native = w.Add<TButton>(nullptr, 40, 30, 120, 40, L"Native");
    native->Tag = 99;
    auto* skinned = w.Add<TButton>(nullptr, 200, 30, 120, 40, L"Skinned");
    w.Show();
    w.Skin();
    CHECK(w.frame->FindFor(label) == nullptr);
    CHECK(w.frame->FindFor(native) == nullptr);
    CHECK(SendMessageW(native->Handle(), SKINMSG_QUERY, 0, 0) == 0);
    CHECK(w.frame->FindFor(skinned) != nullptr);
    CHECK(w.frame->Count() == 1);
}

TEST_CASE("Walking a form twice never gives a control a second painter")
{
    TButtonWindow w;
    TSkinControl* first = w.Painter();
    const size_t before = w.button->ComponentCount();
    SkinChildControls(*w.frame, *w.form);
    SkinControl(*w.frame, *w.button, w.form.get());
    CHECK(w.Painter() == first);
    CHECK(w.frame->Count() == 2);
    CHECK(w.button->ComponentCount() == before);
    // Clicks still arrive once.
    PointAt(w.Handle(), 60, 20);
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 20));
    w.Send(WM_LBUTTONUP, 0, At(60, 20));
    CHECK(w.clicks == 1);
}

TEST_CASE("A switched-off painter lets the native button paint and click; switched on it paints again")
{
    TButtonWindow w;
    w.Send(SKINMSG_ENABLE, 0);
    CHECK_FALSE(w.Painter()->SkinEnabled());
    w.Settle();
    CHECK(w.Centre() != Ref(ButtonCentre(BC_NORMAL)));
    // The native button handles the press and clicks through its notification.
    w.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 20));
    w.Send(WM_LBUTTONUP, 0, At(60, 20));
    PumpMessages();
    CHECK(w.clicks == 1);
    w.Send(SKINMSG_ENABLE, 1);
    w.Settle();
    CHECK(w.Centre() == Ref(ButtonCentre(BC_FOCUSED)));
}
