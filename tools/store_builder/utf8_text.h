#pragma once
// Strict UTF-8 for the builder's input: a source file that is not valid
// UTF-8 is refused rather than stored with replacement characters.
#include <optional>
#include <string>
#include <string_view>

// Empty when the bytes are not well-formed UTF-8.
std::optional<std::u32string> DecodeUtf8(std::string_view text);
std::string EncodeUtf8(char32_t cp);
// "U+4E00 '一'" for messages.
std::string DescribeCodePoint(char32_t cp);
