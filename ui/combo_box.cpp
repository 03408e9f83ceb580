#include "ui/combo_box.h"

#include <algorithm>

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    color_ = clWindow;
}

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.ClassName = L"COMBOBOX";
    params.Style |= CBS_DROPDOWNLIST | WS_VSCROLL;
    // Made with its dropped height already: each later resize also moves the
    // list's own window, which costs some systems a good many requests.
    params.Height = DroppedHeight(FontLineHeight());
    dropped_height_ = params.Height;
}

int TCustomComboBox::DroppedHeight(int item_height) const
{
    int entries = items_.empty() ? 1 : static_cast<int>(items_.size());
    if (drop_down_count_ > 0)
        entries = std::min(entries, drop_down_count_);
    return height_ + item_height * entries + 4;
}

int TCustomComboBox::FontLineHeight() const
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return 0;
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm.tmHeight;
}

void TCustomComboBox::CreateWnd()
{
    HWND h = handle_;
    for (const auto& item : items_)
        SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
    FitHeights();
}

void TCustomComboBox::FitHeights()
{
    if (!handle_)
        return;
    HWND h = handle_;
    // The closed height follows the selection field's height, which the
    // system pads by a few pixels of its own: adjust until the closed height
    // is the given one.
    auto field = static_cast<int>(SendMessageW(h, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT r;
        GetWindowRect(h, &r);
        int closed = r.bottom - r.top;
        if (closed == height_ || field + (height_ - closed) < 1)
            break;
        field += height_ - closed;
        SendMessageW(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
    // The window's own height is the closed part and the dropped list; the
    // list shows whole entries only, so leave it room for every one of them.
    const int dropped = DroppedHeight(static_cast<int>(SendMessageW(h, CB_GETITEMHEIGHT, 0, 0)));
    RECT r;
    GetWindowRect(h, &r);
    if (dropped == dropped_height_ && r.right - r.left == width_)
        return;
    SetWindowPos(h, nullptr, 0, 0, width_, dropped, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    dropped_height_ = dropped;
}

void TCustomComboBox::SetDropDownCount(int count)
{
    drop_down_count_ = std::max(count, 0);
    FitHeights();
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height)
{
    TWinControl::SetBounds(left, top, width, height);
    FitHeights();
}

void TCustomComboBox::SetItems(std::vector<std::wstring> items)
{
    items_ = std::move(items);
    item_index_ = -1;
    if (handle_) {
        SendMessageW(handle_, CB_RESETCONTENT, 0, 0);
        for (const auto& item : items_)
            SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        FitHeights();
    }
}

int TCustomComboBox::ItemIndex() const
{
    if (handle_)
        return static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0));
    return item_index_;
}

void TCustomComboBox::SetItemIndex(int index)
{
    item_index_ = index;
    if (handle_)
        SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring TCustomComboBox::Text() const
{
    int index = ItemIndex();
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return L"";
    return items_[static_cast<size_t>(index)];
}

void TCustomComboBox::WndProc(TMessage& m)
{
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == CBN_SELCHANGE) {
            item_index_ = ItemIndex();
            if (OnChange)
                OnChange(*this);
        }
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

bool TCustomComboBox::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Text") {
        value = Text();
        return true;
    }
    if (name == "ItemIndex") {
        value = std::to_wstring(ItemIndex());
        return true;
    }
    return TWinControl::GetPublished(name, value);
}
