// The frame's hook for the control painters: a frame keeps its painters in a
// TSkinControlList component of its own, so they go when the frame goes.
#include "ui/control_atom.h"
#include "ui/skin/skin_child_controls.h"
#include "ui/skin/skin_common_controls.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/skinner_gdi.h"
#include "ui/skin/win_skin_form.h"

namespace {

// The size grip of a skinned frame: the mouse over it belongs to the frame,
// whose hit test answers the sizing corner; while the window is maximized
// the grip is only the face colour.
class TFrameSizeGrip : public TSkinSizer {
public:
    using TSkinSizer::TSkinSizer;

    bool BeforeMessage(TMessage& m) override
    {
        if (m.Msg == WM_NCHITTEST) {
            m.Result = HTTRANSPARENT;
            return false;
        }
        return TSkinSizer::BeforeMessage(m);
    }

protected:
    void Draw(TDibCanvas& work, int w, int h) override
    {
        const TSkinData& d = *data_;
        if (IsZoomed(GetAncestor(handle_, GA_ROOT))) {
            FillCanvas(work, SkinFace(d));
            return;
        }
        if (d.ExtraImages && !d.ExtraImages->Bitmap.Empty() && d.ExtraImages->Cells() >= 5) {
            TSkinSizer::Draw(work, w, h);
            return;
        }
        // Without the skin's grip image the system's grip would bring the
        // system's face with it: the same ridges in the skin's shades instead.
        FillCanvas(work, SkinFace(d));
        const COLORREF shadow = SkinColourRef(d, d.SkinColours[SC_BUTTONSHADOW]);
        const COLORREF light = SkinColourRef(d, d.SkinColours[SC_BUTTONHILIGHT]);
        HDC dc = work.DC();
        GdiFlush();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // Distance from the corner along the diagonal: two dark lines and a light one, three times.
                const int k = (w - 1 - x) + (h - 1 - y);
                if (k < 2 || k > 12)
                    continue;
                const int phase = (k - 2) % 4;
                if (phase < 2)
                    SetPixelV(dc, x, y, shadow);
                else if (phase == 2)
                    SetPixelV(dc, x, y, light);
            }
        GdiFlush();
    }
};

bool IsSizeGripWindow(HWND window)
{
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    return lstrcmpiW(cls, L"ScrollBar") == 0 && (GetWindowLongPtrW(window, GWL_STYLE) & (WS_CHILD | SBS_SIZEGRIP)) ==
                                                    (WS_CHILD | SBS_SIZEGRIP);
}

TSkinControlList* PaintersOf(TWinSkinForm& frame)
{
    for (size_t i = 0; i < frame.ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TSkinControlList*>(frame.Component(i)))
            return list;
    return nullptr;
}

} // namespace

void TWinSkinForm::SkinChildControls()
{
    if (!SkinData() || !IsWindow(Handle()))
        return;
    TSkinControlList* list = PaintersOf(*this);
    if (!list)
        list = Make<TSkinControlList>(*SkinData());
    if (Form())
        ::SkinChildControls(*list, *Form());
    else
        ::SkinChildWindows(*list, Handle());
    ControlSkinners.assign(list->Count(), nullptr);
    for (size_t i = 0; i < list->Count(); ++i)
        ControlSkinners[i] = list->At(i);
    if (!SizeGrip)
        for (HWND c = GetTopWindow(Handle()); c; c = GetWindow(c, GW_HWNDNEXT))
            if (IsSizeGripWindow(c) && AdoptSizeGrip(c))
                break;
}

bool TWinSkinForm::AdoptSizeGrip(HWND grip)
{
    // Called while the grip is being created too: its style is not read, the caller has seen it.
    if (!Skinning() || BorderKind != bkSizeable || !IsWindow(grip) || GetParent(grip) != Handle())
        return false;
    SizeGrip = grip;
    PostMessageW(Handle(), SKINMSG_RESKINCONTROL, reinterpret_cast<WPARAM>(grip), 0);
    return true;
}

bool TWinSkinForm::SizeGripActive() const
{
    return SizeGrip && IsWindow(SizeGrip) && IsWindowVisible(SizeGrip) && GetParent(SizeGrip) == Handle() &&
           Skinning() && BorderKind == bkSizeable && !IsZoomed(Handle()) && !IsIconic(Handle());
}

void TWinSkinForm::ReattachControlSkinner(HWND control)
{
    if (!SkinData() || !IsWindow(control) || !IsChild(Handle(), control) || FrameState == fsDestroying ||
        FrameState == fsDead)
        return;
    TSkinControlList* list = PaintersOf(*this);
    if (!list)
        return;
    if (TSkinControl* old = list->Find(control))
        list->Release(old);
    if (control == SizeGrip) {
        auto grip = std::make_unique<TFrameSizeGrip>(nullptr);
        TSkinControl* made = list->Adopt(std::move(grip));
        made->AttachHandle(control, *SkinData(), *list);
    } else if (TWinControl* widget = ControlOf(control)) {
        ::SkinControl(*list, *widget, widget->Parent());
    } else {
        SkinWindowHandle(*list, control);
    }
    ControlSkinners.assign(list->Count(), nullptr);
    for (size_t i = 0; i < list->Count(); ++i)
        ControlSkinners[i] = list->At(i);
    InvalidateRect(control, nullptr, TRUE);
}

void TWinSkinForm::DetachControlSkinners()
{
    ControlSkinners.clear();
    TSkinControlList* list = PaintersOf(*this);
    if (!list)
        return;
    // A window being destroyed keeps nothing to give back; a removed skin
    // gives the controls their own colours again.
    list->ReleaseAll(FrameState != fsDestroying);
    FreeComponent(list);
}

void TWinSkinForm::ControlSkinnersChanged()
{
    if (TSkinControlList* list = PaintersOf(*this))
        list->SkinChanged();
}

void TWinSkinForm::CloseControlHints() {}
