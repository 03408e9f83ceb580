// The result list, the explanation, row clicks and database failures.
#include "tests/app/app_fixture.h"

#include <filesystem>
#include <thread>

#include "app/texts.h"

namespace {

IdiomEntries DetailEntries()
{
    IdiomEntry full = Entry("一马当先", "yī mǎ dāng xiān", "典故：见于某书。\r\n又见某处。");
    full.explanation = "作战时策马冲在最前面。";
    full.source = "元·无名氏《某剧》";
    full.example = "他一马当先，冲了上去。";
    full.synonyms = "身先士卒";
    full.antonyms = "畏缩不前";
    return {full, Entry("马到成功", "mǎ dào chéng gōng"), Entry("先发制人", "xiān fā zhì rén")};
}

} // namespace

TEST_CASE("the explanation: seven labelled lines, then the extra text as stored")
{
    AppFixture app(DetailEntries());
    app.logic->StartUp();
    CHECK(U(app.view.caption) == "成语: 一马当先");
    CHECK(U(app.view.memo) ==
          "【成语】：一马当先\r\n"
          "【拼音】：yī mǎ dāng xiān\r\n"
          "【解释】：作战时策马冲在最前面。\r\n"
          "【出处】：元·无名氏《某剧》\r\n"
          "【示例】：他一马当先，冲了上去。\r\n"
          "【近义词】：身先士卒\r\n"
          "【反义词】：畏缩不前\r\n"
          "典故：见于某书。\r\n又见某处。");

    SUBCASE("an empty extra text ends with the line break after the antonyms")
    {
        app.logic->RowClicked(1);
        CHECK(U(app.view.memo) ==
              "【成语】：马到成功\r\n【拼音】：mǎ dào chéng gōng\r\n【解释】：释马到成功\r\n"
              "【出处】：出马到成功\r\n【示例】：例马到成功\r\n【近义词】：近马到成功\r\n"
              "【反义词】：反马到成功\r\n");
    }
    SUBCASE("NULL columns read as empty text")
    {
        app.Alter("update tirsel set jinyi = null, oth = null where py2 = 'madaochenggong'");
        app.logic->RowClicked(1);
        const std::string memo = U(app.view.memo);
        CHECK(memo.find("【近义词】：\r\n【反义词】：反马到成功\r\n") != std::string::npos);
        CHECK(memo.size() == memo.rfind("\r\n") + 2);
    }
}

TEST_CASE("row clicks show the row's idiom and alternate the label's colour")
{
    AppFixture app(DetailEntries());
    app.logic->StartUp();
    REQUIRE(app.view.rows.size() == 3);
    CHECK_FALSE(app.view.label_visible);

    app.logic->RowClicked(2);
    CHECK(U(app.view.caption) == "成语: 先发制人");
    CHECK(U(app.view.memo).rfind("【成语】：先发制人\r\n", 0) == 0);
    CHECK(U(app.view.label) == "当前成语:先发制人");
    CHECK(app.view.label_visible);
    CHECK(app.view.label_colour == kClNavy);
    CHECK(app.logic->List().Current() == 2);

    app.logic->RowClicked(2);
    CHECK(app.view.label_colour == kClRed);
    app.logic->RowClicked(0);
    CHECK(app.view.label_colour == kClNavy);
    CHECK(U(app.view.label) == "当前成语:一马当先");

    SUBCASE("a new list leaves the label alone")
    {
        app.logic->QuickLookup("xian", 0);
        CHECK(U(app.view.caption) == "成语: 先发制人");
        CHECK(U(app.view.label) == "当前成语:一马当先");
        CHECK(app.view.label_colour == kClNavy);
    }
    SUBCASE("a click outside the rows does nothing")
    {
        app.statements.clear();
        app.logic->RowClicked(3);
        app.logic->RowClicked(UINT32_MAX);
        CHECK(app.statements.empty());
        CHECK(app.view.label_colour == kClNavy);
    }
    SUBCASE("a row whose record is gone changes nothing, not even the colour")
    {
        app.Alter("delete from tirsel where py2 = 'xianfazhiren'");
        const std::string memo = app.view.memo;
        app.logic->RowClicked(2);
        CHECK(app.view.memo == memo);
        CHECK(app.view.label_colour == kClNavy);
        CHECK(U(app.view.label) == "当前成语:一马当先");
    }
}

TEST_CASE("the first id is the first non-empty id of the result")
{
    AppFixture app(DetailEntries());
    app.logic->showxx({"select case when py2 = 'yimadangxian' then '' else id end as id, tirsel, py2 "
                       "from tirsel order by py2 desc",
                       {}},
                      1);
    // rows: 一马当先 (no id), 先发制人, 马到成功
    REQUIRE(app.view.rows.size() == 3);
    CHECK(app.view.rows[0][0].empty());
    CHECK(app.view.rows[0][1] == "一马当先");
    CHECK(U(app.view.caption) == "成语: 先发制人");

    SUBCASE("no id at all: the list is shown and nothing is explained")
    {
        const std::string memo = app.view.memo;
        app.logic->showxx({"select '' as id, tirsel, py2 from tirsel", {}}, 1);
        CHECK(app.view.rows.size() == 3);
        CHECK(app.view.memo == memo);
    }
}

TEST_CASE("database failures: the list and the explanation keep what they can")
{
    AppFixture app(DetailEntries());
    app.logic->StartUp();
    app.logic->RowClicked(1);
    const auto rows = app.view.rows;
    const std::string caption = app.view.caption;
    const std::string memo = app.view.memo;
    const int changes = app.view.list_changes;

    SUBCASE("the list statement fails: list and explanation stay as they were")
    {
        std::filesystem::remove(app.file());
        CHECK_THROWS_AS(app.logic->QuickLookup("ma", 0), ESQLiteException);
        CHECK_THROWS_AS(app.logic->FilterChanged(G("马")), ESQLiteException);
        CHECK_THROWS_WITH_AS(app.logic->StartUp(),
                             "Error executing SQL.\rError [1]: SQL error or missing database.\r\"error\": "
                             "no such table: tirsel",
                             ESQLiteException);
        CHECK(app.view.rows == rows);
        CHECK(app.view.list_changes == changes);
        CHECK(app.logic->List().RowCount() == 3);
        CHECK(app.view.caption == caption);
        CHECK(app.view.memo == memo);
        CHECK(app.view.warnings.empty());
    }
    SUBCASE("a row click fails: the explanation and the label stay")
    {
        const std::string label = app.view.label;
        std::filesystem::remove(app.file());
        CHECK_THROWS_AS(app.logic->RowClicked(0), ESQLiteException);
        CHECK(app.view.memo == memo);
        CHECK(app.view.label == label);
        CHECK(app.view.label_colour == kClNavy);
    }
    SUBCASE("only the detail statement fails: the new rows show, the explanation stays")
    {
        // a record without its extra column: the list's three columns are all there
        app.Alter("alter table tirsel drop column oth");
        CHECK_THROWS_WITH_AS(app.logic->QuickLookup("xian", 0), "Field not found in dataset: oth", ESQLiteException);
        CHECK(app.view.rows == std::vector<std::vector<std::string>>{{app.view.rows.at(0).at(0), "先发制人", "xianfaz"}});
        CHECK(app.view.list_changes == changes + 1);
        CHECK(app.view.caption == caption);
        CHECK(app.view.memo == memo);
    }
}

TEST_CASE("the start-up list read ahead while the window is built shows what reading it in place shows")
{
    AppFixture direct(DetailEntries());
    direct.logic->StartUp();
    AppFixture ahead(DetailEntries());
    ahead.logic->BeginStartUp();
    ahead.logic->BeginStartUp();  // a second call starts nothing more
    ahead.logic->StartUp();
    CHECK(ahead.view.rows == direct.view.rows);
    CHECK(ahead.view.fields == direct.view.fields);
    CHECK(ahead.view.list_changes == 1);
    CHECK(ahead.view.caption == direct.view.caption);
    CHECK(ahead.view.memo == direct.view.memo);
    CHECK(ahead.statements == direct.statements);
    CHECK(ahead.logic->List().Current() == 0);

    SUBCASE("the list it made is the one later clicks and lookups use")
    {
        ahead.logic->RowClicked(2);
        CHECK(U(ahead.view.caption) == "成语: 先发制人");
        ahead.logic->QuickLookup("ma", 0);
        CHECK(ahead.view.list_changes == 2);
        CHECK(ahead.logic->List().RowCount() == ahead.view.rows.size());
    }
    SUBCASE("a later start-up reads in place again")
    {
        ahead.statements.clear();
        ahead.logic->StartUp();
        CHECK(ahead.statements == direct.statements);
        CHECK(ahead.view.list_changes == 2);
    }
}

TEST_CASE("reading ahead runs the start-up statements away from the window's thread")
{
    AppFixture app(DetailEntries());
    std::vector<std::thread::id> threads;
    app.logic->Store().SetOnQuery([&](TSQLiteDatabase&, const std::string&) { threads.push_back(std::this_thread::get_id()); });
    app.logic->BeginStartUp();
    app.logic->StartUp();
    REQUIRE(threads.size() == 2);  // the list, then the first idiom's record
    CHECK(threads[0] != std::this_thread::get_id());
    CHECK(threads[1] == threads[0]);
}

TEST_CASE("a start-up read ahead that fails reports it when the window asks for the list")
{
    AppFixture app(DetailEntries());

    SUBCASE("no store: the error of the list statement, nothing shown")
    {
        std::filesystem::remove(app.file());
        app.logic->BeginStartUp();
        CHECK_THROWS_WITH_AS(app.logic->StartUp(),
                             "Error executing SQL.\rError [1]: SQL error or missing database.\r\"error\": "
                             "no such table: tirsel",
                             ESQLiteException);
        CHECK(app.view.list_changes == 0);
        CHECK(app.view.memo.empty());
        CHECK(app.logic->List().RowCount() == 0);
    }
    SUBCASE("only the detail statement fails: the rows show, then the error")
    {
        app.Alter("alter table tirsel drop column oth");
        app.logic->BeginStartUp();
        CHECK_THROWS_WITH_AS(app.logic->StartUp(), "Field not found in dataset: oth", ESQLiteException);
        CHECK(app.view.list_changes == 1);
        CHECK(app.view.rows.size() == 3);
        CHECK(app.view.memo.empty());
    }
    SUBCASE("an empty store: the placeholder row, as in place")
    {
        app.Alter("delete from tirsel");
        app.logic->BeginStartUp();
        app.logic->StartUp();
        REQUIRE(app.view.rows.size() == 1);
        CHECK(app.view.rows[0][1] == "无此开头成语");
    }
}

TEST_CASE("the program's texts are the GBK forms of its Chinese texts")
{
    using namespace texts;
    const std::pair<const char*, const char*> pairs[] = {
        {kNoResults, "没有搜索结果,请检查输入内容是否有误?"},
        {kEnterKeyword, "请输入要搜索的内容！"},
        {kNoSuchHead, "无此开头成语"},
        {kFieldIdiom, "成语"},
        {kFieldPinyin, "拼音"},
        {kExplanationCaption, "成语: "},
        {kCurrentIdiom, "当前成语:"},
        {kLabelIdiom, "【成语】："},
        {kLabelPinyin, "【拼音】："},
        {kLabelExplanation, "【解释】："},
        {kLabelSource, "【出处】："},
        {kLabelExample, "【示例】："},
        {kLabelSynonyms, "【近义词】："},
        {kLabelAntonyms, "【反义词】："},
        {kEnterSeed, "请输入要接龙的成语！"},
        {kSeedPlaceholder, "请输入成语"},
        {kChainCaption, "成语接龙: "},
    };
    for (const auto& [gbk, utf8] : pairs) {
        CAPTURE(std::string(utf8));
        CHECK(std::string(gbk) == G(utf8));
    }
}
