// The Find command in the main window: stepping through a round, and the
// notices shown in the Find field during the pause.
#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "model/title_text.h"

namespace {

class FindTest : public MainWindowFixture {
protected:
    // Presses Find with `text` in the field; returns what the field showed
    // during the pause ("" when there was none).
    std::string Find(const CMainDlg& window, const std::string& text) {
        ::SetWindowTextA(Item(window, IDC_FIND_TEXT), text.c_str());
        std::string notice;
        host_.onPause = [&] { notice = Text(window, IDC_FIND_TEXT); };
        host_.pauses.clear();
        Command(window, IDC_FIND);
        EXPECT_EQ(host_.pauses.size(), notice.empty() ? 0u : 1u);
        if (!notice.empty()) {
            EXPECT_EQ(host_.pauses[0], 750u);
        }
        EXPECT_EQ(Text(window, IDC_FIND_TEXT), text) << "the search text is back";
        if (notice.empty()) return notice;
        DWORD start = 0, end = 0;
        ::SendMessageA(Item(window, IDC_FIND_TEXT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, text.size()) << "caret at the end";
        EXPECT_EQ(end, text.size());
        return notice;
    }
    std::string Shown(const CMainDlg& window) {
        std::string shown;
        for (int level = 0; level < kLevelCount; ++level) {
            const int at = Selection(window, IDC_CATEGORY_LIST + level);
            shown += (level ? "/" : "") + (at >= 0 ? Entry(window, IDC_CATEGORY_LIST + level, at) : "-");
        }
        return shown;
    }
};

// "r" is in Bravo, Charlie, Reference, Dictionaries and Foxtrot, and in no URL.
TEST_F(FindTest, ARoundStepsThroughEveryMatchAndSaysWhenItComesBack) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 0);
    // A step among the titles leaves the other columns as they were.
    const HWND subcategories = Item(*window, IDC_SUBCATEGORY_LIST);
    ::SendMessageA(subcategories, LB_SETITEMDATA, 0, 0x7777);
    struct Step {
        const char* shown;
        const char* notice;
    };
    const Step steps[] = {
        {"News/Daily/Bravo", ""},
        {"News/Weekly/Charlie", ""},
        {"Reference/-/-", ""},
        {"Reference/Dictionaries/-", ""},
        {"Reference/Dictionaries/Foxtrot", ""},
        {"News/Daily/Bravo", "This was the first match"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Find(*window, "R"), step.notice) << step.shown;
        EXPECT_EQ(Shown(*window), step.shown);
        if (&step == &steps[0]) {
            EXPECT_EQ(::SendMessageA(subcategories, LB_GETITEMDATA, 0, 0), 0x7777);
        }
    }
}

TEST_F(FindTest, OnlyMatchAndNotFoundLeaveTheSelection) {
    for (int mode : {kViewRegular, kViewCompact}) {
        auto window = Open(mode);
        ASSERT_TRUE(window);
        EXPECT_EQ(Find(*window, "rlie"), "");
        const int charlie = host_.CurrentList().SelectedItem(kTitle);
        EXPECT_EQ(TitleName(host_.CurrentList().ItemText(charlie)), "Charlie");
        EXPECT_EQ(Find(*window, "rlie"), "This is the only match");
        EXPECT_EQ(Find(*window, "no such text"), "Sorry, text was not found");
        EXPECT_EQ(host_.CurrentList().SelectedItem(kTitle), charlie) << mode;
    }
}

}  // namespace
