// Skinned scroll bars of memos and grids: the panel lies over the system bar,
// follows the content, and every press, drag, wheel turn and key scrolls as
// it does without the skin.
#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include "app/list_model.h"
#include "tests/skin_controls/skinned_window.h"
#include "ui/db_grid_eh.h"
#include "ui/flat_memo.h"
#include "ui/group_box.h"
#include "ui/skin/skin_scrollbar.h"

using namespace skin_colours;

namespace {

std::wstring Lines(int n)
{
    std::wstring text;
    for (int i = 1; i <= n; ++i)
        text += L"line " + std::to_wstring(i) + L"\r\n";
    return text;
}

struct TMemoWindow : TSkinnedWindow {
    TGroupBox* group = nullptr;
    TFlatMemo* memo = nullptr;

    TMemoWindow() : TSkinnedWindow(TestSkinIni(FullTestSkinSections()), FullTestSkinBitmaps())
    {
        group = Add<TGroupBox>(nullptr, 10, 10, 300, 250, L"Memo");
        memo = Add<TFlatMemo>(group, 10, 24, 200, 200);
        memo->SetScrollBars(TScrollStyle::Vertical);
        Show();
        memo->SetText(Lines(100));
        Skin();
    }
    HWND Memo() { return memo->Handle(); }
    TSkinScrollbar* Painter() { return PainterOf<TSkinScrollbar>(memo); }
    const TWScrollbar* Panel() { return Painter()->VertPanel(); }
    int FirstLine() { return static_cast<int>(SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
    SCROLLBARINFO Native()
    {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(Memo(), OBJID_VSCROLL, &info);
        return info;
    }
    // A point of the system bar, in the memo's client coordinates.
    POINT BarPoint(int along)
    {
        SCROLLBARINFO info = Native();
        POINT p{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + along};
        ScreenToClient(Memo(), &p);
        return p;
    }
    // Presses the panel at a point along it; the release waits in the queue,
    // as the user's would.
    void PressPanel(int along, std::initializer_list<POINT> drag = {}, POINT release = {-1, -1})
    {
        HWND panel = Panel()->Handle();
        RECT r;
        GetClientRect(panel, &r);
        for (POINT p : drag)
            PostMessageW(Memo(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        POINT up = release.x < 0 ? BarPoint(along) : release;
        PostMessageW(Memo(), WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
        SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, along));
        PumpMessages();
    }
};

RECT ScreenRect(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

} // namespace

TEST_CASE("The memo's scroll bar gets a panel exactly over the system bar, drawn from the skin")
{
    TMemoWindow w;
    REQUIRE(w.Painter() != nullptr);
    REQUIRE(w.Panel() != nullptr);
    HWND panel = w.Panel()->Handle();
    CHECK(IsWindowVisible(panel));
    CHECK(GetParent(panel) == w.group->Handle());
    CHECK(GetWindow(panel, GW_HWNDNEXT) == w.Memo());
    SCROLLBARINFO native = w.Native();
    RECT r = ScreenRect(panel);
    CHECK(r.left == native.rcScrollBar.left);
    CHECK(r.top == native.rcScrollBar.top);
    CHECK(r.right == native.rcScrollBar.right);
    CHECK(r.bottom == native.rcScrollBar.bottom);
    // Same arrows and thumb as the system's.
    const TScrollLayout& l = w.Panel()->Layout();
    CHECK(l.Arrow == GetSystemMetrics(SM_CYVSCROLL));
    CHECK(l.Arrow <= native.xyThumbTop);
    CHECK(l.ThumbStart == native.xyThumbTop);
    CHECK(l.ThumbEnd == native.xyThumbBottom);
    // Skin pixels: the up arrow's normal cell, the thumb, the track.
    TWindowShot shot(panel);
    const int mid = shot.Width() / 2;
    CHECK(shot.At(mid, l.Arrow / 2) == Ref(ScrollCell(1)));
    CHECK(shot.At(mid, shot.Height() - l.Arrow / 2) == Ref(ScrollCell(5)));
    CHECK(shot.At(mid, (l.ThumbStart + l.ThumbEnd) / 2) == Ref(ThumbCell(1)));
    CHECK(shot.At(mid, l.ThumbEnd + 3) == Ref(TrackCell(1)));
    // What the group box paints leaves the panel alone.
    w.Settle();
    CHECK(WindowPixel(panel, mid, l.Arrow / 2) == Ref(ScrollCell(1)));
}

TEST_CASE("The panel follows the memo's content: keys, text, and the bar coming and going")
{
    TMemoWindow w;
    const int start = w.Panel()->Layout().ThumbStart;
    w.memo->SetFocus();
    SendMessageW(w.Memo(), WM_KEYDOWN, VK_NEXT, 1);
    PumpMessages();
    CHECK(w.FirstLine() > 0);
    CHECK(w.Panel()->Layout().ThumbStart > start);
    CHECK(w.Panel()->Layout().ThumbStart == w.Native().xyThumbTop);
    // The memo's own rule: no bar for a short text, a bar for a long one.
    w.memo->SetText(Lines(3));
    w.memo->SetScrollBars(TScrollStyle::None);
    PumpMessages();
    CHECK_FALSE(IsWindowVisible(w.Panel()->Handle()));
    w.memo->SetText(Lines(40));
    w.memo->SetScrollBars(TScrollStyle::Vertical);
    PumpMessages();
    CHECK(IsWindowVisible(w.Panel()->Handle()));
    CHECK(ScreenRect(w.Panel()->Handle()).top == w.Native().rcScrollBar.top);
    // Hidden with the memo.
    w.memo->SetVisible(false);
    PumpMessages();
    CHECK_FALSE(IsWindowVisible(w.Panel()->Handle()));
    w.memo->SetVisible(true);
    PumpMessages();
    CHECK(IsWindowVisible(w.Panel()->Handle()));
    // Moved with the memo.
    w.memo->SetBounds(20, 30, 220, 180);
    PumpMessages();
    CHECK(ScreenRect(w.Panel()->Handle()).left == w.Native().rcScrollBar.left);
    CHECK(ScreenRect(w.Panel()->Handle()).bottom == w.Native().rcScrollBar.bottom);
}

TEST_CASE("Presses on the panel scroll the memo as the system bar does")
{
    TMemoWindow w;
    const TScrollLayout l = w.Panel()->Layout();
    // The down arrow: one line.
    w.PressPanel(l.Length - l.Arrow / 2);
    CHECK(w.FirstLine() == 1);
    // The up arrow: back.
    w.PressPanel(l.Arrow / 2);
    CHECK(w.FirstLine() == 0);
    // The track below the thumb: a page.
    w.PressPanel(l.Length - l.Arrow - 3);
    const int paged = w.FirstLine();
    CHECK(paged > 5);
    // Dragging the thumb to the bottom shows the end.
    const TScrollLayout now = w.Panel()->Layout();
    const int grab = (now.ThumbStart + now.ThumbEnd) / 2;
    const POINT bottom = w.BarPoint(now.Length);
    w.PressPanel(grab, {w.BarPoint(grab + 40), bottom}, bottom);
    CHECK(w.FirstLine() > 80);
    CHECK(w.Panel()->Layout().ThumbEnd == w.Panel()->Layout().Length - w.Panel()->Layout().Arrow);
    CHECK(w.Panel()->Pressed() == TScrollPart::None);
    // The memo never took the focus from the press.
    CHECK(GetFocus() != w.Memo());
}

TEST_CASE("The wheel over the panel scrolls the memo; hot parts light up")
{
    TMemoWindow w;
    HWND panel = w.Panel()->Handle();
    SendMessageW(panel, WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint32_t>(-WHEEL_DELTA) << 16), 0);
    PumpMessages();
    CHECK(w.FirstLine() > 0);
    CHECK(w.Panel()->Layout().ThumbStart == w.Native().xyThumbTop);
    const TScrollLayout& l = w.Panel()->Layout();
    RECT r;
    GetClientRect(panel, &r);
    PointAt(panel, r.right / 2, l.Arrow / 2);
    SendMessageW(panel, WM_MOUSEMOVE, 0, MAKELPARAM(r.right / 2, l.Arrow / 2));
    PumpMessages();
    CHECK(w.Panel()->Hot() == TScrollPart::ArrowLow);
    CHECK(WindowPixel(panel, r.right / 2, l.Arrow / 2) == Ref(ScrollCell(2)));
    SendMessageW(panel, WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    CHECK(w.Panel()->Hot() == TScrollPart::None);
}

TEST_CASE("A disabled memo shows its bar disabled; the panel asks not to be skinned")
{
    TMemoWindow w;
    HWND panel = w.Panel()->Handle();
    CHECK(SendMessageW(panel, SKINMSG_QUERY, 0, 0) == 1);
    w.memo->SetEnabled(false);
    PumpMessages();
    w.Settle();
    const TScrollLayout& l = w.Panel()->Layout();
    RECT r;
    GetClientRect(panel, &r);
    CHECK(WindowPixel(panel, r.right / 2, l.Arrow / 2) == Ref(ScrollCell(4)));
    CHECK_FALSE(l.HasThumb());
}

TEST_CASE("Removing the skin takes the panels away and the system bar shows again")
{
    TMemoWindow w;
    HWND panel = w.Panel()->Handle();
    w.frame->ReleaseAll();
    CHECK_FALSE(IsWindow(panel));
    CHECK(SendMessageW(w.Memo(), SKINMSG_QUERY, 0, 0) == 0);
    // Scrolling is the system's alone again.
    SendMessageW(w.Memo(), WM_VSCROLL, SB_LINEDOWN, 0);
    CHECK(w.FirstLine() == 1);
}

namespace {

struct TGridWindow : TSkinnedWindow {
    TListModel model;
    TDBGridEh* grid = nullptr;

    explicit TGridWindow(int rows) : TSkinnedWindow(TestSkinIni(FullTestSkinSections()), FullTestSkinBitmaps())
    {
        model.Reset({{"ID", 10, false}, {"CY", 40}, {"PY", 80}});
        for (int i = 0; i < rows; ++i)
            model.Append({std::to_string(i), "row" + std::to_string(i), "pinyin " + std::to_string(i)});
        model.First();
        grid = Add<TDBGridEh>(nullptr, 10, 10, 220, 200);
        grid->SetModel(&model);
        Show();
        Skin();
    }
    HWND Grid() { return grid->Handle(); }
    int Top() { return static_cast<int>(SendMessageW(Grid(), LVM_GETTOPINDEX, 0, 0)); }
    TSkinScrollbar* Painter() { return PainterOf<TSkinScrollbar>(grid); }
};

} // namespace

TEST_CASE("The grid's scroll bar: a panel while the rows do not fit, none when they do")
{
    TGridWindow w(200);
    REQUIRE(w.Painter() != nullptr);
    REQUIRE(w.Painter()->VertPanel() != nullptr);
    HWND panel = w.Painter()->VertPanel()->Handle();
    CHECK(IsWindowVisible(panel));
    SCROLLBARINFO native{};
    native.cbSize = sizeof native;
    GetScrollBarInfo(w.Grid(), OBJID_VSCROLL, &native);
    CHECK(ScreenRect(panel).top == native.rcScrollBar.top);
    CHECK(ScreenRect(panel).bottom == native.rcScrollBar.bottom);
    // The wheel and the keys move the rows and the panel's thumb with them.
    const int thumb = w.Painter()->VertPanel()->Layout().ThumbStart;
    SendMessageW(panel, WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint32_t>(-WHEEL_DELTA * 3) << 16), 0);
    PumpMessages();
    CHECK(w.Top() > 0);
    CHECK(w.Painter()->VertPanel()->Layout().ThumbStart > thumb);
    w.grid->SetFocus();
    SendMessageW(w.Grid(), WM_KEYDOWN, VK_END, 1);
    PumpMessages();
    CHECK(w.Top() > 150);
    GetScrollBarInfo(w.Grid(), OBJID_VSCROLL, &native);
    CHECK(w.Painter()->VertPanel()->Layout().ThumbEnd == native.xyThumbBottom);
    // Few rows: the system bar goes, and so does the panel.
    w.model.Reset({{"ID", 10, false}, {"CY", 40}, {"PY", 80}});
    w.model.Append({"1", "one", "yi"});
    w.grid->SetModel(&w.model);
    PumpMessages();
    CHECK_FALSE(IsWindowVisible(panel));
}

TEST_CASE("Dragging the grid's thumb scrolls the rows while it moves")
{
    TGridWindow w(500);
    const TWScrollbar* bar = w.Painter()->VertPanel();
    REQUIRE(bar);
    const TScrollLayout l = bar->Layout();
    SCROLLBARINFO native{};
    native.cbSize = sizeof native;
    GetScrollBarInfo(w.Grid(), OBJID_VSCROLL, &native);
    auto at = [&](int along) {
        POINT p{(native.rcScrollBar.left + native.rcScrollBar.right) / 2, native.rcScrollBar.top + along};
        ScreenToClient(w.Grid(), &p);
        return p;
    };
    const int grab = (l.ThumbStart + l.ThumbEnd) / 2;
    const POINT middle = at(l.Length / 2);
    PostMessageW(w.Grid(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    PostMessageW(w.Grid(), WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y));
    RECT r;
    GetClientRect(bar->Handle(), &r);
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, grab));
    PumpMessages();
    CHECK(w.Top() > 150);
    CHECK(w.Top() < 350);
    CHECK(std::abs((bar->Layout().ThumbStart + bar->Layout().ThumbEnd) / 2 - l.Length / 2) <= 3);
}
