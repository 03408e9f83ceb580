#pragma once
// The main window, Form1: quick lookup, the filtered list, the explanation
// and the chain game. It shows what the lookup operations decide (as their
// TMainView) and routes its controls' events to them.
#include <memory>
#include <string>

#include "app/main_logic.h"
#include "app/main_view.h"
#include "ui/form.h"

class TButton;
class TComboBox;
class TDBGridEh;
class TEdit;
class TFlatMemo;
class TGroupBox;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TSkinData;

inline constexpr wchar_t kSoeditPlaceholder[] = L"请输入搜索内容";
inline constexpr wchar_t kEdit1Placeholder[] = L"请输入拼音或汉字";
inline constexpr wchar_t kJlPlaceholder[] = L"请输入成语";
inline constexpr wchar_t kCopiedText[] = L"已经成功复制到剪贴板！";
// From this many displayed lines on, the memo shows a vertical scroll bar;
// below it the explanation fits and a bar would only narrow the text.
inline constexpr int kMemoScrollBarLines = 19;

class TForm1 : public TForm, public TMainView {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TForm1" || TForm::InheritsFrom(cls); }

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* soedit = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TButton* Button1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* Edit1 = nullptr;
    TDBGridEh* DBGridEh1 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TFlatMemo* FlatMemo1 = nullptr;
    TGroupBox* GroupBox4 = nullptr;
    TEdit* jl = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TLabel* Label1 = nullptr;
    TButton* Button2 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* N5 = nullptr;
    std::unique_ptr<TSkinData> SkinData1;

    // TMainView
    void ListChanged(const TListModel& list) override;
    void SetExplanationCaption(const std::string& caption) override;
    void SetMemoText(const std::string& text) override;
    std::string MemoText() const override;
    void ShowCurrentIdiom(const std::string& text, TColourRef colour) override;
    TColourRef CurrentIdiomColour() const override;
    void ShowWarning(const std::string& message) override;

private:
    void CreateControls();
    void CreatePopupMenu();
    void WireEvents();
    void LoadSkin();
    void ClearPlaceholder(TEdit& edit, const wchar_t* placeholder);
    void CopyMemo();
    void FitMemoScrollBar();
    void ShowAbout();
    void OpenHomePage();

    TMainLogic logic_;
};
