#pragma once
// Published properties are text, so a control publishes the bytes of its PNG
// picture ("PngImage") as base64 (RFC 4648, with padding); an empty text is
// no picture. Plain functions, no Windows, so both sides are tested natively.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline std::wstring EncodeBase64(const std::vector<uint8_t>& bytes)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::wstring out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t v = static_cast<uint32_t>(bytes[i]) << 16;
        if (n > 1)
            v |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (n > 2)
            v |= bytes[i + 2];
        out += static_cast<wchar_t>(kDigits[(v >> 18) & 63]);
        out += static_cast<wchar_t>(kDigits[(v >> 12) & 63]);
        out += n > 1 ? static_cast<wchar_t>(kDigits[(v >> 6) & 63]) : L'=';
        out += n > 2 ? static_cast<wchar_t>(kDigits[v & 63]) : L'=';
    }
    return out;
}

// None for a text that is not base64: a wrong length, a foreign character,
// padding anywhere but at the end. White space between digits is ignored.
inline std::optional<std::vector<uint8_t>> DecodeBase64(std::wstring_view text)
{
    auto value = [](wchar_t c) -> int {
        if (c >= L'A' && c <= L'Z')
            return c - L'A';
        if (c >= L'a' && c <= L'z')
            return c - L'a' + 26;
        if (c >= L'0' && c <= L'9')
            return c - L'0' + 52;
        if (c == L'+')
            return 62;
        if (c == L'/')
            return 63;
        return -1;
    };
    std::vector<int> digits;
    size_t padding = 0;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\r' || c == L'\n' || c == L'\t')
            continue;
        if (c == L'=') {
            ++padding;
            continue;
        }
        const int v = value(c);
        if (v < 0 || padding > 0)
            return std::nullopt;
        digits.push_back(v);
    }
    if ((digits.size() + padding) % 4 != 0 || padding > 2 || digits.size() % 4 == 1)
        return std::nullopt;
    std::vector<uint8_t> out;
    out.reserve(digits.size() * 3 / 4);
    uint32_t acc = 0;
    int bits = 0;
    for (int d : digits) {
        acc = (acc << 6) | static_cast<uint32_t>(d);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<uint8_t>((acc >> bits) & 0xFF));
        }
    }
    return out;
}
