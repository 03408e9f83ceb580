#pragma once
// Reading pinyin as the sources write it: tone marks (yī mǎ) or tone
// digits (yi1 ma3), syllables apart by spaces or punctuation.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The syllables in writing order. Spaces and punctuation separate them, and
// a tone digit ends one, so "yi1ma3" is two. A token that is not made of
// pinyin letters comes back as it stands, for IsPinyinSyllable to refuse.
std::vector<std::string> PinyinSyllables(std::string_view pinyin_utf8);

// Latin letters (tone-marked or not, ü or u: or v) and at most a final
// tone digit 1-5.
bool IsPinyinSyllable(std::string_view syllable_utf8);

bool IsHanCharacter(char32_t cp);
// Chinese characters only: a full-width comma inside a long idiom has no syllable.
size_t CountHanCharacters(std::string_view text_utf8);
