#include "browser/win32/launcher.h"

#include <shellapi.h>

#include "win/handles.h"

namespace {

// Wine's ShellExecuteA overruns a buffer of its own (and the program dies)
// for a file of about a thousand characters; no file or URL the shell can
// open is that long.
constexpr std::size_t kMaxShellFileChars = 900;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class CSystemLauncher final : public ILauncher {
public:
    LaunchResult ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& parameters, const std::string& directory) noexcept override {
        if (file.size() > kMaxShellFileChars) return {false, ERROR_FILENAME_EXCED_RANGE};
        ::SetLastError(ERROR_SUCCESS);
        auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
            owner, verb.c_str(), file.c_str(), OrNull(parameters), OrNull(directory), SW_SHOWNORMAL));
        if (result > 32) return {true, 0};
        DWORD error = ::GetLastError();
        // The shell's own codes up to 32 agree with the system's where they
        // overlap (file and path not found, access denied, out of memory).
        if (error == ERROR_SUCCESS)
            error = result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : static_cast<DWORD>(result);
        return {false, error};
    }

    LaunchResult StartProcess(const std::string& commandLine, const std::string& directory) noexcept override {
        try {
            std::string line = commandLine;  // CreateProcessA may write into it
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info{};
            if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                                  CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, OrNull(directory),
                                  &startup, &info))
                return {false, ::GetLastError()};
            win::UniqueHandle process(info.hProcess);
            win::UniqueHandle thread(info.hThread);
            return {true, 0};
        } catch (...) {
            return {false, ERROR_NOT_ENOUGH_MEMORY};
        }
    }
};

}  // namespace

ILauncher& SystemLauncher() noexcept {
    static CSystemLauncher launcher;
    return launcher;
}
