#include "program_under_test.h"

#include <fstream>

#include "app/settings/app_settings.h"
#include "message_pump.h"

namespace e2e {

namespace {

// The program keeps a copy of its settings beside itself and takes them from
// there when the registry has none.
void DeleteSettingsBackup() { ::DeleteFileA((ProgramFolder() + "Vellin.sav").c_str()); }

}  // namespace

std::string ProgramFolder() {
    char self[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string ProgramPath() { return ProgramFolder() + "vellinor.exe"; }

bool WaitUntil(const std::function<bool()>& done) {
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, nullptr);
    bool held = PumpUntil(done, nullptr, kBoundMs);
    ::KillTimer(nullptr, timer);
    return held;
}

HWND HiddenWindow() { return ::FindWindowA("VELLIN", "Vellinor"); }

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

Process::Process(const std::string& commandLine) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_.Reset(info.hProcess);
        threadId_ = info.dwThreadId;
        ::CloseHandle(info.hThread);
    }
}

bool Process::Ended(DWORD& code) const {
    if (::WaitForSingleObject(process_.Get(), kBoundMs) != WAIT_OBJECT_0) return false;
    return ::GetExitCodeProcess(process_.Get(), &code) != FALSE;
}

Process::~Process() {
    DWORD code = 0;
    if (process_ && !Ended(code)) ::TerminateProcess(process_.Get(), 1);
}

Process StartProgram(const std::string& arguments) {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    return Process(commandLine);
}

StoredListTest::StoredListTest() {
    DeleteSettingsBackup();
    listPath = folder.Path() + "Sample.txt";
    std::ofstream(listPath, std::ios::binary) << "<1>News\n<2>Daily\nhttp://news\tNews\n";
}

StoredListTest::~StoredListTest() { DeleteSettingsBackup(); }

void StoredListTest::StoreSettings() {
    CAppSettings stored(registry);
    stored.AppFolder = folder.Path();
    stored.LoadSettings();
    stored.Lists.entries = {{"Sample", listPath, "-1,-1,-1"}};
    stored.Lists.CurrentList = 0;
    ASSERT_TRUE(stored.SaveSettings(false, nullptr));
}

}  // namespace e2e
