// skin_art THEME FOLDER: draws every bitmap of a skin ("quorlen" or "dusk")
// into FOLDER as 24-bit bitmap files. The same theme always gives the same
// bytes, so the skin's source is this program.
// skin_art preview PACKAGE OUT.bmp: renders a parsed skin package to look at.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/skin_art/skin_images.h"
#include "tools/skin_art/skin_preview.h"
#include "tools/skin_packer/bmp_writer.h"
#include "tools/skin_packer/skin_archive_writer.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

int Preview(const char* packagePath, const char* outPath)
{
    std::ifstream in(packagePath, std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TFixedSkinPlatform platform;
    TSkinData skin(platform);
    skin.ReadSkinStream(SkinStreamBytes(package));
    if (skin.SkinEmpty) {
        std::fprintf(stderr, "skin_art: %s does not load: %s\n", packagePath, skin.LastLoadError().c_str());
        return 1;
    }
    WriteFile(outPath, EncodeBitmapFile(RenderSkinPreview(skin)));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && std::strcmp(argv[1], "preview") == 0)
            return Preview(argv[2], argv[3]);
        if (argc != 3) {
            std::fprintf(stderr, "usage: skin_art quorlen|dusk FOLDER\n       skin_art preview PACKAGE OUT.bmp\n");
            return 2;
        }
        const std::string theme = argv[1];
        if (theme != "quorlen" && theme != "dusk") {
            std::fprintf(stderr, "skin_art: unknown theme %s\n", argv[1]);
            return 2;
        }
        const std::filesystem::path folder = argv[2];
        std::filesystem::create_directories(folder);
        const auto images = DrawSkinImages(theme == "quorlen" ? QuorlenTheme() : DuskTheme());
        for (const auto& [name, image] : images)
            WriteFile(folder / name, EncodeBitmapFile(image));
        std::printf("skin_art: %zu bitmaps in %s\n", images.size(), folder.string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_art: %s\n", e.what());
        return 1;
    }
}
