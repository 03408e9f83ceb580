#pragma once
// A control carrying a PNG picture (a button's glyph), published as
// "PngImage": the bytes as base64 text, an empty text for no picture.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/png_property.h"

template <class Base>
class TWithPngImage : public Base {
public:
    using Base::Base;

    const std::vector<uint8_t>& PngImage() const { return png_; }
    void SetPngImage(std::vector<uint8_t> bytes)
    {
        png_ = std::move(bytes);
        this->Invalidate();
    }

    bool GetPublished(std::string_view name, std::wstring& value) const override
    {
        if (name != "PngImage")
            return Base::GetPublished(name, value);
        value = EncodeBase64(png_);
        return true;
    }
    // Text that is not base64 is refused and the picture kept.
    bool SetPublished(std::string_view name, const std::wstring& value) override
    {
        if (name != "PngImage")
            return Base::SetPublished(name, value);
        auto bytes = DecodeBase64(value);
        if (!bytes)
            return false;
        SetPngImage(std::move(*bytes));
        return true;
    }

private:
    std::vector<uint8_t> png_;
};
