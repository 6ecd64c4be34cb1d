// Title texts: canonical field order, padding, escaping and the readers.
#include <gtest/gtest.h>

#include "model/title_text.h"

namespace {

TEST(TitleText, ComposePadsFieldsToTheirPositions) {
    EXPECT_EQ(ComposeTitleText("u", "t", 0, "", "", 0), "u\tt");
    EXPECT_EQ(ComposeTitleText("u", "t", 0, "", "me", 0), "u\tt\t\t\t\xA6?me");
    EXPECT_EQ(ComposeTitleText("u", "t", 5, "", "me", 0), "u\tt\t\xA6@5\t\t\xA6?me");
    EXPECT_EQ(ComposeTitleText("u", "t", 0, "n", "me", 0), "u\tt\t\t\xA6+n\t\xA6?me");
    EXPECT_EQ(ComposeTitleText("u", "t", -7, "n", "", 12), "u\tt\t\xA6@-7\t\xA6+n\t\xA6#12");
    EXPECT_EQ(ComposeTitleText("u", "t", 0, "", "", 3), "u\tt\t\xA6#3");
    EXPECT_EQ(ComposeTitleText("u", "", 0, "", "", 0), "u") << "no TAB for the reader to trim";
    EXPECT_EQ(ComposeTitleText("u", "", 0, "", "", 2), "u\t\t\xA6#2");
}

TEST(TitleText, NotesEscapeOnceAndUnescapeToLineBreaks) {
    std::string text = ComposeTitleText("u", "t", 0, "a\tb\r\nc\\nd", "", 0);
    EXPECT_EQ(TitleNote(text), "a    b\\nc\\nd");
    EXPECT_EQ(TitleNote(text, true), "a    b\r\nc\r\nd") << "a literal backslash-n reads as a break";
    EXPECT_EQ(ComposeTitleText("u", "t", 0, TitleNote(text), "", 0), text) << "escaped input stays";
}

TEST(TitleText, ReadersFindTaggedFieldsOnlyAfterTheTitle) {
    const std::string text = "http://x\t\xA6@99 odd title\t\xA6@42\t\t\xA6?who\t\xA6#8";
    EXPECT_EQ(TitleUrl(text), "http://x");
    EXPECT_EQ(TitleName(text), "\xA6@99 odd title");
    EXPECT_EQ(LastVisited(text), 42);
    EXPECT_EQ(TitleLogIn(text), "who");
    EXPECT_EQ(TitleNote(text), "");
    EXPECT_EQ(AliasNumber(text), 8);
    EXPECT_EQ(AliasNumber("alias:15"), 15);
    EXPECT_EQ(AliasNumber("alias:x"), 0);
    EXPECT_EQ(LastVisited("u\tt\t\xA6" "77"), 77) << "older files wrote no '@'";
    EXPECT_EQ(LastVisited("u\tt\t\xA6@99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(WithAliasNumber("u\tt\t\xA6" "77\t\xA6#1", 4), "u\tt\t\xA6@77\t\xA6#4");
    EXPECT_EQ(WithoutAliasNumber("u\tt\t\xA6#4\t\xA6Xunknown"), "u\tt");
}

TEST(TitleText, LevelLines) {
    EXPECT_EQ(FormatLevelLine("News", 0), "<1>News");
    EXPECT_EQ(FormatLevelLine("Daily", 1), "<2>Daily");
}

}  // namespace
