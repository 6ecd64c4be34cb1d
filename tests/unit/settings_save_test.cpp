// Writing the settings back: what is stored in which format, what a shorter
// table leaves behind, the relative list folder and the full indices.
#include "settings_test_support.h"

using namespace settings_test;

namespace {

constexpr bool SettingsOptions::*kAllOptions[] = {
    &SettingsOptions::AutoDockNote,   &SettingsOptions::KeepAtFrontRegular,
    &SettingsOptions::KeepAtFrontCompact, &SettingsOptions::OpenInNewWindow,
    &SettingsOptions::UseTray,        &SettingsOptions::CustomColors,
    &SettingsOptions::NoteShown,      &SettingsOptions::ShowMessageHelp,
    &SettingsOptions::StartMinimized, &SettingsOptions::AutoMinimize,
    &SettingsOptions::SaveWithoutPrompt, &SettingsOptions::OneClickOpen,
    &SettingsOptions::NoReadOnlyWarning};

TEST_F(SettingsTest, DefaultIndicesKeepTheirBitLayout) {
    settings.LoadSettings();
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    // Regular mode (bits 8-9), AutoDockNote (12), OpenInNewWindow (18), ShowMessageHelp (22).
    EXPECT_EQ(StoredNumber("Indices"), 0x441200u);
}

TEST_F(SettingsTest, EveryOptionSurvivesASaveAndLoad) {
    settings.LoadSettings();
    SettingsOptions flipped;
    for (auto flag : kAllOptions) flipped.*flag = !(flipped.*flag);
    settings.Options = flipped;
    settings.ViewMode = kViewCompact;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    // Bits 10, 11, 13-15, 27 and 29-31 are unused and stay clear.
    EXPECT_EQ(*StoredNumber("Indices") & 0xE800EC00u, 0u);
    CAppSettings loaded = Reloaded();
    EXPECT_EQ(loaded.ViewMode, kViewCompact);
    for (auto flag : kAllOptions) EXPECT_EQ(loaded.Options.*flag, flipped.*flag);
}

TEST_F(SettingsTest, ValuesAreStoredInTheirFormats) {
    settings.LoadSettings();
    settings.MainWindowRect = {-4, 10, 800, 600};
    settings.ListBoxWidths = {150, 160, 170};
    settings.ProgramPath = "C:\\Tools\\Links\\Vellin.exe";
    settings.AppHotKey = 0x0656;
    settings.RecentPeriod = 14;
    settings.Colors[kColorMarked] = 0x123456;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(StoredText("WinPos Maxi"), "-4,10,800,600");
    EXPECT_EQ(StoredText("WinPos Mini"), "0,0,0,0");
    EXPECT_EQ(StoredText("ListBox Widths"), "150,160");
    EXPECT_EQ(StoredText("App Path"), "C:\\Tools\\Links\\Vellin.exe");
    EXPECT_EQ(StoredNumber("Hot Key"), 0x0656u);
    EXPECT_EQ(StoredNumber("Hot Key Url"), 0u);
    EXPECT_EQ(StoredNumber("Recent Period"), 14u);
    CAppSettings loaded = Reloaded();
    EXPECT_EQ(loaded.Colors[kColorMarked], 0x123456u);
    EXPECT_EQ(loaded.Colors[kColorBackground], 0xC0C0C0u);
    EXPECT_EQ(loaded.PreviousProgramPath, "C:\\Tools\\Links\\Vellin.exe");
}

TEST_F(SettingsTest, AValueThatCannotBeWrittenDoesNotStopTheOthers) {
    store.FailWritesOf("WinPos Note");
    settings.LoadSettings();
    settings.BookmarkFilePath = "C:\\b.htm";
    EXPECT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(StoredText("WinPos Note"), std::nullopt);
    EXPECT_EQ(StoredText("NN Bookmarks"), "C:\\b.htm");
}

TEST_F(SettingsTest, NothingIsWrittenWhenTheMainKeyCannotBeOpenedForWriting) {
    settings.LoadSettings();
    store.SetReadOnly(true);
    EXPECT_FALSE(settings.SaveSettings(true, nullptr));
    EXPECT_EQ(MainKey(), nullptr);
    EXPECT_FALSE(store.ImageExists(kBackupFile));
}

TEST_F(SettingsTest, AShorterTablePrunesTheValuesItNoLongerUses) {
    PutColumn("List", 9, "name");
    PutColumn("List Path", 9, "path");
    PutColumn("List Start", 9, "start");
    ASSERT_TRUE(settings.LoadSettings());
    settings.Lists.entries.resize(7);
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    for (auto [column, lastKept] : {std::pair{"List", "name6"}, std::pair{"List Path", "path6"},
                                    std::pair{"List Start", "start6"}}) {
        EXPECT_EQ(StoredText("6", column), lastKept);
        EXPECT_EQ(StoredText("7", column), std::nullopt) << column;
        EXPECT_EQ(StoredText("8", column), std::nullopt) << column;
    }
}

TEST_F(SettingsTest, AnEmptiedBrowserTableIsStoredEmpty) {
    PutColumn("Browser", 2, "name");
    PutColumn("DDE Name", 2, "dde");
    ASSERT_TRUE(settings.LoadSettings());
    settings.Browsers.entries.clear();
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(StoredText("0", "Browser"), std::nullopt);
    EXPECT_EQ(StoredText("1", "DDE Name"), std::nullopt);
}

// --- current list and browser ----------------------------------------------------

TEST_F(SettingsTest, NoCurrentListStoresZeroInTheFourBitFieldsButKeepsTheBrowser) {
    settings.LoadSettings();
    settings.Lists.entries = {{"a", "a.txt"}, {"b", "b.txt"}};
    settings.Browsers.entries = {{"A", "a.exe", "a"}, {"B", "b.exe", "b"}, {"C", "c.exe", "c"}};
    settings.Lists.CurrentList = -1;
    settings.Browsers.CurrentBrowser = 2;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(*StoredNumber("Indices") & 0xFFu, 0u);  // as older versions expect
    CAppSettings loaded = Reloaded();
    EXPECT_EQ(loaded.Lists.CurrentList, -1);
    EXPECT_EQ(loaded.Browsers.CurrentBrowser, 2);
}

TEST_F(SettingsTest, IndicesAboveFifteenDoNotSpillIntoOtherFields) {
    settings.LoadSettings();
    for (int i = 0; i < 40; ++i) settings.AddList("list" + std::to_string(i), "p" + std::to_string(i));
    for (int i = 0; i < 30; ++i) settings.Browsers.entries.push_back({"b", "b.exe", "b"});
    settings.Lists.CurrentList = 37;          // 0b100101
    settings.Browsers.CurrentBrowser = 22;    // 0b10110
    settings.ViewMode = kViewCompact;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    std::uint32_t indices = *StoredNumber("Indices");
    EXPECT_EQ(indices & 0xF, 15u);
    EXPECT_EQ(indices >> 4 & 0xF, 15u);
    EXPECT_EQ(indices >> 8 & 0x3, 1u);
    EXPECT_EQ(StoredNumber("Current List"), 37u);
    EXPECT_EQ(StoredNumber("Current Browser"), 22u);
    CAppSettings loaded = Reloaded();
    EXPECT_EQ(loaded.Lists.CurrentList, 37);
    EXPECT_EQ(loaded.Browsers.CurrentBrowser, 22);
    EXPECT_EQ(loaded.ViewMode, kViewCompact);
}

TEST_F(SettingsTest, AnInvalidViewModeIsStoredAsRegular) {
    settings.LoadSettings();
    settings.ViewMode = 7;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(*StoredNumber("Indices") >> 8 & 0x3, 2u);
}

// --- the list folder ---------------------------------------------------------------

TEST_F(SettingsTest, AListFolderInsideTheAppFolderIsStoredRelative) {
    settings.ListFolder = "c:\\tools\\LINKS\\Lists\\";  // compared ignoring case
    EXPECT_EQ(settings.StoredListFolder(), ".\\Lists\\");
    settings.ListFolder = kAppFolder;
    EXPECT_EQ(settings.StoredListFolder(), ".\\");
    settings.ListFolder = "D:\\Lists\\";
    EXPECT_EQ(settings.StoredListFolder(), "D:\\Lists\\");
    settings.ListFolder = "C:\\Tools\\LinksOther\\";  // shares only the text, not the folder
    EXPECT_EQ(settings.StoredListFolder(), "C:\\Tools\\LinksOther\\");
}

TEST_F(SettingsTest, TheAppFolderComesBackAsTheListFolderAfterASave) {
    settings.LoadSettings();
    settings.ListFolder = kAppFolder;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_EQ(StoredText("List Folder"), ".\\");
    CAppSettings loaded = Reloaded();
    loaded.ResolveListFolder();
    EXPECT_EQ(loaded.ListFolder, kAppFolder);
}

TEST_F(SettingsTest, RelativeListFoldersResolveAgainstTheAppFolder) {
    struct Case { const char* stored; const char* resolved; };
    for (Case c : {Case{"", "C:\\Tools\\Links\\"}, Case{".", "C:\\Tools\\Links\\"},
                   Case{".\\", "C:\\Tools\\Links\\"}, Case{".\\Lists", "C:\\Tools\\Links\\Lists\\"},
                   Case{"D:\\Lists", "D:\\Lists\\"}, Case{"..\\Up\\", "..\\Up\\"}}) {
        settings.ListFolder = c.stored;
        settings.ResolveListFolder();
        EXPECT_EQ(settings.ListFolder, c.resolved) << c.stored;
    }
}

TEST_F(SettingsTest, WithoutAnAppFolderTheListFolderIsStoredInFull) {
    settings.AppFolder.clear();
    settings.ListFolder = "C:\\Lists\\";
    EXPECT_EQ(settings.StoredListFolder(), "C:\\Lists\\");
}

}  // namespace
