#include "app/search_query.h"

namespace {

constexpr char kSelect[] = "select id,tirsel,py2 from tirsel";

TListStatement WithKeyword(const char* where, const std::string& keyword)
{
    return {std::string(kSelect) + where, {TBindValue::String(keyword)}};
}

} // namespace

TListStatement StartUpStatement()
{
    return {kSelect, {}};
}

TListStatement QuickLookupStatement(SearchMode mode, const std::string& keyword)
{
    switch (mode) {
    case SearchMode::Exact: return WithKeyword(" where tirsel = ?", keyword);
    case SearchMode::Head: return WithKeyword(" where tirsel like ? || '%'", keyword);
    case SearchMode::Tail: return WithKeyword(" where tirsel like '%' || ?", keyword);
    case SearchMode::Pinyin: return WithKeyword(" where py2 like ? || '%'", keyword);
    case SearchMode::Fuzzy: break;
    }
    return WithKeyword(" where tirsel like '%' || ? || '%'", keyword);
}

TListStatement FilterStatement(bool pinyin, const std::string& keyword)
{
    return QuickLookupStatement(pinyin ? SearchMode::Pinyin : SearchMode::Head, keyword);
}

SearchMode SearchModeFromIndex(int index)
{
    return index >= 0 && index <= 4 ? static_cast<SearchMode>(index) : SearchMode::Fuzzy;
}
