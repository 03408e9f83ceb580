#include "app/program.h"

#include <exception>

#include "app/about/about_form.h"
#include "app/app_icon.h"
#include "app/main_form.h"
#include "ui/application.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/win_skin_manage.h"

void InitializeApplication(TApplication& app)
{
    InitSkinRuntime();
    app.Initialize();
    app.SetIcons(MakeProgramIcon(GetSystemMetrics(SM_CXICON)), MakeProgramIcon(GetSystemMetrics(SM_CXSMICON)));
}

int RunProgram(const std::function<void(TApplication&)>& onShown)
{
    // The skin manager goes last, after every window it skinned.
    struct TSkinManagerEnd {
        ~TSkinManagerEnd() { ReleaseSkinManager(); }
    } skinManagerEnd;
    TApplication app;
    try {
        InitializeApplication(app);
        app.CreateForm<TForm1>();
        app.CreateForm<TForm3>();
        if (onShown) {
            app.MainForm()->Show();
            app.ProcessUntilTimers();
            onShown(app);
        }
        app.Run();
    } catch (...) {
        app.HandleException(std::current_exception());
        return 1;
    }
    return 0;
}
