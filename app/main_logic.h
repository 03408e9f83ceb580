#pragma once
// What the main window does, without the window: the quick lookup, the filter
// box, the start-up list, a click on a list row and the chain game. The window
// forwards its events here (texts as GBK bytes) and shows what it is told
// through TMainView. Database failures leave as ESQLiteException for the
// window's default handler.
#include <cstdint>
#include <exception>
#include <future>
#include <memory>
#include <string>

#include "app/chain_game.h"
#include "app/idiom_store.h"
#include "app/list_model.h"
#include "app/main_view.h"
#include "app/search_query.h"

class TMainLogic {
public:
    explicit TMainLogic(TMainView& view, TIdiomStore store = TIdiomStore());
    TMainLogic(const TMainLogic&) = delete;
    TMainLogic& operator=(const TMainLogic&) = delete;

    // Window creation: every idiom listed, the first one explained.
    void StartUp();
    // Starts reading the start-up list on a worker thread, so the store is
    // read while the window is being built; StartUp then shows it.
    void BeginStartUp();
    // Button1 (查找): soedit's text and ComboBox1's index.
    void QuickLookup(const std::string& soedit_text, int combo_index);
    // Every change of Edit1's text.
    void FilterChanged(const std::string& edit1_text);
    // A click on a grid row (0 = first row).
    void RowClicked(uint32_t row);
    // Button2 (接龙): jl's text and ComboBox2's text.
    void StartChain(const std::string& jl_text, const std::string& combo_box2_text);

    // Runs a list statement into the list and explains its first idiom;
    // emptyCode 1 shows the placeholder row when nothing matches, any other a warning.
    void showxx(const TListStatement& statement, int empty_code);
    void showno(int empty_code);

    const TListModel& List() const { return list_; }
    const ChainState& Chain() const { return chain_.State(); }
    TIdiomStore& Store() { return store_; }

private:
    // A list statement's rows, read and laid out, with its first idiom's record.
    struct TFetchedList {
        TListModel List;
        std::unique_ptr<TSQLiteTable> Detail;  // null: nothing listed, or no id
        std::exception_ptr DetailError;        // raised once the list is shown
    };
    TFetchedList FetchList(const TListStatement& statement) const;
    void ShowList(TFetchedList fetched, int empty_code);
    // Where a result keeps the list's three columns.
    struct TListColumns {
        uint32_t Id, Idiom, Pinyin;
    };
    // Fills the list from a result; returns the first row's id.
    static std::string FillList(TListModel& list, TSQLiteTable& table);
    // Raises when a column is missing.
    static TListColumns ListColumns(const TSQLiteTable& table);
    // Appends the result's rows from where it stands; first_id takes the first id met.
    static void AppendRows(TListModel& list, TSQLiteTable& table, const TListColumns& columns, std::string& first_id);
    static void FinishList(TListModel& list);
    // Shows the explanation of the idiom with this id; false when there is none.
    bool ShowExplanation(const std::string& id, std::string* idiom);
    bool ShowExplanation(TSQLiteTable& detail, std::string* idiom);

    TMainView& view_;
    TIdiomStore store_;
    TListModel list_;
    TChainGame chain_;
    std::future<TFetchedList> start_up_;
};
