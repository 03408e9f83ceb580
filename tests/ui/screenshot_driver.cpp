// Drives the real windows through the states `make screenshots` records: after
// start-up, after a quick lookup, after a chain game, and the about window.
// For each it writes NAME.req (the window's screen rectangle) into the output
// folder and waits for NAME.done, which the capturing script writes once it
// has taken the picture. Runs in a folder holding a tirsel.edt.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/about/about_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/db_grid_eh.h"
#include "ui/edit.h"
#include "ui/flat_memo.h"
#include "ui/gbk_text.h"
#include "ui/popup_menu.h"
#include "app/list_model.h"

namespace {

std::filesystem::path g_out;
TApplication* g_app = nullptr;

void Settle()
{
    for (int i = 0; i < 10; ++i) {
        g_app->ProcessMessages();
        GdiFlush();
        Sleep(50);
    }
}

// Asks for a picture of a window and waits until it has been taken.
bool Capture(const char* name, HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    RECT r;
    GetWindowRect(window, &r);
    const auto done = g_out / (std::string(name) + ".done");
    {
        std::ofstream req(g_out / (std::string(name) + ".req.tmp"));
        req << (r.right - r.left) << ' ' << (r.bottom - r.top) << ' ' << r.left << ' ' << r.top << '\n';
    }
    std::filesystem::rename(g_out / (std::string(name) + ".req.tmp"), g_out / (std::string(name) + ".req"));
    for (int i = 0; i < 600 && !std::filesystem::exists(done); ++i) {
        g_app->ProcessMessages();
        Sleep(50);
    }
    if (!std::filesystem::exists(done)) {
        std::fprintf(stderr, "screenshot_driver: no picture was taken of %s\n", name);
        return false;
    }
    return true;
}

std::function<void()> g_tick;
void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (g_tick)
        g_tick();
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot_driver OUTPUT-FOLDER\n");
        return 2;
    }
    g_out = argv[1];
    TApplication app;
    g_app = &app;
    InitializeApplication(app);
    app.OnOpenDocument = [](HWND, const std::wstring&) { return true; };
    bool boxes = false;
    app.OnMessageBox = [&](const TMessageBoxRequest&) -> std::optional<int> {
        boxes = true;
        return IDOK;
    };
    auto* form = app.CreateForm<TForm1>();
    auto* about = app.CreateForm<TForm3>();
    form->Show();
    SetForegroundWindow(form->Handle());
    if (!Capture("main-startup", form->Handle()))
        return 1;

    // A quick lookup for the first character of an idiom listed, not the first.
    const TListModel* list = form->DBGridEh1->Model();
    std::wstring first = list && list->RowCount() > 2 ? GbkToWide(list->Value(2, 1)) : L"一";
    form->soedit->Click();
    form->soedit->SetText(first.substr(0, 1));
    form->Button1->Click();
    if (!Capture("main-lookup", form->Handle()))
        return 1;

    // A chain game of ten, from the first idiom of the start-up list whose
    // chain runs to a few links (a small store has many dead ends).
    form->jl->Click();
    form->ComboBox2->SetItemIndex(8);
    form->Edit1->Click();
    form->Edit1->SetText(L"a");  // back to a long list to draw seeds from
    const TListModel* seeds = form->DBGridEh1->Model();
    uint32_t tries = seeds ? std::min<uint32_t>(seeds->RowCount(), 200) : 0;
    for (uint32_t i = 0; i < tries; ++i) {
        form->jl->SetText(GbkToWide(seeds->Value(i, 1)));
        form->Button2->Click();
        std::wstring chain = form->FlatMemo1->Text();
        size_t links = 0;
        for (size_t at = chain.find(L"-->"); at != std::wstring::npos; at = chain.find(L"-->", at + 3))
            ++links;
        if (links >= 4)
            break;
    }
    if (!Capture("main-chain", form->Handle()))
        return 1;

    bool taken = false;
    g_tick = [&] {
        taken = Capture("about", about->Handle());
        about->Close();
    };
    SetTimer(nullptr, 0, 300, Tick);
    form->N5->Click();
    if (boxes)
        std::fprintf(stderr, "screenshot_driver: a message box came up on the way\n");
    return taken ? 0 : 1;
}
