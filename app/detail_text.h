#pragma once
// One idiom's full record and the explanation composed from it.
#include <string>

class TSQLiteTable;

struct IdiomRecord {
    std::string id, tirsel, pingyin, diangu, chuchu, lizi, jinyi, fanyi, oth, py2;
};

// The current row of a "SELECT *" result, columns found by name; NULL reads as
// empty text. A missing column raises the data layer's exception.
IdiomRecord ReadIdiomRecord(const TSQLiteTable& table);

// Seven labelled lines, each ending in CRLF, then `oth` exactly as stored.
std::string DetailText(const IdiomRecord& record);
