#include "app/idiom_store.h"

TIdiomStore::TIdiomStore(std::string file_name)
    : file_name_(std::move(file_name)), random_(std::make_shared<TRandomSource>())
{
}

std::unique_ptr<TSQLiteDatabase> TIdiomStore::Open() const
{
    auto db = std::make_unique<TSQLiteDatabase>(file_name_, gob::DatabaseKey);
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

void TIdiomStore::SetRandomSource(std::shared_ptr<TRandomSource> source)
{
    random_ = source ? std::move(source) : std::make_shared<TRandomSource>();
}
