// The synthetic dictionary the benchmarks build their stores from.
#include "tests/store/store_test_support.h"

#include <set>

#include "tests/support/temp_dir.h"
#include "tools/store_builder/pinyin.h"
#include "tools/store_builder/synthetic.h"

namespace {

size_t Characters(const std::string& utf8)
{
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

TEST_CASE("synthetic entries are the same on every run, unique and storable")
{
    const IdiomEntries a = SyntheticEntries(3000);
    const IdiomEntries b = SyntheticEntries(3000);
    REQUIRE(a.size() == 3000);
    for (size_t i = 0; i < a.size(); ++i) {
        REQUIRE(a[i].idiom == b[i].idiom);
        REQUIRE(a[i].other == b[i].other);
    }
    // a shorter store is the start of a longer one
    CHECK(SyntheticEntries(10)[9].idiom == a[9].idiom);
    CHECK(FindEntryProblems(a).empty());
    std::set<std::string> idioms;
    for (const IdiomEntry& e : a)
        idioms.insert(e.idiom);
    CHECK(idioms.size() == a.size());
}

TEST_CASE("synthetic entries have the shape of a real dictionary")
{
    const IdiomEntries entries = SyntheticEntries(3000);
    size_t four = 0, longer = 0, no_other = 0, other_lines = 0, with_synonyms = 0;
    for (const IdiomEntry& e : entries) {
        const size_t n = CountHanCharacters(e.idiom);
        REQUIRE(n >= 4);
        REQUIRE(n <= 12);
        (n == 4 ? four : longer)++;
        CHECK(Characters(e.explanation) >= 30);
        CHECK(Characters(e.explanation) <= 121);
        CHECK(Characters(e.source) >= 14);
        CHECK(Characters(e.source) <= 80);
        CHECK(Characters(e.example) >= 20);
        CHECK(Characters(e.example) <= 61);
        if (e.other.empty())
            ++no_other;
        else
            CHECK(Characters(e.other) <= 400);
        if (e.other.find('\n') != std::string::npos)
            ++other_lines;
        if (!e.synonyms.empty())
            ++with_synonyms;
    }
    CHECK(four > entries.size() * 9 / 10);
    CHECK(longer > 0);
    CHECK(no_other > 0);
    CHECK(other_lines > entries.size() / 2);
    CHECK(with_synonyms > entries.size() / 2);
}
