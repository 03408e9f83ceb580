// The main window as the program skins it: the runtime gives it a frame, the
// frame gives its controls their painters, and the window still works as
// without a skin.
#include "tests/ui/ui_fixture.h"

#include "ui/skin/skin_boxes.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_common_controls.h"
#include "ui/skin/skin_edits.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/skin_scrollbar.h"
#include "ui/skin/skinner_gdi.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_manage.h"

namespace {

TSkinControlList* PaintersOf(TWinSkinForm& frame)
{
    for (size_t i = 0; i < frame.ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TSkinControlList*>(frame.Component(i)))
            return list;
    return nullptr;
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

// The program's skin manager outlives the windows it skinned, and goes with the test.
struct TReleaseManagerAtEnd {
    ~TReleaseManagerAtEnd() { ReleaseSkinManager(); }
};

// The main window once its frame has initialised and skinned its controls.
struct TSkinnedMain : TReleaseManagerAtEnd, TWindowFixture {
    TSkinControlList* painters = nullptr;

    TSkinnedMain()
    {
        for (int i = 0; i < 100 && !painters; ++i) {
            Pump();
            Sleep(20);
            auto* manager = dynamic_cast<TWinSkinManage*>(SkinManager());
            TWinSkinForm* frame = manager ? manager->FindFrame(form->Handle()) : nullptr;
            if (frame && frame->FrameState == fsReady)
                painters = PaintersOf(*frame);
        }
        Pump();
    }
    template <class P>
    P* PainterOf(TControl* c)
    {
        return painters ? dynamic_cast<P*>(painters->FindFor(c)) : nullptr;
    }
};

} // namespace

TEST_CASE("Each control of the main window gets the painter the rules give it")
{
    TSkinnedMain f;
    REQUIRE(f.painters != nullptr);
    TForm1& m = *f.form;
    for (TControl* g : {m.GroupBox1, m.GroupBox2, m.GroupBox3, m.GroupBox4}) {
        CAPTURE(g->Name);
        CHECK(f.PainterOf<TSkinGroupBox>(g) != nullptr);
    }
    for (TControl* c : {m.ComboBox1, m.ComboBox2}) {
        CAPTURE(c->Name);
        CHECK(f.PainterOf<TSkinComBox>(c) != nullptr);
    }
    for (TControl* e : {m.soedit, m.Edit1, m.jl}) {
        CAPTURE(e->Name);
        CHECK(f.PainterOf<TSkinEdit>(e) != nullptr);
    }
    for (TControl* b : {m.Button1, m.Button2}) {
        CAPTURE(b->Name);
        CHECK(f.PainterOf<TSkinButton>(b) != nullptr);
    }
    CHECK(f.PainterOf<TSkinScrollbar>(m.DBGridEh1) != nullptr);
    CHECK(f.PainterOf<TSkinScrollbar>(m.FlatMemo1) != nullptr);
    for (TControl* l : {m.Label1, m.Label2, m.Label3, m.Label4, m.Label5, m.Label6}) {
        CAPTURE(l->Name);
        CHECK(f.painters->FindFor(l) == nullptr);
    }
    // And the grid's column titles, a window inside the grid.
    HWND header = reinterpret_cast<HWND>(SendMessageW(m.DBGridEh1->Handle(), LVM_GETHEADER, 0, 0));
    CHECK(dynamic_cast<TSkinHeader*>(TSkinControl::FromWindow(header)) != nullptr);
    CHECK(f.painters->Count() == 14);
}

TEST_CASE("The links on a group box's edge sit on the face the box is painted in")
{
    TSkinnedMain f;
    REQUIRE(f.painters != nullptr);
    TForm1& m = *f.form;
    const TSkinData& data = *m.SkinData1;
    const COLORREF face = SkinColourRef(data, data.SkinColours[SC_BUTTONFACE]);
    REQUIRE(face != ColorToRGB(clBtnFace));
    for (TLabel* link : {m.Label4, m.Label5, m.Label6}) {
        CAPTURE(link->Name);
        CHECK(link->Parent()->Color() == data.SkinColours[SC_BUTTONFACE]);
        // The label's last column: past its text, on the box's edge line.
        HWND box = link->Parent()->Handle();
        CHECK(WindowPixel(box, link->Left() + link->Width() - 1, link->Top() + 1) == face);
        CHECK(WindowPixel(box, link->Left() + link->Width() - 1, link->Top() + link->Height() / 2) == face);
    }
}

TEST_CASE("The skinned main window works as it does without a skin")
{
    TSkinnedMain f;
    REQUIRE(f.painters != nullptr);
    TForm1& m = *f.form;
    const int all = f.GridRows();
    // Typing into a skinned edit box, a lookup by the skinned button: its click arrives once.
    m.soedit->Click();
    f.Type(*m.soedit, L"马");
    CHECK(m.soedit->Text() == L"马");
    f.Click(*m.Button1);
    CHECK(f.GridRows() == 2);
    CHECK(f.GridRows() < all);
    CHECK(f.Warnings().empty());
    // The quick-lookup mode by keyboard in the skinned combo box.
    m.ComboBox1->SetFocus();
    f.Key(*m.ComboBox1, VK_DOWN);
    CHECK(m.ComboBox1->ItemIndex() == 1);
    // A chain game through the second skinned button.
    m.jl->Click();
    f.Type(*m.jl, L"一马当先");
    f.Click(*m.Button2);
    CHECK(f.Memo().find(L"-->") != std::wstring::npos);
}

TEST_CASE("The memo's bar rule holds under the skin: a panel only while the explanation needs a bar")
{
    TSkinnedMain f;
    REQUIRE(f.painters != nullptr);
    TForm1& m = *f.form;
    auto* painter = f.PainterOf<TSkinScrollbar>(m.FlatMemo1);
    REQUIRE(painter != nullptr);
    auto panelShown = [&] { return painter->VertPanel() && IsWindowVisible(painter->VertPanel()->Handle()); };
    // The start-up explanation is short.
    CHECK_FALSE(panelShown());
    std::string longText;
    for (int i = 0; i < 40; ++i)
        longText += "line " + std::to_string(i) + "\r\n";
    m.SetMemoText(longText);
    f.Pump();
    CHECK((GetWindowLongW(m.FlatMemo1->Handle(), GWL_STYLE) & WS_VSCROLL) != 0);
    CHECK(panelShown());
    // The wheel over the skinned bar scrolls the explanation.
    SendMessageW(painter->VertPanel()->Handle(), WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint32_t>(-WHEEL_DELTA) << 16), 0);
    f.Pump();
    CHECK(SendMessageW(m.FlatMemo1->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0) > 0);
    m.SetMemoText("short\r\n");
    f.Pump();
    CHECK_FALSE(panelShown());
}
