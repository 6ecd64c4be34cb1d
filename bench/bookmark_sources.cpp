#include "bookmark_sources.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace bench {

namespace {

// Writes the collection through one format's pieces: 25 top folders of 8
// subfolders, each holding a folder one level deeper with 50 bookmarks and
// then 200 bookmarks of its own; one bookmark in five has a description.
struct Format {
    std::function<void(std::string& out, const std::string& name)> openFolder, closeFolder;
    std::function<void(std::string& out, int number, bool described)> bookmark;
};

std::string WriteCollection(const Format& format) {
    std::string out;
    int n = 0;
    auto bookmarks = [&](int count) {
        for (int i = 0; i < count && n < kBookmarks; ++i, ++n) format.bookmark(out, n, n % 5 == 0);
    };
    for (int top = 0; n < kBookmarks; ++top) {
        std::string name = "Folder " + std::to_string(top);
        format.openFolder(out, name);
        for (int sub = 0; sub < 8 && n < kBookmarks; ++sub) {
            std::string subName = "Subfolder " + std::to_string(sub);
            format.openFolder(out, subName);
            format.openFolder(out, "Deeper");
            bookmarks(50);
            format.closeFolder(out, "Deeper");
            bookmarks(200);
            format.closeFolder(out, subName);
        }
        format.closeFolder(out, name);
    }
    return out;
}

std::string Url(int n) {
    return "https://www.example.com/section/page-" + std::to_string(n) + ".html?ref=bookmarks&id=" + std::to_string(n);
}
std::string Name(int n) { return "Caf\xC3\xA9 page about topic number " + std::to_string(n) + " & its neighbours"; }
std::int64_t LastVisit(int n) { return 1466008580 + n; }

// JSON arrays need a comma between elements: drop the one after the last.
void CloseArray(std::string& out, const std::string& close) {
    if (out.back() == ',') out.pop_back();
    out += close;
}

std::string WriteScratch(const char* name, const std::string& text) {
    std::string file = ScratchFile(name);
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

}  // namespace

std::string ScratchFile(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const std::string& BookmarkFilePath() {
    static const std::string path = WriteScratch("vellinor-bench-bookmarks.htm", [] {
        Format html{
            [](std::string& out, const std::string& name) { out += "<DT><H3 ADD_DATE=\"1466008580\">" + name + "</H3>\n<DL><p>\n"; },
            [](std::string& out, const std::string&) { out += "</DL><p>\n"; },
            [](std::string& out, int n, bool described) {
                std::string url = Url(n), name = Name(n);
                url.replace(url.find('&'), 1, "&amp;");
                name.replace(name.find('&'), 1, "&amp;");
                out += "<DT><A HREF=\"" + url + "\" ADD_DATE=\"1466008580\" LAST_VISIT=\"" +
                       std::to_string(LastVisit(n)) + "\">" + name + "</A>\n";
                if (described) out += "<DD>A description of the page<BR>\non two lines\n";
            }};
        return "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
               "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
               "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n" +
               WriteCollection(html) + "</DL><p>\n";
    }());
    return path;
}

// As Chrome writes it: every member of every entry, dates in microseconds since 1601.
const std::string& ChromiumFilePath() {
    static const std::string path = WriteScratch("vellinor-bench-bookmarks.json", [] {
        Format chromium{
            [](std::string& out, const std::string&) { out += R"({"children":[)"; },
            [](std::string& out, const std::string& name) {
                CloseArray(out, R"(],"date_added":"13127282180000000","date_last_used":"0","date_modified":"0",)"
                                R"("guid":"00000000-0000-4000-8000-000000000000","id":"1","name":")" + name +
                                R"(","type":"folder"},)");
            },
            [](std::string& out, int n, bool) {
                out += R"({"date_added":"13127282180000000","date_last_used":")" +
                       std::to_string((LastVisit(n) + 11644473600) * 1000000) +
                       R"(","guid":"00000000-0000-4000-8000-000000000000","id":")" + std::to_string(n) +
                       R"(","meta_info":{"power_bookmark_meta":""},"name":")" + Name(n) + R"(","type":"url","url":")" +
                       Url(n) + R"("},)";
            }};
        std::string bar = WriteCollection(chromium);
        CloseArray(bar, "");
        return R"({"checksum":"00000000000000000000000000000000","roots":{"bookmark_bar":{"children":[)" + bar +
               R"(],"name":"Bookmarks bar","type":"folder"},"other":{"children":[],"name":"Other bookmarks",)"
               R"("type":"folder"},"synced":{"children":[],"name":"Mobile bookmarks","type":"folder"}},"version":1})";
    }());
    return path;
}

// As Firefox writes it: one line, dates in microseconds since 1970.
const std::string& FirefoxJsonFilePath() {
    static const std::string path = WriteScratch("vellinor-bench-backup.json", [] {
        Format firefox{
            [](std::string& out, const std::string& name) {
                out += R"({"guid":"aaaaaaaaaaaa","title":")" + name +
                       R"(","index":0,"dateAdded":1466008580000000,"lastModified":1466008580000000,"id":3,)"
                       R"("typeCode":2,"type":"text/x-moz-place-container","children":[)";
            },
            [](std::string& out, const std::string&) { CloseArray(out, "]},"); },
            [](std::string& out, int n, bool described) {
                out += R"({"guid":"bbbbbbbbbbbb","title":")" + Name(n) + R"(","index":0,"dateAdded":1466008580000000,)"
                       R"("lastModified":)" + std::to_string(LastVisit(n) * 1000000) + R"(,"id":)" + std::to_string(n) +
                       R"(,"typeCode":1,)";
                if (described)
                    out += R"("annos":[{"name":"bookmarkProperties/description","flags":0,"expires":4,)"
                           R"("value":"A description of the page\non two lines"}],)";
                out += R"("type":"text/x-moz-place","uri":")" + Url(n) + R"("},)";
            }};
        std::string menu = WriteCollection(firefox);
        CloseArray(menu, "");
        return R"({"guid":"root________","title":"","index":0,"dateAdded":1466008580000000,"lastModified":1466008580000000,)"
               R"("id":1,"typeCode":2,"type":"text/x-moz-place-container","root":"placesRoot","children":[)"
               R"({"guid":"menu________","title":"menu","index":0,"id":2,"typeCode":2,)"
               R"("type":"text/x-moz-place-container","root":"bookmarksMenuFolder","children":[)" + menu + "]}]}";
    }());
    return path;
}

}  // namespace bench
