// The package decoder against streams the packer made.
#include <doctest/doctest.h>

#include <random>

#include "tests/skin/skin_fixture.h"
#include "ui/skin/lzh.h"
#include "ui/skin/lzh_tables.h"

namespace {

// Decodes stream until at least size bytes are out; returns everything written.
std::vector<uint8_t> Unpack(const std::vector<uint8_t>& stream, int64_t size)
{
    std::vector<uint8_t> out;
    size_t at = 0;
    TLZH lzh;
    lzh.LZHUnpack(
        size,
        [&](uint8_t& b) {
            if (at >= stream.size())
                return 0;
            b = stream[at++];
            return 1;
        },
        [&](uint8_t b) { out.push_back(b); });
    return out;
}

std::vector<uint8_t> RandomBytes(size_t n, uint32_t seed, int alphabet = 256)
{
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>(rng() % static_cast<uint32_t>(alphabet));
    return v;
}

void CheckRoundTrip(const std::vector<uint8_t>& input)
{
    const std::vector<uint8_t> stream = LZHPack(input);
    const std::vector<uint8_t> out = Unpack(stream, static_cast<int64_t>(input.size()));
    REQUIRE(out.size() == input.size());
    CHECK(out == input);
}

} // namespace

TEST_CASE("position tables are the published ones")
{
    using namespace lzh;
    CHECK(p_code[0] == 0x00);
    CHECK(p_code[1] == 0x20);
    CHECK(p_code[4] == 0x50);
    CHECK(p_code[12] == 0x90);
    CHECK(p_code[24] == 0xC0);
    CHECK(p_code[48] == 0xF0);
    CHECK(p_code[63] == 0xFF);
    CHECK(d_code[0x1F] == 0);
    CHECK(d_len[0x1F] == 3);
    CHECK(d_code[0x20] == 1);
    CHECK(d_len[0x20] == 4);
    CHECK(d_code[0x50] == 4);
    CHECK(d_len[0x57] == 5);
    CHECK(d_code[0xC1] == 0x18);
    CHECK(d_len[0xC1] == 7);
    CHECK(d_code[0xFF] == 0x3F);
    CHECK(d_len[0xFF] == 8);
}

TEST_CASE("random and structured data survive a round trip")
{
    CheckRoundTrip({});
    CheckRoundTrip({'x'});
    CheckRoundTrip(RandomBytes(1000, 1));
    CheckRoundTrip(RandomBytes(70000, 2, 4));  // long matches over a small alphabet
    // Enough symbols that the tree is rebuilt from halved counts many times.
    CheckRoundTrip(RandomBytes(300000, 3));

    std::vector<uint8_t> text;
    const std::string line = "[Buttons]\r\nImage=buttons.bmp\r\nLeftWidth=4\r\n";
    for (int i = 0; i < 500; ++i)
        text.insert(text.end(), line.begin(), line.end()), text.push_back(static_cast<uint8_t>(i));
    CheckRoundTrip(text);
}

TEST_CASE("overlapping matches: a run longer than its distance")
{
    // One byte repeated: every match starts one byte back and copies bytes
    // it is writing itself.
    CheckRoundTrip(std::vector<uint8_t>(10000, 0xAB));
    // Spaces match the window's initial fill before anything is written.
    CheckRoundTrip(std::vector<uint8_t>(5000, ' '));
    std::vector<uint8_t> periodic;
    for (int i = 0; i < 9000; ++i)
        periodic.push_back(static_cast<uint8_t>("abc"[i % 3]));
    CheckRoundTrip(periodic);
    const auto stream = LZHPack(periodic);
    CHECK(stream.size() < periodic.size() / 20);
}

TEST_CASE("a size that ends inside a match still copies the match whole")
{
    const std::vector<uint8_t> input(1000, 'z');
    const auto stream = LZHPack(input);
    // The first match after the single literal covers bytes 1 to 60.
    const auto out = Unpack(stream, 10);
    CHECK(out.size() > 10);
    CHECK(out.size() <= 10 + lzh::F);
    CHECK(std::equal(out.begin(), out.end(), input.begin()));
}

TEST_CASE("a stream cut short reads as zero bits and still yields the size asked for")
{
    const auto input = RandomBytes(4000, 7);
    auto stream = LZHPack(input);
    stream.resize(stream.size() / 2);
    const auto out = Unpack(stream, static_cast<int64_t>(input.size()));
    CHECK(out.size() >= input.size());
    // What the kept half codes comes out unchanged.
    CHECK(std::equal(out.begin(), out.begin() + 1500, input.begin()));

    const auto nothing = Unpack({}, 100);
    CHECK(nothing.size() >= 100);
}
