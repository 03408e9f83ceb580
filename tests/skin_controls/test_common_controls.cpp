// The painters of the system's common controls draw from their skin objects:
// pixels of each against the test skin's solid cells.
#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "tests/skin_controls/skinned_window.h"
#include "ui/skin/skin_common_controls.h"
#include "ui/skin/track_ticks.h"

namespace {

TColour ProgressCell(int cell) { return Rgb(70, 70 + 10 * cell, 10); }
constexpr TColour kChunk = Rgb(5, 150, 250);
constexpr TColour kTrack = Rgb(150, 5, 150);
TColour ThumbHorz(int cell) { return Rgb(10 * cell, 220, 220); }
constexpr TColour kTrackVert = Rgb(150, 5, 100);
TColour ThumbVert(int cell) { return Rgb(220, 10 * cell, 220); }
TColour TabCell(int cell) { return Rgb(220, 10 * cell, 60); }
constexpr TColour kPane = Rgb(60, 60, 200);
TColour HeaderCell(int cell) { return Rgb(30, 30 * cell, 90); }
TColour StatusCell(int cell) { return Rgb(90, 10, 30 * cell); }
TColour UpDownCell(int cell) { return Rgb(15 * cell, 90, 160); }

struct TCommonWindow : TSkinnedWindow {
    TCommonWindow()
        : TSkinnedWindow(TestSkinIni(
                             "[Progress]\nBitmap=progress.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
                             "[Progress.Chunk]\nImage=chunk.bmp\nFrame=1\n"
                             "[Track]\nImage=track.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=1\nBottomHeight=1\n"
                             "[Trackbar.ThumbHorz]\nImage=thumb.bmp\nTrans=1\nFrame=5\n"
                             "[TRACKVERT]\nImage=trackv.bmp\nLeftWidth=1\nRightWidth=1\nTopHeight=2\nBottomHeight=2\n"
                             "[Trackbar.ThumbVert]\nImage=thumbv.bmp\nTrans=1\nFrame=5\n"
                             "[Tabs]\nImage=tabs.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\n"
                             "[Tab.Pane]\nImage=pane.bmp\nFrame=1\n"
                             "[Headerbar]\nImage=header.bmp\nFrame=3\n"
                             "[StatusBarEdges]\nImage=status.bmp\nFrame=3\n"
                             "[UpDown.Vert]\nImage=updown.bmp\n"),
                         {{"progress.bmp", SolidCells(2, 10, 10, ProgressCell)},
                          {"chunk.bmp", SolidCells(1, 6, 10, [](int) { return kChunk; })},
                          {"track.bmp", SolidCells(1, 16, 4, [](int) { return kTrack; })},
                          {"thumb.bmp", SolidCells(5, 11, 18, ThumbHorz)},
                          {"trackv.bmp", SolidCells(1, 4, 16, [](int) { return kTrackVert; })},
                          {"thumbv.bmp", SolidCells(5, 18, 11, ThumbVert)},
                          {"tabs.bmp", SolidCells(5, 12, 12, TabCell)},
                          {"pane.bmp", SolidCells(1, 12, 12, [](int) { return kPane; })},
                          {"header.bmp", SolidCells(3, 12, 12, HeaderCell)},
                          {"status.bmp", SolidCells(3, 12, 12, StatusCell)},
                          {"updown.bmp", SolidCells(8, 12, 12, UpDownCell)}})
    {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        Show();
    }
    HWND Make(const wchar_t* cls, DWORD style, int x, int y, int w, int h)
    {
        HWND window = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, form->Handle(),
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        REQUIRE(window != nullptr);
        return window;
    }
    TSkinControl* Skin(HWND window)
    {
        TSkinControl* painter = SkinWindowHandle(*frame, window);
        Settle();
        return painter;
    }
};

} // namespace

TEST_CASE("A progress bar: the trough, and the chunk over the part done")
{
    TCommonWindow w;
    HWND p = w.Make(PROGRESS_CLASSW, 0, 10, 10, 200, 20);
    SendMessageW(p, PBM_SETRANGE32, 0, 100);
    SendMessageW(p, PBM_SETPOS, 50, 0);
    CHECK(dynamic_cast<TSkinProgress*>(w.Skin(p)) != nullptr);
    CHECK(WindowPixel(p, 0, 10) == Ref(ProgressCell(1)));
    CHECK(WindowPixel(p, 50, 10) == Ref(kChunk));
    CHECK(WindowPixel(p, 150, 10) == Ref(ProgressCell(1)));
    // Moving on repaints.
    SendMessageW(p, PBM_SETPOS, 90, 0);
    PumpMessages();
    CHECK(WindowPixel(p, 150, 10) == Ref(kChunk));
}

TEST_CASE("A track bar: the groove along its channel and the thumb's cell; the thumb still moves by key")
{
    TCommonWindow w;
    HWND t = w.Make(TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS, 10, 40, 200, 30);
    SendMessageW(t, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    CHECK(dynamic_cast<TSkinTrackBar*>(w.Skin(t)) != nullptr);
    RECT thumb{};
    SendMessageW(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    CHECK(WindowPixel(t, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2) == Ref(ThumbHorz(1)));
    RECT channel{};
    SendMessageW(t, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    CHECK(WindowPixel(t, 150, (channel.top + channel.bottom) / 2) == Ref(kTrack));
    SetFocus(t);
    SendMessageW(t, WM_KEYDOWN, VK_RIGHT, 1);
    PumpMessages();
    CHECK(SendMessageW(t, TBM_GETPOS, 0, 0) == 1);
    SendMessageW(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    // Focused: the fifth cell.
    CHECK(WindowPixel(t, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2) == Ref(ThumbHorz(5)));
    // Without ticks, no tick marks.
    CHECK(TWindowShot(t).Count(Ref(skin_colours::kShadow)) == 0);
}

namespace {

RECT ThumbRect(HWND t)
{
    RECT thumb{};
    SendMessageW(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
}

// Where a line of the window holds the colour: columns of a row, or rows of a column.
std::vector<int> MarksAlong(HWND window, bool vertical, int across, COLORREF colour)
{
    const TWindowShot shot(window);
    std::vector<int> at;
    const int length = vertical ? shot.Height() : shot.Width();
    for (int i = 0; i < length; ++i)
        if ((vertical ? shot.At(across, i) : shot.At(i, across)) == colour)
            at.push_back(i);
    return at;
}

bool Has(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }

// For every value of the range that has a tick, the thumb moved there has its
// middle on a drawn tick (to the pixel, give or take the rounding of a half).
bool ThumbStandsOnTicks(HWND t, const std::vector<int>& marks, bool vertical)
{
    std::vector<int> values{static_cast<int>(SendMessageW(t, TBM_GETRANGEMIN, 0, 0)),
                            static_cast<int>(SendMessageW(t, TBM_GETRANGEMAX, 0, 0))};
    const int inner = static_cast<int>(SendMessageW(t, TBM_GETNUMTICS, 0, 0)) - 2;
    const auto* tics = reinterpret_cast<const DWORD*>(SendMessageW(t, TBM_GETPTICS, 0, 0));
    for (int i = 0; tics && i < inner; ++i)
        values.push_back(static_cast<int>(tics[i]));
    const auto saved = SendMessageW(t, TBM_GETPOS, 0, 0);
    bool all = true;
    for (int v : values) {
        SendMessageW(t, TBM_SETPOS, TRUE, v);
        RECT thumb{};
        SendMessageW(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int middle = vertical ? (thumb.top + thumb.bottom - 1) / 2 : (thumb.left + thumb.right - 1) / 2;
        if (!Has(marks, middle) && !Has(marks, middle - 1) && !Has(marks, middle + 1)) {
            MESSAGE("no tick under the thumb at value ", v, " (middle ", middle, ")");
            all = false;
        }
    }
    SendMessageW(t, TBM_SETPOS, TRUE, saved);
    PumpMessages();
    return all;
}

} // namespace

TEST_CASE("A track bar's ticks: where the control puts them, in the skin's shadow colour")
{
    TCommonWindow w;
    HWND t = w.Make(TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS, 10, 40, 220, 40);
    SendMessageW(t, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageW(t, TBM_SETTICFREQ, 2, 0);
    REQUIRE(w.Skin(t) != nullptr);
    const COLORREF shadow = Ref(skin_colours::kShadow);
    const int count = static_cast<int>(SendMessageW(t, TBM_GETNUMTICS, 0, 0));
    REQUIRE(count >= 3);
    RECT thumb = ThumbRect(t);
    const std::vector<int> below = MarksAlong(t, false, thumb.bottom + kTickGap + 1, shadow);
    CHECK(static_cast<int>(below.size()) == count);
    // The control's own idea of where its ticks lie (which rounds apart from
    // its thumb by a pixel here and there), and the thumb's.
    for (int i = 0; i + 2 < count; ++i) {
        const auto at = static_cast<int>(SendMessageW(t, TBM_GETTICPOS, static_cast<WPARAM>(i), 0));
        CHECK((Has(below, at) || Has(below, at - 1) || Has(below, at + 1)));
    }
    CHECK(ThumbStandsOnTicks(t, below, false));
    // Nothing above the thumb: the style puts ticks below only.
    CHECK(MarksAlong(t, false, thumb.top - kTickGap - 2, shadow).empty());
    // Fewer ticks: drawn again.
    SendMessageW(t, TBM_SETTICFREQ, 5, 0);
    PumpMessages();
    CHECK(static_cast<int>(MarksAlong(t, false, thumb.bottom + kTickGap + 1, shadow).size()) ==
          SendMessageW(t, TBM_GETNUMTICS, 0, 0));
    CHECK(SendMessageW(t, TBM_GETNUMTICS, 0, 0) < count);
}

TEST_CASE("A vertical track bar: its own groove and thumb images, ticks on both sides")
{
    TCommonWindow w;
    HWND t = w.Make(TRACKBAR_CLASSW, TBS_VERT | TBS_BOTH | TBS_AUTOTICKS, 10, 10, 50, 200);
    SendMessageW(t, TBM_SETRANGE, TRUE, MAKELPARAM(0, 4));
    REQUIRE(w.Skin(t) != nullptr);
    const RECT thumb = ThumbRect(t);
    CHECK(WindowPixel(t, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2) == Ref(ThumbVert(1)));
    CHECK(WindowPixel(t, (thumb.left + thumb.right) / 2, 150) == Ref(kTrackVert));
    const COLORREF shadow = Ref(skin_colours::kShadow);
    const int count = static_cast<int>(SendMessageW(t, TBM_GETNUMTICS, 0, 0));
    CHECK(count == 5);
    const auto right = MarksAlong(t, true, thumb.right + kTickGap + 1, shadow);
    const auto left = MarksAlong(t, true, thumb.left - kTickGap - 2, shadow);
    CHECK(static_cast<int>(right.size()) == count);
    CHECK(left == right);
    CHECK(ThumbStandsOnTicks(t, right, true));
}

TEST_CASE("A tab control: the chosen tab's cell, the others', the page below")
{
    TCommonWindow w;
    HWND tabs = w.Make(WC_TABCONTROLW, 0, 10, 80, 240, 80);
    for (const wchar_t* t : {L"One", L"Two"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(t);
        SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    CHECK(dynamic_cast<TSkinTab*>(w.Skin(tabs)) != nullptr);
    RECT first{}, second{};
    SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    CHECK(WindowPixel(tabs, first.left + 3, first.top + 3) == Ref(TabCell(3)));
    CHECK(WindowPixel(tabs, second.left + 3, second.top + 3) == Ref(TabCell(1)));
    CHECK(WindowPixel(tabs, 120, 70) == Ref(kPane));
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    PumpMessages();
    CHECK(WindowPixel(tabs, second.left + 3, second.top + 3) == Ref(TabCell(3)));
}

TEST_CASE("A header bar, a status bar and up-down buttons draw their cells")
{
    TCommonWindow w;
    HWND header = w.Make(WC_HEADERW, HDS_BUTTONS, 10, 170, 200, 22);
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = const_cast<wchar_t*>(L"Title");
    item.cxy = 100;
    SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    CHECK(dynamic_cast<TSkinHeader*>(w.Skin(header)) != nullptr);
    CHECK(WindowPixel(header, 90, 3) == Ref(HeaderCell(1)));
    CHECK(WindowPixel(header, 150, 3) == Ref(HeaderCell(1)));  // right of the last column

    HWND status = w.Make(STATUSCLASSNAMEW, CCS_BOTTOM, 0, 0, 0, 0);
    int parts[] = {100, -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    CHECK(dynamic_cast<TSkinStatusBar*>(w.Skin(status)) != nullptr);
    RECT part{};
    SendMessageW(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    CHECK(WindowPixel(status, part.left + 60, (part.top + part.bottom) / 2) == Ref(StatusCell(1)));

    HWND updown = w.Make(UPDOWN_CLASSW, 0, 220, 10, 18, 40);
    CHECK(dynamic_cast<TSkinUpDown*>(w.Skin(updown)) != nullptr);
    CHECK(WindowPixel(updown, 9, 5) == Ref(UpDownCell(1)));
    CHECK(WindowPixel(updown, 9, 35) == Ref(UpDownCell(5)));
}
