// Filling in inserts with the system's message formatter, and refusing
// inserts that the arguments do not match.
#include "dialogs/message_format.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageFormat, TextInsertsTakeTheirArgumentsByNumber) {
    EXPECT_EQ(FormatText("%1 and %2", {"one", "two"}), "one and two");
    EXPECT_EQ(FormatText("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(FormatText("%1 %1", {"again"}), "again again");
}

TEST(MessageFormat, StringArgumentsAreTexts) {
    std::string name = "My list";
    EXPECT_EQ(FormatText("List '%1'", {name}), "List 'My list'");
}

TEST(MessageFormat, NumericInsertsTakeUnsignedNumbers) {
    EXPECT_EQ(FormatText("%1 (%2!u! URLs)", {"Main", 1234u}), "Main (1234 URLs)");
    EXPECT_EQ(FormatText("%1!u!", {std::size_t{4000000000u}}), "4000000000");
}

TEST(MessageFormat, PrecisionDotPrintsNothingForZero) {
    // printf's "%.u" of 0 is empty; the marked count it is used for is never 0.
    EXPECT_EQ(FormatText("Marked: %1!.u! %2", {7u, "titles"}), "Marked: 7 titles");
    EXPECT_EQ(FormatText("[%1!.u!]", {0u}), "[]");
}

TEST(MessageFormat, EscapesAndLineBreaks) {
    EXPECT_EQ(FormatText("100%% sure", {}), "100% sure");
    // The system formatter writes line breaks as CR LF; they come back as LF.
    EXPECT_EQ(FormatText("first\nsecond", {}), "first\nsecond");
    EXPECT_EQ(FormatText("first%nsecond", {}), "first\nsecond");
    EXPECT_EQ(FormatText("caption\ttext %1", {"x"}), "caption\ttext x");
}

TEST(MessageFormat, InsertedTextsAreNotFormattedAgain) {
    EXPECT_EQ(FormatText("path: %1", {"C:\\100%1\t%2!u!"}), "path: C:\\100%1\t%2!u!");
}

TEST(MessageFormat, InsertNumbersHaveUpToTwoDigits) {
    EXPECT_EQ(FormatText("%10|%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}),
              "ten|1");
}

TEST(MessageFormat, EmptyPatternsAndEmptyResultsAreNotFailures) {
    EXPECT_EQ(FormatText("", {}), "");
    EXPECT_EQ(FormatText("%1", {""}), "");
    EXPECT_EQ(FormatText("%1%2", {"", ""}), "");
}

TEST(MessageFormat, PercentZeroEndsTheText) {
    EXPECT_EQ(FormatText("kept%0cut", {}), "kept");
}

TEST(MessageFormat, AnInsertWithoutArgumentFails) {
    EXPECT_EQ(FormatText("%1 - %2 - %3", {"a", "b"}), std::nullopt);
    EXPECT_EQ(FormatText("%1", {}), std::nullopt);
}

TEST(MessageFormat, AnArgumentOfTheWrongKindFails) {
    EXPECT_EQ(FormatText("%1", {5u}), std::nullopt);         // a number where a text belongs
    EXPECT_EQ(FormatText("%1!u!", {"5"}), std::nullopt);     // a text where a number belongs
    EXPECT_EQ(FormatText("%1!s!", {"text"}), "text");
}

TEST(MessageFormat, UnsupportedConversionsFail) {
    EXPECT_EQ(FormatText("%1!u", {5u}), std::nullopt);       // unclosed
    EXPECT_EQ(FormatText("%1!*u!", {5u, 6u}), std::nullopt);  // width from an argument
    EXPECT_EQ(FormatText("%1!S!", {"wide"}), std::nullopt);  // wide string
}

TEST(MessageFormat, ExtraArgumentsAreIgnored) {
    EXPECT_EQ(FormatText("only %1", {"one", "two"}), "only one");
}

}  // namespace
