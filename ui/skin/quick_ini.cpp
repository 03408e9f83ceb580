#include "ui/skin/quick_ini.h"

#include <cassert>
#include <stdexcept>

std::string TrimText(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

std::string LowerAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return s;
}

namespace {

bool IsHeader(const std::string& line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool TextToInt32(const std::string& text, int32_t& value)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i >= text.size())
        return false;
    if (text[i] == '$') {
        // Hex texts cover the full 32 bits: '$FFFFFFFF' is -1.
        ++i;
        if (i >= text.size())
            return false;
        uint64_t v = 0;
        for (; i < text.size(); ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0)
                return false;
            v = v * 16 + static_cast<unsigned>(d);
            if (v > 0xFFFFFFFFu)
                return false;
        }
        uint32_t u = static_cast<uint32_t>(v);
        if (negative)
            u = 0u - u;
        value = static_cast<int32_t>(u);
        return true;
    }
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > int64_t(INT32_MAX) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > INT32_MAX || v < INT32_MIN)
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

void TQuickIni::LoadFromStream(TStream* stream)
{
    if (!stream)
        return;
    std::string text;
    const int64_t left = stream->Size() - stream->Position();
    if (left > 0) {
        text.resize(static_cast<size_t>(left));
        text.resize(static_cast<size_t>(stream->Read(text.data(), left)));
    }
    LoadFromText(text);
}

void TQuickIni::LoadFromText(const std::string& source)
{
    lines_.clear();
    sections_.clear();
    const std::string text = source.substr(0, source.find('\0'));
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        std::string line = TrimText(text.substr(i, end - i));
        if (end < text.size() && text[end] == '\r')
            ++end;
        if (end < text.size() && text[end] == '\n')
            ++end;
        i = end;
        if (line.empty() || line.front() == ';')
            continue;
        if (IsHeader(line))
            sections_.emplace_back(line, static_cast<int>(lines_.size()));
        lines_.push_back(std::move(line));
    }
}

void TQuickIni::ReadSections(std::vector<std::string>* sections) const
{
    assert(sections && "The parameter Strings is unassigned!");
    if (!sections)
        throw std::invalid_argument("The parameter Strings is unassigned!");
    sections->clear();
    for (const auto& [header, line] : sections_) {
        const std::string h = TrimText(header);
        sections->push_back(TrimText(h.substr(1, h.size() - 2)));
    }
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    if (lines_.empty())
        return def;
    const std::string wanted = LowerAscii("[" + section + "]");
    int start = -1;
    for (const auto& [header, line] : sections_) {
        if (LowerAscii(TrimText(header)) == wanted) {
            start = line;
            break;
        }
    }
    if (start < 0)
        return def;
    const std::string k = LowerAscii(key);
    for (size_t n = static_cast<size_t>(start) + 1; n < lines_.size(); ++n) {
        const std::string& line = lines_[n];
        if (IsHeader(TrimText(line)))
            break;
        const size_t eq = line.find('=');
        const std::string lineKey = eq == std::string::npos ? std::string() : LowerAscii(TrimText(line.substr(0, eq)));
        if (lineKey != k)
            continue;
        const std::string value = eq == std::string::npos ? std::string() : TrimText(line.substr(eq + 1));
        return value.empty() ? def : value;
    }
    return def;
}

int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key, int32_t def) const
{
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    int32_t v;
    return TextToInt32(text, v) ? v : def;
}
