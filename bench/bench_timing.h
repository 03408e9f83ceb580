#pragma once
// Medians of repeated runs, printed as the figure lines `make bench` collects.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

inline double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    work();  // warm the page cache and the allocator
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Runs the work and its baseline alternately, so that whatever else the
// machine is doing weighs on both figures alike. Returns both medians.
inline std::pair<double, double> PairedMediansMs(int runs, const std::function<void()>& work,
                                                 const std::function<void()>& baseline)
{
    std::vector<double> a, b;
    work();
    baseline();
    auto time = [](const std::function<void()>& f) {
        const auto start = std::chrono::steady_clock::now();
        f();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    for (int i = 0; i < runs; ++i) {
        a.push_back(time(work));
        b.push_back(time(baseline));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

inline void PrintRatio(const std::string& name, double ms, double baseline_ms)
{
    std::printf("bench %s: %.3f ms, baseline %.3f ms, ratio %.2f\n", name.c_str(), ms, baseline_ms, ms / baseline_ms);
    std::fflush(stdout);
}

inline void PrintValue(const std::string& name, double value, const std::string& unit)
{
    std::printf("bench %s: %.3f %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}
