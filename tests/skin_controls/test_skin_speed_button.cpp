// Tool buttons without a window of their own, skinned through their parent:
// cells by state read back from the screen, and clicks counted against an
// unskinned twin that gets the same mouse.
#include <doctest/doctest.h>

#include <tuple>
#include <vector>

#include "tests/skin_controls/skinned_window.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/skin/skin_button.h"
#include "ui/speed_button.h"

using namespace skin_colours;

namespace {

struct TSpeedWindow : TSkinnedWindow {
    TSpeedButton* button = nullptr;
    TSpeedButton* twin = nullptr;  // never skinned
    int clicks = 0, downs = 0, twinClicks = 0, twinDowns = 0;

    explicit TSpeedWindow(bool flat = false, bool skin = true)
    {
        button = Add<TSpeedButton>(nullptr, 40, 30, 100, 30, L"Go");
        button->SetFlat(flat);
        button->OnClick = [this](TControl&) { ++clicks; };
        button->OnMouseDown = [this](TControl&, TMouseButton, TShiftState, int, int) { ++downs; };
        twin = Add<TSpeedButton>(nullptr, 40, 200, 100, 30, L"Go");
        twin->Tag = data.DisableTag;
        twin->OnClick = [this](TControl&) { ++twinClicks; };
        twin->OnMouseDown = [this](TControl&, TMouseButton, TShiftState, int, int) { ++twinDowns; };
        Show();
        if (skin)
            Skin();
    }
    HWND Parent() { return form->Handle(); }
    TSkinSpeedButton* Painter() { return PainterOf<TSkinSpeedButton>(button); }
    // A point of the cell's centre area, clear of the caption.
    COLORREF Face(TSpeedButton* b = nullptr)
    {
        b = b ? b : button;
        HDC dc = GetDC(Parent());
        COLORREF c = GetPixel(dc, b->Left() + 10, b->Top() + 6);
        ReleaseDC(Parent(), dc);
        return c;
    }
    void Mouse(UINT msg, int x, int y)
    {
        if (msg == WM_MOUSEMOVE)
            PointAt(Parent(), x, y);
        SendMessageW(Parent(), msg, msg == WM_LBUTTONUP || msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        PumpMessages();
    }
    // Mouse messages remembered, to be played again over the twin.
    void Both(UINT msg, int x, int y)
    {
        Mouse(msg, x, y);
        played.push_back({msg, x, y});
    }
    void ReplayOnTwin()
    {
        for (const auto& [msg, x, y] : played)
            Mouse(msg, x, y + twin->Top() - button->Top());
    }
    std::vector<std::tuple<UINT, int, int>> played;
};

} // namespace

TEST_CASE("A speed button gets the tool-button painter through its parent; a label none")
{
    TSpeedWindow w;
    auto* label = w.Add<TLabel>(nullptr, 200, 30, 80, 20, L"text");
    SkinChildControls(*w.frame, *w.form);
    REQUIRE(w.Painter() != nullptr);
    CHECK(w.Painter()->Graphic() == w.button);
    CHECK(w.Painter()->State() == SS_ATTACHED);
    CHECK(w.PainterOf(label) == nullptr);
    CHECK(w.PainterOf(w.twin) == nullptr);
    // A second walk gives it no second painter.
    const size_t count = w.frame->Count();
    SkinChildControls(*w.frame, *w.form);
    CHECK(w.frame->Count() == count);
}

TEST_CASE("Without xcSpeedButton a speed button keeps its own look")
{
    TSpeedWindow w(false, false);
    w.data.SkinControls.Exclude(TSkinControlType::xcSpeedButton);
    w.Skin();
    CHECK(w.Painter() == nullptr);
    CHECK(w.Face() != Ref(ButtonCentre(BC_NORMAL)));
}

TEST_CASE("A speed button's cells follow the pointer, and clicks arrive as they do unskinned")
{
    TSpeedWindow w;
    CHECK(w.Face() == Ref(ButtonCentre(BC_NORMAL)));

    w.Both(WM_MOUSEMOVE, 60, 40);
    CHECK(w.Painter()->Hot());
    CHECK(w.Face() == Ref(ButtonCentre(BC_HOT)));

    w.Both(WM_LBUTTONDOWN, 60, 40);
    CHECK(w.Face() == Ref(ButtonCentre(BC_PRESSED)));
    CHECK(w.downs == 1);
    CHECK(w.clicks == 0);

    w.Both(WM_LBUTTONUP, 60, 40);
    CHECK(w.clicks == 1);
    CHECK(w.Face() == Ref(ButtonCentre(BC_HOT)));

    // Pressed, dragged off and released elsewhere: no click, and while off
    // it does not look pressed.
    w.Both(WM_LBUTTONDOWN, 60, 40);
    w.Both(WM_MOUSEMOVE, 300, 40);
    CHECK(w.Face() == Ref(ButtonCentre(BC_NORMAL)));
    w.Both(WM_LBUTTONUP, 300, 40);
    CHECK(w.clicks == 1);
    CHECK_FALSE(w.Painter()->Pressed());

    // A double press counts as the unskinned button counts it.
    w.Both(WM_LBUTTONDOWN, 60, 40);
    w.Both(WM_LBUTTONUP, 60, 40);
    w.Both(WM_LBUTTONDBLCLK, 60, 40);
    w.Both(WM_LBUTTONUP, 60, 40);
    CHECK(w.clicks == 3);

    SendMessageW(w.Parent(), WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    CHECK_FALSE(w.Painter()->Hot());
    CHECK(w.Face() == Ref(ButtonCentre(BC_NORMAL)));

    w.ReplayOnTwin();
    CHECK(w.clicks == w.twinClicks);
    CHECK(w.downs == w.twinDowns);
}

TEST_CASE("A disabled speed button shows the disabled cell and takes no click")
{
    TSpeedWindow w;
    w.button->SetEnabled(false);
    w.twin->SetEnabled(false);
    w.Settle();
    CHECK(w.Face() == Ref(ButtonCentre(BC_DISABLED)));
    w.Both(WM_MOUSEMOVE, 60, 40);
    w.Both(WM_LBUTTONDOWN, 60, 40);
    w.Both(WM_LBUTTONUP, 60, 40);
    CHECK(w.Face() == Ref(ButtonCentre(BC_DISABLED)));
    CHECK(w.clicks == 0);
    CHECK(w.downs == 0);
    w.ReplayOnTwin();
    CHECK(w.twinClicks == 0);
    CHECK(w.twinDowns == 0);
}

TEST_CASE("A flat speed button shows its parent until the pointer is over it")
{
    TSpeedWindow w(true);
    CHECK(w.Face() == RGB(0, 128, 255));
    w.Mouse(WM_MOUSEMOVE, 60, 40);
    CHECK(w.Face() == Ref(ButtonCentre(BC_HOT)));
    w.Mouse(WM_MOUSEMOVE, 300, 40);
    CHECK(w.Face() == RGB(0, 128, 255));
}

TEST_CASE("Grouped speed buttons: the one clicked stays down, the other comes up")
{
    TSpeedWindow w;
    auto* other = w.Add<TSpeedButton>(nullptr, 160, 30, 100, 30, L"Two");
    w.button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    w.Skin();
    REQUIRE(w.PainterOf<TSkinSpeedButton>(other) != nullptr);
    w.Mouse(WM_LBUTTONDOWN, 60, 40);
    w.Mouse(WM_LBUTTONUP, 60, 40);
    w.Mouse(WM_MOUSEMOVE, 300, 100);
    CHECK(w.button->Down());
    CHECK(w.Face() == Ref(ButtonCentre(BC_PRESSED)));
    CHECK(w.Face(other) == Ref(ButtonCentre(BC_NORMAL)));
    w.Mouse(WM_LBUTTONDOWN, 180, 40);
    w.Mouse(WM_LBUTTONUP, 180, 40);
    w.Mouse(WM_MOUSEMOVE, 300, 100);
    CHECK_FALSE(w.button->Down());
    CHECK(other->Down());
    CHECK(w.Face() == Ref(ButtonCentre(BC_NORMAL)));
    CHECK(w.Face(other) == Ref(ButtonCentre(BC_PRESSED)));
}

TEST_CASE("A speed button's skin going, or the button going, leaves the parent working")
{
    SUBCASE("skin removed")
    {
        TSpeedWindow w;
        w.frame->ReleaseAll();
        w.Settle();
        CHECK(w.Face() != Ref(ButtonCentre(BC_NORMAL)));
        CHECK_FALSE(w.button->PaintProc);
        w.Mouse(WM_LBUTTONDOWN, 60, 40);
        w.Mouse(WM_LBUTTONUP, 60, 40);
        CHECK(w.clicks == 1);
        // Skinned again: painted again.
        w.Skin();
        CHECK(w.Face() == Ref(ButtonCentre(BC_NORMAL)));
    }
    SUBCASE("button freed")
    {
        TSpeedWindow w;
        const size_t count = w.frame->Count();
        w.form->FreeComponent(w.button);
        CHECK(w.frame->Count() == count - 1);
        w.Mouse(WM_MOUSEMOVE, 60, 40);
        w.Mouse(WM_LBUTTONDOWN, 60, 40);
        w.Mouse(WM_LBUTTONUP, 60, 40);
        w.Settle();
        // Its place shows the form again.
        HDC dc = GetDC(w.Parent());
        CHECK(GetPixel(dc, 50, 36) == RGB(0, 128, 255));
        ReleaseDC(w.Parent(), dc);
    }
}

TEST_CASE("A flat speed button in a skinned group box shows the box's skinned face behind it")
{
    // The box's painter draws its painted children as part of its face, the
    // button among them: the button must not paint itself into its own background.
    TSkinnedWindow w(TestSkinIni(FullTestSkinSections()), FullTestSkinBitmaps());
    auto* box = w.Add<TGroupBox>(nullptr, 10, 10, 300, 200, L"Box");
    auto* flat = w.Add<TSpeedButton>(box, 20, 40, 100, 30, L"Flat");
    flat->SetFlat(true);
    auto* raised = w.Add<TSpeedButton>(box, 140, 40, 100, 30, L"Raised");
    w.Show();
    w.Skin();
    REQUIRE(w.PainterOf<TSkinSpeedButton>(flat) != nullptr);
    REQUIRE(w.PainterOf<TSkinSpeedButton>(raised) != nullptr);
    HDC dc = GetDC(box->Handle());
    CHECK(GetPixel(dc, flat->Left() + 10, flat->Top() + 6) == Ref(kFace));
    CHECK(GetPixel(dc, raised->Left() + 10, raised->Top() + 6) == Ref(ButtonCentre(BC_NORMAL)));
    ReleaseDC(box->Handle(), dc);
}
