#pragma once
// The list statements: the start-up list, the quick lookup's five modes and
// the as-you-type filter. The user's text travels as a bound GBK byte string,
// so a quote or a backslash is searched for like any other character; `%` and
// `_` typed by the user still act as LIKE wildcards.
#include <string>

#include "data/sqlite_binding.h"

// The entries of the mode list, in list order.
enum class SearchMode : int {
    Fuzzy = 0,   // 模糊: the idiom contains the keyword
    Exact = 1,   // 精确: the idiom equals it
    Head = 2,    // 词首: the idiom starts with it
    Tail = 3,    // 词尾: the idiom ends with it
    Pinyin = 4,  // 拼音: the pinyin key starts with it
};

struct TListStatement {
    std::string Sql;
    TBindings Bindings;
};

TListStatement StartUpStatement();
TListStatement QuickLookupStatement(SearchMode mode, const std::string& keyword);
// Filter box: pinyin or idiom prefix.
TListStatement FilterStatement(bool pinyin, const std::string& keyword);

// A mode list index; anything outside the list counts as its first entry.
SearchMode SearchModeFromIndex(int index);
