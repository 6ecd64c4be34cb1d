// Setup and Uninstall, driven through their dialogs. Each test works in its
// own scratch folders (the download folder it installs from, the folders it
// installs into, the user's shell folders) and on its own in-memory
// registry, so the tests share nothing and leave nothing behind.
#include <gtest/gtest.h>

#include <functional>

#include "app/settings/app_settings.h"
#include "app/setup_runs.h"
#include "app/store/memory_store.h"
#include "app/store/store_values.h"
#include "browser_test_support.h"
#include "dialog_driver.h"
#include "exchange/shortcut_files.h"
#include "recording_help_viewer.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"
#include "resource.h"
#include "test_files.h"
#include "win/handles.h"
#include "win/window_text.h"
#include "window_picture.h"

namespace {

using Driver = CDialogDriver;
using store::Root;

constexpr char kMainKey[] = "Software\\Corvain\\Vellinor\\2.0";
constexpr char kEntryKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellinor 2";
constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kShellFolderNames[] = {"Desktop", "AppData", "Startup", "Programs", "Personal"};

using test_files::Exists;
using test_files::ReadFile;
using test_files::WriteFile;

// Made when missing; the path comes back as given (without a trailing backslash).
std::string Folder(const std::string& path) {
    ::CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// Held open without sharing, as a running program holds its file.
win::UniqueFile HoldOpen(const std::string& path) {
    return win::UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
}

class SetupTest : public ::testing::Test {
protected:
    SetupTest() {
        download = Folder(root.Path() + "Download") + "\\";
        programFiles = Folder(root.Path() + "Program Files");
        installed = programFiles + "\\Vellinor\\";
        for (const char* name : {"setup.exe", "ReadMe.txt", "Vellin.chm", "Sample URL List.txt"})
            WriteFile(download + name, name);
        const std::string profile = Folder(root.Path() + "Profile") + "\\";
        for (const char* name : kShellFolderNames) PutText(Root::kCurrentUser, kShellFolders, name, Folder(profile + name));
        Folder(Folder(Folder(profile + "AppData\\Microsoft") + "\\Internet Explorer") + "\\Quick Launch");
        PutText(Root::kLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", programFiles);

        settings.ProgramPath = download + "setup.exe";
        settings.AppFolder = download;
        settings.RunState = kRunFirstRunSetup;
        settings.LoadSettings();
        settings.ResolveListFolder();
    }

    void PutText(Root where, const std::string& key, const std::string& name, const std::string& text) {
        registry.PutValue(where, key, name, {store::ValueKind::kText, std::string(text.c_str(), text.size() + 1)});
    }
    std::string ShellFolder(int place) { return ShellFolderPath(registry, place).value_or("?"); }
    std::string Shortcut(int place) { return ShellFolder(place) + "\\Vellinor.lnk"; }
    std::optional<std::string> Entry(Root where, const char* name) {
        return store::ReadRegistryString(registry, where, kEntryKey, name);
    }
    bool NothingWritten() {
        return !registry.Open(Root::kCurrentUser, kMainKey) && !Entry(Root::kLocalMachine, "DisplayName") &&
               !Exists(installed);
    }

    // What a completed installation into `installed` leaves, for the runs after it.
    void Installed() {
        Folder(installed.substr(0, installed.size() - 1));
        WriteFile(installed + "Vellinor.exe", "stand-in");
        settings.ProgramPath = installed + "Vellinor.exe";
        settings.AppFolder = installed;
        settings.ListFolder = installed;
        settings.RunState = kRunSetupRequested;
    }
    void AddList(const std::string& name, const std::string& path, const std::string& content = "<1>List\n") {
        if (!content.empty()) WriteFile(path, content);
        settings.Lists.entries.push_back({name, path});
    }
    std::string ListPath(int index) { return settings.Lists.Entry(index).path; }

    SetupOutcome Setup(std::vector<Driver::Step> script) {
        Driver driver(std::move(script));
        return RunSetup(driver.Owner(), context);
    }
    bool Uninstall(std::vector<Driver::Step> script) {
        Driver driver(std::move(script));
        return RunUninstall(driver.Owner(), context);
    }

    registry_test::ScratchFolder root;
    std::string download;
    std::string programFiles;
    std::string installed;
    store::MemoryStore registry;
    CAppSettings settings{registry};
    browser_test::CRecordingLauncher launcher;
    int preferencesShown = 0;
    SetupContext context{settings, registry, launcher, [this](HWND) { ++preferencesShown; }, {}};
};

// --- Setup -------------------------------------------------------------------------------------

TEST_F(SetupTest, AFirstSetupProposesProgramFilesAndOnlyTheMove) {
    Setup({[&](HWND dialog) {
               EXPECT_EQ(win::WindowText(::GetDlgItem(dialog, IDC_SETUP_APP_FOLDER)), programFiles + "\\Vellinor");
               EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_SETUP_LEAVE)));
               EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SETUP_MOVE));
               EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SETUP_LISTS_WITH_APP));
               EXPECT_EQ(win::WindowText(::GetDlgItem(dialog, IDC_SETUP_LIST_FOLDER)), root.Path() + "Profile\\Personal");
               EXPECT_EQ(win::WindowText(::GetDlgItem(dialog, IDC_SETUP_START_MENU_FOLDER)), ShellFolder(3));
               EXPECT_NE(::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
           },
           Driver::Click(IDCANCEL)});
}

TEST_F(SetupTest, AFirstSetupInstallsEverythingAndOffersToStartTheMovedProgram) {
    CRecordingMessageBoxes boxes{IDYES, IDYES};  // create the folder; launch
    SetupOutcome outcome = Setup({Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDC_SETUP_START_MENU),
                                  Driver::Click(IDOK)});
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_TRUE(outcome.endProgram);
    EXPECT_EQ(boxes.Captions(), (std::vector<std::string>{"Create folder?", "Launch?"}));
    const std::string program = installed + "Vellinor.exe";
    // The program files moved; the help file this copy lacks ("VellinIE.dll") was skipped silently.
    EXPECT_EQ(ReadFile(program), "setup.exe");
    EXPECT_EQ(ReadFile(installed + "ReadMe.txt"), "ReadMe.txt");
    EXPECT_FALSE(Exists(download + "setup.exe"));
    EXPECT_FALSE(Exists(download + "ReadMe.txt"));
    // Shortcuts as real links to the program, only where asked for.
    for (int place : {0, 3}) {
        std::string target;
        ASSERT_EQ(ReadShellLink(Shortcut(place), target), 0) << place;
        EXPECT_EQ(::lstrcmpiA(target.c_str(), (program + " ").c_str()), 0) << target;
    }
    EXPECT_FALSE(Exists(Shortcut(1)));
    EXPECT_FALSE(Exists(Shortcut(2)));
    EXPECT_EQ(Entry(Root::kLocalMachine, "UninstallString"), "\"" + program + "\" -uninstall");
    EXPECT_EQ(Entry(Root::kLocalMachine, "DisplayName"), "Vellinor 2");
    // The sample list went with the program files and is on the List menu.
    ASSERT_EQ(settings.Lists.Count(), 1);
    EXPECT_EQ(settings.Lists.Entry(0).name, "Sample URL List");
    EXPECT_EQ(ListPath(0), installed + "Sample URL List.txt");
    EXPECT_EQ(ReadFile(ListPath(0)), "Sample URL List.txt");
    EXPECT_FALSE(Exists(download + "Sample URL List.txt"));
    // The settings are written, with their backup beside the new program.
    CAppSettings stored(registry);
    stored.AppFolder = installed;
    ASSERT_TRUE(stored.LoadSettings());
    EXPECT_EQ(stored.PreviousProgramPath, download + "setup.exe");
    EXPECT_EQ(stored.StartMenuFolder, ShellFolder(3) + "\\");
    EXPECT_EQ(stored.Lists.Count(), 1);
    EXPECT_TRUE(registry.ImageExists(installed + "Vellin.sav"));
    EXPECT_EQ(settings.RunState, kRunNormal);
    EXPECT_EQ(preferencesShown, 1);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, "\"" + program + "\"");
}

TEST_F(SetupTest, CancellingTheFirstSetupWritesNothing) {
    CRecordingMessageBoxes boxes;
    SetupOutcome outcome = Setup({Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDCANCEL)});
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(NothingWritten());
    EXPECT_FALSE(Exists(Shortcut(0)));
    EXPECT_TRUE(Exists(download + "setup.exe"));
    EXPECT_EQ(preferencesShown, 0);
}

TEST_F(SetupTest, TheUninstallEntryGoesToTheUserWhenTheMachineRefusesIt) {
    registry.RefuseWritesUnder(Root::kLocalMachine);
    CRecordingMessageBoxes boxes{IDNO, IDYES, IDNO};  // no shortcuts, go on; create the folder; no launch
    Setup({Driver::Click(IDOK)});
    EXPECT_FALSE(Entry(Root::kLocalMachine, "UninstallString"));
    EXPECT_EQ(Entry(Root::kCurrentUser, "UninstallString"), "\"" + installed + "Vellinor.exe\" -uninstall");
    settings.RemoveSettings();
    EXPECT_FALSE(Entry(Root::kCurrentUser, "UninstallString"));
}

TEST_F(SetupTest, ANewListFolderTakesTheListsOfTheOldOneAskingBeforeOverwriting) {
    Installed();
    const std::string newFolder = Folder(root.Path() + "Lists") + "\\";
    const std::string elsewhere = Folder(root.Path() + "Elsewhere") + "\\";
    AddList("Moves", installed + "Moves.txt");
    AddList("Overwrites", installed + "Overwrites.txt", "new");
    WriteFile(newFolder + "Overwrites.txt", "old");
    AddList("Stays", installed + "Stays.txt", "mine");
    WriteFile(newFolder + "Stays.txt", "theirs");
    AddList("Missing", installed + "Missing.txt", "");
    AddList("Elsewhere", elsewhere + "Elsewhere.txt");
    // no shortcuts: go on; overwrite: yes; overwrite: no; the missing list: drop it
    CRecordingMessageBoxes boxes{IDNO, IDYES, IDNO, IDNO};
    SetupOutcome outcome = Setup({Driver::SetText(IDC_SETUP_LIST_FOLDER, newFolder), Driver::Click(IDOK)});
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_FALSE(outcome.endProgram);
    EXPECT_EQ(boxes.Captions(),
              (std::vector<std::string>{"Information Missing?", "Overwrite?", "Overwrite?", "File Error"}));
    EXPECT_EQ(boxes.Shown()[1].text, "Do you want to overwrite\n" + newFolder + "Overwrites.txt\nwith " +
                                         installed + "Overwrites.txt ?\n(Otherwise both lists will be left as they are.)");
    ASSERT_EQ(settings.Lists.Count(), 4);
    const std::string expected[] = {newFolder + "Moves.txt", newFolder + "Overwrites.txt", installed + "Stays.txt",
                                     elsewhere + "Elsewhere.txt"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ListPath(i), expected[i]) << i;
    EXPECT_FALSE(Exists(installed + "Moves.txt"));
    EXPECT_EQ(ReadFile(newFolder + "Overwrites.txt"), "new");
    EXPECT_EQ(ReadFile(installed + "Stays.txt"), "mine");
    EXPECT_EQ(ReadFile(newFolder + "Stays.txt"), "theirs");
    EXPECT_EQ(settings.ListFolder, newFolder);
    EXPECT_EQ(preferencesShown, 0);
}

TEST_F(SetupTest, AListFileThatCannotMoveStaysWhereItWasWithItsMessage) {
    Installed();
    // The new folder's name makes the moved path of the long list too long to be stored.
    const std::string newFolder = Folder(root.Path() + std::string(60, 'n')) + "\\";
    const std::string longName = std::string(255 - 4 - newFolder.size() + 1, 'x') + ".txt";
    AddList("Held", installed + "Held.txt");
    AddList("Long", installed + longName);
    ASSERT_LE(ListPath(1).size(), 255u);
    win::UniqueFile held = HoldOpen(ListPath(0));
    CRecordingMessageBoxes boxes{IDNO, IDOK, IDOK};
    Setup({Driver::SetText(IDC_SETUP_LIST_FOLDER, newFolder), Driver::Click(IDOK)});
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[1].text.rfind("Sorry, but I cannot move list file:\n" + installed + "Held.txt\n", 0), 0u);
    EXPECT_NE(boxes.Shown()[2].text.find(longName), std::string::npos);
    EXPECT_EQ(ListPath(0), installed + "Held.txt");
    EXPECT_EQ(ListPath(1), installed + longName);
    held.Reset();
    EXPECT_TRUE(Exists(ListPath(0)));
    EXPECT_TRUE(Exists(ListPath(1)));
    // Nothing half-copied is left in the new folder.
    WIN32_FIND_DATAA found;
    win::UniqueFind search(::FindFirstFileA((newFolder + "*.*").c_str(), &found));
    int entries = 0;
    if (search) do ++entries; while (::FindNextFileA(search.Get(), &found));
    EXPECT_EQ(entries, 2);  // "." and ".."
}

TEST_F(SetupTest, AListFolderEqualToTheProgramFolderIsTheProgramFolder) {
    CRecordingMessageBoxes boxes{IDNO, IDYES, IDNO};  // no shortcuts, go on; create the folder; no launch
    Setup({Driver::SetText(IDC_SETUP_LIST_FOLDER, installed), Driver::Click(IDOK)});
    EXPECT_EQ(settings.ListFolder, installed);
    EXPECT_EQ(settings.StoredListFolder(), ".\\");
    EXPECT_EQ(ListPath(0), installed + "Sample URL List.txt");
}

// Bad input: each is told, and a first Setup that does not get through writes nothing.
TEST_F(SetupTest, WhatKeepsSetupFromInstallingIsToldAndWritesNothing) {
    char missingDrive = 'Q';
    while (missingDrive > 'D' && (::GetLogicalDrives() & (1u << (missingDrive - 'A')))) --missingDrive;
    Folder(installed.substr(0, installed.size() - 1));
    const Driver::Step desktop = Driver::Click(IDC_SETUP_DESKTOP);
    struct Case {
        const char* what;
        std::vector<Driver::Step> steps;
        std::vector<int> answers;
        std::vector<std::string> captions;
        bool holdProgram = false;
    } cases[] = {
        {"missing drive", {desktop, Driver::SetText(IDC_SETUP_APP_FOLDER, std::string(1, missingDrive) + ":\\Vellinor")},
         {IDYES, IDOK}, {"Create folder?", "Folder doesn't exist"}},
        {"no write rights", {desktop, Driver::SetText(IDC_SETUP_APP_FOLDER, "Z:\\proc\\Vellinor")}, {IDYES, IDOK},
         {"Create folder?", "Error"}},
        {"program file held open", {desktop}, {IDCANCEL}, {"Installation Interrupted"}, true},
        {"missing Start Menu folder",
         {Driver::Click(IDC_SETUP_START_MENU), Driver::SetText(IDC_SETUP_START_MENU_FOLDER, root.Path() + "No\\Programs")},
         {IDNO}, {"Create folder?"}},
        {"no program folder", {desktop, Driver::SetText(IDC_SETUP_APP_FOLDER, "")}, {IDOK}, {"Information Missing"}},
        {"no Start Menu folder", {Driver::Click(IDC_SETUP_START_MENU), Driver::SetText(IDC_SETUP_START_MENU_FOLDER, "")},
         {IDOK}, {"Information Missing"}},
    };
    for (Case& c : cases) {
        win::UniqueFile held;
        if (c.holdProgram) held = HoldOpen(installed + "Vellinor.exe");
        CRecordingMessageBoxes boxes(c.answers);
        c.steps.push_back(Driver::Click(IDOK));
        c.steps.push_back(Driver::Click(IDCANCEL));
        EXPECT_TRUE(Setup(c.steps).cancelled) << c.what;
        EXPECT_EQ(boxes.Captions(), c.captions) << c.what;
        EXPECT_FALSE(registry.Open(Root::kCurrentUser, kMainKey)) << c.what;
        EXPECT_FALSE(Exists(Shortcut(0))) << c.what;
        EXPECT_TRUE(Exists(download + "setup.exe")) << c.what;
    }
}

TEST_F(SetupTest, AnOldProgramFileThatCannotBeDeletedIsAskedAboutAndKept) {
    win::UniqueFile reading(::CreateFileA((download + "ReadMe.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    CRecordingMessageBoxes boxes{IDYES, IDCANCEL, IDNO};  // create the folder; keep the old file; no launch
    EXPECT_FALSE(Setup({Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDOK)}).cancelled);
    EXPECT_EQ(boxes.Captions(), (std::vector<std::string>{"Create folder?", "File Error", "Launch?"}));
    EXPECT_NE(boxes.Shown()[1].text.find(download + "ReadMe.txt"), std::string::npos);
    EXPECT_TRUE(Exists(download + "ReadMe.txt"));
    EXPECT_TRUE(Exists(installed + "ReadMe.txt"));
}

TEST_F(SetupTest, AShellExtensionThatIsThereButCannotBeLoadedIsReported) {
    WriteFile(download + "VellinIE.dll", "not a library");
    CRecordingMessageBoxes boxes{IDYES, IDOK, IDNO};  // create the folder; the extension; no launch
    Setup({Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDOK)});
    EXPECT_EQ(boxes.Captions(), (std::vector<std::string>{"Create folder?", "Message", "Launch?"}));
    EXPECT_EQ(boxes.Shown()[1].text.rfind("A file that URL uses (VellinIE.dll) seems to be missing.", 0), 0u);
}

// --- after an installation ---------------------------------------------------------------------------------

class InstalledTest : public SetupTest {
protected:
    InstalledTest() {
        CRecordingMessageBoxes boxes{IDYES, IDNO};  // create the folder; no launch
        Setup({Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDC_SETUP_START_MENU), Driver::Click(IDOK)});
        settings.ProgramPath = installed + "Vellinor.exe";
        settings.RunState = kRunUninstall;
    }
};

TEST_F(InstalledTest, ALaterSetupDeletesTheShortcutsNoLongerWanted) {
    settings.RunState = kRunSetupRequested;
    CRecordingMessageBoxes boxes;
    Setup({[](HWND dialog) {
               EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SETUP_LEAVE));
               EXPECT_TRUE(::IsDlgButtonChecked(dialog, IDC_SETUP_DESKTOP));
           },
           Driver::Click(IDC_SETUP_DESKTOP), Driver::Click(IDOK)});
    EXPECT_FALSE(Exists(Shortcut(0)));
    EXPECT_TRUE(Exists(Shortcut(3)));
}

TEST_F(InstalledTest, RemovingOnlyTheShortcutsLeavesFilesAndSettings) {
    CRecordingMessageBoxes boxes;
    EXPECT_TRUE(Uninstall({Driver::Click(IDC_UNINSTALL_FILES), Driver::Click(IDC_UNINSTALL_REGISTRY),
                           Driver::Click(IDOK)}));
    EXPECT_FALSE(Exists(Shortcut(0)));
    EXPECT_FALSE(Exists(Shortcut(3)));
    EXPECT_TRUE(Exists(installed + "Vellinor.exe"));
    EXPECT_TRUE(registry.Open(Root::kCurrentUser, kMainKey));
    EXPECT_TRUE(Entry(Root::kLocalMachine, "UninstallString"));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(InstalledTest, AFullUninstallRemovesFilesShortcutsAndSettings) {
    CRecordingMessageBoxes boxes{IDOK};
    // Started from the uninstall entry, the program has read no settings.
    settings.StartMenuFolder.clear();
    EXPECT_TRUE(Uninstall({[](HWND dialog) {
                               for (int box : {IDC_UNINSTALL_FILES, IDC_UNINSTALL_SHORTCUTS, IDC_UNINSTALL_REGISTRY})
                                   EXPECT_TRUE(::IsDlgButtonChecked(dialog, box)) << box;
                           },
                           Driver::Click(IDOK)}));
    EXPECT_EQ(boxes.Captions(), std::vector<std::string>{"Final Step"});
    for (const char* name : {"Vellinor.exe", "ReadMe.txt", "Vellin.chm"}) EXPECT_FALSE(Exists(installed + name)) << name;
    EXPECT_FALSE(Exists(Shortcut(0)));
    EXPECT_FALSE(Exists(Shortcut(3)));
    EXPECT_FALSE(registry.Open(Root::kCurrentUser, "Software\\Corvain"));
    EXPECT_FALSE(Entry(Root::kLocalMachine, "UninstallString"));
    // The list file is the user's: it stays, and its folder is shown.
    EXPECT_TRUE(Exists(installed + "Sample URL List.txt"));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, installed);
}

TEST_F(InstalledTest, CancellingUninstallChangesNothing) {
    EXPECT_FALSE(Uninstall({Driver::Click(IDCANCEL)}));
    EXPECT_TRUE(Exists(Shortcut(0)));
    EXPECT_TRUE(registry.Open(Root::kCurrentUser, kMainKey));
}

// --- both dialogs --------------------------------------------------------------------------------

TEST_F(SetupTest, EachDialogHasItsPictureAndItsHelpTopic) {
    CRecordingHelpViewer help;
    Setup({Driver::Picture("setup-dialog"), Driver::Click(IDHELP), Driver::Click(IDCANCEL)});
    Uninstall({Driver::Picture("uninstall-dialog"), Driver::Click(IDHELP), Driver::Click(IDCANCEL)});
    EXPECT_EQ(help.Topics(), (std::vector<std::string>{help_topic::kSetup, help_topic::kSetup}));
}

}  // namespace
