// Positional bindings by tag and named parameters.
#include <doctest/doctest.h>

#include <cstring>

#include "data/gob.h"
#include "data/sqlite_table3.h"
#include "tests/support/message_of.h"
#include "tests/support/temp_dir.h"

namespace {

struct Store {
    TempDir dir;
    TSQLiteDatabase db{dir.File("bind.edt"), gob::DatabaseKey};
    Store()
    {
        db.ExecSQL("create table t (name TEXT, v)");
        db.ExecSQL("insert into t values ('a', 1), ('abc', 2), ('一马当先', 3)");
    }
    // The value the engine received for a single parameter, with its type.
    std::pair<std::string, std::string> Echo(const TBindValue& value)
    {
        TSQLiteTable table(db, "select typeof(?1), quote(?1)", {value});
        return {table.FieldAsString(0), table.FieldAsString(1)};
    }
    uint32_t Count(const std::string& where, const TBindings& bindings)
    {
        return TSQLiteTable(db, "select name from t where " + where, bindings).RowCount();
    }
};

// A stream that is not an in-memory one: the binder must copy it.
class CountingStream : public TStream {
public:
    explicit CountingStream(int64_t size) : size_(size) {}
    int64_t Size() const override { return size_; }
    int64_t Position() const override { return pos_; }
    void Seek(int64_t p) override { pos_ = p; }
    int64_t Read(void* buffer, int64_t count) override
    {
        auto* out = static_cast<unsigned char*>(buffer);
        int64_t n = 0;
        for (; n < count && pos_ < size_; ++n, ++pos_)
            out[n] = static_cast<unsigned char>('A' + pos_ % 26);
        return n;
    }

private:
    int64_t size_;
    int64_t pos_ = 3;  // not at the start: the binder reads from position 0
};

} // namespace

TEST_CASE("each tag reaches the engine as its value")
{
    Store s;
    using P = std::pair<std::string, std::string>;
    CHECK(s.Echo(TBindValue::Integer(-7)) == P{"integer", "-7"});
    CHECK(s.Echo(TBindValue::Boolean(true)) == P{"integer", "1"});
    CHECK(s.Echo(TBindValue::Int64(1LL << 40)) == P{"integer", "1099511627776"});
    CHECK(s.Echo(TBindValue::Extended(2.5L)) == P{"real", "2.5"});
    CHECK(s.Echo(TBindValue::Char('q')) == P{"text", "'q'"});
    CHECK(s.Echo(TBindValue::String("it's")) == P{"text", "'it''s'"});
    CHECK(s.Echo(TBindValue::PChar("zero-terminated")) == P{"text", "'zero-terminated'"});
    CHECK(s.Echo(TBindValue::WideChar(u'Z')) == P{"text", "'Z'"});
    CHECK(s.Echo(TBindValue::WideString(u"\u00e9t\u00e9")) == P{"text", "'\xC3\xA9t\xC3\xA9'"});
    CHECK(s.Echo(TBindValue::PWideChar(u"wide")) == P{"text", "'wide'"});
    CHECK(s.Echo(TBindValue::Pointer(nullptr)) == P{"null", "NULL"});

    TMemoryStream memory(std::vector<uint8_t>{1, 2, 3, 4});
    memory.Seek(1);  // from the current position to the end
    CHECK(s.Echo(TBindValue::Object(&memory)) == P{"blob", "X'020304'"});

    CountingStream other(5);
    CHECK(s.Echo(TBindValue::Object(&other)) == P{"blob", "X'4142434445'"});
}

TEST_CASE("counted strings and characters match stored text exactly")
{
    Store s;
    CHECK(s.Count("name = ?", {TBindValue::String("abc")}) == 1);
    CHECK(s.Count("name = ?", {TBindValue::Char('a')}) == 1);
    CHECK(s.Count("name = ?", {TBindValue::String("\xD2\xBB\xC2\xED\xB5\xB1\xCF\xC8")}) == 0);  // GBK, stored UTF-8
    CHECK(s.Count("name = ?", {TBindValue::String("一马当先")}) == 1);
    CHECK(s.Count("name like ?", {TBindValue::String("a%")}) == 2);
    // a string with a zero byte inside is bound whole, so it matches nothing
    CHECK(s.Count("name = ?", {TBindValue::String(std::string("a\0", 2))}) == 0);
}

TEST_CASE("converted and borrowed texts survive until the statement is done")
{
    Store s;
    // each conversion makes a temporary; the rows must still compare against it
    TSQLiteTable table(s.db, "select ?1 || ?2 || ?3",
                       {TBindValue::WideString(u"first-"), TBindValue::WideChar(u'x'), TBindValue::Char('!')});
    CHECK(table.FieldAsString(0) == "first-x!");
}

TEST_CASE("bindings the engine or the binder refuse")
{
    Store s;
    const std::string range = ".\rError [25]: 2nd parameter to sqlite3_bind out of range.\r\"error\": column index out of range";
    auto refuse = [&](const TBindValue& v) {
        return MessageOf([&] { TSQLiteTable t(s.db, "select 1", {v}); });
    };
    CHECK(refuse(TBindValue::Integer(1)) == "Could not bind integer" + range);
    CHECK(refuse(TBindValue::Boolean(false)) == "Could not bind boolean" + range);
    CHECK(refuse(TBindValue::Int64(1)) == "Could not bind int64" + range);
    CHECK(refuse(TBindValue::Extended(1)) == "Could not bind extended" + range);
    CHECK(refuse(TBindValue::Char('c')) == "Could not bind text" + range);
    CHECK(refuse(TBindValue::String("s")) == "Could not bind text" + range);
    CHECK(refuse(TBindValue::PChar("p")) == "Could not bind text" + range);
    CHECK(refuse(TBindValue::WideString(u"w")) == "Could not bind text" + range);
    CHECK(refuse(TBindValue::Pointer(nullptr)) == "Could not bind null" + range);
    TMemoryStream memory(std::vector<uint8_t>{1});
    CHECK(refuse(TBindValue::Object(&memory)) == "Could not bind BLOB" + range);
    CountingStream other(2);
    CHECK(refuse(TBindValue::Object(&other)) == "Could not bind BLOB" + range);

    int x = 0;
    CHECK(refuse(TBindValue::Pointer(&x)) == "Unhandled pointer (<> nil)");
    TObject plain;
    CHECK(refuse(TBindValue::Object(&plain)) == "Unhandled object-type in binding");
    CHECK(refuse(TBindValue::Object(nullptr)) == "Unhandled object-type in binding");
    CountingStream empty(0);
    CHECK(refuse(TBindValue::Object(&empty)) == "Error getting memory to save blob");
    for (auto tag : {TBindValue::Tag::ClassRef, TBindValue::Tag::Currency, TBindValue::Tag::Variant,
                     TBindValue::Tag::Interface})
        CHECK(refuse(TBindValue::Unsupported(tag)) == "Unhandled binding");
}

TEST_CASE("the first failing binding ends the binding; the connection goes on")
{
    Store s;
    int x = 0;
    CHECK(MessageOf([&] {
              s.db.ExecSQL("insert into t values (?, ?)", {TBindValue::Pointer(&x), TBindValue::Integer(1)});
          }) == "Unhandled pointer (<> nil)");
    s.db.ExecSQL("insert into t values (?, ?)", {TBindValue::String("new"), TBindValue::Integer(9)});
    CHECK(s.Count("name = ?", {TBindValue::String("new")}) == 1);
}

TEST_CASE("named parameters bind by name once, then are gone")
{
    Store s;
    s.db.AddParamText(":name", "abc");
    s.db.AddParamInt("@missing", 5);  // not in the statement: skipped
    s.db.AddParam({":odd", 9, 0, 0, {}});  // unknown kind: nothing bound
    TSQLiteTable table(s.db, "select v, :odd is null from t where name = :name");
    CHECK(table.RowCount() == 1);
    CHECK(table.FieldAsInteger(0) == 2);
    CHECK(table.FieldAsInteger(1) == 1);
    CHECK(s.db.Params().empty());

    s.db.AddParamFloat("$f", 1.5);
    s.db.AddParamNull(":n");
    TSQLiteTable typed(s.db, "select $f * 2, :n is null");
    CHECK(typed.FieldAsDouble(0) == 3.0);
    CHECK(typed.FieldAsInteger(1) == 1);

    // cleared also when the positional binding that follows raises
    s.db.AddParamText(":name", "a");
    CHECK_THROWS_AS(TSQLiteTable(s.db, "select :name, ?", {TBindValue::Unsupported(TBindValue::Tag::Variant)}),
                    ESQLiteException);
    CHECK(s.db.Params().empty());
    // the text was copied by the engine: the list may die before the step
    s.db.AddParamText(":name", "abc");
    s.db.ExecSQL("update t set v = 20 where name = :name");
    CHECK(TSQLiteTable(s.db, "select v from t where name = 'abc'").FieldAsInteger(0) == 20);
}
