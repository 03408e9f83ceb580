#include "app/text_rules.h"

#include "data/gbk.h"

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

bool IsSingleByteText(const std::string& text)
{
    return GbkToUtf16(text).size() == text.size();
}

std::string LastCharacter(const std::string& text)
{
    const std::u16string wide = GbkToUtf16(text);
    if (wide.empty())
        return {};
    // A byte that is no GBK character came back as U+FFFD, which has no GBK form.
    return Utf16ToGbk(wide.substr(wide.size() - 1)).value_or(std::string());
}
