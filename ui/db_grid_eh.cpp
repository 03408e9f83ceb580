#include "ui/db_grid_eh.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/list_model.h"
#include "ui/gbk_text.h"

TDBGridEh::TDBGridEh(TComponent* owner) : TCustomDBGridEh(owner)
{
    SetTabStop(true);
    color_ = clWindow;
}

void TDBGridEh::CreateParams(TCreateParams& params)
{
    TCustomDBGridEh::CreateParams(params);
    params.ClassName = WC_LISTVIEWW;
    // Flat: a plain one-pixel border instead of the sunken edge.
    params.Style |= LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER;
}

void TDBGridEh::CreateWnd()
{
    DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    RebuildColumns();
    ShowRows();
}

void TDBGridEh::SetModel(const TListModel* model)
{
    model_ = model;
    if (!HandleAllocated())
        return;
    RebuildColumns();
    ShowRows();
}

bool TDBGridEh::ColumnHidden(int column) const
{
    return model_ && column >= 0 && static_cast<uint32_t>(column) < model_->FieldCount() &&
           !model_->Field(static_cast<uint32_t>(column)).Visible;
}

void TDBGridEh::RebuildColumns()
{
    HWND h = handle_;
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    while (SendMessageW(h, LVM_DELETECOLUMN, 0, 0)) {
    }
    if (model_) {
        // A column is as wide as its field's size in digits, as data grids
        // size text fields, plus the list's own margins.
        HDC dc = GetDC(h);
        HGDIOBJ old = SelectObject(dc, font_.Handle());
        SIZE digit{};
        GetTextExtentPoint32W(dc, L"0", 1, &digit);
        SelectObject(dc, old);
        ReleaseDC(h, dc);
        constexpr int kMargins = 12;
        std::vector<int> widths;
        int total = 0;
        int widest = -1;
        for (uint32_t i = 0; i < model_->FieldCount(); ++i) {
            const TListField& field = model_->Field(i);
            int w = field.Visible ? static_cast<int>(field.Size) * digit.cx + kMargins : 0;
            if (w > 0 && (widest < 0 || w > widths[static_cast<size_t>(widest)]))
                widest = static_cast<int>(i);
            widths.push_back(w);
            total += w;
        }
        // Fields wider than the grid give up room from the widest, so that
        // every column shows without sideways scrolling; a text field's size
        // in digits is more than its Chinese text ever needs.
        RECT frame;
        GetClientRect(h, &frame);
        int room = frame.right - (GetWindowLongW(h, GWL_STYLE) & WS_VSCROLL ? 0 : GetSystemMetrics(SM_CXVSCROLL));
        if (widest >= 0 && total > room) {
            int& w = widths[static_cast<size_t>(widest)];
            w = std::max(w - (total - room), static_cast<int>(4 * digit.cx) + kMargins);
        }
        for (uint32_t i = 0; i < model_->FieldCount(); ++i) {
            std::wstring title = GbkToWide(model_->Field(i).Name);
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            col.pszText = title.data();
            col.cx = widths[i];
            col.iSubItem = static_cast<int>(i);
            SendMessageW(h, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
        }
    }
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
}

void TDBGridEh::ShowRows()
{
    HWND h = handle_;
    uint32_t rows = model_ ? model_->RowCount() : 0;
    SendMessageW(h, LVM_SETITEMCOUNT, rows, 0);
    if (rows > 0) {
        uint32_t current = model_->Current() < rows ? model_->Current() : 0;
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(h, LVM_SETITEMSTATE, current, reinterpret_cast<LPARAM>(&state));
        SendMessageW(h, LVM_ENSUREVISIBLE, current, FALSE);
    }
    InvalidateRect(h, nullptr, TRUE);
    if (!IsWindowVisible(h))
        LayOutHidden();
}

void TDBGridEh::LayOutHidden()
{
    // The list works out its row metrics and scroll range at its first
    // paint, and a list on screen redraws its scroll bars on the way, twice.
    // One paint into a memory DC while it is hidden does that work unseen.
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return;
    SendMessageW(handle_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    DeleteDC(dc);
}

bool TDBGridEh::BlocksHeaderChange(const NMHDR& header) const
{
    const auto& hd = reinterpret_cast<const NMHEADERW&>(header);
    switch (header.code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        return ColumnHidden(hd.iItem);
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
        // Hiding sets the width to 0; anything wider is refused.
        return ColumnHidden(hd.iItem) && hd.pitem && (hd.pitem->mask & HDI_WIDTH) && hd.pitem->cxy != 0;
    default:
        return false;
    }
}

void TDBGridEh::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_NOTIFY: {
        // From the list view's own header.
        const auto& header = *reinterpret_cast<const NMHDR*>(m.LParam);
        if (header.hwndFrom == reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)) &&
            BlocksHeaderChange(header)) {
            m.Result = TRUE;
            return;
        }
        break;
    }
    case WM_KEYDOWN:
        // Ctrl with the keypad plus sizes every column to fit, the hidden one too.
        if (m.WParam == VK_ADD && GetKeyState(VK_CONTROL) < 0) {
            m.Result = 0;
            return;
        }
        break;
    case CN_NOTIFY: {
        const auto& hdr = *reinterpret_cast<const NMHDR*>(m.LParam);
        m.Result = 0;
        if (hdr.code == LVN_GETDISPINFOW) {
            auto& info = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(hdr));
            LVITEMW& item = info.item;
            if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
                cell_.clear();
                if (model_ && item.iItem >= 0 && static_cast<uint32_t>(item.iItem) < model_->RowCount() &&
                    item.iSubItem >= 0 && static_cast<uint32_t>(item.iSubItem) < model_->FieldCount())
                    cell_ = GbkToWide(model_->Value(static_cast<uint32_t>(item.iItem),
                                                    static_cast<uint32_t>(item.iSubItem)));
                lstrcpynW(item.pszText, cell_.c_str(), item.cchTextMax);
            }
        } else if (hdr.code == NM_CLICK) {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(hdr);
            if (model_ && click.iItem >= 0 && static_cast<uint32_t>(click.iItem) < model_->RowCount() && OnCellClick)
                OnCellClick(*this, static_cast<uint32_t>(click.iItem));
        }
        return;
    }
    }
    TCustomDBGridEh::WndProc(m);
}
