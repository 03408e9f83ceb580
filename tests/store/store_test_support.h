#pragma once
// Shared by the store builder's tests: reading a store back through the data
// layer, and catching the builder's messages.
#include <doctest/doctest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "data/gbk.h"
#include "data/gob.h"
#include "data/sqlite_table3.h"
#include "tools/store_builder/store_writer.h"

inline std::string BuildErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const BuildError& e) {
        return e.what();
    }
    return "<no error>";
}

inline std::string Gbk(const std::string& utf8)
{
    auto gbk = Utf8ToGbk(utf8);
    REQUIRE(gbk.has_value());
    return *gbk;
}

inline std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// Files in a folder, by name: to see that a failed build leaves nothing behind.
inline std::vector<std::string> FolderListing(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every row of a store by the program's own means, keyed by column name (upper case).
inline std::vector<std::map<std::string, std::string>> ReadStore(const std::filesystem::path& file,
                                                                 const char* key = gob::DatabaseKey)
{
    TSQLiteDatabase db(file.string(), key);
    const std::unique_ptr<TSQLiteTable> table = db.GetTable("SELECT * FROM tirsel");
    std::vector<std::map<std::string, std::string>> rows;
    for (; !table->Eof(); table->Next()) {
        std::map<std::string, std::string> row;
        for (uint32_t c = 0; c < table->ColCount(); ++c)
            row[table->ColNames()[c]] = table->FieldAsString(c);
        rows.push_back(std::move(row));
    }
    return rows;
}
