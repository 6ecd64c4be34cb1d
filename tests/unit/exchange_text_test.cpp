// Text between the list's code page and UTF-8, and file names made from list names.
#include <gtest/gtest.h>

#include "exchange/safe_file_name.h"
#include "exchange/text_conversion.h"
#include "exchange_test_support.h"

using exchange_testing::CFakeDoubleBytePage;

namespace {

const platform::CodePage& kWestern = platform::Windows1252();

TEST(HotlistText, NoteBreaksAndAccentsConvertBothWays) {
    EXPECT_EQ(AnsiToUtf8("caf\xE9 one\\ntwo \x80", kWestern), "caf\xC3\xA9 one\x02\x02two \xE2\x82\xAC");
    EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9 one\x02\x02two \xE2\x82\xAC", kWestern), "caf\xE9 one\\ntwo \x80");
    // Names and addresses keep a backslash-n: "C:\new" is a path.
    EXPECT_EQ(AnsiToUtf8("C:\\new", kWestern, BreakMarks::kKeep), "C:\\new");
    EXPECT_EQ(Utf8ToAnsi("a\x02\x02" "b", kWestern, BreakMarks::kKeep), "a\x02\x02" "b");
}

TEST(HotlistText, BrokenUtf8YieldsNothingAndStrangeCharactersTheDefault) {
    EXPECT_EQ(Utf8ToAnsi("a\x80" "b\xC3", kWestern), "ab");                  // stray and cut-off bytes
    EXPECT_EQ(Utf8ToAnsi("\xF8\x88\x80\x80\x80|\xC0\xAF|\xED\xA0\x80", kWestern), "?|?|?");  // 5 bytes, overlong, surrogate
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD", kWestern), "?");
}

TEST(HotlistText, DoubleByteCharactersStayWhole) {
    CFakeDoubleBytePage page;
    // 0x5C ('\') as a trail byte followed by 'n' is part of a character, not a line break.
    std::string text = "\x81\x5Cn \x82\x41";
    std::string utf8 = AnsiToUtf8(text + "\x83", page);  // a lead byte without its trail is dropped
    EXPECT_EQ(utf8, "\xE4\xB9\x9Cn \xE4\xBD\x81");
    EXPECT_EQ(Utf8ToAnsi(utf8, page), text);
}

TEST(HotlistText, AddressesEscapeWhatTheCodePageLacks) {
    EXPECT_EQ(Utf8UrlToAnsi("http://x/caf\xC3\xA9/\xE4\xB8\xAD?q=1", kWestern), "http://x/caf\xE9/%E4%B8%AD?q=1");
}

TEST(SafeFileName, LongNamesAndForbiddenCharacters) {
    std::string seventy(70, 'a');
    EXPECT_EQ(SafeFileName(seventy, ".url", kWestern), std::string(61, 'a') + "....url");
    EXPECT_EQ(SafeFileName(std::string(64, 'b'), ".url", kWestern), std::string(64, 'b') + ".url");
    EXPECT_EQ(SafeFileName("a:b/c\\d*e?f\"g<h>i|j\tk\x01", ".url", kWestern), "a b c d e f g h i j k .url");
}

TEST(SafeFileName, NamesWindowsWouldNotKeep) {
    EXPECT_EQ(SafeFileName("CON", ".url", kWestern), "CON_.url");
    EXPECT_EQ(SafeFileName("com1", {}, kWestern), "com1_");
    EXPECT_EQ(SafeFileName("Nul .txt", ".url", kWestern), "Nul _.txt.url");
    EXPECT_EQ(SafeFileName("Console", {}, kWestern), "Console");
    EXPECT_EQ(SafeFileName("COM10", {}, kWestern), "COM10");
    EXPECT_EQ(SafeFileName("..", {}, kWestern), "__");
    EXPECT_EQ(SafeFileName("Wait... ", {}, kWestern), "Wait____");
    EXPECT_EQ(SafeFileName("Wait...", ".url", kWestern), "Wait....url");
    EXPECT_EQ(SafeFileName(std::string(70, 'c'), {}, kWestern), std::string(61, 'c') + "___");
}

TEST(SafeFileName, DoubleByteNamesAreNeitherSplitNorChangedInsideACharacter) {
    CFakeDoubleBytePage page;
    EXPECT_EQ(SafeFileName("\x81\x5C\x82\x7C:", ".url", page), "\x81\x5C\x82\x7C .url");
    std::string name = std::string(60, 'a') + "\x81\x41" + std::string(10, 'b');
    EXPECT_EQ(SafeFileName(name, ".url", page), std::string(60, 'a') + "....url");
}

}  // namespace
