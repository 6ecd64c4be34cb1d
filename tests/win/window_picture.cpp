#include "window_picture.h"

#include <fstream>

#include "message_pump.h"
#include "win/handles.h"

#ifndef VELLINOR_SCREENSHOT_DIR
#define VELLINOR_SCREENSHOT_DIR "screenshots"
#endif

namespace {

constexpr char kImport[] = "Z:\\usr\\bin\\import";

// A finished PNG file ends with its IEND chunk.
bool IsCompletePng(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file || file.tellg() < 12) return false;
    file.seekg(-8, std::ios::end);
    char tail[8] = {};
    file.read(tail, 8);
    return std::string(tail, 4) == "IEND";
}

}  // namespace

bool CanTakePictures() { return ::GetFileAttributesA(kImport) != INVALID_FILE_ATTRIBUTES; }

bool SaveWindowPicture(HWND window, const std::string& name, win::IMessageFilter* filter) {
    ::CreateDirectoryA((std::string("Z:") + VELLINOR_SCREENSHOT_DIR).c_str(), nullptr);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntil([] { return false; }, filter, 300);

    RECT rect{};
    ::GetWindowRect(window, &rect);
    const std::string path = std::string(VELLINOR_SCREENSHOT_DIR) + "/" + name + ".png";
    const std::string windowsPath = "Z:" + path;
    ::DeleteFileA(windowsPath.c_str());
    std::string command = std::string(kImport) + " -window root -crop " +
                          std::to_string(rect.right - rect.left) + "x" +
                          std::to_string(rect.bottom - rect.top) + "+" + std::to_string(rect.left) +
                          "+" + std::to_string(rect.top) + " +repage " + path;
    // The Unix program gets standard handles of its own: given the test's,
    // it has been seen to leave the test's output closed behind it.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const win::UniqueHandle nothing(::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  &inherited, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nothing.Get();
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    if (process.hProcess) ::CloseHandle(process.hProcess);
    if (process.hThread) ::CloseHandle(process.hThread);
    // A Unix program started from Wine gives no handle to wait on: wait for
    // the finished file instead, painting meanwhile; a timer wakes the pump.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, nullptr);
    const bool saved = PumpUntil([&] { return IsCompletePng(windowsPath); }, filter, 10000);
    ::KillTimer(nullptr, timer);
    return saved;
}
