#pragma once
// Writes a tirsel.edt the program reads: GBK text, keyed with the store
// constants, written to a temporary file and renamed only once it has been
// reopened and every row counted.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/store_builder/idiom_entry.h"

// A build that cannot go on; the message names the file, the entry and the field.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The pinyin search key: no tone marks or digits, no spaces or punctuation,
// lower case, ü written v (yī mǎ dāng xiān -> yimadangxian).
std::string PinyinKey(std::string_view pinyin_utf8);

// One thing wrong with one entry: its index in the list, and a message
// naming the file and line (or the entry number), the idiom and the field.
struct EntryProblem {
    size_t index;
    std::string message;
};

// Everything WriteStore would refuse, in entry order; a duplicate is charged
// to the later entry. Empty when the entries can be stored.
std::vector<EntryProblem> FindEntryProblems(const IdiomEntries& entries);

// Throws BuildError and leaves no file at target (and any old one untouched).
void WriteStore(const IdiomEntries& entries, const std::filesystem::path& target);
