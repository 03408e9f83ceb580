#pragma once
// Media players: the row of transport buttons drawn from the skin's
// "Buttons" cells, each in its own state, with the transport glyphs in the
// skin's button text colour. The drawing lies on a companion panel
// (TWMediaPlayer) over the player's client area; the panel hands every mouse
// message to the player, which keeps its own presses, capture and clicks, so
// each button's click arrives as it does without the skin.
#include <memory>

#include "ui/skin/skin_button.h"

class TMediaPlayer;
class TSkinMP;

class TWMediaPlayer {
public:
    explicit TWMediaPlayer(TSkinMP& owner);
    ~TWMediaPlayer();
    TWMediaPlayer(const TWMediaPlayer&) = delete;
    TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

    HWND Handle() const { return window_; }
    // Covers the player's client area.
    void Place(HWND player);

private:
    template <class Panel>
    friend LRESULT CALLBACK CompanionPanelProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void Paint(HDC dc);

    TSkinMP& owner_;
    HWND window_ = nullptr;
};

class TSkinMP : public TSkinControl {
public:
    explicit TSkinMP(TComponent* owner);
    ~TSkinMP() override;
    const char* ClassName() const override { return "TSkinMP"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TSkinMP" || TSkinControl::InheritsFrom(cls);
    }

    void Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground) override;
    void Detach() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;

    // The buttons into dc, in the player's client coordinates.
    void PaintButtons(HDC dc);
    const TWMediaPlayer* Panel() const { return panel_.get(); }
    // The button under the pointer, or -1.
    int HotButton() const { return hot_; }
    // The cell a button shows now.
    TButtonCell CellOf(int button) const;

protected:
    HWND Companion() const override;

private:
    TMediaPlayer* Player() const;
    void SetHot(int button);

    std::unique_ptr<TWMediaPlayer> panel_;
    int hot_ = -1;
};
