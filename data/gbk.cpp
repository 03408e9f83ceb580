#include "data/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = extra >= 0 && i + extra < n;
        for (int k = 1; ok && k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += extra + 1;
    }
    return out;
}

#ifdef _WIN32

std::u16string GbkToUtf16(const std::string& gbk)
{
    if (gbk.empty())
        return {};
    const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::u16string out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::optional<std::string> Utf16ToGbk(const std::u16string& text)
{
    if (text.empty())
        return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    // Without WC_NO_BEST_FIT_CHARS the system swaps a missing character for a
    // look-alike (ä for a) and reports nothing.
    BOOL defaulted = FALSE;
    const int n = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, &defaulted);
    if (n <= 0 || defaulted)
        return std::nullopt;
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

#else

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() { if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

std::u16string GbkToUtf16(const std::string& gbk)
{
    Iconv cd("UTF-16LE", "CP936");
    std::u16string out;
    if (!cd.ok())
        return out;
    out.reserve(gbk.size());
    char* in = const_cast<char*>(gbk.data());
    size_t in_left = gbk.size();
    char16_t buffer[256];
    while (in_left > 0) {
        char* outp = reinterpret_cast<char*>(buffer);
        size_t out_left = sizeof buffer;
        const size_t rc = iconv(cd.get(), &in, &in_left, &outp, &out_left);
        out.append(buffer, (sizeof buffer - out_left) / sizeof(char16_t));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or cut-off sequence: one replacement per byte, as the system does.
            out += u'\uFFFD';
            ++in;
            --in_left;
        }
    }
    return out;
}

std::optional<std::string> Utf16ToGbk(const std::u16string& text)
{
    Iconv cd("CP936", "UTF-16LE");
    if (!cd.ok())
        return std::nullopt;
    std::string out;
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
    size_t in_left = text.size() * sizeof(char16_t);
    char buffer[512];
    while (in_left > 0) {
        char* outp = buffer;
        size_t out_left = sizeof buffer;
        const size_t rc = iconv(cd.get(), &in, &in_left, &outp, &out_left);
        out.append(buffer, sizeof buffer - out_left);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG)
            return std::nullopt;
    }
    return out;
}

#endif
