#include "ui/skin/win_skin_menu.h"

#include <algorithm>
#include <cwctype>

#include "ui/skin/skin_data.h"
#include "ui/skin/skin_messages.h"
#include "ui/skin/win_skin_manage.h"

namespace {

constexpr wchar_t kMenuPropName[] = L"QuorlenSkinMenu";
constexpr wchar_t kMenuPreviousPropName[] = L"QuorlenSkinMenuPrevious";
// The column of check marks and icons left of the item texts.
constexpr int kDefaultGutter = 26;

int Gutter(const TSkinData& data)
{
    return data.MenuBackground && !data.MenuBackground->Bitmap.Empty() && data.MenuBackground->LeftWidth > 0
               ? data.MenuBackground->LeftWidth
               : kDefaultGutter;
}

} // namespace

COLORREF MenuColour(const TSkinData& data, int slot) { return data.ResolveColour(data.SkinColours[slot]); }

SIZE TextMenuItemSize(int textWidth, int textHeight, bool empty, int menuItemLeft, DWORD version)
{
    SIZE size{textWidth + 26, empty ? 8 : textHeight + 4};
    if (menuItemLeft >= 0)
        size.cx += menuItemLeft;
    if (version & 0x80000000u)
        size.cy += 4;
    return size;
}

std::wstring MenuItemText(HMENU menu, UINT item, UINT flags)
{
    constexpr int kMaxText = 80;
    wchar_t text[kMaxText + 1] = {0};
    const int length = GetMenuStringW(menu, item, text, kMaxText + 1, flags);
    return std::wstring(text, static_cast<size_t>(std::clamp(length, 0, kMaxText)));
}

void UpdateSystemMenuStates(HMENU menu, HWND window)
{
    if (!menu || !IsMenu(menu))
        return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const bool maximized = IsZoomed(window) != FALSE, minimized = IsIconic(window) != FALSE;
    const auto set = [menu](UINT command, bool enabled) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    set(SC_RESTORE, maximized || minimized);
    set(SC_MOVE, !maximized);
    set(SC_SIZE, (style & WS_THICKFRAME) && !maximized && !minimized);
    set(SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimized);
    set(SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximized);
    // Close keeps what the program made of it, unless the class forbids it.
    if (GetClassLongPtrW(window, GCL_STYLE) & CS_NOCLOSE)
        set(SC_CLOSE, false);
}

// ---- the pop-up menu window ----

TWinSkinPopMenu::TWinSkinPopMenu(TWinSkinManage& manager, HWND window, TSkinData& data)
    : manager_(manager), window_(window), data_(data)
{
    unicode_ = IsWindowUnicode(window_) != FALSE;
    SetPropW(window_, kMenuPropName, this);
    const auto proc = reinterpret_cast<LONG_PTR>(Proc);
    previous_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window_, GWLP_WNDPROC, proc)
                                                   : SetWindowLongPtrA(window_, GWLP_WNDPROC, proc));
    subclassed_ = true;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Restore(); }

void TWinSkinPopMenu::Restore()
{
    if (!subclassed_)
        return;
    subclassed_ = false;
    if (!IsWindow(window_))
        return;
    const auto current = reinterpret_cast<WNDPROC>(unicode_ ? GetWindowLongPtrW(window_, GWLP_WNDPROC)
                                                            : GetWindowLongPtrA(window_, GWLP_WNDPROC));
    if (current == Proc) {
        const auto previous = reinterpret_cast<LONG_PTR>(previous_);
        if (unicode_)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, previous);
        else
            SetWindowLongPtrA(window_, GWLP_WNDPROC, previous);
    } else {
        SetPropW(window_, kMenuPreviousPropName, reinterpret_cast<HANDLE>(previous_));
    }
    RemovePropW(window_, kMenuPropName);
}

LRESULT CALLBACK TWinSkinPopMenu::Proc(HWND window, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* menu = static_cast<TWinSkinPopMenu*>(GetPropW(window, kMenuPropName));
    if (!menu) {
        auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kMenuPreviousPropName));
        if (previous)
            return IsWindowUnicode(window) ? CallWindowProcW(previous, window, msg, wp, lp)
                                           : CallWindowProcA(previous, window, msg, wp, lp);
        return DefWindowProcW(window, msg, wp, lp);
    }
    try {
        return menu->Dispatch(msg, wp, lp);
    } catch (...) {
        HandleCallbackException();
        return 0;
    }
}

LRESULT TWinSkinPopMenu::CallPrevious(UINT msg, WPARAM wp, LPARAM lp)
{
    return unicode_ ? CallWindowProcW(previous_, window_, msg, wp, lp)
                    : CallWindowProcA(previous_, window_, msg, wp, lp);
}

LRESULT TWinSkinPopMenu::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == SKINMSG_QUERY)
        return 1;
    if (!manager_.Running)
        return CallPrevious(msg, wp, lp);
    switch (msg) {
    case WM_DESTROY: {
        // The procedure goes back first; this object may be freed before the call returns.
        const WNDPROC previous = previous_;
        const bool unicode = unicode_;
        HWND window = window_;
        Restore();
        return unicode ? CallWindowProcW(previous, window, msg, wp, lp) : CallWindowProcA(previous, window, msg, wp, lp);
    }
    case WM_ERASEBKGND:
        if ((GetVersion() & 0x80000000u) == 0 && data_.Options.Has(TSkinOption::xoMenuBG))
            return 1;
        return CallPrevious(msg, wp, lp);
    case WM_NCPAINT:
    case WM_PAINT: {
        // The system draws its edge in the non-client area on some systems and
        // inside the client area on others: the skin's border goes over both.
        const LRESULT result = CallPrevious(msg, wp, lp);
        if (HDC dc = GetWindowDC(window_)) {
            PaintBorder(dc);
            ReleaseDC(window_, dc);
        }
        return result;
    }
    case WM_PRINT: {
        const LRESULT result = CallPrevious(msg, wp, lp);
        if (wp)
            PaintBorder(reinterpret_cast<HDC>(wp));
        return result;
    }
    default:
        return CallPrevious(msg, wp, lp);
    }
}

void TWinSkinPopMenu::PaintBorder(HDC dc)
{
    if (data_.SkinEmpty)
        return;
    RECT wr;
    GetWindowRect(window_, &wr);
    RECT r{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    HBRUSH edge = CreateSolidBrush(MenuColour(data_, SC_BORDER));
    HBRUSH face = CreateSolidBrush(MenuColour(data_, SC_MENU));
    FrameRect(dc, &r, edge);
    for (int i = 0; i < 2; ++i) {
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, face);
    }
    DeleteObject(edge);
    DeleteObject(face);
}

// ---- owner-drawn items ----

TSkinMenuPainter::~TSkinMenuPainter() { RestoreAll(); }

const TSkinMenuItem* TSkinMenuPainter::Find(ULONG_PTR data) const
{
    for (const auto& [menu, items] : items_)
        for (const auto& item : items)
            if (reinterpret_cast<ULONG_PTR>(item.get()) == data)
                return item.get();
    return nullptr;
}

int TSkinMenuPainter::MnemonicItem(HMENU menu, wchar_t key) const
{
    auto it = items_.find(menu);
    if (it == items_.end() || !key)
        return -1;
    const auto wanted = std::towlower(static_cast<wint_t>(key));
    for (const auto& item : it->second) {
        const std::wstring& text = item->Text;
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != L'&')
                continue;
            if (text[i + 1] == L'&') {
                ++i;
                continue;
            }
            if (std::towlower(static_cast<wint_t>(text[i + 1])) == wanted &&
                !(GetMenuState(menu, item->Position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)))
                return static_cast<int>(item->Position);
            break;
        }
    }
    return -1;
}

void TSkinMenuPainter::Prepare(HMENU menu, bool system)
{
    if (!menu || !IsMenu(menu))
        return;
    // Records of this handle from before: a menu that stayed (a submenu of a
    // menu bar) still carries them; a new menu that got a freed menu's handle
    // does not, and their texts must not go into it.
    std::vector<std::unique_ptr<TSkinMenuItem>> previous;
    if (auto it = items_.find(menu); it != items_.end()) {
        previous = std::move(it->second);
        items_.erase(it);
    }
    std::vector<std::unique_ptr<TSkinMenuItem>> records;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {0};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 255;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        if (info.fType & MFT_OWNERDRAW) {
            auto kept = std::find_if(previous.begin(), previous.end(), [&](const auto& r) {
                return reinterpret_cast<ULONG_PTR>(r.get()) == info.dwItemData;
            });
            if (kept != previous.end()) {
                (*kept)->Position = static_cast<UINT>(i);
                records.push_back(std::move(*kept));
                previous.erase(kept);
            }
            continue;
        }
        if (info.fType & MFT_BITMAP)
            continue;
        auto record = std::make_unique<TSkinMenuItem>();
        record->Menu = menu;
        record->Position = static_cast<UINT>(i);
        record->Separator = (info.fType & MFT_SEPARATOR) != 0;
        record->Text = record->Separator ? std::wstring() : std::wstring(text);
        record->OriginalType = info.fType;
        record->OriginalData = info.dwItemData;
        record->System = system;
        MENUITEMINFOW set{};
        set.cbSize = sizeof set;
        set.fMask = MIIM_FTYPE | MIIM_DATA;
        set.fType = info.fType | MFT_OWNERDRAW;
        set.dwItemData = reinterpret_cast<ULONG_PTR>(record.get());
        if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set))
            records.push_back(std::move(record));
    }
    if (!records.empty())
        items_[menu] = std::move(records);
}

void TSkinMenuPainter::Restore(HMENU menu)
{
    auto it = items_.find(menu);
    if (it == items_.end())
        return;
    if (IsMenu(menu)) {
        for (const auto& record : it->second) {
            MENUITEMINFOW set{};
            set.cbSize = sizeof set;
            set.fMask = MIIM_FTYPE | MIIM_DATA;
            set.fType = record->OriginalType;
            set.dwItemData = record->OriginalData;
            if (!record->Separator) {
                set.fMask |= MIIM_STRING;
                set.dwTypeData = const_cast<wchar_t*>(record->Text.c_str());
            }
            SetMenuItemInfoW(menu, record->Position, TRUE, &set);
        }
    }
    items_.erase(it);
}

void TSkinMenuPainter::RestoreAll()
{
    while (!items_.empty())
        Restore(items_.begin()->first);
}

HFONT TSkinMenuPainter::MenuFont()
{
    if (!font_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            font_.reset(CreateFontIndirectW(&metrics.lfMenuFont));
    }
    return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT TSkinMenuPainter::DefaultItemFont()
{
    if (!boldFont_) {
        LOGFONTW font{};
        if (GetObjectW(MenuFont(), sizeof font, &font) == sizeof font) {
            font.lfWeight = FW_BOLD;
            boldFont_.reset(CreateFontIndirectW(&font));
        }
    }
    return boldFont_ ? boldFont_.get() : MenuFont();
}

bool TSkinMenuPainter::IsDefaultItem(const TSkinMenuItem& item) const
{
    return !item.Separator && GetMenuDefaultItem(item.Menu, TRUE, 0) == item.Position;
}

bool TSkinMenuPainter::Measure(MEASUREITEMSTRUCT& mi)
{
    const TSkinMenuItem* item = Find(mi.itemData);
    if (!item || !frame_.SkinData())
        return false;
    const TSkinData& data = *frame_.SkinData();
    if (item->Separator || item->Text.empty()) {
        mi.itemWidth = 8;
        mi.itemHeight = 8;
        return true;
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, IsDefaultItem(*item) ? DefaultItemFont() : MenuFont());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, item->Text.c_str(), -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    int width = (r.right - r.left) + 26;
    if (data.MenuItem)
        width += data.MenuItem->LeftWidth;
    // Room for the gutter's own width and a margin on the right.
    mi.itemWidth = static_cast<UINT>(width + Gutter(data) - kDefaultGutter + 16);
    mi.itemHeight = static_cast<UINT>((r.bottom - r.top) + 4 + 4);
    return true;
}

void TSkinMenuPainter::MeasureByText(HMENU menu, UINT item, UINT flags, MEASUREITEMSTRUCT& mi)
{
    const std::wstring text = MenuItemText(menu, item, flags);
    int width = 0, height = 0;
    if (!text.empty()) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, MenuFont());
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    const TSkinData* data = frame_.SkinData();
    const int left = data && data->MenuItem ? data->MenuItem->LeftWidth : -1;
    const SIZE size = TextMenuItemSize(width, height, text.empty(), left, frame_.Manager().Version);
    mi.itemWidth = static_cast<UINT>(size.cx);
    mi.itemHeight = static_cast<UINT>(size.cy);
}

bool TSkinMenuPainter::Draw(const DRAWITEMSTRUCT& di)
{
    const TSkinMenuItem* item = Find(di.itemData);
    if (!item || !frame_.SkinData())
        return false;
    DrawItem(di, item->Text, item->Separator, (di.itemState & ODS_DEFAULT) != 0 || IsDefaultItem(*item));
    return true;
}

void TSkinMenuPainter::DrawByText(const DRAWITEMSTRUCT& di)
{
    if (!frame_.SkinData())
        return;
    auto menu = reinterpret_cast<HMENU>(di.hwndItem);
    const bool separator = (GetMenuState(menu, di.itemID, MF_BYCOMMAND) & MF_SEPARATOR) != 0;
    const bool isDefault = (di.itemState & ODS_DEFAULT) != 0 || GetMenuDefaultItem(menu, FALSE, 0) == di.itemID;
    DrawItem(di, separator ? std::wstring() : MenuItemText(menu, di.itemID, MF_BYCOMMAND), separator, isDefault);
}

void TSkinMenuPainter::DrawItem(const DRAWITEMSTRUCT& di, const std::wstring& itemText, bool separator, bool isDefault)
{
    const TSkinData& data = *frame_.SkinData();
    const int w = di.rcItem.right - di.rcItem.left, h = di.rcItem.bottom - di.rcItem.top;
    TDibCanvas canvas(w, h);
    if (!canvas.Valid())
        return;
    const int gutter = Gutter(data);
    if (data.MenuBackground && !data.MenuBackground->Bitmap.Empty()) {
        TSkinImage back(w, h, MenuColour(data, SC_MENU));
        const TDataSkinObject& mb = *data.MenuBackground;
        ComposeThreeSlice(back, {0, 0, w, h}, mb.Bitmap, false, false, mb.Cells(), 1, mb.LeftWidth, mb.RightWidth);
        canvas.Draw(back, 0, 0);
    } else {
        canvas.Fill({0, 0, w, h}, MenuColour(data, SC_MENU));
    }
    HDC dc = canvas.DC();
    const bool disabled = (di.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool selected = (di.itemState & ODS_SELECTED) != 0;
    if (separator) {
        const int y = h / 2;
        canvas.Fill({gutter + 2, y - 1, w - 4, y}, MenuColour(data, SC_BUTTONSHADOW));
        canvas.Fill({gutter + 2, y, w - 4, y + 1}, MenuColour(data, SC_BUTTONHILIGHT));
    } else {
        bool imageHot = false;
        if (selected && !disabled) {
            if (data.MenuItem && !data.MenuItem->Bitmap.Empty()) {
                const TDataSkinObject& mo = *data.MenuItem;
                canvas.Draw(ComposeNineSlice(w - 2, h, mo.Bitmap, mo.Margins(), false, mo.Tile != 0, mo.Cells(), 2), 1,
                            0, mo.Trans != 0);
                imageHot = true;
            } else {
                canvas.Fill({1, 0, w - 1, h}, MenuColour(data, SC_HILIGHT));
            }
        }
        if (di.itemState & ODS_CHECKED) {
            RECT check{2, 0, gutter - 2, h};
            DrawFrameControl(dc, &check, DFC_MENU, DFCS_MENUCHECK | DFCS_TRANSPARENT);
        }
        GdiFlush();
        HGDIOBJ old = SelectObject(dc, isDefault ? DefaultItemFont() : MenuFont());
        SetBkMode(dc, TRANSPARENT);
        COLORREF colour = MenuColour(data, SC_MENUTEXT);
        if (disabled)
            colour = MenuColour(data, SC_BUTTONSHADOW);
        else if (selected && !imageHot)
            colour = MenuColour(data, SC_HILIGHTTEXT);
        SetTextColor(dc, colour);
        const UINT prefix = (di.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
        std::wstring text = itemText, accel;
        if (size_t tab = text.find(L'\t'); tab != std::wstring::npos) {
            accel = text.substr(tab + 1);
            text.resize(tab);
        }
        RECT r{gutter + 6, 0, w - 8, h};
        DrawTextW(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | prefix);
        if (!accel.empty())
            DrawTextW(dc, accel.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | prefix);
        SelectObject(dc, old);
        GdiFlush();
    }
    canvas.BlitTo(di.hDC, di.rcItem.left, di.rcItem.top);
}

// ---- the skinned menu bar ----

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& frame, HMENU menu)
    : frame_(frame), menu_(menu), height_(GetSystemMetrics(SM_CYMENU))
{
    ReadItems();
}

void TWinSkinMenu::TakeMenu(HMENU menu)
{
    menu_ = menu;
    ReadItems();
}

void TWinSkinMenu::ReadItems()
{
    if (frame_.Hot && !frame_.Hot->IsCaptionButton())
        frame_.Hot = nullptr;
    items_.clear();
    if (!menu_ || !IsMenu(menu_))
        return;
    HWND child = MaximizedMdiChild();
    HMENU childSystemMenu = child ? GetSystemMenu(child, FALSE) : nullptr;
    const bool merge = frame_.SkinData() && frame_.SkinData()->MenuMerge;
    bool right = false;
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {0};
        GetMenuStringW(menu_, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
        const bool windowButton = info.wID == SC_CLOSE || info.wID == SC_RESTORE || info.wID == SC_MINIMIZE ||
                                  info.wID == SC_MAXIMIZE;
        const bool merged =
            child && ((childSystemMenu && info.hSubMenu == childSystemMenu) || (windowButton && !text[0]));
        right = right || (info.fType & MFT_RIGHTJUSTIFY) != 0;
        // Without MenuMerge the bar shows the frame's own menu only; the
        // child's buttons are the skin's to draw in the strip.
        if (merged && !merge)
            continue;
        auto item = std::make_unique<TMenuBtn>(frame_, i, text);
        item->Merged = merged;
        item->Command = merged ? info.wID : 0;
        item->RightJustified = right;
        if (merged && !info.hSubMenu)
            item->Text = info.wID == SC_CLOSE ? L"\u00D7" : info.wID == SC_MINIMIZE ? L"_" : L"\u25A1";
        items_.push_back(std::move(item));
    }
}

HWND TWinSkinMenu::MaximizedMdiChild() const
{
    if (frame_.FormKind != fkMdiFrame)
        return nullptr;
    HWND client = FindWindowExW(frame_.Handle(), nullptr, L"MDIClient", nullptr);
    if (!client)
        return nullptr;
    BOOL maximized = FALSE;
    auto child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return maximized ? child : nullptr;
}

void TWinSkinMenu::Paint(HDC dc, const TSkinRect& strip)
{
    const TSkinData* data = frame_.SkinData();
    if (!data || strip.Width() <= 0 || strip.Height() <= 0)
        return;
    TDibCanvas canvas(strip.Width(), strip.Height());
    if (!canvas.Valid())
        return;
    if (data->MenuBar && !data->MenuBar->Bitmap.Empty()) {
        const TDataSkinObject& mb = *data->MenuBar;
        const int cell = frame_.ActiveFlag || mb.Cells() == 1 ? 1 : 2;
        canvas.Draw(ComposeNineSlice(strip.Width(), strip.Height(), mb.Bitmap, {}, true, false, mb.Cells(), cell), 0, 0);
    } else {
        canvas.Fill({0, 0, strip.Width(), strip.Height()}, MenuColour(*data, SC_MENUBAR));
    }
    HDC cdc = canvas.DC();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    TGdiHandle<HFONT> font(CreateFontIndirectW(&metrics.lfMenuFont));
    HGDIOBJ old = SelectObject(cdc, font ? font.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(cdc, TRANSPARENT);
    // Widths first: the right-justified items are laid out from the right edge.
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    std::vector<int> widths;
    int rightWidth = 0;
    for (auto& item : items_) {
        int width = iconSize + 8;
        if (!(item->Merged && item->Text.empty())) {
            RECT measure{0, 0, 0, 0};
            DrawTextW(cdc, item->Text.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
            width = (measure.right - measure.left) + (item->Merged ? 10 : 16);
        }
        widths.push_back(width);
        if (item->RightJustified)
            rightWidth += width;
    }
    HWND child = MaximizedMdiChild();
    int x = 4;
    bool rightStarted = false;
    for (size_t i = 0; i < items_.size(); ++i) {
        TMenuBtn* item = items_[i].get();
        const int width = widths[i];
        if (item->RightJustified && !rightStarted) {
            rightStarted = true;
            x = std::max(x, strip.Width() - 2 - rightWidth);
        }
        RECT r{x, 0, x + width, strip.Height()};
        item->BoundsRect = {strip.Left + x, strip.Top, strip.Left + x + width, strip.Bottom};
        item->Visible = true;
        const bool lit = frame_.Hot == item && item->ButtonState != nbNormal;
        if (lit)
            canvas.Fill(r, MenuColour(*data, SC_HILIGHT));
        GdiFlush();
        if (item->Merged && item->Text.empty()) {
            // The child's system menu shows as the child's icon.
            HICON icon = child ? reinterpret_cast<HICON>(SendMessageW(child, WM_GETICON, ICON_SMALL, 0)) : nullptr;
            if (!icon && child)
                icon = reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICONSM));
            if (!icon)
                icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
            DrawIconEx(cdc, x + 4, (strip.Height() - iconSize) / 2, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
        } else {
            SetTextColor(cdc, MenuColour(*data, lit ? SC_HILIGHTTEXT : SC_MENUBARTEXT));
            DrawTextW(cdc, item->Text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
        GdiFlush();
        x += width;
    }
    SelectObject(cdc, old);
    GdiFlush();
    canvas.BlitTo(dc, strip.Left, strip.Top);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p)
{
    for (auto& item : items_) {
        const TSkinRect& r = item->BoundsRect;
        if (item->Visible && p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom)
            return item.get();
    }
    return nullptr;
}

bool TWinSkinMenu::OpenByKey(WPARAM key)
{
    if (items_.empty())
        return false;
    if (key == 0) {
        Open(items_.front()->Index);
        return true;
    }
    const wchar_t wanted = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(key)));
    for (auto& item : items_) {
        const size_t amp = item->Text.find(L'&');
        if (amp != std::wstring::npos && amp + 1 < item->Text.size() &&
            static_cast<wchar_t>(std::towlower(item->Text[amp + 1])) == wanted) {
            Open(item->Index);
            return true;
        }
    }
    return false;
}

void TWinSkinMenu::Open(int index)
{
    auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& b) { return b->Index == index; });
    if (found == items_.end())
        return;
    HWND window = frame_.Handle();
    TMenuBtn& item = **found;
    RECT wr;
    GetWindowRect(window, &wr);
    HMENU sub = GetSubMenu(menu_, index);
    // The maximized child's items act on the child, not on the frame.
    HWND child = item.Merged ? MaximizedMdiChild() : nullptr;
    if (item.Merged && !child)
        return;
    if (!sub) {
        const UINT id = GetMenuItemID(menu_, index);
        if (child)
            PostMessageW(child, WM_SYSCOMMAND, item.Command, 0);
        else if (id != static_cast<UINT>(-1))
            PostMessageW(window, WM_COMMAND, id, 0);
        return;
    }
    item.ButtonState = nbPressed;
    frame_.Hot = &item;
    item.Repaint();
    // The skin may be removed while the menu is open, and the bar with its frame.
    const std::shared_ptr<const bool> alive = frame_.AliveToken();
    TWinSkinForm* frame = &frame_;
    const TWinSkinMenu* self = this;
    const UINT command = static_cast<UINT>(TrackPopupMenu(sub, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN,
                                                          wr.left + item.BoundsRect.Left,
                                                          wr.top + item.BoundsRect.Bottom, 0, window, nullptr));
    if (!IsWindow(window))
        return;
    HWND target = child ? child : window;
    const UINT message = child ? WM_SYSCOMMAND : WM_COMMAND;
    if (!*alive || frame->MenuBar.get() != self) {
        if (command && IsWindow(target))
            PostMessageW(target, message, command, 0);
        return;
    }
    item.ButtonState = nbNormal;
    if (frame_.Hot == &item)
        frame_.Hot = nullptr;
    item.Repaint();
    if (command && IsWindow(target))
        PostMessageW(target, message, command, 0);
}

void TMenuBtn::MouseDown(POINT)
{
    if (Owner.MenuBar)
        Owner.MenuBar->Open(Index);
}

void TMenuBtn::Repaint()
{
    if (!Owner.MenuBar || Owner.FrameState != fsReady)
        return;
    RECT wr;
    GetWindowRect(Owner.Handle(), &wr);
    const TFrameMetrics& m = Owner.Metrics;
    if (HDC dc = GetWindowDC(Owner.Handle())) {
        Owner.MenuBar->Paint(dc, {m.Left, m.Caption, (wr.right - wr.left) - m.Right, m.Caption + m.MenuBar});
        ReleaseDC(Owner.Handle(), dc);
    }
}
