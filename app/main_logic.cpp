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

void TMainLogic::StartUp()
{
    showxx(StartUpStatement(), 1);
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
    // Columns are found before the list is touched, so a result without them
    // leaves the old list in place.
    const uint32_t id = table->FieldIndex("id");
    const uint32_t tirsel = table->FieldIndex("tirsel");
    const uint32_t py2 = table->FieldIndex("py2");

    list_.Reset(ListRowFields());
    list_.Reserve(table->RowCount());
    std::string first_id;
    std::vector<std::string> values(3);
    for (; !table->Eof(); table->Next()) {
        values[0] = table->FieldAsString(id);
        values[1] = table->FieldAsString(tirsel);
        values[2] = table->FieldAsString(py2);
        // A row without an id is listed but cannot be explained.
        if (first_id.empty())
            first_id = values[0];
        list_.Append(values);
    }
    list_.ReleaseSpare();
    list_.First();
    list_.SetFieldVisible(0, false);
    view_.ListChanged(list_);

    ShowExplanation(first_id, nullptr);
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
    if (table->RowCount() == 0)
        return false;
    const IdiomRecord record = ReadIdiomRecord(*table);
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
