#pragma once
// The gallery under the program's own skin and runtime: the frame attaches at
// the first activation and walks the widget-set controls; the bare common
// controls are then added to the same frame's painters.
#include <memory>

#include "app/program.h"
#include "tests/skin_controls/gallery.h"
#include "ui/application.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win32_skin_resource.h"
#include "ui/skin/win_skin_form.h"
#include "ui/skin/win_skin_manage.h"

inline TSkinControlList* FramePainters(TWinSkinForm& frame)
{
    for (size_t i = 0; i < frame.ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TSkinControlList*>(frame.Component(i)))
            return list;
    return nullptr;
}

// Waits (pumping messages) until the runtime has framed the window and its
// frame has walked the controls; the painters, or none when it never did.
inline TSkinControlList* WaitForPainters(TApplication& app, HWND window)
{
    for (int i = 0; i < 150; ++i) {
        app.ProcessMessages();
        Sleep(20);
        auto* manager = dynamic_cast<TWinSkinManage*>(SkinManager());
        TWinSkinForm* frame = manager ? manager->FindFrame(window) : nullptr;
        if (frame && frame->FrameState == fsReady)
            if (TSkinControlList* list = FramePainters(*frame))
                return list;
    }
    return nullptr;
}

inline void InitGalleryControls()
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
}

// The gallery shown under the program's stored skin with every control
// painted: the frame's painters, the bare common controls' added to them.
struct TSkinnedGallery {
    // Declared first so that it goes last, after every window it skinned.
    struct TManagerEnd {
        ~TManagerEnd() { ReleaseSkinManager(); }
    } managerEnd;
    TApplication app;
    const TWin32SkinPlatform platform;
    TGalleryForm* form = nullptr;
    std::unique_ptr<TSkinData> skin;
    TSkinControlList* painters = nullptr;  // none: the gallery was never skinned

    TSkinnedGallery()
    {
        InitGalleryControls();
        InitializeApplication(app);
        form = app.CreateForm<TGalleryForm>();
        skin = CreateStoredSkinData(platform, GetModuleHandleW(nullptr));
        skin->OwnerForm = form;
        form->Handle();
        skin->Loaded();
        form->Show();
        SetForegroundWindow(form->Handle());
        form->CreateCommonControls();
        painters = WaitForPainters(app, form->Handle());
        if (painters)
            for (HWND w : form->bare)
                SkinWindowHandle(*painters, w);
    }
};
