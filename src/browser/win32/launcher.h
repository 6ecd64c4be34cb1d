// The one way the program starts other programs and hands files to the
// shell. The program's own launcher calls ShellExecuteA and CreateProcessA;
// a test installs one that records each call and answers as scripted, so
// no program is started.
#pragma once

#include <windows.h>

#include <string>

struct LaunchResult {
    bool ok = false;
    DWORD error = 0;  // the system's error code when not ok
};

class ILauncher {
public:
    // ShellExecuteA(owner, verb, file, parameters, directory, SW_SHOWNORMAL);
    // an empty directory passes none.
    virtual LaunchResult ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                                      const std::string& parameters,
                                      const std::string& directory) noexcept = 0;
    // CreateProcessA of `commandLine` in a new console, in `directory` (empty:
    // the current one); the process and thread handles are closed at once.
    virtual LaunchResult StartProcess(const std::string& commandLine,
                                      const std::string& directory) noexcept = 0;

protected:
    ~ILauncher() = default;
};

ILauncher& SystemLauncher() noexcept;
