// Importing the browsers' JSON bookmark files, each beside the import of a
// bookmark file with the same 50,000 bookmarks, measured in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bookmark_sources.h"
#include "exchange/json_bookmarks.h"
#include "exchange/netscape_bookmarks.h"
#include "model/url_list_file.h"

namespace {

double BookmarkFileImportSeconds() {
    std::string target = bench::ScratchFile("vellinor-bench-netscape-yardstick.txt");
    return bench::MedianSeconds(5, [&] { ImportNetscape(target, bench::BookmarkFilePath()); });
}

template <typename Import>
void TimeJsonImport(benchmark::State& state, const std::string& source, Import import) {
    std::string target = bench::ScratchFile("vellinor-bench-json-import.txt");
    bench::TimeBeside(state, "bookmark_file_import", BookmarkFileImportSeconds(), [&] {
        if (import(target, source, ListEnvironment{}) != 0) state.SkipWithError("import failed");
    });
    CUrlListFile list;
    list.Load(target);
    state.counters["titles"] = list.TitleCount();
    state.counters["source_MB"] = static_cast<double>(std::filesystem::file_size(source)) / 1e6;
}

void BM_ImportChromium(benchmark::State& state) {
    TimeJsonImport(state, bench::ChromiumFilePath(), ImportChromium);
}
BENCHMARK(BM_ImportChromium)->Unit(benchmark::kMillisecond);

void BM_ImportFirefoxJson(benchmark::State& state) {
    TimeJsonImport(state, bench::FirefoxJsonFilePath(), ImportFirefoxJson);
}
BENCHMARK(BM_ImportFirefoxJson)->Unit(benchmark::kMillisecond);

}  // namespace
