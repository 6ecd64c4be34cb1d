// Opera hotlists: reading them into list files and writing lists as hotlists.
#include <gtest/gtest.h>

#include "exchange/opera_hotlist.h"
#include "exchange_test_support.h"
#include "model/title_text.h"

using exchange_testing::CLoadedList;
using exchange_testing::PeerPath;
using testing_support::FixedClock;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

const std::string kHead = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n";

CLoadedList Import(std::string_view hotlist) {
    std::string list;
    EXPECT_TRUE(OperaToList(hotlist, platform::Windows1252(), list));
    return CLoadedList(list);
}

TEST(OperaImport, FoldersEntriesAndUncategorized) {
    CLoadedList list = Import(kHead +
        "#URL\n\tNAME=Top\n\tURL=http://top/\n\n"
        "#FOLDER\n\tNAME=A\n\n"
        "#FOLDER\n\tNAME=B\n\n"
        "#FOLDER\n\tNAME=C\n\n#URL\n\tNAME=in C\n\tURL=http://c/\n\n-\n\n"
        "#URL\n\tNAME=in B\n\tURL=http://b/\n\tVISITED=1180000000\n\n-\n\n"
        "#URL\n\tURL=http://nameless/\n\n"
        "-\n\n#FOLDER\n\tNAME=Empty\n\n-\n");
    EXPECT_EQ(list.Outline(), (Lines{"C Uncategorized", "S Uncategorized", "T Top <http://top/>", "C A",
                                     "S Uncategorized", "T (Corrupted) <http://nameless/>", "S B",
                                     "T in B <http://b/>", "S C", "T in C <http://c/>", "C Empty"}));
    EXPECT_EQ(LastVisited(list.TitleTexts()[2]), 1180000000);
    EXPECT_TRUE(list.WritesBackUnchanged());
}

TEST(OperaImport, TextIsUtf8AndDescriptionsKeepTheirLineBreaks) {
    CLoadedList list = Import(kHead +
        "#URL\n\tNAME=Caf\xC3\xA9 \xE4\xB8\xAD\n\tURL=file:///C:\\new\\x.htm\n"
        "\tDESCRIPTION=one\x02\x02two\n\tSHORT NAME=\n\tDISPLAY URL=http://wrong/\n\n");
    std::string title = list.TitleTexts()[0];
    EXPECT_EQ(TitleName(title), "Caf\xE9 ?");
    EXPECT_EQ(TitleUrl(title), "file:///C:\\new\\x.htm");
    EXPECT_EQ(TitleNote(title, true), "one\r\ntwo");
}

TEST(OperaImport, HotlistsAsEditorsAndOlderOperaLeaveThem) {
    // A byte-order mark, blocks without their empty lines, fields indented by spaces.
    CLoadedList edited = Import("\xEF\xBB\xBFOpera Hotlist version 2.0\r\nOptions:encoding=utf8,version=3\r\n\r\n"
                                "#FOLDER   \r\n        NAME=F\r\n#URL\r\n        NAME=x\r\n        URL=http://x/\r\n"
                                "-\r\n#URL\r\n\tNAME=y\r\n\tURL=http://y/");
    EXPECT_EQ(edited.Outline(), (Lines{"C Uncategorized", "S Uncategorized", "T y <http://y/>", "C F",
                                       "S Uncategorized", "T x <http://x/>"}));
    // Opera 6 and older wrote the system code page and no options line.
    CLoadedList old = Import("Opera Hotlist version 2.0\n\n#URL\n\tNAME=Caf\xE9\n\tURL=http://x/\n"
                             "\tDESCRIPTION=a\x02\x02" "b\n\n");
    EXPECT_EQ(TitleName(old.TitleTexts()[0]), "Caf\xE9");
    EXPECT_EQ(TitleNote(old.TitleTexts()[0]), "a\\nb");
}

TEST(OperaImport, OnlyHotlistsAreImported) {
    ScratchFolder folder;
    WriteBytes(folder.Path("wrong.adr"), "Opera Hotlist version 3.0\n#URL\n\tNAME=x\n");
    EXPECT_EQ(ImportOpera(folder.Path("new.txt"), folder.Path("wrong.adr")), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("new.txt")));
    WriteBytes(folder.Path("empty.adr"), "");
    EXPECT_EQ(ImportOpera(folder.Path("new.txt"), folder.Path("empty.adr")), -1);
    WriteBytes(folder.Path("right.adr"), "Opera Hotlist version 2.0\r\n");
    EXPECT_EQ(ImportOpera(folder.Path("new.txt"), folder.Path("right.adr")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("new.txt")), "");
}

class OperaExport : public ::testing::Test {
protected:
    OperaExport() : list(exchange_testing::WesternEnvironment(clock)) {}
    // A file of its own each time: Windows keeps a loaded list's file from writers.
    void Load(const std::string& text) {
        std::string path = folder.Path("list" + std::to_string(++loads) + ".txt");
        WriteBytes(path, text);
        ASSERT_EQ(list.Load(path), 0);
    }

    int loads = 0;

    ScratchFolder folder;
    FixedClock clock{1700000000};
    CUrlListFile list;
};

TEST_F(OperaExport, WritesUtf8BlocksAndClosesEveryFolder) {
    Load("<1>Caf\xE9\r\n\t<2>Sub\r\n\t\tC:\\new\\a.htm\tT\xE9\t\xA6@5\t\xA6+one\\ntwo\r\n\t\t---\r\n<1>---\r\n");
    EXPECT_EQ(ListToOpera(list, clock.Now()),
              "Opera Hotlist version 2.0\r\nOptions: encoding = utf8, version=3\r\n"
              "\r\n#FOLDER\r\n\tNAME=Caf\xC3\xA9\r\n\tCREATED=1700000000\r\n\tVISITED=0\r\n\tDESCRIPTION=\r\n\tSHORT NAME=\r\n"
              "\r\n#FOLDER\r\n\tNAME=Sub\r\n\tCREATED=1700000000\r\n\tVISITED=0\r\n\tDESCRIPTION=\r\n\tSHORT NAME=\r\n"
              "\r\n#URL\r\n\tNAME=T\xC3\xA9\r\n\tURL=C:\\new\\a.htm\r\n\tCREATED=1700000000\r\n\tVISITED=5\r\n"
              "\tDESCRIPTION=one\x02\x02two\r\n\tSHORT NAME=\r\n"
              "\r\n-\r\n-\r\n-\r\n");
}

TEST_F(OperaExport, RoundTripKeepsTheListAndTheBytesOfTheHotlist) {
    Load("<1>News\r\n\t<2>Daily\r\n\t\thttp://a/\tA\t\xA6@1180000000\t\xA6+first\\nsecond\r\n"
         "\t\thttp://b/\tB \xE9\r\n\t<2>Weekly\r\n\t\thttp://c/\tC\r\n<1>Other\r\n\t<2>More\r\n\t\thttp://d/\tD\r\n");
    ASSERT_EQ(ExportOpera(list, folder.Path("out.adr")), 0);
    ASSERT_EQ(ImportOpera(folder.Path("back.txt"), folder.Path("out.adr"),
                          exchange_testing::WesternEnvironment(clock)), 0);
    EXPECT_EQ(ReadBytes(folder.Path("back.txt")), ReadBytes(folder.Path("list1.txt")));

    const std::string hotlist = kHead + "#URL\n\tNAME=n\n\tURL=http://n/\n\tDESCRIPTION=a\x02\x02" "b \xC3\xA9\n\n";
    std::string imported;
    ASSERT_TRUE(OperaToList(hotlist, platform::Windows1252(), imported));
    Load(imported);
    EXPECT_NE(ListToOpera(list, 0).find("\tDESCRIPTION=a\x02\x02" "b \xC3\xA9\r\n"), std::string::npos);
}

TEST(OperaPeers, RealHotlistsImportWithEveryEntry) {
    struct Peer {
        const char* name;
        int titles, categories, subcategories;
    };
    const Peer peers[] = {
        {"alycolas_opera-12_pre_sync.adr", 10, 1, 1},
        {"alycolas_opera-12_zh_bookmarks.adr", 356, 28, 27},
        {"fenimorkin_opera-12_ru_bookmarks.adr", 282, 9, 4},
        {"matik06_opera-10_pl_bookmarks.adr", 152, 12, 40},
        {"openmandriva_handwritten_bookmarks.adr", 29, 3, 3},
        {"vokins_opera-12_bom_bookmarklets.adr", 829, 30, 29},
        {"whilp_opera-9.00-unix_opera6.adr", 17, 2, 3},
        {"whilp_opera-9.00-unix_opera6_early.adr", 10, 3, 2},
    };
    for (const Peer& peer : peers) {
        std::string path = PeerPath("opera", peer.name);
        SKIP_WITHOUT_PEERS(path);
        CLoadedList list = Import(ReadBytes(path));
        int counts[3] = {};
        for (const std::string& line : list.Outline()) ++counts[std::string("CST").find(line[0])];
        EXPECT_EQ(counts[2], peer.titles) << peer.name;
        EXPECT_EQ(counts[0], peer.categories) << peer.name;
        EXPECT_EQ(counts[1], peer.subcategories) << peer.name;
        EXPECT_TRUE(list.WritesBackUnchanged()) << peer.name;
    }
}

TEST(OperaPeers, NamesAddressesAndBookmarklets) {
    std::string russian = PeerPath("opera", "fenimorkin_opera-12_ru_bookmarks.adr");
    std::string bookmarklets = PeerPath("opera", "vokins_opera-12_bom_bookmarklets.adr");
    std::string opera9 = PeerPath("opera", "whilp_opera-9.00-unix_opera6.adr");
    SKIP_WITHOUT_PEERS(russian);
    // Entries outside every folder come first, with visits and descriptions.
    Lines titles = Import(ReadBytes(opera9)).TitleTexts();
    EXPECT_EQ(TitleName(titles[0]), "BBC SPORT | Football | World Cup 2006");
    EXPECT_EQ(LastVisited(titles[0]), 1152899588);
    EXPECT_EQ(TitleNote(titles[0]).substr(0, 34), "Visit BBC Sport for all the action");
    EXPECT_EQ(TitleName(titles[5]), "Fu\xDF" "ball - Bundesliga - Yahoo! Sport");
    EXPECT_EQ(Import(ReadBytes(russian)).Outline()[3],
              "T ???????? ???????????????? ??????? ? PostgreSQL | PostgreSQL <http://postgresql.ru.net/docs/function.html>");
    // A bookmarklet's "\n" is JavaScript, not a note's line break.
    bool found = false;
    for (const std::string& title : Import(ReadBytes(bookmarklets)).TitleTexts())
        found |= TitleUrl(title).find("alert(x+'\\n\\n'+y)") != std::string_view::npos;
    EXPECT_TRUE(found);
}

}  // namespace
