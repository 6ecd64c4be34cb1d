// The settings on the real registry: damaged values, the hive backup taken
// and restored after the main key is gone, first runs, and removal.
#include "registry_test_support.h"

#include <fstream>

#include "app/settings/app_settings.h"
#include "app/store/store_values.h"
#include "app/win32/registry_store.h"

using namespace registry_test;

namespace {

constexpr const char* kOperaAppPaths =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe";
constexpr const char* kUninstallEntry =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellinor 2";

std::string Column(const char* column) { return std::string(kMainKey) + "\\" + column; }

class RegistrySettingsTest : public ::testing::Test {
protected:
    RegistrySettingsTest() { settings.AppFolder = folder.Path(); }

    CAppSettings Reloaded(bool* found = nullptr) {
        CAppSettings fresh(registry);
        fresh.AppFolder = folder.Path();
        bool loaded = fresh.LoadSettings();
        if (found) *found = loaded;
        return fresh;
    }
    std::string BackupFile() const { return folder.Path() + "Vellin.sav"; }

    ScopedKeyTree maker{HKEY_CURRENT_USER, "Software\\Corvain"};
    ScopedKeyTree opera{HKEY_LOCAL_MACHINE, kOperaAppPaths};
    ScratchFolder folder;
    RegistryStore registry;
    CAppSettings settings{registry};
};

// --- damaged values ------------------------------------------------------------------------

TEST_F(RegistrySettingsTest, ValuesOfTheWrongTypeOrLengthKeepTheirDefaults) {
    SetText(HKEY_CURRENT_USER, kMainKey, "Indices", "abc");
    SetRaw(HKEY_CURRENT_USER, kMainKey, "Recent Period", REG_DWORD, std::string("\x09\x00", 2));
    SetRaw(HKEY_CURRENT_USER, kMainKey, "Hot Key", REG_QWORD, std::string("\x41\x06\0\0\0\0\0\0", 8));
    SetRaw(HKEY_CURRENT_USER, kMainKey, "Hot Key Url", REG_BINARY, std::string("\x41\x06\0\0", 4));
    SetNumber(HKEY_CURRENT_USER, kMainKey, "App Path", 7);
    SetText(HKEY_CURRENT_USER, kMainKey, "NN Bookmarks", std::string(256, 'b'));
    SetRaw(HKEY_CURRENT_USER, Column("Colors"), "0", REG_SZ, std::string("red", 4));
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.ViewMode, kViewRegular);
    EXPECT_TRUE(settings.Options.OpenInNewWindow);
    EXPECT_EQ(settings.RecentPeriod, 3);
    EXPECT_EQ(settings.AppHotKey, 0);
    EXPECT_EQ(settings.FetchHotKey, 0);
    EXPECT_EQ(settings.PreviousProgramPath, "");
    EXPECT_EQ(settings.BookmarkFilePath, "");
    EXPECT_EQ(settings.Colors[kColorBackground], 0xC0C0C0u);
}

TEST_F(RegistrySettingsTest, UnparsableWindowPositionsKeepWhatParsedBeforeThem) {
    SetText(HKEY_CURRENT_USER, kMainKey, "WinPos Maxi", "12,34,abc,78");
    SetText(HKEY_CURRENT_USER, kMainKey, "WinPos Mini", ",,,");
    SetText(HKEY_CURRENT_USER, kMainKey, "WinPos Note", "1,2,3,4,5,6");
    SetText(HKEY_CURRENT_USER, kMainKey, "ListBox Widths", "99999999999999,5");
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.MainWindowRect, (WindowRect{12, 34, 0, 0}));
    EXPECT_EQ(settings.CompactWindowRect, (WindowRect{}));
    EXPECT_EQ(settings.NoteWindowRect, (WindowRect{1, 2, 3, 4}));
    EXPECT_EQ(settings.ListBoxWidths[0], -1);
}

TEST_F(RegistrySettingsTest, AThreeHundredCharacterListPathEndsTheListTable) {
    for (int i = 0; i < 4; ++i) {
        SetText(HKEY_CURRENT_USER, Column("List"), std::to_string(i), "List " + std::to_string(i));
        SetText(HKEY_CURRENT_USER, Column("List Path"), std::to_string(i),
                i == 2 ? "C:\\" + std::string(297, 'x') : "C:\\l" + std::to_string(i) + ".txt");
    }
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.Count(), 2);
}

TEST_F(RegistrySettingsTest, HundredFiftyListsLoadAsHundredAndHundredFiftyBrowsersAllLoad) {
    for (int i = 0; i < 150; ++i) {
        std::string n = std::to_string(i);
        SetText(HKEY_CURRENT_USER, Column("List"), n, "List " + n);
        SetText(HKEY_CURRENT_USER, Column("List Path"), n, "C:\\l" + n + ".txt");
        SetText(HKEY_CURRENT_USER, Column("Browser"), n, "Browser " + n);
        SetText(HKEY_CURRENT_USER, Column("DDE Name"), n, "DDE" + n);
    }
    ASSERT_TRUE(settings.LoadSettings());
    EXPECT_EQ(settings.Lists.Count(), 100);
    EXPECT_EQ(settings.Browsers.Count(), 150);
    EXPECT_EQ(settings.Browsers.Entry(149).ddeName, "dde149");
}

// --- a whole round ----------------------------------------------------------------------------

TEST_F(RegistrySettingsTest, SavedSettingsLoadBackWithFullIndices) {
    settings.LoadSettings();
    for (int i = 0; i < 20; ++i) settings.AddList("List " + std::to_string(i), "C:\\l.txt");
    settings.Browsers.entries = {{"Opera", "C:\\Opera\\Opera.exe", "opera"}};
    settings.Browsers.CurrentBrowser = 0;
    settings.Lists.CurrentList = 17;
    settings.CompactWindowRect = {10, 20, 300, 400};
    settings.ListFolder = folder.Path() + "Lists\\";
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));

    CAppSettings loaded = Reloaded();
    EXPECT_EQ(loaded.Lists.Count(), 20);
    EXPECT_EQ(loaded.Lists.CurrentList, 17);
    EXPECT_EQ(loaded.CompactWindowRect, (WindowRect{10, 20, 300, 400}));
    EXPECT_EQ(loaded.ListFolder, ".\\Lists\\");
    loaded.ResolveListFolder();
    EXPECT_EQ(loaded.ListFolder, folder.Path() + "Lists\\");
}

// --- backup and first run ------------------------------------------------------------------------

TEST_F(RegistrySettingsTest, TheBackupRestoresTheSettingsAfterTheMainKeyIsDeleted) {
    settings.LoadSettings();
    settings.AddList("Links", "C:\\Links.txt");
    settings.Lists.CurrentList = 0;
    settings.RecentPeriod = 12;
    ASSERT_TRUE(settings.SaveSettings(true, nullptr));
    ASSERT_NE(::GetFileAttributesA(BackupFile().c_str()), INVALID_FILE_ATTRIBUTES);
    maker.Delete();

    bool found = false;
    CAppSettings restored = Reloaded(&found);
    EXPECT_TRUE(found);
    EXPECT_EQ(restored.RecentPeriod, 12);
    ASSERT_EQ(restored.Lists.Count(), 1);
    EXPECT_EQ(restored.Lists.Entry(0).name, "Links");

    EXPECT_FALSE(maker.Exists());  // restoring writes nothing ...
    ASSERT_TRUE(restored.SaveSettings(false, nullptr));
    ASSERT_TRUE(::DeleteFileA(BackupFile().c_str()));
    EXPECT_EQ(Reloaded().RecentPeriod, 12);  // ... until the next save
}

TEST_F(RegistrySettingsTest, WithoutKeyOrBackupTheInstalledBrowsersAreDetected) {
    ASSERT_EQ(SetText(HKEY_LOCAL_MACHINE, kOperaAppPaths, "", "C:\\Opera\\Opera.exe"), ERROR_SUCCESS);
    bool found = true;
    CAppSettings firstRun = Reloaded(&found);
    EXPECT_FALSE(found);
    ASSERT_GE(firstRun.Browsers.Count(), 1);
    // Wine may register its own Internet Explorer, which comes first.
    const BrowserEntry& last = firstRun.Browsers.Entry(firstRun.Browsers.Count() - 1);
    EXPECT_EQ(last.name, "Opera");
    EXPECT_EQ(last.programPath, "C:\\Opera\\Opera.exe");
    EXPECT_EQ(firstRun.Browsers.CurrentBrowser, 0);
}

TEST_F(RegistrySettingsTest, ACorruptBackupMeansAFirstRun) {
    std::ofstream(BackupFile(), std::ios::binary) << "not a hive at all";
    bool found = true;
    CAppSettings firstRun = Reloaded(&found);
    EXPECT_FALSE(found);
    EXPECT_EQ(firstRun.Lists.Count(), 0);
    EXPECT_EQ(firstRun.ViewMode, kViewRegular);
}

TEST_F(RegistrySettingsTest, RemovingTheSettingsLeavesNoKeyBehind) {
    settings.LoadSettings();
    settings.AddList("Links", "C:\\Links.txt");
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    ASSERT_EQ(SetText(HKEY_LOCAL_MACHINE, kUninstallEntry, "DisplayName", "Vellinor"), ERROR_SUCCESS);
    EXPECT_TRUE(settings.RemoveSettings());
    EXPECT_FALSE(maker.Exists());
    EXPECT_FALSE(ScopedKeyTree(HKEY_LOCAL_MACHINE, kUninstallEntry).Exists());
}

// --- files and folders ----------------------------------------------------------------------------

TEST_F(RegistrySettingsTest, ListFilesAreFoundWhateverTheCaseOfTheirPath) {
    std::string path = folder.Path() + "Links.txt";
    std::ofstream(path) << "";
    settings.AddList("Other", folder.Path() + "Other.txt");
    settings.AddList("Links", path);
    std::string upper = path;
    for (char& c : upper) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(settings.FindListByFile(upper), 1);
}

TEST_F(RegistrySettingsTest, QuickLaunchLiesBelowTheApplicationDataFolder) {
    const std::string shellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::optional<std::string> appData =
        store::ReadRegistryString(registry, store::Root::kCurrentUser, shellFolders, "AppData");
    if (!appData) {
        SetText(HKEY_CURRENT_USER, shellFolders, "AppData", "C:\\users\\test\\AppData\\Roaming");
        appData = "C:\\users\\test\\AppData\\Roaming";
    }
    EXPECT_EQ(ShellFolderPath(registry, 1), *appData + "\\Microsoft\\Internet Explorer\\Quick Launch");
    EXPECT_EQ(ShellFolderPath(registry, 4), std::nullopt);
    EXPECT_EQ(ShellFolderPath(registry, -1), std::nullopt);
}

}  // namespace
