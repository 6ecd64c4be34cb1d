// The main window's commands, driven by id and by keys: an editing session
// checked against the file the list model writes for the same steps, the
// save prompts and a failing save, Open New URL, and the keys that act on
// fields or on columns.
#include <memory>
#include <string>

#include "dialogs/prefs_host.h"
#include "main_window_fixture.h"
#include "model/title_text.h"
#include "recording_message_boxes.h"
#include "test_files.h"

namespace {

constexpr char kOtherList[] =
    "<1>Shop\r\n"
    "\t<2>Books\r\n"
    "\t\thttp://shop.example/x\tXray\r\n"
    "\t\thttp://shop.example/y\tYankee\r\n"
    "<1>Tools\r\n";

enum Modifiers { kPlain = 0, kCtrl = 1, kShift = 2 };

using test_files::ReadFile;

std::string WriteFresh(const std::string& text) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    char path[MAX_PATH] = {};
    ::GetTempFileNameA(folder, "vcm", 0, path);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

class CommandsTest : public MainWindowFixture {
protected:
    ~CommandsTest() override {
        for (const std::string& path : written_) ::DeleteFileA(path.c_str());
    }

    // The key as the message loop hands it to the window: the modifier
    // state is what TranslateAccelerator reads.
    static bool Press(CMainDlg& window, HWND target, UINT key, int modifiers) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        const BYTE saved[2] = {state[VK_CONTROL], state[VK_SHIFT]};
        state[VK_CONTROL] = (modifiers & kCtrl) ? 0x80 : 0;
        state[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
        ::SetKeyboardState(state);
        MSG message = {target, WM_KEYDOWN, key, 0, 0, {}};
        const bool translated = window.PreTranslate(message);
        state[VK_CONTROL] = saved[0];
        state[VK_SHIFT] = saved[1];
        ::SetKeyboardState(state);
        return translated;
    }

    std::string Fresh(const std::string& text) {
        written_.push_back(WriteFresh(text));
        return written_.back();
    }

    // A model of its own over a copy of `text`, for the script the window's
    // steps are compared with.
    std::unique_ptr<CUrlListFile> Model(const std::string& text) {
        auto model = std::make_unique<CUrlListFile>(
            ListEnvironment{&platform::OsFileSystem(), &platform::AnsiCodePage(), &host_.clock, nullptr});
        EXPECT_GE(model->Load(Fresh(text)), 0);
        return model;
    }

    // The other list, holding marks on every title of its first subcategory.
    CUrlListFile& GiveMarkedOtherList() {
        auto other = Model(kOtherList);
        other->Select(kCategory, 0, SelectMode::kFirstChild);
        EXPECT_EQ(other->MarkRange(kTitle, 0, -1, 1), kTitle);
        CUrlListFile& result = *other;
        host_.GiveOtherList(std::move(other));
        return result;
    }

    // A click on an entry, and what the model does for it.
    static void ChooseBoth(CMainDlg& window, CUrlListFile& model, int level, int position) {
        Choose(window, IDC_CATEGORY_LIST + level, position);
        model.Select(level, position, model.MarkLevel() < kLevelCount ? SelectMode::kNone : SelectMode::kFirstChild);
    }

    std::unique_ptr<CMainDlg> OpenOrganizing() {
        host_.startCategory = 0;
        auto window = Open(kViewOrganize);
        EXPECT_TRUE(window && host_.Settings().ViewMode == kViewOrganize);
        return window;
    }

    std::vector<std::string> written_;
};

// --- an editing session --------------------------------------------------------------

TEST_F(CommandsTest, AnEditingSessionSavesWhatTheModelWritesForTheSameSteps) {
    auto window = OpenOrganizing();
    ASSERT_TRUE(window);
    CRecordingMessageBoxes boxes({IDOK});  // Delete All? for the category
    CUrlListFile& other = GiveMarkedOtherList();
    auto model = Model(kSampleList);
    auto modelOther = Model(kOtherList);
    model->SetOtherList(modelOther.get());
    modelOther->Select(kCategory, 0, SelectMode::kFirstChild);
    modelOther->MarkRange(kTitle, 0, -1, 1);
    model->Select(kCategory, 0, SelectMode::kFirstChild);
    const HWND titles = Item(*window, IDC_TITLE_LIST);

    // A new category, subcategory and title, typed at once and added by
    // the title's New button.
    Command(*window, IDC_NEW_CATEGORY);
    Type(*window, IDC_CATEGORY_NAME, "Zeta");
    Type(*window, IDC_SUBCATEGORY_NAME, "Misc");
    Type(*window, IDC_TITLE_NAME, "Golf");
    Type(*window, IDC_URL, "http://example.com/g");
    Command(*window, IDC_NEW_TITLE);
    model->Select(kCategory, model->AddItem(kCategory, "Zeta", "Zeta"));
    model->Select(kSubcategory, model->AddItem(kSubcategory, "Misc", "Misc"));
    model->Select(kTitle, model->AddItem(kTitle, ComposeTitleText("http://example.com/g", "Golf", 0, {}, {}, 0), "Golf"));

    // Rename the first category.
    ChooseBoth(*window, *model, kCategory, 0);
    Type(*window, IDC_CATEGORY_NAME, "Headlines");
    model->EditItem(kCategory, 0, "Headlines");

    // Ctrl+V in a column brings the other list's marks here and deletes
    // them there without asking.
    ::SetFocus(titles);
    EXPECT_TRUE(Press(*window, titles, 'V', kCtrl));
    EXPECT_EQ(model->CopyMarkedFromOther(), 0);
    modelOther->DeleteMarked();
    EXPECT_EQ(other.MarkCount(), 0);

    // Ctrl+X in a column marks; two titles go to another category with
    // the Move button.
    ChooseBoth(*window, *model, kTitle, 0);
    ::SetFocus(titles);
    EXPECT_TRUE(Press(*window, titles, 'X', kCtrl));
    model->MarkSelected(-1);
    ChooseBoth(*window, *model, kTitle, 1);
    Command(*window, ID_MARK_THIS + kTitle);
    model->MarkSelected(kTitle);
    ChooseBoth(*window, *model, kCategory, 1);
    ChooseBoth(*window, *model, kSubcategory, 0);
    Command(*window, IDC_MOVE);
    EXPECT_EQ(model->MoveMarked(), 0);

    // An alias of the first title here under the new category (Ctrl+Shift+V).
    ChooseBoth(*window, *model, kTitle, 0);
    Command(*window, ID_MARK_THIS + kTitle);
    model->MarkSelected(kTitle);
    ChooseBoth(*window, *model, kCategory, 3);
    ChooseBoth(*window, *model, kSubcategory, 0);
    ::SetFocus(titles);
    EXPECT_TRUE(Press(*window, titles, 'V', kCtrl | kShift));
    EXPECT_EQ(model->AliasMarked(), 0);

    // Sorting by button and by Ctrl+Down in a column; a separator.
    Command(*window, IDC_SORT_CATEGORIES);
    model->SortLevel(kCategory);
    ChooseBoth(*window, *model, kCategory, 1);
    ::SetFocus(titles);
    EXPECT_TRUE(Press(*window, titles, VK_DOWN, kCtrl));
    model->SortLevel(kTitle);
    Command(*window, ID_INSERT_SEPARATOR + kSubcategory);
    model->InsertSeparator(kSubcategory);

    // Deleting: an aliased title asks which instances (this one), a
    // category with entries asks first.
    ChooseBoth(*window, *model, kCategory, 1);
    ChooseBoth(*window, *model, kSubcategory, 1);
    ChooseBoth(*window, *model, kTitle, 0);
    host_.promptAnswers = {IDC_DELETE_THIS_INSTANCE};
    ASSERT_NE(AliasNumber(model->RawText(model->SelectedItem(kTitle))), 0);
    Command(*window, IDC_DELETE_TITLE);
    model->DeleteAt(kTitle, 0, false);
    EXPECT_EQ(host_.prompted, std::vector<int>{IDD_DELETE_URL});

    ASSERT_EQ(model->Last(kCategory), 3);
    ChooseBoth(*window, *model, kCategory, 1);
    EXPECT_EQ(model->DisplayName(model->SelectedItem(kCategory)), "Reference");
    Command(*window, IDC_DELETE_CATEGORY);
    model->DeleteAt(kCategory, 1, false);
    EXPECT_EQ(boxes.Shown().size(), 1u);

    // Ctrl+S writes both lists; they read as the model's.
    EXPECT_TRUE(Press(*window, titles, 'S', kCtrl));
    ASSERT_EQ(model->Save(), 0);
    ASSERT_EQ(modelOther->Save(), 0);
    EXPECT_EQ(FileText(), ReadFile(model->Path()));
    EXPECT_EQ(ReadFile(other.Path()), ReadFile(modelOther->Path()));
    EXPECT_FALSE(host_.CurrentList().IsModified());
}

// Marks in the other list: Duplicate copies them here; moving deletes them
// there, and asks first only when the Move button started it.
TEST_F(CommandsTest, MarkedItemsOfTheOtherListAreCopiedOrMoved) {
    const struct {
        int command;
        std::initializer_list<int> answers;
        int titlesLeftThere;
    } cases[] = {
        {ID_DUPLICATE_MARKED, {}, 2},
        {IDC_MOVE, {IDNO}, 2},
        {IDC_MOVE, {IDYES}, 0},
        {ID_MOVE_MARKED, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        auto window = OpenOrganizing();
        ASSERT_TRUE(window);
        CUrlListFile& other = GiveMarkedOtherList();
        {
            CRecordingMessageBoxes boxes(c.answers);
            Command(*window, c.command);
        }
        EXPECT_EQ(Count(*window, IDC_TITLE_LIST), 4);
        EXPECT_EQ(other.MarkCount(), 0);
        EXPECT_EQ(other.TitleCount(), c.titlesLeftThere);
        EXPECT_EQ(other.IsModified(), c.titlesLeftThere == 0);
        window.reset();
        host_.DiscardOtherList();
        host_.CurrentList().CloseFile();
    }
}

// --- the save prompts ---------------------------------------------------------------

// A renamed category, then the program asked to end (or the list to be
// reverted): only an explicit answer drops the change, and a failed save
// keeps everything.
TEST_F(CommandsTest, TheSavePromptsLoseChangesOnlyWhenTheUserSaysSo) {
    struct Case {
        const char* name;
        bool failSaves;
        std::initializer_list<int> answers;
        bool ends;
        bool saved;  // the file holds the change
    };
    const Case cases[] = {
        {"cancel", false, {IDCANCEL}, false, false},
        {"no, then keep the changes", false, {IDNO, IDNO}, false, false},
        {"no, then discard", false, {IDNO, IDYES}, true, false},
        {"yes", false, {IDYES}, true, true},
        {"failed save, abort", true, {IDYES, IDABORT}, false, false},
        {"failed save, retry, abort", true, {IDYES, IDRETRY, IDABORT}, false, false},
        {"failed save, ignore", true, {IDYES, IDIGNORE}, true, false},
    };
    const std::string before = FileText();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = OpenOrganizing();
        ASSERT_TRUE(window);
        Type(*window, IDC_CATEGORY_NAME, "Headlines");
        host_.files.failSaves = c.failSaves;
        {
            CRecordingMessageBoxes boxes(c.answers);
            EXPECT_EQ(window->QueryClose(), c.ends);
            EXPECT_EQ(boxes.Shown().size(), c.answers.size());
        }
        host_.files.failSaves = false;
        EXPECT_TRUE(::IsWindow(window->Handle()));
        EXPECT_EQ(FileText().find("Headlines") != std::string::npos, c.saved);
        if (!c.ends) {
            EXPECT_TRUE(host_.CurrentList().IsModified());
            EXPECT_EQ(Text(*window, IDC_CATEGORY_NAME), "Headlines");
        }
        window.reset();
        host_.CurrentList().CloseFile();
        std::ofstream(host_.ListPath(), std::ios::binary) << before;
    }
}

// A list file deleted while the list is open is written again by Save.
TEST_F(CommandsTest, SaveWritesAListWhoseFileWasDeleted) {
    auto window = OpenOrganizing();
    ASSERT_TRUE(window);
    Type(*window, IDC_CATEGORY_NAME, "Headlines");
    host_.CurrentList().CloseFile();
    ASSERT_TRUE(::DeleteFileA(host_.ListPath().c_str()));
    Command(*window, ID_SAVE_LIST);
    EXPECT_NE(FileText().find("Headlines"), std::string::npos);
    EXPECT_FALSE(host_.CurrentList().IsModified());
}

TEST_F(CommandsTest, RevertAsksInOrganizeModeAndReadsTheFileAgain) {
    auto window = OpenOrganizing();
    ASSERT_TRUE(window);
    Type(*window, IDC_CATEGORY_NAME, "Headlines");
    {
        CRecordingMessageBoxes boxes({IDNO});
        Command(*window, ID_REVERT);
    }
    EXPECT_TRUE(host_.CurrentList().IsModified());
    {
        CRecordingMessageBoxes boxes({IDYES});
        Command(*window, ID_REVERT);
    }
    EXPECT_FALSE(host_.CurrentList().IsModified());
    EXPECT_EQ(Entry(*window, IDC_CATEGORY_LIST, 0), "News");
    // Leaving for another mode and not saving reverts without the second question.
    Type(*window, IDC_CATEGORY_NAME, "Headlines");
    {
        CRecordingMessageBoxes boxes({IDNO, IDYES});
        Command(*window, ID_REGULAR_MODE);
    }
    EXPECT_EQ(host_.Settings().ViewMode, kViewRegular);
    EXPECT_EQ(Entry(*window, IDC_CATEGORY_LIST, 0), "News");
}

TEST_F(CommandsTest, SaveRewritesAnUnchangedListAndSaveCopyWritesWhereChosen) {
    std::string lfOnly = kSampleList;
    for (std::size_t at = lfOnly.find('\r'); at != std::string::npos; at = lfOnly.find('\r')) lfOnly.erase(at, 1);
    std::ofstream(host_.ListPath(), std::ios::binary) << lfOnly;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ASSERT_FALSE(host_.CurrentList().IsModified());
    Command(*window, ID_SAVE_LIST);
    EXPECT_EQ(FileText(), kSampleList);
    host_.copyPath = Fresh("");
    Command(*window, ID_SAVE_COPY);
    EXPECT_EQ(ReadFile(host_.copyPath), kSampleList);
}

// The browse button puts a file into the selected title, or starts a new one.
TEST_F(CommandsTest, BrowsingForAFileSetsTheUrl) {
    auto window = OpenOrganizing();
    ASSERT_TRUE(window);
    host_.chosenPath = "C:\\docs\\Report.txt";
    Command(*window, IDC_BROWSE);
    CUrlListFile& list = host_.CurrentList();
    EXPECT_EQ(TitleUrl(list.ItemText(list.SelectedItem(kTitle))), host_.chosenPath);
    EXPECT_EQ(TitleName(list.ItemText(list.SelectedItem(kTitle))), "Alpha");
    list.Select(kTitle, -1);
    Command(*window, IDC_BROWSE);
    EXPECT_EQ(Text(*window, IDC_TITLE_NAME), "Report");
    EXPECT_EQ(Text(*window, IDC_URL), host_.chosenPath);
}

// --- browser windows -------------------------------------------------------------------

TEST_F(CommandsTest, OpenNewUrlOpensTheTypedAddressInANewWindow) {
    const std::string longText(10000, 'x');
    const struct {
        std::string typed;
        std::string opened;  // empty: nothing opened
    } cases[] = {
        {"www,example,com", "http://www.example.com"},
        {"  ftp://files,example/a  ", "ftp://files.example/a"},
        {"example.com/\r\npath\x01", "http://example.com/path"},
        {"", ""},
        {" \t ", ""},
        {longText, "http://" + longText},
    };
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    for (const auto& c : cases) {
        host_.browser.opened.clear();
        host_.promptText = c.typed;
        host_.promptAnswers = {IDOK};
        Command(*window, ID_OPEN_NEW_URL);
        if (c.opened.empty()) {
            EXPECT_TRUE(host_.browser.opened.empty()) << c.typed;
        } else {
            ASSERT_EQ(host_.browser.opened.size(), 1u) << c.typed;
            EXPECT_EQ(host_.browser.opened[0].target, c.opened);
            EXPECT_TRUE(host_.browser.opened[0].newWindow);
        }
    }
    host_.promptText = "example.com";
    host_.promptAnswers = {IDCANCEL};
    host_.browser.opened.clear();
    Command(*window, ID_OPEN_NEW_URL);
    EXPECT_TRUE(host_.browser.opened.empty());
}

TEST_F(CommandsTest, TheOpenMenuChoosesTheWindow) {
    host_.startCategory = 0;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Command(*window, ID_OPEN_IN_FRONTMOST_WINDOW);
    Command(*window, ID_OPEN_IN_NEW_WINDOW);
    ASSERT_EQ(host_.browser.opened.size(), 2u);
    EXPECT_FALSE(host_.browser.opened[0].newWindow);
    EXPECT_TRUE(host_.browser.opened[1].newWindow);
    EXPECT_EQ(host_.browser.opened[1].target, "http://example.com/a");
}

// --- keys -------------------------------------------------------------------------------

TEST_F(CommandsTest, KeysReachTheirCommands) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    const HWND find = Item(*window, IDC_FIND_TEXT);
    // The Preferences item says Ctrl+P; Ctrl+Shift+P works as well.
    for (int modifiers : {int{kCtrl}, kCtrl | kShift}) EXPECT_TRUE(Press(*window, find, 'P', modifiers));
    EXPECT_EQ(host_.preferencesTabs, (std::vector<int>{kBehaviorTab, kBehaviorTab}));
    EXPECT_TRUE(Press(*window, find, 'B', kCtrl));
    ASSERT_EQ(host_.browser.opened.size(), 1u);
    EXPECT_EQ(host_.browser.opened[0].target, "about:blank");
}

TEST_F(CommandsTest, OptionCommandsToggleTheirOption) {
    host_.startCategory = 0;  // a title with an Internet URL is selected
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    SettingsOptions& options = host_.Settings().Options;
    const struct {
        int command;
        bool& option;
    } cases[] = {
        {ID_AUTO_MINIMIZE, options.AutoMinimize},
        {ID_ONE_CLICK_OPENING, options.OneClickOpen},
        {ID_SWITCH_DEFAULT_WINDOW, options.OpenInNewWindow},
        {ID_KEEP_AT_FRONT, options.KeepAtFrontRegular},
    };
    for (const auto& c : cases) {
        const bool before = c.option;
        Command(*window, c.command);
        EXPECT_NE(c.option, before) << c.command;
        Command(*window, c.command);
        EXPECT_EQ(c.option, before) << c.command;
    }
    // The Open button's picture follows the window choice at once.
    const auto picture = [&] { return ::SendMessageA(Item(*window, IDC_OPEN), STM_GETIMAGE, IMAGE_BITMAP, 0); };
    const LRESULT newWindow = picture();
    Command(*window, ID_SWITCH_DEFAULT_WINDOW);
    EXPECT_NE(picture(), newWindow);
}

// Ctrl+X, Ctrl+C and Ctrl+V edit a field's text; in a column Ctrl+X marks.
TEST_F(CommandsTest, ClipboardKeysActOnTheFocusedField) {
    auto window = OpenOrganizing();
    ASSERT_TRUE(window);
    const HWND find = Item(*window, IDC_FIND_TEXT);
    Type(*window, IDC_FIND_TEXT, "needle");
    ::SendMessageA(find, EM_SETSEL, 0, -1);
    EXPECT_TRUE(Press(*window, find, 'C', kCtrl));
    EXPECT_EQ(Text(*window, IDC_FIND_TEXT), "needle");
    EXPECT_TRUE(Press(*window, find, 'X', kCtrl));
    EXPECT_EQ(Text(*window, IDC_FIND_TEXT), "");
    EXPECT_EQ(host_.CurrentList().MarkCount(), 0);
    EXPECT_TRUE(Press(*window, find, 'V', kCtrl));
    EXPECT_EQ(Text(*window, IDC_FIND_TEXT), "needle");
    const HWND titles = Item(*window, IDC_TITLE_LIST);
    ::SetFocus(titles);
    EXPECT_TRUE(Press(*window, titles, 'X', kCtrl));
    EXPECT_EQ(host_.CurrentList().MarkCount(), 1);
    EXPECT_EQ(host_.CurrentList().MarkLevel(), kTitle);
}
