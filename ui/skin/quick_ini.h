#pragma once
// The skin description: INI-style text, read once and looked up many times.
// Lookups never fail; every key has a default.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/streams.h"

class TQuickIni {
public:
    // Replaces the stored text with the stream's bytes from its position to
    // its end (a NUL ends the text). A missing stream changes nothing.
    void LoadFromStream(TStream* stream);
    void LoadFromText(const std::string& text);

    // The section names in file order, without brackets. The list must exist.
    void ReadSections(std::vector<std::string>* sections) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // '0x1F', '$1F' and '31' all give 31; text that does not convert gives def.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    // Section header lines as written, with their line numbers.
    std::vector<std::pair<std::string, int>> sections_;
};

// Delphi-style integer text: optional sign, then decimal or '$' and hex digits.
bool TextToInt32(const std::string& text, int32_t& value);

std::string TrimText(const std::string& s);
std::string LowerAscii(std::string s);
