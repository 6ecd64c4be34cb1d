// The backup image "Vellin.sav": when it is written, restoring from it, and
// removing the settings on uninstall.
#include "settings_test_support.h"

using namespace settings_test;

namespace {

class SettingsBackupTest : public SettingsTest {
protected:
    void SaveSomeSettings() {
        settings.LoadSettings();
        settings.AddList("Links", "C:\\Links.txt");
        settings.Lists.CurrentList = 0;
        settings.RecentPeriod = 21;
        ASSERT_TRUE(settings.SaveSettings(true, nullptr));
    }
    void DeleteMainKey() {
        auto maker = store.Open(store::Root::kCurrentUser, "Software\\Corvain");
        for (const char* subkey : {"Colors", "List", "List Path", "List Start", "Browser",
                                   "Browser Path", "DDE Name"})
            maker->DeleteSubkey(std::string("Vellinor\\2.0\\") + subkey);
        ASSERT_TRUE(maker->DeleteSubkey("Vellinor\\2.0"));
    }
};

TEST_F(SettingsBackupTest, ABackupTakenWithTheSettingsRestoresThemAfterTheKeyIsGone) {
    SaveSomeSettings();
    ASSERT_TRUE(store.ImageExists(kBackupFile));
    DeleteMainKey();

    CAppSettings restored(store);
    restored.AppFolder = kAppFolder;
    EXPECT_TRUE(restored.LoadSettings());
    EXPECT_EQ(restored.RecentPeriod, 21);
    ASSERT_EQ(restored.Lists.Count(), 1);
    EXPECT_EQ(restored.Lists.Entry(0).path, "C:\\Links.txt");
    EXPECT_EQ(restored.Lists.CurrentList, 0);

    // ... and they reach the main key again with the next save.
    EXPECT_EQ(MainKey(), nullptr);
    ASSERT_TRUE(restored.SaveSettings(false, nullptr));
    EXPECT_EQ(StoredText("0", "List Path"), "C:\\Links.txt");
}

TEST_F(SettingsBackupTest, AMissingOrCorruptImageMeansAFirstRun) {
    EXPECT_FALSE(settings.RestoreSettingsBackup());
    store.CorruptImage(kBackupFile);
    RegisterBrowser("netscape.exe", "C:\\NS\\netscape.exe");
    EXPECT_FALSE(settings.RestoreSettingsBackup());
    EXPECT_FALSE(settings.LoadSettings());
    EXPECT_EQ(settings.Browsers.Count(), 1);
    EXPECT_EQ(settings.ViewMode, kViewRegular);
}

TEST_F(SettingsBackupTest, AnUnforcedSaveWritesTheImageOnlyWhenThereIsNone) {
    settings.LoadSettings();
    settings.RecentPeriod = 5;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    ASSERT_TRUE(store.ImageExists(kBackupFile));

    settings.RecentPeriod = 6;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    DeleteMainKey();
    EXPECT_EQ(Reloaded().RecentPeriod, 5);
}

TEST_F(SettingsBackupTest, AForcedSaveRefreshesTheImage) {
    settings.LoadSettings();
    settings.RecentPeriod = 5;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    settings.RecentPeriod = 6;
    ASSERT_TRUE(settings.SaveSettings(true, nullptr));
    DeleteMainKey();
    EXPECT_EQ(Reloaded().RecentPeriod, 6);
}

TEST_F(SettingsBackupTest, NoImageIsWrittenDuringSetup) {
    for (int state : {kRunSetupRequested, kRunFirstRunSetup}) {
        settings.RunState = state;
        ASSERT_TRUE(settings.SaveSettings(true, nullptr));
        EXPECT_FALSE(store.ImageExists(kBackupFile)) << state;
    }
    settings.RunState = kRunExiting;
    ASSERT_TRUE(settings.SaveSettings(false, nullptr));
    EXPECT_TRUE(store.ImageExists(kBackupFile));
}

TEST_F(SettingsBackupTest, WithoutAShortFormOfTheAppFolderThereIsNoBackup) {
    store.SetShortPathFails(true);
    settings.LoadSettings();
    ASSERT_TRUE(settings.SaveSettings(true, nullptr));
    EXPECT_FALSE(store.ImageExists(kBackupFile));
    EXPECT_FALSE(settings.RestoreSettingsBackup());
}

// --- removal ------------------------------------------------------------------------

TEST_F(SettingsBackupTest, RemovingTheSettingsDeletesTheKeysUpToTheMaker) {
    SaveSomeSettings();
    store.PutValue(store::Root::kLocalMachine,
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellinor 2",
                   "DisplayName", Text("Vellinor"));
    EXPECT_TRUE(settings.RemoveSettings());
    EXPECT_EQ(store.Open(store::Root::kCurrentUser, "Software\\Corvain"), nullptr);
    EXPECT_NE(store.Open(store::Root::kCurrentUser, "Software"), nullptr);
    EXPECT_EQ(store.Open(store::Root::kLocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellinor 2"),
              nullptr);
    EXPECT_TRUE(store.ImageExists(kBackupFile));  // the application folder is Uninstall's business
}

TEST_F(SettingsBackupTest, RemovingTheSettingsKeepsTheMakersOtherProducts) {
    SaveSomeSettings();
    store.PutValue(store::Root::kCurrentUser, "Software\\Corvain\\Other Tool", "x", Number(1));
    store.PutValue(store::Root::kCurrentUser, "Software\\Corvain\\Vellinor\\1.0", "x", Number(1));
    EXPECT_TRUE(settings.RemoveSettings());
    EXPECT_EQ(MainKey(), nullptr);
    EXPECT_NE(store.Open(store::Root::kCurrentUser, "Software\\Corvain\\Vellinor\\1.0"), nullptr);
    EXPECT_NE(store.Open(store::Root::kCurrentUser, "Software\\Corvain\\Other Tool"), nullptr);
}

TEST_F(SettingsBackupTest, AfterAnUninstallNothingIsWrittenBack) {
    SaveSomeSettings();
    ASSERT_TRUE(settings.RemoveSettings());
    store.RemoveImage(kBackupFile);
    settings.RunState = kRunUninstall;
    EXPECT_FALSE(settings.SaveSettings(true, nullptr));
    EXPECT_EQ(store.Open(store::Root::kCurrentUser, "Software\\Corvain"), nullptr);
    EXPECT_FALSE(store.ImageExists(kBackupFile));
}

TEST_F(SettingsBackupTest, RemovingSettingsThatAreNotThereSucceeds) {
    EXPECT_TRUE(settings.RemoveSettings());
}

}  // namespace
