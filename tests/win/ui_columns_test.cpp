// Working in the three columns: selections that follow each other, names
// typed in place, new entries, the status line and its help, the
// last-visited text, and opening through the browser side.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "message_pump.h"
#include "model/title_text.h"
#include "recording_message_boxes.h"
#include "win/handles.h"

namespace {

class ColumnsTest : public MainWindowFixture {
protected:
    // An item data the window never sets: an entry that keeps it was not refilled.
    static constexpr LPARAM kUntouched = 0x7777;

    std::unique_ptr<CMainDlg> OpenAt(int mode, int category, int title) {
        auto window = Open(mode);
        if (!window) return window;
        Choose(*window, IDC_CATEGORY_LIST, category);
        if (title > 0) Choose(*window, IDC_TITLE_LIST, title);
        return window;
    }
    static void MarkUntouched(const CMainDlg& window, int id, int index) {
        ::SendMessageA(Item(window, id), LB_SETITEMDATA, static_cast<WPARAM>(index), kUntouched);
    }
    static bool Untouched(const CMainDlg& window, int id, int index) {
        return ::SendMessageA(Item(window, id), LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == kUntouched;
    }
    std::string_view SelectedText(int level) {
        CUrlListFile& list = host_.CurrentList();
        return list.ItemText(list.SelectedItem(level));
    }
    static std::string ToolTipOf(const CMainDlg& window, int control) {
        HWND tips = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND candidate, LPARAM found) -> BOOL {
                char name[64] = {};
                ::GetClassNameA(candidate, name, sizeof name);
                if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0) return TRUE;
                *reinterpret_cast<HWND*>(found) = candidate;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&tips));
        char text[256] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = window.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(window, control));
        tool.lpszText = text;
        ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
};

// --- selection ----------------------------------------------------------------------------

TEST_F(ColumnsTest, ChoosingTheSelectedEntryAgainRefillsNothing) {
    auto window = OpenAt(kViewRegular, 1, 0);
    ASSERT_TRUE(window);
    MarkUntouched(*window, IDC_SUBCATEGORY_LIST, 0);
    MarkUntouched(*window, IDC_TITLE_LIST, 2);
    Choose(*window, IDC_CATEGORY_LIST, 1);
    EXPECT_TRUE(Untouched(*window, IDC_SUBCATEGORY_LIST, 0));
    Choose(*window, IDC_TITLE_LIST, 1);
    EXPECT_TRUE(Untouched(*window, IDC_TITLE_LIST, 2));
    EXPECT_EQ(Text(*window, IDC_URL), "http://example.com/e");
}

TEST_F(ColumnsTest, WhileANewEntryIsTypedChoosingACategoryStopsThere) {
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    Command(*window, IDC_NEW_TITLE);
    Choose(*window, IDC_CATEGORY_LIST, 1);
    EXPECT_EQ(Selection(*window, IDC_SUBCATEGORY_LIST), -1);
    EXPECT_EQ(Count(*window, IDC_TITLE_LIST), 0);
}

// --- typing in place ------------------------------------------------------------------------

TEST_F(ColumnsTest, TypingRenamesTheSelectedTitleAtOnceWithoutRefillingAColumn) {
    auto window = OpenAt(kViewOrganize, 0, 1);
    ASSERT_TRUE(window);
    MarkUntouched(*window, IDC_TITLE_LIST, 0);
    MarkUntouched(*window, IDC_SUBCATEGORY_LIST, 1);
    Type(*window, IDC_TITLE_NAME, "Bravo Two");
    EXPECT_EQ(Entry(*window, IDC_TITLE_LIST, 1), "Bravo Two");
    EXPECT_EQ(Selection(*window, IDC_TITLE_LIST), 1);
    EXPECT_EQ(TitleName(SelectedText(kTitle)), "Bravo Two");
    EXPECT_TRUE(Untouched(*window, IDC_TITLE_LIST, 0));
    EXPECT_TRUE(Untouched(*window, IDC_SUBCATEGORY_LIST, 1));

    Type(*window, IDC_TITLE_NAME, "");
    EXPECT_EQ(TitleName(SelectedText(kTitle)), "(New title)");
    EXPECT_EQ(Entry(*window, IDC_TITLE_LIST, 1), "(New title)");
    Type(*window, IDC_URL, "");
    EXPECT_EQ(TitleUrl(SelectedText(kTitle)), "(New URL)");
    EXPECT_EQ(Text(*window, IDC_URL), "(New URL)");
}

TEST_F(ColumnsTest, PastedTabsAndLineBreaksBecomeSpacesInFieldAndList) {
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    for (int field : {IDC_CATEGORY_NAME, IDC_TITLE_NAME, IDC_URL}) {
        Type(*window, field, "one\ttwo\r\nthree");
        const std::string shown = Text(*window, field);
        EXPECT_EQ(shown.find_first_of("\t\r\n"), std::string::npos) << field;
        const int level = field == IDC_URL ? kTitle : field - IDC_CATEGORY_NAME;
        const std::string stored(SelectedText(level));
        EXPECT_EQ(level == kTitle ? std::string(field == IDC_URL ? TitleUrl(stored) : TitleName(stored)) : stored,
                  shown)
            << field;
    }
}

TEST_F(ColumnsTest, NamesOfTenThousandCharactersAreKeptWhole) {
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    const std::string name(10000, 'n');
    const std::string url = "http://example.com/" + std::string(10000, 'u');
    Type(*window, IDC_SUBCATEGORY_NAME, name);
    Type(*window, IDC_URL, url);
    EXPECT_EQ(SelectedText(kSubcategory), name);
    EXPECT_EQ(Entry(*window, IDC_SUBCATEGORY_LIST, 0), name);
    EXPECT_EQ(TitleUrl(SelectedText(kTitle)), url);
}

TEST_F(ColumnsTest, TextThatWouldReadBackAsAnotherLineIsRefused) {
    const struct {
        int field;
        const char* text;
    } cases[] = {
        {IDC_CATEGORY_NAME, "---News"},
        {IDC_SUBCATEGORY_NAME, "  -----"},
        {IDC_URL, "alias:1"},
        {IDC_URL, "<1>http://example.com/"},
        {IDC_URL, "---"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CRecordingMessageBoxes boxes({IDOK});
        auto window = OpenAt(kViewOrganize, 0, 0);
        ASSERT_TRUE(window);
        Type(*window, c.field, c.text);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "Text Not Allowed");
        EXPECT_NE(boxes.Shown()[0].text.find("read it back as"), std::string::npos);
        EXPECT_FALSE(host_.CurrentList().IsModified());
        EXPECT_EQ(Entry(*window, IDC_CATEGORY_LIST, 0), "News");
        EXPECT_EQ(TitleUrl(SelectedText(kTitle)), "http://example.com/a");
        // The field shows what is stored again.
        EXPECT_EQ(Text(*window, c.field), c.field == IDC_URL ? "http://example.com/a"
                                          : c.field == IDC_CATEGORY_NAME ? "News" : "Daily");
    }
}

TEST_F(ColumnsTest, ANewTitleWithARefusedUrlIsNotAdded) {
    CRecordingMessageBoxes boxes({IDOK});
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    Command(*window, IDC_NEW_TITLE);
    Type(*window, IDC_TITLE_NAME, "Sneaky");
    Type(*window, IDC_URL, "<2>Sub");
    Command(*window, IDC_NEW_TITLE);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(Count(*window, IDC_TITLE_LIST), 2);
    EXPECT_EQ(host_.CurrentList().TitleCount(), 6);
}

TEST_F(ColumnsTest, AReadOnlyListCannotBeEdited) {
    win::UniqueFile writer(::CreateFileA(host_.ListPath().c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    const std::string before = FileText();
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    ASSERT_TRUE(host_.CurrentList().IsReadOnly());
    Command(*window, IDC_NEW_CATEGORY);
    Type(*window, IDC_TITLE_NAME, "Changed");
    Type(*window, IDC_URL, "http://changed/");
    Command(*window, IDC_NEW_TITLE);
    EXPECT_FALSE(host_.CurrentList().IsModified());
    EXPECT_EQ(TitleName(SelectedText(kTitle)), "Alpha");
    EXPECT_TRUE(window->QueryClose());
    writer.Reset();
    EXPECT_EQ(FileText(), before);
}

// --- new entries ------------------------------------------------------------------------------

TEST_F(ColumnsTest, ANewSubcategoryIsAddedByItsNewButton) {
    auto window = OpenAt(kViewOrganize, 1, 0);
    ASSERT_TRUE(window);
    Command(*window, IDC_NEW_SUBCATEGORY);
    EXPECT_EQ(::GetFocus(), Item(*window, IDC_SUBCATEGORY_NAME));
    EXPECT_EQ(Selection(*window, IDC_SUBCATEGORY_LIST), -1);
    EXPECT_FALSE(::IsWindowEnabled(Item(*window, IDC_NEW_SUBCATEGORY)));  // nothing typed yet
    Type(*window, IDC_SUBCATEGORY_NAME, "Atlases");
    EXPECT_TRUE(::IsWindowEnabled(Item(*window, IDC_NEW_SUBCATEGORY)));
    Command(*window, IDC_NEW_SUBCATEGORY);
    ASSERT_EQ(Count(*window, IDC_SUBCATEGORY_LIST), 2);
    EXPECT_EQ(Entry(*window, IDC_SUBCATEGORY_LIST, 0), "Atlases");  // its alphabetical place
    EXPECT_EQ(Selection(*window, IDC_SUBCATEGORY_LIST), 0);
    EXPECT_EQ(host_.CurrentList().DisplayName(host_.CurrentList().SelectedItem(kSubcategory)), "Atlases");
}

TEST_F(ColumnsTest, AFetchedTitleWithoutCategoryLandsUnderUncategorized) {
    host_.browser.fetchable = {"http://fetched.example/", "Fetched Page"};
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    Command(*window, IDC_FETCH);
    EXPECT_EQ(Text(*window, IDC_CATEGORY_NAME), "Uncategorized");
    EXPECT_EQ(Text(*window, IDC_SUBCATEGORY_NAME), "Uncategorized");
    EXPECT_EQ(Text(*window, IDC_TITLE_NAME), "Fetched Page");
    EXPECT_EQ(Text(*window, IDC_URL), "http://fetched.example/");

    host_.clock.now += 100;
    Command(*window, IDC_NEW_TITLE);
    CUrlListFile& list = host_.CurrentList();
    EXPECT_EQ(list.DisplayName(list.SelectedItem(kCategory)), "Uncategorized");
    EXPECT_EQ(list.DisplayName(list.SelectedItem(kSubcategory)), "Uncategorized");
    EXPECT_EQ(TitleName(SelectedText(kTitle)), "Fetched Page");
    EXPECT_EQ(LastVisited(SelectedText(kTitle)), host_.clock.now);
    EXPECT_EQ(Entry(*window, IDC_CATEGORY_LIST, Selection(*window, IDC_CATEGORY_LIST)), "Uncategorized");
    EXPECT_EQ(Entry(*window, IDC_TITLE_LIST, 0), "Fetched Page");
    EXPECT_EQ(Text(*window, IDC_LAST_VISITED), "moments ago");
}

TEST_F(ColumnsTest, ANewTitleInCompactModeIsStartedInOrganizeMode) {
    auto compact = Open(kViewCompact);
    ASSERT_TRUE(compact);
    Command(*compact, IDC_NEW_TITLE);
    EXPECT_EQ(host_.Settings().RunState, kRunNewTitle);
    EXPECT_TRUE(PumpUntil([&] { return host_.Hidden().Saw(WM_COMMAND, ID_ORGANIZE_MODE); }, compact.get(), 2000));
    compact.reset();
    host_.startCategory = 0;
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    EXPECT_EQ(host_.Settings().RunState, kRunNormal);
    EXPECT_EQ(::GetFocus(), Item(*window, IDC_TITLE_NAME));
    EXPECT_EQ(Selection(*window, IDC_TITLE_LIST), -1);
    EXPECT_EQ(Text(*window, IDC_SUBCATEGORY_NAME), "Daily");
}

// --- status line and help ----------------------------------------------------------------------

TEST_F(ColumnsTest, TheStatusLineNamesMarksInOrganizeModeAndTheBrowserOtherwise) {
    host_.Settings().Browsers.entries.push_back({"Firefox", "firefox.exe", "firefox"});
    host_.Settings().Browsers.CurrentBrowser = 0;
    auto window = OpenAt(kViewRegular, 1, 0);
    ASSERT_TRUE(window);
    EXPECT_EQ(Text(*window, IDC_STATUS_LINE), "Current list: Sample (6 URLs)  -  Current browser: Firefox");
    Command(*window, ID_ORGANIZE_MODE);
    host_.CurrentList().MarkRange(kTitle, 0, 1, 1);
    window->UpdateControls();
    EXPECT_EQ(Text(*window, IDC_STATUS_LINE), "Current list: Sample (6 URLs)  -  Marked: 2 titles");
}

TEST_F(ColumnsTest, HelpOverTheMoveButtonNamesTheListThatHoldsTheMarks) {
    auto window = OpenAt(kViewOrganize, 0, 0);
    ASSERT_TRUE(window);
    const auto restOn = [&](int id) {
        ::SendMessageA(window->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Item(*window, id)),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return Text(*window, IDC_STATUS_LINE);
    };
    EXPECT_EQ(restOn(IDC_MOVE), "Insert marked items under highlighted category.");
    auto other = std::make_unique<CUrlListFile>();
    ASSERT_EQ(other->Load(host_.ListPath()), 3);  // the current list holds the file
    other->Select(kCategory, 0, SelectMode::kFirstChild);
    ASSERT_EQ(other->MarkSelected(kTitle), kTitle);
    host_.Settings().Lists.entries.push_back({"Elsewhere", host_.ListPath() + ".x", ""});
    host_.GiveOtherList(std::move(other));
    restOn(IDC_FIND);
    EXPECT_EQ(restOn(IDC_MOVE).find("Remove marked items from list '"), 0u);
    EXPECT_EQ(restOn(IDC_NEW_TITLE), "Create a new item under the selected category.");
    EXPECT_EQ(restOn(IDC_URL_LABEL).find("Current list: Sample"), 0u);  // no help: the idle text
}

// --- last visited -------------------------------------------------------------------------------

TEST_F(ColumnsTest, TheLastVisitedTextFollowsTheTitleAndItsMenu) {
    auto window = OpenAt(kViewRegular, 0, 0);
    ASSERT_TRUE(window);
    EXPECT_EQ(Text(*window, IDC_LAST_VISITED), "never");
    EXPECT_EQ(ToolTipOf(*window, IDC_LAST_VISITED), "");
    Command(*window, ID_VISITED_NOW);
    EXPECT_EQ(LastVisited(SelectedText(kTitle)), host_.clock.now);
    EXPECT_TRUE(host_.CurrentList().IsModified());
    host_.clock.now += 2 * 3600 + 30 * 60;
    ::SendMessageA(window->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Text(*window, IDC_LAST_VISITED), "2\xBD hours ago");
    EXPECT_NE(ToolTipOf(*window, IDC_LAST_VISITED), "");
    Command(*window, ID_VISITED_NEVER);
    EXPECT_EQ(Text(*window, IDC_LAST_VISITED), "never");
    EXPECT_EQ(ToolTipOf(*window, IDC_LAST_VISITED), "");
}

// --- opening through the browser side ------------------------------------------------------------

TEST_F(ColumnsTest, OpenAndOneClickGoToTheBrowserSideAndCountAsVisits) {
    auto window = OpenAt(kViewRegular, 1, 2);
    ASSERT_TRUE(window);
    Command(*window, IDC_OPEN);
    ::SendMessageA(window->Handle(), WM_COMMAND, MAKEWPARAM(IDC_TITLE_LIST, 2),
                   reinterpret_cast<LPARAM>(Item(*window, IDC_TITLE_LIST)));
    ASSERT_EQ(host_.browser.opened.size(), 2u);
    EXPECT_EQ(host_.browser.opened[0].target, "http://example.com/f");
    EXPECT_TRUE(host_.browser.opened[0].newWindow);
    EXPECT_EQ(LastVisited(SelectedText(kTitle)), host_.clock.now);
    EXPECT_EQ(Text(*window, IDC_LAST_VISITED), "moments ago");
}

TEST_F(ColumnsTest, AFailedOpeningChangesNothing) {
    host_.browser.opens = false;
    auto window = OpenAt(kViewRegular, 1, 0);
    ASSERT_TRUE(window);
    Command(*window, IDC_OPEN);
    EXPECT_EQ(host_.browser.opened.size(), 1u);
    EXPECT_FALSE(host_.CurrentList().IsModified());
}

}  // namespace
