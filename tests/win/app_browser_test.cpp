// The application's opening and fetching, end to end in process: the main
// window's commands through the application's browser actions to the fake
// DDE browser of tests/tools.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "app_fixture.h"
#include "browser_test_support.h"
#include "message_pump.h"
#include "model/title_text.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"
#include "resource.h"

using namespace browser_test;

namespace {

constexpr char kService[] = "vellinortestbrowser";

class AppBrowserTest : public AppFixture {
protected:
    ~AppBrowserTest() override { EndApp(); }  // before the fake browser and the launcher go

    // The fake browser answers by `rules`; the application starts in `mode`
    // with `listText`, selected as `start` says.
    void Start(const std::vector<std::string>& rules, int mode, const char* start = "-1,-1,-1",
               bool newWindow = true) {
        fake = std::make_unique<CFakeDdeBrowser>(folder.Path(), kService, rules);
        ASSERT_TRUE(fake->Ready());
        ASSERT_TRUE(StoreSettings({{"Sample", WriteList("Sample", listText), start}}, 0, [&](CAppSettings& s) {
            s.Browsers.entries = {{"Test Browser", "C:\\Browser\\browser.exe", kService}};
            s.Browsers.CurrentBrowser = 0;
            s.Options.OpenInNewWindow = newWindow;
            s.ViewMode = mode;
        }));
        AppEnvironment environment = Environment();
        environment.launcher = &launcher;
        ASSERT_TRUE(StartApp(std::move(environment)));
        ASSERT_NE(app->MainWindow(), nullptr);
    }
    std::string Field(int id) const {
        char text[256] = {};
        ::GetDlgItemTextA(Main(), id, text, sizeof text);
        return text;
    }
    // The fetched title waits in Organize mode's fields.
    bool Shows(const std::string& title) const {
        return app->MainWindow() && app->MainWindow()->TemplateId() == IDD_MAIN && Field(IDC_TITLE_NAME) == title;
    }

    std::string listText = "<1>First\n<2>One\nhttp://one/\tOne\n";
    CRecordingLauncher launcher;
    std::unique_ptr<CFakeDdeBrowser> fake;
};

TEST_F(AppBrowserTest, OpeningASelectedTitleReachesTheBrowserAndCountsAsAVisit) {
    ASSERT_NO_FATAL_FAILURE(Start({"WWW_Activate * id 9"}, kViewRegular, "0,0,0", false));
    CUrlListFile& list = app->CurrentList();
    const int title = list.SelectedItem(kTitle);
    ASSERT_GT(title, 0);
    EXPECT_EQ(LastVisited(list.ItemText(title)), 0);

    ::SendMessageA(Main(), WM_COMMAND, IDC_OPEN, 0);
    EXPECT_TRUE(WaitUntil([&] { return fake->Requests().size() >= 2; }));
    EXPECT_EQ(fake->Requests(), (std::vector<std::string>{"WWW_Activate\t-1,0",
                                                          "WWW_OpenURL\t\"http://one/\",,-1,0,,,"}));
    EXPECT_GT(LastVisited(list.ItemText(title)), 0);
    EXPECT_TRUE(list.IsModified());
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(AppBrowserTest, TheFetchHotKeyMakesAPendingTitleUnderUncategorized) {
    listText.clear();
    ASSERT_NO_FATAL_FAILURE(Start({"WWW_GetWindowInfo -1 text \"http://f.example/\",\"Fetched\""}, kViewRegular));
    ::PostMessageA(app->HiddenWindow(), WM_HOTKEY, CAppWindow::kFetchHotKeyId, 0);
    ASSERT_TRUE(PumpUntil([&] { return Shows("Fetched"); }));
    EXPECT_EQ(Field(IDC_URL), "http://f.example/");
    EXPECT_EQ(Field(IDC_CATEGORY_NAME), "Uncategorized");
    EXPECT_EQ(Field(IDC_SUBCATEGORY_NAME), "Uncategorized");
}

TEST_F(AppBrowserTest, AWindowPickedFromTheFetchButtonsMenuIsFetchedOnceInEitherView) {
    for (int mode : {kViewOrganize, kViewCompact}) {
        ASSERT_NO_FATAL_FAILURE(Start({"WWW_ListWindows * ids 4 8",
                                       "WWW_GetWindowInfo 4 text \"http://q.example/\",\"Q&A\"",
                                       "WWW_GetWindowInfo 8 text \"http://r.example/\",\"R\"",
                                       "WWW_GetWindowInfo -1 text \"http://front/\",\"Front\""},
                                      mode));
        // The menu's own loop takes the keys waiting in the queue: the first window.
        for (UINT key : {VK_DOWN, VK_RETURN}) ::PostMessageA(Main(), WM_KEYDOWN, key, 0);
        const HWND fetch = ::GetDlgItem(Main(), IDC_FETCH);
        RECT button{};
        ::GetWindowRect(fetch, &button);
        ::SendMessageA(Main(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(fetch), MAKELPARAM(button.left, button.top));
        ASSERT_TRUE(PumpUntil([&] { return Shows("Q&A"); })) << mode;
        EXPECT_EQ(Field(IDC_URL), "http://q.example/");

        ::SendMessageA(Main(), WM_COMMAND, IDC_FETCH, 0);
        EXPECT_EQ(Field(IDC_TITLE_NAME), "Front") << mode;
        app->End();
        app.reset();
        fake.reset();
        ::DeleteFileA((folder.Path() + "requests.log").c_str());
    }
}

TEST_F(AppBrowserTest, WithoutABrowserTheFetchAsksForTheWebBrowsersPage) {
    ASSERT_NO_FATAL_FAILURE(Start({}, kViewOrganize));
    app->Settings().Browsers.CurrentBrowser = -1;
    CRecordingMessageBoxes boxes{IDOK};
    ::SendMessageA(Main(), WM_COMMAND, IDC_FETCH, 0);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "You have not configured a Web browser to work with Vellinor.");
    MSG posted{};
    ASSERT_TRUE(::PeekMessageA(&posted, Main(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(ID_CONFIGURE_BROWSERS));
}

// The operations the Browser menu and the context menus call: another
// browser for one call, Opera's blank window, the shell's folder verbs.
TEST(AppBrowserActionsTest, UrlsAndFoldersGoToTheLauncher) {
    store::MemoryStore registry;
    CAppSettings settings(registry);
    settings.Browsers.entries = {{"Plain", "C:\\plain.exe", ""}, {"Opera", "C:\\opera.exe", "opera"}};
    settings.Browsers.CurrentBrowser = 0;
    CDdeClientWindow window;
    CRecordingLauncher launcher;
    SystemWaitCursor cursor;
    CAppBrowserActions actions(settings, window.Client(), launcher, cursor);
    registry_test::ScratchFolder folder;
    std::ofstream(folder.Path() + "plan.txt") << "plan";

    EXPECT_TRUE(actions.OpenUrl(nullptr, "about:blank", true));
    EXPECT_TRUE(actions.OpenUrl(nullptr, "http://n/", true));
    EXPECT_TRUE(actions.OpenFolder(nullptr, folder.Path() + "plan.txt", true));
    const std::vector<std::vector<std::string>> expected = {
        {"open", "C:\\plain.exe", "about:blank"},
        {"open", "C:\\plain.exe", "http://n/"},
        {"explore", folder.Path(), ""},
    };
    ASSERT_EQ(launcher.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ((std::vector<std::string>{launcher.calls[i].verb, launcher.calls[i].file, launcher.calls[i].parameters}),
                  expected[i]) << i;
    EXPECT_EQ(settings.Browsers.CurrentBrowser, 0);
}

}  // namespace
