// The data layer's cost over the bare engine: reading the start-up list
// (three columns of every idiom) into a result table and walking it by name.
#include <filesystem>
#include <random>
#include <string>

#include <sqlite3.h>

#include "bench/bench_timing.h"
#include "data/gob.h"
#include "data/sqlite_table3.h"

namespace {

constexpr int kRows = 51470;

// Random GBK characters from the GB2312 hanzi block, deterministic.
std::string Hanzi(std::mt19937& rng, int count)
{
    std::uniform_int_distribution<int> lead(0xB0, 0xD7), trail(0xA1, 0xFE);
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += static_cast<char>(lead(rng));
        s += static_cast<char>(trail(rng));
    }
    return s;
}

std::string Pinyin(std::mt19937& rng, int syllables)
{
    static const char* kSyllables[] = {"yi", "ma", "dang", "xian", "bu", "zhi", "suo", "yun", "qian", "li",
                                       "zhong", "shan", "shui", "feng", "hua", "xue", "yue", "tian", "di", "ren"};
    std::uniform_int_distribution<int> pick(0, 19);
    std::string s;
    for (int i = 0; i < syllables; ++i)
        s += kSyllables[pick(rng)];
    return s;
}

std::string MakeStore()
{
    std::filesystem::create_directories(QUORLEN_BENCH_CACHE);
    const std::string file = std::string(QUORLEN_BENCH_CACHE) + "/data-layer.edt";
    if (std::filesystem::exists(file))
        return file;
    const std::string partial = file + ".part";
    std::filesystem::remove(partial);
    {
        TSQLiteDatabase db(partial, gob::DatabaseKey);
        db.ExecSQL("create table tirsel (id INTEGER, tirsel TEXT, pingyin TEXT, diangu TEXT, chuchu TEXT, "
                   "lizi TEXT, jinyi TEXT, fanyi TEXT, oth TEXT, py2 TEXT)");
        db.ExecSQL("BEGIN");
        std::mt19937 rng(20261208);
        std::uniform_int_distribution<int> len(20, 120);
        for (int id = 1; id <= kRows; ++id) {
            db.ExecSQL("insert into tirsel values (?,?,?,?,?,?,?,?,?,?)",
                       {TBindValue::Integer(id), TBindValue::String(Hanzi(rng, 4)),
                        TBindValue::String(Pinyin(rng, 4)), TBindValue::String(Hanzi(rng, len(rng))),
                        TBindValue::String(Hanzi(rng, len(rng) / 2)), TBindValue::String(Hanzi(rng, len(rng) / 2)),
                        TBindValue::String(Hanzi(rng, 8)), TBindValue::String(Hanzi(rng, 8)),
                        TBindValue::String(Hanzi(rng, len(rng) * 2)), TBindValue::String(Pinyin(rng, 4))});
        }
        db.ExecSQL("COMMIT");
    }
    std::filesystem::rename(partial, file);
    return file;
}

} // namespace

int main()
{
    const std::string file = MakeStore();
    const std::string sql = "select id,tirsel,py2 from tirsel";
    size_t sink = 0;

    TSQLiteDatabase db(file, gob::DatabaseKey);
    sqlite3* raw = nullptr;
    sqlite3_open(file.c_str(), &raw);
    sqlite3_key(raw, gob::DatabaseKey, gob::DatabaseKeyLength);

    const auto [layer, bare] = PairedMediansMs(21, [&] {
        auto table = db.GetTable(sql);
        for (; !table->Eof(); table->Next()) {
            sink += table->FieldAsString(table->FieldIndex("id")).size();
            sink += table->FieldAsString(table->FieldIndex("tirsel")).size();
            sink += table->FieldAsString(table->FieldIndex("py2")).size();
        }
    }, [&] {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < 3; ++c)
                sink += std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))).size();
        sqlite3_finalize(stmt);
    });
    sqlite3_close(raw);

    PrintRatio("data layer start-up list (GetTable + walk)", layer, bare);
    return sink == 0;  // keeps the reads from being optimised away
}
