// Each quick-lookup mode end to end (list statement, list model, explanation of
// the first idiom) against the bare engine running the same statements.
#include "app/main_logic.h"
#include "app/search_query.h"
#include "bench/bench_support.h"
#include "data/gbk.h"

int main()
{
    const std::string file = bench::SyntheticStore();

    // Keywords cut from an idiom in the middle of the table, so every mode finds something.
    std::string idiom, key;
    {
        bench::RawConnection db(file);
        db.Run("select tirsel, py2 from tirsel where id = 25000", {}, [&](sqlite3_stmt* stmt) {
            idiom = bench::Text(stmt, 0);
            key = bench::Text(stmt, 1);
        });
    }
    // Whole double-byte characters: two from the start, the middle and the end.
    auto chars = [&](size_t from, size_t count) { return idiom.substr(from * 2, count * 2); };
    const size_t n = idiom.size() / 2;
    struct Mode {
        const char* name;
        SearchMode mode;
        std::string keyword;
    };
    const Mode modes[] = {
        {"lookup_fuzzy", SearchMode::Fuzzy, chars(n / 2 - 1, 2)},
        {"lookup_exact", SearchMode::Exact, idiom},
        {"lookup_head", SearchMode::Head, chars(0, 2)},
        {"lookup_tail", SearchMode::Tail, chars(n - 2, 2)},
        {"lookup_pinyin", SearchMode::Pinyin, key.substr(0, 4)},
    };

    bench::TBenchView view;
    TMainLogic logic(view, TIdiomStore(file));
    for (const Mode& m : modes) {
        const TListStatement statement = QuickLookupStatement(m.mode, m.keyword);
        bench::Compare(
            m.name, 21, [&] { logic.QuickLookup(m.keyword, static_cast<int>(m.mode)); },
            [&] { bench::RawList(file, statement.Sql, {m.keyword}); });
        std::fprintf(stderr, "%s: %s -> %u rows\n", m.name, GbkToUtf8(m.keyword).c_str(), view.rows);
    }

    // The GBK-aware LIKE against the engine's own on the same scans: on the
    // pinyin key both find the same rows; on Chinese text the engine's finds wrong ones.
    for (const Mode& m : {modes[4], modes[0]}) {
        const TListStatement statement = QuickLookupStatement(m.mode, m.keyword);
        auto scan = [&](bool engine_like) {
            bench::RawConnection db(file, engine_like);
            size_t rows = 0;
            db.Run(statement.Sql, {m.keyword}, [&](sqlite3_stmt*) { ++rows; });
            return rows;
        };
        bench::Compare(std::string("like_gbk_vs_engine_") + (m.mode == SearchMode::Pinyin ? "pinyin" : "fuzzy"), 21,
                       [&] { scan(false); }, [&] { scan(true); });
        std::fprintf(stderr, "%s rows: GBK LIKE %zu, engine LIKE %zu\n", m.name, scan(false), scan(true));
    }
    return 0;
}
