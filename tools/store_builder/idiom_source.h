#pragma once
// The project's own idiom source format (assets/idioms/*.txt): blocks of
// "field: value" lines, one entry per block, fields in a fixed order.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/store_builder/idiom_entry.h"

// The field names in the order every entry writes them.
inline constexpr const char* kSourceFields[] = {"idiom",    "pinyin",   "explanation", "source",
                                                "example",  "synonyms", "antonyms",    "other"};

// Parses one file's text; file_name goes into each entry's origin and into
// messages. Throws BuildError listing every malformed line.
IdiomEntries ParseIdiomSource(std::string_view text, const std::string& file_name);

// Reads the builder's inputs in order: a folder gives its *.txt files in name
// order, a .json file is read as the public data set's idiom list, anything
// else as a source file.
IdiomEntries ReadIdiomInputs(const std::vector<std::filesystem::path>& inputs);

// The *.txt files of a folder, by file name.
std::vector<std::filesystem::path> SourceFilesIn(const std::filesystem::path& folder);
