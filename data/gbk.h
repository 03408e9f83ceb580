#pragma once
// Conversions between the store's GBK bytes (code page 936) and Unicode.
// The store, the statements and the skin's texts are GBK; the windows speak
// UTF-16; the engine's wide-string bindings and source files are UTF-8.
#include <optional>
#include <string>
#include <string_view>

inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Bytes taken by the character at text[pos] (pos < size): 2 for a lead byte
// followed by a trail byte, 1 otherwise. A lead byte without a valid trail is
// a character of its own, as the code page conversion treats it.
inline size_t GbkCharSize(const std::string_view text, size_t pos)
{
    return pos + 1 < text.size() && IsGbkLeadByte(static_cast<unsigned char>(text[pos])) &&
                   IsGbkTrailByte(static_cast<unsigned char>(text[pos + 1]))
               ? 2
               : 1;
}

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t cp);
std::string Utf16ToUtf8(const std::u16string& text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

// Bytes that do not form a GBK character become U+FFFD.
std::u16string GbkToUtf16(const std::string& gbk);
// Empty when some character has no GBK encoding.
std::optional<std::string> Utf16ToGbk(const std::u16string& text);

inline std::string GbkToUtf8(const std::string& gbk) { return Utf16ToUtf8(GbkToUtf16(gbk)); }
inline std::optional<std::string> Utf8ToGbk(const std::string& utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }
