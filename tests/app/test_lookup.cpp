// The quick lookup, the filter box and the start-up list against a real store.
#include "tests/app/app_fixture.h"

#include <algorithm>

#include "app/texts.h"

namespace {

const char* const kList = "select id,tirsel,py2 from tirsel";
const char* const kDetail = "SELECT * FROM tirsel where id=?";

IdiomEntries LookupEntries()
{
    return {
        Entry("一马当先", "yī mǎ dāng xiān", "典故"),
        Entry("马到成功", "mǎ dào chéng gōng"),
        Entry("一马平川", "yī mǎ píng chuān"),
        Entry("千军一马", "qiān jūn yī mǎ"),
        Entry("先发制人", "xiān fā zhì rén"),
        Entry("暗藏杀机", "àn cáng shā jī"),
        Entry("爱不释手", "ài bù shì shǒu"),
        Entry("乼乼之人", "jiǔ jiǔ zhī rén"),
        Entry("乀乀之人", "piě piě zhī rén"),
        Entry("乢乢之人", "gài gài zhī rén"),
        Entry("乤乤之人", "hā hā zhī rén"),
        Entry("乗乗之人", "chéng chéng zhī rén"),
        Entry("一二三四五六七八九十", "yī èr sān sì wǔ liù qī bā jiǔ shí"),
    };
}

// The idioms the grid shows, in list order.
std::vector<std::string> Idioms(const TTestView& view)
{
    std::vector<std::string> idioms;
    for (const auto& row : view.rows)
        idioms.push_back(row.at(1));
    return idioms;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace

TEST_CASE("start-up lists every idiom and explains the first")
{
    AppFixture app(LookupEntries());
    app.logic->StartUp();

    CHECK(app.statements == std::vector<std::string>{kList, kDetail});
    REQUIRE(app.view.rows.size() == LookupEntries().size());
    CHECK(app.view.fields == std::vector<std::string>{"ID (hidden)", "成语", "拼音"});
    CHECK(app.view.rows[0][1] == "一马当先");
    CHECK(app.view.rows[0][2] == "yimadan");  // the pinyin key cut to its seven bytes
    CHECK(app.view.rows[3][1] == "千军一马");
    CHECK(app.logic->List().Current() == 0);
    CHECK(U(app.view.caption) == "成语: 一马当先");
    CHECK(U(app.view.memo).rfind("【成语】：一马当先\r\n", 0) == 0);
    CHECK_FALSE(app.view.label_visible);
    CHECK(app.view.warnings.empty());

    SUBCASE("an idiom longer than nine characters shows its first nine")
    {
        CHECK(app.view.rows.back()[1] == "一二三四五六七八九");
        CHECK(app.view.rows.back()[2] == "yiersan");
    }
    SUBCASE("ids are listed, hidden, and unique")
    {
        std::vector<std::string> ids;
        for (const auto& row : app.view.rows)
            ids.push_back(row[0]);
        CHECK(std::all_of(ids.begin(), ids.end(), [](const std::string& id) { return !id.empty(); }));
        ids = Sorted(ids);
        CHECK(std::adjacent_find(ids.begin(), ids.end()) == ids.end());
    }
}

TEST_CASE("quick lookup: each mode's statement and result")
{
    AppFixture app(LookupEntries());
    app.logic->StartUp();
    app.statements.clear();

    struct Case {
        int mode;
        const char* keyword;
        const char* where;
        std::vector<std::string> idioms;
    };
    const Case cases[] = {
        {0, "一马", " where tirsel like '%' || ? || '%'", {"一马当先", "一马平川", "千军一马"}},
        {1, "一马当先", " where tirsel = ?", {"一马当先"}},
        {1, "一马", " where tirsel = ?", {}},
        {2, "一马", " where tirsel like ? || '%'", {"一马当先", "一马平川"}},
        {3, "一马", " where tirsel like '%' || ?", {"千军一马"}},
        {3, "之人", " where tirsel like '%' || ?", {"乼乼之人", "乀乀之人", "乢乢之人", "乤乤之人", "乗乗之人"}},
        {4, "yima", " where py2 like ? || '%'", {"一马当先", "一马平川"}},
        {4, "马到", " where py2 like ? || '%'", {}},  // a Chinese keyword stays in pinyin mode
    };
    for (const Case& c : cases) {
        CAPTURE(c.mode);
        CAPTURE(std::string(c.keyword));
        app.statements.clear();
        app.view.warnings.clear();
        app.logic->QuickLookup(G(c.keyword), c.mode);
        REQUIRE(!app.statements.empty());
        CHECK(app.statements[0] == std::string(kList) + c.where);
        if (c.idioms.empty()) {
            CHECK(app.view.warnings == std::vector<std::string>{"没有搜索结果,请检查输入内容是否有误?"});
            CHECK(app.statements.size() == 1);
        } else {
            CHECK(app.view.warnings.empty());
            CHECK(Idioms(app.view) == c.idioms);
            CHECK(app.statements.size() == 2);
            CHECK(U(app.view.caption) == "成语: " + c.idioms[0]);
        }
    }
}

TEST_CASE("quick lookup: what decides the mode and the keyword")
{
    AppFixture app(LookupEntries());

    SUBCASE("yima with the fuzzy mode selected searches the pinyin key")
    {
        app.logic->QuickLookup("yima", 0);
        CHECK(app.statements.at(0) == std::string(kList) + " where py2 like ? || '%'");
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先", "一马平川"});
    }
    SUBCASE("letters match the pinyin key in either case")
    {
        app.logic->QuickLookup("YiMa", 1);
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先", "一马平川"});
    }
    SUBCASE("一马 in tail mode")
    {
        app.logic->QuickLookup(G("一马"), 3);
        CHECK(app.statements.at(0) == std::string(kList) + " where tirsel like '%' || ?");
        CHECK(Idioms(app.view) == std::vector<std::string>{"千军一马"});
    }
    SUBCASE("a_c: the user's _ is a wildcard for one character")
    {
        app.logic->QuickLookup("a_c", 0);
        CHECK(Idioms(app.view) == std::vector<std::string>{"暗藏杀机"});
        app.logic->QuickLookup("a%shou", 0);
        CHECK(Idioms(app.view) == std::vector<std::string>{"爱不释手"});
    }
    SUBCASE("the keyword is trimmed, the single-byte test looks at the whole text")
    {
        app.logic->QuickLookup(" \t" + G("一马") + "\r\n", 2);
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先", "一马平川"});
        app.logic->QuickLookup("\x01yima\x1f", 2);
        CHECK(app.statements.back() == kDetail);
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先", "一马平川"});
    }
    SUBCASE("an empty or blank keyword is refused before any statement")
    {
        for (const std::string text : {"", "   ", "\t\r\n", "\x01\x02"}) {
            app.logic->QuickLookup(text, 0);
        }
        CHECK(app.view.warnings == std::vector<std::string>(4, "请输入要搜索的内容！"));
        CHECK(app.statements.empty());
        CHECK(app.view.list_changes == 0);
    }
    SUBCASE("the box's placeholder is searched like any text")
    {
        app.logic->QuickLookup(G("请输入搜索内容"), 0);
        CHECK(app.statements.size() == 1);
        CHECK(app.view.warnings == std::vector<std::string>{"没有搜索结果,请检查输入内容是否有误?"});
    }
    SUBCASE("a mode index outside the list is the first mode")
    {
        app.logic->QuickLookup(G("马"), 9);
        CHECK(app.statements.at(0) == std::string(kList) + " where tirsel like '%' || ? || '%'");
        CHECK(app.view.rows.size() == 4);
    }
}

TEST_CASE("extended GBK characters find themselves and not their neighbours")
{
    AppFixture app(LookupEntries());
    // 乼 81 74 / 乀 81 54 differ only in the case of the trail byte's letter;
    // 乢 81 5F has '_' and 乗 81 5C has '\' as its trail byte.
    const std::pair<const char*, const char*> cases[] = {
        {"乼", "乼乼之人"}, {"乀", "乀乀之人"}, {"乢", "乢乢之人"}, {"乤", "乤乤之人"}, {"乗", "乗乗之人"}};
    for (const auto& [keyword, idiom] : cases) {
        for (int mode : {0, 2}) {
            CAPTURE(std::string(keyword));
            CAPTURE(mode);
            app.logic->QuickLookup(G(keyword), mode);
            CHECK(Idioms(app.view) == std::vector<std::string>{idiom});
        }
    }
    app.logic->FilterChanged(G("乼"));
    CHECK(Idioms(app.view) == std::vector<std::string>{"乼乼之人"});
}

TEST_CASE("any typed text is searched for as text and never breaks the statement")
{
    AppFixture app(LookupEntries());
    app.logic->StartUp();
    const auto start_rows = app.view.rows;
    const std::string start_memo = app.view.memo;

    const std::string texts[] = {
        "'",
        "it's",
        "' or ''='",
        "' or 1=1 or py2 like '",
        G("一马' or '1'='1"),
        G("一马\"当先"),
        "\\",
        G("一马\\"),
        "a\\%",
        ";drop table tirsel;--",
        G("一马') union select 1,2,3 --"),
        std::string(100000, 'y'),
        [] {
            std::string s;
            for (int i = 0; i < 30000; ++i)
                s += G("马");
            return s;
        }(),
        G("一\x01马"),
        std::string("\x7f\x1b[0m"),
        std::string("yi\0ma", 5),
    };
    for (const std::string& text : texts) {
        for (int mode = 0; mode <= 4; ++mode) {
            CAPTURE(text.substr(0, 40));
            CAPTURE(mode);
            app.view.warnings.clear();
            CHECK_NOTHROW(app.logic->QuickLookup(text, mode));
            CHECK(app.view.warnings == std::vector<std::string>{"没有搜索结果,请检查输入内容是否有误?"});
        }
        CHECK_NOTHROW(app.logic->FilterChanged(text));
        CHECK(app.view.rows == std::vector<std::vector<std::string>>{{"0", "无此开头成语"}});
        app.logic->StartUp();
    }
    CHECK(app.view.rows == start_rows);
    CHECK(app.view.memo == start_memo);

    SUBCASE("a long keyword that matches")
    {
        app.logic->QuickLookup(std::string(2, ' ') + G("一马当先") + std::string(5000, ' '), 1);
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先"});
    }
}

TEST_CASE("no match in the quick lookup keeps the list and the explanation")
{
    AppFixture app(LookupEntries());
    app.logic->StartUp();
    app.logic->RowClicked(2);
    const auto rows = app.view.rows;
    const std::string caption = app.view.caption;
    const std::string memo = app.view.memo;
    const int changes = app.view.list_changes;

    app.logic->QuickLookup(G("不存在"), 0);
    CHECK(app.view.warnings == std::vector<std::string>{"没有搜索结果,请检查输入内容是否有误?"});
    CHECK(app.view.rows == rows);
    CHECK(app.view.list_changes == changes);
    CHECK(app.view.caption == caption);
    CHECK(app.view.memo == memo);
    CHECK(app.logic->List().RowCount() == rows.size());
}

TEST_CASE("the filter box")
{
    AppFixture app(LookupEntries());
    app.logic->StartUp();
    app.statements.clear();
    const std::string memo = app.view.memo;
    const std::string caption = app.view.caption;

    SUBCASE("an empty or blank text changes nothing")
    {
        const int changes = app.view.list_changes;
        app.logic->FilterChanged("");
        app.logic->FilterChanged("  \t ");
        CHECK(app.statements.empty());
        CHECK(app.view.list_changes == changes);
        CHECK(app.view.warnings.empty());
    }
    SUBCASE("Chinese text filters idioms by their start, letters by the pinyin key")
    {
        app.logic->FilterChanged(G("一马"));
        CHECK(app.statements.at(0) == std::string(kList) + " where tirsel like ? || '%'");
        CHECK(Idioms(app.view) == std::vector<std::string>{"一马当先", "一马平川"});
        app.logic->FilterChanged("ma");
        CHECK(app.statements.at(2) == std::string(kList) + " where py2 like ? || '%'");
        CHECK(Idioms(app.view) == std::vector<std::string>{"马到成功"});
        CHECK(U(app.view.caption) == "成语: 马到成功");
    }
    SUBCASE("no match shows the placeholder row alone and keeps the explanation")
    {
        app.logic->FilterChanged(G("马上"));
        CHECK(app.statements.size() == 1);
        CHECK(app.view.fields == std::vector<std::string>{"ID (hidden)", "成语"});
        CHECK(app.view.rows == std::vector<std::vector<std::string>>{{"0", "无此开头成语"}});
        CHECK(app.logic->List().Field(1).Size == 28);
        CHECK(app.view.memo == memo);
        CHECK(app.view.caption == caption);
        CHECK(app.view.warnings.empty());

        SUBCASE("a click on the placeholder row shows nothing new")
        {
            app.logic->RowClicked(0);
            CHECK(app.statements.back() == kDetail);
            CHECK(app.view.memo == memo);
            CHECK(app.view.caption == caption);
            CHECK_FALSE(app.view.label_visible);
        }
        SUBCASE("a quick lookup without a match keeps the placeholder")
        {
            app.logic->QuickLookup(G("不存在"), 0);
            CHECK(app.view.rows == std::vector<std::vector<std::string>>{{"0", "无此开头成语"}});
            CHECK(app.view.warnings.size() == 1);
        }
        SUBCASE("a later match brings back the normal layout")
        {
            app.logic->FilterChanged("yi");
            CHECK(app.view.fields == std::vector<std::string>{"ID (hidden)", "成语", "拼音"});
            CHECK(app.view.rows.size() == 3);
        }
    }
}
