// The shared text rules and the in-memory list behind the grid.
#include <doctest/doctest.h>

#include <stdexcept>

#include "app/list_model.h"
#include "app/text_rules.h"
#include "data/gbk.h"

namespace {

std::string G(const char* utf8) { return Utf8ToGbk(utf8).value(); }

} // namespace

TEST_CASE("Trim strips white space and control characters, nothing else")
{
    CHECK(Trim("") == "");
    CHECK(Trim(" \t\r\n\x01\x1f ") == "");
    CHECK(Trim(" a b ") == "a b");
    CHECK(Trim("\x7f") == "\x7f");
    CHECK(Trim(G("　一马　")) == G("　一马　"));  // the ideographic space is a character
    CHECK(Trim(std::string("\n") + G("一马") + std::string(1, '\0')) == G("一马"));
}

TEST_CASE("the single-byte test and the last character work on GBK characters")
{
    CHECK(IsSingleByteText(""));
    CHECK(IsSingleByteText("yima"));
    CHECK(IsSingleByteText("a_c'%\\ \t"));
    CHECK_FALSE(IsSingleByteText(G("一马")));
    CHECK_FALSE(IsSingleByteText("yi" + G("马")));
    CHECK_FALSE(IsSingleByteText(G("乼")));

    CHECK(LastCharacter("") == "");
    CHECK(LastCharacter(G("一马当先")) == G("先"));
    CHECK(LastCharacter(G("一马当a")) == "a");
    CHECK(LastCharacter(G("一马当乼")) == G("乼"));  // trail byte 't' is not a character of its own
    CHECK(LastCharacter(G("乗")) == G("乗"));
    CHECK(LastCharacter("abc") == "c");
}

TEST_CASE("list fields cut values at the last whole GBK character")
{
    CHECK(TListModel::CutToSize(G("一二三四五六七八九十"), 18) == G("一二三四五六七八九"));
    CHECK(TListModel::CutToSize(std::string("a") + G("一二三四五六七八九"), 18) == std::string("a") + G("一二三四五六七八"));
    CHECK(TListModel::CutToSize(std::string("a") + G("乼"), 2) == "a");
    CHECK(TListModel::CutToSize("yimadangxian", 7) == "yimadan");
    CHECK(TListModel::CutToSize(G("一马"), 4) == G("一马"));
    CHECK(TListModel::CutToSize(G("一马"), 0) == "");

    TListModel list;
    list.Reset({{"ID", 8}, {"A", 3}, {"B", 7}});
    list.Append({"123456789", G("一马"), "ab"});
    list.Append({"1"});  // missing values are empty
    REQUIRE(list.RowCount() == 2);
    CHECK(list.Value(0, 0) == "12345678");
    CHECK(list.Value(0, 1) == G("一"));
    CHECK(list.Value(0, 2) == "ab");
    CHECK(list.Value(1, 0) == "1");
    CHECK(list.Value(1, 1) == "");
    CHECK_THROWS_AS(list.Value(2, 0), std::out_of_range);
    CHECK_THROWS_AS(list.Value(0, 3), std::out_of_range);
}

TEST_CASE("the list: layout, hidden column, current row, memory")
{
    TListModel list;
    CHECK(list.RowCount() == 0);
    list.Reset({{"ID", 8}, {"X", 18}});
    CHECK(list.RowCount() == 0);
    list.Append({"1", "a"});
    list.Append({"2", "b"});
    list.SetCurrent(1);
    list.SetFieldVisible(0, false);
    list.SetFieldVisible(7, false);  // no such field: ignored
    CHECK_FALSE(list.Field(0).Visible);
    CHECK(list.Field(1).Visible);
    list.First();
    CHECK(list.Current() == 0);

    list.Reset({{"ID", 8}});
    CHECK(list.RowCount() == 0);
    CHECK(list.FieldCount() == 1);
    CHECK(list.Field(0).Visible);

    SUBCASE("a long list keeps close to its bytes, and a reset gives them back")
    {
        list.Reset({{"ID", 8}, {"X", 18}, {"Y", 7}});
        list.Reserve(10000);
        size_t bytes = 0;
        for (int i = 0; i < 10000; ++i) {
            const std::string id = std::to_string(i);
            list.Append({id, G("一马当先") + id, "yimadangxian"});
            bytes += id.size() + 8 + id.size() + 7;
        }
        // values run across block ends and read back whole
        bool all = true;
        for (uint32_t r = 0; r < 10000; ++r) {
            const std::string id = std::to_string(r);
            all = all && list.Value(r, 0) == id && list.Value(r, 1) == G("一马当先") + id &&
                  list.Value(r, 2) == "yimadan";
        }
        CHECK(all);
        list.ReleaseSpare();
        CHECK(list.MemoryBytes() <= bytes + 65536 + 64 + (3 * 10000 + 1) * sizeof(uint32_t));
        list.Reset({{"ID", 8}});
        list.Append({"1"});
        list.ReleaseSpare();
        CHECK(list.MemoryBytes() <= 65536 + 4096 + 64);  // one block of text, one of cell starts
        CHECK(list.Value(0, 0) == "1");

        SUBCASE("refilling after a reset reuses the memory")
        {
            list.Reset({{"ID", 8}, {"X", 18}, {"Y", 7}});
            list.Append({"7", G("一马"), "yima"});
            CHECK(list.RowCount() == 1);
            CHECK(list.Value(0, 1) == G("一马"));
        }
    }
}
