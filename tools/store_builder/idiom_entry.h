#pragma once
// One idiom as the store builder reads it from a source file. All text UTF-8.
#include <string>
#include <vector>

struct IdiomEntry {
    std::string idiom;        // -> tirsel
    std::string pinyin;       // -> pingyin (tone marks or tone digits); py2 derives from it
    std::string explanation;  // -> diangu
    std::string source;       // -> chuchu
    std::string example;      // -> lizi
    std::string synonyms;     // -> jinyi
    std::string antonyms;     // -> fanyi
    std::string other;        // -> oth
    std::string origin;       // "file:line", for error messages
};

using IdiomEntries = std::vector<IdiomEntry>;
