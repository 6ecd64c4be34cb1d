#include "app/startup_rules.h"

#include <windows.h>

namespace {

constexpr std::string_view kUninstallCommand = "-uninstall";
constexpr std::string_view kSetupName = "SETUP.EXE";

}  // namespace

bool IsUninstallCommand(std::string_view commandLine) noexcept {
    return commandLine == kUninstallCommand;
}

bool IsSetupProgram(std::string_view programPath) noexcept {
    if (programPath.size() < kSetupName.size()) return false;
    std::string_view tail = programPath.substr(programPath.size() - kSetupName.size());
    // ASCII-only comparison: the last nine bytes of a double-byte path may
    // begin inside a character, but they can only equal these nine letters
    // when the name really ends in them.
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != kSetupName[i]) return false;
    }
    return true;
}

std::string FolderOfProgram(std::string_view programPath) {
    std::size_t slash = programPath.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    return std::string(programPath.substr(0, slash)) + '\\';
}

std::string ModulePath() {
    // Paths longer than MAX_PATH are cut short by the system; the program
    // lives in an ordinary folder.
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}
