#pragma once
// A main window made of plain fields, stores written by the store builder, and
// a record of every statement the operations run.
#include <doctest/doctest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/list_model.h"
#include "app/main_logic.h"
#include "app/main_view.h"
#include "data/gbk.h"
#include "tests/support/temp_dir.h"
#include "tools/store_builder/store_writer.h"

// UTF-8 source text to the GBK bytes the program works in, and back.
inline std::string G(const std::string& utf8) { return Utf8ToGbk(utf8).value(); }
inline std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

class TTestView : public TMainView {
public:
    void ListChanged(const TListModel& list) override
    {
        ++list_changes;
        rows.clear();
        for (uint32_t r = 0; r < list.RowCount(); ++r) {
            std::vector<std::string> row;
            for (uint32_t f = 0; f < list.FieldCount(); ++f)
                row.push_back(U(list.Value(r, f)));
            rows.push_back(row);
        }
        fields.clear();
        for (uint32_t f = 0; f < list.FieldCount(); ++f)
            fields.push_back(U(list.Field(f).Name) + (list.Field(f).Visible ? "" : " (hidden)"));
    }
    void SetExplanationCaption(const std::string& text) override { caption = text; }
    void SetMemoText(const std::string& text) override
    {
        memo = text;
        ++memo_changes;
    }
    std::string MemoText() const override { return memo; }
    void ShowCurrentIdiom(const std::string& text, TColourRef colour) override
    {
        label = text;
        label_colour = colour;
        label_visible = true;
    }
    TColourRef CurrentIdiomColour() const override { return label_colour; }
    void ShowWarning(const std::string& message) override { warnings.push_back(U(message)); }

    // What the grid would show, as UTF-8.
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> fields;
    int list_changes = 0;
    std::string caption;  // GBK
    std::string memo;     // GBK
    int memo_changes = 0;
    std::string label;    // GBK
    TColourRef label_colour = kClRed;  // Label2's design colour
    bool label_visible = false;
    std::vector<std::string> warnings;  // UTF-8
};

// An entry with every field filled from the idiom, so a record is recognisable.
inline IdiomEntry Entry(const std::string& idiom, const std::string& pinyin, const std::string& other = "")
{
    IdiomEntry e;
    e.idiom = idiom;
    e.pinyin = pinyin;
    e.explanation = "释" + idiom;
    e.source = "出" + idiom;
    e.example = "例" + idiom;
    e.synonyms = "近" + idiom;
    e.antonyms = "反" + idiom;
    e.other = other;
    e.origin = "test:" + idiom;
    return e;
}

// A store on disk, the main window's logic over it and every statement run.
class AppFixture {
public:
    explicit AppFixture(const IdiomEntries& entries, uint64_t seed = 7)
        : file_(dir_.File("tirsel.edt"))
    {
        WriteStore(entries, file_);
        TIdiomStore store(file_);
        store.SetRandomSource(std::make_shared<TRandomSource>(seed));
        store.SetOnQuery([this](TSQLiteDatabase&, const std::string& sql) { statements.push_back(sql); });
        logic = std::make_unique<TMainLogic>(view, std::move(store));
    }

    // Runs SQL on the store file directly, to shape a store the builder would not write.
    void Alter(const std::string& sql, const TBindings& bindings = {})
    {
        TSQLiteDatabase db(file_, gob::DatabaseKey);
        db.ExecSQL(sql, bindings);
    }
    const std::string& file() const { return file_; }

    TTestView view;
    std::vector<std::string> statements;
    std::unique_ptr<TMainLogic> logic;

private:
    TempDir dir_;
    std::string file_;
};
