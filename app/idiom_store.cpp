#include "app/idiom_store.h"

TIdiomStore::TIdiomStore(std::string file_name)
    : file_name_(std::move(file_name)), random_(std::make_shared<TRandomSource>())
{
}

namespace {

// A connection runs one statement and is closed: its pages are read once, so
// a cache of a few pages serves it. The engine's default grows to megabytes
// on the start-up list, and a fresh process pays for every new page it touches.
constexpr const char* kCacheSize = "PRAGMA cache_size = 16";

} // namespace

std::unique_ptr<TSQLiteDatabase> TIdiomStore::Open() const
{
    auto db = std::make_unique<TSQLiteDatabase>(file_name_, gob::DatabaseKey);
    db->ExecSQL(kCacheSize);
    db->SetRandomSource(random_);
    if (on_query_)
        db->SetOnQuery(on_query_);
    return db;
}

std::unique_ptr<TSQLiteTable> TIdiomStore::Select(const std::string& sql, const TBindings& bindings) const
{
    const auto db = Open();
    return std::make_unique<TSQLiteTable>(*db, sql, bindings);
}

void TIdiomStore::SelectEach(const std::string& sql, const TBindings& bindings, uint32_t batchRows,
                             const std::function<void(TSQLiteTable&)>& onBatch) const
{
    const auto db = Open();
    TSQLiteTable::ForEachBatch(*db, sql, bindings, batchRows, onBatch);
}

void TIdiomStore::SetRandomSource(std::shared_ptr<TRandomSource> source)
{
    random_ = source ? std::move(source) : std::make_shared<TRandomSource>();
}
