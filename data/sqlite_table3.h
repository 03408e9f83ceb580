#pragma once
// The program's only road to the database engine: a keyed connection that
// runs statements, and fully materialised result tables.
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/exception.h"
#include "data/sqlite_binding.h"
#include "data/streams.h"

struct sqlite3;
struct sqlite3_stmt;

class ESQLiteException : public Exception {
public:
    using Exception::Exception;
};

// Engine type codes, used for column kinds and named-parameter kinds.
enum : int32_t {
    kSQLiteInteger = 1,
    kSQLiteFloat = 2,
    kSQLiteText = 3,
    kSQLiteBlob = 4,
    kSQLiteNull = 5,
};

struct TSQLiteNamedParam {
    std::string Name;     // as the SQL writes it, prefix character included
    int32_t Kind = 0;     // 1 integer, 2 float, 3 text, 5 null; others are skipped
    int64_t IntValue = 0;
    double FloatValue = 0;
    std::string TextValue;
};

// The random order behind the one-argument RANDOM(x) of the chain statement.
// Shared by every connection it is given to, so a seeded source makes a whole
// game repeatable even though each step opens its own connection.
class TRandomSource {
public:
    TRandomSource() : engine_(std::random_device{}()) {}
    explicit TRandomSource(uint64_t seed) : engine_(seed) {}
    int64_t Next() { return static_cast<int64_t>(engine_()); }

private:
    std::mt19937_64 engine_;
};

class TSQLiteTable;

class TSQLiteDatabase {
public:
    using QueryHandler = std::function<void(TSQLiteDatabase& db, const std::string& sql)>;

    // Opens FileName (bytes passed unconverted) and keys it with the first
    // four bytes of Key. Raises ESQLiteException when the open fails.
    TSQLiteDatabase(const std::string& FileName, const char* Key);
    // Never throws: a failing rollback here is dropped. Call Close() to see it.
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    // Rolls back when InTransaction, then closes. May raise; closing twice is harmless.
    void Close();

    void ExecSQL(const std::string& SQL, const TBindings& Bindings = {});
    std::unique_ptr<TSQLiteTable> GetTable(const std::string& SQL);
    void Rollback();

    // Raises ESQLiteException with Message and the engine's current error.
    [[noreturn]] void RaiseError(const std::string& Message);
    void BindData(sqlite3_stmt* Statement, const TBindings& Bindings);
    void SetParams(sqlite3_stmt* Statement);
    void ParamsClear();
    void DoQuery(const std::string& SQL);

    void AddParam(TSQLiteNamedParam param) { params_.push_back(std::move(param)); }
    void AddParamInt(const std::string& name, int64_t value);
    void AddParamFloat(const std::string& name, double value);
    void AddParamText(const std::string& name, std::string value);
    void AddParamNull(const std::string& name);
    const std::vector<TSQLiteNamedParam>& Params() const { return params_; }

    bool InTransaction() const { return in_transaction_; }
    void SetInTransaction(bool value) { in_transaction_ = value; }
    void SetOnQuery(QueryHandler handler) { on_query_ = std::move(handler); }
    void SetRandomSource(std::shared_ptr<TRandomSource> source);

    sqlite3* DB() const { return db_; }

private:
    void RegisterFunctions();

    sqlite3* db_ = nullptr;
    bool in_transaction_ = false;
    std::vector<TSQLiteNamedParam> params_;
    QueryHandler on_query_;
    std::shared_ptr<TRandomSource> random_;
};

class TSQLiteTable {
public:
    TSQLiteTable(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings = {});
    TSQLiteTable(const TSQLiteTable&) = delete;
    TSQLiteTable& operator=(const TSQLiteTable&) = delete;

    // Runs SQL and hands its rows over a batch at a time, for a result read
    // once and too large to be worth holding whole: the table OnBatch gets
    // holds up to BatchRows rows and stands at its first; it is emptied for
    // the next batch. No call when there are no rows. Errors as the constructor's.
    static void ForEachBatch(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings,
                             uint32_t BatchRows, const std::function<void(TSQLiteTable&)>& OnBatch);

    uint32_t RowCount() const { return row_count_; }
    uint32_t ColCount() const { return col_count_; }
    uint32_t Row() const { return row_; }
    const std::vector<std::string>& ColNames() const { return col_names_; }
    const std::vector<int32_t>& ColTypes() const { return col_types_; }

    bool Eof() const { return row_ >= row_count_; }
    bool Next();
    uint32_t FieldIndex(const std::string& Name) const;

    std::string FieldAsString(uint32_t Index) const;
    std::string FieldText(uint32_t Index) const;
    int64_t FieldAsInteger(uint32_t Index) const;
    double FieldAsDouble(uint32_t Index) const;
    TMemoryStream* FieldAsBlob(uint32_t Index) const;
    std::string FieldAsBlobText(uint32_t Index) const;

private:
    TSQLiteTable() = default;
    // Steps the statement; with BatchRows > 0 the rows go to OnBatch that
    // many at a time instead of staying.
    void Run(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings, uint32_t BatchRows,
             const std::function<void(TSQLiteTable&)>& OnBatch);
    void HandBatch(const std::function<void(TSQLiteTable&)>& OnBatch);

    // One value of the result. Texts are packed into fixed-size blocks that
    // never move, and blobs sit in their own list, so a result of 150,000
    // values costs a few dozen allocations instead of one per value.
    struct Cell {
        union {
            int64_t integer;
            double real;
            const char* text;
            size_t blob;  // index into blobs_
        };
        uint32_t length = 0;  // of a text
        enum : uint8_t { Empty, Integer, Float, Text, Blob } type = Empty;
        Cell() : integer(0) {}
    };

    // Cells in fixed chunks as well: a growing vector would copy and fault in
    // megabytes on every large lookup.
    static constexpr size_t kCellChunkBits = 12;
    static constexpr size_t kCellChunk = size_t{1} << kCellChunkBits;
    static constexpr size_t kFirstCellChunk = 64;
    void PushCell(const Cell& cell);
    const Cell& CellAt(size_t index) const { return cells_[index >> kCellChunkBits][index & (kCellChunk - 1)]; }

    void TakeFirstRow(sqlite3_stmt* statement);
    void TakeRow(sqlite3_stmt* statement);
    void AppendText(const char* bytes, size_t length);
    const Cell& CurrentCell(uint32_t Index) const;
    int32_t Kind(uint32_t Index) const { return col_types_[Index]; }
    std::string TextOf(const Cell& cell) const { return std::string(cell.text, cell.length); }

    std::vector<std::unique_ptr<Cell[]>> cells_;
    size_t cell_count_ = 0;
    size_t first_chunk_capacity_ = 0;  // cells the first chunk holds; the others hold kCellChunk
    std::vector<std::unique_ptr<char[]>> text_blocks_;
    size_t block_used_ = 0;
    size_t block_size_ = 0;
    std::vector<std::unique_ptr<TMemoryStream>> blobs_;
    uint32_t row_count_ = 0;
    uint32_t col_count_ = 0;
    std::vector<std::string> col_names_;
    std::vector<int32_t> col_types_;
    uint32_t row_ = 0;
};

// Upper-cases a..z; the trail byte of a GBK double-byte character is left alone.
std::string UpperCaseAnsi(const std::string& text);
