// The scroll bar of a combo box's dropped list: skinned while the list is
// down, and scrolling exactly as the list of an unskinned twin does.
#include <doctest/doctest.h>

#include <functional>

#include "tests/skin_controls/skinned_window.h"
#include "ui/combo_box.h"
#include "ui/skin/skin_edits.h"
#include "ui/skin/skin_scrollbar.h"

using namespace skin_colours;

namespace {

struct TComboWindow : TSkinnedWindow {
    TComboBox* combo = nullptr;
    TComboBox* twin = nullptr;  // never skinned

    TComboWindow() : TSkinnedWindow(TestSkinIni(FullTestSkinSections()), FullTestSkinBitmaps())
    {
        combo = Make(20);
        twin = Make(220);
        twin->Tag = data.DisableTag;
        Show();
        Skin();
    }
    TComboBox* Make(int x)
    {
        auto* c = Add<TComboBox>(nullptr, x, 20, 150, 24);
        std::vector<std::wstring> items;
        for (int i = 1; i <= 40; ++i)
            items.push_back(L"entry " + std::to_wstring(i));
        c->SetItems(items);
        c->SetDropDownCount(6);
        c->SetItemIndex(0);
        return c;
    }
    TSkinComBox* Painter() { return PainterOf<TSkinComBox>(combo); }
    static HWND List(TComboBox* c)
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(c->Handle(), &info);
        return info.hwndList;
    }
    static void Drop(TComboBox* c, bool down)
    {
        SendMessageW(c->Handle(), CB_SHOWDROPDOWN, down, 0);
        PumpMessages();
    }
    static int Top(TComboBox* c) { return static_cast<int>(SendMessageW(List(c), LB_GETTOPINDEX, 0, 0)); }
    static SCROLLBARINFO Bar(TComboBox* c)
    {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(List(c), OBJID_VSCROLL, &info);
        return info;
    }
    // A point of the list's bar, along it from its top, in the list's client coordinates.
    static POINT BarPoint(TComboBox* c, int along)
    {
        const SCROLLBARINFO info = Bar(c);
        POINT p{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + along};
        ScreenToClient(List(c), &p);
        return p;
    }
    // What the screen shows at a point along the bar.
    static COLORREF BarPixel(TComboBox* c, int along)
    {
        const SCROLLBARINFO info = Bar(c);
        RECT window;
        GetWindowRect(List(c), &window);
        return WindowPixel(List(c), (info.rcScrollBar.left + info.rcScrollBar.right) / 2 - window.left,
                           info.rcScrollBar.top + along - window.top);
    }
    // Presses the list's bar; the moves and the release wait in the queue, as the user's would.
    static void PressBar(TComboBox* c, int along, std::initializer_list<int> dragTo = {}, int releaseAt = -1)
    {
        HWND list = List(c);
        for (int to : dragTo) {
            const POINT p = BarPoint(c, to);
            PostMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        }
        const POINT up = BarPoint(c, releaseAt < 0 ? along : releaseAt);
        PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        const POINT down = BarPoint(c, along);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        PumpMessages();
    }
};

} // namespace

TEST_CASE("The dropped list's bar is skinned while the list is down, and only then")
{
    TComboWindow w;
    REQUIRE(w.Painter() != nullptr);
    HWND list = TComboWindow::List(w.combo);
    REQUIRE(list != nullptr);
    const LONG_PTR nativeProc = GetWindowLongPtrW(list, GWLP_WNDPROC);
    CHECK(w.Painter()->ListBar() == nullptr);

    TComboWindow::Drop(w.combo, true);
    REQUIRE(w.Painter()->ListBar() != nullptr);
    const TComboxScrollBar* bar = w.Painter()->ListBar();
    CHECK(TSkinControl::FromWindow(list) == bar);
    CHECK(SendMessageW(list, SKINMSG_QUERY, 0, 0) == 1);
    REQUIRE(bar->Shown());
    const TScrollLayout l = bar->Layout();
    CHECK(l.ThumbStart == TComboWindow::Bar(w.combo).xyThumbTop);
    // Arrows, thumb and track in their skin cells.
    CHECK(TComboWindow::BarPixel(w.combo, l.Arrow / 2) ==
          Ref(ScrollCell(ScrollArrowCell(true, false, SPS_NORMAL))));
    CHECK(TComboWindow::BarPixel(w.combo, l.Length - l.Arrow / 2) ==
          Ref(ScrollCell(ScrollArrowCell(true, true, SPS_NORMAL))));
    CHECK(TComboWindow::BarPixel(w.combo, (l.ThumbStart + l.ThumbEnd) / 2) == Ref(ThumbCell(ThumbImageCell(SPS_NORMAL))));
    CHECK(TComboWindow::BarPixel(w.combo, l.Length - l.Arrow - 2) == Ref(TrackCell(ScrollTrackCell(SPS_NORMAL))));

    // The part under the pointer lights up, and goes back when it leaves.
    const POINT arrow = TComboWindow::BarPoint(w.combo, l.Length - l.Arrow / 2);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(arrow.x, arrow.y));
    CHECK(bar->Hot() == TScrollPart::ArrowHigh);
    CHECK(TComboWindow::BarPixel(w.combo, l.Length - l.Arrow / 2) ==
          Ref(ScrollCell(ScrollArrowCell(true, true, SPS_HOT))));
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    CHECK(bar->Hot() == TScrollPart::None);
    CHECK(TComboWindow::BarPixel(w.combo, l.Length - l.Arrow / 2) ==
          Ref(ScrollCell(ScrollArrowCell(true, true, SPS_NORMAL))));

    // Closed: the painter goes and the list has its own procedure back.
    TComboWindow::Drop(w.combo, false);
    CHECK(w.Painter()->ListBar() == nullptr);
    CHECK(TSkinControl::FromWindow(list) == nullptr);
    CHECK(GetWindowLongPtrW(list, GWLP_WNDPROC) == nativeProc);

    // The unskinned twin's bar keeps the system's look.
    TComboWindow::Drop(w.twin, true);
    CHECK(TSkinControl::FromWindow(TComboWindow::List(w.twin)) == nullptr);
    CHECK(TComboWindow::BarPixel(w.twin, 4) != Ref(ScrollCell(ScrollArrowCell(true, false, SPS_NORMAL))));
    TComboWindow::Drop(w.twin, false);

    // Down again: skinned again.
    TComboWindow::Drop(w.combo, true);
    CHECK(w.Painter()->ListBar() != nullptr);
    TComboWindow::Drop(w.combo, false);
}

TEST_CASE("Wheel, keys, arrows and thumb drag scroll the list as they do unskinned")
{
    TComboWindow w;
    struct Gesture {
        const char* name;
        std::function<void(TComboBox*)> act;
    };
    const Gesture gestures[] = {
        {"wheel",
         [](TComboBox* c) {
             RECT r;
             GetWindowRect(TComboWindow::List(c), &r);
             SendMessageW(TComboWindow::List(c), WM_MOUSEWHEEL,
                          static_cast<WPARAM>(static_cast<uint32_t>(-WHEEL_DELTA) << 16),
                          MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
         }},
        {"page down",
         [](TComboBox* c) {
             SendMessageW(c->Handle(), WM_KEYDOWN, VK_NEXT, 0);
             SendMessageW(c->Handle(), WM_KEYDOWN, VK_NEXT, 0);
         }},
        {"down arrow",
         [](TComboBox* c) {
             const int length = TComboWindow::Bar(c).rcScrollBar.bottom - TComboWindow::Bar(c).rcScrollBar.top;
             TComboWindow::PressBar(c, length - 3);
             TComboWindow::PressBar(c, length - 3);
         }},
        {"thumb drag",
         [](TComboBox* c) {
             const SCROLLBARINFO info = TComboWindow::Bar(c);
             const int grab = (info.xyThumbTop + info.xyThumbBottom) / 2;
             TComboWindow::PressBar(c, grab, {grab + 10, grab + 30}, grab + 30);
         }},
    };
    for (const auto& g : gestures) {
        CAPTURE(g.name);
        int tops[2] = {};
        int thumbs[2] = {};
        TComboBox* boxes[2] = {w.combo, w.twin};
        for (int i = 0; i < 2; ++i) {
            boxes[i]->SetItemIndex(0);
            TComboWindow::Drop(boxes[i], true);
            SendMessageW(TComboWindow::List(boxes[i]), LB_SETTOPINDEX, 0, 0);
            PumpMessages();
            g.act(boxes[i]);
            PumpMessages();
            tops[i] = TComboWindow::Top(boxes[i]);
            thumbs[i] = TComboWindow::Bar(boxes[i]).xyThumbTop;
            if (i == 0) {
                // The skinned bar shows where the list now stands.
                const TComboxScrollBar* bar = w.Painter()->ListBar();
                REQUIRE(bar != nullptr);
                CHECK(bar->Layout().ThumbStart == thumbs[0]);
                CHECK(bar->Pressed() == TScrollPart::None);
                const int middle = (bar->Layout().ThumbStart + bar->Layout().ThumbEnd) / 2;
                CHECK(TComboWindow::BarPixel(w.combo, middle) == Ref(ThumbCell(ThumbImageCell(SPS_NORMAL))));
            }
            TComboWindow::Drop(boxes[i], false);
        }
        CHECK(tops[0] > 0);
        CHECK(tops[0] == tops[1]);
        CHECK(thumbs[0] == thumbs[1]);
    }
}

TEST_CASE("A combo box freed or unskinned while its list is down leaves nothing behind")
{
    SUBCASE("skin removed")
    {
        TComboWindow w;
        HWND list = TComboWindow::List(w.combo);
        TComboWindow::Drop(w.combo, true);
        REQUIRE(w.Painter()->ListBar() != nullptr);
        w.frame->ReleaseAll();
        CHECK(TSkinControl::FromWindow(list) == nullptr);
        CHECK(w.frame->Count() == 0);
        SendMessageW(list, WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint32_t>(-WHEEL_DELTA) << 16), 0);
        TComboWindow::Drop(w.combo, false);
    }
    SUBCASE("combo box freed")
    {
        TComboWindow w;
        TComboWindow::Drop(w.combo, true);
        REQUIRE(w.Painter()->ListBar() != nullptr);
        const size_t before = w.frame->Count();
        w.form->FreeComponent(w.combo);
        PumpMessages();
        w.frame->PurgeDead();
        CHECK(w.frame->Count() <= before - 2);
    }
}
