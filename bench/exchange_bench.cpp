// Importing a large bookmark file and exporting a large list, each beside
// the time of reading its source file once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "exchange/netscape_bookmarks.h"
#include "exchange/opera_hotlist.h"
#include "exchange/whole_file.h"
#include "model/url_list_file.h"

namespace {

constexpr int kBookmarks = 50000;

std::string ScratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// About 10 MB in the layout browsers write: 25 top folders of 8 subfolders,
// each holding 200 bookmarks and a folder one level deeper holding 50 more,
// one in five with a description.
const std::string& BookmarkFilePath() {
    static const std::string path = [] {
        std::string html =
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
            "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n";
        int n = 0;
        auto bookmarks = [&](int count, const std::string& indent) {
            for (int i = 0; i < count && n < kBookmarks; ++i, ++n) {
                std::string number = std::to_string(n);
                html += indent + "<DT><A HREF=\"https://www.example.com/section/page-" + number +
                        ".html?ref=bookmarks&amp;id=" + number + "\" ADD_DATE=\"1466008580\" LAST_VISIT=\"" +
                        std::to_string(1466008580 + n) + "\">"
                        "Caf\xC3\xA9 page about topic number " + number + " &amp; its neighbours</A>\n";
                if (n % 5 == 0) html += indent + "<DD>A description of the page<BR>\n" + indent + "on two lines\n";
            }
        };
        for (int top = 0; n < kBookmarks; ++top) {
            html += "    <DT><H3 ADD_DATE=\"1466008580\">Folder " + std::to_string(top) + "</H3>\n    <DL><p>\n";
            for (int sub = 0; sub < 8 && n < kBookmarks; ++sub) {
                html += "        <DT><H3>Subfolder " + std::to_string(sub) + "</H3>\n        <DL><p>\n";
                html += "            <DT><H3>Deeper</H3>\n            <DL><p>\n";
                bookmarks(50, "                ");
                html += "            </DL><p>\n";
                bookmarks(200, "            ");
                html += "        </DL><p>\n";
            }
            html += "    </DL><p>\n";
        }
        html += "</DL><p>\n";
        std::string file = ScratchFile("vellinor-bench-bookmarks.htm");
        std::ofstream(file, std::ios::binary) << html;
        return file;
    }();
    return path;
}

// The list the import of that file makes: 50,000 titles.
const std::string& ListFilePath() {
    static const std::string path = [] {
        std::string file = ScratchFile("vellinor-bench-imported.txt");
        ImportNetscape(file, BookmarkFilePath());
        return file;
    }();
    return path;
}

std::string ReadSource(const std::string& path) {
    std::string bytes;
    exchange::ReadWholeFile(platform::OsFileSystem(), path, bytes);
    return bytes;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The median of nine reads of the file, measured when first asked for.
double ReadSeconds(const std::string& path) {
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReadSource(path));
        times.push_back(Seconds(start));
    }
    std::nth_element(times.begin(), times.begin() + 4, times.end());
    return times[4];
}

// Reports the mean time of `body` in milliseconds and beside it the time of
// reading `source` once.
template <typename Body>
void TimeBesideReading(benchmark::State& state, const std::string& source, Body body) {
    const double read = ReadSeconds(source);
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        body();
        total += Seconds(start);
    }
    state.counters["ms"] = 1000 * total / static_cast<double>(state.iterations());
    state.counters["read_source_ms"] = 1000 * read;
    state.counters["x_read_source"] = total / static_cast<double>(state.iterations()) / read;
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
