#include "tools/store_builder/pinyin.h"

#include "tools/store_builder/store_writer.h"
#include "tools/store_builder/utf8_text.h"

namespace {

// The plain lower-case letter behind a pinyin letter, 'v' for ü; 0 for
// anything that is no pinyin letter.
char BaseLetter(char32_t cp)
{
    if (cp >= 'a' && cp <= 'z')
        return static_cast<char>(cp);
    if (cp >= 'A' && cp <= 'Z')
        return static_cast<char>(cp - 'A' + 'a');
    if (cp >= 0xFF41 && cp <= 0xFF5A)  // full-width letters typed with a Chinese input method
        return static_cast<char>(cp - 0xFF41 + 'a');
    if (cp >= 0xFF21 && cp <= 0xFF3A)
        return static_cast<char>(cp - 0xFF21 + 'a');
    switch (cp) {
    case 0x0101: case 0x00E1: case 0x01CE: case 0x00E0:
    case 0x0100: case 0x00C1: case 0x01CD: case 0x00C0:
    case 0x0251:  // the script a of pinyin fonts
        return 'a';
    case 0x0113: case 0x00E9: case 0x011B: case 0x00E8:
    case 0x0112: case 0x00C9: case 0x011A: case 0x00C8:
    case 0x00EA: case 0x00CA: case 0x1EBF: case 0x1EBE: case 0x1EC1: case 0x1EC0:
        return 'e';
    case 0x012B: case 0x00ED: case 0x01D0: case 0x00EC:
    case 0x012A: case 0x00CD: case 0x01CF: case 0x00CC:
        return 'i';
    case 0x014D: case 0x00F3: case 0x01D2: case 0x00F2:
    case 0x014C: case 0x00D3: case 0x01D1: case 0x00D2:
        return 'o';
    case 0x016B: case 0x00FA: case 0x01D4: case 0x00F9:
    case 0x016A: case 0x00DA: case 0x01D3: case 0x00D9:
        return 'u';
    case 0x00FC: case 0x01D6: case 0x01D8: case 0x01DA: case 0x01DC:
    case 0x00DC: case 0x01D5: case 0x01D7: case 0x01D9: case 0x01DB:
        return 'v';
    case 0x0144: case 0x0148: case 0x01F9: case 0x0143: case 0x0147: case 0x01F8:
        return 'n';
    case 0x1E3F: case 0x1E3E:
        return 'm';
    case 0x0261:  // the script g of pinyin fonts
        return 'g';
    default:
        return 0;
    }
}

bool IsCombiningMark(char32_t cp) { return cp >= 0x0300 && cp <= 0x036F; }
bool IsToneDigit(char32_t cp) { return cp >= '1' && cp <= '5'; }
bool IsDigit(char32_t cp) { return (cp >= '0' && cp <= '9') || (cp >= 0xFF10 && cp <= 0xFF19); }

bool IsSeparator(char32_t cp)
{
    switch (cp) {
    case ' ': case '\t': case '\r': case '\n': case 0x00A0: case 0x3000:
    case ',': case 0xFF0C: case 0x3001:                          // commas
    case 0x00B7: case 0x30FB: case 0x2027: case 0x2022: case 0x2219:  // middle dots
    case '-': case 0x2010: case 0x2011: case 0x2013: case 0x2014:    // hyphens and dashes
    case '\'': case 0x2018: case 0x2019: case '`':                 // apostrophes
    case ';': case 0xFF1B: case '.': case 0x3002: case '!': case 0xFF01:
    case '?': case 0xFF1F: case ':': case 0xFF1A: case '"': case 0x201C: case 0x201D:
        return true;
    default:
        return false;
    }
}

} // namespace

std::string PinyinKey(std::string_view pinyin_utf8)
{
    std::string key;
    const auto text = DecodeUtf8(pinyin_utf8);
    if (!text)
        return key;
    for (size_t i = 0; i < text->size(); ++i) {
        const char32_t cp = (*text)[i];
        if (const char letter = BaseLetter(cp)) {
            key += letter;
        } else if (!key.empty() && key.back() == 'u' && (cp == ':' || cp == 0x0308)) {
            key.back() = 'v';  // lu:4, or u followed by a combining diaeresis
        }
        // tone digits, combining tone marks, spaces and punctuation leave no trace
    }
    return key;
}

std::vector<std::string> PinyinSyllables(std::string_view pinyin_utf8)
{
    std::vector<std::string> syllables;
    const auto text = DecodeUtf8(pinyin_utf8);
    if (!text)
        return {std::string(pinyin_utf8)};
    std::string current;
    char32_t previous = 0;
    auto flush = [&] {
        if (!current.empty())
            syllables.push_back(std::move(current));
        current.clear();
    };
    for (const char32_t cp : *text) {
        const bool umlaut_colon = cp == ':' && (previous == 'u' || previous == 'U');
        if (IsSeparator(cp) && !umlaut_colon) {
            flush();
        } else {
            current += EncodeUtf8(cp);
            if (IsDigit(cp))
                flush();
        }
        previous = cp;
    }
    flush();
    return syllables;
}

bool IsPinyinSyllable(std::string_view syllable_utf8)
{
    const auto text = DecodeUtf8(syllable_utf8);
    if (!text || text->empty())
        return false;
    size_t letters = 0;
    char32_t previous = 0;
    for (size_t i = 0; i < text->size(); ++i) {
        const char32_t cp = (*text)[i];
        if (BaseLetter(cp)) {
            ++letters;
        } else if (IsCombiningMark(cp) && letters > 0) {
        } else if (cp == ':' && (previous == 'u' || previous == 'U')) {
        } else if (IsToneDigit(cp) && i + 1 == text->size() && letters > 0) {
        } else {
            return false;
        }
        previous = cp;
    }
    // The longest syllables (zhuang, shuang, chuang) have six letters.
    return letters >= 1 && letters <= 6;
}

bool IsHanCharacter(char32_t cp)
{
    return (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0x20000 && cp <= 0x3134F) || cp == 0x3007;
}

size_t CountHanCharacters(std::string_view text_utf8)
{
    const auto text = DecodeUtf8(text_utf8);
    size_t count = 0;
    if (text)
        for (const char32_t cp : *text)
            count += IsHanCharacter(cp) ? 1 : 0;
    return count;
}
