// The control walk's hooks and group rules on real controls: OnSkinControl,
// Skin3rd radio groups, and the tab-order pass.
#include <doctest/doctest.h>

#include "tests/skin_controls/skinned_window.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/skin/skin_boxes.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_checks.h"
#include "ui/skin/skin_edits.h"

namespace {

// A radio button of the system, as a widget-set control.
class TTestRadio : public TButtonControl {
public:
    using TButtonControl::TButtonControl;
    const char* ClassName() const override { return "TTestRadio"; }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TButtonControl::CreateParams(params);
        params.ClassName = L"BUTTON";
        params.Style |= BS_AUTORADIOBUTTON;
    }
};

class TTestRadioGroup : public TCustomGroupBox {
public:
    using TCustomGroupBox::TCustomGroupBox;
    const char* ClassName() const override { return "TTestRadioGroup"; }
};

} // namespace

TEST_CASE("OnSkinControl hands back a painter of its own; the rest goes by the rules")
{
    TSkinnedWindow w;
    auto* edit = w.Add<TEdit>(nullptr, 10, 10, 120, 24);
    auto* button = w.Add<TButton>(nullptr, 10, 50, 100, 30, L"Go");
    std::vector<std::string> asked;
    w.data.OnSkinControl = [&](TSkinData&, void* control, const std::string& cls) -> TObject* {
        asked.push_back(cls);
        if (cls != "TEDIT")
            return nullptr;
        auto* painter = static_cast<TControl*>(control)->Make<TSkinEdit>();
        painter->SetPaintBackground(true);
        return painter;
    };
    edit->SetColor(Rgb(1, 2, 3));
    w.Show();
    w.Skin();
    // Asked with the upper-case class name.
    CHECK(std::find(asked.begin(), asked.end(), "TEDIT") != asked.end());
    CHECK(std::find(asked.begin(), asked.end(), "TBUTTON") != asked.end());
    auto* own = w.PainterOf<TSkinEdit>(edit);
    REQUIRE(own != nullptr);
    CHECK(own->PaintBackground());
    CHECK(edit->Color() == w.data.SkinColours[SC_BUTTONFACE]);
    CHECK(w.PainterOf<TSkinButton>(button) != nullptr);
    // A second walk asks again but never attaches a second painter.
    const size_t painters = w.frame->Count();
    SkinChildControls(*w.frame, *w.form);
    CHECK(w.frame->Count() == painters);
    w.frame->ReleaseAll();
    CHECK(edit->Color() == Rgb(1, 2, 3));
}

TEST_CASE("A Skin3rd radio group: its frame with the face colour, each child a radio painter")
{
    TSkinnedWindow w;
    w.data.SetSkin3rd({"TTestRadioGroup=Radiogroup"});
    auto* group = w.Add<TTestRadioGroup>(nullptr, 10, 10, 200, 120, L"Choose");
    auto* a = w.Add<TTestRadio>(group, 10, 30, 150, 20, L"One");
    auto* b = w.Add<TTestRadio>(group, 10, 60, 150, 20, L"Two");
    w.Show();
    w.Skin();
    auto* frame = w.PainterOf<TSkinGroupBox>(group);
    REQUIRE(frame != nullptr);
    CHECK(frame->PaintBackground());
    CHECK(w.PainterOf<TSkinRadioButton>(a) != nullptr);
    CHECK(w.PainterOf<TSkinRadioButton>(b) != nullptr);
    // The system still moves the choice.
    SendMessageW(b->Handle(), BM_CLICK, 0, 0);
    PumpMessages();
    CHECK(SendMessageW(b->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    // Without xcRadioButton the children stay native; the frame is still painted.
    TSkinnedWindow v;
    v.data.SetSkin3rd({"TTestRadioGroup=Radiogroup"});
    v.data.SkinControls.Exclude(TSkinControlType::xcRadioButton);
    auto* g2 = v.Add<TTestRadioGroup>(nullptr, 10, 10, 200, 120, L"Choose");
    auto* c = v.Add<TTestRadio>(g2, 10, 30, 150, 20, L"One");
    v.Show();
    v.Skin();
    CHECK(v.PainterOf<TSkinGroupBox>(g2) != nullptr);
    CHECK(v.frame->FindFor(c) == nullptr);
}

TEST_CASE("The tab-order pass reaches windowed controls the form does not own")
{
    TSkinnedWindow w;
    // Owned by nobody the form knows: only the tab-order list leads to it.
    TButton stray(nullptr);
    stray.SetParent(w.form.get());
    stray.SetBounds(10, 10, 100, 30);
    stray.SetCaption(L"Stray");
    w.Show();
    stray.Handle();
    w.Skin();
    CHECK(w.PainterOf<TSkinButton>(&stray) != nullptr);
    // With DisableTag the pass leaves it alone.
    w.frame->ReleaseAll();
    stray.Tag = w.data.DisableTag;
    SkinChildControls(*w.frame, *w.form);
    CHECK(w.frame->FindFor(&stray) == nullptr);
    stray.SetParent(nullptr);
}
