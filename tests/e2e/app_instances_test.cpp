// vellinor.exe as a user starts it: on stored settings, once and a second
// time while it runs, with "-uninstall" cancelled, and on a first run whose
// Setup is cancelled. The test finds the running program by its hidden
// window's class "VELLIN" and the main window as the visible window that the
// hidden one owns.
#include "e2e_journey.h"

namespace e2e {
namespace {

class AppInstancesTest : public Journey {
protected:
    // What a previous run would have left: the list as current, no program path.
    void StoreSample() {
        WriteFile(Path("Sample.txt"), "<1>News\n<2>Daily\nhttp://news\tNews\n");
        StoreSettings({"Sample"}, kViewRegular);
    }
};

TEST_F(AppInstancesTest, ASecondStartBringsTheFirstWindowBackAndEndsByItself) {
    StoreSample();
    Program first;
    const HWND main = first.WaitForMain();
    ASSERT_TRUE(main);
    const HWND hidden = first.Hidden();

    // Minimized to its taskbar button (sent: done when the call returns).
    ::SendMessageA(hidden, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(IsShown(main));

    {
        Program second;
        ASSERT_TRUE(second) << second.StartError();
        ASSERT_TRUE(second.EndedWithCode0());
    }
    EXPECT_TRUE(WaitUntil([&] { return IsShown(main); }));
    EXPECT_EQ(first.Hidden(), hidden);

    // Closing the application ends it with its settings written.
    ASSERT_TRUE(first.Close());
    const std::string stored = StoredSettings().PreviousProgramPath;
    EXPECT_EQ(::lstrcmpiA(stored.c_str(), (ProgramFolder() + "vellinor.exe").c_str()), 0) << stored;
}

TEST_F(AppInstancesTest, ACancelledUninstallEndsWithoutTouchingTheSettings) {
    StoreSample();
    Program uninstall("-uninstall");
    ASSERT_TRUE(uninstall) << uninstall.StartError();
    const HWND dialog = uninstall.WaitForDialog("Uninstall Vellinor");
    ASSERT_TRUE(dialog) << uninstall.Windows();
    ClickButton(dialog, IDCANCEL);
    ASSERT_TRUE(uninstall.EndedWithCode0());
    EXPECT_EQ(StoredSettings().PreviousProgramPath, "");
}

TEST_F(AppInstancesTest, ACancelledFirstSetupEndsTheRunAndWritesNothing) {
    Program firstRun;
    ASSERT_TRUE(firstRun) << firstRun.StartError();
    const HWND dialog = firstRun.WaitForDialog("Setup Vellinor");
    ASSERT_TRUE(dialog) << firstRun.Windows();
    ClickButton(dialog, IDCANCEL);
    ASSERT_TRUE(firstRun.EndedWithCode0());
    EXPECT_FALSE(maker.Exists());
}

}  // namespace
}  // namespace e2e
