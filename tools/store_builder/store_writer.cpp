#include "tools/store_builder/store_writer.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <random>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "data/gbk.h"
#include "data/gob.h"
#include "data/sqlite_table3.h"
#include "tools/store_builder/pinyin.h"
#include "tools/store_builder/utf8_text.h"

namespace {

// The columns the program reads, in the order of the table.
constexpr const char* kCreateTable =
    "CREATE TABLE tirsel ("
    // The rowid alias: the detail statement "where id=" finds a row without
    // reading the table, and rows stay stored (and listed) in id order.
    "id INTEGER PRIMARY KEY, tirsel TEXT, pingyin TEXT, diangu TEXT, chuchu TEXT, "
    "lizi TEXT, jinyi TEXT, fanyi TEXT, oth TEXT, py2 TEXT)";
// For the exact lookup and the chain step, which otherwise read the whole
// table. It holds no py2, so no list statement ("select id,tirsel,py2 ...")
// can be answered from it alone and every list keeps the table's id order;
// only the chain statement, which orders at random anyway, walks it.
constexpr const char* kCreateIndex = "CREATE INDEX tirsel_idiom ON tirsel (tirsel)";
constexpr const char* kInsert = "INSERT INTO tirsel VALUES (?,?,?,?,?,?,?,?,?,?)";
constexpr size_t kMaxReportedProblems = 50;

// One row as stored: GBK text with CR LF line breaks.
struct StoreRow {
    std::string idiom, pinyin, explanation, source, example, synonyms, antonyms, other, key;
};

// The memo shows the text as stored, and a Windows edit control breaks lines only at CR LF.
std::u16string Utf16WithCrLf(const std::u32string& text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t cp = text[i];
        if (cp == U'\r' || cp == U'\n') {
            out += u"\r\n";
            if (cp == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Collects what is wrong with the entries so one run reports all of it.
class Problems {
public:
    void Add(const IdiomEntry& entry, size_t index, const char* field, const std::string& problem)
    {
        const std::string where = entry.origin.empty() ? "entry " + std::to_string(index + 1) : entry.origin;
        const std::string name = IsBlank(entry.idiom) ? "(no idiom)" : entry.idiom;
        list_.push_back({index, where + ": " + name + ": " + field + ": " + problem});
    }
    std::vector<EntryProblem> Take()
    {
        Sort();
        return std::move(list_);
    }
    void ThrowIfAny()
    {
        if (list_.empty())
            return;
        Sort();
        std::string text;
        for (size_t i = 0; i < list_.size() && i < kMaxReportedProblems; ++i)
            text += (i ? "\n" : "") + list_[i].message;
        if (list_.size() > kMaxReportedProblems)
            text += "\n... and " + std::to_string(list_.size() - kMaxReportedProblems) + " more";
        throw BuildError(text);
    }

private:
    // Encoding is checked for all entries at once, after the rest; reports follow the entries.
    void Sort()
    {
        std::stable_sort(list_.begin(), list_.end(),
                         [](const EntryProblem& a, const EntryProblem& b) { return a.index < b.index; });
    }

    std::vector<EntryProblem> list_;
};

// GBK for many texts at once: converting text by text costs more than
// everything else a build does. A character GBK lacks, or one the system's
// converter would swap for a look-alike, turns a text into nullopt.
std::vector<std::optional<std::string>> ToGbk(const std::vector<std::u16string>& texts)
{
    auto exact = [](const std::u16string& text) -> std::optional<std::string> {
        auto gbk = Utf16ToGbk(text);
#ifdef _WIN32
        // The system's converter swaps characters it lacks for look-alikes (ä for a)
        // without saying so; only the way back shows it.
        if (gbk && GbkToUtf16(*gbk) != text)
            gbk.reset();
#endif
        return gbk;
    };
    std::vector<std::optional<std::string>> out;
    out.reserve(texts.size());
    // Texts hold no zero character (checked before), so it can part them.
    std::u16string joined;
    for (const std::u16string& text : texts) {
        joined += text;
        joined += u'\0';
    }
    if (const auto gbk = exact(joined)) {
        size_t start = 0;
        for (size_t i = 0; i < texts.size(); ++i) {
            const size_t end = gbk->find('\0', start);
            out.emplace_back(gbk->substr(start, end - start));
            start = end + 1;
        }
    } else {
        for (const std::u16string& text : texts)
            out.push_back(exact(text));
    }
    return out;
}

// The first character of a text that GBK cannot hold.
char32_t FirstNonGbk(const std::string& utf8)
{
    for (const char32_t cp : DecodeUtf8(utf8).value_or(std::u32string())) {
        const std::u16string one = Utf8ToUtf16(EncodeUtf8(cp));
        const auto gbk = Utf16ToGbk(one);
        if (!gbk || GbkToUtf16(*gbk) != one)  // the way back, as above
            return cp;
    }
    return 0xFFFD;
}

void CheckIdiomAndPinyin(const IdiomEntry& entry, size_t index, Problems& problems)
{
    if (IsBlank(entry.idiom))
        problems.Add(entry, index, "idiom", "missing");
    else if (entry.idiom.find_first_of("\r\n") != std::string::npos)
        problems.Add(entry, index, "idiom", "holds a line break");
    if (IsBlank(entry.pinyin)) {
        problems.Add(entry, index, "pinyin", "missing");
        return;
    }
    if (entry.pinyin.find_first_of("\r\n") != std::string::npos) {
        problems.Add(entry, index, "pinyin", "holds a line break");
        return;
    }
    if (IsBlank(entry.idiom) || !DecodeUtf8(entry.idiom) || !DecodeUtf8(entry.pinyin))
        return;  // reported elsewhere
    const std::vector<std::string> syllables = PinyinSyllables(entry.pinyin);
    for (const std::string& s : syllables) {
        if (!IsPinyinSyllable(s)) {
            problems.Add(entry, index, "pinyin", "\"" + s + "\" is not a pinyin syllable");
            return;
        }
    }
    const size_t characters = CountHanCharacters(entry.idiom);
    if (characters == 0)
        problems.Add(entry, index, "idiom", "has no Chinese character");
    else if (syllables.size() != characters)
        problems.Add(entry, index, "pinyin",
                     std::to_string(syllables.size()) + " syllables for " + std::to_string(characters) +
                         " Chinese characters");
}

std::vector<StoreRow> PrepareRows(const IdiomEntries& entries, Problems& problems)
{
    constexpr const char* kFieldNames[] = {"idiom",   "pinyin",   "explanation", "source",
                                           "example", "synonyms", "antonyms",    "other"};
    constexpr size_t kFields = std::size(kFieldNames);
    auto field_of = [](const IdiomEntry& e, size_t f) -> const std::string& {
        const std::string* fields[] = {&e.idiom,   &e.pinyin,   &e.explanation, &e.source,
                                       &e.example, &e.synonyms, &e.antonyms,    &e.other};
        return *fields[f];
    };

    std::vector<StoreRow> rows(entries.size());
    std::unordered_map<std::string, size_t> first_seen;
    // Converted a block at a time, so the whole dictionary is never held in three encodings at once.
    constexpr size_t kBlock = 512;
    std::vector<std::u16string> texts;
    for (size_t block = 0; block < entries.size(); block += kBlock) {
        const size_t end = std::min(entries.size(), block + kBlock);
        texts.clear();
        for (size_t i = block; i < end; ++i) {
            const IdiomEntry& e = entries[i];
            CheckIdiomAndPinyin(e, i, problems);
            if (!IsBlank(e.idiom)) {
                const auto [it, fresh] = first_seen.emplace(e.idiom, i);
                if (!fresh) {
                    const IdiomEntry& first = entries[it->second];
                    problems.Add(e, i, "idiom",
                                 "duplicate of " + (first.origin.empty() ? "entry " + std::to_string(it->second + 1)
                                                                         : first.origin));
                }
            }
            for (size_t f = 0; f < kFields; ++f) {
                const std::string& text = field_of(e, f);
                texts.emplace_back();
                const auto decoded = DecodeUtf8(text);
                if (!decoded)
                    problems.Add(e, i, kFieldNames[f], "not valid UTF-8");
                else if (text.find('\0') != std::string::npos)
                    problems.Add(e, i, kFieldNames[f], "holds a zero character, which would cut the text short");
                else
                    texts.back() = Utf16WithCrLf(*decoded);
            }
        }
        const std::vector<std::optional<std::string>> gbk = ToGbk(texts);
        for (size_t i = block; i < end; ++i) {
            std::string* out[] = {&rows[i].idiom,   &rows[i].pinyin,   &rows[i].explanation, &rows[i].source,
                                  &rows[i].example, &rows[i].synonyms, &rows[i].antonyms,    &rows[i].other};
            for (size_t f = 0; f < kFields; ++f) {
                if (const auto& text = gbk[(i - block) * kFields + f])
                    *out[f] = *text;
                else
                    problems.Add(entries[i], i, kFieldNames[f],
                                 "GBK cannot encode " + DescribeCodePoint(FirstNonGbk(field_of(entries[i], f))));
            }
            rows[i].key = PinyinKey(entries[i].pinyin);
        }
    }
    return rows;
}

// The engine takes file names as UTF-8 on every platform.
std::string EngineFileName(const std::filesystem::path& path)
{
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// Removes the temporary store and its journal unless the build got as far as renaming it.
class TempStore {
public:
    explicit TempStore(const std::filesystem::path& target)
    {
        std::random_device rd;
        path_ = target;
        path_ += ".tmp" + std::to_string(rd() % 1000000);
        Remove();
    }
    ~TempStore()
    {
        if (!kept_)
            Remove();
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    void Remove()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
        std::filesystem::path journal = path_;
        journal += "-journal";
        std::filesystem::remove(journal, ec);
    }

    std::filesystem::path path_;
    bool kept_ = false;
};

void WriteRows(const std::string& file, const std::vector<StoreRow>& rows)
{
    TSQLiteDatabase db(file, gob::DatabaseKey);
    db.ExecSQL(kCreateTable);
    db.ExecSQL("BEGIN");
    db.SetInTransaction(true);  // a failure below rolls back as the connection closes
    int64_t id = 0;
    for (const StoreRow& r : rows) {
        db.ExecSQL(kInsert, {TBindValue::Int64(++id), TBindValue::String(r.idiom), TBindValue::String(r.pinyin),
                             TBindValue::String(r.explanation), TBindValue::String(r.source),
                             TBindValue::String(r.example), TBindValue::String(r.synonyms),
                             TBindValue::String(r.antonyms), TBindValue::String(r.other),
                             TBindValue::String(r.key)});
    }
    // built once after the rows: cheaper than keeping it up to date row by row
    db.ExecSQL(kCreateIndex);
    db.ExecSQL("COMMIT");
    db.SetInTransaction(false);
    db.Close();
}

// Reads the finished file back the way the program will: keyed, through the
// data layer, with the start-up statement, which must list every row in id order.
void CheckWritten(const std::string& file, size_t expected_rows)
{
    TSQLiteDatabase db(file, gob::DatabaseKey);
    const auto check = db.GetTable("PRAGMA quick_check");
    if (check->RowCount() != 1 || check->FieldAsString(0) != "ok")
        throw BuildError("the written store fails its integrity check");
    const auto list = db.GetTable("select id,tirsel,py2 from tirsel");
    if (list->RowCount() != expected_rows)
        throw BuildError("the written store holds " + std::to_string(list->RowCount()) + " rows instead of " +
                         std::to_string(expected_rows));
    for (int64_t id = 1; !list->Eof(); ++id, list->Next())
        if (list->FieldAsInteger(0) != id)
            throw BuildError("the written store lists id " + list->FieldAsString(0) + " where " +
                             std::to_string(id) + " belongs");
    db.Close();
}

} // namespace

std::vector<EntryProblem> FindEntryProblems(const IdiomEntries& entries)
{
    Problems problems;
    PrepareRows(entries, problems);
    return problems.Take();
}

void WriteStore(const IdiomEntries& entries, const std::filesystem::path& target)
{
    if (entries.empty())
        throw BuildError(target.string() + ": no idioms to store");
    Problems problems;
    const std::vector<StoreRow> rows = PrepareRows(entries, problems);
    problems.ThrowIfAny();

    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw BuildError(target.string() + ": the folder does not exist");
    if (std::filesystem::is_directory(target, ec))
        throw BuildError(target.string() + ": is a folder");

    TempStore temp(target);
    try {
        WriteRows(EngineFileName(temp.path()), rows);
        CheckWritten(EngineFileName(temp.path()), rows.size());
    } catch (const ESQLiteException& e) {
        throw BuildError(target.string() + ": writing the store failed: " + e.Message());
    } catch (const BuildError& e) {
        throw BuildError(target.string() + ": " + e.what());
    }
    // Replaces an existing store in one step, on Windows too (MoveFileEx with
    // MOVEFILE_REPLACE_EXISTING underneath).
    std::filesystem::rename(temp.path(), target, ec);
    if (ec)
        throw BuildError(target.string() + ": cannot replace the store: " + ec.message());
    temp.Keep();
}
