// Opening targets of every kind through the launcher seam, the folder
// routine, and one real program start.
#include <gtest/gtest.h>

#include "browser/browser_host.h"
#include "browser/win32/ensure_folder.h"
#include "browser/win32/open_target.h"
#include "browser_test_support.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"

using namespace browser_test;

namespace {

class BrowserOpenTest : public ::testing::Test {
protected:
    BrowserOpenTest() {
        browsers.entries = {{"Plain", "C:\\Browser\\plain.exe", ""}};
        browsers.CurrentBrowser = 0;
    }
    BrowserContext Context() {
        BrowserContext context{browsers, nullptr, &launcher};
        context.showBrowsersPage = [this](HWND) { ++browsersPageShown; };
        return context;
    }
    bool Open(const std::string& target, bool folderOnly = false, bool explore = false) {
        return OpenTarget(Context(), nullptr, {target, WindowChoice::kDefault, folderOnly, explore});
    }
    void Touch(const std::string& name) {
        HANDLE file = ::CreateFileA((folder.Path() + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(file);
    }

    registry_test::ScratchFolder folder;
    BrowserTable browsers;
    CRecordingLauncher launcher;
    int browsersPageShown = 0;
};

TEST_F(BrowserOpenTest, NoBrowserConfiguredAsksForOneAndStartsNothing) {
    browsers = {};
    CRecordingMessageBoxes boxes{IDOK};
    EXPECT_FALSE(Open("http://a.example/"));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "You have not configured a Web browser to work with Vellinor.");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kExclamation);
    EXPECT_EQ(browsersPageShown, 1);
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(BrowserOpenTest, ABrowserWithoutDdeIsStartedWithTheUrlAndAFailureIsReportedTwice) {
    EXPECT_TRUE(Open("http://a.example/x y"));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].verb, "open");
    EXPECT_EQ(launcher.calls[0].file, "C:\\Browser\\plain.exe");
    EXPECT_EQ(launcher.calls[0].parameters, "\"http://a.example/x y\"");

    launcher.answer = {false, ERROR_FILE_NOT_FOUND};
    CRecordingMessageBoxes boxes{IDOK, IDOK};
    EXPECT_FALSE(Open("http://a.example/"));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text.rfind("Sorry, Windows cannot open the required application:\n", 0), 0u);
    EXPECT_EQ(boxes.Shown()[1].text, "There was a problem opening the selected Web browser. Please check the path name.");
    EXPECT_EQ(browsersPageShown, 1);
}

TEST_F(BrowserOpenTest, MailLinksDocumentsAndProgramsGoToTheShell) {
    Touch("grab.exe");
    ::CreateDirectoryA((folder.Path() + "App Dir").c_str(), nullptr);
    Touch("App Dir\\app.exe");
    Touch("plan.txt");
    struct Case {
        std::string target;
        std::string file;
        std::string parameters;
    };
    const Case cases[] = {
        {"mailto:someone@example.com", "mailto:someone@example.com", ""},
        {"HTTP://CAPITALS.EXAMPLE/", "HTTP://CAPITALS.EXAMPLE/", ""},
        {folder.Path() + "grab.exe -all", folder.Path() + "grab.exe", "-all"},
        {folder.Path() + "App Dir\\app.exe", folder.Path() + "App Dir\\app.exe", ""},
        {folder.Path() + "plan.txt", folder.Path() + "plan.txt", ""},
        {folder.Path() + "plan.txt --with arguments", folder.Path() + "plan.txt", "--with arguments"},
    };
    for (const Case& c : cases) {
        launcher.calls.clear();
        EXPECT_TRUE(Open(c.target)) << c.target;
        ASSERT_EQ(launcher.calls.size(), 1u) << c.target;
        EXPECT_EQ(launcher.calls[0].kind, "shell");
        EXPECT_EQ(launcher.calls[0].file, c.file);
        EXPECT_EQ(launcher.calls[0].parameters, c.parameters);
    }
    // A document's own folder is the working folder.
    EXPECT_EQ(launcher.calls[0].directory, folder.Path());
}

TEST_F(BrowserOpenTest, WildcardsOpenTheGreatestFileAndNoMatchIsAlwaysReported) {
    Touch("sales-2006.xls");
    Touch("sales-2007.xls");
    ::CreateDirectoryA((folder.Path() + "sales-2099.xls").c_str(), nullptr);
    EXPECT_TRUE(Open(folder.Path() + "sales-*.xls"));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].file, folder.Path() + "sales-2007.xls");

    CRecordingMessageBoxes boxes{IDOK, IDOK};
    EXPECT_FALSE(OpenDocument(launcher, nullptr, folder.Path() + "none-*.xls", false, false));
    EXPECT_FALSE(OpenDocument(launcher, nullptr, folder.Path() + "sales-20?9.xls", false, false));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, "File Error");
    EXPECT_EQ(boxes.Shown()[0].text, "Sorry, no document matches the path name given.");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kStop);
}

TEST_F(BrowserOpenTest, OpenFolderOpensTheContainingFolderOrSaysItIsMissing) {
    Touch("plan.txt");
    EXPECT_TRUE(Open(folder.Path() + "plan.txt", true, true));
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].verb, "explore");
    EXPECT_EQ(launcher.calls[0].file, folder.Path());

    CRecordingMessageBoxes boxes{IDOK, IDOK};
    EXPECT_FALSE(Open(folder.Path() + "Gone\\plan.txt", true));
    EXPECT_FALSE(Open("Q:\\Gone\\plan.txt", true));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Folder doesn't exist");
    EXPECT_EQ(boxes.Shown()[0].text, "Sorry, but this folder doesn't exist:\n" + folder.Path() + "Gone\\");
    EXPECT_EQ(boxes.Shown()[1].text, "Sorry, but this folder doesn't exist:\nQ:\\Gone\\");
    EXPECT_EQ(launcher.calls.size(), 1u);
}

TEST_F(BrowserOpenTest, HostileTargetsGetTheStartMessageFromTheRealShell) {
    // Nothing here exists, so the system's launcher starts nothing.
    const std::string targets[] = {
        "\"C:\\No Such Folder\\tool.exe\" -q",
        "C:\\No Such Folder\\tool.exe -q \"quoted\"",
        "C:\\" + std::string(10000, 'x'),
        "Q:\\missing drive\\app.exe /x",
    };
    for (const std::string& target : targets) {
        CRecordingMessageBoxes boxes{IDOK};
        EXPECT_FALSE(OpenTarget(BrowserContext{browsers}, nullptr, {target})) << target.substr(0, 40);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "Problem");
        EXPECT_EQ(boxes.Shown()[0].text.rfind("Sorry, Windows cannot open the required application:\n", 0), 0u);
    }
}

TEST_F(BrowserOpenTest, EnsureFolderAsksForEachMissingFolderFromTheDeepest) {
    std::string root = folder.Path();
    // Drive D: for the scratch folder when the system lets the test map it.
    bool mapped = ::DefineDosDeviceA(0, "D:", root.substr(0, root.size() - 1).c_str()) &&
                  ::GetFileAttributesA("D:\\") != INVALID_FILE_ATTRIBUTES;
    std::string base = mapped ? "D:\\" : root;
    CRecordingMessageBoxes boxes{IDYES, IDYES, IDYES};
    std::string created;
    EXPECT_TRUE(EnsureFolder(nullptr, created, base + "A\\B\\C\\", false, true, true));
    EXPECT_EQ(created, base + "A\\B\\C\\");
    ASSERT_EQ(boxes.Shown().size(), 3u);
    const char* asked[] = {"A\\B\\C\\", "A\\B\\", "A\\"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes.Shown()[i].caption, "Create folder?");
        EXPECT_EQ(boxes.Shown()[i].text, "This folder doesn't exist. Do you want to create it?\n" + base + asked[i]);
    }
    EXPECT_NE(::GetFileAttributesA((root + "A\\B\\C").c_str()), INVALID_FILE_ATTRIBUTES);
    if (mapped) ::DefineDosDeviceA(DDD_REMOVE_DEFINITION, "D:", nullptr);
}

TEST_F(BrowserOpenTest, TheLastVisitedTimeChangesOnlyWhenTheTitleOpened) {
    struct FixedClock final : platform::Clock {
        std::int64_t Now() const override { return 1234567890; }
    } clock;
    ListEnvironment environment;
    environment.clock = &clock;
    CUrlListFile list(environment);
    ASSERT_EQ(list.AddItem(kCategory, "Web", "Web"), 0);
    list.Select(kCategory, 0);
    ASSERT_EQ(list.AddItem(kSubcategory, "Sites", "Sites"), 0);
    list.Select(kSubcategory, 0);
    ASSERT_EQ(list.AddItem(kTitle, ComposeTitleText("http://t.example/", "T", 0, "", "", 0), "T"), 0);
    int item = list.ItemAt(kTitle, 0);

    launcher.answer = {false, ERROR_FILE_NOT_FOUND};
    CRecordingMessageBoxes boxes{IDOK, IDOK};
    EXPECT_FALSE(OpenListTitle(Context(), nullptr, list, item, {}));
    EXPECT_EQ(LastVisited(list.ItemText(item)), 0);
    launcher.answer = {true, 0};
    EXPECT_TRUE(OpenListTitle(Context(), nullptr, list, item, {}));
    EXPECT_EQ(LastVisited(list.ItemText(item)), 1234567890);
    EXPECT_EQ(launcher.calls.back().parameters, "http://t.example/");
}

TEST_F(BrowserOpenTest, StartProgramStartsARealProgramInItsOwnFolder) {
    std::string output = folder.Path() + "args.txt";
    ASSERT_TRUE(StartProgram(SystemLauncher(), nullptr, ProgramFolder() + "write_args.exe",
                             "\"" + output + "\" -all \"two words\"", true));
    auto written = [&] { return ReadLines(output).size() >= 3; };
    ASSERT_TRUE(WaitUntil(written, 15000));
    std::vector<std::string> lines = ReadLines(output);
    std::string programFolder = ProgramFolder();
    EXPECT_EQ(lines[0] + "\\", programFolder);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
              (std::vector<std::string>{"-all", "two words"}));
}

TEST(BrowserHostTest, UnderWineAUrlOpensInTheLinuxDesktopsBrowser) {
    std::optional<BrowserEntry> desktop = OsBrowserHost().DesktopBrowser();
    if (!::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version")) {
        EXPECT_FALSE(desktop);
        return;
    }
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->name, "Default Linux browser");
    // The test prefix hands the desktop's URLs to a script that logs them.
    char log[MAX_PATH] = {};
    if (!::GetEnvironmentVariableA("VELLINOR_BROWSER_LOG", log, MAX_PATH))
        GTEST_SKIP() << "VELLINOR_BROWSER_LOG is not set (see scripts/wine-env)";
    std::string logPath = std::string("Z:") + log;
    BrowserTable browsers;
    browsers.entries = {*desktop};
    browsers.CurrentBrowser = 0;
    std::string url = "http://desktop.example/" + std::to_string(::GetTickCount64());
    EXPECT_TRUE(OpenUrlInBrowser(BrowserContext(browsers), nullptr, url, true));
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(logPath).find(url) != std::string::npos; }, 15000));
}

}  // namespace
