#pragma once
// Real forms with real controls, a skin made in memory with the real packer,
// and the frame's list of painters; pixels read back from the screen.
#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/skin_packer/bmp_writer.h"
#include "tools/skin_packer/skin_archive_writer.h"
#include "ui/form.h"
#include "ui/skin/skin_child_controls.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/win32_platform.h"

// Colours of the test skin, chosen so that no two meet by accident.
namespace skin_colours {
inline constexpr TColour kFace = Rgb(200, 190, 170);
inline constexpr TColour kShadow = Rgb(90, 80, 70);
// Push-button cells: edge and centre of cell i (1 to 5).
inline TColour ButtonEdge(int cell) { return Rgb(20 * cell, 40, 60); }
inline TColour ButtonCentre(int cell) { return Rgb(30, 40 * cell, 200); }
inline constexpr TColour kButtonText = Rgb(250, 0, 0);
inline constexpr TColour kButtonHotText = Rgb(0, 250, 0);
inline constexpr TColour kHilight = Rgb(10, 20, 30);
inline constexpr TColour kGroupEdge = Rgb(1, 100, 1);
inline constexpr TColour kGroupEdgeDisabled = Rgb(2, 50, 2);
inline constexpr TColour kGroupLabel = Rgb(250, 250, 0);
// Combo frame (SunkEdge) and drop button (ComboButton), cells 1 to 4.
inline TColour SunkCell(int cell) { return Rgb(0, 40 * cell, 120); }
inline TColour ComboCellColour(int cell) { return Rgb(40 * cell, 0, 120); }
// "Scrollbar" cells 1 to 23, tracks and thumbs.
inline TColour ScrollCell(int cell) { return Rgb(100 + cell * 5, 200, 50); }
inline TColour TrackCell(int cell) { return Rgb(10, 60 * cell, 240); }
inline TColour ThumbCell(int cell) { return Rgb(240, 60 * cell, 10); }
} // namespace skin_colours

inline COLORREF Ref(TColour c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

// Five 20 x 20 cells side by side: a 4-pixel edge, a centre, magenta corners.
inline TSkinImage ButtonCells()
{
    TSkinImage image(5 * 20, 20, 0);
    for (int cell = 1; cell <= 5; ++cell) {
        const int x = (cell - 1) * 20;
        image.FillRect({x, 0, x + 20, 20}, skin_colours::ButtonEdge(cell));
        image.FillRect({x + 4, 4, x + 16, 16}, skin_colours::ButtonCentre(cell));
        for (int cy : {0, 19})
            for (int cx : {x, x + 19})
                image.SetPixel(cx, cy, kClMagenta);
    }
    return image;
}

// Cells side by side, each one solid colour.
template <class F>
TSkinImage SolidCells(int cells, int width, int height, F colourOf)
{
    TSkinImage image(cells * width, height, 0);
    for (int i = 1; i <= cells; ++i)
        image.FillRect({(i - 1) * width, 0, i * width, height}, colourOf(i));
    return image;
}

// A nine-slice frame: the margin band in one colour, the middle magenta.
inline TSkinImage FrameCells(int cells, int size, int margin, const std::vector<TColour>& colours)
{
    TSkinImage image(cells * size, size, kClMagenta);
    for (int i = 0; i < cells; ++i) {
        const int x = i * size;
        image.FillRect({x, 0, x + size, size}, colours[static_cast<size_t>(i)]);
        image.FillRect({x + margin, margin, x + size - margin, size - margin}, kClMagenta);
    }
    return image;
}

// Sections for every painter of the table, with their images.
inline std::string FullTestSkinSections()
{
    return "[GroupBoxEdge]\nImage=groupedge.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\nTrans=1\n"
           "Frame=2\n"
           "[GroupBox]\nImage=grouplabel.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\n"
           "BackgroundLeftShift=4\nBackgroundRightShift=4\n"
           "[ComboButton]\nImage=combobutton.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=1\n"
           "[SunkEdge]\nImage=sunkedge.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=1\n"
           "Frame=4\n"
           "[Scrollbar]\nImage=scrollbar.bmp\nFrame=23\n"
           "[VertScroll]\nImage=vtrack.bmp\nFrame=4\n[HorzScroll]\nImage=htrack.bmp\nFrame=4\n"
           "[VertScrollThumb]\nImage=vthumb.bmp\nFrameCount=3\n[HorzScrollThumb]\nImage=hthumb.bmp\nFrameCount=3\n";
}

inline std::map<std::string, TSkinImage> FullTestSkinBitmaps()
{
    using namespace skin_colours;
    return {
        {"groupedge.bmp", FrameCells(2, 12, 4, {kGroupEdge, kGroupEdgeDisabled})},
        {"grouplabel.bmp", SolidCells(1, 16, 18, [](int) { return kGroupLabel; })},
        {"combobutton.bmp", SolidCells(4, 17, 21, ComboCellColour)},
        {"sunkedge.bmp", SolidCells(4, 10, 21, SunkCell)},
        {"scrollbar.bmp", SolidCells(23, 17, 17, ScrollCell)},
        {"vtrack.bmp", SolidCells(4, 17, 17, TrackCell)},
        {"htrack.bmp", SolidCells(4, 17, 17, TrackCell)},
        {"vthumb.bmp", SolidCells(3, 17, 17, ThumbCell)},
        {"hthumb.bmp", SolidCells(3, 17, 17, ThumbCell)},
    };
}

// The description of the test skin; extra sections and keys are appended.
inline std::string TestSkinIni(const std::string& extra = "", bool withButtons = true)
{
    std::string ini = "[TitlebarSkin]\nSkinName=Test\n[Colours]\nButtonFace=200 190 170\nButtonShadow=90 80 70\n"
                      "Hilight=10 20 30\n";
    if (withButtons)
        ini += "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\nTrans=1\n"
               "NormalColour2=250 0 0\nMouseOverColour2=0 250 0\n";
    return ini + extra;
}

inline std::vector<uint8_t> TestSkinPackage(const std::string& ini,
                                            std::map<std::string, TSkinImage> bitmaps = {})
{
    bitmaps.emplace("buttons.bmp", ButtonCells());
    std::vector<TSkinFileEntry> files{{"test.ini", std::vector<uint8_t>(ini.begin(), ini.end())}};
    for (const auto& [name, image] : bitmaps)
        files.push_back({name, EncodeBitmapFile(image)});
    return PackSkinArchive(WriteSkinArchive(files));
}

inline void PumpMessages()
{
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
}

// What the screen shows at a point of a window (window coordinates).
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetWindowDC(window);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

// A window's pixels, read once.
class TWindowShot {
public:
    explicit TWindowShot(HWND window)
    {
        RECT r;
        GetWindowRect(window, &r);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        pixels_.resize(static_cast<size_t>(width_) * height_);
        HDC dc = GetWindowDC(window);
        HDC mem = CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bmp = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, bmp);
        BitBlt(mem, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < pixels_.size(); ++i)
            pixels_[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
        ReleaseDC(window, dc);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Rows that hold at least one pixel of the colour.
    std::vector<int> RowsWith(COLORREF colour) const
    {
        std::vector<int> rows;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) == colour) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    // Rows with a pixel whose red outweighs its blue by more than margin,
    // inside columns [x0, x1): text drawn in red, smoothed or not, over a blue face.
    std::vector<int> RowsRedderThanBlue(int x0, int x1, int margin = 30) const
    {
        std::vector<int> rows;
        for (int y = 0; y < height_; ++y)
            for (int x = x0; x < x1; ++x) {
                COLORREF c = At(x, y);
                if (GetRValue(c) > GetBValue(c) + margin) {
                    rows.push_back(y);
                    break;
                }
            }
        return rows;
    }
    // Pixels darker than a threshold in every channel (text in the system colour).
    int CountDark(int below = 80) const
    {
        int n = 0;
        for (COLORREF c : pixels_)
            n += GetRValue(c) < below && GetGValue(c) < below && GetBValue(c) < below;
        return n;
    }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (COLORREF c : pixels_)
            n += c == colour;
        return n;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// Runs of consecutive numbers in a sorted list.
inline int Runs(const std::vector<int>& rows)
{
    int runs = 0;
    for (size_t i = 0; i < rows.size(); ++i)
        if (i == 0 || rows[i] != rows[i - 1] + 1)
            ++runs;
    return runs;
}

// A shown form on the test skin, with the frame's list of painters.
struct TSkinnedWindow {
    TWin32SkinPlatform platform;
    TSkinData data{platform};
    std::unique_ptr<TForm> form;
    std::unique_ptr<TSkinControlList> frame;

    explicit TSkinnedWindow(const std::string& ini = TestSkinIni(), std::map<std::string, TSkinImage> bitmaps = {})
    {
        data.ReadSkinStream(SkinStreamBytes(TestSkinPackage(ini, std::move(bitmaps))));
        form = std::make_unique<TForm>(nullptr);
        form->Name = "TestForm";
        form->SetClientSize(420, 300);
        form->SetColor(Rgb(0, 128, 255));
        frame = std::make_unique<TSkinControlList>(nullptr, data);
    }
    ~TSkinnedWindow()
    {
        frame.reset();
        form.reset();
        ReleaseSkinManager();
    }

    template <class T>
    T* Add(TWinControl* parent, int x, int y, int w, int h, const std::wstring& caption = L"")
    {
        T* c = form->Make<T>();
        c->SetParent(parent ? parent : form.get());
        c->SetBounds(x, y, w, h);
        if (!caption.empty())
            c->SetCaption(caption);
        return c;
    }

    void Show()
    {
        form->Show();
        SetForegroundWindow(form->Handle());
        SetFocus(form->Handle());
        PumpMessages();
    }
    void Skin()
    {
        SkinChildControls(*frame, *form);
        Settle();
    }
    // Every pending paint done.
    void Settle()
    {
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
    }
    template <class P = TSkinControl>
    P* PainterOf(TControl* c) const
    {
        return dynamic_cast<P*>(frame->FindFor(c));
    }
};

// Puts the real mouse pointer over a point of a window, so that leave
// tracking sees it there.
inline void PointAt(HWND window, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
}
