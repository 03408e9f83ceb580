// Result tables: kinds, cells, the cursor and the readers.
#include <doctest/doctest.h>

#include <limits>

#include "data/gob.h"
#include "data/sqlite_table3.h"
#include "tests/support/message_of.h"
#include "tests/support/temp_dir.h"

namespace {

struct Store {
    TempDir dir;
    std::string file = dir.File("table.edt");
    TSQLiteDatabase db{file, gob::DatabaseKey};
};

} // namespace

TEST_CASE("an empty result")
{
    Store s;
    s.db.ExecSQL("create table t (id INTEGER, name TEXT)");
    auto table = s.db.GetTable("select id, name from t");
    CHECK(table->RowCount() == 0);
    CHECK(table->ColCount() == 0);
    CHECK(table->Eof());
    CHECK_FALSE(table->Next());
    CHECK(MessageOf([&] { table->FieldIndex("id"); }) == "Field id Not found. Empty dataset");
    CHECK(MessageOf([&] { table->FieldAsString(0); }) == "Table is at End of File");
    CHECK(MessageOf([&] { table->FieldAsInteger(0); }) == "Table is at End of File");
    CHECK(MessageOf([&] { table->FieldAsBlobText(0); }) == "Table is at End of File");
}

TEST_CASE("FieldIndex is case-insensitive and repeats the caller's letters")
{
    Store s;
    s.db.ExecSQL("create table t (id INTEGER, tirsel TEXT, py2 TEXT, Tirsel2 TEXT)");
    s.db.ExecSQL("insert into t values (1, 'a', 'b', 'c')");
    auto table = s.db.GetTable("select id, tirsel, py2, tirsel2, tirsel from t");
    CHECK(table->ColNames() == std::vector<std::string>{"ID", "TIRSEL", "PY2", "TIRSEL2", "TIRSEL"});
    CHECK(table->FieldIndex("TiRsEl") == 1);  // the first of two equal names
    CHECK(table->FieldIndex("Py2") == 2);
    CHECK(MessageOf([&] { table->FieldIndex("PinYin"); }) == "Field not found in dataset: PinYin");
}

TEST_CASE("column names of GBK text keep their trail bytes")
{
    Store s;
    // 乡 is 0xCF 0xE7, 亚 0xD1 0xC7; 丂 (0x81 0x40) and 乗 (0x81 0x74) carry ASCII trail bytes
    const std::string name = "\x81\x74\x61";  // trail byte 't', then a real 'a'
    CHECK(UpperCaseAnsi(name) == "\x81\x74\x41");
    CHECK(UpperCaseAnsi("abc\xCF\xE7z") == "ABC\xCF\xE7Z");
}

TEST_CASE("declared types decide the kind, exactly and case-sensitively")
{
    Store s;
    s.db.ExecSQL("create table t (a INTEGER, b BOOLEAN, c NUMERIC, d FLOAT, e DOUBLE, f REAL, g BLOB, "
                 "h boolean, i INT, j TEXT, k VARCHAR(20), l Double)");
    s.db.ExecSQL("insert into t values (1, 1, 2.5, 2.5, 2.5, 2.5, x'00', 7, 8, 't', 'v', 3.5)");
    auto table = s.db.GetTable("select * from t");
    const std::vector<int32_t> expected{1, 1, 2, 2, 2, 2, 4, 3, 3, 3, 3, 3};
    for (size_t c = 0; c < expected.size(); ++c) {
        CAPTURE(c);
        CHECK(table->ColTypes().at(c) == expected[c]);
    }
    // (the engine itself spells its standard type names in capitals, so the
    // lower-case forms that reach us are the non-standard ones)
    // an abbreviated or lower-case integer type is read as the engine's text
    CHECK(table->FieldAsString(7) == "7");
    CHECK(MessageOf([&] { table->FieldAsInteger(8); }) == "Not an integer or numeric field");
    CHECK(table->FieldAsString(11) == "3.5");
    CHECK(table->FieldText(2) == "2.5");
}

TEST_CASE("NULL through every reader of every kind")
{
    Store s;
    s.db.ExecSQL("create table t (i INTEGER, f REAL, x TEXT, b BLOB)");
    s.db.ExecSQL("insert into t values (NULL, NULL, NULL, NULL)");
    auto table = s.db.GetTable("select * from t");

    CHECK(table->FieldAsString(0) == "");
    CHECK(table->FieldText(0) == "0");
    CHECK(table->FieldAsInteger(0) == 0);
    CHECK(table->FieldAsDouble(0) == 0.0);
    CHECK(table->FieldAsBlob(0) == nullptr);
    CHECK(table->FieldAsBlobText(0) == "");

    CHECK(table->FieldText(1) == "0");
    CHECK(table->FieldAsString(1) == "");
    CHECK(table->FieldText(2) == "");
    CHECK(table->FieldAsInteger(2) == 0);  // an empty cell is tested before the kind
    CHECK(table->FieldAsBlob(3) == nullptr);
    CHECK(table->FieldText(3) == "");
}

TEST_CASE("numbers as text and as numbers")
{
    Store s;
    s.db.ExecSQL("create table t (i INTEGER, f REAL, x TEXT)");
    s.db.ExecSQL("insert into t values (-42, 0.1, 'txt'), (9007199254740993, 1e300, ''), (0, -2.75, 'a')");
    auto table = s.db.GetTable("select * from t");
    CHECK(table->FieldAsString(0) == "-42");
    CHECK(table->FieldText(1) == "0.1");
    CHECK(table->FieldAsInteger(1) == 0);
    CHECK(table->FieldAsDouble(0) == -42.0);
    CHECK(MessageOf([&] { table->FieldAsDouble(2); }) == "Not an integer or numeric field");
    CHECK(MessageOf([&] { table->FieldAsBlob(0); }) == "Not a Blob field");
    CHECK(MessageOf([&] { table->FieldAsBlobText(2); }) == "Not a Blob field");
    table->Next();
    CHECK(table->FieldAsInteger(0) == 9007199254740993LL);
    CHECK(table->FieldText(1) == "1e+300");
    // beyond the 64-bit range the conversion saturates instead of being undefined
    CHECK(table->FieldAsInteger(1) == std::numeric_limits<int64_t>::max());
    table->Next();
    CHECK(table->FieldAsInteger(1) == -2);  // toward zero
    CHECK(table->FieldText(1) == "-2.75");

    auto low = s.db.GetTable("select -1e300 as v");
    CHECK(low->FieldAsInteger(0) == std::numeric_limits<int64_t>::min());
}

TEST_CASE("expression columns take their kind from the first row")
{
    Store s;
    s.db.ExecSQL("create table t (v)");
    s.db.ExecSQL("insert into t values (NULL), (5), ('x')");

    auto counted = s.db.GetTable("select count(*) from t");
    CHECK(counted->ColTypes() == std::vector<int32_t>{1});
    CHECK(counted->FieldAsInteger(0) == 3);

    auto nulls = s.db.GetTable("select v from t");
    CHECK(nulls->ColTypes() == std::vector<int32_t>{5});
    for (; !nulls->Eof(); nulls->Next())
        CHECK(nulls->FieldAsString(0) == "");

    auto mixed = s.db.GetTable("select v from t where v is not null");
    CHECK(mixed->ColTypes() == std::vector<int32_t>{1});
    mixed->Next();
    CHECK(mixed->FieldAsInteger(0) == 0);  // 'x' read as an integer by the engine
}

TEST_CASE("a zero byte cuts text but not blobs")
{
    Store s;
    s.db.ExecSQL("create table t (x TEXT, b BLOB)");
    s.db.ExecSQL("insert into t values (cast(x'610062' as text), x'610062'), ('', x'')");
    auto table = s.db.GetTable("select * from t");
    CHECK(table->FieldAsString(0) == "a");
    CHECK(table->FieldAsBlobText(1) == std::string("a\0b", 3));
    CHECK(table->FieldAsString(1) == std::string("a\0b", 3));
    REQUIRE(table->FieldAsBlob(1) != nullptr);
    CHECK(table->FieldAsBlob(1)->Size() == 3);
    table->Next();
    CHECK(table->FieldAsBlob(1) == nullptr);  // zero bytes read as null
    CHECK(table->FieldAsString(1) == "");
}

TEST_CASE("empty texts, also as the very first value of a result")
{
    Store s;
    auto table = s.db.GetTable("select '' as a, 'x' as b union all select 'yy', ''");
    CHECK(table->FieldAsString(0) == "");
    CHECK(table->FieldAsString(1) == "x");
    table->Next();
    CHECK(table->FieldAsString(0) == "yy");
    CHECK(table->FieldAsString(1) == "");
}

TEST_CASE("small and large results keep every value, texts of every length included")
{
    Store s;
    for (int rows : {1, 63, 64, 65, 300, 4096, 5000, 20000}) {
        CAPTURE(rows);
        auto table = s.db.GetTable("with recursive c(x) as (select 1 union all select x + 1 from c where x < " +
                                   std::to_string(rows) + ") select x, 'v' || x, substr(hex(zeroblob(x % 1400)), 1, x % 1400) from c");
        REQUIRE(table->RowCount() == static_cast<uint32_t>(rows));
        bool all = true;
        for (int x = 1; !table->Eof(); ++x, table->Next())
            all = all && table->FieldAsInteger(0) == x && table->FieldAsString(1) == "v" + std::to_string(x) &&
                  table->FieldAsString(2) == std::string(static_cast<size_t>(x % 1400), '0');
        CHECK(all);
    }
}

TEST_CASE("the cursor moves forward once past the last row")
{
    Store s;
    s.db.ExecSQL("create table t (v INTEGER)");
    s.db.ExecSQL("insert into t values (1), (2)");
    auto table = s.db.GetTable("select v from t");
    CHECK(table->Row() == 0);
    CHECK(table->Next());
    CHECK(table->FieldAsInteger(0) == 2);
    CHECK(table->Next());  // reaching the end still answers true
    CHECK(table->Eof());
    CHECK(table->Row() == 2);
    CHECK_FALSE(table->Next());
    CHECK(table->Row() == 2);
}

TEST_CASE("column indexes outside the table raise instead of reading outside it")
{
    Store s;
    s.db.ExecSQL("create table t (a TEXT, b TEXT)");
    s.db.ExecSQL("insert into t values ('1', '2'), ('3', '4')");
    auto table = s.db.GetTable("select * from t");
    CHECK(MessageOf([&] { table->FieldAsString(2); }) == "Column index 2 out of range 0..1");
    CHECK(MessageOf([&] { table->FieldAsInteger(4000000000u); }) == "Column index 4000000000 out of range 0..1");
    CHECK(table->FieldAsString(1) == "2");
}

TEST_CASE("a table stays readable after its connection is gone")
{
    TempDir dir;
    std::unique_ptr<TSQLiteTable> table;
    {
        TSQLiteDatabase db(dir.File("gone.edt"), gob::DatabaseKey);
        db.ExecSQL("create table t (id INTEGER, b BLOB)");
        db.ExecSQL("insert into t values (7, x'0102')");
        table = db.GetTable("select * from t");
    }
    CHECK(table->FieldAsInteger(0) == 7);
    CHECK(table->FieldAsBlobText(1) == "\x01\x02");
}

TEST_CASE("a result read in batches reads as the whole table does")
{
    Store s;
    s.db.ExecSQL("create table t (id INTEGER, name TEXT, price REAL, data BLOB)");
    s.db.ExecSQL("with recursive c(x) as (select 1 union all select x + 1 from c where x < 2500) "
                 "insert into t select x, case when x % 7 = 0 then null else 'n' || x end, x / 4.0, "
                 "case when x % 5 = 0 then x'00ff' else null end from c");
    const std::string sql = "select * from t order by id";
    auto whole = s.db.GetTable(sql);
    REQUIRE(whole->RowCount() == 2500);

    for (uint32_t batch_rows : {1u, 7u, 1024u, 2500u, 10000u}) {
        CAPTURE(batch_rows);
        std::vector<uint32_t> sizes;
        bool same = true;
        whole = s.db.GetTable(sql);
        TSQLiteTable::ForEachBatch(s.db, sql, {}, batch_rows, [&](TSQLiteTable& batch) {
            sizes.push_back(batch.RowCount());
            same = same && batch.Row() == 0 && batch.ColNames() == whole->ColNames() &&
                   batch.ColTypes() == whole->ColTypes() && batch.FieldIndex("NAME") == 1;
            for (; !batch.Eof(); batch.Next(), whole->Next())
                for (uint32_t c = 0; c < 4; ++c)
                    same = same && batch.FieldAsString(c) == whole->FieldAsString(c) &&
                           batch.FieldText(c) == whole->FieldText(c);
        });
        CHECK(same);
        CHECK(whole->Eof());
        uint32_t total = 0;
        for (uint32_t n : sizes) {
            CHECK(n <= batch_rows);
            total += n;
        }
        CHECK(total == 2500);
        CHECK(sizes.size() == (2500 + batch_rows - 1) / batch_rows);
    }
}

TEST_CASE("reading in batches: no rows means no call, and failures are the table's")
{
    Store s;
    s.db.ExecSQL("create table t (id INTEGER)");
    int calls = 0;
    TSQLiteTable::ForEachBatch(s.db, "select id from t", {}, 10, [&](TSQLiteTable&) { ++calls; });
    CHECK(calls == 0);
    const std::string table_error = MessageOf([&] { s.db.GetTable("select * from missing"); });
    CHECK(MessageOf([&] {
              TSQLiteTable::ForEachBatch(s.db, "select * from missing", {}, 10, [&](TSQLiteTable&) { ++calls; });
          }) == table_error);
    CHECK(calls == 0);

    SUBCASE("an exception from a batch stops the reading and reaches the caller")
    {
        s.db.ExecSQL("insert into t values (1), (2), (3)");
        CHECK(MessageOf([&] {
                  TSQLiteTable::ForEachBatch(s.db, "select id from t", {}, 1, [&](TSQLiteTable&) {
                      if (++calls == 2)
                          throw ESQLiteException("stop");
                  });
              }) == "stop");
        CHECK(calls == 2);
        // The connection is usable afterwards.
        CHECK(s.db.GetTable("select count(*) from t")->FieldAsInteger(0) == 3);
    }
}
