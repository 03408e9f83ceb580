#pragma once
// Multi-line text boxes: TCustomMemo, and TFlatMemo, the read-only one with a
// thin coloured border that shows the explanation on its parent's background.
#include "ui/edit.h"

enum class TScrollStyle { None, Vertical };

class TCustomMemo : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    const char* ClassName() const override { return "TCustomMemo"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TCustomMemo" || TCustomEdit::InheritsFrom(cls); }

    // The system reports no change for a program-set text in a multi-line box,
    // so the memo reports it itself.
    void SetText(const std::wstring& text) override;

    TScrollStyle ScrollBars() const { return scroll_bars_; }
    void SetScrollBars(TScrollStyle style);
    // Lines as displayed at the current width: wrapped lines count one each,
    // an empty last line does not count.
    int DisplayedLineCount();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& msg) override;

private:
    TScrollStyle scroll_bars_ = TScrollStyle::None;
};

class TFlatMemo : public TCustomMemo {
public:
    explicit TFlatMemo(TComponent* owner);
    const char* ClassName() const override { return "TFlatMemo"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TFlatMemo" || TCustomMemo::InheritsFrom(cls); }

    TColor BorderColor() const { return border_color_; }
    // Takes the parent's colour as its background.
    void SetParent(TWinControl* parent) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;

private:
    void PaintBorder();
    // One pixel of frame of our own: an edit with WS_BORDER draws its border
    // itself, in its own colour.
    void FitClientArea(TMessage& msg);

    TColor border_color_ = clTeal;
};
