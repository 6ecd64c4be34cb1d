#include "browser_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "message_pump.h"

namespace browser_test {

namespace {

constexpr char kClientClass[] = "VellinorTestDdeClient";
constexpr DWORD kStartBoundMs = 15000;

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD boundMs) {
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, nullptr);
    bool held = PumpUntil(done, nullptr, boundMs);
    ::KillTimer(nullptr, timer);
    return held;
}

std::string ProgramFolder() {
    char self[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream text(ReadFile(path));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

CDdeClientWindow::CDdeClientWindow() : class_(RegisterClassNamed(kClientClass)) {
    Create(kClientClass, "", WS_POPUP);
    client_.Attach(Handle());
}

CDdeClientWindow::~CDdeClientWindow() {
    client_.Attach(nullptr);
    Destroy();
}

std::optional<LRESULT> CDdeClientWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (std::optional<LRESULT> result = client_.OnMessage(message, wParam, lParam)) return result;
    return CWindow::OnMessage(message, wParam, lParam);
}

CHelperProcess::CHelperProcess(const std::string& program, const std::vector<std::string>& arguments) {
    static int serial = 0;
    std::string eventName = "VellinorTestReady-" + std::to_string(::GetCurrentProcessId()) + "-" +
                            std::to_string(serial++);
    win::UniqueHandle ready(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    std::string commandLine = "\"" + ProgramFolder() + program + "\"";
    for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
    commandLine += " " + eventName;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return;
    process_.Reset(info.hProcess);
    ::CloseHandle(info.hThread);
    HANDLE handles[] = {ready.Get(), process_.Get()};
    ready_ = ::WaitForMultipleObjects(2, handles, FALSE, kStartBoundMs) == WAIT_OBJECT_0;
}

CHelperProcess::~CHelperProcess() {
    if (!process_) return;
    ::TerminateProcess(process_.Get(), 0);
    ::WaitForSingleObject(process_.Get(), kStartBoundMs);
}

bool CHelperProcess::WaitForEnd(DWORD boundMs) const {
    return process_ && ::WaitForSingleObject(process_.Get(), boundMs) == WAIT_OBJECT_0;
}

namespace {

std::string WriteScript(const std::string& path, const std::string& service,
                        const std::vector<std::string>& rules) {
    std::ofstream script(path, std::ios::binary);
    script << service << "\n";
    for (const std::string& rule : rules) script << rule << "\n";
    return path;
}

}  // namespace

CFakeDdeBrowser::CFakeDdeBrowser(const std::string& folder, const std::string& service,
                                 const std::vector<std::string>& rules)
    : log_(folder + "requests.log"),
      process_("fake_dde_browser.exe", {WriteScript(folder + "script.txt", service, rules), log_}) {}

LaunchResult CRecordingLauncher::ShellExecute(HWND, const std::string& verb, const std::string& file,
                                              const std::string& parameters,
                                              const std::string& directory) noexcept {
    calls.push_back({"shell", verb, file, parameters, directory});
    return answer;
}

LaunchResult CRecordingLauncher::StartProcess(const std::string& commandLine,
                                              const std::string& directory) noexcept {
    calls.push_back({"process", "", commandLine, "", directory});
    return answer;
}

int AtomsPresent(const std::vector<std::string>& names) {
    int present = 0;
    for (const std::string& name : names)
        if (::GlobalFindAtomA(name.c_str())) ++present;
    return present;
}

std::size_t HeapBytesInUse() {
    HANDLE heap = ::GetProcessHeap();
    std::size_t used = 0;
    ::HeapLock(heap);
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += entry.cbData;
    ::HeapUnlock(heap);
    return used;
}

}  // namespace browser_test
