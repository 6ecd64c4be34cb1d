// The application in process: start-up and end, the single-instance
// handshake, the hidden window's messages (system commands, hot keys, the
// mode and show/hide commands, the end of the session) and what the start-up
// makes of the Setup and Uninstall runs (their dialogs stand in here as
// cancelled ones; setup_test.cpp drives the real ones).
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "app/single_instance.h"
#include "app_fixture.h"
#include "dialogs/prefs_host.h"
#include "message_pump.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "win/handles.h"

namespace {

const char kList[] = "<1>First\n<2>One\nhttp://one\tOne\n<1>Second\n<2>Two\nhttp://two\tTwo\n";

class AppShellTest : public AppFixture {
protected:
    AppShellTest() {
        environment.runSetup = [](HWND, const SetupContext&) { return SetupOutcome{}; };
        environment.runUninstall = [](HWND, const SetupContext&) { return false; };
    }

    // Stores the settings a previous run would have left, changed by `change`.
    void StoreSettings(const std::function<void(CAppSettings&)>& change = {}) {
        ASSERT_TRUE(AppFixture::StoreSettings({{"Sample", listPath}}, 0, change));
    }
    // A program file left where a previous run was started from, named in the settings.
    std::string StoreOldCopy(const std::string& name) {
        std::string old = Path(name);
        std::ofstream(old) << "old";
        StoreSettings([&](CAppSettings& s) { s.ProgramPath = old; });
        return old;
    }
    bool StoreIsEmpty() { return registry.Open(store::Root::kCurrentUser, "Software\\Corvain") == nullptr; }

    bool Start(const std::string& commandLine = "", const std::string& programName = "vellinor.exe") {
        programPath = Path(programName);
        environment.programPath = programPath;
        return StartApp(environment, commandLine);
    }
    HWND Hidden() const { return app->HiddenWindow(); }
    void Post(UINT message, WPARAM wParam, LPARAM lParam = 0) { ::PostMessageA(Hidden(), message, wParam, lParam); }
    bool PumpUntil(const std::function<bool()>& done) { return ::PumpUntil(done, nullptr, 5000); }

    std::string listPath = WriteList("Sample", kList);
    std::string programPath;
    AppEnvironment environment = Environment();
};

// --- start and end ---------------------------------------------------------------------------

TEST_F(AppShellTest, AStartShowsTheStoredListInTheStoredModeOwnedByTheHiddenWindow) {
    StoreSettings([](CAppSettings& s) { s.ViewMode = kViewOrganize; });
    ASSERT_TRUE(Start());
    EXPECT_EQ(::FindWindowA("VELLIN", "Vellinor"), Hidden());
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(::GetWindow(Main(), GW_OWNER), Hidden());
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_EQ(app->MainWindow()->TemplateId(), IDD_MAIN);
    EXPECT_EQ(app->Settings().ViewMode, kViewOrganize);
    EXPECT_TRUE(app->CurrentList().IsSameFile(listPath));
    EXPECT_EQ(app->Settings().RunState, kRunNormal);
    EXPECT_NE(app->BackgroundBrush(), nullptr);
}

TEST_F(AppShellTest, AQuestionAboutTheListAtStartHasTheWindowOnScreenAndNoLeadsToTheLists) {
    StoreSettings();
    ::DeleteFileA(listPath.c_str());
    CRecordingMessageBoxes boxes({IDNO});
    std::vector<int> pages;
    environment.runPreferences = [&](IPrefsHost&, HWND, int tab) {
        pages.push_back(tab);
        return INT_PTR{IDCANCEL};
    };
    ASSERT_TRUE(Start());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Create New List?");
    EXPECT_EQ(boxes.Shown()[0].owner, Main());
    EXPECT_TRUE(boxes.Shown()[0].ownerVisible);
    EXPECT_EQ(pages, std::vector<int>{kUrlListsTab});
}

TEST_F(AppShellTest, AnOldInternetExplorerAsTheCurrentBrowserIsRecognisedAtStart) {
    StoreSettings([](CAppSettings& s) {
        s.Browsers.entries = {{"Internet Explorer", "C:\\iexplore.exe", "iexplore"}};
        s.Browsers.CurrentBrowser = 0;
    });
    std::string version("3.02", 5);
    registry.PutValue(store::Root::kLocalMachine, "Software\\Microsoft\\Internet Explorer", "Version",
                      {store::ValueKind::kText, version});
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app->Settings().Browsers.OldIE);
}

TEST_F(AppShellTest, TheHiddenWindowHasNoSizeMoveOrMaximizeInItsSystemMenu) {
    StoreSettings();
    ASSERT_TRUE(Start());
    HMENU menu = ::GetSystemMenu(Hidden(), FALSE);
    EXPECT_EQ(::GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(::GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(::GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(AppShellTest, TheEndWritesTheSettings) {
    StoreSettings();
    ASSERT_TRUE(Start());
    app->Settings().RecentPeriod = 9;
    app->End();
    EXPECT_EQ(::FindWindowA("VELLIN", nullptr), nullptr);
    CAppSettings stored = StoredSettings();
    EXPECT_EQ(stored.PreviousProgramPath, programPath);
    EXPECT_EQ(stored.RecentPeriod, 9);
}

TEST_F(AppShellTest, AnUninstallRunReadsAndWritesNothing) {
    StoreSettings([](CAppSettings& s) { s.RecentPeriod = 5; });
    EXPECT_FALSE(Start("-uninstall"));
    EXPECT_EQ(app->Settings().RunState, kRunUninstall);
    EXPECT_EQ(app->Settings().Lists.Count(), 0);  // nothing was read
    EXPECT_EQ(Main(), nullptr);
    app->End();
    EXPECT_EQ(StoredSettings().PreviousProgramPath, "");
}

TEST_F(AppShellTest, TheUninstallWordInAnotherCaseStartsNormally) {
    StoreSettings();
    EXPECT_TRUE(Start("-Uninstall"));
    EXPECT_NE(Main(), nullptr);
}

TEST_F(AppShellTest, AFirstRunWhoseSetupIsCancelledEndsWritingNothing) {
    EXPECT_FALSE(Start());
    EXPECT_EQ(Main(), nullptr);
    app->End();
    EXPECT_TRUE(StoreIsEmpty());
}

// A first Setup that moved the program ends this run (the program may run
// from its new place already); one that installed it where it is goes on.
TEST_F(AppShellTest, AFirstSetupEndsTheRunOnlyWhenItMovedTheProgram) {
    for (bool moved : {true, false}) {
        environment.runSetup = [&](HWND, const SetupContext& context) {
            context.settings.Lists.entries = {{"Sample", listPath, "-1,-1,-1"}};
            context.settings.Lists.CurrentList = 0;
            return SetupOutcome{false, moved};
        };
        EXPECT_EQ(Start(), !moved) << moved;
        EXPECT_EQ(Main() != nullptr, !moved) << moved;
        app->End();
        EXPECT_EQ(StoreIsEmpty(), moved) << moved;
        DrainQuit();
    }
}

TEST_F(AppShellTest, AProgramNamedSetupRunsSetupEvenWithSettings) {
    StoreSettings();
    EXPECT_FALSE(Start("", "SETUP.EXE"));
    EXPECT_EQ(Main(), nullptr);
    app->End();
    EXPECT_EQ(StoredSettings().PreviousProgramPath, "");
}

// --- one instance ----------------------------------------------------------------------------

TEST_F(AppShellTest, TheHiddenWindowAnswersTheProbeWithItsOwnNumber) {
    StoreSettings();
    ASSERT_TRUE(Start());
    UINT probe = app->ProbeMessage();
    EXPECT_EQ(probe, ::RegisterWindowMessageA("I AM VELLIN2"));
    EXPECT_EQ(static_cast<UINT>(::SendMessageA(Hidden(), probe, 0, 0)), probe);
    EXPECT_EQ(FindRunningInstance(probe), Hidden());
}

TEST_F(AppShellTest, ASecondInstanceBringsTheFirstBackAndEndsWithoutAWindow) {
    StoreSettings();
    ASSERT_TRUE(Start());
    Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));

    CMainApp second(AppEnvironment{&registry, programPath});
    EXPECT_FALSE(second.Start(""));
    EXPECT_EQ(second.MainWindow(), nullptr);
    EXPECT_EQ(second.HiddenWindow(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    second.End();
    EXPECT_EQ(::FindWindowA("VELLIN", nullptr), Hidden());
}

TEST_F(AppShellTest, AfterTheFirstEndsTheNextStartRuns) {
    StoreSettings();
    ASSERT_TRUE(Start());
    app->End();
    ASSERT_TRUE(Start());
    EXPECT_NE(Main(), nullptr);
}

// --- the old program copy --------------------------------------------------------------------

TEST_F(AppShellTest, TheOldProgramCopyIsDeletedWhenTheUserAgrees) {
    std::string old = StoreOldCopy("old vellinor.exe");
    CRecordingMessageBoxes boxes({IDYES});
    ASSERT_TRUE(Start());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].owner, nullptr);
    EXPECT_EQ(boxes.Shown()[0].caption, "Delete?");
    EXPECT_EQ(boxes.Shown()[0].text, "Would you like me to delete " + old +
                                         "\nnow that you have installed Vellinor in its present location?");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kQuestionYesNo);
    EXPECT_EQ(::GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(AppShellTest, TheOldProgramCopyStaysWhenTheUserDeclines) {
    std::string old = StoreOldCopy("old vellinor.exe");
    CRecordingMessageBoxes boxes({IDNO});
    ASSERT_TRUE(Start());
    EXPECT_NE(::GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(AppShellTest, AnOldSetupProgramIsDeletedWithoutAsking) {
    std::string old = StoreOldCopy("setup.exe");
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Start());
    EXPECT_EQ(::GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The Setup program that started this run may not have ended yet.
TEST_F(AppShellTest, AnOldSetupProgramStillRunningIsDeletedOnceItEnds) {
    std::string old = StoreOldCopy("setup.exe");
    CRecordingMessageBoxes boxes;
    win::UniqueFile running(::CreateFileA(old.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(running);
    ASSERT_TRUE(Start());
    EXPECT_NE(::GetFileAttributesA(old.c_str()), INVALID_FILE_ATTRIBUTES);
    running = win::UniqueFile();
    EXPECT_TRUE(PumpUntil([&] { return ::GetFileAttributesA(old.c_str()) == INVALID_FILE_ATTRIBUTES; }));
}

TEST_F(AppShellTest, TheSameProgramInAnotherCaseIsNoOldCopy) {
    StoreSettings([&](CAppSettings& s) { s.ProgramPath = folder.Path() + "VELLINOR.EXE"; });
    std::ofstream(folder.Path() + "vellinor.exe") << "this program";
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Start());
    EXPECT_NE(::GetFileAttributesA((folder.Path() + "vellinor.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

// --- hiding and restoring ----------------------------------------------------------------------

TEST_F(AppShellTest, WithoutTheTrayMinimizingLeavesATaskbarButton) {
    StoreSettings();
    ASSERT_TRUE(Start());
    Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
    EXPECT_TRUE(::IsIconic(Hidden()));
    EXPECT_TRUE(::IsWindowVisible(Hidden()));
    Post(WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    EXPECT_FALSE(::IsIconic(Hidden()));
}

TEST_F(AppShellTest, InTheTrayMinimizingHidesEveryWindow) {
    StoreSettings([](CAppSettings& s) { s.Options.UseTray = true; });
    ASSERT_TRUE(Start());
    Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
    EXPECT_FALSE(::IsWindowVisible(Hidden()));
    // A left click on the tray icon brings it back, a second one hides it again.
    Post(CAppWindow::kTrayMessage, CTrayIcon::kIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    Post(CAppWindow::kTrayMessage, CTrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
}

TEST_F(AppShellTest, StartingMinimizedShowsNoWindow) {
    StoreSettings([](CAppSettings& s) { s.Options.StartMinimized = true; });
    ASSERT_TRUE(Start());
    ASSERT_NE(Main(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(Main()));
    EXPECT_TRUE(::IsIconic(Hidden()));
}

TEST_F(AppShellTest, TheShowHideCommandTogglesTheApplication) {
    StoreSettings();
    ASSERT_TRUE(Start());
    Post(WM_COMMAND, ID_TOGGLE_APP);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
    Post(WM_COMMAND, ID_TOGGLE_APP);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
}

// --- hot keys --------------------------------------------------------------------------------

TEST_F(AppShellTest, TheHotKeysAreHeldWhileTheProgramRuns) {
    StoreSettings([](CAppSettings& s) {
        s.AppHotKey = 0x0641;    // Control+Alt+A
        s.FetchHotKey = 0x0642;  // Control+Alt+B
    });
    ASSERT_TRUE(Start());
    // Taken: nobody else gets them.
    EXPECT_FALSE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'A'));
    EXPECT_FALSE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'B'));
    app->End();
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'A'));
    ::UnregisterHotKey(nullptr, 7);
}

TEST_F(AppShellTest, ChangedHotKeysReplaceTheOldOnes) {
    StoreSettings([](CAppSettings& s) { s.AppHotKey = 0x0641; });
    ASSERT_TRUE(Start());
    app->Settings().AppHotKey = 0x0643;
    app->RegisterAppHotKeys();
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'A'));
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_FALSE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'C'));
}

TEST_F(AppShellTest, TheApplicationHotKeyHidesTheActiveWindowAndRestoresItAgain) {
    StoreSettings();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == Main(); }));
    Post(WM_HOTKEY, CAppWindow::kAppHotKeyId);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
    Post(WM_HOTKEY, CAppWindow::kAppHotKeyId);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) && ::GetActiveWindow() == Main(); }));
}

TEST_F(AppShellTest, TheFetchHotKeyBringsTheHiddenApplicationBack) {
    StoreSettings();
    ASSERT_TRUE(Start());
    Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Main()); }));
    // No browser answers here: the fetch ends in its message.
    CRecordingMessageBoxes boxes({IDOK});
    Post(WM_HOTKEY, CAppWindow::kFetchHotKeyId);
    ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(Main()) && !boxes.Shown().empty(); }));
    EXPECT_TRUE(boxes.Shown()[0].ownerVisible);
}

// --- modes -----------------------------------------------------------------------------------

TEST_F(AppShellTest, SwitchingToCompactAndBackKeepsTheListAndItsSelection) {
    StoreSettings();
    ASSERT_TRUE(Start());
    CUrlListFile* list = &app->CurrentList();
    list->Select(kCategory, 1, SelectMode::kFirstChild);
    HWND regular = Main();

    Post(WM_COMMAND, ID_COMPACT_MODE);
    ASSERT_TRUE(PumpUntil([&] { return Main() && app->MainWindow()->TemplateId() == IDD_COMPACT; }));
    EXPECT_NE(Main(), regular);
    EXPECT_FALSE(::IsWindow(regular));
    EXPECT_EQ(app->Settings().ViewMode, kViewCompact);
    EXPECT_EQ(app->PreviousMode(), kViewRegular);
    EXPECT_EQ(::GetWindow(Main(), GW_OWNER), Hidden());
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_EQ(&app->CurrentList(), list);
    EXPECT_EQ(list->Selection(kCategory), 1);

    Post(WM_COMMAND, ID_ORGANIZE_MODE);
    ASSERT_TRUE(PumpUntil([&] { return Main() && app->MainWindow()->TemplateId() == IDD_MAIN; }));
    EXPECT_EQ(app->Settings().ViewMode, kViewOrganize);
    EXPECT_EQ(app->PreviousMode(), kViewCompact);
    EXPECT_EQ(&app->CurrentList(), list);
    EXPECT_EQ(list->Selection(kCategory), 1);
    EXPECT_EQ(::FindWindowA("VELLIN", nullptr), Hidden());
}

TEST_F(AppShellTest, ACancelledSetupFromTheMenuComesBackInTheSameMode) {
    StoreSettings([](CAppSettings& s) { s.ViewMode = kViewCompact; });
    ASSERT_TRUE(Start());
    HWND before = Main();
    Post(WM_COMMAND, ID_SETUP);
    ASSERT_TRUE(PumpUntil([&] { return Main() && Main() != before; }));
    EXPECT_EQ(app->Settings().RunState, kRunNormal);
    EXPECT_EQ(app->MainWindow()->TemplateId(), IDD_COMPACT);
    EXPECT_TRUE(::IsWindowVisible(Main()));
}

TEST_F(AppShellTest, ACancelledUninstallFromTheMenuGoesOnAndSavesAtTheEnd) {
    StoreSettings();
    ASSERT_TRUE(Start());
    HWND before = Main();
    Post(WM_COMMAND, ID_UNINSTALL);
    ASSERT_TRUE(PumpUntil([&] { return Main() && Main() != before; }));
    EXPECT_EQ(app->Settings().RunState, kRunNormal);
    app->End();
    EXPECT_EQ(StoredSettings().PreviousProgramPath, programPath);
}

// Setup may move the list files: the program lets go of its own meanwhile.
TEST_F(AppShellTest, SetupAndUninstallRunWithTheListFileLetGo) {
    StoreSettings();
    bool writable = false;
    const auto tryToWrite = [&] {
        win::UniqueFile file(::CreateFileA(listPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        writable = static_cast<bool>(file);
    };
    environment.runSetup = [&](HWND, const SetupContext&) {
        tryToWrite();
        return SetupOutcome{};
    };
    environment.runUninstall = [&](HWND, const SetupContext&) {
        tryToWrite();
        return false;
    };
    for (int command : {ID_SETUP, ID_UNINSTALL}) {
        ASSERT_TRUE(Start());
        HWND before = Main();
        writable = false;
        Post(WM_COMMAND, command);
        ASSERT_TRUE(PumpUntil([&] { return Main() && Main() != before; }));
        EXPECT_TRUE(writable) << command;
        app->End();
    }
}

// --- the end of the program and of the session ---------------------------------------------

TEST_F(AppShellTest, ClosingTheHiddenWindowEndsTheMessageLoop) {
    StoreSettings();
    ASSERT_TRUE(Start());
    Post(WM_CLOSE, 0);
    EXPECT_EQ(app->Run(), 0);
    EXPECT_EQ(app->Settings().RunState, kRunExiting);
}

TEST_F(AppShellTest, TheSessionEndsWithTheSettingsSaved) {
    StoreSettings();
    ASSERT_TRUE(Start());
    EXPECT_EQ(::SendMessageA(Hidden(), WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageA(Hidden(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(StoredSettings().PreviousProgramPath, programPath);
}

TEST_F(AppShellTest, ASessionThatGoesOnSavesNothing) {
    StoreSettings();
    ASSERT_TRUE(Start());
    ::SendMessageA(Hidden(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(StoredSettings().PreviousProgramPath, "");
}

}  // namespace
