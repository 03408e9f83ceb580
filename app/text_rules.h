#pragma once
// The text rules the lookups and the chain game share. All texts are GBK.
#include <string>

// Strips every byte at or below the space from both ends. GBK trail bytes are
// never that low, so no character is split.
std::string Trim(const std::string& text);

// Single-byte text: as many UTF-16 units as bytes, that is no double-byte
// character. Such a text is taken for pinyin.
bool IsSingleByteText(const std::string& text);

// The last character, taken by characters rather than bytes; empty for an
// empty text or when the last character is not a whole GBK character.
std::string LastCharacter(const std::string& text);
