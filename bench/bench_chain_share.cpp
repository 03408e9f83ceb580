// How often the chain game completes with the bundled idioms: every bundled
// idiom is a seed, a game of 10 is played (seeded, so runs compare), and the
// share of games that end with ten idioms is printed.
#include <filesystem>

#include "app/main_logic.h"
#include "bench/bench_support.h"
#include "data/gbk.h"
#include "tools/store_builder/idiom_source.h"

int main()
{
    const std::filesystem::path sources = std::filesystem::path(QUORLEN_SOURCE_DIR) / "assets" / "idioms";
    const IdiomEntries entries = ReadIdiomInputs({sources});
    const std::filesystem::path store = std::filesystem::path(QUORLEN_BENCH_CACHE) / "bundle.edt";
    std::filesystem::create_directories(store.parent_path());
    WriteStore(entries, store);

    bench::TBenchView view;
    TIdiomStore idioms(store.string());
    idioms.SetRandomSource(std::make_shared<TRandomSource>(20261208));
    TMainLogic logic(view, idioms);

    size_t complete = 0;
    for (const IdiomEntry& entry : entries) {
        logic.StartChain(*Utf8ToGbk(entry.idiom), "10");
        size_t links = 0;
        for (size_t at = view.memo.find(" --> "); at != std::string::npos; at = view.memo.find(" --> ", at + 1))
            ++links;
        if (!view.memo.empty() && links + 1 == 10)
            ++complete;
    }
    PrintValue("chain share of bundled seeds completing 10 (" + std::to_string(entries.size()) + " seeds)",
               100.0 * static_cast<double>(complete) / static_cast<double>(entries.size()), "%");
    return 0;
}
