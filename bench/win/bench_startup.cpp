// The program's start-up: from process entry to the main window on screen with
// every idiom of a 51,470-row store listed and the first one explained,
// against the start of an empty window in the same run, under the same Wine.
// The two are timed alternately, each in a fresh process of this program
// started in a folder holding the store; a child signals an event once its
// window is painted (the main window with its skinned frame and controls, as
// the program shows it), and the time to that signal is the figure.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/list_model.h"
#include "app/main_form.h"
#include "app/program.h"
#include "bench/bench_timing.h"
#include "tools/store_builder/store_writer.h"
#include "tools/store_builder/synthetic.h"
#include "ui/application.h"
#include "ui/db_grid_eh.h"
#include "ui/flat_memo.h"
#include "ui/form.h"
#include "ui/skin/skin_messages.h"

namespace {

constexpr size_t kRows = 51470;
constexpr int kRuns = 11;

class TEmptyForm : public TForm {
public:
    explicit TEmptyForm(TComponent* owner) : TForm(owner)
    {
        SetCaption(L"Quorlen");
        SetClientSize(785, 595);
        Position = TPosition::ScreenCenter;
        Handle();
    }
    const char* ClassName() const override { return "TEmptyForm"; }
};

void Signal(const wchar_t* event_name)
{
    HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, event_name);
    if (event) {
        SetEvent(event);
        CloseHandle(event);
    }
}

int RunEmpty(const wchar_t* event_name)
{
    TApplication app;
    InitializeApplication(app);
    TEmptyForm* form = app.CreateForm<TEmptyForm>();
    form->Show();
    // As the program's start-up: shown, then every message but timers handled.
    app.ProcessUntilTimers();
    Signal(event_name);
    return 0;
}

// The real start-up; the exit code says whether the window showed what it must.
int RunFull(const wchar_t* event_name)
{
    bool complete = false;
    int code = RunProgram([&](TApplication& app) {
        auto* form = dynamic_cast<TForm1*>(app.MainForm());
        const bool skinned = SendMessageW(form->Handle(), SKINMSG_QUERY, 0, 0) == 1;
        HWND grid = form->DBGridEh1->Handle();
        auto listed = static_cast<size_t>(SendMessageW(grid, LVM_GETITEMCOUNT, 0, 0));
        complete = skinned && listed == kRows && !form->FlatMemo1->Text().empty();
        Signal(event_name);
        app.Terminate();
    });
    return code == 0 && complete ? 0 : 3;
}

std::filesystem::path PrepareStore()
{
    std::filesystem::path cache = std::filesystem::path(QUORLEN_BENCH_CACHE) / "startup";
    std::filesystem::create_directories(cache);
    std::filesystem::path store = cache / "tirsel.edt";
    if (!std::filesystem::exists(store))
        WriteStore(SyntheticEntries(kRows), store);
    return cache;
}

// Milliseconds from creating the child to its signal.
double TimeChild(const std::wstring& mode, const std::filesystem::path& folder, bool& ok)
{
    static int serial = 0;
    std::wstring event_name = L"QuorlenBenchShown" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                              std::to_wstring(++serial);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, event_name.c_str());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --child " + mode + L" " + event_name;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.wstring().c_str(), &si,
                        &pi)) {
        CloseHandle(event);
        ok = false;
        return 0;
    }
    HANDLE waits[2] = {event, pi.hProcess};
    DWORD which = WaitForMultipleObjects(2, waits, FALSE, 120000);
    QueryPerformanceCounter(&shown);
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD exit_code = 1;
    GetExitCodeProcess(pi.hProcess, &exit_code);
    ok = ok && which == WAIT_OBJECT_0 && exit_code == 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(event);
    return double(shown.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 4 && std::wstring(argv[1]) == L"--child")
        return std::wstring(argv[2]) == L"full" ? RunFull(argv[3]) : RunEmpty(argv[3]);

    std::filesystem::path folder = PrepareStore();
    bool ok = true;
    std::vector<double> full, empty;
    TimeChild(L"full", folder, ok);  // warm the page cache and Wine's own start
    TimeChild(L"empty", folder, ok);
    for (int i = 0; i < kRuns; ++i) {
        full.push_back(TimeChild(L"full", folder, ok));
        empty.push_back(TimeChild(L"empty", folder, ok));
    }
    if (!ok) {
        std::fprintf(stderr, "bench startup: a child did not show its skinned window with every row listed\n");
        return 1;
    }
    std::sort(full.begin(), full.end());
    std::sort(empty.begin(), empty.end());
    double f = full[full.size() / 2], e = empty[empty.size() / 2];
    PrintRatio("startup", f, e);
    PrintValue("startup-over-empty-window", f - e, "ms");
    return 0;
}
