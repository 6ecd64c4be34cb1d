// The List menu's cleanup commands through the main window: marking and
// merging duplicate URLs, and checking the links of a list against a server
// on the loopback address, with the progress and summary dialogs driven as a
// user would (pictures of both are saved for a person to look at).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "loopback_http_server.h"
#include "main_window_fixture.h"
#include "model/title_text.h"
#include "recording_help_viewer.h"
#include "recording_message_boxes.h"
#include "window_picture.h"
#include "win/window_text.h"

namespace {

using Driver = CDialogDriver;

// "a" three times (the second written differently), "b" twice.
constexpr char kDuplicates[] =
    "<1>News\r\n"
    "\t<2>Daily\r\n"
    "\t\thttp://example.com/a\tAlpha\r\n"
    "\t\thttp://EXAMPLE.com:80/a\tAlpha again\r\n"
    "\t\thttp://example.com/b\tBravo\r\n"
    "\t<2>Weekly\r\n"
    "\t\thttp://example.com/b\tBravo again\r\n"
    "\t\thttp://example.com/a\tAlpha third\r\n"
    "\t\thttp://example.com/c\tCharlie\r\n";

// In alphabetical order.
std::vector<std::string> MarkedNames(const CUrlListFile& list) {
    std::vector<std::string> names;
    for (const std::uint16_t item : list.Marks()) names.emplace_back(list.DisplayName(item));
    std::sort(names.begin(), names.end());
    return names;
}

int AliasCount(const CUrlListFile& list) {
    int aliases = 0;
    for (int item = list.First(); item != 0; item = list.Next(item))
        if (list.Item(item).Has(ItemFlags::kAlias)) ++aliases;
    return aliases;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

class DuplicatesTest : public MainWindowFixture {
protected:
    DuplicatesTest() : MainWindowFixture(kDuplicates) { host_.startCategory = 0; }

    // Another list in memory, holding the URLs of Bravo and Charlie.
    void GiveOtherList() {
        const std::string path = host_.ListPath() + ".other";
        std::ofstream(path, std::ios::binary) << "<1>Shop\r\n\t<2>Books\r\n\t\thttp://example.com/c\tC\r\n"
                                                 "\t\thttp://example.com/b\tB\r\n";
        auto other = std::make_unique<CUrlListFile>(ListEnvironment{
            &platform::OsFileSystem(), &platform::AnsiCodePage(), &host_.clock, nullptr});
        ASSERT_GE(other->Load(path), 0);
        ::DeleteFileA(path.c_str());
        host_.GiveOtherList(std::move(other));
    }
};

TEST_F(DuplicatesTest, MarkingTakesLaterOccurrencesOrWhatTheOtherListHolds) {
    struct Case {
        bool otherList;
        std::vector<int> answers;  // to which duplicates (asked when there is another list), to the message
        std::vector<std::string> marked;
        const char* status;   // the end of the status line
        const char* message;  // a part of the message's text, null: none
    };
    const std::vector<std::string> later = {"Alpha again", "Alpha third", "Bravo again"};
    const Case cases[] = {
        {false, {IDOK}, later, "Duplicate URLs: 3 found, 3 marked.", "2 URL(s) occur more than once in list"},
        {true, {IDNO, IDOK}, later, "Duplicate URLs: 3 found, 3 marked.", "3 later occurrence(s) are now marked"},
        {true, {IDYES, IDOK}, {"Bravo", "Bravo again", "Charlie"}, "holds: 3 marked.", "3 title(s) of list"},
        {true, {IDCANCEL}, {}, nullptr, nullptr},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::PrintToString(test.answers));
        host_.CurrentList().ClearMarks();
        if (test.otherList) GiveOtherList();
        auto window = Open(kViewOrganize);
        ASSERT_TRUE(window) << ::GetLastError();
        CRecordingMessageBoxes boxes(test.answers);
        Command(*window, ID_MARK_DUPLICATE_URLS);
        EXPECT_EQ(MarkedNames(host_.CurrentList()), test.marked);
        if (test.message) {
            EXPECT_TRUE(Contains(boxes.Shown().back().text, test.message)) << boxes.Shown().back().text;
            const std::string status = Text(*window, IDC_STATUS_LINE);
            EXPECT_TRUE(Contains(status, test.status)) << status;
        }
        EXPECT_FALSE(host_.CurrentList().IsModified());
        host_.DiscardOtherList();
    }
}

TEST_F(DuplicatesTest, MergeMakesAliasesThatRevertUndoes) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    const std::string before = FileText();
    {
        CRecordingMessageBoxes boxes{IDOK};
        Command(*window, ID_MERGE_DUPLICATES);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "Duplicates Merged");
        EXPECT_TRUE(Contains(boxes.Shown()[0].text, "3 later occurrence(s) are now aliases")) << boxes.Shown()[0].text;
        EXPECT_TRUE(Contains(boxes.Shown()[0].text, "choose Revert from the List menu"));
    }
    EXPECT_EQ(AliasCount(host_.CurrentList()), 3);
    EXPECT_EQ(Text(*window, IDC_STATUS_LINE), "Duplicate URLs: 3 merged into aliases (Revert undoes it).");
    EXPECT_EQ(Count(*window, IDC_TITLE_LIST), 3);  // the places are kept

    CRecordingMessageBoxes discard{IDYES};
    Command(*window, ID_REVERT);
    EXPECT_EQ(AliasCount(host_.CurrentList()), 0);
    EXPECT_FALSE(host_.CurrentList().IsModified());
    EXPECT_EQ(FileText(), before);
}

TEST_F(DuplicatesTest, CommandsAreInTheListMenu) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    const HMENU menu = ::GetMenu(window->Handle());
    for (const UINT id : {ID_MARK_DUPLICATE_URLS, ID_MERGE_DUPLICATES, ID_CHECK_LINKS})
        EXPECT_EQ(::GetMenuState(menu, id, MF_BYCOMMAND), static_cast<UINT>(MF_ENABLED)) << id;
}

// --- checking links -------------------------------------------------------------------

class LinkCheckTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server_.Started()); }

    // The window over a list with a title per path of the server, in order,
    // named after the path, then two titles that are not Web links.
    std::unique_ptr<CMainDlg> OpenWith(std::initializer_list<const char*> paths, int timeoutMs) {
        std::string text = "<1>Links\r\n\t<2>All\r\n";
        for (const char* path : paths) text += "\t\t" + server_.Url(path) + "\t" + (path + 1) + "\r\n";
        host_.emplace(text + "\t\tmailto:someone@example.com\tMail\r\n\t\tC:\\notes.txt\tNotes\r\n");
        host_->startCategory = 0;
        host_->linkChecking.timeoutMs = timeoutMs;
        return host_->OpenWindow(kViewOrganize, SW_SHOWNOACTIVATE);
    }
    CUrlListFile& List() { return host_->CurrentList(); }
    std::string UrlOf(const std::string& name) {
        for (int item = List().First(); item != 0; item = List().Next(item))
            if (List().DisplayName(item) == name) return std::string(TitleUrl(List().ItemText(item)));
        return {};
    }
    // Check Links, with `script` acting in its dialogs.
    static void CheckLinks(CMainDlg& window, std::vector<Driver::Step> script) {
        Driver driver(std::move(script));
        driver.ServeEveryOwner();
        ::SendMessageA(window.Handle(), WM_COMMAND, ID_CHECK_LINKS, 0);
    }
    // The summary's lines, cell by cell.
    static std::vector<std::vector<std::string>> Rows(HWND dialog) {
        const HWND list = ::GetDlgItem(dialog, IDC_LINK_SUMMARY_LIST);
        std::vector<std::vector<std::string>> rows;
        const auto count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            rows.emplace_back();
            for (int cell = 0; cell < 3; ++cell) {
                char text[512] = {};
                LVITEMA item{};
                item.iSubItem = cell;
                item.pszText = text;
                item.cchTextMax = sizeof text;
                ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
                rows.back().emplace_back(text);
            }
        }
        return rows;
    }

    LoopbackHttpServer server_;
    std::optional<CFakeHost> host_;
};

TEST_F(LinkCheckTest, SummaryListsDeadAndMovedLinksAndUpdatesMovedOnesOnlyWhenAsked) {
    for (const bool update : {false, true}) {
        SCOPED_TRACE(update);
        auto window = OpenWith({"/ok", "/moved", "/missing", "/no-head", "/slow"}, 1000);
        ASSERT_TRUE(window);
        const std::string movedUrl = UrlOf("moved");
        CRecordingHelpViewer help;
        CRecordingMessageBoxes boxes;
        std::string summary;
        std::vector<std::vector<std::string>> rows;
        CheckLinks(*window, {Driver::Await([](HWND dialog) { return ::GetDlgItem(dialog, IDC_LINK_SUMMARY_LIST); }),
                             Driver::Picture("link_check_summary"),
                             [&](HWND dialog) {
                                 summary = win::WindowText(::GetDlgItem(dialog, IDC_LINK_SUMMARY_TEXT));
                                 rows = Rows(dialog);
                             },
                             Driver::Click(IDHELP), Driver::Click(update ? IDC_UPDATE_MOVED : IDOK)});
        EXPECT_TRUE(Contains(summary, "5 links checked: 2 dead (now marked), 1 moved, 2 fine, 0 unclear")) << summary;
        EXPECT_TRUE(Contains(summary, "2 URL(s) skipped")) << summary;
        const std::vector<std::vector<std::string>> expected = {
            {"moved", movedUrl, "Moved to " + server_.Url("/ok")},
            {"missing", UrlOf("missing"), "gone (404)"},
            {"slow", UrlOf("slow"), "timed out"},
        };
        EXPECT_EQ(rows, expected);
        EXPECT_EQ(help.Topics(), std::vector<std::string>{help_topic::kCleanup});
        EXPECT_EQ(MarkedNames(List()), (std::vector<std::string>{"missing", "slow"}));
        EXPECT_EQ(UrlOf("moved"), update ? server_.Url("/ok") : movedUrl);
        EXPECT_EQ(List().IsModified(), update);
        EXPECT_EQ(win::WindowText(::GetDlgItem(window->Handle(), IDC_STATUS_LINE)),
                  std::string("Links checked: 2 dead (marked), 1 moved (") + (update ? "1" : "0") +
                      " updated), 2 skipped.");
    }
}

TEST_F(LinkCheckTest, CancelInTheMiddleReturnsAtOnceWithNothingChanged) {
    constexpr int kTimeoutMs = 20000;
    auto window = OpenWith({"/ok", "/ok", "/slow", "/slow", "/slow", "/slow", "/slow", "/slow"}, kTimeoutMs);
    ASSERT_TRUE(window);
    CRecordingMessageBoxes boxes;
    ULONGLONG cancelledAt = 0;
    CheckLinks(*window, {Driver::Await([](HWND dialog) {
                             return win::WindowText(::GetDlgItem(dialog, IDC_LINK_PROGRESS_TEXT)) ==
                                    "Checked 2 of 8 links ...";
                         }),
                         Driver::Picture("link_check_progress"),
                         [&](HWND dialog) {
                             cancelledAt = ::GetTickCount64();
                             Driver::Click(IDCANCEL)(dialog);
                         }});
    // The requests waiting for the silent server end with the cancel, long
    // before their time is up.
    EXPECT_LT(::GetTickCount64() - cancelledAt, static_cast<ULONGLONG>(kTimeoutMs / 2));
    EXPECT_EQ(List().MarkCount(), 0);
    EXPECT_FALSE(List().IsModified());
    EXPECT_EQ(win::WindowText(::GetDlgItem(window->Handle(), IDC_STATUS_LINE)), "Link check cancelled: nothing changed.");
}

TEST_F(LinkCheckTest, MarkedTitlesWithoutWebLinksAreSkippedAndCounted) {
    auto window = OpenWith({"/ok"}, 1000);
    ASSERT_TRUE(window);
    ASSERT_EQ(List().MarkRange(kTitle, 1, 2, 1), kTitle);  // Mail and Notes
    CRecordingMessageBoxes boxes{IDOK};
    CheckLinks(*window, {});
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(Contains(boxes.Shown()[0].text, "There are no http or https URLs to check")) << boxes.Shown()[0].text;
    EXPECT_TRUE(Contains(boxes.Shown()[0].text, "2 other URL(s) skipped."));
}
