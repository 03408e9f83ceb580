#pragma once
// LIKE over GBK text. The engine's own LIKE reads the stored bytes as UTF-8, so
// the trail byte of a double-byte character (an ASCII letter, `_` or `\` for
// many characters outside GB2312) gets folded, becomes a wildcard or an escape,
// and a Chinese search matches the wrong idioms.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// A compiled pattern: one GBK character is one character; `%` and `_` are
// wildcards only where they stand as whole characters; ASCII letters match
// without regard to case, nothing else is folded.
class TGbkLikePattern {
public:
    // escape: empty for none, otherwise one whole character. An escape of `%`
    // or `_` stops that character from being a wildcard, as in the engine.
    explicit TGbkLikePattern(std::string_view pattern, std::string_view escape = {});

    bool Matches(std::string_view text) const;
    const std::string& Escape() const { return escape_; }

private:
    enum class Kind : uint8_t { Literal, One, All };
    struct Token {
        Kind kind;
        uint8_t size;   // bytes of a literal: 1 or 2
        char bytes[2];  // a single ASCII letter is kept in lower case
    };

    bool MatchesAt(const Token& token, std::string_view text, size_t pos, size_t size) const;

    std::string escape_;
    std::vector<Token> tokens_;
    size_t min_chars_ = 0;  // characters any match needs: literals and `_`
    bool never_ = false;    // a pattern ending in its escape character matches nothing
};

// True when escape is exactly one GBK character.
bool IsSingleGbkCharacter(std::string_view escape);

// Replaces like(pattern, text) and like(pattern, text, escape) on a connection.
void RegisterGbkLike(sqlite3* db);
