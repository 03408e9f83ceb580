// Fuzz target over the skin package reader and the skin parse. The first
// byte picks what the rest is: odd, a skin package as stored (size and LZHUF
// stream), so the decoder and the archive bounds meet raw bytes; even, a skin
// archive, packed here first, so the mutations reach the description and the
// bitmaps instead of dying in the bit stream.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/skin_packer/skin_archive_writer.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<uint8_t> rest(data + 1, data + size);
    const std::vector<uint8_t> package = (data[0] & 1) ? rest : PackSkinArchive(rest);

    TFixedSkinPlatform platform;
    TSkinData skin(platform);
    skin.ReadSkinStream(SkinStreamBytes(package));
    // Load the same skin again in place: reloading must release and remake
    // every element without touching freed objects.
    if (!skin.SkinEmpty) {
        skin.ReadSkinStream(SkinStreamBytes(package));
        skin.Loaded();
        ReleaseSkinManager();
    }
    return 0;
}
