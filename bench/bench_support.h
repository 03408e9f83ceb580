#pragma once
// Shared pieces of the lookup benchmarks: the synthetic store (written once and
// kept in the build folder), timing, the figure lines, a view that only keeps
// what it is given, and a bare engine connection for the baselines.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "app/list_model.h"
#include "bench/bench_timing.h"
#include "app/main_view.h"
#include "data/gbk_like.h"
#include "data/gob.h"
#include "tools/store_builder/store_writer.h"
#include "tools/store_builder/synthetic.h"

namespace bench {

// The 51,470-row store of the store builder's synthetic idioms; written on
// first use and reused by every later run.
inline std::string SyntheticStore()
{
    const std::filesystem::path path = std::filesystem::path(QUORLEN_BENCH_CACHE) / "synthetic-51470.edt";
    if (!std::filesystem::exists(path)) {
        std::fprintf(stderr, "writing %s (%zu idioms)\n", path.string().c_str(), kSyntheticDefaultRows);
        std::filesystem::create_directories(path.parent_path());
        WriteStore(SyntheticEntries(kSyntheticDefaultRows), path);
    }
    return path.string();
}

// Runs operation and baseline alternately and prints their medians.
inline void Compare(const std::string& name, int runs, const std::function<void()>& operation,
                    const std::function<void()>& baseline)
{
    const auto [op, base] = PairedMediansMs(runs, operation, baseline);
    PrintRatio(name, op, base);
}

class TBenchView : public TMainView {
public:
    void ListChanged(const TListModel& list) override { rows = list.RowCount(); }
    void SetExplanationCaption(const std::string& text) override { caption = text; }
    void SetMemoText(const std::string& text) override { memo = text; }
    std::string MemoText() const override { return memo; }
    void ShowCurrentIdiom(const std::string& text, TColourRef colour) override { label = text; this->colour = colour; }
    TColourRef CurrentIdiomColour() const override { return colour; }
    void ShowWarning(const std::string& message) override { warnings.push_back(message); }

    uint32_t rows = 0;
    std::string caption, memo, label;
    TColourRef colour = kClRed;
    std::vector<std::string> warnings;
};

// The engine driven by hand, opened and keyed the way every lookup opens the
// store. It carries the program's LIKE, so a statement does the same engine
// work as through the data layer; engine_like keeps the engine's own.
class RawConnection {
public:
    explicit RawConnection(const std::string& file, bool engine_like = false)
    {
        if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK)
            Fail("open");
        sqlite3_key(db_, gob::DatabaseKey, gob::DatabaseKeyLength);
        if (!engine_like)
            RegisterGbkLike(db_);
    }
    ~RawConnection() { sqlite3_close(db_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;
    sqlite3* get() const { return db_; }

    // Prepares sql, binds texts to ?1, ?2 ..., steps every row and hands it to row.
    void Run(const std::string& sql, const std::vector<std::string>& texts,
             const std::function<void(sqlite3_stmt*)>& row)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            Fail("prepare");
        for (size_t i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), texts[i].data(), static_cast<int>(texts[i].size()),
                              SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            row(stmt);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            Fail("step");
    }

private:
    [[noreturn]] void Fail(const char* what)
    {
        std::fprintf(stderr, "%s failed: %s\n", what, db_ ? sqlite3_errmsg(db_) : "no handle");
        std::exit(1);
    }
    sqlite3* db_ = nullptr;
};

inline std::string Text(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt, column))) : std::string();
}

// The detail statement as the baseline runs it: every column of one record read.
inline size_t RawDetail(const std::string& file, const std::string& id)
{
    RawConnection db(file);
    size_t bytes = 0;
    db.Run("SELECT * FROM tirsel where id=?", {id}, [&](sqlite3_stmt* stmt) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            bytes += Text(stmt, c).size();
    });
    return bytes;
}

// A list statement as the baseline runs it: the three columns of every row read,
// then the first row's record.
inline size_t RawList(const std::string& file, const std::string& sql, const std::vector<std::string>& texts)
{
    size_t bytes = 0;
    std::string first_id;
    {
        RawConnection db(file);
        db.Run(sql, texts, [&](sqlite3_stmt* stmt) {
            std::string id = Text(stmt, 0);
            bytes += id.size() + Text(stmt, 1).size() + Text(stmt, 2).size();
            if (first_id.empty())
                first_id = std::move(id);
        });
    }
    if (bytes > 0)
        bytes += RawDetail(file, first_id);
    return bytes;
}

} // namespace bench
