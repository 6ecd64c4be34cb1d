// Reading the JSON bookmark files of Chrome, Edge and Firefox: folders,
// separators, texts, dates and notes, and files that are none of these.
#include <gtest/gtest.h>

#include "exchange/json_bookmarks.h"
#include "exchange_test_support.h"
#include "model/title_text.h"

using exchange_testing::CLoadedList;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

CLoadedList Import(bool (*toList)(std::string_view, const platform::CodePage&, std::string&),
                   std::string_view json) {
    std::string list;
    EXPECT_TRUE(toList(json, platform::Windows1252(), list));
    return CLoadedList(list);
}

TEST(JsonBookmarksImport, ChromiumRootsAndFoldersBecomeCategoriesAndSubcategories) {
    CLoadedList list = Import(ChromiumToList, R"({"checksum": "0", "version": 1, "roots": {
        "bookmark_bar": {"name": "Bookmarks bar", "type": "folder", "children": [
            {"type": "url", "name": "Bar one", "url": "http://bar/", "date_last_used": "12824473600123456",
             "guid": "x", "id": "2", "meta_info": {"a": {"b": []}}},
            {"type": "folder", "name": "A", "children": [
                {"type": "folder", "name": "B", "children": [
                    {"type": "folder", "name": "C", "children": [
                        {"type": "folder", "name": "D", "children": [{"type": "url", "name": "in D", "url": "http://d/"}]},
                        {"type": "url", "name": "in C", "url": "http://c/", "date_last_used": "0"}]}]},
                {"type": "folder", "name": "Empty", "children": []}]}]},
        "other": {"name": "Other bookmarks", "type": "folder", "children": []},
        "synced": {"type": "folder", "children": [
            {"url": "http://nameless/"}, {"type": "url", "name": "no address"},
            {"type": "url", "name": "before 1970", "url": "http://old/", "date_last_used": "1000"}]}}})");
    EXPECT_EQ(list.Outline(),
              (Lines{"C Bookmarks bar", "S Uncategorized", "T Bar one <http://bar/>", "S A", "S B", "S C",
                     "T in C <http://c/>", "S D", "T in D <http://d/>", "S Empty", "C Mobile bookmarks",
                     "S Uncategorized", "T http://nameless/ <http://nameless/>", "T before 1970 <http://old/>"}));
    Lines titles = list.TitleTexts();
    EXPECT_EQ(LastVisited(titles[0]), 1180000000);
    EXPECT_EQ(LastVisited(titles[1]), 0);
    EXPECT_EQ(LastVisited(titles[4]), 0);
    EXPECT_TRUE(list.WritesBackUnchanged());
}

TEST(JsonBookmarksImport, EscapesAndNonAsciiTextAreConvertedAsInBookmarkFiles) {
    CLoadedList list = Import(ChromiumToList, R"({"roots": {"other": {"name": "Caf\u00e9 \u4e2d", "children": [
        {"type": "url", "name": "\"q\" \\ a\/b\ttab \u00e9\ud83d\ude00 \u20ac\n<1>x",
         "url": "https://example.org/caf\u00e9/\u4e2d?a=1&b=\"2\""}]}}})");
    EXPECT_EQ(list.Outline()[0], "C Caf\xE9 ?");
    std::string title = list.TitleTexts()[0];
    EXPECT_EQ(TitleName(title), "\"q\" \\ a/b tab \xE9? \x80 <1>x");
    EXPECT_EQ(TitleUrl(title), "https://example.org/caf\xE9/%E4%B8%AD?a=1&b=\"2\"");
}

TEST(JsonBookmarksImport, FirefoxContainersPlacesSeparatorsAndDescriptions) {
    CLoadedList list = Import(FirefoxJsonToList, R"({"guid": "root________", "title": "", "typeCode": 2,
        "type": "text/x-moz-place-container", "root": "placesRoot", "dateAdded": 1, "children": [
        {"title": "menu", "root": "bookmarksMenuFolder", "typeCode": 2, "type": "text/x-moz-place-container", "children": [
            {"type": "text/x-moz-place-separator", "typeCode": 3},
            {"title": "Recent", "type": "text/x-moz-place", "uri": "place:sort=8&maxResults=10"},
            {"title": "One", "type": "text/x-moz-place", "typeCode": 1, "uri": "http://one/",
             "dateAdded": 1170000000000000, "lastModified": 1180000000123456, "iconUri": "x",
             "annos": [{"name": "bookmarkProperties/description", "flags": 0, "expires": 4, "value": "line one\nline two"}]},
            {"type": "text/x-moz-place-separator"},
            {"title": "Two", "typeCode": 1, "uri": "http://two/", "lastModified": -5},
            {"title": "F", "type": "text/x-moz-place-container", "children": [
                {"title": "G", "typeCode": 2, "children": [
                    {"title": "H", "typeCode": 2, "children": [
                        {"title": "I", "typeCode": 2, "children": [{"title": "deep", "uri": "http://deep/"}]}]}]}]},
            {"typeCode": 3},
            {"title": "", "typeCode": 2, "children": []}]},
        {"title": "toolbar", "root": "toolbarFolder", "typeCode": 2, "children": [{"title": "Bar", "uri": "http://bar/"}]},
        {"title": "tags", "root": "tagsFolder", "typeCode": 2, "children": [
            {"title": "t", "typeCode": 2, "children": [{"title": "One", "uri": "http://one/"}]}]},
        {"title": "unfiled", "root": "unfiledBookmarksFolder", "typeCode": 2, "children": []},
        {"title": "Mobil", "root": "mobileFolder", "typeCode": 2, "children": [{"uri": "http://m/"}]}]})");
    EXPECT_EQ(list.Outline(),
              (Lines{"C Bookmarks Menu", "S Uncategorized", "T One <http://one/>", "T ---", "T Two <http://two/>",
                     "S F", "S G", "S H", "S I", "T deep <http://deep/>", "S ---", "S (Corrupted)",
                     "C Bookmarks Toolbar", "S Uncategorized", "T Bar <http://bar/>", "C Mobil", "S Uncategorized",
                     "T http://m/ <http://m/>"}));
    Lines titles = list.TitleTexts();
    EXPECT_EQ(LastVisited(titles[0]), 0);  // a change is no visit
    EXPECT_EQ(TitleNote(titles[0]), "line one\\nline two");
    EXPECT_EQ(LastVisited(titles[1]), 0);
    EXPECT_TRUE(list.WritesBackUnchanged());
}

std::string Nested(std::string_view prefix, int levels, std::string_view suffix) {
    std::string json(prefix);
    for (int i = 0; i < levels; ++i) json += R"({"typeCode": 2, "children": [)";
    for (int i = 0; i < levels; ++i) json += "]}";
    return json.append(suffix);
}

TEST(JsonBookmarksImport, WhatIsNoBookmarkFileOfTheKindFailsAndLeavesEveryFileAsItWas) {
    struct Kind {
        int (*import)(const std::string&, const std::string&, const ListEnvironment&);
        std::string good, deep, list;
    };
    const Kind kinds[] = {
        {ImportChromium, R"({"roots": {"other": {"children": [{"url": "http://x/"}]}}})",
         Nested(R"({"roots": {"other": )", 100000, "}}"),
         "<1>Other bookmarks\r\n\t<2>Uncategorized\r\n\t\thttp://x/\thttp://x/\r\n"},
        {ImportFirefoxJson, R"({"typeCode": 2, "children": [{"title": "F", "typeCode": 2, "children": [{"uri": "http://x/"}]}]})",
         Nested("", 100000, ""), "<1>F\r\n\t<2>Uncategorized\r\n\t\thttp://x/\thttp://x/\r\n"},
    };
    const std::string kOldList = "<1>kept\r\n";
    for (const Kind& kind : kinds) {
        const Kind& other = &kind == &kinds[0] ? kinds[1] : kinds[0];
        const std::string bad[] = {kind.good.substr(0, kind.good.size() / 2),
                                   std::string("\0\xFF\xFE\x01{\x89PNG\r\n", 11),
                                   kind.deep,
                                   other.good,
                                   "[1, 2]",
                                   ""};
        for (const std::string& bytes : bad) {
            ScratchFolder folder;
            WriteBytes(folder.Path("old.txt"), kOldList);
            WriteBytes(folder.Path("in.json"), bytes);
            EXPECT_EQ(kind.import(folder.Path("old.txt"), folder.Path("in.json"), {}), -1) << bytes.substr(0, 40);
            EXPECT_EQ(ReadBytes(folder.Path("old.txt")), kOldList);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 2);
        }
        ScratchFolder folder;
        WriteBytes(folder.Path("in.json"), bad[0]);
        EXPECT_EQ(kind.import(folder.Path("new.txt"), folder.Path("in.json"), {}), -1);
        EXPECT_FALSE(std::filesystem::exists(folder.Path("new.txt")));
        WriteBytes(folder.Path("old.txt"), kOldList);
        WriteBytes(folder.Path("in.json"), kind.good);
        EXPECT_EQ(kind.import(folder.Path("old.txt"), folder.Path("in.json"), {}), 0);
        EXPECT_EQ(ReadBytes(folder.Path("old.txt")), kind.list);
    }
}

TEST(JsonBookmarksImport, TheProposedSourceIsChromesProfileThenEdges) {
    ScratchFolder folder;
    std::filesystem::path appData = folder.Root();
    std::filesystem::path chrome = appData / "Google" / "Chrome" / "User Data" / "Default" / "Bookmarks";
    std::filesystem::path edge = appData / "Microsoft" / "Edge" / "User Data" / "Default" / "Bookmarks";
    auto proposed = [&] { return std::filesystem::path(ProposedChromiumSource(appData.string())); };
    EXPECT_EQ(proposed(), chrome);  // where Chrome would keep it, when neither browser has one
    std::filesystem::create_directories(edge.parent_path());
    WriteBytes(edge.string(), "{}");
    EXPECT_EQ(proposed(), edge);
    std::filesystem::create_directories(chrome.parent_path());
    WriteBytes(chrome.string(), "{}");
    EXPECT_EQ(proposed(), chrome);
    EXPECT_EQ(ProposedChromiumSource(""), "");
}

}  // namespace
