// Reading the settings: first run, each value's format and limits, and the
// rules that size the list and browser tables.
#include <climits>

#include "settings_test_support.h"

using namespace settings_test;

namespace {

// --- first run ---------------------------------------------------------------

TEST_F(SettingsTest, FirstRunReportsNothingStoredAndKeepsDefaults) {
    settings.ViewMode = 0;  // as start-up leaves it
    EXPECT_FALSE(settings.LoadSettings());
    EXPECT_EQ(settings.ViewMode, kViewRegular);
    EXPECT_TRUE(settings.Options.OpenInNewWindow);
    EXPECT_TRUE(settings.Options.AutoDockNote);
    EXPECT_TRUE(settings.Options.ShowMessageHelp);
    EXPECT_FALSE(settings.Options.UseTray);
    EXPECT_FALSE(settings.Options.CustomColors);
    EXPECT_EQ(settings.Lists.Count(), 0);
    EXPECT_EQ(settings.Lists.CurrentList, -1);
    EXPECT_EQ(settings.Browsers.CurrentBrowser, -1);
    EXPECT_EQ(settings.RecentPeriod, 3);
    EXPECT_TRUE(settings.MainWindowRect.IsEmpty());
    EXPECT_EQ(settings.ListBoxWidths, (std::array<int, 3>{-1, -1, -1}));
    EXPECT_EQ(settings.Colors[kColorBackground], 0xC0C0C0u);
    EXPECT_EQ(settings.Colors[kColorMarked], 0xC0C000u);
}

TEST_F(SettingsTest, FirstRunFillsTheBrowserTableFromInstalledBrowsers) {
    RegisterBrowser("Opera.exe", "C:\\Opera\\Opera.exe");
    EXPECT_FALSE(settings.LoadSettings());
    ASSERT_EQ(settings.Browsers.Count(), 1);
    EXPECT_EQ(settings.Browsers.Entry(0).name, "Opera");
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 0);
}

TEST_F(SettingsTest, LoadForgetsEverythingHeldBefore) {
    settings.Lists.entries.push_back({"Old", "old.txt"});
    settings.Options.UseTray = true;
    Put("Recent Period", Number(9));
    EXPECT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.Count(), 0);
    EXPECT_FALSE(settings.Options.UseTray);
    EXPECT_EQ(settings.RecentPeriod, 9);
}

// --- single values -----------------------------------------------------------

TEST_F(SettingsTest, ReadsTextsAndNumbersIntoTheirSettings) {
    Put("App Path", Text("C:\\Old\\Vellin.exe"));
    Put("List Folder", Text("D:\\Lists\\"));
    Put("Start Menu", Text("C:\\Menu\\Vellinor"));
    Put("NN Bookmarks", Text("C:\\bookmark.htm"));
    Put("Hot Key", Number(0xABCD0641));  // the high half carries nothing
    Put("Hot Key Url", Number(0x0255));
    Put("Recent Period", Number(0xFFFF0007));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.PreviousProgramPath, "C:\\Old\\Vellin.exe");
    EXPECT_EQ(settings.ListFolder, "D:\\Lists\\");
    EXPECT_EQ(settings.StartMenuFolder, "C:\\Menu\\Vellinor");
    EXPECT_EQ(settings.BookmarkFilePath, "C:\\bookmark.htm");
    EXPECT_EQ(settings.AppHotKey, 0x0641);
    EXPECT_EQ(settings.FetchHotKey, 0x0255);
    EXPECT_EQ(settings.RecentPeriod, 7);
}

TEST_F(SettingsTest, ValuesOfTheWrongTypeOrSizeAreSkipped) {
    Put("Indices", Text("1234"));                                  // four bytes, but text
    Put("Recent Period", {store::ValueKind::kNumber, std::string("\x05\x00", 2)});  // 2 bytes
    Put("Hot Key", {store::ValueKind::kOther, std::string("\x41\x06\0\0", 4)});
    Put("App Path", Number(42));
    Put("Start Menu", {store::ValueKind::kNumber, std::string(8, '\x01')});
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.ViewMode, kViewRegular);
    EXPECT_TRUE(settings.Options.OpenInNewWindow);
    EXPECT_EQ(settings.RecentPeriod, 3);
    EXPECT_EQ(settings.AppHotKey, 0);
    EXPECT_EQ(settings.PreviousProgramPath, "");
    EXPECT_EQ(settings.StartMenuFolder, "");
}

TEST_F(SettingsTest, TextsOverTwoHundredFiftyFiveCharactersAreSkipped) {
    Put("List Folder", Text(std::string(255, 'a')));
    Put("NN Bookmarks", Text(std::string(256, 'b')));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.ListFolder, std::string(255, 'a'));
    EXPECT_EQ(settings.BookmarkFilePath, "");
}

TEST_F(SettingsTest, ATextEndsAtItsFirstZeroByte) {
    Put("Start Menu", {store::ValueKind::kText, std::string("C:\\Menu\0junk", 12)});
    Put("NN Bookmarks", {store::ValueKind::kText, "C:\\no-terminator.htm"});
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.StartMenuFolder, "C:\\Menu");
    EXPECT_EQ(settings.BookmarkFilePath, "C:\\no-terminator.htm");
}

TEST_F(SettingsTest, WindowRectanglesParseUpToTheFirstBadNumber) {
    Put("WinPos Maxi", Text("10,20,610,420"));
    Put("WinPos Mini", Text("5,x,7,8"));
    Put("WinPos Note", Text("-3, 4 ,9,99999999999"));  // the comma must follow the number
    Put("ListBox Widths", Text("120"));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.MainWindowRect, (WindowRect{10, 20, 610, 420}));
    EXPECT_EQ(settings.CompactWindowRect, (WindowRect{5, 0, 0, 0}));
    EXPECT_EQ(settings.NoteWindowRect, (WindowRect{-3, 4, 0, 0}));
    EXPECT_EQ(settings.ListBoxWidths, (std::array<int, 3>{120, -1, -1}));
}

TEST_F(SettingsTest, WindowRectanglesRejectNumbersBeyondAnInt) {
    Put("WinPos Maxi", Text("2147483647,-2147483648,2147483648,1"));
    Put("WinPos Mini", Text("0x10,1,2,3"));  // decimal only: "0" parses, "x10" ends the list
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.MainWindowRect, (WindowRect{INT_MAX, INT_MIN, 0, 0}));
    EXPECT_EQ(settings.CompactWindowRect, (WindowRect{0, 0, 0, 0}));
}

TEST_F(SettingsTest, ColorsKeepTheirDefaultWhenMissingOrDamaged) {
    Put("1", Number(0x00112233), "Colors");
    Put("3", Text("red"), "Colors");
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Colors[kColorBackground], 0xC0C0C0u);
    EXPECT_EQ(settings.Colors[kColorText], 0x00112233u);
    EXPECT_EQ(settings.Colors[kColorHighlights], 0x0000C0u);
}

// --- "Indices" and the current entries ------------------------------------------

TEST_F(SettingsTest, IndicesSplitIntoTheirFields) {
    PutColumn("List", 3, "list");
    PutColumn("Browser", 3, "browser");
    // list 2, browser 1, Organize, UseTray, OneClickOpen, NoReadOnlyWarning; the rest clear
    Put("Indices", Number(0x2 | 0x1 << 4 | 3 << 8 | 1u << 19 | 1u << 26 | 1u << 28));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.CurrentList, 2);
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 1);
    EXPECT_EQ(settings.ViewMode, kViewOrganize);
    EXPECT_TRUE(settings.Options.UseTray);
    EXPECT_TRUE(settings.Options.OneClickOpen);
    EXPECT_TRUE(settings.Options.NoReadOnlyWarning);
    EXPECT_FALSE(settings.Options.OpenInNewWindow);
    EXPECT_FALSE(settings.Options.AutoDockNote);
    EXPECT_FALSE(settings.Options.ShowMessageHelp);
}

TEST_F(SettingsTest, AViewModeOfZeroOpensTheRegularWindow) {
    Put("Indices", Number(0));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.ViewMode, kViewRegular);
}

TEST_F(SettingsTest, FullIndexValuesWinOverTheFourBitFields) {
    PutColumn("List", 40, "list");
    PutColumn("Browser", 30, "browser");
    Put("Indices", Number(0xF | 0xF << 4 | 2 << 8));
    Put("Current List", Number(37));
    Put("Current Browser", Number(22));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.CurrentList, 37);
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 22);
}

TEST_F(SettingsTest, ANegativeFullIndexMeansNone) {
    PutColumn("List", 2, "list");
    Put("Indices", Number(1));
    Put("Current List", Number(0xFFFFFFFF));
    Put("Current Browser", Number(0x80000000));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.CurrentList, -1);
    EXPECT_EQ(settings.Browsers.CurrentBrowser, -1);
}

TEST_F(SettingsTest, CurrentEntriesPastTheirTableFallBackToTheFirst) {
    PutColumn("Browser", 3, "browser");
    PutColumn("List", 2, "list");
    Put("Indices", Number(0x5 << 4 | 0x4));
    Put("Current List", Number(0x7FFFFFFF));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 0);
    EXPECT_EQ(settings.Lists.CurrentList, 0);
}

// --- the list and browser tables -------------------------------------------------

TEST_F(SettingsTest, TheShortestLaterColumnLimitsTheListTable) {
    PutColumn("List", 5, "name");
    PutColumn("List Path", 4, "path");
    PutColumn("List Start", 5, "start");
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Lists.Count(), 4);
    EXPECT_EQ(settings.Lists.Entry(3).name, "name3");
    EXPECT_EQ(settings.Lists.Entry(3).path, "path3");
    EXPECT_EQ(settings.Lists.Entry(3).start, "start3");
}

TEST_F(SettingsTest, AMissingColumnSubkeyLeavesTheCountToTheOthers) {
    PutColumn("List", 3, "name");
    PutColumn("List Path", 3, "path");
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Lists.Count(), 3);
    EXPECT_EQ(settings.Lists.Entry(2).start, "-1,-1,-1");  // as for a list never left
}

TEST_F(SettingsTest, AListTableEndsAtTheFirstGap) {
    PutColumn("List", 6, "name");
    PutColumn("List Path", 6, "path");
    Put("3", Number(3), "List Path");
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.Count(), 3);
}

TEST_F(SettingsTest, AListPathOfThreeHundredCharactersEndsTheTableThere) {
    PutColumn("List", 5, "name");
    PutColumn("List Path", 5, "path");
    Put("2", Text("C:\\" + std::string(297, 'p')), "List Path");
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.Count(), 2);
}

TEST_F(SettingsTest, OnlyTheFirstHundredListsLoad) {
    PutColumn("List", 150, "name");
    PutColumn("List Path", 150, "path");
    PutColumn("List Start", 150, "start");
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Lists.Count(), 100);
    EXPECT_EQ(settings.Lists.Entry(99).path, "path99");
}

TEST_F(SettingsTest, AllHundredFiftyBrowsersLoad) {
    PutColumn("Browser", 150, "name");
    PutColumn("Browser Path", 150, "path");
    PutColumn("DDE Name", 150, "dde");
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Browsers.Count(), 150);
    EXPECT_EQ(settings.Browsers.Entry(149).programPath, "path149");
}

TEST_F(SettingsTest, DdeNamesAreLowerCasedAsTheyAreRead) {
    PutColumn("Browser", 2, "Navigator");
    Put("0", Text("NetScape"), "DDE Name");
    Put("1", Text("\xC9XPLORER"), "DDE Name");  // Windows-1252 capital E acute
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Browsers.Count(), 2);
    EXPECT_EQ(settings.Browsers.Entry(0).ddeName, "netscape");
    EXPECT_EQ(settings.Browsers.Entry(1).ddeName, "\xE9xplorer");
    EXPECT_EQ(settings.Browsers.Entry(0).name, "Navigator0");
}

TEST_F(SettingsTest, AnEmptyStoredBrowserTableIsDetectedAgain) {
    RegisterBrowser("IEXPLORE.EXE", "C:\\IE\\iexplore.exe");
    PutColumn("List", 1, "name");
    ASSERT_TRUE(settings.LoadSettings());
    ASSERT_EQ(settings.Browsers.Count(), 1);
    EXPECT_EQ(settings.Browsers.Entry(0).ddeName, "iexplore");
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 0);
}

TEST_F(SettingsTest, EntriesPastATableReadAsEmpty) {
    ASSERT_FALSE(settings.LoadSettings());
    EXPECT_EQ(settings.Browsers.Entry(0).name, "");
    EXPECT_EQ(settings.Browsers.Current().ddeName, "");
    EXPECT_EQ(settings.Lists.Entry(-1).path, "");
    EXPECT_EQ(settings.Lists.Entry(0).path, "");
}

}  // namespace
