// Shows the skin gallery under Quorlen's stored skin for `make screenshots`:
// writes OUT/gallery.req (the window's screen rectangle) and waits for
// OUT/gallery.done, which the capturing script writes once it has the picture.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/skin_controls/gallery_support.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_gallery OUTPUT-FOLDER\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    TSkinnedGallery shown;
    if (!shown.painters) {
        std::fprintf(stderr, "skin_gallery: the gallery was never skinned\n");
        return 1;
    }
    TApplication& app = shown.app;
    TGalleryForm* gallery = shown.form;
    HWND window = gallery->Handle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        app.ProcessMessages();
        Sleep(50);
    }
    RECT r;
    GetWindowRect(window, &r);
    {
        std::ofstream req(out / "gallery.req.tmp");
        req << (r.right - r.left) << ' ' << (r.bottom - r.top) << ' ' << r.left << ' ' << r.top << '\n';
    }
    std::filesystem::rename(out / "gallery.req.tmp", out / "gallery.req");
    for (int i = 0; i < 600 && !std::filesystem::exists(out / "gallery.done"); ++i) {
        app.ProcessMessages();
        Sleep(50);
    }
    const bool taken = std::filesystem::exists(out / "gallery.done");
    if (!taken)
        std::fprintf(stderr, "skin_gallery: no picture was taken\n");
    gallery->Hide();
    return taken ? 0 : 1;
}
