#include "tools/skin_packer/skin_archive_writer.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/skin_packer/lzh_encoder.h"
#include "ui/skin/quick_ini.h"
#include "ui/skin/skin_reader.h"

namespace {

void PutInt32(std::vector<uint8_t>& out, int64_t value)
{
    const auto v = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                              static_cast<uint8_t>(v >> 24)};
    out.insert(out.end(), bytes, bytes + 4);
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ESkinPackError("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::vector<uint8_t> WriteSkinArchive(const std::vector<TSkinFileEntry>& files)
{
    if (files.size() > static_cast<size_t>(kMaxSkinFiles))
        throw ESkinPackError("a skin holds at most " + std::to_string(kMaxSkinFiles) + " files");
    std::string names;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& n = files[i].Name;
        if (n.empty() || n.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw ESkinPackError("file name '" + n + "' cannot stand in the name list");
        if (i > 0)
            names += "\r\n";
        names += n;
    }
    std::vector<uint8_t> out;
    PutInt32(out, 70000);
    PutInt32(out, static_cast<int64_t>(names.size()));
    PutInt32(out, static_cast<int64_t>(files.size()));
    PutInt32(out, 0);
    out.resize(out.size() + static_cast<size_t>(ExtraBlockSize(70000)), 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const TSkinFileEntry& f : files)
        PutInt32(out, static_cast<int64_t>(f.Bytes.size()));
    for (const TSkinFileEntry& f : files)
        out.insert(out.end(), f.Bytes.begin(), f.Bytes.end());
    if (static_cast<int64_t>(out.size()) > kMaxArchiveSize)
        throw ESkinPackError("the archive is larger than a skin may be");
    return out;
}

std::vector<uint8_t> PackSkinArchive(const std::vector<uint8_t>& archive)
{
    std::vector<uint8_t> package;
    PutInt32(package, static_cast<int64_t>(archive.size()));
    const std::vector<uint8_t> stream = LZHPack(archive);
    package.insert(package.end(), stream.begin(), stream.end());
    return package;
}

std::vector<uint8_t> SkinStreamBytes(const std::vector<uint8_t>& package)
{
    std::vector<uint8_t> out;
    PutInt32(out, static_cast<int64_t>(package.size()));
    out.insert(out.end(), package.begin(), package.end());
    return out;
}

std::vector<TSkinFileEntry> CollectSkinFolder(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> descriptions;
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = LowerAscii(entry.path().filename().string());
        if (name.size() > 4 && name.ends_with(".ini"))
            descriptions.push_back(entry.path());
        present.insert(name);
    }
    if (descriptions.size() != 1)
        throw ESkinPackError(folder.string() + ": a skin folder holds exactly one description (*.ini), found " +
                             std::to_string(descriptions.size()));

    std::vector<TSkinFileEntry> files;
    files.push_back({LowerAscii(descriptions[0].filename().string()), ReadFile(descriptions[0])});
    TQuickIni ini;
    ini.LoadFromText(std::string(files[0].Bytes.begin(), files[0].Bytes.end()));

    // Every value ending in ".bmp" names a bitmap; the program takes the text
    // after the last '\' or ':' and looks it up without regard to case.
    std::set<std::string> named;
    for (const std::string& line : ini.Lines()) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = TrimText(line.substr(eq + 1));
        const size_t sep = value.find_last_of("\\:");
        if (sep != std::string::npos)
            value = value.substr(sep + 1);
        if (value.size() > 4 && value.ends_with(".bmp"))
            named.insert(LowerAscii(value));
    }
    for (const std::string& name : named) {
        if (!present.count(name))
            throw ESkinPackError(folder.string() + ": the description names " + name + ", which is not there");
        std::filesystem::path path;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (LowerAscii(entry.path().filename().string()) == name)
                path = entry.path();
        files.push_back({name, ReadFile(path)});
    }
    return files;
}
