// Group boxes, edit boxes and combo boxes under their painters: what they
// look like, and that they still work as they do without a skin.
#include <doctest/doctest.h>

#include "tests/skin_controls/skinned_window.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/skin/skin_boxes.h"
#include "ui/skin/skin_edits.h"

using namespace skin_colours;

namespace {

struct TFieldsWindow : TSkinnedWindow {
    TGroupBox* group = nullptr;
    TEdit* edit = nullptr;
    TComboBox* combo = nullptr;
    TLabel* label = nullptr;
    int changes = 0;

    TFieldsWindow() : TSkinnedWindow(TestSkinIni(FullTestSkinSections()), FullTestSkinBitmaps())
    {
        group = Add<TGroupBox>(nullptr, 10, 10, 380, 260, L"Lookup");
        edit = Add<TEdit>(group, 10, 30, 150, 26);
        combo = Add<TComboBox>(group, 170, 30, 120, 26);
        combo->SetItems({L"Alpha", L"Beta", L"Gamma"});
        combo->SetItemIndex(0);
        combo->OnChange = [this](TCustomComboBox&) { ++changes; };
        label = Add<TLabel>(group, 10, 200, 120, 20, L"WWWWWW");
        label->Font().SetColor(Rgb(0, 0, 255));  // a blue no skin cell uses
        label->SetTransparent(true);
        Show();
        Skin();
    }
};

COLORREF BlueLabel() { return Ref(Rgb(0, 0, 255)); }

} // namespace

TEST_CASE("A group box's children are skinned first, then the group box")
{
    TFieldsWindow w;
    auto* groupPainter = w.PainterOf<TSkinGroupBox>(w.group);
    auto* editPainter = w.PainterOf<TSkinEdit>(w.edit);
    auto* comboPainter = w.PainterOf<TSkinComBox>(w.combo);
    REQUIRE(groupPainter);
    REQUIRE(editPainter);
    REQUIRE(comboPainter);
    CHECK(w.frame->FindFor(w.label) == nullptr);
    size_t group = 0, edit = 0, combo = 0;
    for (size_t i = 0; i < w.frame->Count(); ++i) {
        if (w.frame->At(i) == groupPainter)
            group = i;
        if (w.frame->At(i) == editPainter)
            edit = i;
        if (w.frame->At(i) == comboPainter)
            combo = i;
    }
    CHECK(edit < group);
    CHECK(combo < group);
    CHECK(w.frame->Count() == 3);
}

TEST_CASE("A group box: the skin's edge around the skin's face, the caption on its label, its labels still shown")
{
    TFieldsWindow w;
    HWND g = w.group->Handle();
    TWindowShot shot(g);
    // The face inside, away from children.
    CHECK(shot.At(300, 150) == Ref(kFace));
    // The edge at the sides and bottom, below the caption line.
    CHECK(shot.At(1, 150) == Ref(kGroupEdge));
    CHECK(shot.At(378, 150) == Ref(kGroupEdge));
    CHECK(shot.At(200, 258) == Ref(kGroupEdge));
    // The caption's label background interrupts the top edge, where the text starts.
    CHECK(shot.Count(Ref(kGroupLabel)) > 20);
    CHECK(shot.At(300, 2) != Ref(kGroupLabel));
    // The label inside the group box is painted over the face.
    CHECK(shot.Count(BlueLabel()) > 10);
    // Disabled: the second edge cell.
    w.group->SetEnabled(false);
    w.Settle();
    CHECK(WindowPixel(g, 1, 150) == Ref(kGroupEdgeDisabled));
}

TEST_CASE("An edit box: a frame in the shadow colour, the highlight colour while focused, typing unchanged")
{
    TFieldsWindow w;
    HWND e = w.edit->Handle();
    CHECK(WindowPixel(e, 0, 0) == Ref(kShadow));
    CHECK(WindowPixel(e, 75, 25) == Ref(kShadow));
    // The inner part of the border takes the field's colour.
    CHECK(WindowPixel(e, 1, 10) == GetSysColor(COLOR_WINDOW));
    w.edit->SetFocus();
    PumpMessages();
    CHECK(WindowPixel(e, 0, 0) == Ref(kHilight));
    for (wchar_t c : std::wstring(L"abc"))
        SendMessageW(e, WM_CHAR, c, 1);
    CHECK(w.edit->Text() == L"abc");
    SendMessageW(e, WM_KEYDOWN, VK_BACK, 1);
    SendMessageW(e, WM_CHAR, VK_BACK, 1);
    CHECK(w.edit->Text() == L"ab");
    w.combo->SetFocus();
    PumpMessages();
    CHECK(WindowPixel(e, 0, 0) == Ref(kShadow));
}

TEST_CASE("A combo box: frame and button from the skin's composite, the field still the combo box's")
{
    TFieldsWindow w;
    HWND c = w.combo->Handle();
    RECT r;
    GetClientRect(c, &r);
    const int wdt = r.right, h = r.bottom;
    // The button side is the button's normal cell, the frame the frame's.
    CHECK(WindowPixel(c, wdt - 6, h / 2) == Ref(ComboCellColour(1)));
    CHECK(WindowPixel(c, wdt / 3, 0) == Ref(SunkCell(1)));
    CHECK(WindowPixel(c, 0, h / 2) == Ref(SunkCell(1)));
    // The selected text is drawn by the combo box itself, in the middle.
    TWindowShot shot(c);
    CHECK(shot.CountDark() > 10);
    // Hot while the mouse is over it.
    PointAt(c, wdt / 2, h / 2);
    SendMessageW(c, WM_MOUSEMOVE, 0, MAKELPARAM(wdt / 2, h / 2));
    PumpMessages();
    CHECK(w.PainterOf<TSkinComBox>(w.combo)->Hot());
    CHECK(WindowPixel(c, wdt - 6, h / 2) == Ref(ComboCellColour(2)));
    SendMessageW(c, WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    // Dropped: the pressed cell; the list works as ever.
    SendMessageW(c, CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages();
    CHECK(SendMessageW(c, CB_GETDROPPEDSTATE, 0, 0) != 0);
    CHECK(WindowPixel(c, wdt - 6, h / 2) == Ref(ComboCellColour(3)));
    SendMessageW(c, CB_SHOWDROPDOWN, FALSE, 0);
    PumpMessages();
    // Disabled.
    w.combo->SetEnabled(false);
    w.Settle();
    CHECK(WindowPixel(c, wdt - 6, h / 2) == Ref(ComboCellColour(4)));
}

TEST_CASE("A skinned combo box still selects with the keyboard and reports the change")
{
    TFieldsWindow w;
    w.combo->SetFocus();
    PumpMessages();
    SendMessageW(w.combo->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PumpMessages();
    CHECK(w.combo->ItemIndex() == 1);
    CHECK(w.combo->Text() == L"Beta");
    CHECK(w.changes == 1);
}

TEST_CASE("Skin3rd kind 'edit' skins only a control with a border; 'nil' keeps a combo box native")
{
    TSkinnedWindow w;
    w.data.SetSkin3rd({"TEdit=edit", "TComboBox=nil"});
    auto* bordered = w.Add<TEdit>(nullptr, 10, 10, 100, 24);
    auto* combo = w.Add<TComboBox>(nullptr, 10, 50, 100, 24);
    w.Show();
    // A border-less edit: its window and client rectangles are the same.
    bordered->Handle();
    SetWindowLongPtrW(bordered->Handle(), GWL_EXSTYLE, 0);
    SetWindowPos(bordered->Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    w.Skin();
    CHECK(w.frame->FindFor(bordered) == nullptr);
    CHECK(w.frame->FindFor(combo) == nullptr);
    auto* second = w.Add<TEdit>(nullptr, 10, 90, 100, 24);
    SkinControl(*w.frame, *second, w.form.get());
    CHECK(w.PainterOf<TSkinEdit>(second) != nullptr);
}

TEST_CASE("DisableTag on a radio group passes to its children; a group box with the tag keeps its children skinnable")
{
    struct TRadioGroup : TCustomGroupBox {
        using TCustomGroupBox::TCustomGroupBox;
        const char* ClassName() const override { return "TRadioGroup"; }
    };
    TSkinnedWindow w;
    auto* radios = w.Add<TRadioGroup>(nullptr, 10, 10, 200, 100, L"Radios");
    auto* inside = w.Add<TEdit>(radios, 10, 30, 100, 24);
    radios->Tag = 99;
    auto* plain = w.Add<TGroupBox>(nullptr, 220, 10, 180, 100, L"Plain");
    auto* plainInside = w.Add<TEdit>(plain, 10, 30, 100, 24);
    plain->Tag = 99;
    w.Show();
    w.Skin();
    CHECK(inside->Tag == 99);
    CHECK(w.frame->FindFor(inside) == nullptr);
    CHECK(w.frame->FindFor(radios) == nullptr);
    CHECK(w.frame->FindFor(plain) == nullptr);
    // The component walk still reaches the edit of a plain group box.
    CHECK(plainInside->Tag == 0);
    CHECK(w.frame->FindFor(plainInside) != nullptr);
}

TEST_CASE("Removing the skin gives back colours and ParentBackground; a painter with the paint-background flag")
{
    TSkinnedWindow w;
    w.data.SetSkin3rd({"TGroupBox=groupbox"});
    auto* g = w.Add<TGroupBox>(nullptr, 10, 10, 200, 100, L"Box");
    g->SetColor(Rgb(1, 2, 3));
    REQUIRE(g->ParentBackground());
    w.Show();
    w.Skin();
    auto* painter = w.PainterOf<TSkinGroupBox>(g);
    REQUIRE(painter);
    CHECK(painter->PaintBackground());
    CHECK(g->Color() == w.data.SkinColours[SC_BUTTONFACE]);
    CHECK_FALSE(g->ParentBackground());
    // A new skin: the new face colour.
    w.data.SkinColours[SC_BUTTONFACE] = Rgb(9, 9, 9);
    w.frame->SkinChanged();
    CHECK(g->Color() == Rgb(9, 9, 9));
    w.frame->ReleaseAll();
    CHECK(w.frame->Count() == 0);
    CHECK(g->Color() == Rgb(1, 2, 3));
    CHECK(g->ParentBackground());
    CHECK(SendMessageW(g->Handle(), SKINMSG_QUERY, 0, 0) == 0);
    // With xoParentBackGround the flag stays as it was.
    w.data.Options.Include(TSkinOption::xoParentBackGround);
    w.Skin();
    CHECK(g->ParentBackground());
}

TEST_CASE("A control whose window is gone: its painter is dead, and the next walk frees it")
{
    TFieldsWindow w;
    TSkinControl* painter = w.frame->FindFor(w.edit);
    REQUIRE(painter);
    const size_t owned = w.edit->ComponentCount();
    DestroyWindow(w.edit->Handle());
    CHECK(painter->State() == SS_DEAD);
    CHECK_FALSE(w.edit->HandleAllocated());
    CHECK(w.frame->Count() == 3);
    w.frame->PurgeDead();
    CHECK(w.frame->Count() == 2);
    CHECK(w.frame->FindFor(w.edit) == nullptr);
    CHECK(w.edit->ComponentCount() == owned - 1);
    // The next walk gives the new window a painter of its own.
    SkinChildControls(*w.frame, *w.form);
    CHECK(w.frame->Count() == 3);
    CHECK(w.PainterOf<TSkinEdit>(w.edit) != nullptr);
}

TEST_CASE("A painter freed with its control leaves the frame's list")
{
    TFieldsWindow w;
    const size_t before = w.frame->Count();
    w.form->FreeComponent(w.combo);
    CHECK(w.frame->Count() == before - 1);
    w.Settle();
}
