// Another program's bookmarks taken in and given back: a real bookmark file
// imported through the Import dialog into a new list that opens; a title
// opened in the browser (the fake DDE browser of tests/tools) counts as a
// visit; the browser's page fetched into a new title; titles copied as an
// HTML table; the list exported as a hotlist and as favorites, and both
// imported back.
#include <algorithm>
#include <memory>
#include <utility>

#include "dialogs/import_export_dlg.h"
#include "e2e_journey.h"
#include "model/title_text.h"
#include "resource.h"

namespace e2e {
namespace {

using Lines = std::vector<std::string>;
using Answers = std::vector<std::pair<std::string, int>>;  // a message box's text part, the button

constexpr char kService[] = "vellinore2eexchange";
const std::string kBookmarkFile = VELLINOR_PEERS_DIR "/netscape/perl-nb_netscape-4_Bookmarks.html";

class ExchangeJourney : public Journey {
protected:
    void Start() {
        StartFakeBrowser(kService);
        if (HasFatalFailure()) return;
        WriteFile(Path("Daily.txt"), "<1>News\n<2>Daily\nhttp://one.example/\tOne\n");
        StartProgram({"Daily"}, kViewRegular, [&](CAppSettings& s) {
            s.ListFolder = folder.Path();
            UseFakeBrowser(s, kService);
        });
        ASSERT_TRUE(main);
    }

    HWND OpenDialog(int command, const std::string& caption) const {
        PostCommand(main, command);
        return program->WaitForDialog(caption);
    }
    // Imported through the Import dialog of the List menu into a new list
    // file in the journey's folder, which opens in the main window.
    void Import(int kind, const std::string& source, const std::string& listName, const std::string& picture = {}) {
        const HWND dialog = OpenDialog(ID_IMPORT, "Import URL Collection");
        ASSERT_TRUE(dialog) << program->Windows();
        SelectEntry(Control(dialog, IDC_IMPORT_KIND), kind);
        SetText(dialog, IDC_EXCHANGE_PATH, source);
        SetText(dialog, IDC_NEW_LIST_PATH, Path(listName + ".txt"));
        if (!picture.empty()) Screenshot(dialog, picture);
        ASSERT_TRUE(Press(dialog, IDC_IMPORT_LIST)) << program->Windows();
        ASSERT_TRUE(WaitUntil([&] { return Text(main) == listName + " - Vellinor"; })) << Text(main);
    }
    // The open list written out through the Export dialog, its questions answered.
    void Export(int kind, const std::string& output, const Answers& answers, const std::string& picture = {}) {
        const HWND dialog = OpenDialog(ID_EXPORT, "Export URL List");
        ASSERT_TRUE(dialog) << program->Windows();
        SelectEntry(Control(dialog, IDC_EXPORT_KIND), kind);
        SetText(dialog, IDC_EXCHANGE_PATH, output);
        if (!picture.empty()) Screenshot(dialog, picture);
        ClickButton(dialog, IDC_EXPORT_LIST);
        for (const auto& [part, button] : answers) ASSERT_TRUE(program->Answer(part, button)) << program->Windows();
        ASSERT_TRUE(program->Answer("successfully exported", IDOK)) << program->Windows();
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
    }
};

// What a list holds without its separators.
Lines WithoutSeparators(Lines outline) {
    outline.erase(std::remove_if(outline.begin(), outline.end(),
                                 [](const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }),
                  outline.end());
    return outline;
}

TEST_F(ExchangeJourney, ABookmarkFileComesInIsUsedAndGoesOutAndBackAgain) {
    if (!Exists(kBookmarkFile)) GTEST_SKIP() << kBookmarkFile << " is absent";
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(Import(kNetscapeKind, kBookmarkFile, "Radio", "exchange-import"));
    // Bookmarks outside the folders come first; a rule after a folder is a separator.
    EXPECT_EQ(ListTexts(Box(main, kCategory)), (Lines{"Uncategorized", "Public radio", "Hardware", "", "Diving", "", "Perl"}));
    EXPECT_EQ(ListTexts(Box(main, kSubcategory)), Lines{"Uncategorized"});
    EXPECT_EQ(ListTexts(Box(main, kTitle)), (Lines{"O'Reilly & Associates", "Amazon.com--Earth's Biggest Selection"}));
    Screenshot(main, "exchange-imported");

    // Opened in a new and in the frontmost browser window: visited now.
    const std::string visited = ControlText(main, IDC_LAST_VISITED);
    Command(main, ID_OPEN_IN_NEW_WINDOW);
    Command(main, ID_OPEN_IN_FRONTMOST_WINDOW);
    ASSERT_TRUE(WaitUntil([&] { return fake->Requests().size() >= 3; }));
    EXPECT_EQ(fake->Requests(), (Lines{"WWW_OpenURL\t\"http://www.oreilly.com/\",,0,0,,,", "WWW_Activate\t-1,0",
                                       "WWW_OpenURL\t\"http://www.oreilly.com/\",,-1,0,,,"}));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(main, IDC_LAST_VISITED) != visited; })) << visited;
    Screenshot(main, "exchange-visited");

    // The browser's page becomes a new title in the Organize view, confirmed
    // with Enter; going there saves the visits first.
    PostCommand(main, IDC_FETCH);
    ASSERT_TRUE(program->Answer("to URL list 'Radio' before continuing", IDYES));
    EXPECT_GT(LastVisited(TitleText(Path("Radio.txt"), "http://www.oreilly.com/")), 938494469) << "the file's visit";
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, IDC_TITLE_NAME) == "Fetched Page"; })) << program->Windows();
    EXPECT_EQ(ControlText(main, IDC_URL), "http://fetched.example/");
    PressKey(NameField(main, kTitle), VK_RETURN);
    const HWND titles = Box(main, kTitle);
    ASSERT_TRUE(WaitUntil([&] { return ListTexts(titles).size() == 3; }));
    EXPECT_EQ(ListTexts(titles).back(), "Fetched Page");

    // Two titles marked and copied as an HTML table, in marking order.
    ClickEntry(titles, 2, MK_CONTROL);
    ClickEntry(titles, 0, MK_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, IDC_STATUS_LINE).find("Marked: 2 titles") != std::string::npos; }))
        << ControlText(main, IDC_STATUS_LINE);
    Command(main, ID_COPY_MARKED_HTML_TABLE);
    EXPECT_NE(Clipboard("HTML Format")
                  .find("<table>\r\n<tr><td><a href=\"http://fetched.example/\">Fetched Page</a></td></tr>\r\n"
                        "<tr><td><a href=\"http://www.oreilly.com/\">O'Reilly & Associates</a></td></tr>\r\n</table>\r\n"),
              std::string::npos)
        << Clipboard("HTML Format");

    const long long before = FileSize(Path("Radio.txt"));
    ASSERT_TRUE(Chord(main, {VK_CONTROL, 'S'}));
    ASSERT_TRUE(WaitUntil([&] { return FileSize(Path("Radio.txt")) != before; }));

    ASSERT_NO_FATAL_FAILURE(Export(kOperaKind, Path("radio.adr"), {}, "exchange-export"));
    ASSERT_NO_FATAL_FAILURE(Export(kFavoritesKind, Path("Favorites"),
                                   {{"Do you want to create it?", IDYES}, {"existing favorites may be overwritten", IDOK}}));
    ASSERT_NO_FATAL_FAILURE(Import(kOperaKind, Path("radio.adr"), "Hotlist"));
    ASSERT_NO_FATAL_FAILURE(Import(kFavoritesKind, Path("Favorites"), "Favorites"));
    EXPECT_TRUE(program->Close());

    // A hotlist has no separators; everything else comes back, visits and
    // notes included.
    EXPECT_EQ(Outline(Path("Hotlist.txt"), true), WithoutSeparators(Outline(Path("Radio.txt"), true)));
    // Favorites are folders and shortcut files: no separators, no order but
    // the names' (so the bookmarks outside the folders come last), and a file
    // name cannot hold "|".
    EXPECT_EQ(Outline(Path("Favorites.txt")),
              (Lines{"Diving", " Uncategorized", "  Global Underwater Explorers", "  Halcyon",
                     "Hardware", " Uncategorized", "  Cisco Connection Online by Cisco Systems, Inc.",
                     "Perl", " Uncategorized", "  O'Reilly & Associates", "  Perl Mongers", "  Welcome to Stonehenge!",
                     "Public radio", " Uncategorized", "  From WBEZ in Chicago   This American Life", "  NPR Online",
                     "Uncategorized", " Uncategorized", "  Amazon.com--Earth's Biggest Selection", "  Fetched Page",
                     "  O'Reilly & Associates"}));
    const CAppSettings stored = StoredSettings();
    Lines lists;
    for (const ListEntry& entry : stored.Lists.entries) lists.push_back(entry.name);
    EXPECT_EQ(lists, (Lines{"Daily", "Radio", "Hotlist", "Favorites"}));
    EXPECT_EQ(stored.Lists.CurrentList, 3);
    EXPECT_EQ(stored.BookmarkFilePath, kBookmarkFile);
}

}  // namespace
}  // namespace e2e
