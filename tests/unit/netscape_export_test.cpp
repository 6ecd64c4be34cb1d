// Writing lists as bookmark files, and reading them back.
#include <gtest/gtest.h>

#include "exchange/netscape_bookmarks.h"
#include "exchange_test_support.h"

using testing_support::FailingWritesFileSystem;
using testing_support::FixedClock;
using testing_support::LongestNameIn;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

class NetscapeExport : public ::testing::Test {
protected:
    NetscapeExport() : list(exchange_testing::WesternEnvironment(clock)) {}
    void Load(const std::string& text) {
        WriteBytes(folder.Path("list.txt"), text);
        ASSERT_EQ(list.Load(folder.Path("list.txt")), 0);
    }

    ScratchFolder folder;
    FixedClock clock{1700000000};
    CUrlListFile list;
};

TEST_F(NetscapeExport, WritesTheBookmarkFileLayout) {
    Load("<1>News <daily>\r\n\t<2>Sub\r\n\t\tjavascript:alert(\"hi\")\ta<b>\t\xA6@5\t\xA6+one\\ntwo\r\n\t\t---\r\n"
         "\t\thttp://x/\r\n\t<2>---\r\n<1>---\r\n<1>Other\r\n");
    EXPECT_EQ(ListToNetscape(list, "My <List>", 1700000000),
              "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
              "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">\r\n"
              "<title>My &lt;List&gt;</title>\r\n<h1>My &lt;List&gt;</h1>\r\n\r\n<dl><p>\r\n"
              "<dt><h3 FOLDED ADD_DATE=\"1700000000\">News &lt;daily&gt;</h3>\r\n<dl><p>\r\n"
              "<dt><h3 FOLDED ADD_DATE=\"1700000000\">Sub</h3>\r\n<dl><p>\r\n"
              "        <dt><a href=\"javascript:alert(&quot;hi&quot;)\" ADD_DATE=\"1700000000\" LAST_VISIT=\"5\" "
              "LAST_MODIFIED=\"5\">a&lt;b&gt;</a>\r\n<dd>one<br>two\r\n"
              "<hr>\r\n"
              "</dl><p>\r\n<hr>\r\n"
              "</dl><p>\r\n<hr>\r\n"
              "<dt><h3 FOLDED ADD_DATE=\"1700000000\">Other</h3>\r\n<dl><p>\r\n"
              "</dl><p>\r\n</dl><p>\r\n");
}

TEST_F(NetscapeExport, ExportThenImportKeepsTheList) {
    // Text that looks like markup or references stays text.
    const std::string text =
        "<1>News <DL><p>\r\n\t<2></dl> & <hr>\r\n"
        "\t\thttp://a/?x=1&y=2&amp;z\t<DT><A HREF=\"x\">Tom's \"page\" \xE9 &lt;\t\xA6@1180000000"
        "\t\xA6+use <hr> or </DL> here\\nsee <DL><p> list<br>&#38;\\n\r\n"
        "\t\t------------------------------------------------------------\r\n\t\thttp://b/\tB\r\n"
        "\t<2>------------------------------------------------------------\r\n"
        "\t<2>Weekly\r\n\t\tjavascript:f(\"a\")\tC\r\n"
        "<1>------------------------------------------------------------\r\n"
        "<1>Other\r\n\t<2>More\r\n\t\thttp://d/\tD\r\n";
    Load(text);
    ASSERT_EQ(ExportNetscape(list, "list", folder.Path("out.htm")), 0);
    ASSERT_EQ(ImportNetscape(folder.Path("back.txt"), folder.Path("out.htm"),
                             exchange_testing::WesternEnvironment(clock)), 0);
    EXPECT_EQ(ReadBytes(folder.Path("back.txt")), text);
}

TEST_F(NetscapeExport, AFailedExportLeavesTheOldFile) {
    Load("<1>A\r\n");
    WriteBytes(folder.Path("old.htm"), "old bookmarks");
    CUrlListFile holder;  // another program holds the file against writers
    ASSERT_EQ(holder.Load(folder.Path("old.htm")), 0);
    EXPECT_NE(ExportNetscape(list, "list", folder.Path("old.htm")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("old.htm")), "old bookmarks");
}

TEST_F(NetscapeExport, ATargetNearThePathLimitIsWrittenThroughAShortTemporaryFile) {
    Load("<1>A\r\n");
    const std::string target = folder.Path(std::string(LongestNameIn(folder) - 4, 'n') + ".htm");
    FailingWritesFileSystem fullDisk(0);
    ListEnvironment env = list.Environment();
    env.files = &fullDisk;
    CUrlListFile onFullDisk(env);
    WriteBytes(folder.Path("same.txt"), "<1>A\r\n");
    ASSERT_EQ(onFullDisk.Load(folder.Path("same.txt")), 0);
    EXPECT_EQ(ExportNetscape(onFullDisk, "list", target), FailingWritesFileSystem::kDiskFull);
    ASSERT_EQ(fullDisk.created.size(), 1u);
    const std::string temporary = fullDisk.created[0];
    EXPECT_EQ(platform::FolderOf(temporary), platform::FolderOf(target));
    EXPECT_FALSE(fullDisk.Exists(temporary)) << "a failed write removes its temporary file";

    WriteBytes(temporary, "another program's file");  // the name is taken now
    ASSERT_EQ(ExportNetscape(list, "list", target), 0);
    EXPECT_EQ(ReadBytes(temporary), "another program's file");
    EXPECT_EQ(ReadBytes(target).rfind("<!DOCTYPE", 0), 0u);
}

}  // namespace
