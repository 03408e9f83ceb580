#include "tools/store_builder/idiom_source.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "tools/store_builder/store_writer.h"
#include "tools/store_builder/utf8_text.h"
#include "tools/store_builder/xinhua_json.h"

namespace {

constexpr size_t kFieldCount = std::size(kSourceFields);
constexpr size_t kMaxReportedLines = 50;

std::string& FieldOf(IdiomEntry& e, size_t index)
{
    std::string* fields[] = {&e.idiom,   &e.pinyin,   &e.explanation, &e.source,
                             &e.example, &e.synonyms, &e.antonyms,    &e.other};
    return *fields[index];
}

std::optional<size_t> FieldIndex(std::string_view name)
{
    for (size_t i = 0; i < kFieldCount; ++i)
        if (name == kSourceFields[i])
            return i;
    return std::nullopt;
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    return s;
}

bool IsBlankLine(std::string_view s) { return TrimLeft(TrimRight(s)).empty(); }

class SourceParser {
public:
    explicit SourceParser(std::string file) : file_(std::move(file)) {}

    void Line(std::string_view raw, size_t number)
    {
        line_ = number;
        if (!DecodeUtf8(raw)) {
            Fail(nullptr, "not valid UTF-8");
            return;
        }
        const std::string_view line = TrimRight(raw);
        if (line.empty() || IsBlankLine(line)) {
            EndEntry();
        } else if (line.front() == '#') {
            // a comment, inside an entry or between entries
        } else if (line.substr(0, 2) == "  ") {
            Continuation(line.substr(2));
        } else {
            FieldLine(line);
        }
    }

    IdiomEntries Finish()
    {
        EndEntry();
        if (!errors_.empty()) {
            std::string text;
            for (size_t i = 0; i < errors_.size() && i < kMaxReportedLines; ++i)
                text += (i ? "\n" : "") + errors_[i];
            if (errors_.size() > kMaxReportedLines)
                text += "\n... and " + std::to_string(errors_.size() - kMaxReportedLines) + " more";
            throw BuildError(text);
        }
        return std::move(entries_);
    }

private:
    void Fail(const char* field, const std::string& problem)
    {
        std::string message = file_ + ":" + std::to_string(line_) + ": ";
        if (entry_)
            message += (entry_->idiom.empty() ? std::string("(no idiom)") : entry_->idiom) + ": ";
        if (field)
            message += std::string(field) + ": ";
        errors_.push_back(message + problem);
    }

    void FieldLine(std::string_view line)
    {
        const size_t colon = line.find(':');
        const std::optional<size_t> index =
            colon == std::string_view::npos ? std::nullopt : FieldIndex(line.substr(0, colon));
        if (!index) {
            Fail(nullptr, "expected \"field: value\" with one of the fields idiom, pinyin, explanation, "
                          "source, example, synonyms, antonyms, other; or two spaces to continue a value");
            return;
        }
        const std::string value(TrimLeft(line.substr(colon + 1)));
        if (!entry_) {
            if (*index != 0) {
                Fail(kSourceFields[*index], "an entry starts with idiom:");
                skipping_ = true;  // the rest of this block belongs to the broken entry
                return;
            }
            entry_.emplace();
            entry_->origin = file_ + ":" + std::to_string(line_);
            next_ = 0;
        }
        if (skipping_)
            return;
        if (*index == 0 && next_ > 0) {
            Fail("idiom", "a new entry needs a blank line before it");
            return;
        }
        if (*index < next_) {
            Fail(kSourceFields[*index], "given twice or out of order");
            return;
        }
        if (*index > next_) {
            Fail(kSourceFields[*index], "comes before the missing field " + std::string(kSourceFields[next_]) +
                                            " (write \"" + kSourceFields[next_] + ":\" when it is empty)");
            next_ = *index;  // one message for one gap
        }
        FieldOf(*entry_, *index) = value;
        last_ = *index;
        next_ = *index + 1;
    }

    void Continuation(std::string_view text)
    {
        if (!entry_ || next_ == 0) {
            if (!skipping_)
                Fail(nullptr, "a continued line (two spaces) outside an entry");
            return;
        }
        std::string& field = FieldOf(*entry_, last_);
        field += '\n';
        field += text;
    }

    void EndEntry()
    {
        if (entry_ && next_ < kFieldCount) {
            std::string missing;
            for (size_t i = next_; i < kFieldCount; ++i)
                missing += std::string(missing.empty() ? "" : ", ") + kSourceFields[i];
            Fail(nullptr, "fields missing at the end of the entry: " + missing +
                              " (write \"field:\" when it is empty)");
        }
        if (entry_)
            entries_.push_back(std::move(*entry_));
        entry_.reset();
        skipping_ = false;
        next_ = 0;
    }

    std::string file_;
    size_t line_ = 0;
    std::optional<IdiomEntry> entry_;
    size_t next_ = 0;   // the field expected next
    size_t last_ = 0;   // the field a continued line adds to
    bool skipping_ = false;
    IdiomEntries entries_;
    std::vector<std::string> errors_;
};

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw BuildError(file.string() + ": cannot be read");
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        throw BuildError(file.string() + ": cannot be read");
    return text;
}

bool HasJsonExtension(const std::filesystem::path& file)
{
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return ext == ".json";
}

} // namespace

IdiomEntries ParseIdiomSource(std::string_view text, const std::string& file_name)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")  // editors on Windows like to start with a byte order mark
        text.remove_prefix(3);
    SourceParser parser(file_name);
    size_t number = 1;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        parser.Line(text.substr(0, end), number++);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return parser.Finish();
}

std::vector<std::filesystem::path> SourceFilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(folder, ec))
        if (item.is_regular_file() && item.path().extension() == ".txt")
            files.push_back(item.path());
    if (ec)
        throw BuildError(folder.string() + ": cannot be read: " + ec.message());
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    return files;
}

IdiomEntries ReadIdiomInputs(const std::vector<std::filesystem::path>& inputs)
{
    IdiomEntries all;
    auto append = [&all](IdiomEntries more) {
        all.insert(all.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    for (const auto& input : inputs) {
        std::error_code ec;
        if (std::filesystem::is_directory(input, ec)) {
            for (const auto& file : SourceFilesIn(input))
                append(ParseIdiomSource(ReadFile(file), file.generic_string()));
        } else if (HasJsonExtension(input)) {
            append(ParseXinhuaJson(ReadFile(input), input.generic_string()));
        } else {
            append(ParseIdiomSource(ReadFile(input), input.generic_string()));
        }
    }
    return all;
}
