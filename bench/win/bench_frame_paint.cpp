// The skinned frame of a window the size of the main window, under Quorlen's
// skin, each against a baseline taken in the same run:
//   frame_paint:  PaintFrame (borders, caption, buttons composed off screen
//                 and blitted), baseline the system's own non-client paint of
//                 the same window;
//   frame_region: UpdateWindowRegion after a size change (masks built from the
//                 rendered border pieces), baseline setting a plain rectangular
//                 region of the same size.
// Windows only; runs under Wine in Xvfb.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/bench_timing.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_manage.h"

namespace {

constexpr int kRuns = 200;

void Pump(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// A Unix path as Wine's drive Z: sees it.
std::string WinePath(std::string path)
{
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    return path;
}

} // namespace

int main()
{
    InitSkinRuntime();
    TApplication app;
    app.Initialize();
    TWin32SkinPlatform platform;
    TSkinData skin(platform);
    skin.Reading = true;
    skin.Active = true;
    skin.SetSkinFile(WinePath(QUORLEN_SKIN_PACKAGE));
    skin.Reading = false;
    if (skin.SkinEmpty) {
        std::fprintf(stderr, "bench_frame_paint: cannot load %s\n", QUORLEN_SKIN_PACKAGE);
        return 1;
    }
    skin.Loaded();

    TForm form(nullptr);
    form.SetClientSize(785, 595);
    form.Show();
    SetForegroundWindow(form.Handle());
    HWND window = form.Handle();
    TWinSkinManage* manager = WinSkinManager();
    TWinSkinForm* frame = nullptr;
    for (int i = 0; i < 200 && !(frame && frame->FrameState == fsReady); ++i) {
        Pump(1);
        frame = manager ? manager->FindFrame(window) : nullptr;
    }
    if (!frame || frame->FrameState != fsReady) {
        std::fprintf(stderr, "bench_frame_paint: the window got no skinned frame\n");
        return 1;
    }
    Pump(5);

    const auto [paint, nativePaint] = PairedMediansMs(
        kRuns,
        [&] {
            frame->PaintFrame(nullptr);
            GdiFlush();
        },
        [&] {
            DefWindowProcW(window, WM_NCPAINT, 1, 0);
            GdiFlush();
        });
    PrintRatio("frame_paint", paint, nativePaint);

    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const auto [region, plainRegion] = PairedMediansMs(
        kRuns,
        [&] {
            // What a size change does: the remembered size no longer matches.
            frame->RegionSize = {0, 0};
            frame->UpdateWindowRegion();
        },
        [&] { SetWindowRgn(window, CreateRectRgn(0, 0, w, h), TRUE); });
    PrintRatio("frame_region", region, plainRegion);
    return 0;
}
