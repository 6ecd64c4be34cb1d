// Importing a large bookmark file and exporting a large list, each beside
// the time of reading its source file once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bookmark_sources.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/opera_hotlist.h"
#include "exchange/whole_file.h"
#include "model/url_list_file.h"

namespace {

using bench::BookmarkFilePath;
using bench::ScratchFile;

// The list the import of that file makes: 50,000 titles.
const std::string& ListFilePath() {
    static const std::string path = [] {
        std::string file = ScratchFile("vellinor-bench-imported.txt");
        ImportNetscape(file, BookmarkFilePath());
        return file;
    }();
    return path;
}

platform::FileBytes ReadSource(const std::string& path) {
    platform::FileBytes bytes;
    exchange::ReadWholeFile(platform::OsFileSystem(), path, bytes);
    return bytes;
}

// Reports the time of `body` beside the median of nine reads of `source`.
template <typename Body>
void TimeBesideReading(benchmark::State& state, const std::string& source, Body body) {
    double read = bench::MedianSeconds(9, [&] { benchmark::DoNotOptimize(ReadSource(source)); });
    bench::TimeBeside(state, "read_source", read, body);
}

void BM_ImportNetscape(benchmark::State& state) {
    std::string target = ScratchFile("vellinor-bench-import.txt");
    TimeBesideReading(state, BookmarkFilePath(), [&] {
        if (ImportNetscape(target, BookmarkFilePath()) != 0) state.SkipWithError("import failed");
    });
    CUrlListFile list;
    list.Load(target);
    state.counters["titles"] = list.TitleCount();
    state.counters["source_MB"] = static_cast<double>(std::filesystem::file_size(BookmarkFilePath())) / 1e6;
}
BENCHMARK(BM_ImportNetscape)->Unit(benchmark::kMillisecond);

template <typename Export>
void TimeExport(benchmark::State& state, const char* target, Export exportList) {
    CUrlListFile list;
    if (list.Load(ListFilePath()) != 1) state.SkipWithError("the imported list did not load as full");
    std::string path = ScratchFile(target);
    TimeBesideReading(state, ListFilePath(), [&] {
        if (exportList(list, path) != 0) state.SkipWithError("export failed");
    });
    state.counters["titles"] = list.TitleCount();
}

void BM_ExportNetscape(benchmark::State& state) {
    TimeExport(state, "vellinor-bench-export.htm",
               [](const CUrlListFile& list, const std::string& path) { return ExportNetscape(list, "Bench", path); });
}
BENCHMARK(BM_ExportNetscape)->Unit(benchmark::kMillisecond);

void BM_ExportOpera(benchmark::State& state) {
    TimeExport(state, "vellinor-bench-export.adr",
               [](const CUrlListFile& list, const std::string& path) { return ExportOpera(list, path); });
}
BENCHMARK(BM_ExportOpera)->Unit(benchmark::kMillisecond);

}  // namespace
