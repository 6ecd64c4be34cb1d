// Two lists in the Organize view: titles marked in one are duplicated and
// moved into the other, a title is aliased, Ctrl+2 and Ctrl+Tab go back and
// forth (saving at the prompt), and both lists are saved at the exit prompt.
#include "e2e_journey.h"
#include "resource.h"

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

class TwoListsJourney : public Journey {
protected:
    TwoListsJourney() {
        WriteFile(Path("Reading.txt"),
                  "<1>Reading\n<2>Blogs\nhttp://a1.example/\tA one\nhttp://a2.example/\tA two\n"
                  "http://a3.example/\tA three\n");
        WriteFile(Path("Inbox.txt"), "<1>Inbox\n<2>New\nhttp://b1.example/\tB one\n<2>Later\n");
        StartProgram({"Reading", "Inbox"}, kViewOrganize);
    }

    void Mark(int title, const std::string& status) {
        ClickEntry(Box(main, kTitle), title, MK_CONTROL);
        ASSERT_TRUE(WaitUntil([&] { return ControlText(main, IDC_STATUS_LINE).find(status) != std::string::npos; }))
            << ControlText(main, IDC_STATUS_LINE);
    }
    void SelectSubcategory(int position) {
        SelectEntry(Box(main, kSubcategory), position);
        ASSERT_TRUE(WaitUntil([&] { return ListSelection(Box(main, kSubcategory)) == position; }));
    }
    // A key chord that switches lists; `saved` answers the save prompt for it.
    void SwitchTo(const std::string& category, std::initializer_list<WORD> keys, const std::string& saved = {}) {
        ASSERT_TRUE(Chord(main, keys));
        if (!saved.empty()) {
            ASSERT_TRUE(program->Answer("to URL list '" + saved + "' before continuing", IDYES));
        }
        ASSERT_TRUE(WaitUntil([&] { return ListTexts(Box(main, kCategory)) == Lines{category}; }));
    }
};

TEST_F(TwoListsJourney, MarkedTitlesGoAcrossAndBothListsAreSavedAtTheExitPrompt) {
    ASSERT_TRUE(main);
    ASSERT_NO_FATAL_FAILURE(Mark(0, "Marked: 1 title"));
    ASSERT_NO_FATAL_FAILURE(SwitchTo("Inbox", {VK_CONTROL, '2'}));
    ASSERT_NO_FATAL_FAILURE(SelectSubcategory(0));
    Command(main, ID_DUPLICATE_MARKED);
    ASSERT_TRUE(WaitUntil([&] { return ListTexts(Box(main, kTitle)).size() == 2; }));

    EXPECT_EQ(ListTexts(Box(main, kTitle)), (Lines{"A one", "B one"}));
    ASSERT_NO_FATAL_FAILURE(Mark(1, "Marked: 1 title"));  // B one, aliased into Later
    ASSERT_NO_FATAL_FAILURE(SelectSubcategory(1));
    ASSERT_TRUE(Chord(main, {VK_CONTROL, VK_SHIFT, 'V'}));
    ASSERT_TRUE(WaitUntil([&] { return ListTexts(Box(main, kTitle)) == Lines{"B one"}; }));

    ASSERT_NO_FATAL_FAILURE(SwitchTo("Reading", {VK_CONTROL, VK_TAB}, "Inbox"));
    EXPECT_EQ(ListTexts(Box(main, kTitle)), (Lines{"A one", "A two", "A three"}));
    ASSERT_NO_FATAL_FAILURE(Mark(1, "Marked: 1 title"));
    ASSERT_NO_FATAL_FAILURE(Mark(2, "Marked: 2 titles"));
    Screenshot(main, "two-lists-marked");
    ASSERT_NO_FATAL_FAILURE(SwitchTo("Inbox", {VK_CONTROL, VK_TAB}));
    ASSERT_NO_FATAL_FAILURE(SelectSubcategory(1));
    ClickPicture(main, IDC_MOVE);
    ASSERT_TRUE(program->Answer("remove the URL(s) from\nlist 'Reading'", IDYES));
    ASSERT_TRUE(WaitUntil([&] { return ListTexts(Box(main, kTitle)).size() == 3; }));
    Screenshot(main, "two-lists-moved");

    program->RequestClose();
    ASSERT_TRUE(program->Answer("to URL list 'Inbox' before exiting", IDYES));
    ASSERT_TRUE(program->Answer("to URL list 'Reading' before exiting", IDYES));
    ASSERT_TRUE(program->EndedWithCode0());

    EXPECT_EQ(Outline(Path("Reading.txt")), (Lines{"Reading", " Blogs", "  A one"}));
    EXPECT_EQ(Outline(Path("Inbox.txt")),
              (Lines{"Inbox", " New", "  A one", "  B one", " Later", "  A three", "  A two", "  =B one"}));
    EXPECT_EQ(StoredSettings().Lists.CurrentList, 1);
}

}  // namespace
}  // namespace e2e
