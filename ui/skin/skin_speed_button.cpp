// Tool buttons, with a window of their own or painted by their parent.
#include <windowsx.h>

#include "ui/skin/skin_button.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skinner_gdi.h"

// The head of the parent's WindowProc while a button without a window is
// skinned. Named, so that the painter can tell whether it is still on top.
struct TSpeedParentHook {
    std::shared_ptr<TSkinSpeedButton*> link;
    TWndMethod previous;

    void operator()(TMessage& m) const
    {
        // Copies: the painter may take this hook out of the chain (and so free
        // it) while the message is still being handled.
        const auto keep = link;
        const TWndMethod next = previous;
        if (TSkinSpeedButton* self = *keep)
            self->ParentMessage(m, next, keep);
        else if (next)
            next(m);
    }
};

TSkinSpeedButton::~TSkinSpeedButton()
{
    // Freed with its button: the button (and maybe its parent) is going, so
    // only the hook is told; it passes everything on from now.
    if (link_)
        *link_ = nullptr;
}

void TSkinSpeedButton::Attach(TSkinControlList& frame, TSkinData& data, bool paintBackground)
{
    auto* graphic = dynamic_cast<TGraphicControl*>(Owner());
    if (!graphic) {
        TSkinBitButton::Attach(frame, data, paintBackground);
        return;
    }
    if (state_ != SS_NONE || !graphic->Parent())
        return;
    TWinControl* parent = graphic->Parent();
    HWND window = parent->Handle();
    if (!window)
        return;
    graphic_ = graphic;
    parent_ = parent;
    data_ = &data;
    frame_ = &frame;
    handle_ = window;
    unicode_ = IsWindowUnicode(window) != FALSE;
    link_ = std::make_shared<TSkinSpeedButton*>(this);
    parent->WindowProc = TSpeedParentHook{link_, parent->WindowProc};
    graphic->PaintProc = [this](HDC dc) {
        RECT r{0, 0, graphic_->Width(), graphic_->Height()};
        PaintTo(dc, r);
    };
    parent_hooked_ = true;
    frame.Add(this);
    state_ = SS_ATTACHED;
    graphic->Invalidate();
}

void TSkinSpeedButton::Unhook()
{
    if (!graphic_) {
        TSkinBitButton::Unhook();
        return;
    }
    if (!parent_hooked_)
        return;
    parent_hooked_ = false;
    graphic_->PaintProc = nullptr;
    if (link_)
        *link_ = nullptr;
    // Out of the parent's chain when nobody hooked in after us; otherwise the
    // hook stays and passes everything on.
    if (parent_ && graphic_->Parent() == parent_) {
        const auto* top = parent_->WindowProc.target<TSpeedParentHook>();
        if (top && top->link == link_) {
            TWndMethod previous = top->previous;
            parent_->WindowProc = std::move(previous);
        }
    }
    graphic_->Invalidate();
}

const TControl* TSkinSpeedButton::SourceControl() const
{
    return graphic_ ? graphic_ : TSkinBitButton::SourceControl();
}

bool TSkinSpeedButton::Over(POINT p) const
{
    if (!graphic_->Visible() || !parent_)
        return false;
    const RECT r = graphic_->BoundsRect();
    return PtInRect(&r, p) && parent_->ControlAtPos(p) == graphic_;
}

void TSkinSpeedButton::ParentMessage(TMessage& m, const TWndMethod& previous,
                                     const std::shared_ptr<TSkinSpeedButton*>& link)
{
    auto pass = [&] {
        if (previous)
            previous(m);
    };
    if (!enabled_ || state_ != SS_ATTACHED) {
        pass();
        return;
    }
    const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    switch (m.Msg) {
    case WM_MOUSEMOVE: {
        pass();
        if (!*link)
            return;
        const bool over = Over(at) && graphic_->Enabled();
        SetMouse(over ? mouse_ | kHot : mouse_ & ~kHot);
        if (over) {
            TrackMouseLeave(handle_);
        }
        return;
    }
    case WM_MOUSELEAVE:
        pass();
        if (*link)
            SetMouse(0);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Shown pressed before the parent hands the button its mouse-down.
        if (Over(at) && graphic_->Enabled())
            SetMouse(kHot | kPressed);
        pass();
        return;
    case WM_LBUTTONUP:
        pass();
        if (*link && Pressed())
            SetMouse(mouse_ & ~kPressed);
        return;
    case WM_NCDESTROY:
        // The parent's window goes; the frame frees the painter at its next purge.
        state_ = SS_DEAD;
        pass();
        return;
    }
    pass();
}

void TSkinSpeedButton::Repaint()
{
    if (!graphic_) {
        TSkinBitButton::Repaint();
        return;
    }
    graphic_->Invalidate();
    if (IsWindow(handle_))
        UpdateWindow(handle_);
}

bool TSkinSpeedButton::Flat() const
{
    // A tool button of another library that says nothing is flat.
    const auto flat = Published("Flat");
    return !flat || ParseBool(*flat) != false;
}

bool TSkinSpeedButton::Down() const
{
    const auto down = Published("Down");
    return down && ParseBool(*down) == true;
}

TButtonCell TSkinSpeedButton::CurrentCell() const
{
    if (!graphic_)
        return Down() && IsWindowEnabled(handle_) ? BC_PRESSED : TSkinBitButton::CurrentCell();
    // Pressed only while the pointer is still over it, as the click will be.
    const bool held = Pressed() && Hot();
    return ButtonState(graphic_->Enabled(), held || Down(), Hot(), false);
}

void TSkinSpeedButton::PaintButtonFace(TDibCanvas& work, TButtonCell cell)
{
    if (Flat() && cell != BC_HOT && cell != BC_PRESSED) {
        if (graphic_)
            PaintWindowArea(handle_, work.DC(), graphic_->BoundsRect());
        else
            PaintParentBackground(handle_, work.DC());
        return;
    }
    TSkinBitButton::PaintButtonFace(work, cell);
}

void TSkinSpeedButton::PaintTo(HDC dc, const RECT& r)
{
    if (!graphic_) {
        TSkinBitButton::PaintTo(dc, r);
        return;
    }
    // The parent's background holds this button too: it must not paint
    // itself again while its background is drawn.
    if (painting_ || !data_ || data_->Buttons.Bitmap.Empty())
        return;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    painting_ = true;
    try {
        TDibCanvas work(w, h);
        if (work.Valid()) {
            focused_ = false;  // it never has the focus
            multi_line_ = false;
            const TButtonCell cell = CurrentCell();
            text_left_ = 0;
            PaintFace(work, cell);
            DrawCaption(work.DC(), w, h, cell);
            work.BlitTo(dc, r.left, r.top);
        }
    } catch (...) {
        // An incomplete paint.
    }
    painting_ = false;
}
