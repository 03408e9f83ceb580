#pragma once
// Skin packages made in memory with the real packer, and a skin component on
// fixed platform answers to load them into.
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/skin_packer/bmp_writer.h"
#include "tools/skin_packer/lzh_encoder.h"
#include "tools/skin_packer/skin_archive_writer.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"

// A strip of cells, each filled with its own colour (cell i: colour + i).
inline TSkinImage CellStrip(int cells, int cellWidth, int height, TColour colour = Rgb(10, 20, 30))
{
    TSkinImage image(cells * cellWidth, height);
    for (int i = 0; i < cells; ++i)
        image.FillRect({i * cellWidth, 0, (i + 1) * cellWidth, height}, colour + static_cast<TColour>(i));
    return image;
}

// An archive of one description and the named bitmaps, packed.
inline std::vector<uint8_t> MakePackage(const std::string& ini, const std::map<std::string, TSkinImage>& bitmaps = {},
                                        const std::string& iniName = "skin.ini")
{
    std::vector<TSkinFileEntry> files{{iniName, std::vector<uint8_t>(ini.begin(), ini.end())}};
    for (const auto& [name, image] : bitmaps)
        files.push_back({name, EncodeBitmapFile(image)});
    return PackSkinArchive(WriteSkinArchive(files));
}

inline void PutLe32(std::vector<uint8_t>& out, int64_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// An archive written field by field, for the cases the writer refuses to make.
struct TRawArchive {
    int32_t FormatCode = 70000;
    int64_t ExtraBytes = 69;
    std::string Names;
    int64_t NameLength = INT64_MIN;  // INT64_MIN: the length of Names
    std::vector<int32_t> Sizes;
    std::string Data;

    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> out;
        PutLe32(out, FormatCode);
        PutLe32(out, NameLength == INT64_MIN ? static_cast<int64_t>(Names.size()) : NameLength);
        PutLe32(out, 0);
        PutLe32(out, 0);
        out.resize(out.size() + static_cast<size_t>(ExtraBytes), 0);
        out.insert(out.end(), Names.begin(), Names.end());
        for (int32_t s : Sizes)
            PutLe32(out, s);
        out.insert(out.end(), Data.begin(), Data.end());
        return out;
    }
    std::vector<uint8_t> Package() const { return PackSkinArchive(Bytes()); }
};

// A skin component over fixed platform answers; the manager is released
// afterwards so tests do not see each other's registrations.
struct TSkinFixture {
    TFixedSkinPlatform platform;
    TSkinData data{platform};

    ~TSkinFixture() { ReleaseSkinManager(); }

    bool Load(const std::vector<uint8_t>& package)
    {
        data.ReadSkinStream(SkinStreamBytes(package));
        return !data.SkinEmpty;
    }
    bool Load(const std::string& ini, const std::map<std::string, TSkinImage>& bitmaps = {})
    {
        return Load(MakePackage(ini, bitmaps));
    }
};
