// The program beside a browser (the fake DDE browser of tests/tools): kept
// in the tray and called up by its hot keys, the frontmost page fetched
// while hidden, a second start restoring the first; titles opened in a new
// and in the frontmost browser window, their Last Visited time kept, and
// copied to the clipboard.
#include <memory>

#include "e2e_journey.h"
#include "model/title_text.h"
#include "resource.h"

namespace e2e {
namespace {

constexpr char kService[] = "vellinore2ebrowser";
constexpr WORD kAppKey = 'V';    // with Control and Alt
constexpr WORD kFetchKey = 'F';  // with Control and Alt

class BrowserJourney : public Journey {
protected:
    void Start(int viewMode) {
        StartFakeBrowser(kService);
        if (HasFatalFailure()) return;
        WriteFile(Path("Daily.txt"), "<1>News\n<2>Daily\nhttp://one.example/\tOne\n");
        StartProgram({"Daily"}, viewMode, [](CAppSettings& s) {
            s.Lists.entries[0].start = "0,0,0";
            UseFakeBrowser(s, kService);
            s.Options.UseTray = true;
            s.AppHotKey = 0x0600 | kAppKey;  // Control+Alt
            s.FetchHotKey = 0x0600 | kFetchKey;
        });
        ASSERT_TRUE(main);
    }
    bool Hidden() const { return !IsShown(main) && !IsShown(program->Hidden()); }
    static bool HotKey(WORD key) { return Chord(nullptr, {VK_CONTROL, VK_MENU, key}); }
};

TEST_F(BrowserJourney, TheTrayTheHotKeysAndASecondStartCallTheProgramUp) {
    ASSERT_NO_FATAL_FAILURE(Start(kViewRegular));
    ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Hidden(); })) << "only the tray icon is left";

    ASSERT_TRUE(HotKey(kAppKey));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(main) && ::GetForegroundWindow() == main; }));
    ASSERT_TRUE(HotKey(kAppKey));
    ASSERT_TRUE(WaitUntil([&] { return Hidden(); })) << "the hot key hides the active window";

    ASSERT_TRUE(HotKey(kFetchKey));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(main) && ControlText(main, IDC_TITLE_NAME) == "Fetched Page"; }))
        << program->Windows() << ::testing::PrintToString(fake->Requests());
    EXPECT_EQ(ControlText(main, IDC_URL), "http://fetched.example/");
    EXPECT_EQ(ControlText(main, IDC_SUBCATEGORY_NAME), "Daily") << "under the selected subcategory";
    Screenshot(main, "browser-fetched");

    ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Hidden(); }));
    ASSERT_TRUE(Program().EndedWithCode0()) << "a second start hands over and ends";
    EXPECT_TRUE(WaitUntil([&] { return IsShown(main); }));
    EXPECT_TRUE(program->Close());
    EXPECT_EQ(Outline(Path("Daily.txt")), (std::vector<std::string>{"News", " Daily", "  One"}))
        << "a fetched title waits until it is confirmed";
}

TEST_F(BrowserJourney, TitlesOpenInANewAndTheFrontmostWindowAndCountAsVisits) {
    ASSERT_NO_FATAL_FAILURE(Start(kViewRegular));
    EXPECT_EQ(ControlText(main, IDC_LAST_VISITED), "never");
    Command(main, ID_OPEN_IN_NEW_WINDOW);
    Command(main, ID_OPEN_IN_FRONTMOST_WINDOW);
    ASSERT_TRUE(WaitUntil([&] { return fake->Requests().size() >= 3; }));
    // Window 0 asks for a new window; -1 is the frontmost, activated first.
    EXPECT_EQ(fake->Requests(), (std::vector<std::string>{"WWW_OpenURL\t\"http://one.example/\",,0,0,,,",
                                                          "WWW_Activate\t-1,0",
                                                          "WWW_OpenURL\t\"http://one.example/\",,-1,0,,,"}));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, IDC_LAST_VISITED) != "never"; }));
    Screenshot(main, "browser-visited");
    ClickEntry(Box(main, kTitle), 0);  // copying takes the focused list's selection
    Command(main, ID_COPY_URL);
    EXPECT_EQ(Clipboard(), "http://one.example/");
    Command(main, ID_COPY_HTML_LINK);
    EXPECT_NE(Clipboard("HTML Format").find("<a href=\"http://one.example/\">One</a>"), std::string::npos)
        << Clipboard("HTML Format");

    program->RequestClose();
    ASSERT_TRUE(program->Answer("to URL list 'Daily' before exiting", IDYES));
    DWORD code = 1;
    ASSERT_TRUE(program->Ended(code));
    EXPECT_GT(LastVisited(TitleText(Path("Daily.txt"), "http://one.example/")), 0);
}

}  // namespace
}  // namespace e2e
