// The Import and Export dialogs over the running application: each kind
// read into a new list that joins the List menu and opens, each kind
// written, the proposed sources, importing over the open list, and bad
// input that ends in a message with nothing changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "dialog_driver.h"
#include "dialogs/import_export_dlg.h"
#include "prefs_test_support.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "test_files.h"
#include "window_picture.h"
#include "win/window_text.h"

namespace {

using Driver = CDialogDriver;
namespace fs = std::filesystem;

const char kListA[] = "<1>Alpha\n<2>One\nhttp://a/1\tA1\n";
const char kListB[] = "<1>Gamma\n<2>Three\nhttp://b/3\tB3\n";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

using test_files::FileNames;
using test_files::ReadFile;
using test_files::WriteFile;

std::string Shortcut(const std::string& url) { return "[InternetShortcut]\r\nURL=" + url + "\r\n"; }

// A filing cabinet holding one favorite place outside any folder.
std::string OnePlaceCabinet(const std::string& name, const std::string& url) {
    auto put = [](std::string& bytes, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    std::string file(68, '\0');  // header, table header at 32, table of two records at 56
    file.replace(0, 8, "AOLVM100");
    put(file, 16, 32);
    put(file, 32, 0x00015352);
    put(file, 56, 68);
    put(file, 60, 198);
    std::string record(130, '\0');
    record[8] = 2;
    record.replace(26, name.size(), name);
    put(record, 126, 1);
    std::string data(8, '\0');
    data[4] = static_cast<char>(url.size());
    return file + record + data + url + '\0';
}

const char kChromium[] =
    R"({"roots":{"bookmark_bar":{"type":"folder","name":"Bookmarks bar","children":[)"
    R"({"type":"url","name":"Chromium title","url":"http://c.example/"}]},)"
    R"("other":{"type":"folder","name":"Other","children":[]},"synced":{"type":"folder","name":"Mobile","children":[]}},"version":1})";
const char kFirefox[] =
    R"({"title":"","type":"text/x-moz-place-container","root":"placesRoot","children":[)"
    R"({"title":"menu","type":"text/x-moz-place-container","root":"bookmarksMenuFolder","children":[)"
    R"({"title":"Firefox title","type":"text/x-moz-place","uri":"http://f.example/"}]}]})";

// Steps on the dialog.
Driver::Step ChooseKind(int combo, int kind) {
    return [combo, kind](HWND dialog) {
        ::SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, combo)));
    };
}

std::string Text(HWND dialog, int id) { return win::WindowText(::GetDlgItem(dialog, id)); }

class ImportExportTest : public AppFixture {
protected:
    ImportExportTest() {
        pathA = WriteList("A", kListA);
        pathB = WriteList("B", kListB);
        auto shellFolders = registry.Create(store::Root::kCurrentUser, kShellFolders);
        for (const char* name : {"Favorites", "AppData", "Programs", "Local AppData"})
            shellFolders->WriteText(name, folder.Path() + "shell\\" + name);
        started = StoreSettings({{"A", pathA}, {"B", pathB}}, 0,
                                [this](CAppSettings& s) { s.ListFolder = folder.Path(); }) &&
                  StartApp(Environment()) && app->MainWindow();
    }

    INT_PTR Run(UINT templateId, int listIndex, std::vector<Driver::Step> script) {
        Driver driver(std::move(script));
        CImportExportDlg dialog(*app, driver.Owner(), templateId);
        const INT_PTR result = dialog.Run(listIndex);
        resultName = dialog.ResultName();
        resultPath = dialog.ResultPath();
        return result;
    }
    INT_PTR Import(int kind, const std::string& source, const std::string& target) {
        return Run(IDD_IMPORT, -1,
                   {ChooseKind(IDC_IMPORT_KIND, kind), Driver::SetText(IDC_EXCHANGE_PATH, source),
                    Driver::SetText(IDC_NEW_LIST_PATH, target), Driver::Click(IDC_IMPORT_LIST)});
    }
    // The titles of the open list.
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        const CUrlListFile& list = app->CurrentList();
        for (int item = list.First(); item != 0; item = list.Next(item))
            if (list.Level(item) == kTitle) titles.emplace_back(list.DisplayName(item));
        return titles;
    }

    std::string pathA;
    std::string pathB;
    bool started = false;
    std::string resultName;
    std::string resultPath;
};

TEST_F(ImportExportTest, EachKindImportsIntoANewListThatJoinsTheListMenuAndOpens) {
    ASSERT_TRUE(started);
    const std::string peers = VELLINOR_PEERS_DIR;
    struct Case {
        int kind;
        std::string source;  // empty: the proposed one
        std::string bytes;   // written to the source; empty: a real file of another program
        std::string title;   // a title of the new list; empty: any
    };
    const std::string favorites = folder.Path() + "shell\\Favorites\\";
    WriteFile(favorites + "Links\\Tools\\a.url", Shortcut("http://fav.example/"));
    WriteFile(folder.Path() + "shell\\Programs\\Tools\\tool.url", Shortcut("C:\\tool.exe"));
    const Case cases[] = {
        {kFavoritesKind, "", "", "a"},
        {kNetscapeKind, peers + "/netscape/perl-nb_netscape-4_Bookmarks.html", "", ""},
        {kOperaKind, peers + "/opera/whilp_opera-9.00-unix_opera6.adr", "", ""},
        {kAolKind, Path("places.pfc"), OnePlaceCabinet("Home", "http://aol.example/"), "Home"},
        {kStartMenuKind, "", "", "tool"},
        {kChromiumKind, Path("Bookmarks"), kChromium, "Chromium title"},
        {kFirefoxJsonKind, Path("backup.json"), kFirefox, "Firefox title"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        if (!c.bytes.empty()) WriteFile(c.source, c.bytes);
        if (!c.source.empty() && !fs::exists(c.source)) {
            std::cout << "skipped kind " << c.kind << ": " << c.source << " is absent\n";
            continue;
        }
        CRecordingMessageBoxes boxes;
        const std::string target = Path("Kind " + std::to_string(c.kind) + ".imported.txt");
        std::vector<Driver::Step> script = {ChooseKind(IDC_IMPORT_KIND, c.kind), Driver::SetText(IDC_NEW_LIST_PATH, target)};
        if (!c.source.empty()) script.push_back(Driver::SetText(IDC_EXCHANGE_PATH, c.source));
        script.push_back(Driver::Click(IDC_IMPORT_LIST));
        ASSERT_EQ(Run(IDD_IMPORT, -1, script), IDOK);
        EXPECT_EQ(resultName, "Kind " + std::to_string(c.kind));  // up to the first dot
        EXPECT_EQ(resultPath, target);

        app->MainWindow()->OpenImportedList(resultName, resultPath);
        const ListTable& lists = app->Settings().Lists;
        EXPECT_EQ(lists.Entry(lists.CurrentList).name, resultName);
        EXPECT_TRUE(app->CurrentList().IsSameFile(target));
        const std::vector<std::string> titles = Titles();
        if (c.title.empty())
            EXPECT_FALSE(titles.empty());
        else
            EXPECT_NE(std::find(titles.begin(), titles.end(), c.title), titles.end());
    }
    if (fs::exists(cases[1].source)) {  // the bookmark file read remembers where it was
        EXPECT_EQ(app->Settings().BookmarkFilePath, cases[1].source);
    }
}

TEST_F(ImportExportTest, ProposedSourcesAndNewListsFollowTheKindAndTheBrowser) {
    ASSERT_TRUE(started);
    const std::string shell = folder.Path() + "shell\\";
    const std::string expected[] = {
        shell + "Favorites",
        shell + "AppData\\Mozilla\\Profiles\\",
        shell + "AppData\\Opera\\Opera7\\profile\\opera6.adr",
        "",
        shell + "Programs",
        shell + "Local AppData\\Google\\Chrome\\User Data\\Default\\Bookmarks",
        "",
    };
    const char* lists[] = {"IE Favorites.txt", "Netscape Bookmarks.txt", "Opera Hotlist.txt", "AOL Favorites.txt",
                           "Start Menu.txt", "Chrome Bookmarks.txt", "Firefox Bookmarks.txt"};
    std::vector<Driver::Step> script;
    for (int kind = 0; kind < 7; ++kind) {
        script.push_back(ChooseKind(IDC_IMPORT_KIND, kind));
        script.push_back([&, kind](HWND dialog) {
            EXPECT_EQ(Text(dialog, IDC_EXCHANGE_PATH), expected[kind]) << kind;
            EXPECT_EQ(Text(dialog, IDC_NEW_LIST_PATH), folder.Path() + lists[kind]) << kind;
        });
    }
    script.push_back([](HWND dialog) { SaveWindowPicture(dialog, "import_dialog"); });
    script.push_back(Driver::Click(IDCANCEL));
    EXPECT_EQ(Run(IDD_IMPORT, -1, script), IDCANCEL);

    // The browser decides the first kind; a bookmark file used before is proposed again.
    app->Settings().BookmarkFilePath = "C:\\Old\\bookmarks.html";
    struct Browser {
        const char* dde;
        int kind;
    };
    for (const Browser& browser : {Browser{"netscape6", kNetscapeKind}, Browser{"opera", kOperaKind},
                                   Browser{"iexplore", kFavoritesKind}}) {
        app->Settings().Browsers.entries = {{"B", "C:\\b.exe", browser.dde}};
        app->Settings().Browsers.CurrentBrowser = 0;
        for (UINT templateId : {IDD_IMPORT, IDD_EXPORT}) {
            const int combo = templateId == IDD_IMPORT ? IDC_IMPORT_KIND : IDC_EXPORT_KIND;
            Run(templateId, 0,
                {[&](HWND dialog) {
                     EXPECT_EQ(::SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0), browser.kind) << browser.dde;
                     if (browser.kind == kNetscapeKind) {
                         EXPECT_EQ(Text(dialog, IDC_EXCHANGE_PATH), "C:\\Old\\bookmarks.html");
                     }
                     if (templateId == IDD_EXPORT) SaveWindowPicture(dialog, "export_dialog");
                 },
                 Driver::Click(IDCANCEL)});
        }
    }
}

TEST_F(ImportExportTest, ImportingOverTheOpenListReplacesItOnlyAfterOk) {
    ASSERT_TRUE(started);
    const std::string source = Path("one.json");
    WriteFile(source, kChromium);
    {
        CRecordingMessageBoxes boxes({IDCANCEL});
        EXPECT_EQ(Run(IDD_IMPORT, -1,
                      {ChooseKind(IDC_IMPORT_KIND, kChromiumKind), Driver::SetText(IDC_EXCHANGE_PATH, source),
                       Driver::SetText(IDC_NEW_LIST_PATH, pathA), Driver::Click(IDC_IMPORT_LIST), Driver::Click(IDCANCEL)}),
                  IDCANCEL);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, "Overwrite?");
        EXPECT_EQ(ReadFile(pathA), kListA);
    }
    CRecordingMessageBoxes boxes({IDOK});
    ASSERT_EQ(Import(kChromiumKind, source, pathA), IDOK);
    // Read again by the import itself, as when the Preferences started it.
    EXPECT_EQ(Titles(), std::vector<std::string>{"Chromium title"});
    app->MainWindow()->OpenImportedList(resultName, resultPath);
    EXPECT_EQ(app->Settings().Lists.CurrentList, 0);
    EXPECT_EQ(Titles(), std::vector<std::string>{"Chromium title"});
    EXPECT_FALSE(app->CurrentList().IsModified());
    EXPECT_FALSE(app->CurrentList().IsReadOnly());  // the file is held again
}

// From the URL Lists page a collection imported into a new file adds its
// line; one imported into the file of a line the page shows selects that line.
TEST_F(ImportExportTest, TheUrlListsPageGivesAnImportedFileOneLine) {
    ASSERT_TRUE(started);
    const std::string source = Path("one.json");
    WriteFile(source, kChromium);
    std::vector<Driver::Step> script;
    auto importInto = [&](const std::string& target, std::vector<std::string> lines, const std::string& shown) {
        script.insert(script.end(), {prefs_steps::ClickPage(IDC_IMPORT_LIST),
                                     ChooseKind(IDC_IMPORT_KIND, kChromiumKind),
                                     Driver::SetText(IDC_EXCHANGE_PATH, source),
                                     Driver::SetText(IDC_NEW_LIST_PATH, target), Driver::Click(IDC_IMPORT_LIST),
                                     prefs_steps::Check([=](HWND sheet) {
                                         EXPECT_EQ(PageLines(sheet), lines);
                                         EXPECT_EQ(PageItemText(sheet, IDC_ENTRY_NAME), shown);
                                     })});
    };
    importInto(Path("New.txt"), {"A", "B", "New"}, "New");
    importInto(Path("b.TXT"), {"A", "B", "New"}, "B");  // the file of B, named otherwise
    script.insert(script.end(), {Driver::Click(IDC_APPLY), Driver::Click(IDCANCEL)});
    CRecordingMessageBoxes boxes({IDOK});
    Driver driver(std::move(script));
    driver.ServeEveryOwner();
    app->RunPreferences(driver.Owner(), kUrlListsTab);
    EXPECT_EQ(boxes.Captions(), std::vector<std::string>{"Overwrite?"});
    EXPECT_EQ(app->Settings().Lists.Count(), 3);
    EXPECT_EQ(app->Settings().Lists.CurrentList, 1);  // B, highlighted, was opened
    EXPECT_EQ(Titles(), std::vector<std::string>{"Chromium title"});
}

TEST_F(ImportExportTest, EachKindExportsTheListChosenInTheDialogAfterItsQuestions) {
    ASSERT_TRUE(started);
    struct Case {
        int kind;
        std::string output;
        std::vector<int> answers;
        std::vector<std::string> captions;
        std::string written;  // holds the list's title afterwards; empty: the dialog was cancelled
    };
    const Case cases[] = {
        {kFavoritesKind, Path("Fav\\"), {IDYES, IDOK, IDOK}, {"Create folder?", "Warning", "Export Finished"},
         Path("Fav\\Gamma\\Three\\B3.url")},
        {kNetscapeKind, Path("out.htm"), {IDOK}, {"Export Finished"}, Path("out.htm")},
        {kOperaKind, Path("out.adr"), {IDOK}, {"Export Finished"}, Path("out.adr")},
        {kNetscapeKind, Path("out.htm"), {IDCANCEL}, {"Overwrite?"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        CRecordingMessageBoxes boxes(c.answers);
        const std::string before = ReadFile(Path("out.htm"));
        std::vector<Driver::Step> script = {ChooseKind(IDC_EXPORT_KIND, c.kind), Driver::SetText(IDC_EXCHANGE_PATH, c.output),
                                            Driver::Click(IDC_EXPORT_LIST)};
        if (c.written.empty()) script.push_back(Driver::Click(IDCANCEL));
        EXPECT_EQ(Run(IDD_EXPORT, 1, script), c.written.empty() ? IDCANCEL : IDOK);
        EXPECT_EQ(app->Settings().Lists.CurrentList, 1);  // the list chosen was opened
        EXPECT_EQ(boxes.Captions(), c.captions);
        if (c.written.empty())
            EXPECT_EQ(ReadFile(Path("out.htm")), before);
        else
            EXPECT_NE(ReadFile(c.written).find(c.kind == kFavoritesKind ? "http://b/3" : "B3"), std::string::npos);
    }
}

TEST_F(ImportExportTest, BadInputIsToldAndChangesNoListAndLeavesNoFile) {
    ASSERT_TRUE(started);
    WriteFile(Path("truncated.json"), std::string(kChromium).substr(0, 60));
    WriteFile(Path("binary.json"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    WriteFile(Path("firefox.json"), kFirefox);
    // Cut short and filled up with zeros and garbage, as a crash while it was written leaves it.
    std::string broken = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookm" + std::string(4096, '\0');
    for (int byte = 0; byte < 4096; ++byte) broken += static_cast<char>(byte * 167 % 256);
    WriteFile(Path("broken.html"), broken);
    fs::create_directories(Path("taken.txt"));  // a folder where the new list would go
    struct Case {
        int kind;
        std::string source;
        std::string target;
        std::vector<int> answers;
        const char* caption;  // of the last box
    };
    const Case cases[] = {
        {kChromiumKind, Path("truncated.json"), Path("new.txt"), {IDOK}, "Import Failed"},
        {kFirefoxJsonKind, Path("binary.json"), Path("new.txt"), {IDOK}, "Import Failed"},
        {kNetscapeKind, Path("broken.html"), Path("new.txt"), {IDOK}, "Import Failed"},
        {kChromiumKind, Path("firefox.json"), Path("new.txt"), {IDOK}, "Import Failed"},
        {kNetscapeKind, "Q:\\gone\\bookmarks.html", Path("new.txt"), {IDOK}, "File Error"},
        {kFavoritesKind, "Q:\\gone\\Favorites", Path("new.txt"), {IDOK}, "Folder doesn't exist"},
        {kFirefoxJsonKind, Path("firefox.json"), "Q:\\new.txt", {IDOK}, "Folder doesn't exist"},
        {kFirefoxJsonKind, Path("firefox.json"), Path("taken.txt"), {IDOK, IDOK}, "Import Failed"},
    };
    const std::vector<std::string> files = FileNames(folder.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.target);
        CRecordingMessageBoxes boxes(c.answers);
        EXPECT_EQ(Run(IDD_IMPORT, -1,
                      {ChooseKind(IDC_IMPORT_KIND, c.kind), Driver::SetText(IDC_EXCHANGE_PATH, c.source),
                       Driver::SetText(IDC_NEW_LIST_PATH, c.target), Driver::Click(IDC_IMPORT_LIST), Driver::Click(IDCANCEL)}),
                  IDCANCEL);
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(boxes.Shown().back().caption, c.caption);
    }
    EXPECT_EQ(FileNames(folder.Path()), files);
    EXPECT_EQ(ReadFile(pathA), kListA);
    EXPECT_EQ(app->Settings().Lists.Count(), 2);
    EXPECT_TRUE(app->Settings().BookmarkFilePath.empty());
}

TEST_F(ImportExportTest, AnImportOfMoreItemsThanAListHoldsSaysSoBeforeItOpensReadOnly) {
    ASSERT_TRUE(started);
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
    for (int i = 0; i < 70000; ++i) html += "<DT><A HREF=\"http://x/" + std::to_string(i) + "\">t</A>\n";
    WriteFile(Path("huge.html"), html + "</DL><p>\n");
    CRecordingMessageBoxes boxes({IDOK});
    ASSERT_EQ(Import(kNetscapeKind, Path("huge.html"), Path("Huge.txt")), IDOK);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Large Collection");
    EXPECT_EQ(boxes.Shown()[0].text.find("The imported collection holds 70002 items"), 0u);
    EXPECT_NE(boxes.Shown()[0].text.find("Nothing of the source was changed:\n" + Path("huge.html")), std::string::npos);
    CRecordingMessageBoxes opening({IDOK});
    app->MainWindow()->OpenImportedList(resultName, resultPath);
    EXPECT_TRUE(app->CurrentList().IsSameFile(Path("Huge.txt")));
    EXPECT_TRUE(app->CurrentList().IsReadOnly());
}

}  // namespace
