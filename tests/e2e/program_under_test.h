// vellinor.exe started as a process by the end-to-end tests, on stored
// settings that name a small list file. The test finds the running program by
// its hidden window's class "VELLIN" and the main window as the visible window
// that the hidden one owns.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/win32/registry_store.h"
#include "registry_test_support.h"
#include "win/handles.h"

namespace e2e {

inline constexpr DWORD kBoundMs = 15000;

// The folder of the test program, with a trailing backslash: the program
// under test and the helper programs lie there.
std::string ProgramFolder();
std::string ProgramPath();

// Pumps this thread's messages until `done` holds, waking regularly: the
// windows watched belong to another process, whose changes post nothing here.
bool WaitUntil(const std::function<bool()>& done);

HWND HiddenWindow();
HWND MainWindowOf(HWND hidden);

// A started program, ended by force when the test leaves it running.
class Process {
public:
    explicit Process(const std::string& commandLine);
    Process(Process&&) noexcept = default;
    explicit operator bool() const { return static_cast<bool>(process_); }
    DWORD ThreadId() const { return threadId_; }

    // The program's message loop runs (start-up is over), or it has ended.
    void WaitUntilIdle() const { ::WaitForInputIdle(process_.Get(), kBoundMs); }
    // True when the program ended within the bound; its exit code in `code`.
    bool Ended(DWORD& code) const;
    // Ends the program at once, whatever it is doing.
    void Terminate() const { ::TerminateProcess(process_.Get(), 1); }
    ~Process();

private:
    win::UniqueHandle process_;
    DWORD threadId_ = 0;
};

// vellinor.exe with `arguments`.
Process StartProgram(const std::string& arguments = "");

// A scratch folder holding "Sample.txt" (one category, subcategory and title
// "News" for http://news), settings that can name it as the current list,
// and no settings backup beside the program before or after the test.
class StoredListTest : public ::testing::Test {
protected:
    StoredListTest();
    ~StoredListTest() override;

    // What a previous run would have left: the list as current, no program path.
    void StoreSettings();

    registry_test::ScopedKeyTree maker{HKEY_CURRENT_USER, "Software\\Corvain"};
    registry_test::ScratchFolder folder;
    RegistryStore registry;
    std::string listPath;
};

}  // namespace e2e
