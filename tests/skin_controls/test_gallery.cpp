// The skin gallery: every control in it gets the painter of its kind, and
// the frame's release takes every painter away again.
#include "tests/skin_controls/gallery_support.h"
#include "tests/ui/ui_fixture.h"
#include "ui/skin/skin_boxes.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skin_checks.h"
#include "ui/skin/skin_common_controls.h"
#include "ui/skin/skin_edits.h"
#include "ui/skin/skin_media_player.h"
#include "ui/skin/skin_scrollbar.h"

namespace {

std::wstring ClassOf(HWND w)
{
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

} // namespace

TEST_CASE("Every control of the gallery gets the painter of its kind")
{
    TSkinnedGallery shown;
    REQUIRE_FALSE(shown.skin->SkinEmpty);
    REQUIRE(shown.painters != nullptr);
    TApplication& app = shown.app;
    TGalleryForm* gallery = shown.form;
    TSkinControlList* painters = shown.painters;
    app.ProcessMessages();

    int buttons = 0, edits = 0, combos = 0, groups = 0, scrollers = 0, tools = 0, glyphs = 0, players = 0;
    for (size_t i = 0; i < gallery->ComponentCount(); ++i) {
        auto* c = dynamic_cast<TControl*>(gallery->Component(i));
        if (!c)
            continue;
        TSkinControl* p = painters->FindFor(c);
        CAPTURE(c->ClassName());
        if (c->InheritsFrom("TLabel")) {
            CHECK(p == nullptr);
            continue;
        }
        REQUIRE(p != nullptr);
        buttons += dynamic_cast<TSkinButton*>(p) != nullptr;
        edits += dynamic_cast<TSkinEdit*>(p) != nullptr;
        combos += dynamic_cast<TSkinComBox*>(p) != nullptr;
        groups += dynamic_cast<TSkinGroupBox*>(p) != nullptr;
        scrollers += dynamic_cast<TSkinScrollbar*>(p) != nullptr;
        tools += dynamic_cast<TSkinSpeedButton*>(p) != nullptr;
        auto* bit = dynamic_cast<TSkinBitButton*>(p);
        glyphs += bit && bit->PngGlyph;
        players += dynamic_cast<TSkinMP*>(p) != nullptr;
    }
    // Five push buttons, three tool buttons, two with a PNG glyph (one of them a tool button).
    CHECK(buttons == 10);
    CHECK(tools == 4);
    CHECK(glyphs == 2);
    CHECK(players == 1);
    CHECK(edits == 2);
    CHECK(combos == 1);
    CHECK(groups == 1);
    CHECK(scrollers == 2);
    struct Expect {
        const wchar_t* cls;
        bool (*is)(TSkinControl*);
    };
    const Expect expected[] = {
        {L"Button", [](TSkinControl* p) { return dynamic_cast<TSkinCheckBox*>(p) != nullptr; }},
        {PROGRESS_CLASSW, [](TSkinControl* p) { return dynamic_cast<TSkinProgress*>(p) != nullptr; }},
        {TRACKBAR_CLASSW, [](TSkinControl* p) { return dynamic_cast<TSkinTrackBar*>(p) != nullptr; }},
        {UPDOWN_CLASSW, [](TSkinControl* p) { return dynamic_cast<TSkinUpDown*>(p) != nullptr; }},
        {DATETIMEPICK_CLASSW, [](TSkinControl* p) { return dynamic_cast<TSkinDateTime*>(p) != nullptr; }},
        {L"ScrollBar", [](TSkinControl* p) { return dynamic_cast<TSkinScControl*>(p) != nullptr; }},
        {WC_TABCONTROLW, [](TSkinControl* p) { return dynamic_cast<TSkinTab*>(p) != nullptr; }},
        {WC_HEADERW, [](TSkinControl* p) { return dynamic_cast<TSkinHeader*>(p) != nullptr; }},
        {WC_LISTBOXW, [](TSkinControl* p) { return dynamic_cast<TSkinScrollbar*>(p) != nullptr; }},
        {STATUSCLASSNAMEW, [](TSkinControl* p) { return dynamic_cast<TSkinStatusBar*>(p) != nullptr; }},
    };
    for (HWND w : gallery->bare) {
        const std::wstring cls = ClassOf(w);
        CAPTURE(std::string(cls.begin(), cls.end()));
        TSkinControl* p = TSkinControl::FromWindow(w);
        REQUIRE(p != nullptr);
        for (const auto& e : expected)
            if (_wcsicmp(cls.c_str(), e.cls) == 0)
                CHECK(e.is(p));
    }
    // The grid's column titles are painted too.
    HWND header = reinterpret_cast<HWND>(SendMessageW(gallery->grid->Handle(), LVM_GETHEADER, 0, 0));
    CHECK(dynamic_cast<TSkinHeader*>(TSkinControl::FromWindow(header)) != nullptr);
    // The skin goes: every painter with it, the windows native again.
    shown.skin->SetActive(false);
    for (int i = 0; i < 50 && SendMessageW(gallery->grid->Handle(), SKINMSG_QUERY, 0, 0) == 1; ++i) {
        app.ProcessMessages();
        Sleep(20);
    }
    CHECK(SendMessageW(gallery->grid->Handle(), SKINMSG_QUERY, 0, 0) == 0);
    for (HWND w : gallery->bare)
        CHECK(TSkinControl::FromWindow(w) == nullptr);
    gallery->Hide();
}
