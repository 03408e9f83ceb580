// Connections: opening, keys, statements without rows, errors, busy files,
// transactions and the functions every connection carries.
#include <doctest/doctest.h>

#include <sqlite3.h>

#include "data/gob.h"
#include "data/sqlite_engine.h"
#include "data/sqlite_table3.h"
#include "tests/support/message_of.h"
#include "tests/support/temp_dir.h"

namespace {

void MakeStore(const std::string& file, const char* key)
{
    TSQLiteDatabase db(file, key);
    db.ExecSQL("create table t (id INTEGER, name TEXT)");
    db.ExecSQL("insert into t values (1, 'one'), (2, 'two'), (3, 'three')");
}

} // namespace

TEST_CASE("error texts cover every listed code and format unknown ones")
{
    CHECK(SQLiteErrorText(0) == "Successful result");
    CHECK(SQLiteErrorText(5) == "The database file is locked");
    CHECK(SQLiteErrorText(19) == "Abort due to contraint violation");
    CHECK(SQLiteErrorText(26) == "File opened that is not a database file");
    CHECK(SQLiteErrorText(101) == "sqlite3_step() has finished executing");
    CHECK(SQLiteErrorText(27) == "Unknown SQLite Error Code \"27\"");
    CHECK(SQLiteErrorText(-3) == "Unknown SQLite Error Code \"-3\"");
}

TEST_CASE("opening files")
{
    TempDir dir;

    SUBCASE("a missing file is created empty and its first select fails in preparation")
    {
        const std::string file = dir.File("new.edt");
        TSQLiteDatabase db(file, gob::DatabaseKey);
        CHECK(std::filesystem::exists(file));
        CHECK(MessageOf([&] { db.GetTable("select * from tirsel"); }) ==
              "Error executing SQL.\rError [1]: SQL error or missing database.\r\"error\": no such table: tirsel");
    }

    SUBCASE("a path that can be neither opened nor created fails in the constructor")
    {
        const std::string file = dir.File("no/such/folder/x.edt");
        const std::string message = MessageOf([&] { TSQLiteDatabase db(file, gob::DatabaseKey); });
        CHECK(message.rfind("Failed to open database \"" + file + "\" : ", 0) == 0);
        CHECK(message.size() > ("Failed to open database \"" + file + "\" : ").size());
    }
}

TEST_CASE("the key: four bytes decide, another key fails with the engine's details")
{
    TempDir dir;
    const std::string file = dir.File("keyed.edt");
    MakeStore(file, gob::DatabaseKey);

    SUBCASE("same first four bytes")
    {
        std::string other = gob::DatabaseKey;
        other.replace(4, std::string::npos, "0000000X");
        TSQLiteDatabase db(file, other.c_str());
        CHECK(db.GetTable("select * from t")->RowCount() == 3);
    }
    SUBCASE("a different key")
    {
        TSQLiteDatabase db(file, "abcd1234567Z");
        CHECK(MessageOf([&] { db.GetTable("select * from t"); }) ==
              "Error executing SQL.\rError [26]: File opened that is not a database file.\r\"error\": "
              "file is not a database");
    }
    SUBCASE("no key at all cannot read the file")
    {
        sqlite3* raw = nullptr;
        REQUIRE(sqlite3_open(file.c_str(), &raw) == SQLITE_OK);
        CHECK(sqlite3_exec(raw, "select * from t", nullptr, nullptr, nullptr) == SQLITE_NOTADB);
        sqlite3_close(raw);
    }
    SUBCASE("a key shorter than four bytes is padded, never read past its end")
    {
        const std::string short_file = dir.File("short.edt");
        MakeStore(short_file, "ab");
        const char padded[4] = {'a', 'b', 0, 0};
        std::string same(padded, 4);
        TSQLiteDatabase db(short_file, same.c_str());
        CHECK(db.GetTable("select * from t")->RowCount() == 3);
    }
}

TEST_CASE("statements that fail")
{
    TempDir dir;
    const std::string file = dir.File("s.edt");
    MakeStore(file, gob::DatabaseKey);
    TSQLiteDatabase db(file, gob::DatabaseKey);

    CHECK(MessageOf([&] { db.GetTable(""); }) == "Could not prepare SQL statement");
    CHECK(MessageOf([&] { db.ExecSQL("  -- only a comment"); }) == "Could not prepare SQL statement");
    CHECK(MessageOf([&] { db.GetTable("selec * from t"); }) ==
          "Error executing SQL.\rError [1]: SQL error or missing database.\r\"error\": near \"selec\": syntax error");
    // the reset clears the engine's error state, so the message stands alone
    CHECK(MessageOf([&] { db.ExecSQL("select * from t"); }) == "Error executing SQL statement");

    // the connection stays usable after each failure
    CHECK(db.GetTable("select * from t")->RowCount() == 3);
    db.ExecSQL("insert into t values (4, 'four')");
    CHECK(db.GetTable("select * from t")->RowCount() == 4);
}

TEST_CASE("a database locked by another connection fails at once")
{
    TempDir dir;
    const std::string file = dir.File("busy.edt");
    MakeStore(file, gob::DatabaseKey);

    TSQLiteDatabase reader(file, gob::DatabaseKey);
    reader.GetTable("select * from t");  // schema now read

    TSQLiteDatabase writer(file, gob::DatabaseKey);
    writer.ExecSQL("BEGIN EXCLUSIVE");
    writer.ExecSQL("insert into t values (9, 'nine')");

    CHECK(MessageOf([&] { reader.GetTable("select * from t"); }) == "Could not prepare SQL statement");

    TSQLiteDatabase fresh(file, gob::DatabaseKey);
    CHECK(MessageOf([&] { fresh.GetTable("select * from t"); }) ==
          "Error executing SQL.\rError [5]: The database file is locked.\r\"error\": database is locked");

    writer.ExecSQL("ROLLBACK");
    CHECK(reader.GetTable("select * from t")->RowCount() == 3);
}

TEST_CASE("OnQuery sees each statement after preparation and before binding")
{
    TempDir dir;
    const std::string file = dir.File("q.edt");
    MakeStore(file, gob::DatabaseKey);
    TSQLiteDatabase db(file, gob::DatabaseKey);

    std::vector<std::string> seen;
    db.SetOnQuery([&](TSQLiteDatabase& d, const std::string& sql) {
        CHECK(&d == &db);
        seen.push_back(sql);
    });
    db.GetTable("select * from t");
    CHECK_THROWS_AS(db.GetTable("select * from nowhere"), ESQLiteException);  // never prepared
    // prepared, then binding fails: the handler has already run
    CHECK_THROWS_AS(TSQLiteTable(db, "select * from t where id = ?", {TBindValue::Pointer(&seen)}), ESQLiteException);
    CHECK(seen == std::vector<std::string>{"select * from t", "select * from t where id = ?"});
}

TEST_CASE("InTransaction: rollback on close, and the destructor never throws")
{
    TempDir dir;
    const std::string file = dir.File("tx.edt");
    MakeStore(file, gob::DatabaseKey);

    SUBCASE("an open transaction is rolled back when the connection closes")
    {
        {
            TSQLiteDatabase db(file, gob::DatabaseKey);
            db.ExecSQL("BEGIN");
            db.SetInTransaction(true);
            db.ExecSQL("delete from t");
            db.Close();
            CHECK_FALSE(db.InTransaction());
        }
        TSQLiteDatabase check(file, gob::DatabaseKey);
        CHECK(check.GetTable("select * from t")->RowCount() == 3);
    }
    SUBCASE("Rollback clears the flag")
    {
        TSQLiteDatabase db(file, gob::DatabaseKey);
        db.ExecSQL("BEGIN");
        db.SetInTransaction(true);
        db.Rollback();
        CHECK_FALSE(db.InTransaction());
    }
    SUBCASE("a failing rollback is reported by Close, swallowed by the destructor")
    {
        TSQLiteDatabase db(file, gob::DatabaseKey);
        db.SetInTransaction(true);  // no transaction is open, so ROLLBACK fails
        CHECK(MessageOf([&] { db.Close(); }).rfind("Error executing SQL statement.\rError [1]", 0) == 0);

        auto other = std::make_unique<TSQLiteDatabase>(file, gob::DatabaseKey);
        other->SetInTransaction(true);
        CHECK_NOTHROW(other.reset());
    }
}

TEST_CASE("RANDOM takes one argument and follows a seeded source across connections")
{
    TempDir dir;
    const std::string file = dir.File("r.edt");
    {
        TSQLiteDatabase db(file, gob::DatabaseKey);
        db.ExecSQL("create table t (id INTEGER)");
        db.ExecSQL("with recursive n(i) as (select 1 union all select i + 1 from n where i < 200) "
                   "insert into t select i from n");
    }
    auto order = [&](std::shared_ptr<TRandomSource> source) {
        std::string ids;
        for (int pass = 0; pass < 2; ++pass) {
            TSQLiteDatabase db(file, gob::DatabaseKey);
            db.SetRandomSource(source);
            auto table = db.GetTable("select id from t order by RANDOM(id) ");
            for (int i = 0; i < 5 && !table->Eof(); ++i, table->Next())
                ids += table->FieldAsString(0) + ",";
            ids += "|";
        }
        return ids;
    };
    const std::string a = order(std::make_shared<TRandomSource>(42));
    CHECK(a == order(std::make_shared<TRandomSource>(42)));
    CHECK(a != order(std::make_shared<TRandomSource>(43)));
    // two connections sharing a source draw different orders
    CHECK(a.substr(0, a.find('|')) != a.substr(a.find('|') + 1));
    CHECK(a.rfind("1,2,3,4,5,", 0) != 0);
}
