// The control painters under Quorlen's stored skin, each against a baseline
// taken in the same run on a twin control without a painter:
//   skin_button_paint:    one paint of a skinned push button (the cell
//                         nine-sliced, caption and focus composed in a work
//                         bitmap and copied once), baseline the same button's
//                         own drawing;
//   skin_scrollbar_paint: one paint of the skinned grid's vertical scroll-bar
//                         panel (track, thumb with its grip, arrows), baseline
//                         the system's paint of the twin grid's frame and bars;
//   skin_speed_button_paint: one paint of the form where a skinned tool button
//                         without a window lies (the parent's background under
//                         the composed face), baseline the same for a twin
//                         tool button drawing itself.
// Each figure is the median time of 50 paints. Windows only; runs under Wine.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/list_model.h"
#include "bench/bench_timing.h"
#include "ui/button.h"
#include "ui/db_grid_eh.h"
#include "ui/form.h"
#include "ui/skin/skin_child_controls.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/skin_scrollbar.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win32_skin_resource.h"
#include "ui/speed_button.h"

namespace {

constexpr int kRuns = 31;
constexpr int kPaints = 50;

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Repaint(HWND window, const RECT* part = nullptr)
{
    for (int i = 0; i < kPaints; ++i)
        RedrawWindow(window, part, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
}

// The system's paint of a window's border and scroll bars, nothing inside.
void RepaintFrame(HWND window)
{
    for (int i = 0; i < kPaints; ++i)
        SendMessageW(window, WM_NCPAINT, 1, 0);
    GdiFlush();
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    const TWin32SkinPlatform platform;
    auto skin = CreateStoredSkinData(platform, GetModuleHandleW(nullptr));
    if (skin->SkinEmpty) {
        PrintValue("skin_button_paint: no stored skin", 0, "ms");
        return 1;
    }

    TForm form(nullptr);
    form.SetClientSize(700, 420);
    auto add = [&](auto* c, int x, int y, int w, int h) {
        c->SetParent(&form);
        c->SetBounds(x, y, w, h);
        return c;
    };
    auto* skinned = add(form.Make<TButton>(), 20, 20, 100, 32);
    skinned->SetCaption(L"查找");
    auto* plain = add(form.Make<TButton>(), 140, 20, 100, 32);
    plain->SetCaption(L"查找");
    plain->Tag = skin->DisableTag;
    auto* tool = add(form.Make<TSpeedButton>(), 260, 20, 80, 28);
    tool->SetCaption(L"工具");
    auto* plainTool = add(form.Make<TSpeedButton>(), 360, 20, 80, 28);
    plainTool->SetCaption(L"工具");
    plainTool->Tag = skin->DisableTag;

    TListModel model;
    model.Reset({{"ID", 10, false}, {"CY", 40}, {"PY", 80}});
    for (int i = 0; i < 5000; ++i)
        model.Append({std::to_string(i), "row " + std::to_string(i), "pinyin " + std::to_string(i)});
    model.First();
    auto* grid = add(form.Make<TDBGridEh>(), 20, 70, 300, 330);
    auto* twin = add(form.Make<TDBGridEh>(), 340, 70, 300, 330);
    twin->Tag = skin->DisableTag;
    form.Show();
    grid->SetModel(&model);
    twin->SetModel(&model);
    TSkinControlList painters(nullptr, *skin);
    SkinChildControls(painters, form);
    for (int i = 0; i < 20; ++i) {
        Pump();
        Sleep(10);
    }
    auto* bar = dynamic_cast<TSkinScrollbar*>(painters.FindFor(grid));
    if (!bar || !bar->VertPanel()) {
        PrintValue("skin_scrollbar_paint: the grid has no skinned bar", 0, "ms");
        return 1;
    }
    HWND panel = bar->VertPanel()->Handle();

    auto [button, buttonBase] =
        PairedMediansMs(kRuns, [&] { Repaint(skinned->Handle()); }, [&] { Repaint(plain->Handle()); });
    PrintRatio("skin_button_paint (50 paints)", button, buttonBase);
    auto [scroll, scrollBase] =
        PairedMediansMs(kRuns, [&] { Repaint(panel); }, [&] { RepaintFrame(twin->Handle()); });
    PrintRatio("skin_scrollbar_paint (50 paints)", scroll, scrollBase);
    if (!painters.FindFor(tool)) {
        PrintValue("skin_speed_button_paint: the tool button has no painter", 0, "ms");
        return 1;
    }
    const RECT toolRect = tool->BoundsRect();
    const RECT plainRect = plainTool->BoundsRect();
    auto [speed, speedBase] = PairedMediansMs(
        kRuns, [&] { Repaint(form.Handle(), &toolRect); }, [&] { Repaint(form.Handle(), &plainRect); });
    PrintRatio("skin_speed_button_paint (50 paints)", speed, speedBase);

    painters.ReleaseAll();
    form.Hide();
    ReleaseSkinManager();
    return 0;
}
