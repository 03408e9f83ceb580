// A chain game of limit 50 against the same game played by hand on the bare
// engine: one connection per step, the same statement, the same random draws.
#include <random>

#include "app/main_logic.h"
#include "bench/bench_support.h"
#include "data/gbk.h"

namespace {

constexpr uint64_t kSeed = 20240229;
constexpr int kLimit = 50;
const char* const kChainSql = "SELECT id,tirsel FROM tirsel where tirsel like ? || '%' ORDER BY RANDOM(id) ";

void RawRandom(sqlite3_context* context, int, sqlite3_value**)
{
    auto* engine = static_cast<std::mt19937_64*>(sqlite3_user_data(context));
    sqlite3_result_int64(context, static_cast<int64_t>((*engine)()));
}

// The game's rules written out over raw statements; returns the idioms joined.
std::string RawChain(const std::string& file, std::string tail)
{
    std::mt19937_64 engine(kSeed);
    std::vector<std::string> lines;
    int length = 0, attempts = 0, last_count = 0;
    std::string previous = tail;
    while (attempts <= kLimit + 9 && length < kLimit) {
        uint32_t rows = 0;
        std::string first;
        if (tail.size() == 2) {
            bench::RawConnection db(file);
            sqlite3_create_function(db.get(), "RANDOM", 1, SQLITE_UTF8, &engine, RawRandom, nullptr, nullptr);
            db.Run(kChainSql, {tail}, [&](sqlite3_stmt* stmt) {
                std::string id = bench::Text(stmt, 0);
                std::string idiom = bench::Text(stmt, 1);
                if (rows++ == 0)
                    first = std::move(idiom);
            });
        }
        ++attempts;
        if (rows > 0) {
            lines.push_back(first);
            ++length;
            previous = tail;
            last_count = static_cast<int>(rows);
            tail = first.size() >= 2 ? first.substr(first.size() - 2) : std::string();
        } else if (last_count > 1) {
            lines.pop_back();
            tail = previous;
        } else {
            break;
        }
    }
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : " --> ") + line;
    return joined;
}

} // namespace

int main()
{
    const std::string file = bench::SyntheticStore();
    // A seed whose tail starts many idioms: the first idiom's last character.
    std::string seed;
    {
        bench::RawConnection db(file);
        db.Run("select tirsel from tirsel where id = 1", {}, [&](sqlite3_stmt* stmt) { seed = bench::Text(stmt, 0); });
    }
    bench::TBenchView view;
    TIdiomStore store(file);
    TMainLogic logic(view, store);
    std::string raw;
    bench::Compare(
        "chain_50", 9,
        [&] {
            logic.Store().SetRandomSource(std::make_shared<TRandomSource>(kSeed));
            logic.StartChain(seed, std::to_string(kLimit));
        },
        [&] { raw = RawChain(file, seed.substr(seed.size() - 2)); });
    std::fprintf(stderr, "chain_50: seed %s, %d steps, %d idioms counted, %s\n", GbkToUtf8(seed).c_str(),
                 logic.Chain().Attempts, logic.Chain().ChainLength,
                 raw == view.memo ? "same chain as the baseline" : "CHAIN DIFFERS FROM THE BASELINE");
    return 0;
}
