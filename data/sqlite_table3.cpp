#include "data/sqlite_table3.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <limits>

#include "data/gbk.h"
#include "data/gbk_like.h"
#include "data/sqlite_engine.h"

namespace {

// Owns one prepared statement; finalised on every path out of an operation.
class Statement {
public:
    Statement() = default;
    ~Statement() { if (stmt_) sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt** Out() { return &stmt_; }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// The steps every statement goes through before it is stepped.
void Prepare(TSQLiteDatabase& db, const std::string& sql, const TBindings& bindings, Statement& stmt)
{
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db.DB(), sql.c_str(), -1, stmt.Out(), &tail) != SQLITE_OK)
        db.RaiseError("Error executing SQL");
    if (!stmt.get())
        db.RaiseError("Could not prepare SQL statement");
    db.DoQuery(sql);
    db.SetParams(stmt.get());
    db.BindData(stmt.get(), bindings);
}

// One argument, ignored: it exists so the engine treats each row's call as
// distinct and sorts by a fresh value.
void RandomFunction(sqlite3_context* context, int, sqlite3_value**)
{
    auto* source = static_cast<std::shared_ptr<TRandomSource>*>(sqlite3_user_data(context));
    sqlite3_result_int64(context, (*source)->Next());
}

int32_t KindOfDeclaredType(const char* declared)
{
    const std::string t(declared);
    if (t == "INTEGER" || t == "BOOLEAN")
        return kSQLiteInteger;
    if (t == "NUMERIC" || t == "FLOAT" || t == "DOUBLE" || t == "REAL")
        return kSQLiteFloat;
    if (t == "BLOB")
        return kSQLiteBlob;
    return kSQLiteText;
}

void FreeBlobBuffer(void* buffer)
{
    if (buffer)
        std::free(buffer);
}

} // namespace

std::string UpperCaseAnsi(const std::string& text)
{
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        const auto c = static_cast<unsigned char>(upper[i]);
        if (IsGbkLeadByte(c) && i + 1 < upper.size())
            ++i;
        else if (c >= 'a' && c <= 'z')
            upper[i] = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Whether upper equals UpperCaseAnsi(name), without building the copy.
static bool EqualsUpperCased(const std::string& upper, const std::string& name)
{
    if (upper.size() != name.size())
        return false;
    bool trail = false;
    for (size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (trail)
            trail = false;
        else if (IsGbkLeadByte(c) && i + 1 < name.size())
            trail = true;
        else if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        if (static_cast<unsigned char>(upper[i]) != c)
            return false;
    }
    return true;
}

// ---- TSQLiteDatabase ------------------------------------------------------

TSQLiteDatabase::TSQLiteDatabase(const std::string& FileName, const char* Key)
    : random_(std::make_shared<TRandomSource>())
{
    if (sqlite3_open(FileName.c_str(), &db_) != SQLITE_OK) {
        if (!db_)
            throw ESQLiteException("Failed to open database \"" + FileName + "\" : unknown error");
        std::string message = "Failed to open database \"" + FileName + "\" : " + sqlite3_errmsg(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        throw ESQLiteException(message);
    }
    // Only four bytes are passed; a shorter key is padded so it is never read past its end.
    char key[4] = {};
    if (Key)
        std::memcpy(key, Key, strnlen(Key, sizeof key));
    sqlite3_key(db_, key, 4);
    RegisterFunctions();
}

TSQLiteDatabase::~TSQLiteDatabase()
{
    try {
        if (in_transaction_)
            Rollback();
    } catch (...) {
        // a destructor must not throw; Close() is the path that reports it
    }
    if (db_)
        sqlite3_close(db_);
}

void TSQLiteDatabase::Close()
{
    if (in_transaction_)
        Rollback();
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
    ParamsClear();
}

void TSQLiteDatabase::RegisterFunctions()
{
    sqlite3_create_function(db_, "RANDOM", 1, SQLITE_UTF8, &random_, RandomFunction, nullptr, nullptr);
    RegisterGbkLike(db_);
}

void TSQLiteDatabase::SetRandomSource(std::shared_ptr<TRandomSource> source)
{
    // The engine holds the address of random_, so the pointer is swapped in place.
    random_ = source ? std::move(source) : std::make_shared<TRandomSource>();
}

void TSQLiteDatabase::RaiseError(const std::string& Message)
{
    const int code = db_ ? sqlite3_errcode(db_) : 0;
    if (code == SQLITE_OK)
        throw ESQLiteException(Message);
    throw ESQLiteException(Message + ".\rError [" + std::to_string(code) + "]: " + SQLiteErrorText(code) +
                           ".\r\"error\": " + sqlite3_errmsg(db_));
}

void TSQLiteDatabase::ExecSQL(const std::string& SQL, const TBindings& Bindings)
{
    Statement stmt;
    Prepare(*this, SQL, Bindings, stmt);
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
        sqlite3_reset(stmt.get());
        RaiseError("Error executing SQL statement");
    }
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::GetTable(const std::string& SQL)
{
    return std::make_unique<TSQLiteTable>(*this, SQL);
}

void TSQLiteDatabase::Rollback()
{
    ExecSQL("ROLLBACK");
    in_transaction_ = false;
}

void TSQLiteDatabase::DoQuery(const std::string& SQL)
{
    if (on_query_)
        on_query_(*this, SQL);
}

void TSQLiteDatabase::AddParamInt(const std::string& name, int64_t value)
{
    AddParam({name, kSQLiteInteger, value, 0, {}});
}

void TSQLiteDatabase::AddParamFloat(const std::string& name, double value)
{
    AddParam({name, kSQLiteFloat, 0, value, {}});
}

void TSQLiteDatabase::AddParamText(const std::string& name, std::string value)
{
    AddParam({name, kSQLiteText, 0, 0, std::move(value)});
}

void TSQLiteDatabase::AddParamNull(const std::string& name)
{
    AddParam({name, kSQLiteNull, 0, 0, {}});
}

void TSQLiteDatabase::ParamsClear()
{
    while (!params_.empty())
        params_.pop_back();
}

void TSQLiteDatabase::SetParams(sqlite3_stmt* Statement)
{
    // The pending parameters apply to exactly one statement, even if binding fails.
    struct Clear {
        TSQLiteDatabase& db;
        ~Clear() { db.ParamsClear(); }
    } clear{*this};
    for (const TSQLiteNamedParam& p : params_) {
        const int n = sqlite3_bind_parameter_index(Statement, p.Name.c_str());
        if (n <= 0)
            continue;
        switch (p.Kind) {
        case kSQLiteInteger: sqlite3_bind_int64(Statement, n, p.IntValue); break;
        case kSQLiteFloat: sqlite3_bind_double(Statement, n, p.FloatValue); break;
        case kSQLiteText:
            sqlite3_bind_text(Statement, n, p.TextValue.data(), static_cast<int>(p.TextValue.size()),
                              SQLITE_TRANSIENT);
            break;
        case kSQLiteNull: sqlite3_bind_null(Statement, n); break;
        default: break;
        }
    }
}

void TSQLiteDatabase::BindData(sqlite3_stmt* Statement, const TBindings& Bindings)
{
    using Tag = TBindValue::Tag;
    for (size_t i = 0; i < Bindings.size(); ++i) {
        const TBindValue& b = Bindings[i];
        const int n = static_cast<int>(i + 1);
        switch (b.tag()) {
        case Tag::Integer:
            if (sqlite3_bind_int(Statement, n, b.AsInteger()) != SQLITE_OK)
                RaiseError("Could not bind integer");
            break;
        case Tag::Boolean:
            if (sqlite3_bind_int(Statement, n, b.AsBoolean() ? 1 : 0) != SQLITE_OK)
                RaiseError("Could not bind boolean");
            break;
        case Tag::Int64:
            if (sqlite3_bind_int64(Statement, n, b.AsInt64()) != SQLITE_OK)
                RaiseError("Could not bind int64");
            break;
        case Tag::Extended:
            if (sqlite3_bind_double(Statement, n, static_cast<double>(b.AsExtended())) != SQLITE_OK)
                RaiseError("Could not bind extended");
            break;
        case Tag::Char: {
            // Exactly the one byte: a trailing zero would stop `= ?` from ever matching.
            const char c = b.AsChar();
            if (sqlite3_bind_text(Statement, n, &c, 1, SQLITE_TRANSIENT) != SQLITE_OK)
                RaiseError("Could not bind text");
            break;
        }
        case Tag::String: {
            // The binding list outlives the statement, so the bytes need no copy.
            const std::string& s = b.AsString();
            if (sqlite3_bind_text(Statement, n, s.data(), static_cast<int>(s.size()), SQLITE_STATIC) != SQLITE_OK)
                RaiseError("Could not bind text");
            break;
        }
        case Tag::PChar:
            if (sqlite3_bind_text(Statement, n, b.AsPChar(), -1, SQLITE_STATIC) != SQLITE_OK)
                RaiseError("Could not bind text");
            break;
        case Tag::WideChar:
        case Tag::PWideChar:
        case Tag::WideString: {
            const std::u16string wide = b.tag() == Tag::PWideChar
                                            ? (b.AsPWideChar() ? std::u16string(b.AsPWideChar()) : std::u16string())
                                            : b.AsWide();
            // The converted text is a temporary: the engine takes its own copy.
            const std::string utf8 = Utf16ToUtf8(wide);
            if (sqlite3_bind_text(Statement, n, utf8.c_str(), -1, SQLITE_TRANSIENT) != SQLITE_OK)
                RaiseError("Could not bind text");
            break;
        }
        case Tag::Pointer:
            if (b.AsPointer())
                throw ESQLiteException("Unhandled pointer (<> nil)");
            if (sqlite3_bind_null(Statement, n) != SQLITE_OK)
                RaiseError("Could not bind null");
            break;
        case Tag::Object: {
            TObject* object = b.AsObject();
            if (auto* memory = dynamic_cast<TMemoryStream*>(object)) {
                const int64_t size = memory->Size() - memory->Position();
                if (sqlite3_bind_blob(Statement, n, memory->Memory() + memory->Position(), static_cast<int>(size),
                                      SQLITE_STATIC) != SQLITE_OK)
                    RaiseError("Could not bind BLOB");
            } else if (auto* stream = dynamic_cast<TStream*>(object)) {
                const int64_t size = stream->Size();
                void* buffer = size > 0 && size <= std::numeric_limits<int>::max()
                                   ? std::malloc(static_cast<size_t>(size))
                                   : nullptr;
                if (!buffer)
                    throw ESQLiteException("Error getting memory to save blob");
                stream->Seek(0);
                stream->Read(buffer, size);
                // The engine owns the buffer from here, also when it refuses it.
                if (sqlite3_bind_blob(Statement, n, buffer, static_cast<int>(size), FreeBlobBuffer) != SQLITE_OK)
                    RaiseError("Could not bind BLOB");
            } else {
                throw ESQLiteException("Unhandled object-type in binding");
            }
            break;
        }
        default:
            throw ESQLiteException("Unhandled binding");
        }
    }
}

// ---- TSQLiteTable ---------------------------------------------------------

TSQLiteTable::TSQLiteTable(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings)
{
    Run(Database, SQL, Bindings, 0, {});
}

void TSQLiteTable::ForEachBatch(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings,
                                uint32_t BatchRows, const std::function<void(TSQLiteTable&)>& OnBatch)
{
    TSQLiteTable batch;
    batch.Run(Database, SQL, Bindings, std::max<uint32_t>(BatchRows, 1), OnBatch);
}

void TSQLiteTable::Run(TSQLiteDatabase& Database, const std::string& SQL, const TBindings& Bindings,
                       uint32_t BatchRows, const std::function<void(TSQLiteTable&)>& OnBatch)
{
    Statement stmt;
    Prepare(Database, SQL, Bindings, stmt);
    for (;;) {
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY)
            throw ESQLiteException("Could not prepare SQL statement");
        if (rc != SQLITE_ROW) {
            sqlite3_reset(stmt.get());
            Database.RaiseError("Could not retrieve data");
        }
        TakeRow(stmt.get());
        if (BatchRows > 0 && row_count_ == BatchRows)
            HandBatch(OnBatch);
    }
    row_ = 0;
    if (BatchRows > 0 && row_count_ > 0)
        HandBatch(OnBatch);
}

void TSQLiteTable::HandBatch(const std::function<void(TSQLiteTable&)>& OnBatch)
{
    row_ = 0;
    OnBatch(*this);
    // The next batch takes the heap blocks these rows leave, already in memory.
    cells_.clear();
    cell_count_ = 0;
    first_chunk_capacity_ = 0;
    text_blocks_.clear();
    block_used_ = 0;
    block_size_ = 0;
    blobs_.clear();
    row_count_ = 0;
    row_ = 0;
}

void TSQLiteTable::TakeFirstRow(sqlite3_stmt* statement)
{
    col_count_ = static_cast<uint32_t>(sqlite3_column_count(statement));
    col_names_.reserve(col_count_);
    col_types_.reserve(col_count_);
    for (uint32_t c = 0; c < col_count_; ++c) {
        const char* name = sqlite3_column_name(statement, static_cast<int>(c));
        col_names_.push_back(UpperCaseAnsi(name ? name : ""));
    }
    for (uint32_t c = 0; c < col_count_; ++c) {
        const char* declared = sqlite3_column_decltype(statement, static_cast<int>(c));
        col_types_.push_back(declared ? KindOfDeclaredType(declared)
                                      : sqlite3_column_type(statement, static_cast<int>(c)));
    }
}

void TSQLiteTable::PushCell(const Cell& cell)
{
    const size_t at = cell_count_ & (kCellChunk - 1);
    if (at == 0) {
        // Most lookups return a handful of rows: the first chunk starts small
        // and grows, so they do not fault in a whole chunk's pages.
        if (cells_.empty())
            first_chunk_capacity_ = kFirstCellChunk;
        cells_.push_back(std::make_unique<Cell[]>(cells_.empty() ? kFirstCellChunk : kCellChunk));
    } else if (cells_.size() == 1 && at == first_chunk_capacity_) {
        const size_t capacity = std::min(first_chunk_capacity_ * 4, kCellChunk);
        auto grown = std::make_unique<Cell[]>(capacity);
        std::copy(cells_[0].get(), cells_[0].get() + at, grown.get());
        cells_[0] = std::move(grown);
        first_chunk_capacity_ = capacity;
    }
    cells_.back()[at] = cell;
    ++cell_count_;
}

void TSQLiteTable::AppendText(const char* bytes, size_t length)
{
    // Blocks stay below the allocator's mmap threshold, so a lookup reuses
    // the heap of the one before instead of faulting in fresh pages.
    constexpr size_t kBlockSize = 64 * 1024;
    constexpr size_t kFirstBlockSize = 1024;
    // An empty first text still needs a block to point into.
    if (text_blocks_.empty() || block_used_ + length > block_size_) {
        // Small first, as with the cells; texts never move, so growing means a new block.
        block_size_ = std::max(std::min(kBlockSize, std::max(kFirstBlockSize, block_size_ * 4)), length);
        text_blocks_.push_back(std::make_unique_for_overwrite<char[]>(block_size_));
        block_used_ = 0;
    }
    Cell cell;
    cell.type = Cell::Text;
    cell.text = text_blocks_.back().get() + block_used_;
    cell.length = static_cast<uint32_t>(length);  // the engine's texts are below 2 GiB
    if (length > 0)
        std::memcpy(text_blocks_.back().get() + block_used_, bytes, length);
    block_used_ += length;
    PushCell(cell);
}

void TSQLiteTable::TakeRow(sqlite3_stmt* statement)
{
    ++row_count_;
    if (row_count_ == 1 && col_names_.empty())
        TakeFirstRow(statement);
    for (uint32_t c = 0; c < col_count_; ++c) {
        const int col = static_cast<int>(c);
        Cell cell;
        if (sqlite3_column_type(statement, col) == SQLITE_NULL) {
            PushCell(cell);
            continue;
        }
        switch (col_types_[c]) {
        case kSQLiteInteger:
            cell.type = Cell::Integer;
            cell.integer = sqlite3_column_int64(statement, col);
            PushCell(cell);
            break;
        case kSQLiteFloat:
            cell.type = Cell::Float;
            cell.real = sqlite3_column_double(statement, col);
            PushCell(cell);
            break;
        case kSQLiteBlob: {
            const int bytes = sqlite3_column_bytes(statement, col);
            if (bytes > 0) {
                auto stream = std::make_unique<TMemoryStream>();
                stream->Write(sqlite3_column_blob(statement, col), bytes);
                stream->Seek(0);
                cell.type = Cell::Blob;
                cell.blob = blobs_.size();
                blobs_.push_back(std::move(stream));
            }
            PushCell(cell);
            break;
        }
        default: {
            // Text ends at the first zero byte, as a C string would.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, col));
            const int bytes = sqlite3_column_bytes(statement, col);
            AppendText(text, strnlen(text, static_cast<size_t>(bytes)));
            break;
        }
        }
    }
}

bool TSQLiteTable::Next()
{
    if (Eof())
        return false;
    ++row_;
    return true;
}

uint32_t TSQLiteTable::FieldIndex(const std::string& Name) const
{
    if (col_names_.empty())
        throw ESQLiteException("Field " + Name + " Not found. Empty dataset");
    // Called for every field the lookups read, so no copy of Name is made.
    for (uint32_t c = 0; c < col_names_.size(); ++c)
        if (EqualsUpperCased(col_names_[c], Name))
            return c;
    throw ESQLiteException("Field not found in dataset: " + Name);
}

const TSQLiteTable::Cell& TSQLiteTable::CurrentCell(uint32_t Index) const
{
    if (Eof())
        throw ESQLiteException("Table is at End of File");
    if (Index >= col_count_)
        throw ESQLiteException("Column index " + std::to_string(Index) + " out of range 0.." +
                               std::to_string(static_cast<int64_t>(col_count_) - 1));
    return CellAt(static_cast<size_t>(row_) * col_count_ + Index);
}

std::string TSQLiteTable::FieldAsString(uint32_t Index) const
{
    if (CurrentCell(Index).type == Cell::Empty)
        return {};
    return FieldText(Index);
}

std::string TSQLiteTable::FieldText(uint32_t Index) const
{
    const Cell& cell = CurrentCell(Index);
    const int32_t k = Kind(Index);
    if (cell.type == Cell::Empty)
        return k == kSQLiteInteger || k == kSQLiteFloat ? "0" : "";
    switch (k) {
    case kSQLiteInteger: return std::to_string(cell.integer);
    case kSQLiteFloat: {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", cell.real);
        return buffer;
    }
    case kSQLiteText: return TextOf(cell);
    case kSQLiteBlob: return FieldAsBlobText(Index);
    default: return {};
    }
}

int64_t TSQLiteTable::FieldAsInteger(uint32_t Index) const
{
    const Cell& cell = CurrentCell(Index);
    if (cell.type == Cell::Empty)
        return 0;
    switch (Kind(Index)) {
    case kSQLiteInteger: return cell.integer;
    case kSQLiteFloat: {
        // Converting an out-of-range double is undefined: saturate instead.
        const double d = cell.real;
        if (std::isnan(d))
            return 0;
        if (d >= 9223372036854775808.0)
            return std::numeric_limits<int64_t>::max();
        if (d < -9223372036854775808.0)
            return std::numeric_limits<int64_t>::min();
        return static_cast<int64_t>(d);
    }
    default: throw ESQLiteException("Not an integer or numeric field");
    }
}

double TSQLiteTable::FieldAsDouble(uint32_t Index) const
{
    const Cell& cell = CurrentCell(Index);
    if (cell.type == Cell::Empty)
        return 0;
    switch (Kind(Index)) {
    case kSQLiteInteger: return static_cast<double>(cell.integer);
    case kSQLiteFloat: return cell.real;
    default: throw ESQLiteException("Not an integer or numeric field");
    }
}

TMemoryStream* TSQLiteTable::FieldAsBlob(uint32_t Index) const
{
    const Cell& cell = CurrentCell(Index);
    if (cell.type == Cell::Empty)
        return nullptr;
    if (Kind(Index) != kSQLiteBlob)
        throw ESQLiteException("Not a Blob field");
    return blobs_[cell.blob].get();
}

std::string TSQLiteTable::FieldAsBlobText(uint32_t Index) const
{
    TMemoryStream* stream = FieldAsBlob(Index);
    if (!stream || stream->Size() <= 0)
        return {};
    std::string bytes(static_cast<size_t>(stream->Size()), '\0');
    stream->Seek(0);
    stream->Read(bytes.data(), stream->Size());
    return bytes;
}
