// The large bookmark collection the import benchmarks read, written once in
// each format so that every importer meets the same 50,000 bookmarks, and the
// timing that sets an import beside a yardstick measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace bench {

constexpr int kBookmarks = 50000;

std::string ScratchFile(const char* name);

// The collection as a bookmark file (about 10 MB), a Chrome bookmarks file
// and a Firefox bookmarks backup.
const std::string& BookmarkFilePath();
const std::string& ChromiumFilePath();
const std::string& FirefoxJsonFilePath();

double Seconds(std::chrono::steady_clock::time_point start);

// The median time of `runs` runs of `body`.
template <typename Body>
double MedianSeconds(int runs, Body body) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        body();
        times.push_back(Seconds(start));
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// Reports the mean time of `body` in milliseconds, and beside it the time
// `yardstick` (in seconds, named `name`) and the ratio of the two.
template <typename Body>
void TimeBeside(benchmark::State& state, const std::string& name, double yardstick, Body body) {
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        body();
        total += Seconds(start);
    }
    state.counters["ms"] = 1000 * total / static_cast<double>(state.iterations());
    state.counters[name + "_ms"] = 1000 * yardstick;
    state.counters["x_" + name] = total / static_cast<double>(state.iterations()) / yardstick;
}

}  // namespace bench
