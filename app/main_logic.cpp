#include "app/main_logic.h"

#include "app/detail_text.h"
#include "app/text_rules.h"
#include "app/texts.h"

namespace {

constexpr char kDetailSql[] = "SELECT * FROM tirsel where id=?";

// ListRow: ID (hidden), 成语, 拼音.
std::vector<TListField> ListRowFields()
{
    return {{texts::kFieldId, 8}, {texts::kFieldIdiom, 18}, {texts::kFieldPinyin, 7}};
}

std::vector<TListField> PlaceholderFields()
{
    return {{texts::kFieldId, 8}, {texts::kFieldIdiom, 28}};
}

} // namespace

TMainLogic::TMainLogic(TMainView& view, TIdiomStore store)
    : view_(view), store_(std::move(store)), chain_(view, store_)
{
}

void TMainLogic::BeginStartUp()
{
    if (!start_up_.valid())
        start_up_ = std::async(std::launch::async, [this] { return FetchList(StartUpStatement()); });
}

void TMainLogic::StartUp()
{
    ShowList(start_up_.valid() ? start_up_.get() : FetchList(StartUpStatement()), 1);
}

TMainLogic::TFetchedList TMainLogic::FetchList(const TListStatement& statement) const
{
    // The rows go straight into a list of their own, a batch at a time: the
    // whole result is never held twice, and a fresh process pays for every
    // page of memory it touches.
    constexpr uint32_t kBatchRows = 1024;
    TFetchedList fetched;
    TListColumns columns{};
    std::string first_id;
    bool started = false;
    store_.SelectEach(statement.Sql, statement.Bindings, kBatchRows, [&](TSQLiteTable& batch) {
        if (!started) {
            columns = ListColumns(batch);
            fetched.List.Reset(ListRowFields());
            started = true;
        }
        AppendRows(fetched.List, batch, columns, first_id);
    });
    if (!started)
        return fetched;
    FinishList(fetched.List);
    if (first_id.empty())
        return fetched;
    try {
        fetched.Detail = store_.Select(kDetailSql, {TBindValue::String(first_id)});
    } catch (...) {
        fetched.DetailError = std::current_exception();
    }
    return fetched;
}

void TMainLogic::ShowList(TFetchedList fetched, int empty_code)
{
    if (fetched.List.RowCount() == 0) {
        showno(empty_code);
        return;
    }
    list_ = std::move(fetched.List);
    view_.ListChanged(list_);
    if (fetched.DetailError)
        std::rethrow_exception(fetched.DetailError);
    if (fetched.Detail)
        ShowExplanation(*fetched.Detail, nullptr);
}

void TMainLogic::QuickLookup(const std::string& soedit_text, int combo_index)
{
    const std::string keyword = Trim(soedit_text);
    if (keyword.empty()) {
        view_.ShowWarning(texts::kEnterKeyword);
        return;
    }
    // Latin letters can only be pinyin, whatever mode the list shows.
    const SearchMode mode = IsSingleByteText(soedit_text) ? SearchMode::Pinyin : SearchModeFromIndex(combo_index);
    showxx(QuickLookupStatement(mode, keyword), 2);
}

void TMainLogic::FilterChanged(const std::string& edit1_text)
{
    const std::string keyword = Trim(edit1_text);
    if (keyword.empty())
        return;
    showxx(FilterStatement(IsSingleByteText(edit1_text), keyword), 1);
}

void TMainLogic::showxx(const TListStatement& statement, int empty_code)
{
    const auto table = store_.Select(statement.Sql, statement.Bindings);
    if (table->RowCount() == 0) {
        showno(empty_code);
        return;
    }
    const std::string first_id = FillList(list_, *table);
    view_.ListChanged(list_);
    ShowExplanation(first_id, nullptr);
}

std::string TMainLogic::FillList(TListModel& list, TSQLiteTable& table)
{
    // Columns are found before the list is touched, so a result without them
    // leaves the old list in place.
    const TListColumns columns = ListColumns(table);
    list.Reset(ListRowFields());
    list.Reserve(table.RowCount());
    std::string first_id;
    AppendRows(list, table, columns, first_id);
    FinishList(list);
    return first_id;
}

TMainLogic::TListColumns TMainLogic::ListColumns(const TSQLiteTable& table)
{
    return {table.FieldIndex("id"), table.FieldIndex("tirsel"), table.FieldIndex("py2")};
}

void TMainLogic::AppendRows(TListModel& list, TSQLiteTable& table, const TListColumns& columns, std::string& first_id)
{
    std::vector<std::string> values(3);
    for (; !table.Eof(); table.Next()) {
        values[0] = table.FieldAsString(columns.Id);
        values[1] = table.FieldAsString(columns.Idiom);
        values[2] = table.FieldAsString(columns.Pinyin);
        // A row without an id is listed but cannot be explained.
        if (first_id.empty())
            first_id = values[0];
        list.Append(values);
    }
}

void TMainLogic::FinishList(TListModel& list)
{
    list.ReleaseSpare();
    list.First();
    list.SetFieldVisible(0, false);
}

void TMainLogic::showno(int empty_code)
{
    if (empty_code != 1) {
        view_.ShowWarning(texts::kNoResults);
        return;
    }
    list_.Reset(PlaceholderFields());
    list_.Append({"0", texts::kNoSuchHead});
    list_.ReleaseSpare();
    list_.First();
    list_.SetFieldVisible(0, false);
    view_.ListChanged(list_);
}

bool TMainLogic::ShowExplanation(const std::string& id, std::string* idiom)
{
    const auto table = store_.Select(kDetailSql, {TBindValue::String(id)});
    return ShowExplanation(*table, idiom);
}

bool TMainLogic::ShowExplanation(TSQLiteTable& detail, std::string* idiom)
{
    if (detail.RowCount() == 0)
        return false;
    const IdiomRecord record = ReadIdiomRecord(detail);
    const std::string text = DetailText(record);
    view_.SetExplanationCaption(texts::kExplanationCaption + record.tirsel);
    view_.SetMemoText(text);
    if (idiom)
        *idiom = record.tirsel;
    return true;
}

void TMainLogic::RowClicked(uint32_t row)
{
    if (row >= list_.RowCount())
        return;
    list_.SetCurrent(row);
    std::string idiom;
    if (!ShowExplanation(list_.Value(row, 0), &idiom))
        return;  // the placeholder row's id 0 names no idiom
    // Alternates on every successful click, so two clicks on the same row
    // still show that something happened.
    const TColourRef colour = view_.CurrentIdiomColour() == kClNavy ? kClRed : kClNavy;
    view_.ShowCurrentIdiom(texts::kCurrentIdiom + idiom, colour);
}

void TMainLogic::StartChain(const std::string& jl_text, const std::string& combo_box2_text)
{
    chain_.Start(jl_text, combo_box2_text);
}
