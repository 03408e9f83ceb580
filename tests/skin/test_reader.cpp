// Indexing the skin archive: name list, size table, format codes and the
// bounds of a damaged archive.
#include <doctest/doctest.h>

#include <numeric>
#include <random>

#include "tests/skin/skin_fixture.h"
#include "ui/skin/skin_reader.h"

namespace {

struct TReadResult {
    bool ok = false;
    int messages = 0;
    std::string message;
};

TReadResult Read(TSkinReader& reader, const std::vector<uint8_t>& package, TFixedSkinPlatform& platform)
{
    TMemoryStream stream(package);
    TReadResult r;
    r.ok = reader.ReadArchive(stream);
    r.messages = platform.MessageCount;
    r.message = platform.LastMessage;
    return r;
}

std::string Text(const TMemoryStream& s) { return std::string(s.Memory(), s.Memory() + s.Size()); }

TSkinReader MakeReader(TFixedSkinPlatform& platform)
{
    return TSkinReader([&platform](const std::string& m) { platform.ShowMessage(m); });
}

} // namespace

TEST_CASE("the name list splits at CR, LF and NUL")
{
    using V = std::vector<std::string>;
    CHECK(SplitNameList("a.bmp\r\n\r\nb.bmp") == V{"a.bmp", "", "b.bmp"});
    CHECK(SplitNameList("a\rb\nc") == V{"a", "b", "c"});
    CHECK(SplitNameList("a\n\rb") == V{"a", "", "b"});  // LF CR is two line ends
    CHECK(SplitNameList("a\r\n") == V{"a"});            // a final line end adds nothing
    CHECK(SplitNameList("a\r\n\r\n") == V{"a", ""});
    CHECK(SplitNameList(std::string("a\0b", 3)) == V{"a", "b"});
    CHECK(SplitNameList("").empty());
}

TEST_CASE("an archive made by the packer is indexed file by file")
{
    TFixedSkinPlatform platform;
    TSkinReader reader = MakeReader(platform);
    const std::vector<TSkinFileEntry> files{
        {"Quorlen.INI", {'[', 'a', ']'}}, {"top.bmp", {1, 2, 3, 4, 5}}, {"empty.bmp", {}}, {"left.bmp", {9}}};
    REQUIRE(Read(reader, PackSkinArchive(WriteSkinArchive(files)), platform).ok);
    CHECK(reader.FormatCode() == 70000);
    CHECK(reader.FileCount() == 4);
    CHECK(reader.FileNames() == std::vector<std::string>{"quorlen.ini", "top.bmp", "empty.bmp", "left.bmp"});
    int64_t total = 0;
    for (int i = 0; i < reader.FileCount(); ++i)
        total += reader.FileSize(i);
    CHECK(total == reader.DataSize());

    TMemoryStream target;
    reader.GetFileByName("TOP.BMP", target);
    CHECK(Text(target) == "\x01\x02\x03\x04\x05");
    CHECK(target.Position() == 0);
    reader.GetFileByName("left.bmp", target);
    CHECK(Text(target) == "\x09");
    reader.GetFileByName("missing.bmp", target);
    CHECK(target.Size() == 0);
    reader.GetFileByName("top", target);  // names compare whole
    CHECK(target.Size() == 0);

    std::string name = "unchanged";
    reader.GetFileByPart(".ini", target, name);
    CHECK(name == "quorlen.ini");
    CHECK(Text(target) == "[a]");
    name = "unchanged";
    reader.GetFileByPart(".INI", target, name);  // the text is not lower-cased
    CHECK(name == "unchanged");
    CHECK(target.Size() == 0);
}

TEST_CASE("an empty line of the name list is a file of its own")
{
    TFixedSkinPlatform platform;
    TSkinReader reader = MakeReader(platform);
    TRawArchive raw;
    raw.Names = "a.bmp\r\n\r\nb.bmp";
    raw.Sizes = {2, 1, 3};
    raw.Data = "xxyzzz";
    REQUIRE(Read(reader, raw.Package(), platform).ok);
    CHECK(reader.FileNames() == std::vector<std::string>{"a.bmp", "", "b.bmp"});
    TMemoryStream target;
    reader.GetFileByName("b.bmp", target);
    CHECK(Text(target) == "zzz");
    reader.GetFileByName("", target);
    CHECK(Text(target) == "y");
}

TEST_CASE("every known format code has its extra block; others are an older skin")
{
    for (auto [code, extra] : {std::pair{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117},
                               {70000, 69}}) {
        CAPTURE(code);
        TFixedSkinPlatform platform;
        TSkinReader reader = MakeReader(platform);
        TRawArchive raw;
        raw.FormatCode = code;
        raw.ExtraBytes = extra;
        raw.Names = "d.ini";
        raw.Sizes = {4};
        raw.Data = "[x]\n";
        const auto r = Read(reader, raw.Package(), platform);
        CHECK(r.ok);
        CHECK(r.messages == 0);
        TMemoryStream target;
        reader.GetFileByName("d.ini", target);
        CHECK(Text(target) == "[x]\n");
    }
    for (int code : {10000, 0, 70001, -70000}) {
        CAPTURE(code);
        TFixedSkinPlatform platform;
        TSkinReader reader = MakeReader(platform);
        TRawArchive raw;
        raw.FormatCode = code;
        const auto r = Read(reader, raw.Package(), platform);
        CHECK_FALSE(r.ok);
        CHECK(r.messages == 1);
        CHECK(r.message == "This is Older Skin File\rPlease update to new version !");
    }
    // Too short to hold a code: the code reads as 0.
    for (const std::vector<uint8_t>& package : {std::vector<uint8_t>{}, std::vector<uint8_t>{0, 0, 0, 0},
                                                PackSkinArchive({0x70, 0x11})}) {
        TFixedSkinPlatform platform;
        TSkinReader reader = MakeReader(platform);
        const auto r = Read(reader, package, platform);
        CHECK_FALSE(r.ok);
        CHECK(r.messages == 1);
    }
}

TEST_CASE("a damaged archive is refused without reading outside it")
{
    auto refused = [](const std::vector<uint8_t>& package) {
        TFixedSkinPlatform platform;
        TSkinReader reader = MakeReader(platform);
        const auto r = Read(reader, package, platform);
        CHECK_FALSE(r.ok);
        CHECK(r.messages == 0);  // not an older skin: a broken one
        CHECK_FALSE(reader.LastError().empty());
        CHECK(reader.FileCount() == 0);
        return reader.LastError();
    };
    TRawArchive good;
    good.Names = "a.bmp\r\nb.bmp";
    good.Sizes = {3, 4};
    good.Data = "aaabbbb";

    SUBCASE("more than 1001 files")
    {
        TRawArchive raw;
        for (int i = 0; i < 1002; ++i)
            raw.Names += "f" + std::to_string(i) + "\r\n";
        raw.Sizes.assign(1002, 0);
        CHECK(refused(raw.Package()).find("1002 files") != std::string::npos);
        // 1001 is still fine
        TRawArchive ok;
        for (int i = 0; i < 1001; ++i)
            ok.Names += "f" + std::to_string(i) + "\n";
        ok.Sizes.assign(1001, 0);
        TFixedSkinPlatform platform;
        TSkinReader reader = MakeReader(platform);
        CHECK(Read(reader, ok.Package(), platform).ok);
        CHECK(reader.FileCount() == 1001);
    }
    SUBCASE("a negative size")
    {
        TRawArchive raw = good;
        raw.Sizes = {-1, 8};
        refused(raw.Package());
    }
    SUBCASE("sizes past the data area")
    {
        TRawArchive raw = good;
        raw.Sizes = {3, 5};
        refused(raw.Package());
        raw.Sizes = {INT32_MAX, INT32_MAX};
        refused(raw.Package());
    }
    SUBCASE("a name list past the end, or of negative length")
    {
        TRawArchive raw = good;
        raw.NameLength = 1000;
        refused(raw.Package());
        raw.NameLength = 0x7FFFFFFF;
        refused(raw.Package());
        raw.NameLength = -5;
        refused(raw.Package());
    }
    SUBCASE("an extra block past the end")
    {
        TRawArchive raw;
        raw.FormatCode = 30000;  // 256 bytes of extra block
        raw.ExtraBytes = 100;
        refused(raw.Package());
    }
    SUBCASE("a size table past the end")
    {
        TRawArchive raw = good;
        raw.Sizes = {3};
        raw.Data = "";
        refused(raw.Package());
    }
    SUBCASE("a header cut short after a good code")
    {
        refused(PackSkinArchive({0x70, 0x11, 0x01, 0x00, 5, 0}));
    }
    SUBCASE("an output size no stream of this length can produce")
    {
        auto package = good.Package();
        const int64_t stream = static_cast<int64_t>(package.size()) - 4;
        const auto claim = static_cast<uint32_t>(MaxDecodedSize(stream) + 1);
        for (int i = 0; i < 4; ++i)
            package[static_cast<size_t>(i)] = static_cast<uint8_t>(claim >> (8 * i));
        CHECK(refused(package).find("can produce") != std::string::npos);
        // 2 GiB from a stream of any length
        std::vector<uint8_t> huge{0xFF, 0xFF, 0xFF, 0x7F};
        huge.resize(1 << 20, 0);
        CHECK(refused(huge).find("more than any skin") != std::string::npos);
    }
}

TEST_CASE("a package cut short decodes its kept part and pads the rest")
{
    // Incompressible data, so the claimed size stays within what the kept
    // half of the stream could produce.
    std::mt19937 rng(11);
    std::string data(6000, '\0');
    for (char& c : data)
        c = static_cast<char>(rng());
    TRawArchive raw;
    raw.Names = "first.bin\r\nsecond.bin";
    raw.Sizes = {100, 5900};
    raw.Data = data;
    auto package = raw.Package();
    package.resize(package.size() * 3 / 4);

    TFixedSkinPlatform platform;
    TSkinReader reader = MakeReader(platform);
    REQUIRE(Read(reader, package, platform).ok);
    TMemoryStream target;
    reader.GetFileByName("first.bin", target);
    CHECK(Text(target) == data.substr(0, 100));
    reader.GetFileByName("second.bin", target);
    CHECK(target.Size() == 5900);
    CHECK(Text(target) != data.substr(100));
}
