#include "data/gbk_like.h"

#include <memory>

#include "data/gbk.h"
#include "data/sqlite_engine.h"

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view ValueBytes(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

void DeletePattern(void* pattern) { std::unique_ptr<TGbkLikePattern>(static_cast<TGbkLikePattern*>(pattern)); }

void LikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return;  // NULL, as the engine's LIKE gives
    const std::string_view pattern = ValueBytes(argv[0]);
    const std::string_view text = ValueBytes(argv[1]);
    std::string_view escape;
    if (argc == 3) {
        escape = ValueBytes(argv[2]);
        if (!IsSingleGbkCharacter(escape)) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
    }
    // A bound or literal pattern stays the same for every row of a statement, and
    // the engine keeps the compiled form only for such arguments.
    auto* cached = static_cast<TGbkLikePattern*>(sqlite3_get_auxdata(context, 0));
    if (cached && cached->Escape() == escape) {
        sqlite3_result_int(context, cached->Matches(text) ? 1 : 0);
        return;
    }
    auto compiled = std::make_unique<TGbkLikePattern>(pattern, escape);
    sqlite3_result_int(context, compiled->Matches(text) ? 1 : 0);
    // The engine may free it at once, so it is not touched after this.
    sqlite3_set_auxdata(context, 0, compiled.release(), DeletePattern);
}

} // namespace

bool IsSingleGbkCharacter(std::string_view escape)
{
    return !escape.empty() && GbkCharSize(escape, 0) == escape.size();
}

TGbkLikePattern::TGbkLikePattern(std::string_view pattern, std::string_view escape) : escape_(escape)
{
    const bool all_is_wild = escape != "%";
    const bool one_is_wild = escape != "_";
    for (size_t pos = 0; pos < pattern.size();) {
        size_t size = GbkCharSize(pattern, pos);
        std::string_view ch = pattern.substr(pos, size);
        pos += size;
        if (!escape.empty() && ch == escape) {
            if (pos >= pattern.size()) {
                never_ = true;
                break;
            }
            size = GbkCharSize(pattern, pos);
            ch = pattern.substr(pos, size);
            pos += size;
        } else if (ch == "%" && all_is_wild) {
            if (tokens_.empty() || tokens_.back().kind != Kind::All)
                tokens_.push_back({Kind::All, 0, {}});
            continue;
        } else if (ch == "_" && one_is_wild) {
            tokens_.push_back({Kind::One, 0, {}});
            ++min_chars_;
            continue;
        }
        Token literal{Kind::Literal, static_cast<uint8_t>(ch.size()), {ch[0], ch.size() > 1 ? ch[1] : '\0'}};
        if (ch.size() == 1)
            literal.bytes[0] = LowerAscii(ch[0]);
        tokens_.push_back(literal);
        ++min_chars_;
    }
}

bool TGbkLikePattern::MatchesAt(const Token& token, std::string_view text, size_t pos, size_t size) const
{
    if (token.kind == Kind::One)
        return true;
    if (size != token.size)
        return false;
    if (size == 1) {
        const auto c = static_cast<unsigned char>(text[pos]);
        return (IsAsciiLetter(c) ? LowerAscii(text[pos]) : text[pos]) == token.bytes[0];
    }
    return text[pos] == token.bytes[0] && text[pos + 1] == token.bytes[1];
}

bool TGbkLikePattern::Matches(std::string_view text) const
{
    // Every character takes at least one byte, so a pattern that needs more
    // characters than the text has bytes cannot match; this keeps very long
    // keywords cheap on every row.
    if (never_ || min_chars_ > text.size())
        return false;
    // Greedy scan remembering only the last `%`: on a mismatch the last `%`
    // swallows one more character. Linear in pattern times text, no recursion.
    size_t t = 0;
    size_t p = 0;
    size_t star_p = SIZE_MAX;
    size_t star_t = 0;
    const size_t n = tokens_.size();
    while (t < text.size()) {
        if (p < n && tokens_[p].kind == Kind::All) {
            star_p = ++p;
            star_t = t;
            continue;
        }
        const size_t size = GbkCharSize(text, t);
        if (p < n && MatchesAt(tokens_[p], text, t, size)) {
            ++p;
            t += size;
            continue;
        }
        if (star_p == SIZE_MAX)
            return false;
        star_t += GbkCharSize(text, star_t);
        t = star_t;
        p = star_p;
    }
    while (p < n && tokens_[p].kind == Kind::All)
        ++p;
    return p == n;
}

void RegisterGbkLike(sqlite3* db)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
}
