#pragma once
// The skin gallery: one window holding a control of each kind the painters
// cover, never shown by the program. Widget-set controls go through the
// frame's control walk; the system's common controls, which the widget set
// does not wrap, are painted by window class as bare windows.
#include <windows.h>

#include <commctrl.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/list_model.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/db_grid_eh.h"
#include "ui/edit.h"
#include "ui/flat_memo.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "tests/support/png_file.h"
#include "ui/label.h"
#include "ui/media_player.h"
#include "ui/skin/skin_child_controls.h"
#include "ui/speed_button.h"

class TGalleryForm : public TForm {
public:
    explicit TGalleryForm(TComponent* owner) : TForm(owner)
    {
        Name = "Gallery";
        SetCaption(L"Skin gallery");
        SetClientSize(660, 540);
        Position = TPosition::ScreenCenter;
        Font().Assign(TFont(L"宋体", 12));

        Button(12, 12, 80, 30, L"按钮");
        Button(100, 12, 80, 30, L"默认")->SetDefault(true);
        Button(188, 12, 80, 30, L"禁用")->SetEnabled(false);
        auto* two = Button(276, 6, 80, 42, L"两行||标题");
        two->SetMultiLine(true);
        Button(364, 12, 80, 30, L"透明")->Tag = 5555;

        Edit(12, 60, 120, 24, L"文本框");
        Edit(140, 60, 120, 24, L"禁用文本")->SetEnabled(false);
        auto* combo = Make<TComboBox>();
        combo->SetParent(this);
        combo->SetBounds(268, 60, 100, 24);
        combo->SetItems({L"模糊", L"精确", L"词首", L"词尾", L"拼音"});
        combo->SetItemIndex(0);
        combo->SetDropDownCount(3);  // its dropped list scrolls
        auto* label = Make<TLabel>();
        label->SetParent(this);
        label->SetBounds(380, 64, 100, 20);
        label->SetCaption(L"标签不着皮肤");
        label->SetTransparent(true);

        auto* group = Make<TGroupBox>();
        group->SetParent(this);
        group->SetBounds(12, 96, 300, 170);
        group->SetCaption(L"分组框");
        memo = Make<TFlatMemo>();
        memo->SetParent(group);
        memo->SetBounds(10, 22, 280, 138);
        memo->SetScrollBars(TScrollStyle::Vertical);

        model.Reset({{"ID", 10, false}, {"CY", 40}, {"PY", 80}});
        for (int i = 1; i <= 60; ++i)
            model.Append({std::to_string(i), "\xB3\xC9\xD3\xEF " + std::to_string(i), "chengyu " + std::to_string(i)});
        model.First();
        grid = Make<TDBGridEh>();
        grid->SetParent(this);
        grid->SetBounds(324, 96, 320, 170);

        Speed(12, 428, L"工具", false, false);
        Speed(76, 428, L"平面", true, false);
        Speed(140, 428, L"按下", false, true);
        auto* png = Make<TPngBitBtn>();
        png->SetParent(this);
        png->SetBounds(206, 426, 100, 32);
        png->SetCaption(L"图标");
        png->SetPngImage(GalleryGlyph());
        auto* pngTool = Make<TPngSpeedButton>();
        pngTool->SetParent(this);
        pngTool->SetBounds(312, 426, 90, 32);
        pngTool->SetCaption(L"图标");
        pngTool->SetPngImage(GalleryGlyph());
        auto* player = Make<TMediaPlayer>();
        player->SetParent(this);
        player->SetBounds(12, 470, 270, 30);
        player->SetEnabledButtons(kAllMPButtons & ~MPButton(TMPBtnType::btRecord));
    }

    // A round green glyph with a soft edge, as a PNG file.
    static std::vector<uint8_t> GalleryGlyph()
    {
        constexpr int side = 16;
        std::vector<uint8_t> rgba(side * side * 4, 0);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const double dx = x - 7.5, dy = y - 7.5;
                const double d = std::sqrt(dx * dx + dy * dy);
                uint8_t* p = &rgba[static_cast<size_t>(y * side + x) * 4];
                p[0] = 20;
                p[1] = static_cast<uint8_t>(140 + 8 * y);
                p[2] = 60;
                p[3] = static_cast<uint8_t>(d < 6.5 ? 255 : d < 8 ? (8 - d) / 1.5 * 255 : 0);
            }
        return EncodePng(side, side, rgba);
    }

    // The windows the widget set does not wrap, made once the form has its window.
    void CreateCommonControls()
    {
        std::wstring lines;
        for (int i = 1; i <= 30; ++i)
            lines += L"第 " + std::to_wstring(i) + L" 行：一马当先，万马奔腾。\r\n";
        memo->SetText(lines);
        grid->SetModel(&model);

        Native(L"BUTTON", L"复选框", BS_AUTOCHECKBOX, 12, 280, 90, 20);
        SendMessageW(bare.back(), BM_SETCHECK, BST_CHECKED, 0);
        Native(L"BUTTON", L"未选", BS_AUTOCHECKBOX, 110, 280, 70, 20);
        Native(L"BUTTON", L"禁用", BS_AUTOCHECKBOX | WS_DISABLED, 188, 280, 70, 20);
        Native(L"BUTTON", L"单选甲", BS_AUTORADIOBUTTON | WS_GROUP, 266, 280, 80, 20);
        SendMessageW(bare.back(), BM_SETCHECK, BST_CHECKED, 0);
        Native(L"BUTTON", L"单选乙", BS_AUTORADIOBUTTON, 350, 280, 80, 20);

        HWND progress = Native(PROGRESS_CLASSW, L"", 0, 12, 310, 200, 18);
        SendMessageW(progress, PBM_SETRANGE32, 0, 100);
        SendMessageW(progress, PBM_SETPOS, 60, 0);
        HWND track = Native(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS, 220, 304, 160, 36);
        SendMessageW(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
        SendMessageW(track, TBM_SETPOS, TRUE, 4);
        HWND vertical = Native(TRACKBAR_CLASSW, L"", TBS_VERT | TBS_BOTH | TBS_AUTOTICKS, 600, 424, 44, 90);
        SendMessageW(vertical, TBM_SETRANGE, TRUE, MAKELPARAM(0, 5));
        SendMessageW(vertical, TBM_SETPOS, TRUE, 2);
        Native(UPDOWN_CLASSW, L"", 0, 388, 306, 18, 28);
        Native(DATETIMEPICK_CLASSW, L"", WS_BORDER, 416, 308, 130, 24);
        HWND scroll = Native(L"SCROLLBAR", L"", SBS_HORZ, 556, 310, 92, 17);
        SCROLLINFO si{sizeof si, SIF_ALL, 0, 100, 20, 30, 0};
        SetScrollInfo(scroll, SB_CTL, &si, TRUE);

        HWND tabs = Native(WC_TABCONTROLW, L"", 0, 12, 344, 240, 70);
        for (const wchar_t* t : {L"第一页", L"第二页", L"第三页"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(t);
            SendMessageW(tabs, TCM_INSERTITEMW, 99, reinterpret_cast<LPARAM>(&item));
        }
        HWND header = Native(WC_HEADERW, L"", HDS_BUTTONS, 264, 344, 200, 22);
        for (const wchar_t* t : {L"成语", L"拼音"}) {
            HDITEMW item{};
            item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            item.pszText = const_cast<wchar_t*>(t);
            item.cxy = 100;
            item.fmt = HDF_LEFT | HDF_STRING;
            SendMessageW(header, HDM_INSERTITEMW, 99, reinterpret_cast<LPARAM>(&item));
        }
        HWND list = Native(WC_LISTBOXW, L"", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 476, 344, 172, 70);
        for (int i = 1; i <= 20; ++i)
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((L"列表项 " + std::to_wstring(i)).c_str()));
        HWND status = Native(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0);
        int parts[] = {200, 420, -1};
        SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"状态栏"));
        SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"第二格"));
    }

    // Gives every window of the gallery its painter: the frame's walk for the
    // widget-set controls, the window class for the rest.
    void SkinAll(TSkinControlList& painters)
    {
        SkinChildControls(painters, *this);
        for (HWND w : bare)
            SkinWindowHandle(painters, w);
    }

    TFlatMemo* memo = nullptr;
    TDBGridEh* grid = nullptr;
    TListModel model;
    std::vector<HWND> bare;

private:
    TButton* Button(int x, int y, int w, int h, const std::wstring& caption)
    {
        auto* b = Make<TButton>();
        b->SetParent(this);
        b->SetBounds(x, y, w, h);
        b->SetCaption(caption);
        return b;
    }
    TSpeedButton* Speed(int x, int y, const std::wstring& caption, bool flat, bool down)
    {
        auto* b = Make<TSpeedButton>();
        b->SetParent(this);
        b->SetBounds(x, y, 60, 28);
        b->SetCaption(caption);
        b->SetFlat(flat);
        b->SetGroupIndex(down ? 1 : 0);
        b->SetDown(down);
        return b;
    }
    TEdit* Edit(int x, int y, int w, int h, const std::wstring& text)
    {
        auto* e = Make<TEdit>();
        e->SetParent(this);
        e->SetBounds(x, y, w, h);
        e->SetText(text);
        return e;
    }
    HWND Native(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h)
    {
        HWND window = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h,
                                      Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (window) {
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
            bare.push_back(window);
        }
        return window;
    }
};
