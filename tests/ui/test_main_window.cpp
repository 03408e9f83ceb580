// The main window as it opens: layout, fonts, tab order, the start-up list.
#include "tests/ui/ui_fixture.h"

#include <commctrl.h>

#include "ui/control_atom.h"
#include "ui/screen.h"

namespace {

int FontHeight(HWND w)
{
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return -lf.lfHeight;
}

} // namespace

TEST_CASE("the main window opens with its title, size and frame")
{
    TWindowFixture f;
    HWND w = f.form->Handle();
    CHECK(WindowText(w) == L"Quorlen");
    wchar_t cls[64];
    GetClassNameW(w, cls, 64);
    CHECK(std::wstring(cls) == L"TForm1");
    RECT client;
    GetClientRect(w, &client);
    CHECK(client.right == 785);
    CHECK(client.bottom == 595);
    LONG style = GetWindowLongW(w, GWL_STYLE);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & WS_MINIMIZEBOX) != 0);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_THICKFRAME) == 0);  // the user cannot resize it
    // Centred on the desktop.
    RECT outer;
    GetWindowRect(w, &outer);
    CHECK(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1);
    CHECK(std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1);
    // Owned by the hidden application window, which carries the icon.
    HWND app = f.app.Handle();
    CHECK(GetWindow(w, GW_OWNER) == app);
    GetClassNameW(app, cls, 64);
    CHECK(std::wstring(cls) == L"TApplication");
    CHECK_FALSE(IsWindowVisible(app));
    CHECK(SendMessageW(app, WM_GETICON, ICON_BIG, 0) != 0);
    CHECK(SendMessageW(app, WM_GETICON, ICON_SMALL, 0) != 0);
    CHECK(f.app.HintPause == 500);
    CHECK(f.app.HintHidePause == 2500);
}

TEST_CASE("every control stands where the layout puts it")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    struct Expected {
        TControl* control;
        int left, top, width, height;
    };
    const Expected windowed[] = {
        {form.GroupBox1, 16, 16, 401, 105}, {form.soedit, 32, 40, 153, 28},     {form.ComboBox1, 187, 40, 81, 28},
        {form.Button1, 296, 34, 81, 38},    {form.GroupBox2, 16, 125, 225, 428}, {form.Edit1, 8, 24, 209, 28},
        {form.DBGridEh1, 8, 52, 209, 365},  {form.GroupBox3, 256, 125, 513, 428}, {form.FlatMemo1, 8, 24, 497, 393},
        {form.GroupBox4, 432, 16, 337, 105}, {form.jl, 16, 40, 129, 28},          {form.ComboBox2, 147, 40, 57, 28},
        {form.Button2, 248, 34, 77, 38},
    };
    for (const auto& e : windowed) {
        CAPTURE(e.control->Name);
        HWND w = static_cast<TWinControl*>(e.control)->Handle();
        CHECK(SameRect(RectInParent(w), e.left, e.top, e.width, e.height));
        CHECK(IsWindowVisible(w));
    }
    const Expected labels[] = {
        {form.Label4, 112, 2, 57, 13}, {form.Label1, 208, 43, 19, 19}, {form.Label5, 120, 2, 57, 13},
        {form.Label6, 284, 2, 33, 13}, {form.Label2, 18, 568, 231, 14}, {form.Label3, 710, 568, 59, 14},
    };
    for (const auto& e : labels) {
        CAPTURE(e.control->Name);
        RECT r = e.control->BoundsRect();
        CHECK(SameRect(r, e.left, e.top, e.width, e.height));
    }
    CHECK(form.Label4->Parent() == form.GroupBox1);
    CHECK(form.Label1->Parent() == form.GroupBox4);
    CHECK(form.Label2->Parent() == &form);
    CHECK(form.DBGridEh1->Parent() == form.GroupBox2);
    CHECK(GetParent(form.DBGridEh1->Handle()) == form.GroupBox2->Handle());
}

TEST_CASE("captions, texts, fonts and colours as designed")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    CHECK(WindowText(form.GroupBox1->Handle()) == L"成语速查");
    CHECK(WindowText(form.GroupBox2->Handle()) == L"成语检索");
    CHECK(WindowText(form.GroupBox4->Handle()) == L"成语接龙游戏");
    CHECK(WindowText(form.soedit->Handle()) == L"请输入搜索内容");
    CHECK(WindowText(form.Edit1->Handle()) == L"请输入拼音或汉字");
    CHECK(WindowText(form.jl->Handle()) == L"请输入成语");
    CHECK(WindowText(form.Button1->Handle()) == L"查找");
    CHECK(WindowText(form.Button2->Handle()) == L"接龙");
    CHECK(form.Label4->Caption() == L"使用说明");
    CHECK(form.Label5->Caption() == L"使用说明");
    CHECK(form.Label6->Caption() == L"关于");
    CHECK(form.Label1->Caption() == L"条");
    CHECK(form.Label3->Caption() == L"官方网站");

    for (TEdit* edit : {form.soedit, form.Edit1, form.jl}) {
        CHECK(edit->Font().Color() == clPurple);
        CHECK(FontHeight(edit->Handle()) == 16);
    }
    CHECK(FontHeight(form.ComboBox1->Handle()) == 16);
    CHECK(FontHeight(form.FlatMemo1->Handle()) == 16);
    CHECK(FontHeight(form.DBGridEh1->Handle()) == 13);
    CHECK(form.Button1->Font().Color() == clNavy);
    CHECK(form.Button1->Font().Name() == L"宋体");
    CHECK(FontHeight(form.Button1->Handle()) == 16);
    CHECK(form.Label1->Font().Height() == 19);
    CHECK(form.Label4->Font().Height() == 11);
    CHECK(form.Label2->Font().Color() == clRed);
    CHECK(form.Label2->Font().Height() == 12);
    CHECK_FALSE(form.Label2->Visible());
    CHECK(form.Label3->Font().Color() == clNavy);
    for (TLabel* link : {form.Label4, form.Label5, form.Label6, form.Label3})
        CHECK(link->Cursor() == crHandPoint);
    CHECK(form.Label1->Cursor() == crDefault);
    CHECK(form.Label2->Cursor() == crDefault);

    // Whatever face the fonts resolve to, it draws the window's Chinese text.
    HDC dc = GetDC(form.Button1->Handle());
    HGDIOBJ old = SelectObject(dc, form.Button1->Font().Handle());
    WORD glyphs[2];
    GetGlyphIndicesW(dc, L"查找", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(form.Button1->Handle(), dc);
    CHECK(glyphs[0] != 0xFFFF);
    CHECK(glyphs[1] != 0xFFFF);
}

TEST_CASE("the drop-down lists: entries, first choices, closed and dropped heights")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    CHECK(form.ComboBox1->Items() == std::vector<std::wstring>{L"模糊", L"精确", L"词首", L"词尾", L"拼音"});
    CHECK(SendMessageW(form.ComboBox1->Handle(), CB_GETCOUNT, 0, 0) == 5);
    CHECK(form.ComboBox1->ItemIndex() == 0);
    CHECK(SendMessageW(form.ComboBox2->Handle(), CB_GETCOUNT, 0, 0) == 14);
    CHECK(form.ComboBox2->ItemIndex() == 8);
    CHECK(form.ComboBox2->Text() == L"10");
    for (TComboBox* combo : {form.ComboBox1, form.ComboBox2}) {
        CAPTURE(combo->Name);
        RECT closed;
        GetWindowRect(combo->Handle(), &closed);
        CHECK(closed.bottom - closed.top == 28);
        // Dropped, the list shows every entry without scrolling.
        SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        f.Pump();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo->Handle(), &info);
        RECT list;
        GetClientRect(info.hwndList, &list);
        auto item = static_cast<int>(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
        CHECK(list.bottom >= item * static_cast<int>(combo->Items().size()));
        SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        f.Pump();
    }
}

TEST_CASE("a drop-down list re-sizes its dropped list when its entries or DropDownCount change")
{
    TWindowFixture f;
    TComboBox& combo = *f.form->ComboBox1;
    auto dropped_list_height = [&] {
        SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        f.Pump();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo.Handle(), &info);
        RECT list;
        GetClientRect(info.hwndList, &list);
        SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        f.Pump();
        return static_cast<int>(list.bottom);
    };
    const auto item = static_cast<int>(SendMessageW(combo.Handle(), CB_GETITEMHEIGHT, 0, 0));
    combo.SetItems({L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"});
    CHECK(dropped_list_height() >= 9 * item);
    combo.SetDropDownCount(3);
    const int three = dropped_list_height();
    CHECK(three >= 3 * item);
    CHECK(three < 4 * item + 4);
    combo.SetDropDownCount(0);
    CHECK(dropped_list_height() >= 9 * item);
    RECT closed;
    GetWindowRect(combo.Handle(), &closed);
    CHECK(closed.bottom - closed.top == 28);
}

TEST_CASE("Tab walks the controls in the window's tab order and wraps around")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    const std::vector<TWinControl*> expected = {form.soedit,  form.ComboBox1, form.Button1, form.DBGridEh1, form.Edit1,
                                                form.FlatMemo1, form.jl,      form.Button2, form.ComboBox2};
    CHECK(form.TabSequence() == expected);
    SetForegroundWindow(form.Handle());
    form.soedit->SetFocus();
    f.Pump();
    REQUIRE(form.soedit->Focused());
    for (size_t i = 1; i <= expected.size(); ++i) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        f.Pump();
        TWinControl* want = expected[i % expected.size()];
        CAPTURE(want->Name);
        CHECK(want->Focused());
    }
    // Focus arriving by Tab selects an edit's text but leaves the placeholder there.
    CHECK(form.soedit->Text() == L"请输入搜索内容");
    CHECK(form.soedit->Font().Color() == clPurple);
}

TEST_CASE("start-up lists every idiom with the ID column hidden and explains the first")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    CHECK(f.GridRows() == 12);
    HWND header = reinterpret_cast<HWND>(SendMessageW(form.DBGridEh1->Handle(), LVM_GETHEADER, 0, 0));
    REQUIRE(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 3);
    auto title = [&](int column) {
        wchar_t text[32] = L"";
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
        return std::wstring(text);
    };
    CHECK(title(0) == L"ID");
    CHECK(title(1) == L"成语");
    CHECK(title(2) == L"拼音");
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETCOLUMNWIDTH, 0, 0) == 0);
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETCOLUMNWIDTH, 1, 0) > 0);
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETCOLUMNWIDTH, 2, 0) > 0);
    CHECK(f.Cell(0, 1) == L"一马当先");
    CHECK(f.Cell(0, 2) == L"yimadan");  // the pinyin key's first seven bytes
    CHECK(f.Cell(11, 1) == L"一帆风顺");
    // The first row is the current one.
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETITEMSTATE, 0, LVIS_SELECTED) == LVIS_SELECTED);

    CHECK(WindowText(form.GroupBox3->Handle()) == L"成语: 一马当先");
    CHECK(f.Memo() == DetailOf(L"一马当先", L"yī mǎ dāng xiān", L"作战时策马冲在最前面。", L"【用法】作谓语。"));
    CHECK_FALSE(form.Label2->Visible());
    CHECK(f.boxes.empty());
}

TEST_CASE("the window's style of list: whole rows, grid lines, flat")
{
    TWindowFixture f;
    HWND grid = f.form->DBGridEh1->Handle();
    auto ex = static_cast<DWORD>(SendMessageW(grid, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    CHECK((ex & LVS_EX_FULLROWSELECT) != 0);
    CHECK((ex & LVS_EX_GRIDLINES) != 0);
    CHECK((GetWindowLongW(grid, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0);
    CHECK((GetWindowLongW(grid, GWL_STYLE) & LVS_OWNERDATA) != 0);
}

TEST_CASE("start-up in a folder without a store: an error box, and the window opens with an empty list")
{
    TWindowFixture f(IdiomEntries{});
    REQUIRE(f.boxes.size() == 1);
    CHECK(f.boxes[0].Caption == L"Quorlen");
    CHECK((f.boxes[0].Flags & MB_ICONERROR) == MB_ICONERROR);
    CHECK_FALSE(f.boxes[0].Text.empty());
    CHECK((f.boxes[0].Flags & MB_SETFOREGROUND) == 0);
    CHECK(IsWindowVisible(f.form->Handle()));
    CHECK(f.GridRows() == 0);
    CHECK(f.Memo().empty());
    // The program goes on: a lookup fails the same way, and the window stays.
    f.Click(*f.form->Button1);
    CHECK(f.boxes.size() == 2);
    CHECK(IsWindow(f.form->Handle()));
}

TEST_CASE("Screen lists the forms; the window property leads from a handle to its control")
{
    TWindowFixture f(SampleIdioms(), true);
    bool main = false, about = false;
    for (size_t i = 0; i < Screen().FormCount(); ++i) {
        main = main || Screen().Forms(i) == f.form;
        about = about || Screen().Forms(i) == f.about;
    }
    CHECK(main);
    CHECK(about);
    std::string name = ControlAtomName(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)), GetCurrentThreadId());
    CHECK(GetPropA(f.form->Handle(), name.c_str()) == f.form);
    CHECK(GetPropA(f.form->soedit->Handle(), name.c_str()) == static_cast<TWinControl*>(f.form->soedit));
    CHECK(ControlOf(f.form->DBGridEh1->Handle()) == f.form->DBGridEh1);
    CHECK(ControlOf(f.app.Handle()) == nullptr);
}

TEST_CASE("closing the main window ends the program; the about window does not")
{
    TWindowFixture f(SampleIdioms(), true);
    PostMessageW(f.about->Handle(), WM_CLOSE, 0, 0);
    f.Pump();
    CHECK_FALSE(f.app.Terminated());
    CHECK(IsWindow(f.about->Handle()));
    PostMessageW(f.form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    f.Pump();
    CHECK(f.app.Terminated());
    CHECK_FALSE(IsWindowVisible(f.form->Handle()));
}
