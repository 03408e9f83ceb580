#pragma once
// Where every lookup and chain step gets its connection: the idiom store,
// opened and keyed afresh for each statement and released right after it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "data/gob.h"
#include "data/sqlite_table3.h"

class TIdiomStore {
public:
    explicit TIdiomStore(std::string file_name = gob::DatabaseFileName);

    // A keyed connection carrying the shared random source and the observer.
    std::unique_ptr<TSQLiteDatabase> Open() const;
    // Opens a connection, runs one SELECT into a table and closes the connection.
    std::unique_ptr<TSQLiteTable> Select(const std::string& sql, const TBindings& bindings = {}) const;
    // As Select, for a result read once: its rows come batchRows at a time.
    void SelectEach(const std::string& sql, const TBindings& bindings, uint32_t batchRows,
                    const std::function<void(TSQLiteTable&)>& onBatch) const;

    // One source for all connections, so a seeded game is repeatable although
    // each step opens its own connection.
    void SetRandomSource(std::shared_ptr<TRandomSource> source);
    const std::shared_ptr<TRandomSource>& RandomSource() const { return random_; }
    // Called with every statement any connection from here prepares.
    void SetOnQuery(TSQLiteDatabase::QueryHandler handler) { on_query_ = std::move(handler); }

    const std::string& FileName() const { return file_name_; }

private:
    std::string file_name_;
    std::shared_ptr<TRandomSource> random_;
    TSQLiteDatabase::QueryHandler on_query_;
};
