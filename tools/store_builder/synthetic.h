#pragma once
// A deterministic dictionary of made-up idioms with the shape of a real one,
// for benchmarks of the data layer, the lookups and the main window.
#include <cstddef>

#include "tools/store_builder/idiom_entry.h"

inline constexpr size_t kSyntheticDefaultRows = 51470;

// count entries, the same on every run and platform: unique idioms of mostly
// four (some five to twelve) common characters with their pinyin, and field
// lengths like a printed dictionary's.
IdiomEntries SyntheticEntries(size_t count);
