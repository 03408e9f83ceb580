// skin_packer FOLDER PACKAGE [STREAM]: packs a skin folder (one description
// and the bitmaps it names) into a skin package, and optionally into the
// stored-skin bytes the main window's resource holds.
#include <cstdio>
#include <exception>
#include <fstream>

#include "tools/skin_packer/skin_archive_writer.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw ESkinPackError("cannot write " + temp.string());
    }
    std::filesystem::rename(temp, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: skin_packer FOLDER PACKAGE [STREAM]\n");
        return 2;
    }
    try {
        const auto files = CollectSkinFolder(argv[1]);
        const auto archive = WriteSkinArchive(files);
        const auto package = PackSkinArchive(archive);
        WriteFile(argv[2], package);
        if (argc == 4)
            WriteFile(argv[3], SkinStreamBytes(package));
        std::printf("skin_packer: %zu files, archive %zu bytes, package %zu bytes\n", files.size(), archive.size(),
                    package.size());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_packer: %s\n", e.what());
        return 1;
    }
}
