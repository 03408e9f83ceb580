// The project's source format and the public JSON idiom list, as the builder reads them.
#include "tests/store/store_test_support.h"

#include "tests/support/temp_dir.h"
#include "tools/store_builder/idiom_source.h"
#include "tools/store_builder/xinhua_json.h"

namespace {

const std::string kTwoEntries =
    "# comment before the first entry\n"
    "\n"
    "idiom: 一马当先\n"
    "pinyin: yī mǎ dāng xiān\n"
    "explanation: 原指作战时策马冲锋在前。\n"
    "source: 明·施耐庵《水浒全传》第九十七回\n"
    "example: 他总是一马当先。\n"
    "synonyms: 身先士卒、首当其冲\n"
    "antonyms: 畏缩不前、临阵脱逃\n"
    "other: 【用法】主谓式；含褒义。\n"
    "  【结构】主谓式成语。\n"
    "    indented further\n"
    "\n"
    "idiom: 画蛇添足\n"
    "# a comment inside an entry\n"
    "pinyin:   huà shé tiān zú   \n"
    "explanation:\n"
    "source:\n"
    "example:\n"
    "synonyms:\n"
    "antonyms:\n"
    "other:";

} // namespace

TEST_CASE("source entries: fields, continued lines, comments, origins")
{
    const IdiomEntries entries = ParseIdiomSource(kTwoEntries, "assets/idioms/a-l.txt");
    REQUIRE(entries.size() == 2);
    const IdiomEntry& a = entries[0];
    CHECK(a.idiom == "一马当先");
    CHECK(a.pinyin == "yī mǎ dāng xiān");
    CHECK(a.explanation == "原指作战时策马冲锋在前。");
    CHECK(a.source == "明·施耐庵《水浒全传》第九十七回");
    CHECK(a.example == "他总是一马当先。");
    CHECK(a.synonyms == "身先士卒、首当其冲");
    CHECK(a.antonyms == "畏缩不前、临阵脱逃");
    CHECK(a.other == "【用法】主谓式；含褒义。\n【结构】主谓式成语。\n  indented further");
    CHECK(a.origin == "assets/idioms/a-l.txt:3");
    const IdiomEntry& b = entries[1];
    CHECK(b.idiom == "画蛇添足");
    CHECK(b.pinyin == "huà shé tiān zú");
    CHECK(b.explanation.empty());
    CHECK(b.other.empty());
    CHECK(b.origin == "assets/idioms/a-l.txt:14");
}

TEST_CASE("source files written on Windows read the same")
{
    std::string crlf;
    for (const char c : kTwoEntries) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const IdiomEntries unix_like = ParseIdiomSource(kTwoEntries, "x.txt");
    const IdiomEntries windows = ParseIdiomSource("\xEF\xBB\xBF" + crlf + "\r\n\r\n\r\n", "x.txt");
    REQUIRE(windows.size() == 2);
    CHECK(windows[0].other == unix_like[0].other);
    CHECK(windows[1].pinyin == unix_like[1].pinyin);
    CHECK(windows[0].origin == "x.txt:3");
}

TEST_CASE("a continued other field is stored with CR LF")
{
    TempDir dir;
    WriteStore(ParseIdiomSource(kTwoEntries, "x.txt"), dir.path() / "tirsel.edt");
    const auto rows = ReadStore(dir.path() / "tirsel.edt");
    REQUIRE(rows.size() == 2);
    CHECK(rows[0].at("OTH") == Gbk("【用法】主谓式；含褒义。\r\n【结构】主谓式成语。\r\n  indented further"));
    CHECK(rows[1].at("PY2") == "huashetianzu");
}

TEST_CASE("malformed sources are refused with file, line, idiom and field")
{
    const std::string head = "idiom: 一马当先\npinyin: yī mǎ dāng xiān\n";
    const std::string tail = "explanation:\nsource:\nexample:\nsynonyms:\nantonyms:\nother:\n";
    std::string text;
    std::string expected;
    SUBCASE("unknown field")
    {
        text = head + "meaning: x\n" + tail;
        expected = "a.txt:3: 一马当先: expected \"field: value\"";
    }
    SUBCASE("a full-width colon is no field")
    {
        text = head + "explanation：x\n" + tail;
        expected = "a.txt:3: 一马当先: expected \"field: value\"";
    }
    SUBCASE("a field out of order")
    {
        text = head + "source:\nexplanation:\nexample:\nsynonyms:\nantonyms:\nother:\n";
        expected = "a.txt:3: 一马当先: source: comes before the missing field explanation";
    }
    SUBCASE("a field twice")
    {
        text = head + "pinyin: yī\n" + tail;
        expected = "a.txt:3: 一马当先: pinyin: given twice or out of order";
    }
    SUBCASE("fields missing at the end")
    {
        text = head + "explanation:\nsource:\nexample:\n\nidiom: 画蛇添足\npinyin: huà shé tiān zú\n" + tail;
        expected = "a.txt:6: 一马当先: fields missing at the end of the entry: synonyms, antonyms, other";
    }
    SUBCASE("an entry that does not start with idiom")
    {
        text = "pinyin: yī mǎ dāng xiān\n" + tail;
        expected = "a.txt:1: pinyin: an entry starts with idiom:";
    }
    SUBCASE("two entries without a blank line between them")
    {
        text = head + tail + head + tail;
        expected = "a.txt:9: 一马当先: idiom: a new entry needs a blank line before it";
    }
    SUBCASE("a continued line outside an entry")
    {
        text = "  stray\n\n" + head + tail;
        expected = "a.txt:1: a continued line (two spaces) outside an entry";
    }
    SUBCASE("a line indented by one space")
    {
        text = head + " explanation:\n" + tail;
        expected = "a.txt:3: 一马当先: expected \"field: value\"";
    }
    SUBCASE("bytes that are not UTF-8")
    {
        text = head + "explanation: \xB0\xA1\n" + tail.substr(tail.find('\n') + 1);
        expected = "a.txt:3: 一马当先: not valid UTF-8";
    }
    CAPTURE(expected);
    const std::string message = BuildErrorOf([&] { ParseIdiomSource(text, "a.txt"); });
    CAPTURE(message);
    CHECK(message.find(expected) != std::string::npos);
}

TEST_CASE("all malformed lines of a file are reported at once")
{
    const std::string message = BuildErrorOf([&] { ParseIdiomSource("bad one\nbad two\n\nbad three\n", "a.txt"); });
    CHECK(message.find("a.txt:1:") != std::string::npos);
    CHECK(message.find("a.txt:2:") != std::string::npos);
    CHECK(message.find("a.txt:4:") != std::string::npos);
}

TEST_CASE("inputs: folders give their .txt files in name order, then files in the order given")
{
    TempDir dir;
    const auto folder = dir.path() / "idioms";
    std::filesystem::create_directory(folder);
    auto entry = [](const std::string& idiom, const std::string& pinyin) {
        return "idiom: " + idiom + "\npinyin: " + pinyin +
               "\nexplanation:\nsource:\nexample:\nsynonyms:\nantonyms:\nother:\n";
    };
    WriteFile(folder / "m-z.txt", entry("守株待兔", "shǒu zhū dài tù"));
    WriteFile(folder / "a-l.txt", entry("安居乐业", "ān jū lè yè") + "\n" + entry("画蛇添足", "huà shé tiān zú"));
    WriteFile(folder / "notes.md", "not a source");
    WriteFile(dir.path() / "extra.txt", entry("马到成功", "mǎ dào chéng gōng"));
    WriteFile(dir.path() / "list.JSON", R"([{"word": "一马当先", "pinyin": "yī mǎ dāng xiān"}])");

    const IdiomEntries entries = ReadIdiomInputs({folder, dir.path() / "extra.txt", dir.path() / "list.JSON"});
    REQUIRE(entries.size() == 5);
    CHECK(entries[0].idiom == "安居乐业");
    CHECK(entries[1].idiom == "画蛇添足");
    CHECK(entries[2].idiom == "守株待兔");
    CHECK(entries[3].idiom == "马到成功");
    CHECK(entries[4].idiom == "一马当先");
    CHECK(entries[0].origin == (folder / "a-l.txt").generic_string() + ":1");
    CHECK(entries[2].origin == (folder / "m-z.txt").generic_string() + ":1");

    CHECK(BuildErrorOf([&] { ReadIdiomInputs({dir.path() / "missing.txt"}); }).find("cannot be read") !=
          std::string::npos);
    std::filesystem::create_directory(dir.path() / "empty");
    CHECK(ReadIdiomInputs({dir.path() / "empty"}).empty());
}

TEST_CASE("the public data set's JSON list: fields mapped, abbreviation dropped")
{
    const std::string json = R"([
      {"word": "一马当先", "pinyin": "yī mǎ dāng xiān", "explanation": "原指作战时策马冲锋在前。",
       "derivation": "明·施耐庵《水浒全传》第九十七回", "example": "他总是一马当先。", "abbreviation": "ymdx"},
      {"word": " 画蛇添足 ", "pinyin": "huà shé tiān zú", "explanation": "比喻做了多余的事。",
       "derivation": "《战国策·齐策二》", "example": "无", "abbreviation": "hstz"}
    ])";
    const IdiomEntries entries = ParseXinhuaJson(json, "idiom.json");
    REQUIRE(entries.size() == 2);
    CHECK(entries[0].idiom == "一马当先");
    CHECK(entries[0].pinyin == "yī mǎ dāng xiān");
    CHECK(entries[0].explanation == "原指作战时策马冲锋在前。");
    CHECK(entries[0].source == "明·施耐庵《水浒全传》第九十七回");
    CHECK(entries[0].example == "他总是一马当先。");
    CHECK(entries[0].synonyms.empty());
    CHECK(entries[0].antonyms.empty());
    CHECK(entries[0].other.empty());
    CHECK(entries[0].origin == "idiom.json: entry 1");
    CHECK(entries[1].idiom == "画蛇添足");
    CHECK(entries[1].example == "无");

    TempDir dir;
    WriteStore(entries, dir.path() / "tirsel.edt");
    const auto rows = ReadStore(dir.path() / "tirsel.edt");
    REQUIRE(rows.size() == 2);
    CHECK(rows[0].at("CHUCHU") == Gbk("明·施耐庵《水浒全传》第九十七回"));
    CHECK(rows[1].at("PY2") == "huashetianzu");
    CHECK(rows[0].at("OTH").empty());
}

TEST_CASE("JSON that is not an idiom list is refused")
{
    CHECK(BuildErrorOf([] { ParseXinhuaJson("[{\"word\": ", "x.json"); }).find("x.json: not valid JSON") == 0);
    CHECK(BuildErrorOf([] { ParseXinhuaJson("{\"word\": \"一\"}", "x.json"); }) ==
          "x.json: expected a JSON array of idioms");
    CHECK(BuildErrorOf([] { ParseXinhuaJson("[1]", "x.json"); }) == "x.json: entry 1: not a JSON object");
    CHECK(BuildErrorOf([] { ParseXinhuaJson(R"([{"word": "一马当先", "pinyin": 4}])", "x.json"); }) ==
          "x.json: entry 1: pinyin: not a text");
    // a missing word is the builder's ordinary "missing" error, with the entry's number
    const IdiomEntries entries = ParseXinhuaJson(R"([{"pinyin": "yī"}])", "x.json");
    CHECK(FindEntryProblems(entries).at(0).message == "x.json: entry 1: (no idiom): idiom: missing");
}
