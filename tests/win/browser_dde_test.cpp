// The DDE client and the browser operations on it, against the fake DDE
// browser of tests/tools in its own process.
#include <gtest/gtest.h>

#include "browser/win32/browser_dde.h"
#include "browser/win32/fetch_url.h"
#include "browser/win32/open_target.h"
#include "browser_test_support.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"
#include "resource.h"
#include "win/resource_string.h"

using namespace browser_test;

namespace {

constexpr char kGeneric[] = "vellinortestbrowser";

class BrowserDdeTest : public ::testing::Test {
protected:
    // The fake answers `service` by `rules`; the current browser has that DDE name.
    void StartBrowser(const std::string& service, const std::vector<std::string>& rules) {
        browsers.entries = {{"Test Browser", "C:\\Browser\\browser.exe", service}};
        browsers.CurrentBrowser = 0;
        fake = std::make_unique<CFakeDdeBrowser>(folder.Path(), service, rules);
        ASSERT_TRUE(fake->Ready());
    }
    CBrowserDde Dde() { return CBrowserDde(window.Client(), browsers); }
    BrowserContext Context() {
        BrowserContext context{browsers, &window.Client(), &launcher};
        context.showBrowsersPage = [this](HWND) { ++browsersPageShown; };
        return context;
    }

    registry_test::ScratchFolder folder;
    CDdeClientWindow window;
    BrowserTable browsers;
    CRecordingLauncher launcher;
    int browsersPageShown = 0;
    std::unique_ptr<CFakeDdeBrowser> fake;
};

// --- opening -------------------------------------------------------------------

TEST_F(BrowserDdeTest, ANewWindowGetsOneOpenUrlForWindowZeroAndNoActivate) {
    StartBrowser(kGeneric, {});
    EXPECT_TRUE(Dde().DdeOpenUrl("http://a.example/", true));
    WaitUntil([&] { return !fake->Requests().empty(); }, 5000);
    EXPECT_EQ(fake->Requests(), (std::vector<std::string>{"WWW_OpenURL\t\"http://a.example/\",,0,0,,,"}));

    browsers.OldIE = true;  // cannot open new windows through DDE
    EXPECT_FALSE(Dde().DdeOpenUrl("http://b.example/", true));
    browsers.entries[0].ddeName.clear();
    browsers.OldIE = false;
    EXPECT_FALSE(Dde().DdeOpenUrl("http://c.example/", true));
    EXPECT_EQ(fake->Requests().size(), 1u);
}

TEST_F(BrowserDdeTest, TheFrontmostWindowOfAGenericBrowserIsActivatedAsMinusOne) {
    StartBrowser(kGeneric, {"WWW_Activate * id 9"});  // the reply is not awaited
    EXPECT_TRUE(Dde().DdeOpenUrl("http://a.example/", false));
    WaitUntil([&] { return fake->Requests().size() >= 2; }, 5000);
    EXPECT_EQ(fake->Requests(), (std::vector<std::string>{"WWW_Activate\t-1,0",
                                                          "WWW_OpenURL\t\"http://a.example/\",,-1,0,,,"}));
}

TEST_F(BrowserDdeTest, NetscapesFrameWalkStopsAtSilenceRepeatsZeroAndRefusals) {
    struct Case {
        std::vector<std::string> parents;
        const char* openedIn;
    };
    const Case cases[] = {
        {{"WWW_GetFrameParent 5 id 3", "WWW_GetFrameParent 3 none"}, "3"},
        {{"WWW_GetFrameParent 5 id 3", "WWW_GetFrameParent 3 id 0"}, "3"},
        {{"WWW_GetFrameParent 5 id 5"}, "5"},
        {{"WWW_GetFrameParent 5 id 3", "WWW_GetFrameParent 3 id 5"}, "3"},
        {{"WWW_GetFrameParent 5 refuse"}, "5"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> rules = c.parents;
        rules.push_back("WWW_Activate * id 5");
        StartBrowser("netscape", rules);
        EXPECT_TRUE(Dde().DdeOpenUrl("http://n/", false));
        std::string expected = std::string("WWW_OpenURL\t\"http://n/\",,") + c.openedIn + ",0,,,";
        WaitUntil([&] { return fake->Requests().size() > 1 && fake->Requests().back() == expected; }, 5000);
        EXPECT_EQ(fake->Requests().back(), expected) << c.parents.front();
        fake.reset();
        ::DeleteFileA((folder.Path() + "requests.log").c_str());
    }
}

TEST_F(BrowserDdeTest, AUrlTooLongForAnAtomFallsBackWholeToTheBrowserProgram) {
    StartBrowser(kGeneric, {});
    std::string url = "http://long.example/" + std::string(300, 'p');
    CRecordingMessageBoxes boxes;
    EXPECT_TRUE(OpenUrlInBrowser(Context(), nullptr, url, true));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, "C:\\Browser\\browser.exe");
    EXPECT_EQ(launcher.calls[0].parameters, url);
    EXPECT_TRUE(fake->Requests().empty());
}

// --- the conversation table ----------------------------------------------------------

TEST_F(BrowserDdeTest, SixConversationsAtATimeAndNamesThatFitASlot) {
    StartBrowser(kGeneric, {});
    CDdeClient& client = window.Client();
    std::vector<int> slots;
    for (int i = 0; i < 6; ++i) slots.push_back(client.DdeConnect(kGeneric, "WWW_ListWindows", 0));
    EXPECT_EQ(slots, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(client.SlotState(5), 2);
    EXPECT_EQ(client.DdeConnect(kGeneric, "WWW_ListWindows", 0), -1);
    for (int slot : slots) client.DdeDisconnect(slot);
    EXPECT_EQ(client.DdeConnect(std::string(32, 's'), "WWW_ListWindows", 0), -1);
    EXPECT_EQ(client.DdeConnect(kGeneric, std::string(64, 't'), 0), -1);
    int slot = client.DdeConnect(kGeneric, std::string(63, 't'), 0);
    EXPECT_EQ(slot, 0);
    client.DdeDisconnect(slot);
}

TEST_F(BrowserDdeTest, ABrowserOfAnotherThreadIsNotAccepted) {
    StartBrowser(kGeneric, {});
    CDdeClient& client = window.Client();
    int slot = client.DdeConnect(kGeneric, "WWW_ListWindows", ::GetCurrentThreadId());
    EXPECT_EQ(client.SlotState(slot), 1);
    EXPECT_FALSE(client.DdeRequest(slot, "WWW_ListWindows"));
    client.DdeDisconnect(slot);
}

// --- fetching ----------------------------------------------------------------------

TEST_F(BrowserDdeTest, OperaTitlesAreFetchedWithoutTheirFrame) {
    StartBrowser("opera", {"WWW_GetWindowInfo -1 text \"http://o.example/\",\"Opera - [Home \\\"sweet\\\"]\""});
    PendingFetchWindow pending;
    FetchedPage page;
    EXPECT_TRUE(FetchPage(Context(), nullptr, pending, page));
    EXPECT_EQ(page.url, "http://o.example/");
    EXPECT_EQ(page.title, "Home \"sweet\"");
}

TEST_F(BrowserDdeTest, TheWindowMenuDoublesAmpersandsAndTheChoiceIsUsedOnce) {
    StartBrowser(kGeneric, {"WWW_ListWindows * ids 4 7 8",
                            "WWW_GetWindowInfo 4 text \"http://q.example/\",\"Q&A\"",
                            "WWW_GetWindowInfo 7 text \"http://blank/\",\"\"",
                            "WWW_GetWindowInfo 8 none",
                            "WWW_GetWindowInfo -1 text \"http://front/\",\"Front\""});
    win::UniqueMenu menu(::CreatePopupMenu());
    FetchMenuKind kind = BuildFetchWindowMenu(Context(), menu.Get());
    ASSERT_EQ(kind, FetchMenuKind::kDdeWindows);
    ASSERT_EQ(::GetMenuItemCount(menu.Get()), 1);
    char text[64] = {};
    ::GetMenuStringA(menu.Get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Q&&A");
    UINT chosen = ::GetMenuItemID(menu.Get(), 0);

    PendingFetchWindow pending = ChosenFetchWindow(kind, chosen);
    FetchedPage page;
    ASSERT_TRUE(FetchPage(Context(), nullptr, pending, page));
    EXPECT_EQ(page.title, "Q&A");
    EXPECT_TRUE(pending.Empty());
    ASSERT_TRUE(FetchPage(Context(), nullptr, pending, page));
    EXPECT_EQ(page.title, "Front");
}

TEST_F(BrowserDdeTest, AFetchThatNobodyAnswersNamesTheBrowser) {
    browsers.entries = {{"Navigator", "C:\\nav.exe", "nobodyanswersthis"}};
    browsers.CurrentBrowser = 0;
    CRecordingMessageBoxes boxes{IDOK};
    PendingFetchWindow pending;
    FetchedPage page;
    EXPECT_FALSE(FetchPage(Context(), nullptr, pending, page));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Browser Problem");
    EXPECT_NE(boxes.Shown()[0].text.find("because Navigator isn't open"), std::string::npos);
    EXPECT_EQ(browsersPageShown, 0);
}

TEST_F(BrowserDdeTest, AFetchWithoutABrowserAsksForOne) {
    CRecordingMessageBoxes boxes{IDOK};
    PendingFetchWindow pending;
    FetchedPage page;
    EXPECT_FALSE(FetchPage(Context(), nullptr, pending, page));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "You have not configured a Web browser to work with Vellinor.");
    EXPECT_EQ(browsersPageShown, 1);
}

TEST_F(BrowserDdeTest, AWindowIsFoundByTheStartOfItsTitleOrUrl) {
    StartBrowser(kGeneric, {"WWW_ListWindows * ids 11 12 13",
                            "WWW_GetWindowInfo 11 text \"http://other.example/\",\"Other page\"",
                            "WWW_GetWindowInfo 12 text \"http://found.example/a\",\"Found page\"",
                            "WWW_GetWindowInfo 13 text \"\",\"\""});
    EXPECT_EQ(Dde().DdeFindWindowByTitle("Found", 0), 12);
    EXPECT_EQ(Dde().DdeFindWindowByTitle("http://found.example/abc", 0), 12);
    EXPECT_EQ(Dde().DdeFindWindowByTitle("Nowhere", 0), 13);  // an empty title agrees with anything
}

// --- hostile browsers --------------------------------------------------------------

TEST_F(BrowserDdeTest, HostileRepliesNeitherHangNorLeakAtomsOrMemory) {
    const char* rules[] = {
        "WWW_GetWindowInfo * text \"http://unclosed/ no quote",
        "WWW_GetWindowInfo * big 1048576",
        "WWW_GetWindowInfo * none",
        "WWW_GetWindowInfo * late text \"http://late/\",\"Late\"",
        "WWW_GetWindowInfo * ackreq text \"http://ack/\",\"Ack\"",
        "WWW_GetWindowInfo * refuse",
    };
    // Atoms travel between the processes while messages are under way, so
    // they are only looked for, never taken away to be counted. The names
    // are this run's own (the atom table outlives the processes): none is
    // in the table before, none may be left after.
    const std::string service = kGeneric + std::to_string(::GetCurrentProcessId());
    const std::int32_t windowId = static_cast<std::int32_t>(::GetCurrentProcessId());
    const std::string url = "http://h/" + service;
    const std::vector<std::string> names = {service, "WWW_GetWindowInfo", "WWW_OpenURL",
                                            WindowIdItem(windowId), OpenUrlItem(url, 0)};
    auto atomsLeft = [&] { return AtomsPresent(names); };
    for (const char* rule : rules) {
        StartBrowser(service, {rule, "WWW_OpenURL * id 77"});
        ASSERT_EQ(atomsLeft(), 0);
        std::size_t heapBefore = HeapBytesInUse();

        ULONGLONG start = ::GetTickCount64();
        Dde().DdeGetWindowInfo(windowId);
        EXPECT_LT(::GetTickCount64() - start, 3 * CDdeClient::kReplyTimeoutMs) << rule;
        EXPECT_TRUE(Dde().DdeOpenUrl(url, true));
        // Late answers, refusals and the id WWW_OpenURL sends back arrive
        // after their conversations ended; the message loop takes them in.
        EXPECT_TRUE(WaitUntil([&] { return atomsLeft() == 0; }, 5000)) << rule;
        EXPECT_LT(HeapBytesInUse(), heapBefore + 256 * 1024) << rule;
        fake.reset();
    }
}

TEST_F(BrowserDdeTest, ABrowserThatDiesOrDataFromAStrangerChangeNothing) {
    // (The item atom of the request it dies on is the dead browser's.)
    StartBrowser(kGeneric, {"WWW_GetWindowInfo * die"});
    EXPECT_FALSE(Dde().DdeGetWindowInfo(-1));
    EXPECT_TRUE(fake->Process().WaitForEnd(5000));
    EXPECT_FALSE(Dde().DdeListWindows());

    // A data message from a window that is no server of ours.
    ATOM item = ::GlobalAddAtomA("stranger item");
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 16);
    *static_cast<WORD*>(::GlobalLock(block)) = 0x2000;
    ::GlobalUnlock(block);
    ::PostMessageA(window.Handle(), WM_DDE_DATA, reinterpret_cast<WPARAM>(::GetDesktopWindow()),
                   ::PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(block), item));
    EXPECT_TRUE(WaitUntil([] { return AtomsPresent({"stranger item"}) == 0; }, 5000));
}

}  // namespace
