// Title texts: canonical field order, padding, escaping and the readers.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

// Texts pieced together from fields in the writer's order, with odd values
// and paddings among them: the quick check never says "unchanged" where
// taking the text apart and together again changes it, and says it for
// every text the writer composed.
TEST(TitleText, WrittenAliasNumberAgreesWithRecomposing) {
    const std::vector<std::string> kTitles = {"\tt", "\t", "\t\xA6#3", "\t\xA6#12\t", ""};
    const std::vector<std::string> kTimes = {"", "\t\xA6@5", "\t\xA6@-5", "\t\xA6@05", "\t\xA6@0",
                                             "\t\xA6@-0", "\t\xA6@5x", "\t\xA6@", "\t\xA6" "5"};
    const std::vector<std::string> kNotes = {"", "\xA6+n", "\xA6+a\\nb", "\xA6+", "\xA6+a\rb", "\xA6X"};
    const std::vector<std::string> kLogIns = {"", "\xA6?me", "\xA6?"};
    const std::vector<std::string> kNumbers = {"\t\xA6#12", "\t\xA6#012", "\t\xA6#12 ", "\t\xA6#-12", "\t\xA6#3", "\t\xA6#12\t", ""};
    std::mt19937 random(11);
    auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    auto tabs = [&random] { return std::string(random() % 4, '\t'); };
    int canonical = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string note = pick(kNotes), logIn = pick(kLogIns);
        std::string text = "u" + pick(kTitles) + pick(kTimes) + (note.empty() ? "" : tabs() + note) +
                           (logIn.empty() ? "" : tabs() + logIn) + pick(kNumbers);
        long number = round % 3 == 0 ? 3 : 12;
        const long written = WrittenAliasNumber(text);
        canonical += written == number;
        ASSERT_EQ(written == number, WithAliasNumber(text, number) == text) << text;
        if (written != 0) {
            ASSERT_EQ(AliasNumber(text), written) << text;
        }
    }
    EXPECT_GT(canonical, 100);
    EXPECT_EQ(WrittenAliasNumber("u\tt"), 0) << "no '#' field to keep";
}

TEST(TitleText, LevelLines) {
    EXPECT_EQ(FormatLevelLine("News", 0), "<1>News");
    EXPECT_EQ(FormatLevelLine("Daily", 1), "<2>Daily");
}

}  // namespace
