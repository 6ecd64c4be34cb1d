// vellinor.exe as a user starts it: on stored settings, once and a second
// time while it runs, with "-uninstall", and on a first run.
#include <gtest/gtest.h>

#include "app/settings/app_settings.h"
#include "program_under_test.h"

namespace {

using namespace e2e;

class AppInstancesTest : public StoredListTest {
protected:
    std::string StoredProgramPath() {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        return stored.PreviousProgramPath;
    }
};

TEST_F(AppInstancesTest, ASecondStartBringsTheFirstWindowBackAndEndsByItself) {
    StoreSettings();
    Process first = StartProgram();
    ASSERT_TRUE(first);
    first.WaitUntilIdle();
    HWND hidden = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hidden = HiddenWindow()) && MainWindowOf(hidden); }));
    HWND main = MainWindowOf(hidden);

    // Minimized to its taskbar button (sent: done when the call returns).
    ::SendMessageA(hidden, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(::IsWindowVisible(main));

    {
        Process second = StartProgram();
        ASSERT_TRUE(second);
        DWORD code = 1;
        ASSERT_TRUE(second.Ended(code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_EQ(HiddenWindow(), hidden);

    // Closing the application ends it with its settings written.
    ::PostMessageA(hidden, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(first.Ended(code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(::lstrcmpiA(StoredProgramPath().c_str(), ProgramPath().c_str()), 0) << StoredProgramPath();
}

TEST_F(AppInstancesTest, AnUninstallRunEndsWithoutTouchingTheSettings) {
    StoreSettings();
    Process uninstall = StartProgram("-uninstall");
    ASSERT_TRUE(uninstall);
    DWORD code = 1;
    ASSERT_TRUE(uninstall.Ended(code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(StoredProgramPath(), "");
}

TEST_F(AppInstancesTest, AFirstRunEndsAsACancelledSetupAndWritesNothing) {
    Process firstRun = StartProgram();
    ASSERT_TRUE(firstRun);
    DWORD code = 1;
    ASSERT_TRUE(firstRun.Ended(code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(maker.Exists());
}

}  // namespace
