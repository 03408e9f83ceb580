// quorlen.exe carries its skin as the SkinStream resource: exactly the
// stored-skin bytes, which decode with the Win32 platform answers.
#include <doctest/doctest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "tools/skin_packer/skin_archive_writer.h"
#include "ui/skin/skin_data.h"
#include "ui/skin/skin_manage.h"
#include "ui/skin/win32_platform.h"
#include "ui/skin/win32_skin_resource.h"

namespace {

struct TModule {
    HMODULE handle;
    explicit TModule(const wchar_t* path)
        : handle(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    ~TModule()
    {
        if (handle)
            FreeLibrary(handle);
    }
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;
};

std::vector<uint8_t> ReadBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST_CASE("the stored skin in quorlen.exe decodes, adds up and names only bitmaps it holds")
{
    TModule exe(QUORLEN_EXE_PATH);
    REQUIRE(exe.handle);
    const std::vector<uint8_t> stored = ReadSkinStreamResource(exe.handle);
    REQUIRE(stored.size() > 4);
    const uint32_t n = stored[0] | stored[1] << 8 | stored[2] << 16 | static_cast<uint32_t>(stored[3]) << 24;
    CHECK(n + 4 == stored.size());
    // The same bytes as the package left beside the program.
    const std::vector<uint8_t> package(stored.begin() + 4, stored.end());
    CHECK(package == ReadBytes(QUORLEN_SKIN_PACKAGE));

    TWin32SkinPlatform platform;
    TSkinReader reader;
    TMemoryStream stream(package);
    REQUIRE(reader.ReadArchive(stream));
    int64_t total = 0;
    for (int i = 0; i < reader.FileCount(); ++i)
        total += reader.FileSize(i);
    CHECK(total == reader.DataSize());

    TMemoryStream file;
    std::string name;
    reader.GetFileByPart(".ini", file, name);
    TQuickIni ini;
    ini.LoadFromStream(&file);
    int named = 0;
    for (const std::string& line : ini.Lines()) {
        const size_t eq = line.find('=');
        const std::string value = eq == std::string::npos ? "" : TrimText(line.substr(eq + 1));
        if (value.size() <= 4 || !value.ends_with(".bmp"))
            continue;
        CAPTURE(value);
        reader.GetFileByName(value, file);
        CHECK(file.Size() > 0);
        ++named;
    }
    CHECK(named > 40);

    // The component reads the resource as the main window will.
    TSkinData skin(platform);
    skin.Active = true;
    skin.ReadSkinStream(stored);
    CHECK_FALSE(skin.SkinEmpty);
    CHECK(skin.SkinName == "Quorlen");
    skin.Loaded();
    CHECK(skin.Active);
    REQUIRE(SkinManager());
    CHECK(SkinManager()->MainSkin() == &skin);
    CHECK(SkinManager()->ManagerCommand == MC_START);
    CHECK_FALSE(skin.CaptionFont.FaceName.empty());
    REQUIRE(skin.FaceBrush);
    CHECK(skin.FaceBrush->Handle() != nullptr);
    ReleaseSkinManager();
}

TEST_CASE("the Win32 platform answers from the system")
{
    TWin32SkinPlatform platform;
    CHECK(platform.SysColour(COLOUR_BTNFACE) == (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF));
    CHECK(platform.SystemMetric(METRIC_CXHSCROLL) == GetSystemMetrics(SM_CXHSCROLL));
    CHECK(platform.HasUser32Function("GetScrollBarInfo"));
    CHECK_FALSE(platform.HasUser32Function("NoSuchFunctionAnywhere"));
    TCaptionFont font;
    CHECK(platform.ReadCaptionFont(font));
    CHECK(font.Height != 0);
    CHECK(platform.BuiltinBitmap("TRACK").Width() == 16);
    CHECK(platform.BuiltinBitmap("TRACKVERT").Height() == 16);
}

TEST_CASE("SkinData1 as the main window makes it: loaded at once, skinning asked to start at Loaded")
{
    TModule exe(QUORLEN_EXE_PATH);
    REQUIRE(exe.handle);
    TWin32SkinPlatform platform;
    std::unique_ptr<TSkinData> skin = CreateStoredSkinData(platform, exe.handle);
    CHECK(skin->Active);
    CHECK(skin->DisableTag == 99);
    CHECK_FALSE(skin->Reading);
    CHECK_FALSE(skin->SkinEmpty);
    CHECK(skin->Skin3rd().size() == 118);
    CHECK(SkinManager() == nullptr);  // nothing registers before Loaded
    skin->Loaded();
    CHECK(skin->Active);
    REQUIRE(SkinManager());
    CHECK(SkinManager()->SkinDatas() == std::vector<TSkinData*>{skin.get()});
    CHECK(SkinManager()->ManagerCommand == MC_START);
    skin.reset();
    CHECK(SkinManager()->SkinDatas().empty());
    ReleaseSkinManager();

    // A module without the resource: nothing is stored, and Loaded leaves
    // the window unskinned.
    std::unique_ptr<TSkinData> bare = CreateStoredSkinData(platform, GetModuleHandleW(L"kernel32.dll"));
    CHECK(bare->SkinEmpty);
    bare->Loaded();
    CHECK_FALSE(bare->Active);
    bare.reset();
    ReleaseSkinManager();
}
