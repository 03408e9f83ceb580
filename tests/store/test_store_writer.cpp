// Writing a store: what the program reads back, and what a failed build leaves.
#include "tests/store/store_test_support.h"

#include "tests/support/temp_dir.h"
#include "tools/store_builder/synthetic.h"

namespace {

IdiomEntry Entry(std::string idiom, std::string pinyin, std::string origin = "")
{
    IdiomEntry e;
    e.idiom = std::move(idiom);
    e.pinyin = std::move(pinyin);
    e.origin = std::move(origin);
    return e;
}

IdiomEntries TwoEntries()
{
    IdiomEntry a = Entry("一马当先", "yī mǎ dāng xiān", "a.txt:1");
    a.explanation = "原指作战时策马冲锋在前。\n形容领先，带头。";
    a.source = "明·施耐庵《水浒全传》第九十七回";
    a.example = "每次抗洪抢险，他总是一马当先。";
    a.synonyms = "身先士卒、首当其冲";
    a.antonyms = "畏缩不前";
    a.other = "【用法】主谓式；作谓语。\r\n【结构】主谓式。\n第三行\r第四行";
    IdiomEntry b = Entry("绿林好汉", "lu:4 lin2 hao3 han4", "a.txt:12");
    return {a, b};
}

} // namespace

TEST_CASE("a store reads back through the data layer as GBK, ids in order, CR LF breaks")
{
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    WriteStore(TwoEntries(), file);

    TSQLiteDatabase db(file.string(), gob::DatabaseKey);
    const auto table = db.GetTable("SELECT * FROM tirsel");
    REQUIRE(table->RowCount() == 2);
    CHECK(table->ColNames() == std::vector<std::string>{"ID", "TIRSEL", "PINGYIN", "DIANGU", "CHUCHU", "LIZI",
                                                        "JINYI", "FANYI", "OTH", "PY2"});
    CHECK(table->ColTypes() == std::vector<int32_t>{kSQLiteInteger, kSQLiteText, kSQLiteText, kSQLiteText,
                                                     kSQLiteText, kSQLiteText, kSQLiteText, kSQLiteText,
                                                     kSQLiteText, kSQLiteText});
    auto field = [&](const char* name) { return table->FieldAsString(table->FieldIndex(name)); };
    CHECK(field("id") == "1");
    CHECK(field("tirsel") == Gbk("一马当先"));
    CHECK(field("pingyin") == Gbk("yī mǎ dāng xiān"));
    CHECK(field("diangu") == Gbk("原指作战时策马冲锋在前。\r\n形容领先，带头。"));
    CHECK(field("chuchu") == Gbk("明·施耐庵《水浒全传》第九十七回"));
    CHECK(field("lizi") == Gbk("每次抗洪抢险，他总是一马当先。"));
    CHECK(field("jinyi") == Gbk("身先士卒、首当其冲"));
    CHECK(field("fanyi") == Gbk("畏缩不前"));
    CHECK(field("oth") == Gbk("【用法】主谓式；作谓语。\r\n【结构】主谓式。\r\n第三行\r\n第四行"));
    CHECK(field("py2") == "yimadangxian");
    table->Next();
    CHECK(field("id") == "2");
    CHECK(field("tirsel") == Gbk("绿林好汉"));
    CHECK(field("pingyin") == "lu:4 lin2 hao3 han4");
    CHECK(field("py2") == "lvlinhaohan");
    // empty fields are empty texts, not NULLs the grid would show differently
    CHECK(db.GetTable("select count(*) from tirsel where diangu = '' and oth = ''")->FieldAsInteger(0) == 1);
    CHECK(db.GetTable("select count(*) from tirsel where oth is null")->FieldAsInteger(0) == 0);
}

TEST_CASE("the program's statements find the stored bytes")
{
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    IdiomEntries entries = TwoEntries();
    entries.push_back(Entry("马到成功", "mǎ dào chéng gōng"));
    WriteStore(entries, file);
    TSQLiteDatabase db(file.string(), gob::DatabaseKey);
    CHECK(db.GetTable("select id,tirsel,py2 from tirsel where tirsel = '" + Gbk("马到成功") + "'")->RowCount() == 1);
    CHECK(db.GetTable("select id,tirsel,py2 from tirsel where tirsel like '" + Gbk("马") + "%'")->RowCount() == 1);
    CHECK(db.GetTable("select id,tirsel,py2 from tirsel where tirsel like '%" + Gbk("先") + "'")->RowCount() == 1);
    CHECK(db.GetTable("select id,tirsel,py2 from tirsel where py2 like 'ma%'")->RowCount() == 1);
    const auto all = db.GetTable("select id,tirsel,py2 from tirsel");
    CHECK(all->FieldAsString(0) == "1");
    all->Next();
    all->Next();
    CHECK(all->FieldAsString(1) == Gbk("马到成功"));
    CHECK(db.GetTable("SELECT * FROM tirsel where id=3")->RowCount() == 1);
}

TEST_CASE("the store cannot be read under another key, nor without one")
{
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    WriteStore(TwoEntries(), file);
    {
        TSQLiteDatabase other(file.string(), "abcd4708251K");
        CHECK_THROWS_AS(other.GetTable("select id,tirsel,py2 from tirsel"), ESQLiteException);
    }
    {
        TSQLiteDatabase bare(file.string(), "");
        CHECK_THROWS_AS(bare.GetTable("select id,tirsel,py2 from tirsel"), ESQLiteException);
    }
    // and the text is not lying in the file in the clear
    CHECK(FileBytes(file).find("yimadangxian") == std::string::npos);
    CHECK(FileBytes(file).find("CREATE TABLE") == std::string::npos);
}

TEST_CASE("bad entries fail with a message naming file, entry and field, and leave no file")
{
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    IdiomEntries entries = TwoEntries();
    std::string expected;

    SUBCASE("missing idiom")
    {
        entries[1].idiom = "  ";
        expected = "a.txt:12: (no idiom): idiom: missing";
    }
    SUBCASE("missing pinyin")
    {
        entries[1].pinyin = "";
        expected = "a.txt:12: 绿林好汉: pinyin: missing";
    }
    SUBCASE("duplicate idiom")
    {
        entries.push_back(Entry("一马当先", "yi1 ma3 dang1 xian1", "b.txt:40"));
        expected = "b.txt:40: 一马当先: idiom: duplicate of a.txt:1";
    }
    SUBCASE("text GBK cannot encode")
    {
        entries[0].example = "他总是一马当先😀。";
        expected = "a.txt:1: 一马当先: example: GBK cannot encode U+1F600 '😀'";
    }
    SUBCASE("more syllables than characters")
    {
        entries[1].pinyin = "lu:4 lin2 hao3 han4 ren2";
        expected = "a.txt:12: 绿林好汉: pinyin: 5 syllables for 4 Chinese characters";
    }
    SUBCASE("fewer syllables than characters")
    {
        entries[0].pinyin = "yīmǎ dāng";
        expected = "a.txt:1: 一马当先: pinyin: 2 syllables for 4 Chinese characters";
    }
    SUBCASE("a syllable that is no pinyin")
    {
        entries[0].pinyin = "yi1,{word}0,dang1,xian1";
        expected = "a.txt:1: 一马当先: pinyin: \"{word}0\" is not a pinyin syllable";
    }
    SUBCASE("no origin: the entry's number")
    {
        entries.push_back(Entry("画蛇添足", ""));
        expected = "entry 3: 画蛇添足: pinyin: missing";
    }
    SUBCASE("bytes that are not UTF-8")
    {
        entries[1].source = "\xB0\xA1";  // GBK already: a mistake in the caller
        expected = "a.txt:12: 绿林好汉: source: not valid UTF-8";
    }
    CAPTURE(expected);
    const std::string message = BuildErrorOf([&] { WriteStore(entries, file); });
    CHECK(message.find(expected) != std::string::npos);
    CHECK(FolderListing(dir.path()).empty());
}

TEST_CASE("every problem is reported in one run")
{
    IdiomEntries entries = TwoEntries();
    entries[0].pinyin = "";
    entries[1].antonyms = "😀";
    const auto problems = FindEntryProblems(entries);
    REQUIRE(problems.size() == 2);
    CHECK(problems[0].index == 0);
    CHECK(problems[1].index == 1);
    CHECK(FindEntryProblems(TwoEntries()).empty());
}

TEST_CASE("a failed build keeps the old store; a good one replaces it")
{
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    WriteStore(TwoEntries(), file);
    const std::string old_bytes = FileBytes(file);

    IdiomEntries bad = TwoEntries();
    bad.push_back(Entry("一马当先", "yī mǎ dāng xiān"));
    CHECK(BuildErrorOf([&] { WriteStore(bad, file); }).find("duplicate") != std::string::npos);
    CHECK(FileBytes(file) == old_bytes);
    CHECK(FolderListing(dir.path()) == std::vector<std::string>{"tirsel.edt"});

    IdiomEntries more = TwoEntries();
    more.push_back(Entry("画蛇添足", "huà shé tiān zú"));
    WriteStore(more, file);
    CHECK(ReadStore(file).size() == 3);
    CHECK(FolderListing(dir.path()) == std::vector<std::string>{"tirsel.edt"});
}

TEST_CASE("a target that cannot be written fails cleanly")
{
    TempDir dir;
    CHECK(BuildErrorOf([&] { WriteStore(TwoEntries(), dir.path() / "missing" / "tirsel.edt"); })
              .find("folder does not exist") != std::string::npos);
    std::filesystem::create_directory(dir.path() / "taken");
    CHECK(BuildErrorOf([&] { WriteStore(TwoEntries(), dir.path() / "taken"); }).find("is a folder") !=
          std::string::npos);
    CHECK(BuildErrorOf([&] { WriteStore({}, dir.path() / "tirsel.edt"); }).find("no idioms") != std::string::npos);
    CHECK(FolderListing(dir.path()) == std::vector<std::string>{"taken"});
}

TEST_CASE("every list statement of the program returns rows in id order")
{
    // Idioms out of alphabetical and byte order, so an index walked in place
    // of the table would show.
    TempDir dir;
    const auto file = dir.path() / "tirsel.edt";
    const IdiomEntries entries = SyntheticEntries(2000);
    WriteStore(entries, file);
    TSQLiteDatabase db(file.string(), gob::DatabaseKey);
    const std::string idiom = Gbk(entries[1500].idiom);
    const std::string first = idiom.substr(0, 2);
    const std::string last = idiom.substr(idiom.size() - 2);
    const std::string statements[] = {
        "select id,tirsel,py2 from tirsel",
        "select id,tirsel,py2 from tirsel where tirsel like '%" + first + "%'",
        "select id,tirsel,py2 from tirsel where tirsel = '" + idiom + "'",
        "select id,tirsel,py2 from tirsel where tirsel like '" + first + "%'",
        "select id,tirsel,py2 from tirsel where tirsel like '%" + last + "'",
        "select id,tirsel,py2 from tirsel where py2 like 'sh%'",
    };
    for (const std::string& sql : statements) {
        const auto table = db.GetTable(sql);
        CAPTURE(GbkToUtf8(sql));
        CHECK(table->RowCount() >= 1);
        int64_t previous = 0;
        for (; !table->Eof(); table->Next()) {
            const int64_t id = table->FieldAsInteger(0);
            REQUIRE(id > previous);
            previous = id;
        }
    }
}
