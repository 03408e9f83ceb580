// Media players: each transport button in its skin cell and state, its glyph
// in the skin's text colour, and its clicks as an unskinned twin gets them.
#include <doctest/doctest.h>

#include <vector>

#include "tests/skin_controls/skinned_window.h"
#include "ui/media_player.h"
#include "ui/skin/skin_media_player.h"

using namespace skin_colours;

namespace {

class TOtherPlayer : public TMediaPlayer {
public:
    using TMediaPlayer::TMediaPlayer;
    const char* ClassName() const override { return "TOtherPlayer"; }
};

constexpr int kPlay = static_cast<int>(TMPBtnType::btPlay);
constexpr int kPause = static_cast<int>(TMPBtnType::btPause);
constexpr int kStop = static_cast<int>(TMPBtnType::btStop);
constexpr int kRecord = static_cast<int>(TMPBtnType::btRecord);

struct TPlayerWindow : TSkinnedWindow {
    TMediaPlayer* player = nullptr;
    TMediaPlayer* twin = nullptr;  // never skinned
    std::vector<int> clicks, twinClicks;

    explicit TPlayerWindow(bool skin = true)
    {
        player = Add<TMediaPlayer>(nullptr, 20, 30, 360, 40);
        player->OnButtonClick = [this](TMediaPlayer&, TMPBtnType b) { clicks.push_back(static_cast<int>(b)); };
        twin = Add<TMediaPlayer>(nullptr, 20, 130, 360, 40);
        twin->Tag = data.DisableTag;
        twin->OnButtonClick = [this](TMediaPlayer&, TMPBtnType b) { twinClicks.push_back(static_cast<int>(b)); };
        Show();
        if (skin)
            Skin();
    }
    TSkinMP* Painter() { return PainterOf<TSkinMP>(player); }
    HWND Panel() { return Painter()->Panel()->Handle(); }
    // The centre area of button i's cell, clear of its glyph.
    COLORREF Face(int i) { return WindowPixel(Panel(), 40 * i + 6, 6); }
    // Inside the glyph, on its middle row.
    COLORREF Glyph(int i) { return WindowPixel(Panel(), 40 * i + 13, 20); }
    // The pointer over button i's middle, at offset dx.
    void Mouse(UINT msg, int i, int dx = 0)
    {
        const int x = 40 * i + 20 + dx;
        const WPARAM keys = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0;
        if (msg == WM_MOUSEMOVE)
            PointAt(Panel(), x, 20);
        SendMessageW(Panel(), msg, keys, MAKELPARAM(x, 20));
        PumpMessages();
        MSG m{};
        m.message = msg;
        m.wParam = keys;
        m.lParam = MAKELPARAM(x, 20);
        played.push_back(m);
    }
    // The same messages to the twin, afterwards: the mouse can be captured by one player at a time.
    void ReplayOnTwin()
    {
        for (const MSG& m : played) {
            SendMessageW(twin->Handle(), m.message, m.wParam, m.lParam);
            PumpMessages();
        }
    }
    std::vector<MSG> played;
};

} // namespace

TEST_CASE("A media player gets the media-player painter; its panel covers the player")
{
    TPlayerWindow w;
    REQUIRE(w.Painter() != nullptr);
    REQUIRE(w.Painter()->Panel() != nullptr);
    CHECK(GetParent(w.Panel()) == w.player->Handle());
    RECT panel, client;
    GetClientRect(w.Panel(), &panel);
    GetClientRect(w.player->Handle(), &client);
    CHECK(panel.right == client.right);
    CHECK(panel.bottom == client.bottom);
    CHECK(SendMessageW(w.player->Handle(), SKINMSG_QUERY, 0, 0) == 1);
    CHECK(w.PainterOf(w.twin) == nullptr);
}

TEST_CASE("The media player's kind comes from its name, or from a Skin3rd line, and needs xcButton")
{
    SUBCASE("without xcButton")
    {
        TPlayerWindow w(false);
        w.data.SkinControls.Exclude(TSkinControlType::xcButton);
        w.Skin();
        CHECK(w.Painter() == nullptr);
    }
    SUBCASE("another class by its Skin3rd line")
    {
        TPlayerWindow w(false);
        auto* other = w.Add<TOtherPlayer>(nullptr, 20, 220, 360, 40);
        w.Skin();
        CHECK(w.PainterOf(other) == nullptr);
        w.data.SetSkin3rd({"TOtherPlayer=MediaPlayer"});
        w.Skin();
        CHECK(w.PainterOf<TSkinMP>(other) != nullptr);
    }
}

TEST_CASE("Each transport button in its cell, its glyph in the skin's text colour")
{
    TPlayerWindow w;
    w.player->SetEnabledButtons(kAllMPButtons & ~MPButton(TMPBtnType::btRecord));
    w.Settle();
    for (int i = 0; i < kMPButtonCount; ++i) {
        CAPTURE(i);
        CHECK(w.Face(i) == Ref(ButtonCentre(i == kRecord ? BC_DISABLED : BC_NORMAL)));
    }
    CHECK(w.Glyph(kPlay) == Ref(kButtonText));
    CHECK(w.Glyph(kStop) == Ref(kButtonText));
    CHECK(w.Glyph(kRecord) == GetSysColor(COLOR_BTNSHADOW));
}

TEST_CASE("Hot and pressed per button, and clicks per button as the unskinned player gets them")
{
    TPlayerWindow w;
    w.player->SetEnabledButtons(kAllMPButtons & ~MPButton(TMPBtnType::btRecord));
    w.twin->SetEnabledButtons(kAllMPButtons & ~MPButton(TMPBtnType::btRecord));

    w.Mouse(WM_MOUSEMOVE, kStop);
    CHECK(w.Painter()->HotButton() == kStop);
    CHECK(w.Face(kStop) == Ref(ButtonCentre(BC_HOT)));
    CHECK(w.Glyph(kStop) == Ref(kButtonHotText));
    CHECK(w.Face(kPlay) == Ref(ButtonCentre(BC_NORMAL)));

    w.Mouse(WM_LBUTTONDOWN, kStop);
    CHECK(w.Face(kStop) == Ref(ButtonCentre(BC_PRESSED)));
    w.Mouse(WM_LBUTTONUP, kStop);
    CHECK(w.clicks == std::vector<int>{kStop});
    CHECK(w.Face(kStop) == Ref(ButtonCentre(BC_HOT)));

    // Pressed on Play, released over Pause: no click; Play does not look
    // pressed while the pointer is off it.
    w.Mouse(WM_MOUSEMOVE, kPlay);
    w.Mouse(WM_LBUTTONDOWN, kPlay);
    w.Mouse(WM_MOUSEMOVE, kPause);
    CHECK(w.Face(kPlay) == Ref(ButtonCentre(BC_NORMAL)));
    w.Mouse(WM_LBUTTONUP, kPause);
    CHECK(w.clicks == std::vector<int>{kStop});

    // A disabled button neither lights up nor clicks.
    w.Mouse(WM_MOUSEMOVE, kRecord);
    CHECK(w.Face(kRecord) == Ref(ButtonCentre(BC_DISABLED)));
    w.Mouse(WM_LBUTTONDOWN, kRecord);
    w.Mouse(WM_LBUTTONUP, kRecord);
    // Two quick presses: two clicks.
    w.Mouse(WM_LBUTTONDOWN, kPause);
    w.Mouse(WM_LBUTTONUP, kPause);
    w.Mouse(WM_LBUTTONDBLCLK, kPause);
    w.Mouse(WM_LBUTTONUP, kPause);
    CHECK(w.clicks == std::vector<int>{kStop, kPause, kPause});
    w.ReplayOnTwin();
    CHECK(w.clicks == w.twinClicks);

    SendMessageW(w.Panel(), WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    CHECK(w.Painter()->HotButton() == -1);
}

TEST_CASE("Without the skin the player has no panel and draws and clicks by itself")
{
    TPlayerWindow w;
    HWND player = w.player->Handle();
    REQUIRE(GetWindow(player, GW_CHILD) != nullptr);
    w.frame->ReleaseAll();
    w.Settle();
    CHECK(GetWindow(player, GW_CHILD) == nullptr);
    CHECK(WindowPixel(player, 6, 6) != Ref(ButtonCentre(BC_NORMAL)));
    SendMessageW(player, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 20));
    SendMessageW(player, WM_LBUTTONUP, 0, MAKELPARAM(100, 20));
    CHECK(w.clicks == std::vector<int>{kStop});
}
