// Shared pieces of the browser tests: a client window for the DDE client,
// the stand-in browsers of tests/tools started as processes, a launcher
// that records instead of starting anything, and counters for global atoms
// and heap memory.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "browser/win32/dde_client.h"
#include "browser/win32/launcher.h"
#include "test_files.h"
#include "win/handles.h"
#include "win/window.h"

namespace browser_test {

// Pumps messages until `done` holds, for at most `boundMs`, looking again
// every few milliseconds: the helper processes change files and atoms,
// which post nothing to this thread.
bool WaitUntil(const std::function<bool()>& done, DWORD boundMs = 5000);

// The folder of the test program, where the helper programs lie too.
std::string ProgramFolder();
using test_files::ReadFile;
std::vector<std::string> ReadLines(const std::string& path);

// A hidden top-level window that hands its DDE messages to a client, as the
// application's hidden window does.
class CDdeClientWindow final : public win::CWindow {
public:
    CDdeClientWindow();
    ~CDdeClientWindow() override;
    CDdeClient& Client() { return client_; }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    win::UniqueWindowClass class_;
    CDdeClient client_;
};

// One of the helper programs, started with its arguments and a ready event
// it sets once it answers; ended when this goes.
class CHelperProcess {
public:
    CHelperProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~CHelperProcess();
    CHelperProcess(const CHelperProcess&) = delete;
    CHelperProcess& operator=(const CHelperProcess&) = delete;
    bool Ready() const { return ready_; }
    // True when the process ended by itself within the bound.
    bool WaitForEnd(DWORD boundMs) const;

private:
    win::UniqueHandle process_;
    bool ready_ = false;
};

// A fake DDE browser answering `service` by the rules of its script (see
// tests/tools/fake_dde_browser.cpp), with its request log.
class CFakeDdeBrowser {
public:
    CFakeDdeBrowser(const std::string& folder, const std::string& service,
                    const std::vector<std::string>& rules);
    bool Ready() const { return process_.Ready(); }
    std::vector<std::string> Requests() const { return ReadLines(log_); }
    const CHelperProcess& Process() const { return process_; }

private:
    std::string log_;
    CHelperProcess process_;
};

struct LaunchCall {
    std::string kind;  // "shell" or "process"
    std::string verb;
    std::string file;  // the command line of a process
    std::string parameters;
    std::string directory;
};

class CRecordingLauncher final : public ILauncher {
public:
    LaunchResult ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& parameters, const std::string& directory) noexcept override;
    LaunchResult StartProcess(const std::string& commandLine, const std::string& directory) noexcept override;

    std::vector<LaunchCall> calls;
    LaunchResult answer{true, 0};
};

// How many of `names` the global atom table holds.
int AtomsPresent(const std::vector<std::string>& names);
// Bytes in use on the process heap, where global memory comes from.
std::size_t HeapBytesInUse();

}  // namespace browser_test
