#pragma once
// Top-level windows. A form's window class is named after its class
// (TForm1, TForm3), its owner window is the application's, and it lists
// itself in Screen while it exists.
#include <functional>

#include "ui/control.h"

class TScrollingWinControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TScrollingWinControl"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TScrollingWinControl" || TWinControl::InheritsFrom(cls);
    }

    bool AutoScroll() const { return auto_scroll_; }
    void SetAutoScroll(bool value) { auto_scroll_ = value; }
    bool GetPublished(std::string_view name, std::wstring& value) const override;
    bool SetPublished(std::string_view name, const std::wstring& value) override;

private:
    bool auto_scroll_ = false;
};

enum class TPosition { Designed, ScreenCenter, MainFormCenter };
enum class TCloseAction { None, Hide };

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TCustomForm : public TScrollingWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    const char* ClassName() const override { return "TCustomForm"; }
    bool InheritsFrom(std::string_view cls) const override
    {
        return cls == "TCustomForm" || TScrollingWinControl::InheritsFrom(cls);
    }

    // The client area's size; the window is sized around it.
    void SetClientSize(int width, int height);
    int ClientWidth() const { return client_width_; }
    int ClientHeight() const { return client_height_; }
    TPosition Position = TPosition::Designed;
    bool MinimizeBox = true;
    // Gets a taskbar button of its own although the application owns it.
    bool AppWindow = false;

    void Show();
    void Hide();
    // Shows the form with every other form disabled and runs a nested message
    // loop (the application's, with its filters) until it is closed.
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int result) { modal_result_ = result; }
    // What the close button does: hide, or end the program for the main form.
    void Close();
    std::function<void(TCustomForm&, TCloseAction&)> OnClose;

    // Keys the form handles before its controls (Tab). True when handled.
    virtual bool DialogKey(const MSG& msg);
    // Moves the focus to the next (or previous) control in tab order.
    void SelectNext(bool forward);
    // The focusable controls in tab order, containers entered in place.
    std::vector<TWinControl*> TabSequence() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;
    bool ErasesWithColor() const override { return true; }

private:
    void PlaceWindow();

    int client_width_ = 0;
    int client_height_ = 0;
    bool modal_ = false;
    int modal_result_ = mrNone;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    const char* ClassName() const override { return "TForm"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TForm" || TCustomForm::InheritsFrom(cls); }
};
