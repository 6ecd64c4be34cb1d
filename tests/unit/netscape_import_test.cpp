// Reading bookmark files: folder ordering, descriptions, separators, text
// encodings and the layouts real exporters use.
#include <gtest/gtest.h>

#include "exchange/netscape_bookmarks.h"
#include "exchange_test_support.h"
#include "model/title_text.h"

using exchange_testing::CLoadedList;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

CLoadedList Import(std::string_view html) {
    return CLoadedList(NetscapeToList(html, platform::Windows1252()));
}

TEST(NetscapeImport, EachFolderHasItsBookmarksFirstAndEntriesOutsideTwoLevelsGoUnderUncategorized) {
    CLoadedList list = Import(
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n"
        "  <DT><H3 ADD_DATE=\"1\">Top</H3>\n  <DL><p>\n"
        "    <DT><H3>Mid</H3>\n    <DL><p>\n"
        "      <DT><H3>Deep</H3>\n      <DL><p>\n"
        "        <DT><A HREF=\"http://deep/\">Deep one</A>\n      </DL><p>\n"
        "      <DT><A HREF=\"http://mid/\">Mid one</A>\n    </DL><p>\n"
        "    <DT><A HREF=\"http://top/\">Top one</A>\n  </DL><p>\n"
        "  <DT><A HREF=\"http://root/\">Root one</A>\n</DL><p>\n");
    EXPECT_EQ(list.Outline(),
              (Lines{"C Uncategorized", "S Uncategorized", "T Root one <http://root/>", "C Top",
                     "S Uncategorized", "T Top one <http://top/>", "S Mid", "T Mid one <http://mid/>",
                     "S Deep", "T Deep one <http://deep/>"}));
    EXPECT_EQ(list.LoadResult(), 0);
    EXPECT_TRUE(list.WritesBackUnchanged());
}

TEST(NetscapeImport, DescriptionsBecomeNotesWithTheirLineBreaks) {
    CLoadedList list = Import(
        "<DL><p>\n"
        "<DT><A HREF=\"http://a/\" LAST_VISIT=\"1180000000\">A</A>\n<DD>a<BR>\nb\n"
        "<DT><A HREF=\"http://b/\">B</A>\n<DD>one<br>two<BR>\n"
        "<DT><A HREF=\"http://c/\">C</A>\n<DD>tab\there\n"
        "</DL>\n");
    Lines titles = list.TitleTexts();
    ASSERT_EQ(titles.size(), 3u);  // a description ending in <br> does not swallow the next entry
    EXPECT_EQ(TitleNote(titles[0]), "a\\nb");
    EXPECT_EQ(LastVisited(titles[0]), 1180000000);
    EXPECT_EQ(TitleNote(titles[1]), "one\\ntwo\\n");
    EXPECT_EQ(TitleNote(titles[2]), "tab    here");
}

TEST(NetscapeImport, CharacterReferencesAreDecodedOnce) {
    CLoadedList list = Import(
        "<DL><p>\n"
        "<DT><A HREF=\"http://x/?a=1&amp;b=2\">&amp;lt; Tom&#39;s &quot;Page&quot; &#x41;&#66; &eacute;&nbsp;</A>\n"
        "<DD>5 &lt; 6 &#8364;\n</DL>\n");
    Lines titles = list.TitleTexts();
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(TitleUrl(titles[0]), "http://x/?a=1&b=2");
    EXPECT_EQ(TitleName(titles[0]), "&lt; Tom's \"Page\" AB &eacute;\xA0");
    EXPECT_EQ(TitleNote(titles[0]), "5 < 6 \x80");  // the euro sign of Windows-1252
}

TEST(NetscapeImport, DeclaredUtf8IsConvertedAndUndeclaredBytesAreKept) {
    const std::string body =
        "<DL><p>\n<DT><H3>Caf\xC3\xA9</H3>\n<DL><p>\n"
        "<DT><A HREF=\"http://x/\xE4\xB8\xAD\">\xE2\x80\x99 \xE4\xB8\xAD</A>\n</DL><p>\n</DL>\n";
    for (const std::string& declared :
         {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n" + body,
          "\xEF\xBB\xBF<!DOCTYPE NETSCAPE-Bookmark-file-1>\n" + body}) {
        CLoadedList list = Import(declared);
        // A character the code page lacks: the default character in a name,
        // its escaped bytes in a URL, which still opens the page.
        EXPECT_EQ(list.Outline(), (Lines{"C Caf\xE9", "S Uncategorized", "T \x92 ? <http://x/%E4%B8%AD>"}));
    }
    CLoadedList undeclared = Import(body);
    EXPECT_EQ(undeclared.Outline()[0], "C Caf\xC3\xA9");
}

TEST(NetscapeImport, SeparatorsFollowAClosedFolderOrABookmark) {
    CLoadedList list = Import(
        "<DL><p>\n"
        "<DT><H3>A</H3>\n<DL><p>\n<HR>\n"  // first in a folder: nothing to separate
        "<DT><H3>A1</H3>\n<DL><p>\n<DT><A HREF=\"u1\">one</A>\n<HR>\n<DT><A HREF=\"u2\">two</A>\n</DL><p>\n"
        "<HR>\n<DT><H3>A2</H3>\n<DL><p>\n</DL><p>\n</DL><p>\n"
        "<HR>\n<DT><H3>B</H3>\n<DL><p>\n</DL><p>\n</DL>\n");
    EXPECT_EQ(list.Outline(), (Lines{"C A", "S A1", "T one <u1>", "T ---", "T two <u2>", "S ---", "S A2",
                                     "C ---", "C B"}));
}

TEST(NetscapeImport, LayoutsOfRealExportersKeepEveryBookmark) {
    CLoadedList list = Import(
        "<DL>\n"
        // iCab: HREF after other attributes; a '>' inside a quoted value
        "<DT><A SUBSCRIBE LASTUPDATE=\"9\" NOTE=\"a>b\" HREF=\"http://icab/\">iCab</A>\n"
        // Firefox: a rule and the next bookmark on one line
        "<HR>    <DT><A HREF=\"http://ff/\" ADD_DATE=\"1\">Firefox</A>\n"
        // lower-case tags with single quotes
        "\t<dt><a href='http://lower/' last_visit='7'>lower</a>\n"
        // a tag broken over two lines keeps its address, not its name
        "<DT><A HREF=\"http://split/\"\n ADD_DATE=\"1\">Split</A>\n"
        "<DT><A NAME=\"anchor\">not a bookmark</A>\n"
        "</DL>\n");
    EXPECT_EQ(list.Outline(), (Lines{"C Uncategorized", "S Uncategorized", "T iCab <http://icab/>", "T ---",
                                     "T Firefox <http://ff/>", "T lower <http://lower/>",
                                     "T (Corrupted) <http://split/>"}));
    EXPECT_EQ(LastVisited(list.TitleTexts()[2]), 7);
}

TEST(NetscapeImport, AFileThatStopsShortStillGivesEveryFolder) {
    CLoadedList list = Import(
        "<DL><p>\n<DT><A HREF=\"r\">root</A>\n<DT><H3>F</H3>\n<DL><p>\n<DT><A HREF=\"f\">in F</A>\n"
        "<DT><H3>G</H3>\n<DL><p>\n<DT><A HREF=\"g\">in G</A>\n");
    EXPECT_EQ(list.Outline(), (Lines{"C Uncategorized", "S Uncategorized", "T root <r>", "C F", "S Uncategorized",
                                     "T in F <f>", "S G", "T in G <g>"}));
}

TEST(NetscapeImport, HostileInputGivesAWellFormedList) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<DL><p><DT><H3>x</H3>\n";
    deep += "<DT><A HREF=\"<1>evil\">&#10;&lt;1&gt;injected&#9;field</A>\n";
    std::string list = NetscapeToList(deep, platform::Windows1252());
    EXPECT_EQ(list.substr(0, 4), "<1>x");
    EXPECT_EQ(list.find("\n<1>injected"), std::string::npos);
    EXPECT_NE(list.find("\t\t<1>evil\t <1>injected field\r\n"), std::string::npos);
}

TEST(NetscapeImport, AMegabyteOnOneLineIsRead) {
    std::string line = "<DL><p>";
    for (int i = 0; i < 20000; ++i) line += "<DT><A HREF=\"http://x/" + std::to_string(i) + "\">n</A><HR>";
    line += "<DT><A HREF=\"http://long/\">" + std::string(1 << 20, 'y') + "</A></DL>";
    CLoadedList list = Import(line);
    Lines titles = list.TitleTexts();
    ASSERT_EQ(titles.size(), 20001u);
    EXPECT_EQ(titles[19999], "http://x/19999\tn");
    EXPECT_EQ(titles[20000].size(), std::string("http://long/\t").size() + (1 << 20));
    EXPECT_EQ(list.Outline().size(), 2u + 20001u + 20000u);  // a rule after every short one
}

TEST(NetscapeImport, FilesAreReplacedOnlyByACompleteImport) {
    ScratchFolder folder;
    std::string target = folder.Path("new.txt");
    WriteBytes(folder.Path("in.htm"), "<DL><p><DT><A HREF=\"u\">t</A></DL>");
    ASSERT_EQ(ImportNetscape(target, folder.Path("in.htm")), 0);
    EXPECT_EQ(ReadBytes(target), "<1>Uncategorized\r\n\t<2>Uncategorized\r\n\t\tu\tt\r\n");

    EXPECT_EQ(ImportNetscape(target, folder.Path("missing.htm")), -1);
    EXPECT_EQ(ReadBytes(target), "<1>Uncategorized\r\n\t<2>Uncategorized\r\n\t\tu\tt\r\n");
    // Cut off and padded with zeros: no bookmark file.
    WriteBytes(folder.Path("zeros.htm"), std::string("<DL><p><DT><A HREF=\"v\">w</A>") + std::string(3, '\0'));
    EXPECT_EQ(ImportNetscape(target, folder.Path("zeros.htm")), -1);
    EXPECT_EQ(ReadBytes(target), "<1>Uncategorized\r\n\t<2>Uncategorized\r\n\t\tu\tt\r\n");

    CUrlListFile open;  // a list the program holds open is never overwritten
    ASSERT_EQ(open.Load(target), 0);
    WriteBytes(folder.Path("other.htm"), "<DL><p><DT><A HREF=\"v\">w</A></DL>");
    EXPECT_EQ(ImportNetscape(target, folder.Path("other.htm")), -1);
    EXPECT_EQ(ReadBytes(target), "<1>Uncategorized\r\n\t<2>Uncategorized\r\n\t\tu\tt\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 4);
}

}  // namespace
