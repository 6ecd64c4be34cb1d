// Finding the titles with the same address in a full list.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "model/duplicate_urls.h"
#include "model/url_list_file.h"

namespace {

// 65,535 items, 30 titles per subcategory; about a third of the titles repeat
// an address written differently (host case, default port, missing "/").
const std::string& ListWithDuplicatesPath() {
    static const std::string path = [] {
        std::mt19937 random(7);
        const char* const forms[] = {"http://www.site%d.example/page/%d", "HTTP://WWW.Site%d.example:80/page/%d",
                                     "https://www.site%d.example/page/%d?ref=%d"};
        std::string text;
        char url[128];
        for (int items = 0, c = 0; items < CUrlListFile::kMaxItems; ++c) {
            text += "<1>Category " + std::to_string(c) + "\r\n";
            ++items;
            for (int s = 0; s < 20 && items < CUrlListFile::kMaxItems; ++s, ++items) {
                text += "\t<2>Subcategory " + std::to_string(s) + "\r\n";
                for (int t = 0; t < 30 && items + 1 < CUrlListFile::kMaxItems; ++t, ++items) {
                    int page = static_cast<int>(random() % 42000);
                    std::snprintf(url, sizeof url, forms[random() % 3], page % 500, page, page % 3);
                    text += "\t\t" + std::string(url) + "\tPage " + std::to_string(page) + "\r\n";
                }
            }
        }
        std::string file = (std::filesystem::temp_directory_path() / "vellinor-bench-duplicates.txt").string();
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
        return file;
    }();
    return path;
}

void BM_FindDuplicateUrlsIn65535Items(benchmark::State& state) {
    CUrlListFile list;
    if (list.Load(ListWithDuplicatesPath()) < 0) state.SkipWithError("the list did not load");
    DuplicateGroups groups;
    for (auto _ : state) {
        if (FindDuplicateUrls(list, groups) != 0) state.SkipWithError("out of memory");
        benchmark::DoNotOptimize(groups.items.data());
    }
    state.counters["items"] = list.Count();
    state.counters["groups"] = groups.Count();
    state.counters["grouped"] = static_cast<double>(groups.items.size());
}
BENCHMARK(BM_FindDuplicateUrlsIn65535Items)->Unit(benchmark::kMillisecond);

}  // namespace
