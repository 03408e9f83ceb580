#pragma once
// Menus in the skin's colours: the pop-up menu window's border, owner-drawn
// menu items, and the skinned menu bar that a framed window with a menu shows
// in the strip below its caption.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/skin/win_skin_form.h"

class TSkinData;
class TWinSkinManage;

// One pop-up menu window ("#32768") of the thread, subclassed while it lives.
class TWinSkinPopMenu {
public:
    TWinSkinPopMenu(TWinSkinManage& manager, HWND window, TSkinData& data);
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    HWND Handle() const { return window_; }
    const TSkinData& Data() const { return data_; }
    // Draws the skinned border over the window's outer edge.
    void PaintBorder(HDC dc);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT CallPrevious(UINT msg, WPARAM wp, LPARAM lp);
    void Restore();

    TWinSkinManage& manager_;
    HWND window_;
    TSkinData& data_;
    WNDPROC previous_ = nullptr;
    bool unicode_ = true;
    bool subclassed_ = false;
};

// The items of the menus a frame draws itself: their text, taken out of the
// menu when the item was made owner-drawn, and what to put back.
struct TSkinMenuItem {
    HMENU Menu = nullptr;
    UINT Position = 0;
    std::wstring Text;
    bool Separator = false;
    UINT OriginalType = 0;
    ULONG_PTR OriginalData = 0;
    // An item of the window's system menu: measured from its text like any
    // menu item the window does not own.
    bool System = false;
};

// The size of a menu item measured from its text: the text's width and height
// in the menu font, the left margin of the skin's "MenuItem" object (-1 when
// the skin has none) and GetVersion's value.
SIZE TextMenuItemSize(int textWidth, int textHeight, bool empty, int menuItemLeft, DWORD version);

// The text of a menu item as the frame measures it: at most 80 characters.
std::wstring MenuItemText(HMENU menu, UINT item, UINT flags);

// Sets the system menu's Restore, Move, Size, Minimize, Maximize and Close
// the way the system does before it shows that menu itself.
void UpdateSystemMenuStates(HMENU menu, HWND window);

// Owner drawing of a frame's pop-up menus.
class TSkinMenuPainter {
public:
    explicit TSkinMenuPainter(TWinSkinForm& frame) : frame_(frame) {}
    ~TSkinMenuPainter();
    TSkinMenuPainter(const TSkinMenuPainter&) = delete;
    TSkinMenuPainter& operator=(const TSkinMenuPainter&) = delete;

    // Makes the string and separator items of a menu about to open owner-drawn
    // (system: the window's system menu).
    void Prepare(HMENU menu, bool system = false);
    // Gives a menu its own items back (when it closes, and when the skin goes).
    void Restore(HMENU menu);
    void RestoreAll();
    // The frame's own items (not the system menu's).
    bool Measure(MEASUREITEMSTRUCT& mi);
    // An item measured from its text, read from the menu.
    void MeasureByText(HMENU menu, UINT item, UINT flags, MEASUREITEMSTRUCT& mi);
    // Items this painter prepared.
    bool Draw(const DRAWITEMSTRUCT& di);
    // An owner-drawn item of someone else's, drawn from its text.
    void DrawByText(const DRAWITEMSTRUCT& di);
    bool Owns(ULONG_PTR data) const { return Find(data) != nullptr; }
    const TSkinMenuItem* Find(ULONG_PTR data) const;
    bool Prepared(HMENU menu) const { return items_.count(menu) != 0; }
    // The keyboard for items the system no longer reads: the item of a
    // prepared menu whose mnemonic is key, as WM_MENUCHAR answers it; -1 none.
    int MnemonicItem(HMENU menu, wchar_t key) const;

private:
    HFONT MenuFont();
    // The menu font in bold, for a menu's default item (Close, in a system menu).
    HFONT DefaultItemFont();
    bool IsDefaultItem(const TSkinMenuItem& item) const;
    void DrawItem(const DRAWITEMSTRUCT& di, const std::wstring& itemText, bool separator, bool isDefault);

    TWinSkinForm& frame_;
    std::map<HMENU, std::vector<std::unique_ptr<TSkinMenuItem>>> items_;
    TGdiHandle<HFONT> font_;
    TGdiHandle<HFONT> boldFont_;
};

// An item of the skinned menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& owner, int index, std::wstring text) : TNCObject(owner), Index(index), Text(std::move(text)) {}
    void MouseDown(POINT p) override;
    void Repaint() override;

    int Index;  // position in the native menu
    std::wstring Text;
    // An item the system put into an MDI frame's menu for its maximized child:
    // the child's system menu, or one of its window buttons (Command).
    bool Merged = false;
    UINT Command = 0;
    bool RightJustified = false;
};

// The menu bar drawn in the strip between caption and client area. The
// window keeps its native menu (the program may still change it); the bar
// reads the items from it and opens its pop-ups itself.
class TWinSkinMenu {
public:
    TWinSkinMenu(TWinSkinForm& frame, HMENU menu);
    HMENU NativeMenu() const { return menu_; }
    void TakeMenu(HMENU menu);
    int Height() const { return height_; }
    void Paint(HDC dc, const TSkinRect& strip);
    TMenuBtn* ItemAt(POINT windowPoint);
    // Opens the item whose mnemonic is key (the first item for 0); false when none.
    bool OpenByKey(WPARAM key);
    // Opens the item at a position of the native menu.
    void Open(int index);
    size_t ItemCount() const { return items_.size(); }
    const TMenuBtn& Item(size_t i) const { return *items_[i]; }

private:
    void ReadItems();
    // The maximized child of an MDI frame, whose items the system merges into its menu.
    HWND MaximizedMdiChild() const;

    TWinSkinForm& frame_;
    HMENU menu_;
    int height_;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
};

// The skin's menu colours and images in one place.
COLORREF MenuColour(const TSkinData& data, int slot);
