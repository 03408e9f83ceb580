#include "ui/skin/skin_colour.h"

#include <cstdint>
#include <string>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A run of digits as a signed 32-bit number; false when it does not fit.
bool DigitsToInt(const std::string& digits, int32_t& value)
{
    int64_t v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > INT32_MAX)
            return false;
    }
    value = static_cast<int32_t>(v);
    return true;
}

} // namespace

TColour ParseColourText(std::string_view text)
{
    text = TrimBlanks(text);
    int32_t parts[3] = {0, 0, 0};
    int taken = 0;
    std::string pending;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            pending.push_back(c);
            continue;
        }
        if (pending.empty())
            continue;
        int32_t v;
        // A number too large to convert stays pending and swallows every
        // later digit, so nothing after it is taken either.
        if (DigitsToInt(pending, v)) {
            if (taken < 3)
                parts[taken] = v;
            ++taken;
            pending.clear();
        }
    }
    if (taken == 2 && !pending.empty()) {
        int32_t v;
        if (DigitsToInt(pending, v))
            parts[2] = v;
    }
    return Rgb(static_cast<unsigned>(parts[0]) % 256, static_cast<unsigned>(parts[1]) % 256,
               static_cast<unsigned>(parts[2]) % 256);
}
