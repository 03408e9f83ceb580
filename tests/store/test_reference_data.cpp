// A store built from the reference list of real idioms: every well-formed
// entry is stored, the malformed ones are the ones the builder refuses.
// The list is not part of the project; the test says so and passes without it.
#include "tests/store/store_test_support.h"

#include <nlohmann/json.hpp>

#include <algorithm>

#include <set>
#include <unordered_set>

#include "tests/support/temp_dir.h"
#include "tools/store_builder/idiom_source.h"

namespace {

struct Reference {
    std::string word;
    std::vector<std::string> syllables;  // tone-digit syllables, as listed
};

std::vector<std::string> SplitCommas(const std::string& text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts;
}

// Chinese characters by their UTF-8 form: a three-byte sequence in the
// unified ideographs (U+3400-U+9FFF) or a four-byte one.
size_t HanCount(const std::string& utf8)
{
    size_t count = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0) {
            ++count;
            i += 4;
        } else if (c >= 0xE0) {
            const unsigned cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            count += cp >= 0x3400 && cp <= 0x9FFF ? 1 : 0;
            i += 3;
        } else {
            i += c >= 0xC0 ? 2 : 1;
        }
    }
    return count;
}

// Lower-case letters (ü included) and a final tone digit 1-5.
bool ToneDigitSyllable(const std::string& s)
{
    if (s.size() < 2 || s.back() < '1' || s.back() > '5')
        return false;
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s.compare(i, 2, "\xC3\xBC") == 0)
            ++i;
        else if (s[i] < 'a' || s[i] > 'z')
            return false;
    }
    return true;
}

// Well-formed: every syllable is pinyin with its tone digit, and there is
// one per Chinese character.
bool WellFormed(const Reference& r)
{
    return std::all_of(r.syllables.begin(), r.syllables.end(), ToneDigitSyllable) &&
           r.syllables.size() == HanCount(r.word);
}

// The syllables run together without their digits, ü written v.
std::string ExpectedKey(const Reference& r)
{
    std::string key;
    for (const std::string& s : r.syllables) {
        for (size_t i = 0; i + 1 < s.size(); ++i) {
            if (s.compare(i, 2, "\xC3\xBC") == 0) {
                key += 'v';
                ++i;
            } else {
                key += s[i];
            }
        }
    }
    return key;
}

// The builder's own source format, tone digits separated by spaces.
std::string AsSource(const Reference& r)
{
    std::string pinyin;
    for (const std::string& s : r.syllables)
        pinyin += (pinyin.empty() ? "" : " ") + s;
    return "idiom: " + r.word + "\npinyin: " + pinyin +
           "\nexplanation:\nsource:\nexample:\nsynonyms:\nantonyms:\nother:\n\n";
}

} // namespace

TEST_CASE("a store of every well-formed idiom of the reference list")
{
    const std::filesystem::path list = std::filesystem::path(QUORLEN_SHARED_DATA) / "idioms-pinyin.json";
    if (!std::filesystem::exists(list)) {
        MESSAGE("skipped: no reference list at " << list.string());
        return;
    }
    std::vector<Reference> all;
    for (const auto& item : nlohmann::json::parse(FileBytes(list)))
        all.push_back({item.at("word").get<std::string>(), SplitCommas(item.at("pinyinplain").get<std::string>())});
    REQUIRE(all.size() > 1000);

    std::vector<Reference> good;
    std::set<size_t> malformed;
    std::unordered_set<std::string> seen;
    size_t repeated = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!WellFormed(all[i]))
            malformed.insert(i);
        else if (!seen.insert(all[i].word).second)
            ++repeated;  // the list may name an idiom twice; the store keeps the first
        else
            good.push_back(all[i]);
    }
    MESSAGE(all.size() << " listed, " << malformed.size() << " malformed, " << repeated << " repeated");
    CHECK(!malformed.empty());  // the list is known to hold some; finding none means the check is broken

    {   // the builder refuses exactly the malformed entries
        std::string text;
        for (const Reference& r : all)
            text += AsSource(r);
        const std::vector<EntryProblem> problems = FindEntryProblems(ParseIdiomSource(text, "reference.txt"));
        std::set<size_t> refused;
        for (const EntryProblem& p : problems)
            refused.insert(p.index);
        // the builder also refuses a second mention of any idiom, well-formed or not
        std::set<size_t> expected = malformed;
        std::unordered_set<std::string> words;
        for (size_t i = 0; i < all.size(); ++i)
            if (!words.insert(all[i].word).second)
                expected.insert(i);
        CHECK(refused.size() == expected.size());
        for (const size_t i : expected)
            CHECK_MESSAGE(refused.count(i) == 1, all[i].word);
    }

    {   // the well-formed entries make a store: count, ids in order, pinyin keys
        std::string text;
        for (const Reference& r : good)
            text += AsSource(r);
        TempDir dir;
        const auto file = dir.path() / "tirsel.edt";
        WriteStore(ParseIdiomSource(text, "reference.txt"), file);

        TSQLiteDatabase db(file.string(), gob::DatabaseKey);
        CHECK(db.GetTable("select count(*) from tirsel")->FieldAsInteger(0) == static_cast<int64_t>(good.size()));
        const size_t samples[] = {0, 1, good.size() / 3, good.size() / 2, good.size() - 1};
        for (const size_t i : samples) {
            const auto row = db.GetTable("SELECT * FROM tirsel where id=" + std::to_string(i + 1));
            REQUIRE(row->RowCount() == 1);
            CHECK(row->FieldAsString(row->FieldIndex("tirsel")) == Gbk(good[i].word));
            CHECK(row->FieldAsString(row->FieldIndex("py2")) == ExpectedKey(good[i]));
        }
        // an entry with ü, whose key is written with v
        const auto with_u = std::find_if(good.begin(), good.end(), [](const Reference& r) {
            return ExpectedKey(r).find('v') != std::string::npos;
        });
        if (with_u != good.end()) {
            const auto row = db.GetTable("select id,tirsel,py2 from tirsel where tirsel = '" + Gbk(with_u->word) + "'");
            REQUIRE(row->RowCount() == 1);
            CHECK(row->FieldAsString(2) == ExpectedKey(*with_u));
        }
    }
}
