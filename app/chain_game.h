#pragma once
// The idiom chain game: from the seed's last character, draw at random an idiom
// that starts with it, then one that starts with that idiom's last character,
// and so on. The memo grows one idiom per line and ends as one line joined by
// " --> ".
#include <cstdint>
#include <string>

class TIdiomStore;
class TMainView;

struct ChainState {
    int32_t ChainLength = 0;     // idioms appended, also those later taken back
    int32_t Attempts = 0;        // steps tried in this game, found or not
    int32_t LastMatchCount = 0;  // candidates of the last successful step
    std::string PreviousTail;    // the tail that step searched with
};

class TChainGame {
public:
    TChainGame(TMainView& view, const TIdiomStore& store) : view_(view), store_(store) {}

    // The 接龙 button: jlText is the seed box, limitText the chain length list.
    void Start(const std::string& jl_text, const std::string& limit_text);
    // One step and, through it, every step after it.
    void jlxx(const std::string& tail, int32_t limit);

    const ChainState& State() const { return state_; }

private:
    // Candidates for a tail; 0 for a tail that cannot start an idiom.
    uint32_t Draw(const std::string& tail, std::string& idiom) const;
    void AppendLine(const std::string& idiom);
    void DeleteLastLine();
    void Finish();

    TMainView& view_;
    const TIdiomStore& store_;
    ChainState state_;
};

// The chain length list's text as a number; raises Exception for anything else.
int32_t ChainLimit(const std::string& text);
