// The start-up list end to end: every idiom into the list model and the first
// one explained, against the bare engine doing the same statements by hand.
#include "app/main_logic.h"
#include "bench/bench_support.h"

int main()
{
    const std::string file = bench::SyntheticStore();
    bench::TBenchView view;
    TMainLogic logic(view, TIdiomStore(file));
    bench::Compare(
        "startup_list", 15, [&] { logic.StartUp(); },
        [&] { bench::RawList(file, "select id,tirsel,py2 from tirsel", {}); });
    if (view.rows != kSyntheticDefaultRows)
        std::fprintf(stderr, "startup_list: %u rows listed, expected %zu\n", view.rows, kSyntheticDefaultRows);
    return 0;
}
