// The Windows-1252 code page every native build uses, and multibyte trimming.
#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace {

// A double-byte page in which 0x81-0x9F lead: enough to test the walks.
class FakeDoubleBytePage final : public platform::CodePage {
public:
    unsigned Number() const override { return 932; }
    std::string CharsetName() const override { return "shift_jis"; }
    bool IsLeadByte(unsigned char b) const override { return b >= 0x81 && b <= 0x9F; }
    std::string Lower(std::string_view t) const override { return std::string(t); }
    int CompareNoCase(std::string_view a, std::string_view b) const override {
        return a.compare(b);
    }
    std::string ToUtf8(std::string_view t) const override { return std::string(t); }
    std::string FromUtf8(std::string_view t) const override { return std::string(t); }
};

TEST(CodePage, Windows1252CaseFoldingAndOrder) {
    const platform::CodePage& cp = platform::Windows1252();
    EXPECT_EQ(cp.Lower("ABC \xC9T\xC9 \x8A\x9F\xD7"), "abc \xE9t\xE9 \x9a\xFF\xD7");
    EXPECT_EQ(cp.CompareNoCase("apple", "APPLE"), 0);
    EXPECT_LT(cp.CompareNoCase("Apple", "banana"), 0);
    EXPECT_GT(cp.CompareNoCase("b", "A"), 0);
    EXPECT_LT(cp.CompareNoCase("ab", "ABC"), 0);
}

TEST(CodePage, Utf8RoundTripsAndUnknownCharactersBecomeQuestionMarks) {
    const platform::CodePage& cp = platform::Windows1252();
    const std::string ansi = "caf\xE9 \x80 \x93quoted\x94 \x81";
    EXPECT_EQ(cp.ToUtf8(ansi), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xC2\x81");
    EXPECT_EQ(cp.FromUtf8(cp.ToUtf8(ansi)), ansi);
    EXPECT_EQ(cp.FromUtf8("\xE4\xB8\xAD x \xF0\x9F\x98\x80"), "? x ?");
    EXPECT_EQ(cp.FromUtf8("bad \xC3 end \xFF"), "bad ? end ?");
}

TEST(CodePage, TrimStepsOverDoubleByteCharacters) {
    FakeDoubleBytePage dbcs;
    const platform::CodePage& cp1252 = platform::Windows1252();
    EXPECT_EQ(platform::Trim(" \t\r\n\v\fword \t\r", cp1252), "word");
    EXPECT_EQ(platform::Trim("   ", cp1252), "");
    EXPECT_EQ(platform::Trim(" x\x81 ", dbcs), "x\x81 ") << "the space is the trail byte";
    EXPECT_EQ(platform::Trim(" x\x81", dbcs), "x\x81") << "a lone lead byte at the end stays";
    EXPECT_EQ(platform::FindAtCharBoundary("\x81" "ab", "b", dbcs), 2u);
    EXPECT_EQ(platform::FindAtCharBoundary("\x81" "ab", "a", dbcs), std::string::npos)
        << "'a' is the trail byte of a double-byte character";
}

}  // namespace
