// Switching lists in the running application through the main window's
// commands: a list left with marks stays in memory and comes back as it
// was; a list whose file is gone leaves the list shown usable.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "win/window_text.h"

namespace {

const char kListA[] = "<1>Alpha\n<2>One\nhttp://a/1\tA1\n<1>Beta\n<2>Two\nhttp://a/2\tA2\n";
const char kListB[] = "<1>Gamma\n<2>Three\nhttp://b/3\tB3\n";

class AppSwitchListTest : public AppFixture {
protected:
    ~AppSwitchListTest() override { EndApp(); }  // before the tabs the application records go

    // Lists "A" and "B" ("B" without a file unless `withB`), A current, in Organize mode.
    bool Start(bool withB) { return StartWith(withB, true); }
    // The same, writing A's file only when `writeA` (else the test has), in `viewMode`.
    bool StartWith(bool withB, bool writeA, int viewMode = kViewOrganize) {
        pathA = writeA ? WriteList("A", kListA) : Path("A.txt");
        pathB = withB ? WriteList("B", kListB) : Path("B.txt");
        if (!StoreSettings({{"A", pathA}, {"B", pathB}}, 0, [&](CAppSettings& s) { s.ViewMode = viewMode; }))
            return false;
        AppEnvironment environment = Environment();
        environment.runPreferences = [this](IPrefsHost&, HWND, int tab) {
            preferencesTabs.push_back(tab);
            return INT_PTR{IDCANCEL};
        };
        return StartApp(std::move(environment)) && app->MainWindow();
    }
    void Command(int id) { ::SendMessageA(Main(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // Every entry of the titles column as the current list's view has it.
    void ExpectTitlesShowTheList() const {
        const CUrlListFile& list = app->CurrentList();
        const HWND titles = ::GetDlgItem(Main(), IDC_TITLE_LIST);
        const int count = list.Last(kTitle) + 1;
        ASSERT_EQ(::SendMessageA(titles, LB_GETCOUNT, 0, 0), count);
        char text[256];
        for (int position = 0; position < count; ++position) {
            ::SendMessageA(titles, LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
            ASSERT_EQ(text, list.DisplayName(list.ItemAt(kTitle, position))) << position;
            ASSERT_EQ(::SendMessageA(titles, LB_GETITEMDATA, static_cast<WPARAM>(position), 0),
                      list.DisplayAttributes(kTitle, position, app->Settings().RecentPeriod))
                << position;
        }
    }
    int Categories() const {
        return static_cast<int>(::SendDlgItemMessageA(Main(), IDC_CATEGORY_LIST, LB_GETCOUNT, 0, 0));
    }

    std::string pathA;
    std::string pathB;
    std::vector<int> preferencesTabs;  // the Preferences asked for, by tab
};

TEST_F(AppSwitchListTest, AListLeftWithMarksComesBackAsItWasWithCtrlTab) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Start(true));
    CUrlListFile* listA = &app->CurrentList();
    ASSERT_EQ(listA->MarkSelected(kCategory), kCategory);

    Command(ID_FIRST_LIST + 1);
    EXPECT_EQ(app->Settings().Lists.CurrentList, 1);
    EXPECT_TRUE(app->CurrentList().IsSameFile(pathB));
    EXPECT_EQ(app->OtherList(), listA);
    EXPECT_EQ(listA->MarkCount(), 1);
    EXPECT_EQ(Categories(), 1);
    EXPECT_EQ(win::WindowText(Main()), "B - Vellinor");
    EXPECT_NE(win::WindowText(::GetDlgItem(Main(), IDC_STATUS_LINE)).find("Current list: B"), std::string::npos);

    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    EXPECT_EQ(app->Settings().Lists.CurrentList, 0);
    EXPECT_EQ(&app->CurrentList(), listA);
    EXPECT_EQ(listA->MarkCount(), 1);  // not read again
    EXPECT_TRUE(app->OtherList() && app->OtherList()->IsSameFile(pathB));
    EXPECT_EQ(Categories(), 2);
    EXPECT_EQ(win::WindowText(Main()), "A - Vellinor");
    EXPECT_TRUE(boxes.Shown().empty());
}

// A long column is put aside at a switch and shown again at the switch
// back, with what changed in the list meanwhile.
void WriteLongList(const std::string& path) {
    std::string many = "<1>Many\n<2>Titles\n";
    for (int i = 0; i < 2500; ++i) many += "http://a/" + std::to_string(i) + "\tA" + std::to_string(i) + "\n";
    std::ofstream(path, std::ios::binary) << many;
}

TEST_F(AppSwitchListTest, AColumnPutAsideComesBackAsTheListIsNow) {
    WriteLongList(folder.Path() + "A.txt");
    CRecordingMessageBoxes boxes({IDYES});  // saves A, changed while B was shown
    ASSERT_TRUE(StartWith(true, false));
    app->MainWindow()->MarkEntries(kTitle, 0, 2499, 1);
    const HWND titlesOfA = ::GetDlgItem(Main(), IDC_TITLE_LIST);

    Command(ID_FIRST_LIST + 1);
    EXPECT_NE(::GetDlgItem(Main(), IDC_TITLE_LIST), titlesOfA) << "A's titles put aside";
    ExpectTitlesShowTheList();
    app->MainWindow()->MarkEntries(kTitle, 0, 0, 1);  // discards the marks of A
    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    EXPECT_EQ(::GetDlgItem(Main(), IDC_TITLE_LIST), titlesOfA) << "shown again, not filled";
    EXPECT_EQ(app->CurrentList().MarkCount(), 0);
    ExpectTitlesShowTheList();

    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    app->OtherList()->EditItem(kTitle, 7, "Renamed", "http://a/renamed");
    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    EXPECT_EQ(app->Settings().Lists.CurrentList, 0);
    ExpectTitlesShowTheList();
}

// Compact mode's one column of titles is kept aside the same way.
TEST_F(AppSwitchListTest, CompactModeKeepsItsTitlesAsideToo) {
    WriteLongList(folder.Path() + "A.txt");
    CRecordingMessageBoxes boxes({IDYES});
    ASSERT_TRUE(StartWith(true, false, kViewCompact));
    // Marked, A stays in memory at the switch; Compact mode marks nothing
    // itself, so the column is shown again with the marks.
    app->CurrentList().MarkRange(kTitle, 0, -1, 1);
    app->MainWindow()->ShowSelection(kSubcategory, false, false);
    const HWND titlesOfA = ::GetDlgItem(Main(), IDC_TITLE_LIST);
    Command(ID_FIRST_LIST + 1);
    EXPECT_NE(::GetDlgItem(Main(), IDC_TITLE_LIST), titlesOfA) << "A's titles put aside";
    ExpectTitlesShowTheList();
    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    EXPECT_EQ(::GetDlgItem(Main(), IDC_TITLE_LIST), titlesOfA) << "shown again, not filled";
    ExpectTitlesShowTheList();
    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    app->OtherList()->EditItem(kTitle, 7, "Renamed", "http://a/renamed");
    Command(ID_SWITCH_TO_PREVIOUS_LIST);
    ExpectTitlesShowTheList();
}

TEST_F(AppSwitchListTest, AListWhoseFileIsGoneLeavesTheListShownUsable) {
    ASSERT_TRUE(Start(false));
    {
        CRecordingMessageBoxes boxes({IDNO});
        Command(ID_FIRST_LIST + 1);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "Create New List?");
    }
    EXPECT_EQ(preferencesTabs, std::vector<int>{kUrlListsTab}) << "the URL Lists page is offered";
    EXPECT_EQ(app->Settings().Lists.CurrentList, 0);
    EXPECT_TRUE(app->CurrentList().IsSameFile(pathA));
    EXPECT_EQ(win::WindowText(Main()), "A - Vellinor");
    EXPECT_EQ(Categories(), 2);
    ::SendDlgItemMessageA(Main(), IDC_CATEGORY_LIST, LB_SETCURSEL, 1, 0);
    ::SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_LIST, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(Main(), IDC_CATEGORY_LIST)));
    EXPECT_EQ(app->CurrentList().Selection(kCategory), 1);
    Command(ID_SWITCH_TO_PREVIOUS_LIST);  // nothing was left: stays
    EXPECT_EQ(app->Settings().Lists.CurrentList, 0);
}

}  // namespace
