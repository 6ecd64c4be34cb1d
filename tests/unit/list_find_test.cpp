// Find: stepping through the matches in outline order, round after round.
#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

const std::string kFindable =
    "<1>Alpha\n"
    "<2>One\n"
    "http://x.example\tX marks abc\n"
    "http://plain\tPlain\t\xA6@1180000000\t\xA6+a note\t\xA6?login\n"
    "<2>Two\n"
    "http://y.example/ABC\tY\n"
    "<1>Beta abc\n"
    "<1>Hidden\n"
    "http://orphan\tabc orphan\n"
    "<2>AfterOrphan abc\n"
    "<1>Gamma\n"
    "<2>Three\n"
    "http://z\tZ\n";

class FindTest : public ListTest {
protected:
    void SetUp() override { Load(kFindable); }
    std::string Selected() const {
        for (int level = kTitle; level >= 0; --level)
            if (list.Selection(level) >= 0) return std::string(list.DisplayName(list.SelectedItem(level)));
        return "";
    }
    CFindState round;
};

TEST_F(FindTest, StepsThroughTheMatchesAndReportsTheFullCircle) {
    EXPECT_EQ(list.FindNext("ABC", round).result, 0);
    EXPECT_EQ(Selected(), "X marks abc");
    auto step = list.FindNext("abc", round);
    EXPECT_EQ(step.result, 0);
    EXPECT_EQ(step.firstChangedLevel, kSubcategory);
    EXPECT_EQ(Selected(), "Y");
    step = list.FindNext("abc", round);
    EXPECT_EQ(step.result, 0);
    EXPECT_EQ(step.firstChangedLevel, kCategory);
    EXPECT_EQ(Selected(), "Beta abc");
    EXPECT_EQ(list.Selection(kSubcategory), -1);
    step = list.FindNext("aBc", round);
    EXPECT_EQ(step.result, 1) << "entries that no view shows are passed over";
    EXPECT_EQ(Selected(), "X marks abc");
    ExpectSound(list);
}

TEST_F(FindTest, OnlyTheSelectedEntryMatchingIsTheOnlyMatch) {
    SelectPath({"Gamma", "Three", "Z"});
    EXPECT_EQ(list.FindNext("http://z", round).result, 2);
    EXPECT_EQ(Selected(), "Z");
    EXPECT_EQ(list.FindNext("http://z", round).result, 2);
    EXPECT_EQ(list.FindNext("nowhere", round).result, 3);
    EXPECT_EQ(Selected(), "Z");
    EXPECT_EQ(list.FindNext("", round).result, 3);
    EXPECT_EQ(Selected(), "Z");
}

TEST_F(FindTest, TitlesMatchOnUrlTitleNoteAndLogInButNotOnTheirNumbers) {
    EXPECT_EQ(list.FindNext("note", round).result, 0);
    EXPECT_EQ(Selected(), "Plain");
    EXPECT_EQ(list.FindNext("LOGIN", round).result, 2);
    EXPECT_EQ(list.FindNext("y.example", round).result, 0);
    EXPECT_EQ(Selected(), "Y");
    EXPECT_EQ(list.FindNext("1180", round).result, 3) << "the last-visited time is no text";
    EXPECT_EQ(list.FindNext("\xA6", round).result, 3) << "nor are the field tags";
}

TEST_F(FindTest, AnAliasIsFoundByItsTargetsText) {
    Load("<1>A\n<2>S\nhttp://t\tTarget\t\xA6#3\n<1>B\n<2>S\nalias:3\n");
    EXPECT_EQ(list.FindNext("target", round).result, 0);
    EXPECT_EQ(list.FindNext("target", round).result, 0);
    EXPECT_EQ(list.Selection(kCategory), 1);
    EXPECT_EQ(list.FindNext("target", round).result, 1);
    EXPECT_EQ(list.Selection(kCategory), 0);
}

// The same item numbers in the other list, or in the list loaded again,
// are other entries: the round does not come full circle there.
TEST_F(FindTest, ARoundStartedInAnotherListStartsAfresh) {
    for (CUrlListFile* next : {&other, &list}) {
        round = CFindState();
        EXPECT_EQ(list.FindNext("abc", round).result, 0);
        Load(*next, kFindable);
        for (int step = 0; step < 3; ++step) EXPECT_EQ(next->FindNext("abc", round).result, 0);
        EXPECT_EQ(next->FindNext("abc", round).result, 1);
    }
}

// Shift-JIS-like: 0x81-0x9F and 0xE0-0xFC lead a two-byte character whose
// second byte may look like an ASCII letter.
class DoubleBytePage final : public platform::CodePage {
public:
    unsigned Number() const override { return 932; }
    std::string CharsetName() const override { return "shift_jis"; }
    bool IsLeadByte(unsigned char b) const override { return (b >= 0x81 && b <= 0x9F) || b >= 0xE0; }
    std::string Lower(std::string_view text) const override {
        std::string out(text);
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (IsLeadByte(static_cast<unsigned char>(out[i])))
                ++i;
            else if (out[i] >= 'A' && out[i] <= 'Z')
                out[i] = static_cast<char>(out[i] + 32);
        }
        return out;
    }
    int CompareNoCase(std::string_view a, std::string_view b) const override {
        return Lower(a).compare(Lower(b));
    }
    std::string ToUtf8(std::string_view ansi) const override { return std::string(ansi); }
    std::string FromUtf8(std::string_view utf8) const override { return std::string(utf8); }
};

TEST(FindDoubleByte, SecondBytesOfCharactersAreNeverMatched) {
    testing_support::ScratchFolder folder;
    DoubleBytePage page;
    ListEnvironment env;
    env.codePage = &page;
    CUrlListFile list(env);
    testing_support::WriteBytes(folder.Path("dbcs.txt"),
                                "<1>C\n<2>S\nhttp://k\t\x83\x41 one\nhttp://l\tTwo \x83\x41\n");
    ASSERT_EQ(list.Load(folder.Path("dbcs.txt")), 0);
    CFindState round;
    EXPECT_EQ(list.FindNext("a", round).result, 3) << "0x41 after a lead byte is no letter A";
    EXPECT_EQ(list.FindNext("\x83\x41", round).result, 0);
    EXPECT_EQ(list.DisplayName(list.SelectedItem(kTitle)), "\x83\x41 one");
    EXPECT_EQ(list.FindNext("two \x83\x41", round).result, 0);
    EXPECT_EQ(list.FindNext("\x41 O", round).result, 3) << "a match must start at a character";
}

}  // namespace
