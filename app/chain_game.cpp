#include "app/chain_game.h"

#include <charconv>

#include "app/idiom_store.h"
#include "app/main_view.h"
#include "app/text_rules.h"
#include "app/texts.h"
#include "data/exception.h"

namespace {

// The trailing space is part of the statement as the game has always sent it.
constexpr char kChainSql[] = "SELECT id,tirsel FROM tirsel where tirsel like ? || '%' ORDER BY RANDOM(id) ";

// A tail is one double-byte character. Anything else taken from a stored idiom
// (an empty idiom, one ending in an ASCII character) would search for every
// idiom or for a wildcard, so it ends the chain like a tail nothing starts with.
bool IsChainTail(const std::string& tail)
{
    return !tail.empty() && !IsSingleByteText(tail);
}

} // namespace

int32_t ChainLimit(const std::string& text)
{
    const std::string digits = Trim(text);
    int32_t value = 0;
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw Exception("'" + text + "' is not a valid chain length");
    return value;
}

void TChainGame::Start(const std::string& jl_text, const std::string& limit_text)
{
    const std::string seed = Trim(jl_text);
    if (seed.empty() || seed == texts::kSeedPlaceholder) {
        view_.ShowWarning(texts::kEnterSeed);
        return;
    }
    const int32_t limit = ChainLimit(limit_text);
    const std::string tail = LastCharacter(seed);
    if (!IsChainTail(tail)) {
        view_.ShowWarning(texts::kEnterSeed);
        return;
    }
    // The seed itself is never written to the memo.
    view_.SetExplanationCaption(texts::kChainCaption + seed);
    view_.SetMemoText({});
    state_ = ChainState{0, 0, 0, tail};
    jlxx(tail, limit);
}

uint32_t TChainGame::Draw(const std::string& tail, std::string& idiom) const
{
    if (!IsChainTail(tail))
        return 0;
    const auto table = store_.Select(kChainSql, {TBindValue::String(tail)});
    if (table->RowCount() > 0)
        idiom = table->FieldAsString(table->FieldIndex("tirsel"));
    return table->RowCount();
}

void TChainGame::jlxx(const std::string& tail, int32_t limit)
{
    // Each pass is one step; the next step runs with the new tail (or, after a
    // dead end with rivals, the previous one). Attempts grow on every pass, so
    // at most limit + 10 statements run.
    std::string current = tail;
    for (;;) {
        if (state_.Attempts > int64_t{limit} + 9 || state_.ChainLength >= limit) {
            Finish();
            return;
        }
        std::string idiom;
        const uint32_t found = Draw(current, idiom);
        ++state_.Attempts;
        if (found > 0) {
            AppendLine(idiom);
            ++state_.ChainLength;
            state_.PreviousTail = current;
            state_.LastMatchCount = static_cast<int32_t>(found);
            current = LastCharacter(idiom);
            continue;
        }
        // A dead end: when the idiom that led here had rivals, take it back and
        // draw again among them. The chain length stays as it was.
        if (state_.LastMatchCount > 1) {
            DeleteLastLine();
            current = state_.PreviousTail;
            continue;
        }
        Finish();
        return;
    }
}

void TChainGame::AppendLine(const std::string& idiom)
{
    view_.SetMemoText(view_.MemoText() + idiom + texts::kCrLf);
}

void TChainGame::DeleteLastLine()
{
    std::string text = view_.MemoText();
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, texts::kCrLf) == 0)
        text.resize(text.size() - 2);
    const size_t end_of_previous = text.rfind(texts::kCrLf);
    text.resize(end_of_previous == std::string::npos ? 0 : end_of_previous + 2);
    view_.SetMemoText(text);
}

void TChainGame::Finish()
{
    const std::string text = Trim(view_.MemoText());
    std::string joined;
    size_t from = 0;
    for (size_t at; (at = text.find(texts::kCrLf, from)) != std::string::npos; from = at + 2)
        joined.append(text, from, at - from).append(texts::kChainArrow);
    joined.append(text, from, std::string::npos);
    view_.SetMemoText(joined);
}
