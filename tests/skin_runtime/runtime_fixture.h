#pragma once
// Real windows under a real skin: two test skins packed in memory by the
// skin packer, a skin component loaded from them the way the main window
// loads its own, and helpers to make, activate and poke test windows.
#include <windows.h>

#include <doctest/doctest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/skin_packer/bmp_writer.h"
#include "tools/skin_packer/skin_archive_writer.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_manage.h"

namespace testskin {

// Colours of the first test skin, far enough apart to tell in a pixel.
constexpr TColour kLeft = Rgb(200, 30, 40);
constexpr TColour kLeftInactive = Rgb(100, 15, 20);
constexpr TColour kRight = Rgb(30, 200, 40);
constexpr TColour kRightInactive = Rgb(15, 100, 20);
constexpr TColour kTop = Rgb(20, 60, 180);
constexpr TColour kTopInactive = Rgb(10, 30, 90);
constexpr TColour kBottom = Rgb(180, 160, 20);
constexpr TColour kBottomInactive = Rgb(90, 80, 10);
constexpr TColour kFace = Rgb(236, 233, 216);
constexpr TColour kCaptionText = Rgb(255, 255, 255);
// Caption buttons: cell n of a button has base + n - 1 in every channel.
constexpr TColour kClose = Rgb(240, 10, 10);
constexpr TColour kMaximize = Rgb(10, 240, 10);
constexpr TColour kRestore = Rgb(10, 10, 240);
constexpr TColour kMinimize = Rgb(240, 240, 10);
constexpr TColour kHelp = Rgb(10, 240, 240);
constexpr TColour kCustom = Rgb(120, 60, 200);

// Metrics of the first skin.
constexpr int kL = 6, kC = 28, kR = 6, kB = 5;
// Metrics of the second skin.
constexpr int kL2 = 9, kC2 = 33, kR2 = 8, kB2 = 7;
constexpr TColour kLeft2 = Rgb(90, 40, 140);
constexpr TColour kFace2 = Rgb(200, 220, 240);
constexpr TColour kClose2 = Rgb(250, 120, 0);

inline TColour Cell(TColour base, int n) { return base + static_cast<TColour>((n - 1) * 0x010101); }

// A strip of cells side by side (or stacked), cell n filled with Cell(colour, n)
// or with the second colour for cell 2 when one is given.
inline TSkinImage Cells(int count, int w, int h, TColour colour, bool stacked = false, TColour second = 0)
{
    TSkinImage image(stacked ? w : w * count, stacked ? h * count : h);
    for (int i = 0; i < count; ++i) {
        const TColour c = (i == 1 && second) ? second : Cell(colour, i + 1);
        if (stacked)
            image.FillRect({0, i * h, w, (i + 1) * h}, c);
        else
            image.FillRect({i * w, 0, (i + 1) * w, h}, c);
    }
    return image;
}

// A side border with a rounded outer corner: magenta where the window is cut away.
inline TSkinImage SideBorder(int w, int h, TColour active, TColour inactive, bool left)
{
    TSkinImage image = Cells(2, w, h, active, false, inactive);
    for (int cell = 0; cell < 2; ++cell) {
        const int x0 = cell * w;
        const int outer = left ? x0 : x0 + w - 1;
        const int step = left ? 1 : -1;
        for (int i = 0; i < 3; ++i)
            image.SetPixel(outer + step * i, 0, kClMagenta);
        image.SetPixel(outer, 1, kClMagenta);
    }
    return image;
}

// A caption button: four cells with a magenta top-left pixel each.
inline TSkinImage ButtonImage(TColour colour, int cellWidth = 24, int height = 18)
{
    TSkinImage image = Cells(4, cellWidth, height, colour);
    for (int i = 0; i < 4; ++i)
        image.SetPixel(i * cellWidth, 0, kClMagenta);
    return image;
}

inline std::string FirstIni()
{
    return R"([TitlebarSkin]
SkinName=Frame test
[Personality]
Left=left.bmp
LeftTopHeight=30
LeftBotHeight=5
LeftFrame=2
LeftStretch=1
LeftTrans=1
Right=right.bmp
RightTopHeight=30
RightBotHeight=5
RightFrame=2
RightStretch=1
RightTrans=1
Top=top.bmp
TopFrame=2
TopStretch=1
TopTrans=0
Bottom=bottom.bmp
BottomFrame=2
BottomStretch=1
BottomTrans=0
TextShift=30
TextShiftVert=0
TextRightClip=92
TextAlignment=0
[Colours]
ButtonFace=236 233 216
TitleTextActive=255 255 255
TitleTextNoActive=160 160 160
Menu=250 248 240
MenuText=20 20 20
[Button.Close]
Action=0
Align=1
Xcoord=32
Ycoord=5
Visibility=0
ButtonImage=close.bmp
frame=4
[Button.Maximize]
Action=1
Align=1
Xcoord=58
Ycoord=5
Visibility=2
Visibility1=6
ButtonImage=maximize.bmp
frame=4
[Button.Restore]
Action=1
Align=1
Xcoord=58
Ycoord=5
Visibility=1
Visibility1=6
ButtonImage=restore.bmp
frame=4
[Button.Minimize]
Action=2
Align=1
Xcoord=84
Ycoord=5
Visibility=6
Visibility1=0
ButtonImage=minimize.bmp
frame=4
[Button.Help]
Action=4
Align=1
Xcoord=58
Ycoord=5
Visibility=10
Visibility1=10
ButtonImage=help.bmp
frame=4
[Button.Icon]
Action=3
Align=0
Xcoord=8
Ycoord=6
Visibility=0
[Button.Custom]
Action=50
Align=3
Xcoord=4
Ycoord=5
Visibility=1500
ButtonImage=custom.bmp
frame=4
)";
}

inline std::map<std::string, TSkinImage> FirstImages()
{
    return {
        {"left.bmp", SideBorder(kL, 40, kLeft, kLeftInactive, true)},
        {"right.bmp", SideBorder(kR, 40, kRight, kRightInactive, false)},
        {"top.bmp", Cells(2, 40, kC, kTop, true, kTopInactive)},
        {"bottom.bmp", Cells(2, 40, kB, kBottom, true, kBottomInactive)},
        {"close.bmp", ButtonImage(kClose)},
        {"maximize.bmp", ButtonImage(kMaximize)},
        {"restore.bmp", ButtonImage(kRestore)},
        {"minimize.bmp", ButtonImage(kMinimize)},
        {"help.bmp", ButtonImage(kHelp)},
        {"custom.bmp", ButtonImage(kCustom, 16, 16)},
    };
}

inline std::string SecondIni()
{
    return R"([TitlebarSkin]
SkinName=Second
[Personality]
Left=left.bmp
LeftFrame=2
LeftTrans=0
Right=right.bmp
RightFrame=2
RightTrans=0
Top=top.bmp
TopFrame=2
TopTrans=0
Bottom=bottom.bmp
BottomFrame=2
TextShift=10
TextRightClip=50
[Colours]
ButtonFace=200 220 240
[Button.Close]
Action=0
Align=1
Xcoord=40
Ycoord=7
Visibility=0
ButtonImage=close.bmp
frame=4
)";
}

inline std::map<std::string, TSkinImage> SecondImages()
{
    return {
        {"left.bmp", Cells(2, kL2, 40, kLeft2)},
        {"right.bmp", Cells(2, kR2, 40, kLeft2)},
        {"top.bmp", Cells(2, 40, kC2, kLeft2, true)},
        {"bottom.bmp", Cells(2, 40, kB2, kLeft2, true)},
        {"close.bmp", ButtonImage(kClose2, 30, 20)},
    };
}

inline std::vector<uint8_t> Package(const std::string& ini, const std::map<std::string, TSkinImage>& images)
{
    std::vector<TSkinFileEntry> files{{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())}};
    for (const auto& [name, image] : images)
        files.push_back({name, EncodeBitmapFile(image)});
    return PackSkinArchive(WriteSkinArchive(files));
}

} // namespace testskin

// Runs the thread's messages until done() holds or about two seconds went by.
inline bool PumpUntil(const std::function<bool()>& done, int limitMs = 2000)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start > static_cast<DWORD>(limitMs))
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Lets every message already queued (and what it causes) run.
inline void Pump()
{
    PumpUntil([] { return false; }, 60);
}

// What a test window saw.
struct TWindowLog {
    std::vector<UINT> SysCommands;
    std::vector<WPARAM> ButtonClicks;
    std::vector<WPARAM> NcLButtonDownCodes;
    std::vector<WPARAM> Commands;
    int Closes = 0;
    int Notifies = 0;
    // Answer to SKINMSG_BUTTONVISIBLE (codes 1000 to 2000); -1: not answered.
    LRESULT ButtonVisibleAnswer = -1;
    // Answer to SKINMSG_QUERY; 0: the default procedure's.
    LRESULT QueryAnswer = 0;
};

// A window class of this module whose procedure logs what the skin sends it
// and keeps system commands to itself, so that a test's close or minimize
// leaves the window in place to look at.
LRESULT CALLBACK TestWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
std::map<HWND, TWindowLog>& WindowLogs();
HWND TestOwner();

struct TWindowSpec {
    std::wstring Title = L"Skin test";
    DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    DWORD ExStyle = 0;
    int X = 40, Y = 40;
    int ClientWidth = 400, ClientHeight = 300;
    bool Owned = true;  // owned by a hidden window, as the program's forms are by the application's
    HWND Parent = nullptr;
    const wchar_t* ClassName = L"QuorlenSkinTestWindow";
    bool PassSysCommands = false;
};

HWND CreateTestWindow(const TWindowSpec& shape = {});

// The skin component of a test, loaded like the main window's and started.
class TRuntimeFixture {
public:
    explicit TRuntimeFixture(bool active = true, const std::string& ini = testskin::FirstIni(),
                             const std::map<std::string, TSkinImage>& images = testskin::FirstImages());
    // A skin package as the program stores it.
    explicit TRuntimeFixture(const std::vector<uint8_t>& package);
    ~TRuntimeFixture();
    TRuntimeFixture(const TRuntimeFixture&) = delete;
    TRuntimeFixture& operator=(const TRuntimeFixture&) = delete;

    TSkinData& Data() { return *data_; }
    TWinSkinManage& Manager();
    HWND Window(const TWindowSpec& shape = {});
    // Creates, shows (and so activates) a window and waits for its frame.
    HWND SkinnedWindow(const TWindowSpec& shape = {});
    TWinSkinForm* Frame(HWND window);
    bool WaitReady(HWND window);

private:
    void Load(bool active, const std::vector<uint8_t>& package);

    TWin32SkinPlatform platform_;
    std::unique_ptr<TSkinData> data_;
    std::vector<HWND> windows_;
};

// Sizes of a window.
SIZE WindowSize(HWND window);
SIZE ClientSize(HWND window);
// A pixel of the window as it is on the screen, in window coordinates.
COLORREF ScreenPixel(HWND window, int x, int y);
// Whether a window point lies in its region (the whole window without one).
bool InRegion(HWND window, int x, int y);
// A window point in screen coordinates, packed as the non-client messages carry it.
LPARAM ScreenPoint(HWND window, int x, int y);
COLORREF ToColorRef(TColour c);
