// Internet Explorer automation against the fake automation browser of
// tests/tools, and the order of attempts when opening a URL: automation,
// then DDE, then the browser program.
#include <gtest/gtest.h>
#include <ole2.h>

#include "browser/win32/browser_dde.h"
#include "browser/win32/fetch_url.h"
#include "browser/win32/ie_automation.h"
#include "browser/win32/open_target.h"
#include "browser_test_support.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"

using namespace browser_test;

namespace {

class BrowserAutomationTest : public ::testing::Test {
protected:
    BrowserAutomationTest() { ::OleInitialize(nullptr); }
    ~BrowserAutomationTest() override { ::OleUninitialize(); }

    void UseBrowser(const std::string& ddeName) {
        browsers.entries = {{"Internet Explorer", "C:\\IE\\iexplore.exe", ddeName}};
        browsers.CurrentBrowser = 0;
    }
    void StartFakeIE(const std::string& title, const std::string& url) {
        ie = std::make_unique<CHelperProcess>("fake_ie_browser.exe",
                                              std::vector<std::string>{title, url, log()});
        ASSERT_TRUE(ie->Ready());
    }
    std::string log() const { return folder.Path() + "ie.log"; }
    BrowserContext Context() { return BrowserContext{browsers, &window.Client(), &launcher}; }

    registry_test::ScratchFolder folder;
    CDdeClientWindow window;
    BrowserTable browsers;
    CRecordingLauncher launcher;
    std::unique_ptr<CHelperProcess> ie;
};

TEST_F(BrowserAutomationTest, NavigatesAndReadsTheTopmostWindow) {
    StartFakeIE("Example Page", "http://ie.example/");
    HWND frame = FindIEWindow(nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(IEPageTitle(frame), "Example Page");
    UseBrowser("iexplore");  // no DDE server: the window is found, its DDE id is not
    HWND found = nullptr;
    DWORD thread = 0;
    EXPECT_EQ(CBrowserDde(window.Client(), browsers).FindFrontmostIEWindow(found, thread), -1);
    EXPECT_EQ(found, frame);
    EXPECT_EQ(thread, ::GetWindowThreadProcessId(frame, nullptr));
    EXPECT_TRUE(IENavigate("http://new.example/", true));
    EXPECT_TRUE(IENavigate("http://same.example/", false));
    std::string url;
    std::string title;
    ASSERT_TRUE(IEGetLocation(nullptr, url, title));
    EXPECT_EQ(url, "http://ie.example/");
    EXPECT_EQ(title, "Example Page");
    EXPECT_EQ(ReadLines(log()), (std::vector<std::string>{"Navigate\thttp://new.example/\t1",
                                                         "Navigate\thttp://same.example/\t0",
                                                         "LocationURL", "LocationName"}));
}

TEST_F(BrowserAutomationTest, AutomationComesFirstForNoDdeNameAndForIexploreOnly) {
    StartFakeIE("Page", "http://ie.example/");
    for (const char* name : {"", "iexplore"}) {
        UseBrowser(name);
        EXPECT_TRUE(OpenUrlInBrowser(Context(), nullptr, "http://a.example/", true)) << name;
    }
    UseBrowser("IExplore");  // typed in capitals: plain DDE, then the program
    EXPECT_TRUE(OpenUrlInBrowser(Context(), nullptr, "http://b.example/", true));
    EXPECT_EQ(ReadLines(log()).size(), 2u);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].parameters, "http://b.example/");
}

TEST_F(BrowserAutomationTest, WithoutAutomationOpeningFallsBackToDdeThenToTheProgram) {
    UseBrowser("iexplore");
    {
        CFakeDdeBrowser dde(folder.Path(), "iexplore", {});
        ASSERT_TRUE(dde.Ready());
        EXPECT_TRUE(OpenUrlInBrowser(Context(), nullptr, "http://d.example/", true));
        WaitUntil([&] { return !dde.Requests().empty(); }, 5000);
        EXPECT_EQ(dde.Requests(), (std::vector<std::string>{"WWW_OpenURL\t\"http://d.example/\",,0,0,,,"}));
        EXPECT_TRUE(launcher.calls.empty());
    }
    EXPECT_TRUE(OpenUrlInBrowser(Context(), nullptr, "http://p.example/", true));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, "C:\\IE\\iexplore.exe");
}

TEST_F(BrowserAutomationTest, TheWindowMenuListsInternetExplorerWindowsByPageTitle) {
    UseBrowser("iexplore");
    StartFakeIE("Q&A", "http://qa.example/");
    win::UniqueMenu menu(::CreatePopupMenu());
    FetchMenuKind kind = BuildFetchWindowMenu(Context(), menu.Get());
    ASSERT_EQ(kind, FetchMenuKind::kIEWindows);
    char text[64] = {};
    ::GetMenuStringA(menu.Get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Q&&A");
    PendingFetchWindow pending = ChosenFetchWindow(kind, ::GetMenuItemID(menu.Get(), 0));
    EXPECT_EQ(pending.ieWindow, FindIEWindow(nullptr));
    FetchedPage page;
    EXPECT_TRUE(FetchPage(Context(), nullptr, pending, page));
    EXPECT_EQ(page.url, "http://qa.example/");
}

}  // namespace
