// Loading the stored skin: the whole load (decode, index, parse, bitmaps)
// and the decoder alone, each against a baseline taken in the same run.
//   skin_decode: the LZHUF decoder, baseline the same bytes moved through the
//                same one-byte callbacks without decoding;
//   skin_load:   a full load of the stored skin, baseline the decode alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "ui/skin/lzh.h"
#include "ui/skin/skin_data.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F>
double MedianMs(int runs, F&& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

} // namespace

int main()
{
    std::ifstream in(QUORLEN_SKIN_PACKAGE, std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (package.size() < 4) {
        std::fprintf(stderr, "bench_skin_load: no skin package at %s\n", QUORLEN_SKIN_PACKAGE);
        return 1;
    }
    const int64_t archiveSize = package[0] | package[1] << 8 | package[2] << 16 | int64_t(package[3]) << 24;
    const std::vector<uint8_t> stream(package.begin() + 4, package.end());
    std::vector<uint8_t> stored{package.size() & 0xFF, (package.size() >> 8) & 0xFF, (package.size() >> 16) & 0xFF,
                                (package.size() >> 24) & 0xFF};
    stored.insert(stored.end(), package.begin(), package.end());

    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(archiveSize) + 64);
    size_t at = 0;
    const TLZH::TReadByte read = [&](uint8_t& b) {
        if (at >= stream.size())
            return 0;
        b = stream[at++];
        return 1;
    };
    const TLZH::TWriteByte write = [&](uint8_t b) { out.push_back(b); };

    constexpr int kRuns = 15;
    const double copyMs = MedianMs(kRuns, [&] {
        at = 0;
        out.clear();
        // as many bytes out as the decoder writes, the input read round and round
        while (static_cast<int64_t>(out.size()) < archiveSize) {
            uint8_t b = 0;
            if (!read(b))
                at = 0;
            write(b);
        }
    });
    const double decodeMs = MedianMs(kRuns, [&] {
        at = 0;
        out.clear();
        TLZH().LZHUnpack(archiveSize, read, write);
    });
    TFixedSkinPlatform platform;
    bool loaded = true;
    const double loadMs = MedianMs(kRuns, [&] {
        TSkinData skin(platform);
        skin.ReadSkinStream(stored);
        loaded = loaded && !skin.SkinEmpty;
    });
    if (!loaded) {
        std::fprintf(stderr, "bench_skin_load: the skin did not load\n");
        return 1;
    }

    std::printf("bench skin_decode: %.3f ms, baseline %.3f ms, ratio %.2f\n", decodeMs, copyMs, decodeMs / copyMs);
    std::printf("bench skin_load: %.3f ms, baseline %.3f ms, ratio %.2f\n", loadMs, decodeMs, loadMs / decodeMs);
    std::printf("bench skin_decode_throughput: %.1f MB/s\n", archiveSize / 1e6 / (decodeMs / 1000.0));
    std::printf("bench skin_archive_size: %lld bytes\n", static_cast<long long>(archiveSize));
    std::printf("bench skin_package_size: %zu bytes\n", package.size());
    return 0;
}
