// The main window's event wiring, driven by the messages a user's actions produce.
#include "tests/ui/ui_fixture.h"

#include <commctrl.h>

#include "app/help_texts.h"
#include "ui/clipboard.h"

TEST_CASE("查找 runs the quick lookup with the box's text and the chosen mode")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    f.Click(*form.soedit);
    f.Type(*form.soedit, L"一");
    f.Click(*form.Button1);
    CHECK(f.GridRows() == 2);
    CHECK(f.Cell(0, 1) == L"一马当先");
    CHECK(f.Cell(1, 1) == L"一帆风顺");

    SUBCASE("the mode chosen in the list is the one searched")
    {
        SendMessageW(form.ComboBox1->Handle(), CB_SETCURSEL, 3, 0);  // 词尾
        form.soedit->SetText(L"先");
        f.Click(*form.Button1);
        CHECK(f.GridRows() == 1);
        CHECK(f.Cell(0, 1) == L"一马当先");
    }
    SUBCASE("Enter in the box runs the same lookup")
    {
        form.soedit->SetText(L"成功");
        f.Key(*form.soedit, VK_RETURN);
        CHECK(f.GridRows() == 1);
        CHECK(f.Cell(0, 1) == L"马到成功");
        CHECK(WindowText(form.GroupBox3->Handle()) == L"成语: 马到成功");
    }
    SUBCASE("no match: a warning, and the list keeps its rows")
    {
        form.soedit->SetText(L"龙");
        f.Click(*form.Button1);
        CHECK(f.Warnings() == std::vector<std::wstring>{L"没有搜索结果,请检查输入内容是否有误?"});
        CHECK(f.GridRows() == 2);
    }
}

TEST_CASE("查找 untouched searches for the placeholder itself")
{
    TWindowFixture f;
    f.Click(*f.form->Button1);
    CHECK(f.form->soedit->Text() == L"请输入搜索内容");
    CHECK(f.Warnings() == std::vector<std::wstring>{L"没有搜索结果,请检查输入内容是否有误?"});
    CHECK(f.GridRows() == 12);
}

TEST_CASE("placeholders clear on the first click only")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    struct Box {
        TEdit* edit;
        const wchar_t* placeholder;
    };
    for (Box b : {Box{form.soedit, L"请输入搜索内容"}, Box{form.Edit1, L"请输入拼音或汉字"}, Box{form.jl, L"请输入成语"}}) {
        CAPTURE(b.edit->Name);
        CHECK(b.edit->Text() == b.placeholder);
        f.Click(*b.edit);
        CHECK(b.edit->Text().empty());
        CHECK(b.edit->Font().Color() == clWindowText);
        f.Type(*b.edit, L"马");
        f.Click(*b.edit);  // the second click leaves the user's text alone
        CHECK(b.edit->Text() == L"马");
    }
    // Clearing the filter box ran its change with an empty text: the list stayed.
    CHECK(f.boxes.empty());
}

TEST_CASE("typing into the filter box narrows the list as you type")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    f.Click(*form.Edit1);
    CHECK(f.GridRows() == 12);
    f.Type(*form.Edit1, L"m");
    CHECK(f.GridRows() == 1);
    CHECK(f.Cell(0, 1) == L"马到成功");
    f.Type(*form.Edit1, L"z");
    // No idiom's key starts with mz: the placeholder row alone, no pinyin column.
    CHECK(f.GridRows() == 1);
    CHECK(f.Cell(0, 1) == L"无此开头成语");
    HWND header = reinterpret_cast<HWND>(SendMessageW(form.DBGridEh1->Handle(), LVM_GETHEADER, 0, 0));
    CHECK(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 2);
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETCOLUMNWIDTH, 0, 0) == 0);
    // A click on the placeholder row shows nothing new.
    std::wstring before = f.Memo();
    f.ClickRow(0);
    CHECK(f.Memo() == before);
    CHECK_FALSE(form.Label2->Visible());
}

TEST_CASE("a row click explains that idiom and marks it, alternating navy and red")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    f.ClickRow(2);
    CHECK(WindowText(form.GroupBox3->Handle()) == L"成语: 人山人海");
    CHECK(f.Memo() == DetailOf(L"人山人海", L"rén shān rén hǎi", L"形容人聚集得非常多。"));
    CHECK(form.Label2->Visible());
    CHECK(form.Label2->Caption() == L"当前成语:人山人海");
    CHECK(form.Label2->Font().Color() == clNavy);
    f.ClickRow(9);
    CHECK(form.Label2->Caption() == L"当前成语:画蛇添足");
    CHECK(form.Label2->Font().Color() == clRed);
    f.ClickRow(4);
    CHECK(form.Label2->Font().Color() == clNavy);
    // Clicking the label itself does nothing.
    f.Click(*form.Label2);
    CHECK(form.Label2->Caption() == L"当前成语:空前绝后");
    CHECK(f.boxes.empty());
}

TEST_CASE("moving through the list by keyboard does not change the explanation")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    std::wstring first = f.Memo();
    form.DBGridEh1->SetFocus();
    for (int i = 0; i < 3; ++i)
        f.Key(*form.DBGridEh1, VK_DOWN);
    CHECK(SendMessageW(form.DBGridEh1->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) == 3);
    CHECK(f.Memo() == first);
    CHECK_FALSE(form.Label2->Visible());
}

TEST_CASE("接龙 plays the chain game into the memo")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    f.Click(*form.jl);
    f.Type(*form.jl, L"一马当先");
    SendMessageW(form.ComboBox2->Handle(), CB_SETCURSEL, 0, 0);  // "2"
    f.Click(*form.Button2);
    CHECK(WindowText(form.GroupBox3->Handle()) == L"成语接龙: 一马当先");
    CHECK(f.Memo() == L"先声夺人 --> 人山人海");

    SUBCASE("Enter in the seed box starts it too; the chain runs to its dead end")
    {
        SendMessageW(form.ComboBox2->Handle(), CB_SETCURSEL, 8, 0);  // "10"
        f.Key(*form.jl, VK_RETURN);
        CHECK(f.Memo() == L"先声夺人 --> 人山人海 --> 海阔天空 --> 空前绝后 --> 后来居上 --> 上行下效");
    }
    SUBCASE("the placeholder is not a seed")
    {
        form.jl->SetText(L"请输入成语");
        f.Click(*form.Button2);
        CHECK(f.Warnings() == std::vector<std::wstring>{L"请输入要接龙的成语！"});
        CHECK(f.Memo() == L"先声夺人 --> 人山人海");
    }
}

TEST_CASE("select all: double click in the memo, and the menu's 全选")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    HWND memo = form.FlatMemo1->Handle();
    auto selection = [&] {
        DWORD start = 0, end = 0;
        SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::make_pair(start, end);
    };
    const auto whole = std::make_pair(DWORD{0}, static_cast<DWORD>(f.Memo().size()));
    f.DoubleClick(memo, 30, 10);
    CHECK(selection() == whole);
    SendMessageW(memo, EM_SETSEL, 0, 0);
    f.Choose(*form.N1);
    CHECK(selection() == whole);
    SendMessageW(memo, EM_SETSEL, 0, 0);
    // Ctrl+A, as in any text box.
    form.FlatMemo1->SetFocus();
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    f.Key(*form.FlatMemo1, 'A');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    CHECK(selection() == whole);
    // Ctrl+C copies the selection, as in any text box.
    SendMessageW(memo, EM_SETSEL, 3, 7);
    PostMessageW(memo, WM_CHAR, 3, 1);
    f.Pump();
    std::wstring copied;
    REQUIRE(ReadClipboardText(form.Handle(), copied));
    CHECK(copied == f.Memo().substr(3, 4));
    CHECK(f.boxes.empty());
    // The memo's menu is the window's pop-up menu, in this order.
    CHECK(form.FlatMemo1->PopupMenu() == form.PopupMenu1);
    std::vector<std::wstring> captions;
    for (TMenuItem* item : form.PopupMenu1->Items())
        captions.push_back(item->Caption);
    CHECK(captions == std::vector<std::wstring>{L"全选", L"-", L"复制", L"-", L"关于..."});
}

TEST_CASE("复制 puts the whole memo on the clipboard and says so")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    SendMessageW(form.FlatMemo1->Handle(), EM_SETSEL, 2, 5);  // a selection does not narrow the copy
    f.Choose(*form.N3);
    std::wstring copied;
    REQUIRE(ReadClipboardText(form.Handle(), copied));
    CHECK(copied == f.Memo());
    REQUIRE(f.boxes.size() == 1);
    CHECK(f.boxes[0].Text == L"已经成功复制到剪贴板！");
    CHECK(f.boxes[0].Caption == L"Information");
    CHECK(f.boxes[0].Flags == (MB_OK | MB_ICONINFORMATION));
    CHECK(f.boxes[0].Owner == form.Handle());

    SUBCASE("an empty memo copies an empty text, and still confirms")
    {
        form.SetMemoText("");
        f.Choose(*form.N3);
        REQUIRE(ReadClipboardText(form.Handle(), copied));
        CHECK(copied.empty());
        CHECK(f.boxes.size() == 2);
        CHECK(f.boxes[1].Text == L"已经成功复制到剪贴板！");
    }
}

TEST_CASE("the two help boxes, word for word")
{
    TWindowFixture f;
    f.Click(*f.form->Label4);
    f.Click(*f.form->Label5);
    REQUIRE(f.boxes.size() == 2);
    CHECK(f.boxes[0].Text ==
          L"请在文本框中输入搜索关键字！\r\n可选择以下方式查找：\r\n\r\n模糊：包含关键字的所有成语\r\n"
          L"精确：完全和关键字匹配的成语\r\n词首：以关键字开头的成语\r\n词尾：以关键字结尾的成语\r\n"
          L"拼音：拼音开头包含关键字的成语\u3000\u3000");
    CHECK(f.boxes[1].Text ==
          L"请在文本框中输入接龙的成语或者汉字  \r\n\r\n选择要接龙的成语条数即可！\r\n\r\n"
          L"接龙游戏仅供参考,请勿参与接龙游戏, 以免失去小游戏乐趣\r\n");
    for (const auto& box : f.boxes) {
        CHECK(box.Caption == L"Information");
        CHECK(box.Flags == (MB_OK | MB_ICONINFORMATION));
    }
}

TEST_CASE("官方网站 asks the shell to open the home page")
{
    TWindowFixture f;
    f.Click(*f.form->Label3);
    REQUIRE(f.opened.size() == 1);
    CHECK(f.opened[0].first == f.form->Handle());
    CHECK(f.opened[0].second == L"http://www.example.com/");
}

namespace {

bool HasVerticalBar(TFlatMemo& memo)
{
    return (GetWindowLongW(memo.Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
}

std::wstring Lines(int count, const std::wstring& last = L"")
{
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += L"第" + std::to_wstring(i + 1) + L"行\r\n";
    return text + last;
}

} // namespace

TEST_CASE("the memo's scroll bar: none below 19 displayed lines, vertical from 19")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    TFlatMemo& memo = *form.FlatMemo1;
    form.SetMemoText("");
    CHECK_FALSE(HasVerticalBar(memo));
    // 18 lines and a final line break: the empty last line does not count.
    form.SetMemoText(WideToGbk(Lines(18)));
    CHECK(memo.DisplayedLineCount() == 18);
    CHECK_FALSE(HasVerticalBar(memo));
    form.SetMemoText(WideToGbk(Lines(18, L"第19行")));
    CHECK(HasVerticalBar(memo));
    form.SetMemoText(WideToGbk(Lines(17, L"最后一行")));
    CHECK_FALSE(HasVerticalBar(memo));

    // Wrapped lines count one each: 17 lines and one that wraps once.
    std::wstring wrapping(45, L'长');
    form.SetMemoText(WideToGbk(Lines(17, wrapping)));
    CHECK(memo.DisplayedLineCount() >= 19);
    CHECK(HasVerticalBar(memo));

    // A line as wide as the memo without a bar wraps when the bar is there; it
    // is counted at the full width, so the bar goes away whatever came before.
    RECT format;
    SendMessageW(memo.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    form.SetMemoText("");
    RECT full;
    SendMessageW(memo.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&full));
    HDC dc = GetDC(memo.Handle());
    HGDIOBJ old = SelectObject(dc, memo.Font().Handle());
    SIZE one{};
    GetTextExtentPoint32W(dc, L"宽", 1, &one);
    SelectObject(dc, old);
    ReleaseDC(memo.Handle(), dc);
    int fits_full = (full.right - full.left) / one.cx;
    int fits_narrow = (format.right - format.left) / one.cx;
    REQUIRE(fits_narrow < fits_full);
    std::wstring exact(static_cast<size_t>(fits_full), L'宽');
    form.SetMemoText(WideToGbk(Lines(30)));
    REQUIRE(HasVerticalBar(memo));
    form.SetMemoText(WideToGbk(Lines(17, exact)));
    CHECK(memo.DisplayedLineCount() == 18);
    CHECK_FALSE(HasVerticalBar(memo));
}

TEST_CASE("a store that fails a lookup reaches the default handler; the window goes on")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    std::wstring before = f.Memo();
    const auto store = f.Folder() / "tirsel.edt";
    const auto aside = f.Folder() / "tirsel.away";
    std::filesystem::rename(store, aside);
    form.soedit->SetText(L"马");
    f.Click(*form.Button1);
    REQUIRE(f.boxes.size() == 1);
    CHECK(f.boxes[0].Caption == L"Quorlen");
    CHECK(f.boxes[0].Flags == (MB_OK | MB_ICONERROR));
    CHECK(f.boxes[0].Text.find(L"tirsel") != std::wstring::npos);
    CHECK(f.GridRows() == 12);
    CHECK(f.Memo() == before);
    // Once the store is back, the same window looks up again.
    std::filesystem::remove(store);
    std::filesystem::rename(aside, store);
    f.Click(*form.Button1);
    CHECK(f.boxes.size() == 1);
    CHECK(f.GridRows() == 2);
}
