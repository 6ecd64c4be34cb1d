// Loading and saving a large list, each beside the system's copy of the same file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

// About 7 MB: 65,535 items of categories, subcategories and titles with
// last-visited times, notes, log-in names and some aliases.
const std::string& LargeListPath() {
    static const std::string path = [] {
        std::mt19937 random(7);
        std::string text;
        std::vector<int> targets;  // titles that carry their number for aliases
        int item = 0;
        auto line = [&](int level, const std::string& body) {
            text.append(static_cast<std::size_t>(level), '\t').append(body).append("\r\n");
            return ++item;
        };
        while (item < CUrlListFile::kMaxItems) {
            line(0, FormatLevelLine("Category " + std::to_string(item), 0));
            for (int s = 0; s < 8 && item < CUrlListFile::kMaxItems; ++s) {
                line(1, FormatLevelLine("Subcategory " + std::to_string(item), 1));
                for (int t = 0; t < 26 && item < CUrlListFile::kMaxItems; ++t) {
                    if (!targets.empty() && random() % 20 == 0) {
                        line(2, "alias:" + std::to_string(targets[random() % targets.size()]));
                        continue;
                    }
                    std::string note = random() % 3 == 0
                        ? "Remember to check the archive section\\nand the mailing list" : "";
                    std::string logIn = random() % 10 == 0 ? "someone@example.org" : "";
                    int number = item + 1;
                    bool target = random() % 20 == 0;
                    line(2, ComposeTitleText(
                        "https://www.example.com/section/page-" + std::to_string(item) + ".html",
                        "Example page about topic number " + std::to_string(item),
                        random() % 2 ? 1180000000 + item : 0, note, logIn, target ? number : 0));
                    if (target) targets.push_back(number);
                }
            }
        }
        std::string file = (std::filesystem::temp_directory_path() / "vellinor-bench-list.txt").string();
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }();
    return path;
}

// The operating system's copy of the file, the yardstick of the ratios.
void PlainCopy(const std::string& path) {
    std::filesystem::copy_file(path, path + ".copy", std::filesystem::copy_options::overwrite_existing);
}

// The median time of the system's copy of the file, for the ratios.
double PlainCopySeconds() {
    static const double seconds = [] {
        std::vector<double> times;
        for (int i = 0; i < 9; ++i) {
            auto start = std::chrono::steady_clock::now();
            PlainCopy(LargeListPath());
            times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }();
    return seconds;
}

// Runs `body` once per iteration and reports its time as a multiple of a plain copy.
template <typename Body>
void TimeAgainstPlainCopy(benchmark::State& state, Body body) {
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["x_plain_copy"] = total / static_cast<double>(state.iterations()) / PlainCopySeconds();
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(LargeListPath())));
}

void BM_PlainCopy(benchmark::State& state) {
    TimeAgainstPlainCopy(state, [] { PlainCopy(LargeListPath()); });
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);

// Memory the process holds, in bytes, counted from its page tables (the
// counters behind /proc/self/statm are kept loosely and lag behind).
double ResidentBytes() {
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string key;
    double kilobytes = 0;
    while (rollup >> key && key != "Rss:") {}
    rollup >> kilobytes;
    return kilobytes * 1024;
}

// What a loaded list holds beside its file's size, measured once apart from
// the timed loads. Memory earlier benchmarks freed is given back first, and
// with a fixed threshold every large allocation is a mapping of its own, so
// what the load adds shows whichever allocator it came from.
double LoadedMemoryRatio(const std::string& path) {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    malloc_trim(0);
    double before = ResidentBytes();
    CUrlListFile list;
    list.Load(path);
    return (ResidentBytes() - before) / static_cast<double>(std::filesystem::file_size(path));
}

void BM_Load(benchmark::State& state) {
    const std::string& path = LargeListPath();
    const double memoryRatio = LoadedMemoryRatio(path);
    TimeAgainstPlainCopy(state, [&] {
        CUrlListFile list;
        if (list.Load(path) != 1) state.SkipWithError("the large list did not load as full");
    });
    state.counters["memory_x_file"] = memoryRatio;
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
    std::string path = LargeListPath() + ".saved";
    std::filesystem::copy_file(LargeListPath(), path,
                               std::filesystem::copy_options::overwrite_existing);
    CUrlListFile list;
    if (list.Load(path) != 1) state.SkipWithError("the large list did not load as full");
    TimeAgainstPlainCopy(state, [&] {
        list.SetModified();
        if (list.Save() != 0) state.SkipWithError("save failed");
    });
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

}  // namespace
