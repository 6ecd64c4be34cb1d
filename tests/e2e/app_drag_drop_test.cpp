// Real OLE drags between vellinor.exe and another program, moved by real
// mouse input: a link dragged in from a browser-like source onto the titles
// column, and a title dragged out of the window onto a recording drop target.
// The other side is a helper program (drag_source.exe, drop_target.exe).
#include <algorithm>
#include <fstream>
#include <map>
#include <string>

#include "e2e_journey.h"
#include "html_format_check.h"
#include "input_steps.h"
#include "resource.h"

namespace {

using namespace e2e;
using namespace std::string_literals;

// The main window where neither helper window covers it: the drag source
// sits in the top left corner, the drop target to the right.
constexpr POINT kMainWindowAt = {160, 140};

POINT Center(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// What drop_target.exe recorded: its lines, and each format's bytes by name.
struct DropReport {
    std::string calls;
    std::map<std::string, std::string> formats;
};

DropReport ReadDropReport(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    DropReport report;
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, 7, "format ") != 0) {
            report.calls += line + "\n";
            continue;
        }
        const std::size_t sizeAt = line.rfind(' ');
        std::string bytes(std::strtoul(line.c_str() + sizeAt + 1, nullptr, 10), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        in.ignore(1);
        report.formats[line.substr(7, sizeAt - 7)] = bytes;
    }
    return report;
}

class AppDragDropTest : public Journey {
protected:
    void SetUp() override {
        WriteFile(Path("Sample.txt"), "<1>News\n<2>Daily\nhttp://news\tNews\n");
        StartProgram({"Sample"}, kViewRegular);
        ASSERT_TRUE(*program);
        ASSERT_NE(main, nullptr);
        ::SetWindowPos(main, nullptr, kMainWindowAt.x, kMainWindowAt.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        titles_ = ::GetDlgItem(main, IDC_TITLE_LIST);
        ASSERT_NE(titles_, nullptr);
    }
    void TearDown() override {
        // A test that stopped half-way must not leave the button held for the next.
        if (::GetAsyncKeyState(VK_LBUTTON) < 0) input_steps::Button(MOUSEEVENTF_LEFTUP);
    }

    int TitleCount() const { return static_cast<int>(::SendMessageW(titles_, LB_GETCOUNT, 0, 0)); }
    RECT MainWindowRect() const {
        RECT frame{};
        ::GetWindowRect(main, &frame);
        return frame;
    }

    HWND titles_ = nullptr;
};

TEST_F(AppDragDropTest, ALinkDraggedOntoTheTitlesColumnBecomesANewTitle) {
    RECT column{};
    ::GetWindowRect(titles_, &column);
    const POINT target = Center(column);
    const int titles = TitleCount();
    Program source(std::to_string(target.x) + " " + std::to_string(target.y) +
                       " http://example.org/dropped \"Dropped page\"",
                   "drag_source.exe");
    ASSERT_TRUE(source);
    DWORD effect = 0xBAD;
    ASSERT_TRUE(source.Ended(effect));
    ASSERT_EQ(effect, DWORD{DROPEFFECT_COPY}) << "drag_source.exe's exit code (8: no drop, 9: no drag)";

    // The drop opened a new title with the link's URL and name; adding it
    // puts it in the column.
    EXPECT_EQ(ControlText(main, IDC_URL), "http://example.org/dropped");
    EXPECT_EQ(ControlText(main, IDC_TITLE_NAME), "Dropped page");
    const HWND add = ::GetDlgItem(main, IDC_NEW_TITLE);
    ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_NEW_TITLE, BN_CLICKED), reinterpret_cast<LPARAM>(add));
    ASSERT_EQ(TitleCount(), titles + 1);
    const std::vector<std::string> listed = ListTexts(titles_);
    EXPECT_NE(std::find(listed.begin(), listed.end(), "Dropped page"), listed.end());
    Screenshot(main, "link_dropped_on_titles");
}

TEST_F(AppDragDropTest, ATitleDraggedOutArrivesInAnotherProgramWithItsThreeFormats) {
    const RECT frame = MainWindowRect();
    const RECT drop = {frame.right + 20, frame.top, frame.right + 220, frame.top + 200};
    ASSERT_LE(drop.right, ::GetSystemMetrics(SM_CXSCREEN)) << "the main window leaves no room for the target";
    const std::string reportPath = Path("drop.txt");
    Program target("\"" + reportPath + "\" " + std::to_string(drop.left) + " " + std::to_string(drop.top) +
                       " 200 200",
                   "drop_target.exe");
    ASSERT_TRUE(target);
    HWND targetWindow = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (targetWindow = ::FindWindowA("VellinorTestDropTarget", nullptr)); }));
    const auto captured = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndCapture : nullptr;
    };
    const auto caption = [&] { return Text(targetWindow); };

    // Press on the first title: the column follows the pointer until it
    // leaves the window, then the drag loop takes the pointer over. Either
    // captures the mouse, which holds only in the foreground window.
    ::SetForegroundWindow(main);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == main; }));
    const LRESULT entryHeight = ::SendMessageW(titles_, LB_GETITEMHEIGHT, 0, 0);
    POINT press = {12, static_cast<LONG>(entryHeight / 2)};
    ::ClientToScreen(titles_, &press);
    input_steps::MoveTo(press);
    input_steps::Button(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(WaitUntil([&] { return captured() == titles_; }));
    input_steps::MoveTo({drop.left + 40, drop.top + 40});
    ASSERT_TRUE(WaitUntil([&] { return captured() && captured() != titles_; })) << "the drag loop never started";
    input_steps::MoveTo(Center(drop));
    const bool entered = WaitUntil([&] { return caption() == "entered"; });
    input_steps::Button(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(entered);
    ASSERT_TRUE(target.EndedWithCode0()) << "no drop";

    const DropReport report = ReadDropReport(reportPath);
    EXPECT_NE(report.calls.find("DragEnter keys=1 allowed=5"), std::string::npos) << report.calls;
    EXPECT_NE(report.calls.find("Drop keys=0 allowed=5"), std::string::npos) << report.calls;
    ASSERT_EQ(report.formats.size(), 3u) << report.calls;
    EXPECT_EQ(report.formats.at("UniformResourceLocator"), "http://news"s + '\0');
    EXPECT_EQ(report.formats.at("CF_TEXT"), "http://news"s + '\0');
    const std::string& html = report.formats.at("HTML Format");
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(HtmlFragment(html.substr(0, html.size() - 1)), "<a href=\"http://news\">News</a>");
    // Taken as a copy: the title stays.
    EXPECT_EQ(TitleCount(), 1);
}

}  // namespace
