// Memory of the full list against the bytes of the three columns it holds.
#include "app/main_logic.h"
#include "bench/bench_support.h"

int main()
{
    const std::string file = bench::SyntheticStore();
    bench::TBenchView view;
    TMainLogic logic(view, TIdiomStore(file));
    logic.StartUp();

    size_t column_bytes = 0;
    bench::RawConnection db(file);
    db.Run("select id,tirsel,py2 from tirsel", {}, [&](sqlite3_stmt* stmt) {
        for (int c = 0; c < 3; ++c)
            column_bytes += bench::Text(stmt, c).size();
    });
    const size_t list_bytes = logic.List().MemoryBytes();
    std::printf("bench list_memory: %zu bytes, baseline %zu bytes, ratio %.2f\n", list_bytes, column_bytes,
                static_cast<double>(list_bytes) / static_cast<double>(column_bytes));
    return 0;
}
