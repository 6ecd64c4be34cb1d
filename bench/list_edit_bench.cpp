// Sorting a large level, a Find round through a full list, and deleting
// thousands of marked titles that have aliases.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

std::string WriteTemporaryList(const std::string& name, const std::string& text) {
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

std::string TitleLine(int serial, std::mt19937& random, long aliasNumber = 0) {
    return "\t\t" + ComposeTitleText("https://www.example.com/pages/" + std::to_string(serial) + ".html",
                                     "A page about subject " + std::to_string(random() % 5000),
                                     random() % 2 ? 1180000000 + serial : 0,
                                     random() % 4 ? "" : "Worth reading again\\nnext month",
                                     random() % 8 ? "" : "someone", aliasNumber) +
           "\r\n";
}

// One category holding 10,000 subcategories in random order, with duplicate
// names, case variants and a few separators; every third has two titles.
const std::string& WideLevelPath() {
    static const std::string path = [] {
        std::mt19937 random(11);
        const char* const prefixes[] = {"news", "News", "NEWS", "tools", "Reference", "archive"};
        std::string text = "<1>Everything\r\n";
        for (int s = 0; s < 10000; ++s) {
            bool separator = random() % 200 == 0;
            text += "\t<2>" + (separator ? std::string(60, '-')
                                         : prefixes[random() % 6] + std::to_string(random() % 3000)) + "\r\n";
            if (s % 3 == 0) text += TitleLine(s, random) + TitleLine(s + 1, random);
        }
        return WriteTemporaryList("vellinor-bench-wide-level.txt", text);
    }();
    return path;
}

void BM_SortLevelOf10000Subcategories(benchmark::State& state) {
    CUrlListFile list;
    for (auto _ : state) {
        state.PauseTiming();
        if (list.Load(WideLevelPath()) != 0) state.SkipWithError("the wide list did not load");
        list.Select(kCategory, 0);
        state.ResumeTiming();
        list.SortLevel(kSubcategory);
    }
    state.counters["entries"] = list.Last(kSubcategory) + 1;
}
BENCHMARK(BM_SortLevelOf10000Subcategories)->Unit(benchmark::kMillisecond);

// 65,535 items: 21 subcategories of 120 titles per category; the title
// lines come from `titleLine` (item number so far, title number).
template <typename TitleLineOf>
std::string FullListText(TitleLineOf titleLine) {
    std::string text;
    int items = 0;
    int titles = 0;
    for (int c = 0; items < CUrlListFile::kMaxItems; ++c) {
        text += "<1>Category " + std::to_string(c) + "\r\n";
        ++items;
        for (int s = 0; s < 21 && items < CUrlListFile::kMaxItems; ++s, ++items) {
            text += "\t<2>Subcategory " + std::to_string(s) + "\r\n";
            for (int t = 0; t < 120 && items + 1 < CUrlListFile::kMaxItems; ++t, ++items)
                text += titleLine(items, titles++);
        }
    }
    return text;
}

const std::string& FullListPath() {
    static const std::string path = [] {
        std::mt19937 random(5);
        return WriteTemporaryList("vellinor-bench-full-list.txt",
                                  FullListText([&](int item, int) { return TitleLine(item, random); }));
    }();
    return path;
}

void BM_FindRoundWithoutMatchIn65535Items(benchmark::State& state) {
    CUrlListFile list;
    if (list.Load(FullListPath()) < 0) state.SkipWithError("the full list did not load");
    CFindState round;
    for (auto _ : state) {
        if (list.FindNext("no such text anywhere", round).result != 3)
            state.SkipWithError("found what is not there");
    }
    state.counters["items"] = list.Count();
}
BENCHMARK(BM_FindRoundWithoutMatchIn65535Items)->Unit(benchmark::kMillisecond);

// The full list again, with its first 10,000 titles alias targets and one
// alias of each, every other title from the 20,001st on.
constexpr int kAliasTargets = 10000;

const std::string& AliasedListPath() {
    static const std::string path = [] {
        std::mt19937 random(5);
        return WriteTemporaryList("vellinor-bench-aliased-list.txt", FullListText([&](int item, int title) {
            if (title < kAliasTargets) return TitleLine(item, random, title + 1);
            int alias = title - 2 * kAliasTargets;
            if (alias >= 0 && alias < 2 * kAliasTargets && alias % 2 == 0)
                return "\t\talias:" + std::to_string(alias / 2 + 1) + "\r\n";
            return TitleLine(item, random);
        }));
    }();
    return path;
}

// Each deleted title hands its role to its alias.
void BM_DeleteMarked10000AliasTargetsIn65535Items(benchmark::State& state) {
    CUrlListFile list;
    for (auto _ : state) {
        state.PauseTiming();
        if (list.Load(AliasedListPath()) < 0) state.SkipWithError("the aliased list did not load");
        int titles = list.TitleCount();
        for (int i = list.First(); i != 0; i = list.Next(i))
            if (list.Item(i).Has(ItemFlags::kAliasTarget)) list.SetMark(i, 1);
        if (list.MarkCount() != kAliasTargets) state.SkipWithError("not every target is marked");
        state.ResumeTiming();
        list.DeleteMarked();
        if (list.TitleCount() != titles) state.SkipWithError("titles were lost");
    }
    state.counters["items"] = list.Count();
}
BENCHMARK(BM_DeleteMarked10000AliasTargetsIn65535Items)->Unit(benchmark::kMillisecond);

}  // namespace
