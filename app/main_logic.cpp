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
    if (!start_up_.valid()) {
        showxx(StartUpStatement(), 1);
        return;
    }
    ShowList(start_up_.get(), 1);
}

TMainLogic::TFetchedList TMainLogic::FetchList(const TListStatement& statement) const
{
    TFetchedList fetched;
    const auto table = store_.Select(statement.Sql, statement.Bindings);
    if (table->RowCount() == 0)
        return fetched;
    const std::string first_id = FillList(fetched.List, *table);
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
    const uint32_t id = table.FieldIndex("id");
    const uint32_t tirsel = table.FieldIndex("tirsel");
    const uint32_t py2 = table.FieldIndex("py2");

    list.Reset(ListRowFields());
    list.Reserve(table.RowCount());
    std::string first_id;
    std::vector<std::string> values(3);
    for (; !table.Eof(); table.Next()) {
        values[0] = table.FieldAsString(id);
        values[1] = table.FieldAsString(tirsel);
        values[2] = table.FieldAsString(py2);
        // A row without an id is listed but cannot be explained.
        if (first_id.empty())
            first_id = values[0];
        list.Append(values);
    }
    list.ReleaseSpare();
    list.First();
    list.SetFieldVisible(0, false);
    return first_id;
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
