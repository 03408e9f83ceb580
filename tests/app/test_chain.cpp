// The chain game against stores designed for each way a chain can go.
#include "tests/app/app_fixture.h"

#include <set>

#include "app/chain_game.h"
#include "app/text_rules.h"

namespace {

const char* const kChain = "SELECT id,tirsel FROM tirsel where tirsel like ? || '%' ORDER BY RANDOM(id) ";

// A ring of characters, two idioms from each to the next: every tail has rivals
// and no chain ever ends. 马 starts idioms too, so a step on the wrong character shows.
IdiomEntries RingEntries()
{
    const std::pair<const char*, const char*> ring[] = {{"先", "xian"}, {"人", "ren"}, {"天", "tian"}, {"地", "di"},
                                                        {"山", "shan"}, {"水", "shui"}, {"心", "xin"}, {"口", "kou"}};
    const size_t n = std::size(ring);
    IdiomEntries entries;
    for (size_t i = 0; i < n; ++i) {
        const auto& [from, from_py] = ring[i];
        const auto& [to, to_py] = ring[(i + 1) % n];
        entries.push_back(Entry(std::string(from) + "甲乙" + to, std::string(from_py) + " jia yi " + to_py));
        entries.push_back(Entry(std::string(from) + "丙丁" + to, std::string(from_py) + " bing ding " + to_py));
    }
    entries.push_back(Entry("马甲乙先", "ma jia yi xian"));
    return entries;
}

// The memo of a finished game as UTF-8 idioms.
std::vector<std::string> ChainOf(const TTestView& view)
{
    std::vector<std::string> idioms;
    const std::string memo = U(view.memo);
    if (memo.empty())
        return idioms;
    size_t from = 0;
    for (size_t at; (at = memo.find(" --> ", from)) != std::string::npos; from = at + 5)
        idioms.push_back(memo.substr(from, at - from));
    idioms.push_back(memo.substr(from));
    return idioms;
}

std::string LastOf(const std::string& utf8) { return U(LastCharacter(G(utf8))); }
std::string FirstOf(const std::string& utf8) { return U(G(utf8).substr(0, 2)); }

// Every idiom starts with the last character of the one before it, the first
// with the seed's.
void CheckLinked(const std::vector<std::string>& chain, const std::string& seed_tail)
{
    std::string tail = seed_tail;
    for (const std::string& idiom : chain) {
        CAPTURE(idiom);
        CHECK(FirstOf(idiom) == tail);
        tail = LastOf(idiom);
    }
}

} // namespace

TEST_CASE("a rich tail: the chain grows to the limit")
{
    AppFixture app(RingEntries());

    SUBCASE("limit 2: two statements, then one line joined by the arrow")
    {
        app.logic->StartChain(G("一马当先"), "2");
        CHECK(app.statements == std::vector<std::string>(2, kChain));
        const auto chain = ChainOf(app.view);
        REQUIRE(chain.size() == 2);
        CheckLinked(chain, "先");
        CHECK(U(app.view.memo) == chain[0] + " --> " + chain[1]);
        CHECK(U(app.view.caption) == "成语接龙: 一马当先");
        CHECK(app.logic->Chain().ChainLength == 2);
        CHECK(app.logic->Chain().Attempts == 2);
        CHECK(app.logic->Chain().LastMatchCount == 2);
        CHECK(U(app.logic->Chain().PreviousTail) == FirstOf(chain[1]));
    }
    SUBCASE("limit 50: fifty idioms from fifty statements")
    {
        app.logic->StartChain(G("一马当先"), "50");
        CHECK(app.statements == std::vector<std::string>(50, kChain));
        const auto chain = ChainOf(app.view);
        CHECK(chain.size() == 50);
        CheckLinked(chain, "先");
        // drawn, not walked in order: both idioms of some character appear
        CHECK(std::set<std::string>(chain.begin(), chain.end()).size() > 8);
    }
    SUBCASE("the seed 一马当先 searches 先 first, and the seed is not in the memo")
    {
        app.logic->StartChain(G(" 一马当先\t"), "10");
        const auto chain = ChainOf(app.view);
        REQUIRE(chain.size() == 10);
        CHECK(FirstOf(chain[0]) == "先");
        CHECK(U(app.view.memo).find("一马当先") == std::string::npos);
        CHECK(U(app.view.caption) == "成语接龙: 一马当先");
    }
    SUBCASE("a seed of one character chains from that character")
    {
        app.logic->StartChain(G("马"), "3");
        CHECK(FirstOf(ChainOf(app.view).at(0)) == "马");
    }
    SUBCASE("a seeded random source makes a game repeatable")
    {
        app.logic->StartChain(G("一马当先"), "20");
        const std::string first = app.view.memo;
        AppFixture same(RingEntries(), 7);
        same.logic->StartChain(G("一马当先"), "20");
        CHECK(same.view.memo == first);
        AppFixture other(RingEntries(), 8);
        other.logic->StartChain(G("一马当先"), "20");
        CHECK(other.view.memo != first);
    }
    SUBCASE("a new game replaces the last one and the explanation")
    {
        app.logic->StartUp();
        app.logic->StartChain(G("一马当先"), "2");
        app.logic->StartChain(G("山"), "3");
        const auto chain = ChainOf(app.view);
        CHECK(chain.size() == 3);
        CheckLinked(chain, "山");
        CHECK(U(app.view.caption) == "成语接龙: 山");
        app.logic->RowClicked(0);
        CHECK(U(app.view.caption).rfind("成语: ", 0) == 0);
    }
}

TEST_CASE("a seed whose tail begins nothing: one statement, an empty memo")
{
    AppFixture app(RingEntries());
    app.view.memo = G("旧的释义");
    app.logic->StartChain(G("一马当头"), "10");
    CHECK(app.statements == std::vector<std::string>{kChain});
    CHECK(app.view.memo.empty());
    CHECK(U(app.view.caption) == "成语接龙: 一马当头");
    CHECK(app.logic->Chain().ChainLength == 0);
    CHECK(app.logic->Chain().Attempts == 1);
    CHECK(app.logic->Chain().LastMatchCount == 0);
    CHECK(U(app.logic->Chain().PreviousTail) == "头");
}

TEST_CASE("dead ends")
{
    SUBCASE("after a step with one candidate the game ends, keeping that idiom")
    {
        AppFixture app({Entry("先发制人", "xian fa zhi ren"), Entry("马到成功", "ma dao cheng gong")});
        app.logic->StartChain(G("一马当先"), "10");
        CHECK(app.statements == std::vector<std::string>(2, kChain));
        CHECK(U(app.view.memo) == "先发制人");
        CHECK(app.logic->Chain().ChainLength == 1);
        CHECK(app.logic->Chain().Attempts == 2);
        CHECK(app.logic->Chain().LastMatchCount == 1);
    }

    // Two rivals for 先, both ending in 人, which begins nothing.
    const IdiomEntries rivals = {Entry("先发制人", "xian fa zhi ren"), Entry("先声夺人", "xian sheng duo ren")};
    SUBCASE("after a step with rivals the idiom is taken back and drawn again; the count stays")
    {
        AppFixture app(rivals);
        app.logic->StartChain(G("一马当先"), "2");
        // drawn, dead end, drawn again: the limit is reached with one idiom shown
        CHECK(app.statements == std::vector<std::string>(3, kChain));
        const auto chain = ChainOf(app.view);
        REQUIRE(chain.size() == 1);
        CHECK((chain[0] == "先发制人" || chain[0] == "先声夺人"));
        CHECK(app.logic->Chain().ChainLength == 2);
        CHECK(app.logic->Chain().Attempts == 3);
        CHECK(app.logic->Chain().LastMatchCount == 2);
        CHECK(U(app.logic->Chain().PreviousTail) == "先");
    }
    SUBCASE("repeated dead ends stop at the attempt limit: limit + 10 statements")
    {
        // drawn on odd attempts, taken back on even ones: an even last attempt
        // leaves the memo empty
        for (int limit : {12, 13, 50}) {
            CAPTURE(limit);
            AppFixture app(rivals);
            app.logic->StartChain(G("一马当先"), std::to_string(limit));
            CHECK(app.statements.size() == static_cast<size_t>(limit + 10));
            CHECK(app.logic->Chain().Attempts == limit + 10);
            CHECK(app.logic->Chain().ChainLength == (limit + 11) / 2);
            CHECK(ChainOf(app.view).size() == static_cast<size_t>((limit + 10) % 2));
        }
    }
    SUBCASE("dead ends mixed with long branches: never more than limit + 10 statements")
    {
        IdiomEntries mixed = RingEntries();
        mixed.push_back(Entry("先发制仂", "xian fa zhi le"));
        mixed.push_back(Entry("天下无仂", "tian xia wu le"));
        mixed.push_back(Entry("山穷水仂", "shan qiong shui le"));
        for (uint64_t seed = 1; seed <= 25; ++seed) {
            CAPTURE(seed);
            AppFixture app(mixed, seed);
            app.logic->StartChain(G("先"), "10");
            CHECK(app.statements.size() <= 20);
            CHECK(app.logic->Chain().Attempts == static_cast<int32_t>(app.statements.size()));
            const auto chain = ChainOf(app.view);
            CHECK(chain.size() <= 10);
            CHECK_FALSE(chain.empty());
            CheckLinked(chain, "先");
            CHECK(app.view.memo.find('\r') == std::string::npos);
        }
    }
}

TEST_CASE("a stored idiom whose tail is not a Chinese character ends the chain")
{
    AppFixture app({Entry("先发制人", "xian fa zhi ren"), Entry("马到成功", "ma dao cheng gong"),
                    Entry("一马平川", "yi ma ping chuan")});
    // Shapes the builder would not write: an idiom ending in an ASCII character
    // and others starting with one, so a search on that byte would find them.
    const char* const tails[] = {"a", "%", "_", " "};
    for (const char* tail : tails) {
        CAPTURE(std::string(tail));
        app.Alter("update tirsel set tirsel = ? where py2 = 'xianfazhiren'",
                  {TBindValue::String(G("先发制") + tail)});
        app.Alter("update tirsel set tirsel = ? where py2 = 'madaochenggong'",
                  {TBindValue::String(std::string(tail) + G("马到"))});
        app.statements.clear();
        app.logic->StartChain(G("一马当先"), "10");
        CHECK(app.statements == std::vector<std::string>{kChain});
        CHECK(app.view.memo == Trim(G("先发制") + tail));
        CHECK(app.logic->Chain().ChainLength == 1);
        CHECK(app.logic->Chain().Attempts == 2);
    }
}

TEST_CASE("invalid seeds are refused and change nothing")
{
    AppFixture app(RingEntries());
    app.logic->StartChain(G("一马当先"), "3");
    const std::string caption = app.view.caption;
    const std::string memo = app.view.memo;
    const ChainState state = app.logic->Chain();
    app.statements.clear();

    const std::string seeds[] = {"", "   ", "\t\r\n", G("请输入成语"), G(" 请输入成语 "), "abc",
                                 G("一马当a"), G("一马当先!"), "'", G("一马当先") + "'"};
    for (const std::string& seed : seeds) {
        CAPTURE(seed);
        app.view.warnings.clear();
        app.logic->StartChain(seed, "10");
        CHECK(app.view.warnings == std::vector<std::string>{"请输入要接龙的成语！"});
    }
    CHECK(app.statements.empty());
    CHECK(app.view.caption == caption);
    CHECK(app.view.memo == memo);
    CHECK(app.logic->Chain().ChainLength == state.ChainLength);
    CHECK(app.logic->Chain().Attempts == state.Attempts);
    CHECK(app.logic->Chain().PreviousTail == state.PreviousTail);

    SUBCASE("a chain length that is no number is an error, not a game")
    {
        CHECK_THROWS_AS(app.logic->StartChain(G("一马当先"), "ten"), Exception);
        CHECK_THROWS_AS(app.logic->StartChain(G("一马当先"), ""), Exception);
        CHECK_THROWS_AS(app.logic->StartChain(G("一马当先"), "99999999999"), Exception);
        CHECK(app.view.memo == memo);
        CHECK(app.statements.empty());
    }
    SUBCASE("a limit of zero or less finishes at once")
    {
        app.logic->StartChain(G("一马当先"), "0");
        CHECK(app.statements.empty());
        CHECK(app.view.memo.empty());
        app.logic->StartChain(G("一马当先"), "-5");
        CHECK(app.statements.empty());
    }
}

TEST_CASE("a failing step ends the game with the lines found so far")
{
    AppFixture app(RingEntries());
    // The third step's statement finds the table gone: a real engine error.
    int seen = 0;
    app.logic->Store().SetOnQuery([&](TSQLiteDatabase&, const std::string&) {
        if (++seen == 3) {
            TSQLiteDatabase other(app.file(), gob::DatabaseKey);
            other.ExecSQL("drop table tirsel");
        }
    });
    CHECK_THROWS_AS(app.logic->StartChain(G("一马当先"), "10"), ESQLiteException);
    const std::string memo = U(app.view.memo);
    CHECK(std::count(memo.begin(), memo.end(), '\n') == 2);
    CHECK(memo.find(" --> ") == std::string::npos);
    CHECK(app.logic->Chain().ChainLength == 2);
}
