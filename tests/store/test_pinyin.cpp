// The pinyin search key and the syllable reading the builder checks entries with.
#include <doctest/doctest.h>

#include "tools/store_builder/pinyin.h"
#include "tools/store_builder/store_writer.h"

TEST_CASE("the search key drops tones, spaces and punctuation")
{
    CHECK(PinyinKey("yī mǎ dāng xiān") == "yimadangxian");
    CHECK(PinyinKey("yi1 ma3 dang1 xian1") == "yimadangxian");
    CHECK(PinyinKey("yi1,ma3,dang1,xian1") == "yimadangxian");
    CHECK(PinyinKey("Yī Mǎ Dāng Xiān") == "yimadangxian");
    CHECK(PinyinKey("chéng mén shī huǒ，yāng jí chí yú") == "chengmenshihuoyangjichiyu");
    CHECK(PinyinKey("bù guǎn sān qī èr shí yī") == "buguansanqiershiyi");
    CHECK(PinyinKey("xī'ān · shì-jiè; hǎo!") == "xianshijiehao");
    CHECK(PinyinKey("  ") == "");
    SUBCASE("every tone of every vowel")
    {
        CHECK(PinyinKey("āáǎà ēéěè īíǐì ōóǒò ūúǔù") == "aaaaeeeeiiiioooouuuu");
        CHECK(PinyinKey("ĀÁǍÀ ĒÉĚÈ ĪÍǏÌ ŌÓǑÒ ŪÚǓÙ") == "aaaaeeeeiiiioooouuuu");
    }
    SUBCASE("ü in every spelling becomes v")
    {
        CHECK(PinyinKey("lǜ") == "lv");
        CHECK(PinyinKey("nǚ lǘ lǚ lǖ lü") == "nvlvlvlvlv");
        CHECK(PinyinKey("Ǖ Ǘ Ǚ Ǜ Ü") == "vvvvv");
        CHECK(PinyinKey("lu:4 nu:3") == "lvnv");
        CHECK(PinyinKey("lv4") == "lv");
        CHECK(PinyinKey("lu\xCC\x88") == "lv");  // u + combining diaeresis
        CHECK(PinyinKey("lüè") == "lve");
    }
    SUBCASE("the rare letters")
    {
        CHECK(PinyinKey("ê ế ề") == "eee");
        CHECK(PinyinKey("ń ň ǹ") == "nnn");
        CHECK(PinyinKey("ḿ") == "m");
        CHECK(PinyinKey("\xC9\x91 \xC9\xA1") == "ag");                 // script a and g
        CHECK(PinyinKey("ma\xCC\x84") == "ma");                          // combining macron
        CHECK(PinyinKey("ｙｉ ＭＡ") == "yima");                          // full-width letters
    }
}

TEST_CASE("syllables: separators, tone digits, and what is no pinyin")
{
    using V = std::vector<std::string>;
    CHECK(PinyinSyllables("yī mǎ dāng xiān") == V{"yī", "mǎ", "dāng", "xiān"});
    CHECK(PinyinSyllables("yi1ma3  dang1,xian1") == V{"yi1", "ma3", "dang1", "xian1"});
    CHECK(PinyinSyllables("lu:4 nü") == V{"lu:4", "nü"});
    CHECK(PinyinSyllables("chéng mén，yāng jí") == V{"chéng", "mén", "yāng", "jí"});
    CHECK(PinyinSyllables("ai1,{word}0,ai1") == V{"ai1", "{word}0", "ai1"});
    CHECK(PinyinSyllables("").empty());

    CHECK(IsPinyinSyllable("zhuàng"));
    CHECK(IsPinyinSyllable("lu:4"));
    CHECK(IsPinyinSyllable("nüe4"));
    CHECK(IsPinyinSyllable("ḿ"));
    CHECK(IsPinyinSyllable("ma5"));
    CHECK_FALSE(IsPinyinSyllable("{word}0"));
    CHECK_FALSE(IsPinyinSyllable("ma0"));
    CHECK_FALSE(IsPinyinSyllable("1"));
    CHECK_FALSE(IsPinyinSyllable("m1a"));
    CHECK_FALSE(IsPinyinSyllable("一"));
    CHECK_FALSE(IsPinyinSyllable("zhuangg"));
    CHECK_FALSE(IsPinyinSyllable(""));
}

TEST_CASE("Chinese characters are counted, punctuation inside an idiom is not")
{
    CHECK(CountHanCharacters("一马当先") == 4);
    CHECK(CountHanCharacters("城门失火，殃及池鱼") == 8);
    CHECK(CountHanCharacters("abc") == 0);
    CHECK(CountHanCharacters("\xF0\xA0\x80\x80") == 1);  // beyond the basic plane
}
