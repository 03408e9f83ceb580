#include "tools/store_builder/xinhua_json.h"

#include <nlohmann/json.hpp>

#include "tools/store_builder/store_writer.h"

IdiomEntries ParseXinhuaJson(std::string_view text, const std::string& file_name)
{
    nlohmann::json list;
    try {
        list = nlohmann::json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        throw BuildError(file_name + ": not valid JSON: " + e.what());
    }
    if (!list.is_array())
        throw BuildError(file_name + ": expected a JSON array of idioms");

    IdiomEntries entries;
    entries.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        const nlohmann::json& item = list[i];
        const std::string origin = file_name + ": entry " + std::to_string(i + 1);
        if (!item.is_object())
            throw BuildError(origin + ": not a JSON object");
        auto text_of = [&](const char* key) -> std::string {
            const auto it = item.find(key);
            if (it == item.end() || it->is_null())
                return {};
            if (!it->is_string())
                throw BuildError(origin + ": " + key + ": not a text");
            // stray spaces around a word would let a duplicate slip through
            std::string value = it->get<std::string>();
            const size_t first = value.find_first_not_of(" \t\r\n");
            if (first == std::string::npos)
                return {};
            return value.substr(first, value.find_last_not_of(" \t\r\n") - first + 1);
        };
        IdiomEntry e;
        e.idiom = text_of("word");
        e.pinyin = text_of("pinyin");
        e.explanation = text_of("explanation");
        e.source = text_of("derivation");
        e.example = text_of("example");
        e.origin = origin;
        entries.push_back(std::move(e));
    }
    return entries;
}
