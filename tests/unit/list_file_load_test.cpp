// Reading list files: the worked example, line kinds, aliases and bad input.
#include <gtest/gtest.h>

#include "model/title_text.h"
#include "model/url_list_file.h"
#include "test_support.h"

using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

const std::string kSixtyHyphens(60, '-');

class ListFileLoad : public ::testing::Test {
protected:
    // Each call writes a file of its own: the list holds the previous one
    // open against writers, which Windows enforces.
    int LoadText(const std::string& bytes) {
        path = folder.Path("list" + std::to_string(++files) + ".txt");
        WriteBytes(path, bytes);
        return list.Load(path);
    }
    // Texts of the linked items in outline order, with the level as prefix.
    std::vector<std::string> Outline() const {
        std::vector<std::string> lines;
        for (int i = list.First(); i != 0; i = list.Next(i))
            lines.push_back(std::to_string(list.Level(i)) + ":" + std::string(list.RawText(i)));
        return lines;
    }

    ScratchFolder folder;
    CUrlListFile list;
    std::string path;
    int files = 0;
};

TEST_F(ListFileLoad, WorkedExampleLoadsAndSavesByteForByte) {
    const std::string file =
        "my links\r\n"
        "<1>News\r\n"
        "\t<2>Daily\r\n"
        "\t\tC:\\Docs\\plan.htm\tPlan\t\xA6@1180000000\t\xA6+first\\nsecond\t\xA6?jsmith\t\xA6#7\r\n"
        "\t\tC:\\Tools\\calc.exe\tCalculator\r\n"
        "\r\n"
        "<1>Reference\r\n"
        "\t<2>Misc\r\n"
        "\t\talias:7\r\n"
        "\t\talias:9\r\n";
    ASSERT_EQ(LoadText(file), 0);
    EXPECT_EQ(list.TitleCount(), 2);
    EXPECT_FALSE(list.IsReadOnly());
    EXPECT_FALSE(list.IsModified());

    int plan = 3;
    EXPECT_TRUE(list.Item(plan).Has(ItemFlags::kAliasTarget));
    EXPECT_EQ(TitleUrl(list.RawText(plan)), "C:\\Docs\\plan.htm");
    EXPECT_EQ(TitleName(list.RawText(plan)), "Plan");
    EXPECT_EQ(LastVisited(list.RawText(plan)), 1180000000);
    EXPECT_EQ(TitleNote(list.RawText(plan), true), "first\r\nsecond");
    EXPECT_EQ(TitleLogIn(list.RawText(plan)), "jsmith");
    EXPECT_TRUE(list.Item(5).Has(ItemFlags::kSeparator));
    EXPECT_EQ(list.RawText(5), "");
    EXPECT_TRUE(list.Item(8).Has(ItemFlags::kAlias));
    EXPECT_EQ(list.ResolveAlias(8), plan);
    EXPECT_EQ(list.DisplayName(8), "Plan");
    EXPECT_EQ(list.Next(8), 0) << "the alias naming no title is dropped";

    ASSERT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadBytes(path),
              "<1>News\r\n"
              "\t<2>Daily\r\n"
              "\t\tC:\\Docs\\plan.htm\tPlan\t\xA6@1180000000\t\xA6+first\\nsecond\t\xA6?jsmith\t\xA6#3\r\n"
              "\t\tC:\\Tools\\calc.exe\tCalculator\r\n"
              "\t\t" + kSixtyHyphens + "\r\n"
              "<1>Reference\r\n"
              "\t<2>Misc\r\n"
              "\t\talias:3\r\n");
}

TEST_F(ListFileLoad, PreambleMarkersAndSeparators) {
    ASSERT_EQ(LoadText("\t<2>early sub\nearly title\n  <1>  First  \n<1>\n<3>Three\n<a>Letter\n"
                       "<2>---x\n\tno tab here\n   \n"),
              0);
    EXPECT_EQ(Outline(), (std::vector<std::string>{"0:  First", "0:", "1:Three", "1:Letter", "1:",
                                                   "2:no tab here", "2:"}));
    EXPECT_TRUE(list.Item(2).Has(ItemFlags::kSeparator));
    EXPECT_TRUE(list.Item(5).Has(ItemFlags::kSeparator));
    EXPECT_EQ(TitleUrl(list.RawText(6)), "no tab here");
    EXPECT_EQ(TitleName(list.RawText(6)), "");

    ASSERT_EQ(list.SaveCopy(folder.Path("copy.txt")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("copy.txt")),
              "<1>  First\r\n<1>" + kSixtyHyphens + "\r\n\t<2>Three\r\n\t<2>Letter\r\n\t<2>" +
                  kSixtyHyphens + "\r\n\t\tno tab here\r\n\t\t" + kSixtyHyphens + "\r\n");
}

TEST_F(ListFileLoad, FileWithoutCategoryLoadsEmpty) {
    ASSERT_EQ(LoadText("just text\nhttp://x\tX\n"), 0);
    EXPECT_EQ(list.First(), 0);
    EXPECT_EQ(list.Select(0, 3), -1);
    EXPECT_EQ(list.InsertionPoint(kCategory), 0);
}

TEST_F(ListFileLoad, OldFormTimeKeptVerbatimUntilRebuilt) {
    const std::string old = "http://a\tA\t\xA6" "1180000000";
    ASSERT_EQ(LoadText("<1>C\n<2>S\n" + old + "\nhttp://b\tB\t\xA6#5\n"), 0);
    EXPECT_EQ(list.RawText(3), old);
    EXPECT_EQ(LastVisited(list.RawText(3)), 1180000000);
    EXPECT_EQ(list.RawText(4), "http://b\tB") << "a '#' field matching no alias is removed";
    EXPECT_FALSE(list.Item(4).Has(ItemFlags::kAliasTarget));
}

TEST_F(ListFileLoad, AliasesResolveToFirstTargetAndStrayOnesVanish) {
    ASSERT_EQ(LoadText("<1>C\n<2>S\nhttp://t\tT\t\xA6#42\nalias:42\nalias:17\nalias:42\n"
                       "alias:\nalias:-3\nalias:0\nhttp://u\tU\t\xA6#42\n"
                       // a number beyond the item numbers
                       "http://v\tV\t\xA6#70000\nalias:70000\nhttp://w\tW\t\xA6#70000\n"),
              0);
    EXPECT_EQ(Outline(), (std::vector<std::string>{"0:C", "1:S", "2:http://t\tT\t\xA6#3",
                                                   "2:alias:3", "2:alias:3",
                                                   "2:http://u\tU", "2:http://v\tV\t\xA6#11",
                                                   "2:alias:11", "2:http://w\tW"}));
    EXPECT_EQ(list.TitleCount(), 4);

    ASSERT_EQ(list.Save(), 0);
    ASSERT_EQ(list.Load(), 0);
    EXPECT_EQ(list.RawText(3), "http://t\tT\t\xA6#3");
    EXPECT_EQ(list.ResolveAlias(4), 3);
    EXPECT_EQ(list.ResolveAlias(5), 3);
}

TEST_F(ListFileLoad, FullFromTenThousandAndOneTitles) {
    auto titles = [](int n) {
        std::string text = "<1>C\r\n\t<2>S\r\n";
        for (int i = 0; i < n; ++i) text += "\t\thttp://x/" + std::to_string(i) + "\tT\r\n";
        return text + "\t\talias:1\r\n";
    };
    ASSERT_EQ(LoadText(titles(10000)), 0);
    EXPECT_FALSE(list.IsFull());
    ASSERT_EQ(LoadText(titles(10001)), 1);
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.IsReadOnly());
}

TEST_F(ListFileLoad, MoreThan65535ItemsKeepsTheFirstOnesReadOnly) {
    std::string text = "<1>C\n<2>S\n";
    for (int i = 0; i < 70000; ++i) text += "http://x/" + std::to_string(i) + "\tT\n";
    ASSERT_EQ(LoadText(text), -3);
    EXPECT_TRUE(list.IsReadOnly());
    EXPECT_EQ(list.Count(), CUrlListFile::kMaxItems);
    EXPECT_EQ(list.Item(0).prev, CUrlListFile::kMaxItems);
    EXPECT_EQ(TitleUrl(list.RawText(CUrlListFile::kMaxItems)), "http://x/65532");
    EXPECT_EQ(list.InsertBefore(0, "one more", kTitle), -3) << "item numbers never wrap";
    EXPECT_EQ(list.Save(), 0);
    EXPECT_EQ(ReadBytes(path), text) << "a partly loaded list never writes";
}

// Around the sizes from which a file is read into large pages: every byte
// comes back, and a text that outgrows the room left moves the buffer whole.
TEST_F(ListFileLoad, LargeFilesKeepEveryByteWhenTheirBufferMoves) {
    constexpr std::size_t kMiB = 1024 * 1024;
    for (std::size_t size : {2 * kMiB - 100, 2 * kMiB + 100, 4 * kMiB - 9000, 7 * kMiB}) {
        std::string text = "<1>C\r\n\t<2>S\r\n";
        for (int i = 0; text.size() < size; ++i)
            text += "\t\thttp://x/" + std::to_string(i) + "\t" + std::string(100, static_cast<char>('a' + i % 26)) + "\r\n";
        SCOPED_TRACE(text.size());
        ASSERT_GE(LoadText(text), 0);
        const std::string url = "http://" + std::string(kMiB, 'u');
        list.SetTitleUrl(3, url);
        ASSERT_EQ(list.Save(), 0);
        std::string expected = text;
        expected.replace(expected.find("http://x/0"), 10, url);
        EXPECT_EQ(ReadBytes(path), expected);
    }
}

TEST_F(ListFileLoad, OpenFailuresKeepThePreviousList) {
    ASSERT_EQ(LoadText("<1>Kept\n"), 0);
    EXPECT_EQ(list.Load(folder.Path("missing.txt")), -1);
    EXPECT_NE(list.LastOsError(), 0);
    EXPECT_EQ(list.Load(folder.Path("no folder/list.txt")), -1);
    EXPECT_EQ(list.Load(""), -1);
    EXPECT_EQ(list.Load(folder.Root().string()), -2) << "a folder is not a list file";
    EXPECT_EQ(list.RawText(1), "Kept");
    EXPECT_FALSE(list.IsReadOnly()) << "the previous file is held again";
    EXPECT_EQ(list.Save(), 0);
}

TEST_F(ListFileLoad, HostileBytesLoadWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    std::string text = "<1>C\n" + junk + "\n<2>" + std::string(1 << 20, 'm') + "\n" +
                       std::string("a\0b\tc\0d", 7) + "\n";
    ASSERT_EQ(LoadText(text), 0);
    ASSERT_EQ(list.SaveCopy(folder.Path("first.txt")), 0);
    CUrlListFile again;
    ASSERT_EQ(again.Load(folder.Path("first.txt")), 0);
    ASSERT_EQ(again.SaveCopy(folder.Path("second.txt")), 0);
    EXPECT_EQ(ReadBytes(folder.Path("first.txt")), ReadBytes(folder.Path("second.txt")))
        << "a written file reads back into the same outline";
    EXPECT_EQ(again.RawText(again.Count()), std::string("a\0b\tc\0d", 7)) << "NUL bytes survive";
}

}  // namespace
