// The Preferences driven as a user would: tab switches and their question,
// Apply, Done and Cancel, the URL Lists and Web Browsers pages' editing and
// checks, the Behavior and Presentation pages. The application is a
// stand-in (prefs_test_support.h); tests/win/app_prefs_test.cpp applies to
// the real one.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "dialogs/prefs_sheet.h"
#include "dialogs/table_page.h"
#include "prefs_test_support.h"
#include "recording_help_viewer.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"
#include "resource.h"
#include "scripted_pickers.h"
#include "window_picture.h"

namespace {

using namespace prefs_steps;
using Driver = CDialogDriver;

class PrefsSheetTest : public ::testing::Test {
protected:
    // Runs the sheet at `tab` with the driver acting on it.
    INT_PTR Run(int tab, std::vector<Driver::Step> script) {
        CDialogDriver driver(std::move(script));
        CPrefsSheet sheet(host(), driver.Owner(), tab);
        const INT_PTR result = sheet.RunModal();
        applied = sheet.Applied();
        return result;
    }
    void GiveLists(int count) {
        for (int i = 0; i < count; ++i)
            host().Settings().Lists.entries.push_back(
                {"List " + std::to_string(i), "C:\\Lists\\" + std::to_string(i) + ".txt", std::to_string(i) + ",0,0"});
        host().Settings().Lists.CurrentList = count > 0 ? 0 : -1;
    }
    // A program file that exists, for the browsers page's check.
    std::string Program(const std::string& name) {
        const std::string path = folder.Path() + name;
        std::ofstream(path) << "MZ";
        return path;
    }
    static Driver::Step ApplyIsEnabled(bool enabled) {
        return Check([enabled](HWND sheet) {
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(sheet, IDC_APPLY)) != FALSE, enabled);
        });
    }

    CFakePrefsHost& host() { return *host_; }
    // A fresh application, for each case of a table.
    void NewHost() { host_ = std::make_unique<CFakePrefsHost>(); }

    registry_test::ScratchFolder folder;
    std::unique_ptr<CFakePrefsHost> host_ = std::make_unique<CFakePrefsHost>();
    bool applied = false;
};

// --- the sheet ---------------------------------------------------------------------------------

TEST_F(PrefsSheetTest, LeavingATabAsksOnlyAfterAChangeAndAppliesOnYesOnly) {
    struct Case {
        bool change;
        int answer;  // 0: no question expected
        bool applies;
    };
    for (const Case& c : {Case{false, 0, false}, Case{true, IDNO, false}, Case{true, IDYES, true}}) {
        SCOPED_TRACE(testing::Message() << "change " << c.change << ", answer " << c.answer);
        NewHost();
        CRecordingMessageBoxes boxes = c.answer ? CRecordingMessageBoxes({c.answer}) : CRecordingMessageBoxes();
        std::vector<Driver::Step> script;
        if (c.change) script.push_back(ClickPage(IDC_USE_TRAY));
        script.push_back(ClickTab(kPresentationTab));
        script.push_back(Check([](HWND sheet) { EXPECT_NE(PageItem(sheet, IDC_RECENT_PERIOD), nullptr); }));
        script.push_back(ApplyIsEnabled(false));
        script.push_back(Driver::Click(IDCANCEL));
        EXPECT_EQ(Run(kBehaviorTab, script), IDCANCEL);
        ASSERT_EQ(boxes.Shown().size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(boxes.Shown()[0].caption, "Save Preferences?");
        }
        EXPECT_EQ(host().Settings().Options.UseTray, c.applies);
        EXPECT_EQ(host().behaviorApplied, c.applies ? 1 : 0);
        EXPECT_EQ(applied, c.applies);
        EXPECT_EQ(host().saves, 0);
    }
}

TEST_F(PrefsSheetTest, DoneWithAFailingApplyStaysOpenAndSavesOnlyOnceItApplies) {
    GiveLists(1);
    CRecordingMessageBoxes boxes({IDOK});
    EXPECT_EQ(Run(kUrlListsTab, {SetPageText(IDC_ENTRY_PATH, ""), Driver::Click(IDOK),
                                 Check([this](HWND sheet) {
                                     EXPECT_TRUE(::IsWindowVisible(sheet));
                                     EXPECT_EQ(host().saves, 0);
                                 }),
                                 ApplyIsEnabled(true), SetPageText(IDC_ENTRY_PATH, "C:\\Lists\\b.txt"),
                                 Driver::Click(IDOK)}),
              IDOK);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "Please enter a file path for 'List 0'.");
    EXPECT_EQ(host().listApplies, 1);
    EXPECT_EQ(host().Settings().Lists.Entry(0).path, "C:\\Lists\\b.txt");
    EXPECT_EQ(host().saves, 1);
}

TEST_F(PrefsSheetTest, EnterInAPageAppliesItAndEscCancelsTheSheet) {
    EXPECT_EQ(Run(kPresentationTab, {SetPageText(IDC_RECENT_PERIOD, "9"), KeyInPage(IDC_RECENT_PERIOD, VK_RETURN),
                                     ApplyIsEnabled(false), KeyInPage(IDC_RECENT_PERIOD, VK_ESCAPE)}),
              IDCANCEL);
    EXPECT_EQ(host().Settings().RecentPeriod, 9);
    EXPECT_EQ(host().presentationApplied, 1);
    EXPECT_EQ(host().saves, 0);
}

TEST_F(PrefsSheetTest, HelpButtonAndF1OpenTheHelpAtThePagesTopic) {
    struct Case {
        int tab;
        int control;      // where F1 is pressed
        bool helpButton;  // the page has one
        const char* topic;
    };
    for (const Case& c : {Case{kUrlListsTab, IDC_TABLE_LIST, true, help_topic::kSeveralLists},
                          Case{kBrowsersTab, IDC_TABLE_LIST, true, help_topic::kBrowsers},
                          Case{kBehaviorTab, IDC_USE_TRAY, false, help_topic::kPreferences},
                          Case{kPresentationTab, IDC_RECENT_PERIOD, false, help_topic::kPreferences}}) {
        SCOPED_TRACE(c.topic);
        CRecordingHelpViewer viewer;
        std::vector<Driver::Step> script;
        if (c.helpButton) script.push_back(ClickPage(IDC_PAGE_HELP));
        // F1 ends as WM_HELP to the focused control (the key itself only
        // does so as real keyboard input).
        script.push_back(Check([&c](HWND sheet) {
            const HWND control = PageItem(sheet, c.control);
            HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, c.control, control, 0, {}};
            ::SendMessageA(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        }));
        script.push_back(Driver::Click(IDCANCEL));
        EXPECT_EQ(Run(c.tab, script), IDCANCEL);
        EXPECT_EQ(viewer.Topics(), std::vector<std::string>(c.helpButton ? 2 : 1, c.topic));
    }
}

// --- the URL Lists and Web Browsers pages --------------------------------------------------------

TEST_F(PrefsSheetTest, RemovingThenAddingAListKeepsTheOthersAndAppliesTheShownOrder) {
    GiveLists(3);
    host().Settings().Lists.CurrentList = 1;
    CScriptedPickers pickers;
    pickers.AnswerFile(PickerAnswer{"C:\\Lists\\New.txt", "", ""});
    EXPECT_EQ(Run(kUrlListsTab,
                  {Check([](HWND sheet) { EXPECT_EQ(PageItemText(sheet, IDC_ENTRY_NAME), "List 1"); }),
                   SelectLine(0), ClickPage(IDC_REMOVE_ENTRY),
                   Check([](HWND sheet) { EXPECT_EQ(PageItemText(sheet, IDC_ENTRY_NAME), "List 1"); }),
                   SetPageText(IDC_ENTRY_NAME, "Renamed"),
                   Check([](HWND sheet) {
                       EXPECT_EQ(PageLines(sheet), (std::vector<std::string>{"Renamed", "List 2"}));
                   }),
                   ClickPage(IDC_ADD_ENTRY), Driver::Click(IDC_APPLY), Driver::Click(IDCANCEL)}),
              IDCANCEL);
    const auto& lists = host().Settings().Lists.entries;
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].name, "Renamed");
    EXPECT_EQ(lists[0].path, "C:\\Lists\\1.txt");
    EXPECT_EQ(lists[0].start, "1,0,0");
    EXPECT_EQ(lists[1].name, "List 2");
    EXPECT_EQ(lists[1].start, "2,0,0");
    EXPECT_EQ(lists[2].name, "New");
    EXPECT_EQ(lists[2].path, "C:\\Lists\\New.txt");
    EXPECT_EQ(lists[2].start, "-1,-1,-1");
    EXPECT_EQ(host().highlighted, 2);
    EXPECT_EQ(host().ensuredFiles, std::vector<std::string>{"C:\\Lists\\New.txt"});
    ASSERT_EQ(pickers.requests.size(), 1u);
    EXPECT_EQ(pickers.requests[0].title, "Select or create URL list");
    EXPECT_EQ(pickers.requests[0].filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*||");
    EXPECT_EQ(pickers.requests[0].defaultExtension, "txt");
}

TEST_F(PrefsSheetTest, ANewBrowserGetsItsNameAndDdeNameFromItsProgramFile) {
    const std::string opera = Program("Opera.exe");
    const std::string firebird = Program("MozillaFirebird.exe");
    CScriptedPickers pickers;
    pickers.AnswerFile(PickerAnswer{opera, "", ""});
    pickers.AnswerFile(PickerAnswer{firebird, "", ""});
    Run(kBrowsersTab, {ClickPage(IDC_ADD_ENTRY),
                       Check([](HWND sheet) { EXPECT_EQ(PageItemText(sheet, IDC_DDE_NAME), "opera"); }),
                       ClickPage(IDC_ADD_ENTRY),
                       Check([](HWND sheet) { EXPECT_EQ(PageItemText(sheet, IDC_DDE_NAME), "Mozilla Firebird"); }),
                       Driver::Click(IDC_APPLY), Driver::Click(IDCANCEL)});
    const auto& browsers = host().Settings().Browsers.entries;
    ASSERT_EQ(browsers.size(), 2u);
    EXPECT_EQ(browsers[0].name, "Opera");
    EXPECT_EQ(browsers[0].ddeName, "opera");
    EXPECT_EQ(browsers[1].name, "MozillaFirebird");
    EXPECT_EQ(browsers[1].ddeName, "mozilla firebird");  // stored in lower case
    EXPECT_EQ(host().highlighted, 1);
    EXPECT_EQ(pickers.requests[0].options & OFN_FILEMUSTEXIST, static_cast<DWORD>(OFN_FILEMUSTEXIST));
}

TEST(DdeNameFor, IsTheLowerCaseNameExceptForTwoBrowsers) {
    EXPECT_EQ(DdeNameFor("Opera"), "opera");
    EXPECT_EQ(DdeNameFor("NetScp"), "netscape6");
    EXPECT_EQ(DdeNameFor("mozillafirebird"), "Mozilla Firebird");
}

TEST_F(PrefsSheetTest, TheHundredAndFirstEntryIsRefused) {
    GiveLists(CTablePage::kMaxLines);
    for (int i = 0; i < CTablePage::kMaxLines; ++i)
        host().Settings().Browsers.entries.push_back({"B" + std::to_string(i), "C:\\b.exe", "b"});
    CRecordingMessageBoxes boxes({IDOK});
    Run(kUrlListsTab, {ClickPage(IDC_ADD_ENTRY), ClickTab(kBrowsersTab), Check([](HWND sheet) {
                           EXPECT_FALSE(::IsWindowEnabled(PageItem(sheet, IDC_ADD_ENTRY)));
                       }),
                       Driver::Click(IDCANCEL)});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "List Menu Full");
    EXPECT_EQ(host().Settings().Lists.Count(), CTablePage::kMaxLines);
}

// Text the settings could not keep, or cannot use, refuses the whole page.
TEST_F(PrefsSheetTest, BadEntriesAreRefusedWithAMessageAndNothingApplied) {
    struct Case {
        int tab;
        int field;
        std::string text;
        std::string shown;
    };
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".txt";
    const Case cases[] = {
        {kUrlListsTab, IDC_ENTRY_PATH, longPath, "This text is too long to be kept in the settings:\n" + longPath +
                                                     "\nNames, paths and DDE names can have at most 255 characters."},
        {kUrlListsTab, IDC_ENTRY_NAME, "Tab\there", "The name 'Tab\there' contains a TAB character, which a menu "
                                                    "cannot show.\nPlease remove it from the name."},
        {kUrlListsTab, IDC_ENTRY_NAME, "", "Please enter a name for 'C:\\Lists\\0.txt'."},
        {kBrowsersTab, IDC_ENTRY_PATH, "C:\\missing.exe",
         "The program of 'B' does not exist:\nC:\\missing.exe\nPlease correct the program path."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        NewHost();
        GiveLists(1);
        host().Settings().Browsers.entries = {{"B", Program("b.exe"), "b"}};
        host().Settings().Browsers.CurrentBrowser = 0;
        CRecordingMessageBoxes boxes({IDOK});
        EXPECT_EQ(Run(c.tab, {SetPageText(c.field, c.text), Driver::Click(IDOK), ApplyIsEnabled(true),
                              Driver::Click(IDCANCEL)}),
                  IDCANCEL);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].text, c.shown);
        EXPECT_EQ(host().listApplies + host().browserApplies, 0);
    }
}

// --- the Behavior and Presentation pages -----------------------------------------------------------

TEST_F(PrefsSheetTest, AHotKeyThatIsTakenIsReportedAndTheOldOneShown) {
    host().Settings().AppHotKey = VK_F7;
    host().refusedHotKey = 0;
    CRecordingMessageBoxes boxes({IDOK});
    Run(kBehaviorTab, {KeyInPage(IDC_APP_HOT_KEY, VK_F9), ApplyIsEnabled(true), Driver::Click(IDC_APPLY),
                       Check([](HWND sheet) {
                           EXPECT_EQ(::SendMessageA(PageItem(sheet, IDC_APP_HOT_KEY), HKM_GETHOTKEY, 0, 0), VK_F7);
                       }),
                       ApplyIsEnabled(true), Driver::Click(IDCANCEL)});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Hot Key Not Available");
    EXPECT_NE(boxes.Shown()[0].text.find("F9"), std::string::npos) << boxes.Shown()[0].text;
    EXPECT_EQ(host().behaviorApplied, 0);
}

TEST_F(PrefsSheetTest, AChosenColourSwitchesToCustomAndAnEmptyPeriodIsZero) {
    host().Settings().RecentPeriod = 0;
    CScriptedPickers pickers;
    pickers.AnswerColor(RGB(255, 0, 0));
    Run(kPresentationTab,
        {Check([](HWND sheet) { EXPECT_EQ(PageItemText(sheet, IDC_RECENT_PERIOD), ""); }), ApplyIsEnabled(false),
         ClickPage(IDC_COLOR_TEXT), Check([](HWND sheet) {
             EXPECT_EQ(::SendMessageA(PageItem(sheet, IDC_CUSTOM_COLORS), BM_GETCHECK, 0, 0), BST_CHECKED);
             EXPECT_EQ(::SendMessageA(PageItem(sheet, IDC_DEFAULT_COLORS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
         }),
         Driver::Click(IDOK)});
    EXPECT_EQ(pickers.colorRequests, std::vector<COLORREF>{CAppSettings::kDefaultColors[kColorText]});
    EXPECT_TRUE(host().Settings().Options.CustomColors);
    EXPECT_EQ(host().Settings().Colors[kColorText], RGB(255, 0, 0));
    EXPECT_EQ(host().Settings().Colors[kColorBackground], CAppSettings::kDefaultColors[kColorBackground]);
    EXPECT_EQ(host().Settings().RecentPeriod, 0);
    EXPECT_EQ(host().presentationApplied, 1);
    EXPECT_EQ(host().saves, 1);
}

// Pictures of the four pages for a person to look at; nothing is compared.
TEST_F(PrefsSheetTest, PicturesOfEachPage) {
    if (!CanTakePictures()) GTEST_SKIP() << "ImageMagick's import is not installed";
    GiveLists(3);
    host().Settings().Browsers.entries = {{"Opera", "C:\\Program Files\\Opera\\Opera.exe", "opera"},
                                        {"Firefox", "C:\\Program Files\\Mozilla Firefox\\firefox.exe", "firefox"}};
    host().Settings().Browsers.CurrentBrowser = 1;
    host().Settings().AppHotKey = MAKEWORD('V', HOTKEYF_CONTROL | HOTKEYF_ALT);
    CPrefsSheet sheet(host(), nullptr, kUrlListsTab);
    ASSERT_TRUE(sheet.Create());
    ::ShowWindow(sheet.Handle(), SW_SHOW);
    const char* names[] = {"prefs-url-lists", "prefs-browsers", "prefs-behavior", "prefs-presentation"};
    for (int tab = kUrlListsTab; tab <= kPresentationTab; ++tab) {
        const HWND tabs = ::GetDlgItem(sheet.Handle(), IDC_PREFS_TAB);
        ::SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR change{tabs, IDC_PREFS_TAB, static_cast<UINT>(TCN_SELCHANGE)};
        ::SendMessageA(sheet.Handle(), WM_NOTIFY, IDC_PREFS_TAB, reinterpret_cast<LPARAM>(&change));
        EXPECT_TRUE(SaveWindowPicture(sheet.Handle(), names[tab], &sheet)) << names[tab];
    }
    sheet.Close(0);
}

}  // namespace
