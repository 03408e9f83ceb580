#pragma once
// The idiom list of the public chinese-xinhua data set: a JSON array of
// objects with word, pinyin (tone marks), explanation, derivation, example
// and abbreviation.
#include <string>
#include <string_view>

#include "tools/store_builder/idiom_entry.h"

// word -> idiom, pinyin -> pinyin, explanation -> explanation,
// derivation -> source, example -> example. The abbreviation (the pinyin
// initials) is not kept: it follows from the pinyin and nothing shows it.
// Throws BuildError for text that is not such a list.
IdiomEntries ParseXinhuaJson(std::string_view text, const std::string& file_name);
