// The LIKE every connection carries: GBK characters, not bytes, are the units.
#include <doctest/doctest.h>

#include <string>

#include "data/gbk.h"
#include "data/gbk_like.h"
#include "data/gob.h"
#include "data/sqlite_table3.h"
#include "tests/support/temp_dir.h"

namespace {

std::string G(const char* utf8) { return Utf8ToGbk(utf8).value(); }

class LikeFixture {
public:
    LikeFixture() : db_(dir_.File("like.edt"), gob::DatabaseKey) {}

    // "1", "0", or "" for NULL.
    std::string Like(const std::string& text, const std::string& pattern)
    {
        TSQLiteTable t(db_, "select ? like ?", {TBindValue::String(text), TBindValue::String(pattern)});
        return t.FieldAsString(0);
    }
    std::string LikeEscape(const std::string& text, const std::string& pattern, const std::string& escape)
    {
        TSQLiteTable t(db_, "select ? like ? escape ?",
                       {TBindValue::String(text), TBindValue::String(pattern), TBindValue::String(escape)});
        return t.FieldAsString(0);
    }
    TSQLiteDatabase& db() { return db_; }

private:
    TempDir dir_;
    TSQLiteDatabase db_;
};

} // namespace

TEST_CASE_FIXTURE(LikeFixture, "ASCII patterns behave as the engine's LIKE")
{
    CHECK(Like("abc", "abc") == "1");
    CHECK(Like("abc", "ABC") == "1");
    CHECK(Like("ABC", "a%") == "1");
    CHECK(Like("abc", "%C") == "1");
    CHECK(Like("abc", "a_c") == "1");
    CHECK(Like("abbc", "a_c") == "0");
    CHECK(Like("ac", "a_c") == "0");
    CHECK(Like("abc", "ab") == "0");
    CHECK(Like("", "%") == "1");
    CHECK(Like("", "_") == "0");
    CHECK(Like("", "") == "1");
    CHECK(Like("x", "") == "0");
    CHECK(Like("mississippi", "%iss%ppi") == "1");
    CHECK(Like("mississippi", "%iss%ssi") == "0");
    CHECK(Like("a%b", "a\\%b") == "0");  // a backslash is no escape without ESCAPE
    CHECK(Like("a\\xb", "a\\%b") == "1");
    CHECK(Like("[x]", "[_]") == "1");   // no character sets in LIKE
    CHECK(Like("1", "1") == "1");

    SUBCASE("only ASCII letters are folded")
    {
        CHECK(Like("@", "`") == "0");
        CHECK(Like("\xC3\xA9", "\xC3\x89") == "0");  // é/É as raw bytes: no folding outside ASCII
        CHECK(Like("[", "{") == "0");
    }
    SUBCASE("NULL on either side gives NULL")
    {
        TSQLiteTable t(db(), "select null like 'a', 'a' like null, 'a' like 'a' escape null");
        CHECK(t.FieldAsString(0).empty());
        CHECK(t.FieldAsString(1).empty());
        CHECK(t.FieldAsString(2).empty());
    }
}

TEST_CASE_FIXTURE(LikeFixture, "a double-byte character is one character, whatever its trail byte")
{
    const std::string t_lower = G("乼");  // 81 74: trail 't'
    const std::string t_upper = G("乀");  // 81 54: trail 'T'
    const std::string under = G("乢");    // 81 5F: trail '_'
    const std::string back = G("乗");     // 81 5C: trail '\'
    const std::string a_lower = G("乤");  // 81 61: trail 'a'
    REQUIRE(t_lower == "\x81\x74");
    REQUIRE(t_upper == "\x81\x54");
    REQUIRE(under == "\x81\x5F");
    REQUIRE(back == "\x81\x5C");

    SUBCASE("trail bytes that are letters are not folded")
    {
        CHECK(Like(t_lower, t_upper) == "0");
        CHECK(Like(t_upper, t_lower) == "0");
        CHECK(Like(t_lower + G("马"), t_upper + "%") == "0");
        CHECK(Like(t_lower + G("马"), t_lower + "%") == "1");
        CHECK(Like(G("一") + t_upper, "%" + t_lower) == "0");
    }
    SUBCASE("a trail byte `_` is no wildcard")
    {
        CHECK(Like(a_lower, under) == "0");
        CHECK(Like(t_lower + G("一"), under + "%") == "0");
        CHECK(Like(under + G("一"), under + "%") == "1");
        CHECK(Like(G("一") + under + G("二"), "%" + under + "%") == "1");
        CHECK(Like(G("一") + a_lower + G("二"), "%" + under + "%") == "0");
    }
    SUBCASE("a trail byte `\\` is no escape")
    {
        CHECK(LikeEscape(back + "abc", back + "%", "\\") == "1");
        CHECK(LikeEscape(back + "%", back + "%", "\\") == "1");
        CHECK(LikeEscape(back + "x", back + "\\%", "\\") == "0");
        CHECK(LikeEscape(back + "%", back + "\\%", "\\") == "1");
    }
    SUBCASE("a letter in the pattern does not match the trail of a character")
    {
        CHECK(Like(t_lower, "%t") == "0");
        CHECK(Like(t_lower, "%T%") == "0");
        CHECK(Like(G("一") + "t", "%T") == "1");
    }
    SUBCASE("`_` takes a whole character")
    {
        CHECK(Like(G("一马当先"), G("一_当先")) == "1");
        CHECK(Like(G("一马当先"), "____") == "1");
        CHECK(Like(G("一马当先"), "________") == "0");
        CHECK(Like(t_lower, "_") == "1");
        CHECK(Like(t_lower, "__") == "0");
        CHECK(Like(G("一") + "a" + t_upper, "_a_") == "1");
    }
    SUBCASE("`%` backtracks over whole characters")
    {
        CHECK(Like(G("马到成功马上"), std::string("%") + G("马上")) == "1");
        CHECK(Like(G("一马当先"), std::string("%") + G("马") + std::string("%") + G("先")) == "1");
        CHECK(Like(G("一马当先"), std::string("%") + G("先") + std::string("%") + G("马")) == "0");
    }
    SUBCASE("a lone lead byte and a lead with a bad trail are characters of their own")
    {
        CHECK(Like("\x81", "_") == "1");
        CHECK(Like("a\x81", "a_") == "1");
        CHECK(Like("\x81\x30", "__") == "1");  // 0x30 is no trail byte
        CHECK(Like("\x81\x30", "_") == "0");
    }
}

TEST_CASE_FIXTURE(LikeFixture, "ESCAPE takes one whole character")
{
    CHECK(LikeEscape("10%", "10!%", "!") == "1");
    CHECK(LikeEscape("100", "10!%", "!") == "0");
    CHECK(LikeEscape("a_b", "a!_b", "!") == "1");
    CHECK(LikeEscape("axb", "a!_b", "!") == "0");
    CHECK(LikeEscape("a!", "a!!", "!") == "1");
    CHECK(LikeEscape("a", "a!", "!") == "0");  // a trailing escape matches nothing

    SUBCASE("a double-byte escape")
    {
        const std::string esc = G("乗");
        CHECK(LikeEscape("a%", "a" + esc + "%", esc) == "1");
        CHECK(LikeEscape("ab", "a" + esc + "%", esc) == "0");
    }
    SUBCASE("an escape of % or _ ends that wildcard")
    {
        CHECK(LikeEscape("abc", "a%", "%") == "0");
        CHECK(LikeEscape("a", "a%%", "%") == "0");
        CHECK(LikeEscape("a%", "a%%", "%") == "1");
        CHECK(LikeEscape("ab", "a_", "_") == "0");
        CHECK(LikeEscape("a_", "a__", "_") == "1");
    }
    SUBCASE("anything else is refused")
    {
        for (const std::string& bad : {std::string(), std::string("ab"), G("一马"), std::string("\x81\x74x")}) {
            CAPTURE(bad);
            std::string message;
            try {
                LikeEscape("a", "a", bad);
            } catch (const ESQLiteException& e) {
                message = e.Message();
            }
            CHECK(message.find("ESCAPE expression must be a single character") != std::string::npos);
        }
    }
}

TEST_CASE_FIXTURE(LikeFixture, "patterns in statements over many rows")
{
    db().ExecSQL("create table w (word TEXT, pat TEXT)");
    const std::string words[] = {G("乼一"), G("乀一"), G("乼二"), "TX", "tx", "t"};
    for (const std::string& w : words)
        db().ExecSQL("insert into w values (?, ?)", {TBindValue::String(w), TBindValue::String(w.substr(0, 1) + "%")});

    SUBCASE("a bound pattern, compiled once, applied to every row")
    {
        TSQLiteTable t(db(), "select word from w where word like ? || '%'", {TBindValue::String(G("乼"))});
        CHECK(t.RowCount() == 2);
        TSQLiteTable n(db(), "select word from w where word not like ?", {TBindValue::String("t%")});
        CHECK(n.RowCount() == 3);
    }
    SUBCASE("a pattern that changes from row to row")
    {
        // each row's own first byte: a lone lead byte matches nothing but itself
        TSQLiteTable t(db(), "select word from w where word like pat");
        CHECK(t.RowCount() == 3);
        TSQLiteTable u(db(), "select count(*) from w where 'tx' like pat");
        CHECK(u.FieldAsString(0) == "3");
    }
    SUBCASE("a very long pattern is no error and no slow path")
    {
        const std::string longest(300000, 'x');
        TSQLiteTable t(db(), "select word from w where word like '%' || ? || '%'", {TBindValue::String(longest)});
        CHECK(t.RowCount() == 0);
        TSQLiteTable u(db(), "select ? like ?", {TBindValue::String(longest), TBindValue::String("%" + longest)});
        CHECK(u.FieldAsString(0) == "1");
    }
}

TEST_CASE("the compiled pattern on its own")
{
    CHECK(TGbkLikePattern("%%%a").Matches("ba"));
    CHECK_FALSE(TGbkLikePattern("a%b").Matches("a"));
    CHECK(TGbkLikePattern("a%b").Matches("ab"));
    CHECK(TGbkLikePattern(std::string("a\0b", 3)).Matches(std::string("A\0B", 3)));
    CHECK_FALSE(TGbkLikePattern(std::string("a\0b", 3)).Matches("a"));
    CHECK(IsSingleGbkCharacter("\\"));
    CHECK(IsSingleGbkCharacter("\x81\x74"));
    CHECK_FALSE(IsSingleGbkCharacter("\x81\x30"));
    CHECK_FALSE(IsSingleGbkCharacter(""));
}
