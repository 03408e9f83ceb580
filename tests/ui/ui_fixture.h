#pragma once
// Real windows over a real store: a folder with a tirsel.edt written by the
// store builder becomes the current directory, the application and its forms
// are created as the program creates them, and the tests drive them with the
// messages a user's actions produce. Boxes and shell requests are recorded.
#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/about/about_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "tests/support/temp_dir.h"
#include "tools/store_builder/store_writer.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/db_grid_eh.h"
#include "ui/edit.h"
#include "ui/flat_memo.h"
#include "ui/gbk_text.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/popup_menu.h"

// The program looks for its store in the current directory.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const std::filesystem::path& folder)
    {
        wchar_t old[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, old);
        old_ = old;
        SetCurrentDirectoryW(folder.wstring().c_str());
    }
    ~TCurrentFolder() { SetCurrentDirectoryW(old_.c_str()); }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;

private:
    std::wstring old_;
};

inline IdiomEntry Idiom(const std::string& idiom, const std::string& pinyin, const std::string& explanation,
                        const std::string& other = "")
{
    IdiomEntry e;
    e.idiom = idiom;
    e.pinyin = pinyin;
    e.explanation = explanation;
    e.source = "出自" + idiom + "之典";
    e.example = "例：" + idiom;
    e.synonyms = "近" + idiom;
    e.antonyms = "反" + idiom;
    e.other = other;
    e.origin = "ui-test:" + idiom;
    return e;
}

// Twelve idioms. From 一马当先 every tail has exactly one follower up to
// 上行下效, whose tail 效 begins none: chains are the same on every draw.
inline IdiomEntries SampleIdioms()
{
    return {
        Idiom("一马当先", "yī mǎ dāng xiān", "作战时策马冲在最前面。", "【用法】作谓语。"),
        Idiom("先声夺人", "xiān shēng duó rén", "先张扬声势以压倒对方。"),
        Idiom("人山人海", "rén shān rén hǎi", "形容人聚集得非常多。"),
        Idiom("海阔天空", "hǎi kuò tiān kōng", "像大海一样辽阔，像天空一样无边无际。"),
        Idiom("空前绝后", "kōng qián jué hòu", "以前没有过，以后也不会有。"),
        Idiom("后来居上", "hòu lái jū shàng", "后来的超过先前的。"),
        Idiom("上行下效", "shàng xíng xià xiào", "上面的人怎么做，下面的人就跟着怎么做。"),
        Idiom("马到成功", "mǎ dào chéng gōng", "战马一到就取得胜利。"),
        Idiom("功成名就", "gōng chéng míng jiù", "功业建立了，名声也有了。"),
        Idiom("画蛇添足", "huà shé tiān zú", "画蛇时给蛇添上脚。比喻做了多余的事。"),
        Idiom("守株待兔", "shǒu zhū dài tù", "比喻死守狭隘经验，不知变通。"),
        Idiom("一帆风顺", "yī fān fēng shùn", "船挂着满帆顺风行驶。比喻非常顺利。"),
    };
}

// Runs a step on a thread timer until it says it is done: the way a test acts
// inside a modal loop (a message box's, the about window's) without blocking.
class TTimerScript {
public:
    explicit TTimerScript(std::function<bool()> step, UINT interval = 30)
    {
        Step() = std::move(step);
        id_ = SetTimer(nullptr, 0, interval, Tick);
    }
    ~TTimerScript()
    {
        KillTimer(nullptr, id_);
        Step() = nullptr;
    }
    TTimerScript(const TTimerScript&) = delete;
    TTimerScript& operator=(const TTimerScript&) = delete;

private:
    static std::function<bool()>& Step()
    {
        static std::function<bool()> step;
        return step;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        if (!Step() || Step()())
            KillTimer(nullptr, id);
    }
    UINT_PTR id_;
};

// A visible dialog box of this thread (a message box), or none.
inline HWND FindDialogBox()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM out) -> BOOL {
            wchar_t cls[32];
            GetClassNameW(w, cls, 32);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(w)) {
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::wstring WindowText(HWND w)
{
    wchar_t text[4096];
    GetWindowTextW(w, text, 4096);
    return text;
}

// A control's rectangle in its parent's client coordinates, as the window system has it.
inline RECT RectInParent(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline bool SameRect(const RECT& r, int left, int top, int width, int height)
{
    return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
}

class TWindowFixture {
    // First, so that the folder is there before the windows and outlives them.
    TempDir dir_;
    TCurrentFolder folder_;

public:
    explicit TWindowFixture(const IdiomEntries& entries = SampleIdioms(), bool with_about = false)
        : folder_(Prepare(dir_, entries))
    {
        InitializeApplication(app);
        app.OnMessageBox = [this](const TMessageBoxRequest& box) -> std::optional<int> {
            boxes.push_back(box);
            if (real_boxes)
                return std::nullopt;
            return IDOK;
        };
        app.OnOpenDocument = [this](HWND owner, const std::wstring& address) {
            opened.push_back({owner, address});
            return true;
        };
        form = app.CreateForm<TForm1>();
        if (with_about)
            about = app.CreateForm<TForm3>();
        form->Show();
        Pump();
    }

    void Pump() { app.ProcessMessages(); }

    void Click(HWND window, int x, int y)
    {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    }
    void DoubleClick(HWND window, int x, int y)
    {
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Pump();
    }
    void Click(TWinControl& control) { Click(control.Handle(), control.Width() / 2, control.Height() / 2); }
    // A label has no window: the click lands on its parent, where the label is.
    void Click(TLabel& label)
    {
        Click(label.Parent()->Handle(), label.Left() + label.Width() / 2, label.Top() + label.Height() / 2);
    }
    void Type(TWinControl& control, const std::wstring& text)
    {
        control.SetFocus();
        for (wchar_t c : text)
            PostMessageW(control.Handle(), WM_CHAR, c, 1);
        Pump();
    }
    void Key(TWinControl& control, UINT key)
    {
        PostMessageW(control.Handle(), WM_KEYDOWN, key, 1);
        PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }
    // A menu item chosen from the pop-up menu reaches its form as WM_COMMAND.
    void Choose(TMenuItem& item)
    {
        PostMessageW(form->Handle(), WM_COMMAND, item.Command(), 0);
        Pump();
    }
    // Clicks a grid row where the user would.
    void ClickRow(int row)
    {
        RECT r{LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(form->DBGridEh1->Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        Click(form->DBGridEh1->Handle(), r.right - 10, (r.top + r.bottom) / 2);
    }

    std::wstring Memo() { return form->FlatMemo1->Text(); }
    int GridRows() { return static_cast<int>(SendMessageW(form->DBGridEh1->Handle(), LVM_GETITEMCOUNT, 0, 0)); }
    std::wstring Cell(int row, int column)
    {
        wchar_t text[256] = L"";
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(form->DBGridEh1->Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::vector<std::wstring> Warnings() const
    {
        std::vector<std::wstring> texts;
        for (const auto& b : boxes)
            if (b.Caption == L"Warning")
                texts.push_back(b.Text);
        return texts;
    }
    const std::filesystem::path& Folder() const { return dir_.path(); }

    TApplication app;
    TForm1* form = nullptr;
    TForm3* about = nullptr;
    std::vector<TMessageBoxRequest> boxes;
    bool real_boxes = false;
    std::vector<std::pair<HWND, std::wstring>> opened;

private:
    static const std::filesystem::path& Prepare(const TempDir& dir, const IdiomEntries& entries)
    {
        if (!entries.empty())
            WriteStore(entries, dir.path() / "tirsel.edt");
        return dir.path();
    }
};

// The detail text the window shows for an idiom of SampleIdioms().
inline std::wstring DetailOf(const std::wstring& idiom, const std::wstring& pinyin, const std::wstring& explanation,
                             const std::wstring& other = L"")
{
    return L"【成语】：" + idiom + L"\r\n【拼音】：" + pinyin + L"\r\n【解释】：" + explanation + L"\r\n【出处】：出自" +
           idiom + L"之典\r\n【示例】：例：" + idiom + L"\r\n【近义词】：近" + idiom + L"\r\n【反义词】：反" + idiom +
           L"\r\n" + other;
}
