// vellinor.exe as a user starts it: on stored settings, once and a second
// time while it runs, with "-uninstall", and on a first run. The test finds
// the running program by its hidden window's class "VELLIN" and the main
// window as the visible window that the hidden one owns.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "app/settings/app_settings.h"
#include "app/win32/registry_store.h"
#include "message_pump.h"
#include "registry_test_support.h"
#include "win/handles.h"

namespace {

constexpr DWORD kBoundMs = 15000;

std::string ProgramFolder() {
    char self[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string ProgramPath() { return ProgramFolder() + "vellinor.exe"; }

// The program keeps a copy of its settings beside itself and takes them from
// there when the registry has none.
void DeleteSettingsBackup() { ::DeleteFileA((ProgramFolder() + "Vellin.sav").c_str()); }

// Wakes the waiting loop regularly: the windows watched belong to another
// process, whose changes post nothing to this one.
bool WaitUntil(const std::function<bool()>& done) {
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, nullptr);
    bool held = PumpUntil(done, nullptr, kBoundMs);
    ::KillTimer(nullptr, timer);
    return held;
}

HWND HiddenWindow() { return ::FindWindowA("VELLIN", "Vellinor"); }

// The visible window that the hidden one owns.
HWND MainWindowOf(HWND hidden) {
    struct Search {
        HWND owner;
        HWND found;
    } search{hidden, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            if (::GetWindow(window, GW_OWNER) != s.owner || !::IsWindowVisible(window)) return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Program {
public:
    explicit Program(const std::string& arguments = "") {
        std::string commandLine = "\"" + ProgramPath() + "\"";
        if (!arguments.empty()) commandLine += " " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info)) {
            process_.Reset(info.hProcess);
            ::CloseHandle(info.hThread);
        }
    }
    explicit operator bool() const { return static_cast<bool>(process_); }

    // The program's message loop runs (start-up is over), or it has ended.
    void WaitUntilIdle() const { ::WaitForInputIdle(process_.Get(), kBoundMs); }
    // True when the program ended within the bound; its exit code in `code`.
    bool Ended(DWORD& code) const {
        if (::WaitForSingleObject(process_.Get(), kBoundMs) != WAIT_OBJECT_0) return false;
        return ::GetExitCodeProcess(process_.Get(), &code) != FALSE;
    }
    ~Program() {
        DWORD code = 0;
        if (process_ && !Ended(code)) ::TerminateProcess(process_.Get(), 1);
    }

private:
    win::UniqueHandle process_;
};

class AppInstancesTest : public ::testing::Test {
protected:
    AppInstancesTest() {
        DeleteSettingsBackup();
        listPath = folder.Path() + "Sample.txt";
        std::ofstream(listPath, std::ios::binary) << "<1>News\n<2>Daily\nhttp://news\tNews\n";
    }
    ~AppInstancesTest() override { DeleteSettingsBackup(); }

    // What a previous run would have left: the list as current, no program path.
    void StoreSettings() {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        stored.Lists.entries = {{"Sample", listPath, "-1,-1,-1"}};
        stored.Lists.CurrentList = 0;
        ASSERT_TRUE(stored.SaveSettings(false, nullptr));
    }
    std::string StoredProgramPath() {
        CAppSettings stored(registry);
        stored.AppFolder = folder.Path();
        stored.LoadSettings();
        return stored.PreviousProgramPath;
    }

    registry_test::ScopedKeyTree maker{HKEY_CURRENT_USER, "Software\\Corvain"};
    registry_test::ScratchFolder folder;
    RegistryStore registry;
    std::string listPath;
};

TEST_F(AppInstancesTest, ASecondStartBringsTheFirstWindowBackAndEndsByItself) {
    StoreSettings();
    Program first;
    ASSERT_TRUE(first);
    first.WaitUntilIdle();
    HWND hidden = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hidden = HiddenWindow()) && MainWindowOf(hidden); }));
    HWND main = MainWindowOf(hidden);

    // Minimized to its taskbar button (sent: done when the call returns).
    ::SendMessageA(hidden, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(::IsWindowVisible(main));

    {
        Program second;
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
    Program uninstall("-uninstall");
    ASSERT_TRUE(uninstall);
    DWORD code = 1;
    ASSERT_TRUE(uninstall.Ended(code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(StoredProgramPath(), "");
}

TEST_F(AppInstancesTest, AFirstRunEndsAsACancelledSetupAndWritesNothing) {
    Program firstRun;
    ASSERT_TRUE(firstRun);
    DWORD code = 1;
    ASSERT_TRUE(firstRun.Ended(code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(maker.Exists());
}

}  // namespace
