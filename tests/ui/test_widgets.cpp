// The widget set on its own: what the skin engine and the windows rely on.
#include "tests/ui/ui_fixture.h"

#include <commctrl.h>

#include "app/app_icon.h"
#include "data/exception.h"
#include "ui/control_atom.h"
#include "ui/font.h"
#include "ui/screen.h"
#include "ui/wnd_thunk.h"

namespace {

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner)
    {
        Name = "TestForm";
        SetCaption(L"test");
        SetClientSize(300, 200);
        Box = Make<TGroupBox>();
        Box->Name = "Box";
        Box->SetBounds(10, 10, 200, 120);
        Box->SetCaption(L"框");
        Box->SetParent(this);
        Link = Make<TLabel>();
        Link->Name = "Link";
        Link->SetBounds(40, 40, 60, 16);
        Link->SetCaption(L"链接");
        Link->Font() = TFont(L"MS Sans Serif", 13, clNavy);
        Link->SetCursor(crHandPoint);
        Link->SetParent(Box);
        Push = Make<TButton>();
        Push->Name = "Push";
        Push->SetBounds(10, 150, 80, 30);
        Push->SetCaption(L"按钮");
        Push->SetParent(this);
        Handle();
    }
    const char* ClassName() const override { return "TTestForm"; }
    bool InheritsFrom(std::string_view cls) const override { return cls == "TTestForm" || TForm::InheritsFrom(cls); }

    TGroupBox* Box;
    TLabel* Link;
    TButton* Push;
};

struct TWidgetFixture {
    TWidgetFixture()
    {
        app.Initialize();
        app.OnMessageBox = [this](const TMessageBoxRequest& box) -> std::optional<int> {
            boxes.push_back(box);
            return IDOK;
        };
        form = app.CreateForm<TTestForm>();
        form->Show();
        app.ProcessMessages();
    }
    void Click(HWND w, int x, int y)
    {
        PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        app.ProcessMessages();
    }
    TApplication app;
    TTestForm* form = nullptr;
    std::vector<TMessageBoxRequest> boxes;
};

COLORREF PixelOf(HWND w, int x, int y)
{
    HDC dc = GetDC(w);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

bool AnyPixel(HWND w, RECT r, COLORREF colour)
{
    HDC dc = GetDC(w);
    bool found = false;
    for (int y = r.top; y < r.bottom && !found; ++y)
        for (int x = r.left; x < r.right && !found; ++x)
            found = GetPixel(dc, x, y) == colour;
    ReleaseDC(w, dc);
    return found;
}

} // namespace

TEST_CASE("the window property's name: ControlOfs, the instance and the thread in hex")
{
    CHECK(ControlAtomName(0x400000, 0x1A2B) == "ControlOfs0040000000001A2B");
    // A 64-bit instance keeps every digit.
    CHECK(ControlAtomName(0x140000000ull, 0xABCDEF01) == "ControlOfs140000000ABCDEF01");
    CHECK(ControlAtomName(0x7FF612340000ull, 7) == "ControlOfs7FF61234000000000007");
    CHECK(ControlAtom() != 0);
    std::string name = ControlAtomName(reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)), GetCurrentThreadId());
    CHECK(GlobalFindAtomA(name.c_str()) == ControlAtom());
}

TEST_CASE("a font the system lacks falls back to a face that draws Chinese")
{
    std::wstring face = ResolveFaceName(L"Quorlen No Such Face");
    CHECK(face != L"Quorlen No Such Face");
    CHECK_FALSE(face.empty());
    TFont font(L"Quorlen No Such Face", 16);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    WORD glyphs[2];
    GetGlyphIndicesW(dc, L"成语", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    wchar_t used[LF_FACESIZE];
    GetTextFaceW(dc, LF_FACESIZE, used);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    CHECK(glyphs[0] != 0xFFFF);
    CHECK(glyphs[1] != 0xFFFF);
    CHECK(std::wstring(used) == face);
}

TEST_CASE("class names and their ancestry answer the skin's is-a questions")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    struct Case {
        const TComponent* object;
        const char* name;
        std::vector<const char*> is;
        std::vector<const char*> is_not;
    };
    const Case cases[] = {
        {&form, "TForm1", {"TForm", "TCustomForm", "TScrollingWinControl", "TWinControl", "TControl", "TComponent"}, {"TCustomPanel"}},
        {form.GroupBox1, "TGroupBox", {"TCustomGroupBox", "TCustomControl", "TWinControl"}, {"TCustomPanel", "TCustomEdit"}},
        {form.soedit, "TEdit", {"TCustomEdit", "TWinControl"}, {"TCustomMemo"}},
        {form.FlatMemo1, "TFlatMemo", {"TCustomMemo", "TCustomEdit", "TWinControl"}, {"TCustomGrid"}},
        {form.ComboBox1, "TComboBox", {"TCustomComboBox", "TWinControl"}, {"TCustomEdit"}},
        {form.Button1, "TButton", {"TButtonControl", "TWinControl", "TControl"}, {"TSpeedButton"}},
        {form.DBGridEh1, "TDBGridEh", {"TCustomDBGridEh", "TCustomGrid", "TCustomControl", "TWinControl"}, {"TCustomMemo"}},
        {form.Label2, "TLabel", {"TCustomLabel", "TGraphicControl", "TControl"}, {"TWinControl"}},
        {form.PopupMenu1, "TPopupMenu", {"TMenu", "TComponent"}, {"TControl"}},
        {&f.app, "TApplication", {"TComponent"}, {"TControl"}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        CHECK(std::string(c.object->ClassName()) == c.name);
        CHECK(c.object->InheritsFrom(c.name));
        for (const char* base : c.is)
            CHECK(c.object->InheritsFrom(base));
        for (const char* other : c.is_not)
            CHECK_FALSE(c.object->InheritsFrom(other));
    }
    CHECK(form.Label2->IsWindowed() == false);
    CHECK(form.soedit->IsWindowed());
}

TEST_CASE("owners list what they own in creation order; parents know their children")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    std::vector<std::string> names;
    for (size_t i = 0; i < form.ComponentCount(); ++i)
        names.push_back(form.Component(i)->Name);
    const std::vector<std::string> expected = {
        "GroupBox1", "Label4", "soedit", "ComboBox1", "Button1", "GroupBox2", "Edit1", "DBGridEh1", "GroupBox3",
        "FlatMemo1", "GroupBox4", "jl", "ComboBox2", "Label1", "Button2", "Label5", "Label6", "Label2", "Label3",
        "PopupMenu1", "N1", "N2", "N3", "N4", "N5"};
    CHECK(names == expected);
    for (size_t i = 0; i < form.ComponentCount(); ++i)
        CHECK(form.Component(i)->Owner() == &form);
    CHECK(form.Owner() == &f.app);
    CHECK(form.FindComponent("jl") == form.jl);
    CHECK(form.FindComponent("nothing") == nullptr);
    CHECK(form.GroupBox4->Controls() ==
          std::vector<TControl*>{form.jl, form.ComboBox2, form.Label1, form.Button2, form.Label5, form.Label6});
    CHECK(form.Tag == 0);
    form.Tag = 99;
    CHECK(GetPropValue(form, "Tag") == L"99");
    CHECK(SetPropValue(form, "Tag", L"5555"));
    CHECK(form.Tag == 5555);
    CHECK_FALSE(SetPropValue(form, "Tag", L"many"));
}

TEST_CASE("published properties read and written by name as text")
{
    TWindowFixture f;
    TForm1& form = *f.form;
    CHECK(GetPropValue(*form.Button1, "Caption") == L"查找");
    CHECK(GetPropValue(*form.Button1, "Default") == L"False");
    CHECK(GetPropValue(*form.Button1, "MultiLine") == L"False");
    CHECK(SetPropValue(*form.Button1, "Default", L"true"));
    CHECK(form.Button1->Default());
    CHECK(SetPropValue(*form.Button1, "Caption", L"找"));
    CHECK(WindowText(form.Button1->Handle()) == L"找");
    CHECK_FALSE(SetPropValue(*form.Button1, "MultiLine", L"perhaps"));

    CHECK(GetPropValue(*form.GroupBox3, "ParentBackground") == L"True");
    CHECK(SetPropValue(*form.GroupBox3, "ParentBackground", L"False"));
    CHECK_FALSE(form.GroupBox3->ParentBackground());
    CHECK(GetPropValue(form, "AutoScroll") == L"False");
    CHECK(SetPropValue(form, "AutoScroll", L"True"));
    CHECK(form.AutoScroll());
    CHECK(GetPropValue(*form.Label3, "Transparent") == L"False");
    CHECK(SetPropValue(*form.Label3, "Transparent", L"True"));
    CHECK(form.Label3->Transparent());
    CHECK(GetPropValue(*form.soedit, "Text") == L"请输入搜索内容");
    CHECK(GetPropValue(*form.N5, "Caption") == L"关于...");
    CHECK(GetPropValue(*form.Label2, "Visible") == L"False");
    CHECK(GetPropValue(*form.Button1, "Color") == std::to_wstring(static_cast<int32_t>(clBtnFace)));
    CHECK_FALSE(GetPropValue(*form.Button1, "NumButtons").has_value());
    CHECK_FALSE(SetPropValue(*form.Label3, "NumButtons", L"1"));
}

TEST_CASE("a window-procedure thunk hands its own object and the message on intact")
{
    struct TSeen {
        UINT Msg = 0;
        WPARAM WParam = 0;
        LPARAM LParam = 0;
    };
    auto target = [](void* object, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        auto* seen = static_cast<TSeen*>(object);
        *seen = {msg, wp, lp};
        return static_cast<LRESULT>(wp + 1);
    };
    TSeen a, b;
    TWndProcThunk first(&a, target), second(&b, target);
    CHECK(reinterpret_cast<void*>(first.Proc()) != reinterpret_cast<void*>(second.Proc()));
    // As the system calls it, with a window of its own in the first place.
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(window);
    const auto big = static_cast<WPARAM>(0xFEDCBA9876543210ull);
    CHECK(CallWindowProcW(first.Proc(), window, WM_USER + 7, big, -5) == static_cast<LRESULT>(big + 1));
    CHECK(CallWindowProcW(second.Proc(), window, WM_APP, 41, 0x7FFFFFFF12345678) == 42);
    CHECK(a.Msg == WM_USER + 7);
    CHECK(a.WParam == big);
    CHECK(a.LParam == -5);
    CHECK(b.Msg == WM_APP);
    CHECK(b.LParam == 0x7FFFFFFF12345678);

    // Installed as the window's procedure, it receives what is sent there.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(second.Proc()));
    CHECK(SendMessageW(window, WM_USER + 9, 99, 3) == 100);
    CHECK(b.Msg == WM_USER + 9);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    DestroyWindow(window);
}

TEST_CASE("a replaced WindowProc sees a control's messages first and may keep them")
{
    TWidgetFixture f;
    TButton& push = *f.form->Push;
    int clicks = 0, downs = 0;
    push.OnClick = [&](TControl&) { ++clicks; };
    push.OnMouseDown = [&](TControl&, TMouseButton button, TShiftState, int x, int y) {
        ++downs;
        CHECK(button == TMouseButton::Left);
        CHECK(x == 12);
        CHECK(y == 8);
    };
    f.Click(push.Handle(), 12, 8);
    CHECK(clicks == 1);
    CHECK(downs == 1);

    // A painter in front: it consumes the press and delivers what the user meant.
    TWndMethod previous = push.WindowProc;
    std::vector<UINT> seen;
    push.WindowProc = [&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_LBUTTONDOWN) {
            push.MouseDown(TMouseButton::Left, static_cast<TShiftState>(m.WParam), 12, 8);
            m.Result = 0;
            return;
        }
        if (m.Msg == WM_LBUTTONUP) {
            previous(m);
            push.Click();
            return;
        }
        previous(m);
    };
    f.Click(push.Handle(), 12, 8);
    CHECK(downs == 2);
    CHECK(clicks == 2);  // once, from the painter: the button never saw the press
    CHECK(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_LBUTTONDOWN)) != seen.end());
    SetWindowTextW(push.Handle(), L"新");
    CHECK(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)) != seen.end());
    push.WindowProc = previous;
}

TEST_CASE("labels: painted by their parent, clicked through it, with the hand cursor")
{
    TWidgetFixture f;
    TTestForm& form = *f.form;
    int clicks = 0;
    form.Link->OnClick = [&](TControl&) { ++clicks; };
    f.Click(form.Box->Handle(), 50, 45);
    CHECK(clicks == 1);
    f.Click(form.Box->Handle(), 150, 90);  // beside the label
    CHECK(clicks == 1);

    // The group box lets the mouse through, except where its label is.
    POINT on{50, 45}, off{150, 90};
    ClientToScreen(form.Box->Handle(), &on);
    ClientToScreen(form.Box->Handle(), &off);
    CHECK(SendMessageW(form.Box->Handle(), WM_NCHITTEST, 0, MAKELPARAM(on.x, on.y)) == HTCLIENT);
    CHECK(SendMessageW(form.Box->Handle(), WM_NCHITTEST, 0, MAKELPARAM(off.x, off.y)) == HTTRANSPARENT);
    SetCursorPos(on.x, on.y);
    CHECK(SendMessageW(form.Box->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Box->Handle()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == TRUE);
    CHECK(GetCursor() == LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));

    // Its text is drawn in its colour; hidden, it is not drawn at all.
    UpdateWindow(form.Handle());
    RECT r = form.Link->BoundsRect();
    CHECK(AnyPixel(form.Box->Handle(), r, RGB(0, 0, 128)));
    form.Link->SetVisible(false);
    UpdateWindow(form.Box->Handle());
    CHECK_FALSE(AnyPixel(form.Box->Handle(), r, RGB(0, 0, 128)));
    f.Click(form.Box->Handle(), 50, 45);
    CHECK(clicks == 1);
}

TEST_CASE("the flat memo: teal border, the parent's background, read only")
{
    TWindowFixture f;
    TFlatMemo& memo = *f.form->FlatMemo1;
    f.form->SetMemoText("");
    RedrawWindow(memo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetWindowDC(memo.Handle());
    COLORREF corner = GetPixel(dc, 0, 0);
    COLORREF edge = GetPixel(dc, memo.Width() / 2, memo.Height() - 1);
    ReleaseDC(memo.Handle(), dc);
    CHECK(corner == RGB(0, 128, 128));
    CHECK(edge == RGB(0, 128, 128));
    CHECK(PixelOf(memo.Handle(), 100, 100) == GetSysColor(COLOR_BTNFACE));
    CHECK(memo.Color() == f.form->GroupBox3->Color());
    CHECK((GetWindowLongW(memo.Handle(), GWL_STYLE) & ES_READONLY) != 0);
    f.Type(memo, L"x");
    CHECK(memo.Text().empty());
}

TEST_CASE("the grid's hidden ID column cannot be widened by the user")
{
    TWindowFixture f;
    HWND grid = f.form->DBGridEh1->Handle();
    HWND header = reinterpret_cast<HWND>(SendMessageW(grid, LVM_GETHEADER, 0, 0));
    auto width0 = [&] { return SendMessageW(grid, LVM_GETCOLUMNWIDTH, 0, 0); };
    REQUIRE(width0() == 0);
    // Dragging the divider at the very left edge.
    for (int x : {0, 1, 2}) {
        PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        PostMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 60, 5));
        PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x + 60, 5));
        f.Pump();
        CHECK(width0() == 0);
        // Double-clicking it to fit the contents.
        PostMessageW(header, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, 5));
        PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
        f.Pump();
        CHECK(width0() == 0);
    }
    // Ctrl with the keypad plus, which fits every column.
    f.form->DBGridEh1->SetFocus();
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    f.Key(*f.form->DBGridEh1, VK_ADD);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    CHECK(width0() == 0);
    // The visible columns still can be.
    HDITEMW wider{};
    wider.mask = HDI_WIDTH;
    wider.cxy = 90;
    SendMessageW(header, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&wider));
    CHECK(SendMessageW(grid, LVM_GETCOLUMNWIDTH, 1, 0) == 90);
}

TEST_CASE("an exception from an event handler stops at the window procedure and is shown")
{
    TWidgetFixture f;
    f.form->Push->OnClick = [](TControl&) { throw Exception("the handler failed"); };
    f.Click(f.form->Push->Handle(), 5, 5);
    REQUIRE(f.boxes.size() == 1);
    CHECK(f.boxes[0].Text == L"the handler failed");
    CHECK(f.boxes[0].Caption == L"Quorlen");
    CHECK(f.boxes[0].Flags == (MB_OK | MB_ICONERROR));
    // The program goes on.
    f.form->Push->OnClick = nullptr;
    f.Click(f.form->Push->Handle(), 5, 5);
    CHECK(f.boxes.size() == 1);
    CHECK(IsWindow(f.form->Handle()));
}

TEST_CASE("message filters see every queued message and may drop it")
{
    TWidgetFixture f;
    std::vector<UINT> seen;
    int id = f.app.AddMessageFilter([&](MSG& msg) {
        if (msg.hwnd == f.form->Push->Handle())
            seen.push_back(msg.message);
        return msg.message == WM_LBUTTONDOWN;
    });
    int clicks = 0;
    f.form->Push->OnClick = [&](TControl&) { ++clicks; };
    f.Click(f.form->Push->Handle(), 5, 5);
    CHECK(seen == std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP});
    CHECK(clicks == 0);
    f.app.RemoveMessageFilter(id);
    f.Click(f.form->Push->Handle(), 5, 5);
    CHECK(clicks == 1);
}

TEST_CASE("idle work runs once, after the messages already waiting, unless cancelled")
{
    TWidgetFixture f;
    std::vector<std::string> order;
    f.app.WhenIdle([&] {
        order.push_back("first");
        f.app.WhenIdle([&] { order.push_back("queued by work"); });
    });
    const int cancelled = f.app.WhenIdle([&] { order.push_back("cancelled"); });
    f.app.WhenIdle([&] { throw Exception("idle failure"); });
    f.app.WhenIdle([&] { order.push_back("after a failure"); });
    f.app.CancelIdle(cancelled);
    std::vector<std::wstring> boxes;
    f.app.OnMessageBox = [&](const TMessageBoxRequest& r) -> std::optional<int> {
        boxes.push_back(r.Text);
        return IDOK;
    };
    PostMessageW(f.form->Push->Handle(), WM_NULL, 0, 0);
    f.app.ProcessUntilTimers();  // the posted message, not yet the idle work
    CHECK(order.empty());
    for (int i = 0; i < 100 && order.size() < 3; ++i) {
        Sleep(5);
        f.app.ProcessMessages();
    }
    CHECK(order == std::vector<std::string>{"first", "after a failure", "queued by work"});
    CHECK(boxes == std::vector<std::wstring>{L"idle failure"});
}

TEST_CASE("message boxes: never forced to the foreground, owned by the active form")
{
    TWidgetFixture f;
    SetForegroundWindow(f.form->Handle());
    f.app.ProcessMessages();
    CHECK(Screen().ActiveForm() == f.form);
    f.app.ShowMessageBox(L"text", L"caption", MB_OK | MB_SETFOREGROUND | MB_ICONWARNING);
    ShowWarning(L"警告");
    ShowInformation(L"信息");
    REQUIRE(f.boxes.size() == 3);
    CHECK(f.boxes[0].Flags == (MB_OK | MB_ICONWARNING));
    CHECK(f.boxes[0].Owner == f.form->Handle());
    CHECK(f.boxes[1].Caption == L"Warning");
    CHECK(f.boxes[1].Flags == (MB_OK | MB_ICONWARNING));
    CHECK(f.boxes[2].Caption == L"Information");
    CHECK(f.boxes[2].Flags == (MB_OK | MB_ICONINFORMATION));
}

TEST_CASE("a form's modal loop ends when it is closed, and gives the others back")
{
    TWidgetFixture f;
    TTestForm* second = f.app.CreateForm<TTestForm>();
    bool first_disabled = false;
    int result = 0;
    {
        TTimerScript timer([&] {
            if (!IsWindowVisible(second->Handle()))
                return false;
            first_disabled = !IsWindowEnabled(f.form->Handle());
            second->SetModalResult(mrOk);
            return true;
        });
        result = second->ShowModal();
    }
    CHECK(result == mrOk);
    CHECK(first_disabled);
    CHECK(IsWindowEnabled(f.form->Handle()));
    CHECK_FALSE(IsWindowVisible(second->Handle()));
    f.app.FreeComponent(second);
    for (size_t i = 0; i < Screen().FormCount(); ++i)
        CHECK(Screen().Forms(i) != second);
}

TEST_CASE("the program's icon at 16 and 32 pixels: an opaque tile with see-through corners")
{
    for (int size : {16, 32}) {
        CAPTURE(size);
        HICON icon = MakeProgramIcon(size);
        REQUIRE(icon);
        ICONINFO info{};
        REQUIRE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor, sizeof bm, &bm);
        CHECK(bm.bmWidth == size);
        CHECK(bm.bmHeight == size);
        std::vector<uint32_t> pixels(static_cast<size_t>(size * size));
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = size;
        bi.bmiHeader.biHeight = -size;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        HDC dc = GetDC(nullptr);
        GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &bi, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        CHECK((pixels[0] >> 24) == 0);                                     // corner
        CHECK((pixels[static_cast<size_t>(size / 2 * size + 1)] >> 24) == 255);  // left edge, mid-height
        // Some of the tile is teal, some of it the cream character.
        bool teal = false, cream = false;
        for (uint32_t p : pixels) {
            int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            teal = teal || (r < 0x40 && g > 0x50 && b > 0x50);
            cream = cream || (r > 0xE0 && g > 0xD0 && b > 0xA0);
        }
        CHECK(teal);
        CHECK(cream);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}
