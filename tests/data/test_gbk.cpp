// GBK and Unicode conversions the store, the statements and the windows rely on.
#include <doctest/doctest.h>

#include "data/gbk.h"

TEST_CASE("GBK round trips, including characters outside GB2312")
{
    const std::string gbk = "\xD2\xBB\xC2\xED\xB5\xB1\xCF\xC8";  // 一马当先
    CHECK(GbkToUtf8(gbk) == "一马当先");
    CHECK(Utf8ToGbk("一马当先") == gbk);
    // 乼 (U+4E7C) is 0x81 0x74: its trail byte is an ASCII letter
    CHECK(Utf8ToGbk("乼") == std::string("\x81\x74"));
    CHECK(GbkToUtf16("\x81\x74") == u"\u4E7C");
    CHECK(Utf8ToGbk("abc 1%_") == std::string("abc 1%_"));
}

TEST_CASE("text GBK cannot hold is refused, bad bytes become replacement characters")
{
    CHECK_FALSE(Utf8ToGbk("emoji \xF0\x9F\x98\x80").has_value());
    CHECK_FALSE(Utf8ToGbk("한국어").has_value());
    CHECK(GbkToUtf16("a\xFF").size() == 2);
    CHECK(GbkToUtf16("a\xD2").substr(0, 1) == u"a");
}

TEST_CASE("UTF-8 and UTF-16")
{
    CHECK(Utf16ToUtf8(u"a\u00e9\u4e00\U0001F600") == "a\xC3\xA9\xE4\xB8\x80\xF0\x9F\x98\x80");
    CHECK(Utf8ToUtf16("a\xC3\xA9\xE4\xB8\x80\xF0\x9F\x98\x80") == u"a\u00e9\u4e00\U0001F600");
    CHECK(Utf8ToUtf16("\xC0\x80x") == u"\uFFFD\uFFFDx");  // overlong forms are refused
    CHECK(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))) == "\xEF\xBF\xBD");
}

TEST_CASE("a character GBK lacks is refused, not swapped for a look-alike")
{
    CHECK_FALSE(Utf8ToGbk("caf\xC3\xA4 \xE1\xBA\xA1").has_value());  // ä and ạ
    CHECK(Utf8ToGbk("\xC3\xA0") == std::string("\xA8\xA4"));  // à is in GBK (pinyin tone letters)
}
