// Opening the configured list: every outcome of loading its file with its
// message or prompt, the selection it had when it was left, and switching
// to another list.
#include <gtest/gtest.h>

#include "app/main_app.h"
#include "app/store/memory_store.h"
#include "dialog_driver.h"
#include "dialogs/messages.h"
#include "recording_message_boxes.h"
#include "registry_test_support.h"
#include "resource.h"
#include "test_files.h"

namespace {

const std::string kTwoCategories =
    "<1>First\n<2>One\nhttp://one\tOne\n"
    "<1>Second\n<2>Two\nhttp://two/a\tTwo A\nhttp://two/b\tTwo B\n<2>Three\n";

// `count` titles under one category and subcategory.
std::string ManyTitles(int count) {
    std::string text = "<1>Many\n<2>Titles\n";
    for (int i = 0; i < count; ++i) text += "http://host/" + std::to_string(i) + "\tT\n";
    return text;
}

using test_files::Exists;
using test_files::ReadFile;
using test_files::WriteFile;

class AppOpenListTest : public ::testing::Test {
protected:
    // A list named `name` whose file holds `content`; nothing written when
    // `content` is null. Its index.
    int AddList(const std::string& name, const char* content, const std::string& start = "-1,-1,-1") {
        std::string path = folder.Path() + name + ".txt";
        if (content) WriteFile(path, content);
        app.Settings().Lists.entries.push_back({name, path, start});
        return app.Settings().Lists.Count() - 1;
    }
    bool Open(int index, bool reload = false, HWND owner = nullptr) {
        app.Settings().Lists.CurrentList = index;
        return app.OpenCurrentList(owner, reload);
    }
    const std::string& PathOf(int index) { return app.Settings().Lists.entries[index].path; }
    CUrlListFile& List() { return app.CurrentList(); }

    registry_test::ScratchFolder folder;
    store::MemoryStore registry;
    CMainApp app{AppEnvironment{&registry, folder.Path() + "vellinor.exe"}};
};

// --- a list that opens -----------------------------------------------------------------------

TEST_F(AppOpenListTest, TheStoredStartSelectionComesBack) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Open(AddList("Two", kTwoCategories.c_str(), "1,0,1")));
    EXPECT_TRUE(List().IsSameFile(PathOf(0)));
    EXPECT_EQ(List().Selection(kCategory), 1);
    EXPECT_EQ(List().Selection(kSubcategory), 0);
    EXPECT_EQ(List().Selection(kTitle), 1);
}

TEST_F(AppOpenListTest, NothingRememberedSelectsTheFirstEntryOfEachLevel) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Open(AddList("Two", kTwoCategories.c_str(), "-1,-1,-1")));
    EXPECT_EQ(List().Selection(kCategory), 0);
    EXPECT_EQ(List().Selection(kSubcategory), 0);
    EXPECT_EQ(List().Selection(kTitle), 0);
}

TEST_F(AppOpenListTest, ADamagedStartSelectionSelectsWhatItCan) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Open(AddList("Two", kTwoCategories.c_str(), "1,x,7")));
    EXPECT_EQ(List().Selection(kCategory), 1);
    EXPECT_EQ(List().Selection(kSubcategory), 0);
    EXPECT_EQ(List().Selection(kTitle), 0);
}

TEST_F(AppOpenListTest, ReopeningWithoutReloadKeepsTheSelectionAndReloadRestoresTheStart) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Open(AddList("Two", kTwoCategories.c_str(), "1,0,1")));
    List().Select(kCategory, 0, SelectMode::kFirstChild);
    ASSERT_TRUE(Open(0, false));
    EXPECT_EQ(List().Selection(kCategory), 0);
    ASSERT_TRUE(Open(0, true));
    EXPECT_EQ(List().Selection(kCategory), 1);
}

TEST_F(AppOpenListTest, NoCurrentListEmptiesTheModel) {
    CRecordingMessageBoxes boxes;
    ASSERT_TRUE(Open(AddList("Two", kTwoCategories.c_str())));
    ASSERT_TRUE(Open(-1));
    EXPECT_EQ(List().First(), 0);
    EXPECT_EQ(List().Path(), "");
}

TEST_F(AppOpenListTest, AListWithoutAFilePathDoesNotOpen) {
    CRecordingMessageBoxes boxes;
    app.Settings().Lists.entries.push_back({"Nameless", "", "-1,-1,-1"});
    EXPECT_FALSE(Open(0));
    EXPECT_TRUE(boxes.Shown().empty());
}

// --- a missing file ------------------------------------------------------------------------

TEST_F(AppOpenListTest, AMissingFileIsCreatedWhenTheUserAgrees) {
    int index = AddList("New", nullptr);
    CRecordingMessageBoxes boxes({IDYES});
    ASSERT_TRUE(Open(index));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Create New List?");
    EXPECT_EQ(boxes.Shown()[0].text, "List file '" + PathOf(index) +
                                         "' does not exist. Shall I create it?\n"
                                         "(Alternatively you can change the file path or select another list.)");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kQuestionYesNo);
    EXPECT_TRUE(Exists(PathOf(index)));
    EXPECT_TRUE(List().IsSameFile(PathOf(index)));
    EXPECT_EQ(List().First(), 0);
}

TEST_F(AppOpenListTest, AMissingFileStaysMissingWhenTheUserDeclines) {
    int index = AddList("New", nullptr);
    CRecordingMessageBoxes boxes({IDNO});
    EXPECT_FALSE(Open(index));
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_FALSE(Exists(PathOf(index)));
}

TEST_F(AppOpenListTest, AFileThatCannotBeCreatedIsReported) {
    std::string path = folder.Path() + "no such folder\\New.txt";
    app.Settings().Lists.entries.push_back({"New", path, "-1,-1,-1"});
    CRecordingMessageBoxes boxes({IDYES, IDOK});
    EXPECT_FALSE(Open(0));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].caption, "File Error");
    EXPECT_EQ(boxes.Shown()[1].text.find("Sorry, I cannot create the list file\n" + path + "\n"), 0u);
    EXPECT_EQ(boxes.Shown()[1].kind, MsgBoxKind::kStop);
}

TEST_F(AppOpenListTest, EnsuringWithoutAskingCreatesAndNeverTruncates) {
    CRecordingMessageBoxes boxes;
    std::string created = folder.Path() + "created.txt";
    EXPECT_TRUE(app.EnsureListFileExists(nullptr, created, false));
    EXPECT_TRUE(Exists(created));
    std::string kept = folder.Path() + "kept.txt";
    WriteFile(kept, "<1>Kept\n");
    EXPECT_TRUE(app.EnsureListFileExists(nullptr, kept, true));
    EXPECT_EQ(ReadFile(kept), "<1>Kept\n");
    EXPECT_TRUE(boxes.Shown().empty());
}

// --- files that open with a notice ----------------------------------------------------------

TEST_F(AppOpenListTest, AFileOpenOnlyForReadingGetsTheNoticeUntilItsBoxIsTicked) {
    int index = AddList("Locked", kTwoCategories.c_str());
    // Another reader that lets nobody write: the list opens read-only. (The
    // read-only attribute would do the same on Windows, but Wine running as
    // root writes such files regardless.)
    win::UniqueFile reader(::CreateFileA(PathOf(index).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    CRecordingMessageBoxes boxes;
    {
        CDialogDriver driver({CDialogDriver::Click(IDOK)});
        ASSERT_TRUE(Open(index, true, driver.Owner()));
        EXPECT_EQ(driver.StepsRun(), 1u);
        EXPECT_FALSE(app.Settings().Options.NoReadOnlyWarning);
        EXPECT_TRUE(List().IsReadOnly());
    }
    {
        CDialogDriver driver({CDialogDriver::Click(IDC_PROMPT_CHECK), CDialogDriver::Click(IDOK)});
        ASSERT_TRUE(Open(index, true, driver.Owner()));
        EXPECT_EQ(driver.StepsRun(), 2u);
        EXPECT_TRUE(app.Settings().Options.NoReadOnlyWarning);
    }
    {
        CDialogDriver driver({});
        ASSERT_TRUE(Open(index, true, driver.Owner()));
        EXPECT_EQ(driver.StepsRun(), 0u);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(AppOpenListTest, AFullListIsToldOnceWhenOpenedNotOnReload) {
    int index = AddList("Big", ManyTitles(CUrlListFile::kFullTitleCount + 1).c_str());
    CRecordingMessageBoxes boxes({IDOK});
    ASSERT_TRUE(Open(index));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "List Full");
    EXPECT_EQ(boxes.Shown()[0].text.find("URL list 'Big' is full (it contains about 10,000 URLs!)"), 0u);
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kInformation);
    EXPECT_TRUE(List().IsFull());
    ASSERT_TRUE(Open(index, true));
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(AppOpenListTest, AListTooLongToHoldIsPartlyLoadedReadOnly) {
    int index = AddList("Huge", ManyTitles(70000).c_str());
    CRecordingMessageBoxes boxes({IDOK});
    ASSERT_TRUE(Open(index));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    // Told as too many items, not as memory running out.
    EXPECT_EQ(boxes.Shown()[0].caption, "List Too Large");
    EXPECT_EQ(boxes.Shown()[0].text.find("URL list 'Huge' holds more than the 65,535 items"), 0u);
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kInformation);
    EXPECT_TRUE(List().IsReadOnly());
    EXPECT_NE(List().First(), 0);
}

// --- a file that does not open ------------------------------------------------------------

TEST_F(AppOpenListTest, AFileHeldByAnotherProgramIsReportedWithTheSystemsText) {
    int index = AddList("Held", kTwoCategories.c_str());
    win::UniqueFile holder(::CreateFileA(PathOf(index).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    CRecordingMessageBoxes boxes({IDOK});
    EXPECT_FALSE(Open(index));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "File Error");
    EXPECT_EQ(boxes.Shown()[0].text, "Sorry, I cannot open the selected URL list file:\n" +
                                         SystemErrorText(ERROR_SHARING_VIOLATION) +
                                         "\nPlease correct the file path or select another list.");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kStop);
}

// --- switching -------------------------------------------------------------------------------

TEST_F(AppOpenListTest, SwitchingRemembersWhereTheListWasLeft) {
    CRecordingMessageBoxes boxes;
    int first = AddList("First", kTwoCategories.c_str());
    int second = AddList("Second", kTwoCategories.c_str());
    ASSERT_TRUE(Open(first));
    List().Select(kCategory, 1, SelectMode::kFirstChild);
    ASSERT_TRUE(app.SelectList(nullptr, second, false));
    EXPECT_EQ(app.Settings().Lists.CurrentList, second);
    EXPECT_EQ(app.Settings().Lists.entries[first].start, "1,0,0");
    EXPECT_TRUE(List().IsSameFile(PathOf(second)));
}

TEST_F(AppOpenListTest, AFailedSwitchLeavesTheListShown) {
    int first = AddList("First", kTwoCategories.c_str());
    int missing = AddList("Missing", nullptr);
    CRecordingMessageBoxes boxes({IDNO});
    ASSERT_TRUE(Open(first));
    EXPECT_FALSE(app.SelectList(nullptr, missing, false));
    EXPECT_EQ(app.Settings().Lists.CurrentList, first);
    EXPECT_TRUE(List().IsSameFile(PathOf(first)));
}

TEST_F(AppOpenListTest, AListLeftWithMarksIsTheOtherList) {
    CRecordingMessageBoxes boxes;
    int first = AddList("First", kTwoCategories.c_str());
    int second = AddList("Second", kTwoCategories.c_str());
    ASSERT_TRUE(Open(first));
    CUrlListFile* marked = &List();
    ASSERT_EQ(List().MarkSelected(kCategory), kCategory);
    ASSERT_TRUE(app.SelectList(nullptr, second, false));
    EXPECT_EQ(app.OtherList(), marked);
    EXPECT_TRUE(List().IsSameFile(PathOf(second)));
    ASSERT_TRUE(app.SelectList(nullptr, first, false));
    EXPECT_EQ(&List(), marked);
    EXPECT_EQ(List().MarkCount(), 1);
    app.DiscardOtherList();
    EXPECT_EQ(app.OtherList(), nullptr);
}

}  // namespace
