#include "ui/label.h"

void TCustomLabel::Paint(HDC dc)
{
    RECT r{0, 0, width_, height_};
    if (!transparent_ && parent_)
        FillRect(dc, &r, parent_->ColorBrush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(enabled_ ? font_.Color() : clBtnShadow));
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    UINT format = DT_NOPREFIX | (word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
    SelectObject(dc, old);
}

bool TCustomLabel::GetPublished(std::string_view name, std::wstring& value) const
{
    if (name == "Transparent") {
        value = BoolText(transparent_);
        return true;
    }
    if (name == "WordWrap") {
        value = BoolText(word_wrap_);
        return true;
    }
    return TGraphicControl::GetPublished(name, value);
}

bool TCustomLabel::SetPublished(std::string_view name, const std::wstring& value)
{
    if (name == "Transparent" || name == "WordWrap") {
        auto b = ParseBool(value);
        if (!b)
            return false;
        if (name == "Transparent")
            SetTransparent(*b);
        else
            SetWordWrap(*b);
        return true;
    }
    return TGraphicControl::SetPublished(name, value);
}
