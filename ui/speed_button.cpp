#include "ui/speed_button.h"


void TSpeedButton::SetDown(bool value)
{
    if (value == down_)
        return;
    down_ = value;
    if (down_ && group_index_ != 0 && parent_) {
        for (TControl* c : parent_->Controls()) {
            auto* other = dynamic_cast<TSpeedButton*>(c);
            if (other && other != this && other->group_index_ == group_index_ && other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        }
    }
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (enabled_)
        TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::Click()
{
    if (!enabled_)
        return;
    if (group_index_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allow_all_up_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TSpeedButton::Paint(HDC dc)
{
    RECT r{0, 0, width_, height_};
    if (parent_)
        FillRect(dc, &r, parent_->ColorBrush());
    if (down_)
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    else if (!flat_)
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(enabled_ ? font_.Color() : clBtnShadow));
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    if (down_)
        OffsetRect(&r, 1, 1);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

bool TSpeedButton::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Down" || name == "Flat" || name == "AllowAllUp") {
        value = BoolText(name == "Down" ? down_ : name == "Flat" ? flat_ : allow_all_up_);
        return true;
    }
    if (name == "GroupIndex") {
        value = std::to_wstring(group_index_);
        return true;
    }
    return TGraphicControl::GetPublished(name, value);
}

bool TSpeedButton::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Down" || name == "Flat" || name == "AllowAllUp") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        if (name == "Down")
            SetDown(*b);
        else if (name == "Flat")
            SetFlat(*b);
        else
            SetAllowAllUp(*b);
        return true;
    }
    if (name == "GroupIndex") {
        try {
            size_t used = 0;
            const int v = std::stoi(value, &used);
            if (used != value.size())
                return false;
            SetGroupIndex(v);
            return true;
        } catch (...) {
            return false;
        }
    }
    return TGraphicControl::SetPublished(name, value);
}
