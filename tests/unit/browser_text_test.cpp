// The texts of the browsers' DDE topics and the reading of a title's target.
#include <gtest/gtest.h>

#include <map>

#include "browser/dde_text.h"
#include "browser/target_text.h"

namespace {

// --- DDE items and replies -------------------------------------------------------

TEST(DdeTextTest, ItemsCarryTheWindowIdInSignedDecimal) {
    EXPECT_EQ(OpenUrlItem("http://a.example/", 0), "\"http://a.example/\",,0,0,,,");
    EXPECT_EQ(OpenUrlItem("http://a.example/", -1), "\"http://a.example/\",,-1,0,,,");
    EXPECT_EQ(ActivateItem(-1), "-1,0");
    EXPECT_EQ(WindowIdItem(3), "3");
}

TEST(DdeTextTest, WindowIdsAreLittleEndianAndListsEndAtZeroOrTheData) {
    using namespace std::string_literals;
    EXPECT_EQ(ReplyWindowId("\x05\x00\x00\x00\x09"s), 5);
    EXPECT_EQ(ReplyWindowId("\xFF\xFF\xFF\xFF"s), -1);
    EXPECT_FALSE(ReplyWindowId("\x05\x00\x00"s));
    EXPECT_EQ(ReplyWindowIds("\x01\0\0\0\x02\0\0\0\0\0\0\0\x03\0\0\0"s), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(ReplyWindowIds("\x01\0\0\0\x02\0"s), (std::vector<std::int32_t>{1}));
}

TEST(DdeTextTest, WindowInfoRepliesOfEveryShape) {
    struct Case {
        const char* reply;
        const char* ddeName;
        const char* url;
        const char* title;
    };
    const Case cases[] = {
        {"\"http://a/\",\"Home\"", "netscape", "http://a/", "Home"},
        {"\"http://a/\",\"Say \\\"hi\\\"\"", "netscape", "http://a/", "Say \"hi\""},
        {"\"http://a/\",", "netscape", "http://a/", ""},
        {"\"http://a/,\"x\"", "netscape", "http://a/,", ""},  // a quote not before a comma ends all
        {"\"http://a/ no closing quote", "netscape", "http://a/ no closing quote", ""},
        {"\"http://a/\",x,", "netscape", "http://a/", ""},        // a title of one comma is empty
        {"\"http://a/\",\"Opera - [Home]\"", "opera", "http://a/", "Home"},
        {"\"http://a/\",\"Opera - [Home]\"", "OPERA", "http://a/", "Home"},
        {"\"http://a/\",\"Opera - [\"", "opera", "http://a/", ""},
        {"\"http://a/\",\"Opera - [Home]\"", "netscape", "http://a/", "Opera - [Home]"},
        {"", "netscape", "", ""},
    };
    for (const Case& c : cases) {
        WindowInfo info = ParseWindowInfo(c.reply, c.ddeName);
        EXPECT_EQ(info.url, c.url) << c.reply;
        EXPECT_EQ(info.title, c.title) << c.reply;
    }
}

TEST(DdeTextTest, WindowInfoEndsAtAZeroByteAndCopesWithAMegabyte) {
    using namespace std::string_literals;
    EXPECT_EQ(ParseWindowInfo("\"u\",\"t\"\0garbage\""s, "x").title, "t");
    std::string big = "\"" + std::string(1 << 20, 'x');
    EXPECT_EQ(ParseWindowInfo(big, "x").url.size(), std::size_t{1} << 20);
}

TEST(DdeTextTest, AmpersandsAreDoubledForMenus) {
    EXPECT_EQ(EscapeAmpersands("Q&A"), "Q&&A");
    EXPECT_EQ(EscapeAmpersands("&&"), "&&&&");
    EXPECT_EQ(EscapeAmpersands("plain"), "plain");
}

// --- targets -----------------------------------------------------------------------

TEST(TargetTextTest, InternetUrlsAreToldByTheirExactPrefix) {
    for (const char* url : {"http://a", "https://a", "ftp://a", "news://a", "gopher://a", "mailto:x@y"})
        EXPECT_TRUE(IsInternetUrl(url)) << url;
    for (const char* other : {"HTTP://a", "http:/a", "C:\\http://", "file://a", ""})
        EXPECT_FALSE(IsInternetUrl(other)) << other;
    EXPECT_TRUE(IsMailLink("mailto:x@y"));
    EXPECT_FALSE(IsMailLink("MAILTO:x@y"));
}

class SplitProgramTest : public ::testing::Test {
protected:
    PathProbe Probe() {
        return [this](const std::string& path) {
            auto found = paths.find(path);
            return found == paths.end() ? PathKind::kMissing : found->second;
        };
    }
    std::map<std::string, PathKind> paths;
    std::string program;
    std::string arguments;
};

TEST_F(SplitProgramTest, CutsAtSpacesFromTheEndUntilSomethingExists) {
    paths = {{"C:\\Tools\\grab.exe", PathKind::kFile},
             {"C:\\Program Files\\App\\app.exe", PathKind::kFile},
             {"\\\\server\\share\\tool.exe", PathKind::kFile},
             {"C:\\Docs\\plan.txt", PathKind::kFile},
             {"C:\\Docs", PathKind::kFolder},
             {"C:\\Tools\\RUN.BAT", PathKind::kFile}};
    struct Case {
        const char* text;
        bool isProgram;
        const char* program;
        const char* arguments;
    };
    const Case cases[] = {
        {"C:\\Tools\\grab.exe -all", true, "C:\\Tools\\grab.exe", "-all"},
        {"C:\\Program Files\\App\\app.exe", true, "C:\\Program Files\\App\\app.exe", ""},
        {"\\\\server\\share\\tool.exe /q", true, "\\\\server\\share\\tool.exe", "/q"},
        {"C:\\Docs\\plan.txt", false, "C:\\Docs\\plan.txt", ""},
        {"C:\\Docs with more", false, "C:\\Docs", "with more"},
        {"C:\\Tools\\RUN.BAT a  b", true, "C:\\Tools\\RUN.BAT", "a  b"},
        {"C:\\Missing\\x.exe -q", false, "C:\\Missing\\x.exe", ""},
        {"http://a b", false, "http://a b", ""},
        {"relative\\grab.exe -all", false, "relative\\grab.exe -all", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitProgramCommand(c.text, Probe(), program, arguments), c.isProgram) << c.text;
        if (c.isProgram || *c.arguments) {
            EXPECT_EQ(program, c.program) << c.text;
            EXPECT_EQ(arguments, c.arguments) << c.text;
        }
    }
}

TEST_F(SplitProgramTest, ASlashBackslashGluedToAWordIsNoCommandLine) {
    paths = {{"C:\\a", PathKind::kFile}};
    EXPECT_FALSE(SplitProgramCommand("C:\\a b/\\c", Probe(), program, arguments));
    EXPECT_TRUE(arguments.empty());
    EXPECT_FALSE(SplitProgramCommand("C:\\a /\\c", Probe(), program, arguments));
    EXPECT_EQ(arguments, "/\\c");
}

TEST(TargetTextTest, PathsSplitLikeSplitpath) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\Docs\\plan.old.txt", "C:\\Docs\\", "plan.old", ".txt"},
        {"C:plan", "C:", "plan", ""},
        {"\\\\srv\\share\\a.b\\file", "\\\\srv\\share\\a.b\\", "file", ""},
        {"dir/x.lnk", "dir/", "x", ".lnk"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        PathParts parts = SplitPathParts(c.path, false, platform::Windows1252());
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
    EXPECT_EQ(SplitPathParts("C:\\a\\plan.txt", true).name, "plan.txt");
}

}  // namespace
