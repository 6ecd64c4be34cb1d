// Pictures of the main window in its three modes, and of the titles' owner
// drawing (marks, recent visits, a separator, a note's asterisk), saved into the build tree
// (screenshots/) for a person to look at; nothing is compared. They are
// taken by ImageMagick's `import` from the X display the window is on, so
// they exist only when the tests run under Wine with `import` installed.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <string>

#include "message_pump.h"
#include "model/title_text.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"

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

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetFileAttributesA(kImport) == INVALID_FILE_ATTRIBUTES)
            GTEST_SKIP() << "ImageMagick's import is not installed";
        ::CreateDirectoryA((std::string("Z:") + VELLINOR_SCREENSHOT_DIR).c_str(), nullptr);
        host_.Settings().Browsers.entries.push_back({"Firefox", "firefox.exe", "firefox"});
        host_.Settings().Browsers.CurrentBrowser = 0;
        host_.startCategory = 1;  // something chosen, as a user would have it
    }

    // Shows the window, lets `prepare` act on it, lets it paint, and has
    // `import` copy its rectangle of the screen into `name`.png.
    void Take(int mode, const std::string& name, CFakeHost* host = nullptr,
              const std::function<void(HWND)>& prepare = {}) {
        if (!host) host = &host_;
        auto window = host->OpenWindow(mode, SW_SHOW);
        ASSERT_TRUE(window);
        const HWND handle = window->Handle();
        if (prepare) prepare(handle);
        ::RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpUntil([] { return false; }, window.get(), 300);

        RECT rect{};
        ::GetWindowRect(handle, &rect);
        const std::string path = std::string(VELLINOR_SCREENSHOT_DIR) + "/" + name + ".png";
        const std::string windowsPath = "Z:" + path;
        ::DeleteFileA(windowsPath.c_str());
        std::string command = std::string(kImport) + " -window root -crop " +
                              std::to_string(rect.right - rect.left) + "x" +
                              std::to_string(rect.bottom - rect.top) + "+" +
                              std::to_string(rect.left) + "+" + std::to_string(rect.top) +
                              " +repage " + path;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &startup, &process));
        if (process.hProcess) ::CloseHandle(process.hProcess);
        if (process.hThread) ::CloseHandle(process.hThread);
        // A Unix program started from Wine gives no handle to wait on: wait
        // for the finished file instead, painting the window meanwhile.
        // A timer wakes the pump to look at the file: with the focus on a
        // list box no caret blinks, and nothing else would.
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, nullptr);
        EXPECT_TRUE(PumpUntil([&] { return IsCompletePng(windowsPath); }, window.get(), 10000))
            << path;
        ::KillTimer(nullptr, timer);
        ::DestroyWindow(handle);
    }

    CFakeHost host_{kSampleList};
};

// Titles in every way they are drawn: plain, visited now (the recent
// colour), with a note (an asterisk), a separator, marked.
std::string DrawingList() {
    std::string text = "<1>News\r\n\t<2>Daily\r\n";
    const auto title = [&](const char* url, const char* name, std::int64_t visited, const char* note) {
        text += "\t\t" + ComposeTitleText(url, name, visited, note, {}, 0) + "\r\n";
    };
    title("http://example.com/a", "Alpha (plain)", 0, "");
    title("http://example.com/b", "Bravo (visited now)", std::time(nullptr), "");
    title("http://example.com/c", "Charlie (with a note)", 0, "note");
    text += "\t\t" + std::string(60, '-') + "\r\n";
    title("http://example.com/d", "Delta (marked)", 0, "");
    title("http://example.com/e", "Echo (marked)", std::time(nullptr), "note");
    title("http://example.com/f", "Foxtrot (plain)", 0, "");
    return text;
}

// What a click with `keys` on an entry of the titles does.
void ClickTitle(HWND window, int index, WPARAM keys) {
    const HWND titles = ::GetDlgItem(window, IDC_TITLE_LIST);
    RECT rect{};
    ::SendMessageA(titles, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM(rect.left + 10, (rect.top + rect.bottom) / 2);
    ::SendMessageA(titles, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
    ::SendMessageA(titles, WM_LBUTTONUP, keys, at);
}

TEST_F(ScreenshotTest, TitlesMarkedWhileOrganizing) {
    CFakeHost host(DrawingList());
    host.startCategory = 0;
    Take(kViewOrganize, "titles-organize", &host, [](HWND window) {
        ClickTitle(window, 4, 0);
        ClickTitle(window, 5, MK_CONTROL | MK_SHIFT);  // marks Delta and Echo, Echo selected
    });
}

TEST_F(ScreenshotTest, TitlesVisitedRecently) {
    CFakeHost host(DrawingList());
    host.startCategory = 0;
    Take(kViewRegular, "titles-regular", &host, [](HWND window) {
        ClickTitle(window, 1, 0);  // the recent colour behind a selection
    });
}

TEST_F(ScreenshotTest, RegularMode) { Take(kViewRegular, "main-regular"); }
TEST_F(ScreenshotTest, OrganizeMode) { Take(kViewOrganize, "main-organize"); }
TEST_F(ScreenshotTest, CompactMode) { Take(kViewCompact, "main-compact"); }

}  // namespace
