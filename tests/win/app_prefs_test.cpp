// The Preferences applied to the running application: hot keys registered
// again, colours and pictures made again and the main window repainted, the
// list and browser tables taking effect, and the settings written by Done.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>

#include "app_fixture.h"
#include "dialogs/prefs_sheet.h"
#include "prefs_test_support.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "scripted_pickers.h"
#include "window_picture.h"

namespace {

using namespace prefs_steps;
using Driver = CDialogDriver;

class AppPrefsTest : public AppFixture {
protected:
    // Starts the application with lists A and B (B open) and two browsers.
    void Start() {
        for (const char* name : {"A", "B"}) {
            lists.push_back(WriteList(name, "<1>" + std::string(name) + "\r\n"));
            std::ofstream(Path(std::string(name) + ".exe")) << "MZ";
        }
        ASSERT_TRUE(StoreSettings({{"A", lists[0]}, {"B", lists[1]}}, 1, [this](CAppSettings& s) {
            s.Browsers.entries = {{"X", Path("A.exe"), "x"}, {"Y", Path("B.exe"), "y"}};
            s.Browsers.CurrentBrowser = 1;
        }));
        ASSERT_TRUE(StartApp(Environment()));
    }
    INT_PTR Run(int tab, std::vector<Driver::Step> script) {
        Driver driver(std::move(script));
        return app->RunPreferences(driver.Owner(), tab);
    }
    CAppSettings& Settings() { return app->Settings(); }

    std::vector<std::string> lists;
};

bool IsTakenHotKey(UINT key) {
    if (!::RegisterHotKey(nullptr, 9, 0, key)) return true;
    ::UnregisterHotKey(nullptr, 9);
    return false;
}

TEST_F(AppPrefsTest, ChangedHotKeysAreRegisteredAndOneTakenElsewhereKeepsTheOld) {
    Start();
    ASSERT_TRUE(::RegisterHotKey(nullptr, 8, 0, VK_F10));  // another program's
    CRecordingMessageBoxes boxes({IDOK});
    Run(kBehaviorTab, {KeyInPage(IDC_APP_HOT_KEY, VK_F9), Driver::Click(IDC_APPLY),
                       Check([this](HWND) {
                           EXPECT_EQ(Settings().AppHotKey, VK_F9);
                           EXPECT_TRUE(IsTakenHotKey(VK_F9));
                       }),
                       KeyInPage(IDC_FETCH_HOT_KEY, VK_F10), Driver::Click(IDC_APPLY), Driver::Click(IDCANCEL)});
    ::UnregisterHotKey(nullptr, 8);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Hot Key Not Available");
    EXPECT_EQ(Settings().AppHotKey, VK_F9);
    EXPECT_EQ(Settings().FetchHotKey, 0);
    EXPECT_TRUE(IsTakenHotKey(VK_F9));  // still the application's
}

TEST_F(AppPrefsTest, ChosenColoursRepaintTheMainWindowAndDoneWritesThem) {
    Start();
    CScriptedPickers pickers;
    pickers.AnswerColor(RGB(0, 128, 0));
    EXPECT_EQ(Run(kPresentationTab, {ClickPage(IDC_COLOR_BACKGROUND), Driver::Click(IDOK)}), IDOK);
    LOGBRUSH brush{};
    ASSERT_TRUE(::GetObjectA(app->BackgroundBrush(), sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, RGB(0, 128, 0));
    const HWND main = app->MainWindow()->Handle();
    ::UpdateWindow(main);
    const HDC dc = ::GetDC(main);
    EXPECT_EQ(::GetPixel(dc, 1, 6), RGB(0, 128, 0));
    ::ReleaseDC(main, dc);
    if (CanTakePictures()) SaveWindowPicture(main, "prefs-applied-colors");
    CAppSettings stored = StoredSettings();
    EXPECT_TRUE(stored.Options.CustomColors);
    EXPECT_EQ(stored.Colors[kColorBackground], RGB(0, 128, 0));
}

// Removing the open list opens the highlighted one; removing the current
// browser makes the highlighted one current: no index is left past a table.
TEST_F(AppPrefsTest, RemovingTheOpenListAndTheCurrentBrowserLeavesValidIndices) {
    Start();
    CRecordingMessageBoxes boxes;
    Run(kUrlListsTab, {ClickPage(IDC_REMOVE_ENTRY), Driver::Click(IDC_APPLY), ClickTab(kBrowsersTab),
                       ClickPage(IDC_REMOVE_ENTRY), Driver::Click(IDC_APPLY), Driver::Click(IDCANCEL)});
    EXPECT_EQ(Settings().Browsers.Count(), 1);
    EXPECT_EQ(Settings().Browsers.CurrentBrowser, 0);
    EXPECT_EQ(Settings().Lists.Count(), 1);
    EXPECT_EQ(Settings().Lists.CurrentList, 0);
    EXPECT_TRUE(app->CurrentList().IsSameFile(lists[0]));
}

TEST_F(AppPrefsTest, ANewListInAFolderThatCannotBeWrittenIsNotAdded) {
    Start();
    CScriptedPickers pickers;
    pickers.AnswerFile(PickerAnswer{folder.Path() + "no such folder\\New.txt", "", ""});
    CRecordingMessageBoxes boxes({IDOK});
    Run(kUrlListsTab, {ClickPage(IDC_ADD_ENTRY), Check([](HWND sheet) {
                           EXPECT_EQ(PageLines(sheet), (std::vector<std::string>{"A", "B"}));
                       }),
                       Driver::Click(IDCANCEL)});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "File Error");
}

}  // namespace
