#pragma once
// The about window, Form3: the description, links to the home page and one
// page of the maker's site in the embedded browser. Created hidden once;
// shown modally on demand; "返回", the close button and Esc hide it again.
#include "ui/form.h"

class TApplicationEvents;
class TButton;
class TGroupBox;
class TLabel;
class TWebBrowser;

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
    ~TForm3() override;
    const char* ClassName() const override { return "TForm3"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TForm3" || TForm::InheritsFrom(cls); }

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TLabel* Label3 = nullptr;
    TButton* Button1 = nullptr;
    TApplicationEvents* ApplicationEvents1 = nullptr;

    // A right-button press, release or double click meant for a window inside
    // the browser: the browser's own context menu must not appear.
    bool IsBrowserRightClick(const MSG& msg) const;

    bool DialogKey(const MSG& msg) override;

protected:
    void WndProc(TMessage& msg) override;

private:
    void OpenHomePage();
    void MakeWindowAtIdle();
    void CreateBrowser();

    int idle_work_ = 0;
};
