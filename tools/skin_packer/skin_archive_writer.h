#pragma once
// Writes skin archives and packages in the format the program reads.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

struct TSkinFileEntry {
    std::string Name;
    std::vector<uint8_t> Bytes;
};

class ESkinPackError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// FormatCode 70000: header, 69-byte extra block, the names one per line
// (CR LF between them), the size table and the files' bytes.
std::vector<uint8_t> WriteSkinArchive(const std::vector<TSkinFileEntry>& files);
// A package: the archive's size, then its LZHUF stream.
std::vector<uint8_t> PackSkinArchive(const std::vector<uint8_t>& archive);
// What the main window stores: the package's size, then the package.
std::vector<uint8_t> SkinStreamBytes(const std::vector<uint8_t>& package);

// The files of a skin folder in archive order: its one description (*.ini)
// first, then every bitmap the description names, by name. Throws
// ESkinPackError for a folder without exactly one description or with a
// named bitmap missing.
std::vector<TSkinFileEntry> CollectSkinFolder(const std::filesystem::path& folder);
