#include "app/main_form.h"

#include <exception>

#include "app/help_texts.h"
#include "app/home_page.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/clipboard.h"
#include "ui/combo_box.h"
#include "ui/db_grid_eh.h"
#include "ui/edit.h"
#include "ui/flat_memo.h"
#include "ui/gbk_text.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/popup_menu.h"
#include "ui/screen.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win32_skin_resource.h"

namespace {

enum class TKind { GroupBox, Label, Link, Edit, ComboBox, Button, Grid, Memo };

// One row of the window's layout. Positions are relative to the parent; a
// font height is the character height in pixels; no face means the form's.
struct TControlRow {
    const char* Name;
    TKind Kind;
    const char* Parent;  // nullptr: the form
    int Left, Top, Width, Height;
    const wchar_t* Face;
    int FontHeight;
    TColor FontColor;
    const wchar_t* Text;
    int TabOrder;
};

constexpr const wchar_t* kFormFace = L"MS Sans Serif";
constexpr const wchar_t* kSongti = L"\u5B8B\u4F53";  // 宋体

// In creation order: a parent comes before what it holds.
constexpr TControlRow kLayout[] = {
    {"GroupBox1", TKind::GroupBox, nullptr, 16, 16, 401, 105, nullptr, 13, clWindowText, L"成语速查", 0},
    {"Label4", TKind::Link, "GroupBox1", 112, 2, 57, 13, nullptr, 11, clWindowText, L"使用说明", 0},
    {"soedit", TKind::Edit, "GroupBox1", 32, 40, 153, 28, nullptr, 16, clPurple, kSoeditPlaceholder, 0},
    {"ComboBox1", TKind::ComboBox, "GroupBox1", 187, 40, 81, 28, nullptr, 16, clWindowText, L"", 1},
    {"Button1", TKind::Button, "GroupBox1", 296, 34, 81, 38, kSongti, 16, clNavy, L"查找", 2},
    {"GroupBox2", TKind::GroupBox, nullptr, 16, 125, 225, 428, nullptr, 13, clWindowText, L"成语检索", 1},
    {"Edit1", TKind::Edit, "GroupBox2", 8, 24, 209, 28, nullptr, 16, clPurple, kEdit1Placeholder, 1},
    {"DBGridEh1", TKind::Grid, "GroupBox2", 8, 52, 209, 365, nullptr, 13, clWindowText, L"", 0},
    {"GroupBox3", TKind::GroupBox, nullptr, 256, 125, 513, 428, nullptr, 13, clWindowText, L"成语释义", 2},
    {"FlatMemo1", TKind::Memo, "GroupBox3", 8, 24, 497, 393, nullptr, 16, clWindowText, L"", 0},
    {"GroupBox4", TKind::GroupBox, nullptr, 432, 16, 337, 105, nullptr, 13, clWindowText, L"成语接龙游戏", 3},
    {"jl", TKind::Edit, "GroupBox4", 16, 40, 129, 28, nullptr, 16, clPurple, kJlPlaceholder, 0},
    {"ComboBox2", TKind::ComboBox, "GroupBox4", 147, 40, 57, 28, nullptr, 16, clWindowText, L"", 2},
    {"Label1", TKind::Label, "GroupBox4", 208, 43, 19, 19, kSongti, 19, clWindowText, L"条", 0},
    {"Button2", TKind::Button, "GroupBox4", 248, 34, 77, 38, kSongti, 16, clNavy, L"接龙", 1},
    {"Label5", TKind::Link, "GroupBox4", 120, 2, 57, 13, nullptr, 11, clWindowText, L"使用说明", 0},
    {"Label6", TKind::Link, "GroupBox4", 284, 2, 33, 13, nullptr, 11, clWindowText, L"关于", 0},
    {"Label2", TKind::Label, nullptr, 18, 568, 231, 14, nullptr, 12, clRed, L"", 0},
    {"Label3", TKind::Link, nullptr, 710, 568, 59, 14, nullptr, 12, clNavy, L"官方网站", 0},
};

const std::vector<std::wstring> kSearchModes = {L"模糊", L"精确", L"词首", L"词尾", L"拼音"};
const std::vector<std::wstring> kChainLengths = {L"2", L"3", L"4", L"5", L"6", L"7", L"8",
                                                 L"9", L"10", L"15", L"20", L"30", L"40", L"50"};
constexpr int kTenIdioms = 8;  // "10", the ninth entry

TControl* MakeControl(TComponent& owner, TKind kind)
{
    switch (kind) {
    case TKind::GroupBox:
        return owner.Make<TGroupBox>();
    case TKind::Label:
    case TKind::Link:
        return owner.Make<TLabel>();
    case TKind::Edit:
        return owner.Make<TEdit>();
    case TKind::ComboBox:
        return owner.Make<TComboBox>();
    case TKind::Button:
        return owner.Make<TButton>();
    case TKind::Grid:
        return owner.Make<TDBGridEh>();
    case TKind::Memo:
        return owner.Make<TFlatMemo>();
    }
    return nullptr;
}

template <class T>
T* Named(const TComponent& owner, const char* name)
{
    return dynamic_cast<T*>(owner.FindComponent(name));
}

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner), logic_(*this)
{
    // The store is read on a worker while the controls are made.
    logic_.BeginStartUp();
    Name = "Form1";
    SetCaption(L"Quorlen");
    SetClientSize(785, 595);
    Position = TPosition::ScreenCenter;
    MinimizeBox = true;
    AppWindow = true;
    SetColor(clBtnFace);
    Font() = TFont(kFormFace, 13);

    CreateControls();
    CreatePopupMenu();
    WireEvents();
    Handle();
    LoadSkin();

    ComboBox2->SetItemIndex(kTenIdioms);
    try {
        logic_.StartUp();
    } catch (...) {
        // The window still opens, with whatever the list holds.
        if (TApplication* app = Application())
            app->HandleException(std::current_exception());
    }
}

TForm1::~TForm1()
{
    // The windows go while the handlers' targets still exist.
    DestroyHandle();
}

void TForm1::CreateControls()
{
    for (const TControlRow& row : kLayout) {
        TControl* c = MakeControl(*this, row.Kind);
        c->Name = row.Name;
        c->SetBounds(row.Left, row.Top, row.Width, row.Height);
        c->Font() = TFont(row.Face ? row.Face : kFormFace, row.FontHeight, row.FontColor);
        c->SetCaption(row.Text);
        if (row.Kind == TKind::Link)
            c->SetCursor(crHandPoint);
        if (auto* windowed = dynamic_cast<TWinControl*>(c))
            windowed->SetTabOrder(row.TabOrder);
        TWinControl* parent = row.Parent ? Named<TWinControl>(*this, row.Parent) : this;
        c->SetParent(parent);
    }
    GroupBox1 = Named<TGroupBox>(*this, "GroupBox1");
    Label4 = Named<TLabel>(*this, "Label4");
    soedit = Named<TEdit>(*this, "soedit");
    ComboBox1 = Named<TComboBox>(*this, "ComboBox1");
    Button1 = Named<TButton>(*this, "Button1");
    GroupBox2 = Named<TGroupBox>(*this, "GroupBox2");
    Edit1 = Named<TEdit>(*this, "Edit1");
    DBGridEh1 = Named<TDBGridEh>(*this, "DBGridEh1");
    GroupBox3 = Named<TGroupBox>(*this, "GroupBox3");
    FlatMemo1 = Named<TFlatMemo>(*this, "FlatMemo1");
    GroupBox4 = Named<TGroupBox>(*this, "GroupBox4");
    jl = Named<TEdit>(*this, "jl");
    ComboBox2 = Named<TComboBox>(*this, "ComboBox2");
    Label1 = Named<TLabel>(*this, "Label1");
    Button2 = Named<TButton>(*this, "Button2");
    Label5 = Named<TLabel>(*this, "Label5");
    Label6 = Named<TLabel>(*this, "Label6");
    Label2 = Named<TLabel>(*this, "Label2");
    Label3 = Named<TLabel>(*this, "Label3");

    ComboBox1->SetItems(kSearchModes);
    ComboBox1->SetItemIndex(0);
    ComboBox2->SetItems(kChainLengths);
    Label2->SetVisible(false);
}

void TForm1::CreatePopupMenu()
{
    PopupMenu1 = Make<TPopupMenu>();
    PopupMenu1->Name = "PopupMenu1";
    auto item = [this](const char* name, const wchar_t* caption) {
        TMenuItem* made = Make<TMenuItem>();
        made->Name = name;
        made->Caption = caption;
        PopupMenu1->Add(made);
        return made;
    };
    N1 = item("N1", L"全选");
    N2 = item("N2", L"-");
    N3 = item("N3", L"复制");
    N4 = item("N4", L"-");
    N5 = item("N5", L"关于...");
    FlatMemo1->SetPopupMenu(PopupMenu1);
}

void TForm1::WireEvents()
{
    Button1->OnClick = [this](TControl&) { logic_.QuickLookup(WideToGbk(soedit->Text()), ComboBox1->ItemIndex()); };
    Edit1->OnChange = [this](TCustomEdit&) { logic_.FilterChanged(WideToGbk(Edit1->Text())); };
    DBGridEh1->OnCellClick = [this](TDBGridEh&, uint32_t row) { logic_.RowClicked(row); };
    Button2->OnClick = [this](TControl&) { logic_.StartChain(WideToGbk(jl->Text()), WideToGbk(ComboBox2->Text())); };

    soedit->OnClick = [this](TControl&) { ClearPlaceholder(*soedit, kSoeditPlaceholder); };
    Edit1->OnClick = [this](TControl&) { ClearPlaceholder(*Edit1, kEdit1Placeholder); };
    jl->OnClick = [this](TControl&) { ClearPlaceholder(*jl, kJlPlaceholder); };

    // Enter runs the box's own button, as users expect of a search box.
    soedit->OnKeyPress = [this](TWinControl&, wchar_t& key) {
        if (key == L'\r') {
            key = 0;
            Button1->Click();
        }
    };
    jl->OnKeyPress = [this](TWinControl&, wchar_t& key) {
        if (key == L'\r') {
            key = 0;
            Button2->Click();
        }
    };

    FlatMemo1->OnDblClick = [this](TControl&) { FlatMemo1->SelectAll(); };
    N1->OnClick = [this](TMenuItem&) { FlatMemo1->SelectAll(); };
    N3->OnClick = [this](TMenuItem&) { CopyMemo(); };
    N5->OnClick = [this](TMenuItem&) { ShowAbout(); };
    Label6->OnClick = [this](TControl&) { N5->Click(); };
    FlatMemo1->OnChange = [this](TCustomEdit&) { FitMemoScrollBar(); };

    Label4->OnClick = [](TControl&) { ShowInformation(kSearchHelpText); };
    Label5->OnClick = [](TControl&) { ShowInformation(kChainHelpText); };
    Label3->OnClick = [this](TControl&) { OpenHomePage(); };
}

void TForm1::LoadSkin()
{
    // SkinData1, the skin component, is read with the form: its Loaded runs
    // here, once the controls have their windows and before the start-up
    // list fills them, so the first paint is already skinned.
    // The platform answers hold no state; one serves every component.
    static const TWin32SkinPlatform platform;
    SkinData1 = CreateStoredSkinData(platform, GetModuleHandleW(nullptr));
    SkinData1->OwnerForm = this;
    SkinData1->Loaded();
}

void TForm1::ClearPlaceholder(TEdit& edit, const wchar_t* placeholder)
{
    if (edit.Text() != placeholder)
        return;
    edit.SelectAll();
    edit.SetText(L"");
    edit.Font().SetColor(clWindowText);
}

void TForm1::CopyMemo()
{
    CopyTextToClipboard(Handle(), FlatMemo1->Text());
    ShowInformation(kCopiedText);
}

void TForm1::FitMemoScrollBar()
{
    // Lines are counted without the bar: with it the text wraps sooner, and a
    // count taken at that width would make the answer depend on the last one.
    FlatMemo1->SetScrollBars(TScrollStyle::None);
    if (FlatMemo1->DisplayedLineCount() >= kMemoScrollBarLines)
        FlatMemo1->SetScrollBars(TScrollStyle::Vertical);
}

void TForm1::ShowAbout()
{
    for (size_t i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        if (form->InheritsFrom("TForm3")) {
            form->ShowModal();
            return;
        }
    }
}

void TForm1::OpenHomePage()
{
    std::string address = HomePageAddress();
    if (TApplication* app = Application())
        app->OpenDocument(Handle(), std::wstring(address.begin(), address.end()));
}

void TForm1::ListChanged(const TListModel& list)
{
    DBGridEh1->SetModel(&list);
}

void TForm1::SetExplanationCaption(const std::string& caption)
{
    GroupBox3->SetCaption(GbkToWide(caption));
}

void TForm1::SetMemoText(const std::string& text)
{
    FlatMemo1->SetText(GbkToWide(text));
}

std::string TForm1::MemoText() const
{
    return WideToGbk(FlatMemo1->Text());
}

void TForm1::ShowCurrentIdiom(const std::string& text, TColourRef colour)
{
    Label2->Font().SetColor(colour);
    Label2->SetCaption(GbkToWide(text));
    Label2->SetVisible(true);
}

TColourRef TForm1::CurrentIdiomColour() const
{
    return Label2->Font().Color();
}

void TForm1::ShowWarning(const std::string& message)
{
    ::ShowWarning(GbkToWide(message));
}
