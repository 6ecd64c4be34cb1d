// The List and Browser menus of the main window: the configured lists and
// browsers as items with their marks and shortcuts, the caption, the
// browser chosen for one command, and opening or creating a list file.
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "resource.h"
#include "scripted_pickers.h"
#include "win/window_text.h"

namespace {

constexpr int kListPopup = 0;
constexpr int kBrowserPopup = 2;
constexpr int kBlankWindowPopup = 1;
constexpr int kSetDefaultPopup = 2;

std::string TextAt(HMENU menu, int position) {
    char text[128] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

bool CheckedAt(HMENU menu, int position) {
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

// The positions holding a mark; -1 when none does.
int CheckedPosition(HMENU menu) {
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position)
        if (CheckedAt(menu, position)) return position;
    return -1;
}

// Holds Ctrl down in this thread's keyboard state, as an accelerator sees it.
class CtrlHeld {
public:
    CtrlHeld() {
        ::GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CtrlHeld() { ::SetKeyboardState(saved_); }

private:
    BYTE saved_[256] = {};
};

class ListMenusTest : public MainWindowFixture {
protected:
    // `count` lists, all kept in the sample file, named "List 1" ... .
    void ConfigureLists(int count, int current) {
        ListTable& lists = host_.Settings().Lists;
        lists.entries.clear();
        for (int i = 1; i <= count; ++i) lists.entries.push_back({"List " + std::to_string(i), host_.ListPath()});
        lists.CurrentList = current;
    }
    void ConfigureBrowsers(int current) {
        host_.Settings().Browsers.entries = {{"Explorer", "C:\\ie.exe", "iexplore"},
                                             {"Opera", "C:\\opera.exe", "opera"}};
        host_.Settings().Browsers.CurrentBrowser = current;
    }
    static HMENU Popup(const CMainDlg& window, int position) {
        return ::GetSubMenu(::GetMenu(window.Handle()), position);
    }
    static HMENU BrowserPopup(const CMainDlg& window, int position) {
        return ::GetSubMenu(Popup(window, kBrowserPopup), position);
    }
};

TEST_F(ListMenusTest, TwelveListsTopTheListMenuWithShortcutsForTheFirstTen) {
    ConfigureLists(12, 2);
    for (int mode : {kViewRegular, kViewCompact}) {
        auto window = Open(mode);
        ASSERT_TRUE(window);
        const HMENU lists = Popup(*window, kListPopup);
        const char* const expected[] = {"List 1\tCtrl+1", "List 2\tCtrl+2", "List 3\tCtrl+3", "List 4\tCtrl+4",
                                        "List 5\tCtrl+5", "List 6\tCtrl+6", "List 7\tCtrl+7", "List 8\tCtrl+8",
                                        "List 9\tCtrl+9", "List 10\tCtrl+0", "List 11", "List 12"};
        for (int position = 0; position < 12; ++position) {
            EXPECT_EQ(TextAt(lists, position), expected[position]) << position;
            EXPECT_EQ(::GetMenuItemID(lists, position), static_cast<UINT>(ID_FIRST_LIST + position));
        }
        EXPECT_EQ(::GetMenuItemID(lists, 13), static_cast<UINT>(ID_OPEN_LIST));  // after the separator
        EXPECT_EQ(CheckedPosition(lists), 2);
        EXPECT_EQ(win::WindowText(window->Handle()), "List 3 - Vellinor") << mode;
    }
}

TEST_F(ListMenusTest, CtrlDigitsAndCtrlTabSwitchListsAndTheMenuFollows) {
    ConfigureLists(12, 0);
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    CtrlHeld ctrl;
    MSG zero = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, '0', 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(zero));
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 9);
    EXPECT_EQ(CheckedPosition(Popup(*window, kListPopup)), 9);
    EXPECT_EQ(win::WindowText(window->Handle()), "List 10 - Vellinor");
    MSG tab = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(tab));
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 0);
    Command(*window, ID_FIRST_LIST + 12);  // past the table: nothing
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 0);
}

TEST_F(ListMenusTest, ACurrentListBeyondTheTableBecomesTheFirst) {
    ConfigureLists(3, 5);
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 0);
    EXPECT_EQ(CheckedPosition(Popup(*window, kListPopup)), 0);
    EXPECT_EQ(win::WindowText(window->Handle()), "List 1 - Vellinor");
}

TEST_F(ListMenusTest, WithoutBrowsersTheBrowserPopupsAreEmpty) {
    host_.Settings().Browsers.entries.clear();
    host_.Settings().Browsers.CurrentBrowser = -1;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    EXPECT_EQ(::GetMenuItemCount(BrowserPopup(*window, kBlankWindowPopup)), 0);
    EXPECT_EQ(::GetMenuItemCount(BrowserPopup(*window, kSetDefaultPopup)), 0);
    Command(*window, ID_FIRST_SET_DEFAULT_BROWSER);
    EXPECT_EQ(host_.Settings().Browsers.CurrentBrowser, -1);
    Command(*window, ID_BLANK_WINDOW);  // Ctrl+B: no browser, about:blank all the same
    ASSERT_EQ(host_.browser.opened.size(), 1u);
    EXPECT_EQ(host_.browser.opened[0].target, "about:blank");
}

TEST_F(ListMenusTest, TheBrowsersAreItemsAndSetDefaultMovesTheMark) {
    ConfigureBrowsers(0);
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    const HMENU blank = BrowserPopup(*window, kBlankWindowPopup);
    const HMENU setDefault = BrowserPopup(*window, kSetDefaultPopup);
    ASSERT_EQ(::GetMenuItemCount(setDefault), 2);
    EXPECT_EQ(TextAt(blank, 1), "Opera");
    EXPECT_EQ(::GetMenuItemID(blank, 1), static_cast<UINT>(ID_FIRST_BLANK_WINDOW + 1));
    EXPECT_EQ(CheckedPosition(blank), -1);
    EXPECT_EQ(CheckedPosition(setDefault), 0);
    Command(*window, ID_FIRST_SET_DEFAULT_BROWSER + 1);
    EXPECT_EQ(host_.Settings().Browsers.CurrentBrowser, 1);
    EXPECT_EQ(CheckedPosition(setDefault), 1);
    EXPECT_NE(win::WindowText(Item(*window, IDC_STATUS_LINE)).find("Opera"), std::string::npos);
    Command(*window, ID_FIRST_SET_DEFAULT_BROWSER + 2);  // no such browser
    EXPECT_EQ(host_.Settings().Browsers.CurrentBrowser, 1);
}

TEST_F(ListMenusTest, OpenWithAndBlankWindowUseTheirBrowserForThatCommandOnly) {
    ConfigureBrowsers(0);
    host_.startCategory = 0;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    struct Case {
        int command;
        int browser;
        const char* target;
    };
    const Case cases[] = {{ID_FIRST_OPEN_WITH + 1, 1, "http://example.com/a"},
                          {ID_FIRST_BLANK_WINDOW + 1, 1, ""},  // Opera wants no URL
                          {ID_FIRST_BLANK_WINDOW, 0, "about:blank"}};
    for (const Case& c : cases) {
        host_.browser.opened.clear();
        host_.browsersSet.clear();
        Command(*window, c.command);
        ASSERT_EQ(host_.browser.opened.size(), 1u) << c.command;
        EXPECT_EQ(host_.browser.opened[0].target, c.target);
        EXPECT_EQ(host_.browsersSet, (std::vector<int>{c.browser, 0})) << c.command;
    }
}

TEST_F(ListMenusTest, OpenNewFindsAConfiguredListOrAddsTheChosenFile) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    CScriptedPickers pickers;
    const std::string created = host_.ListPath() + " new.txt";
    pickers.AnswerFile(std::nullopt);
    pickers.AnswerFile(PickerAnswer{created, {}, {}});
    pickers.AnswerFile(PickerAnswer{host_.ListPath(), {}, {}});
    Command(*window, ID_OPEN_LIST);  // cancelled
    ASSERT_EQ(pickers.requests.size(), 1u);
    EXPECT_EQ(pickers.requests[0].title, "Select or create URL list");
    EXPECT_EQ(pickers.requests[0].filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(host_.Settings().Lists.Count(), 1);

    Command(*window, ID_OPEN_LIST);
    ASSERT_EQ(host_.Settings().Lists.Count(), 2);
    EXPECT_EQ(host_.Settings().Lists.Entry(1).path, created);
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 1);
    EXPECT_EQ(host_.settingsSaves, 1);
    const std::string name = host_.Settings().Lists.Entry(1).name;
    EXPECT_EQ(name.find(".txt"), std::string::npos);
    EXPECT_EQ(win::WindowText(window->Handle()), name + " - Vellinor");
    EXPECT_EQ(TextAt(Popup(*window, kListPopup), 1), name + "\tCtrl+2");

    Command(*window, ID_OPEN_LIST);
    EXPECT_EQ(host_.Settings().Lists.Count(), 2);
    EXPECT_EQ(host_.Settings().Lists.CurrentList, 0);
    ::DeleteFileA(created.c_str());
}

}  // namespace
