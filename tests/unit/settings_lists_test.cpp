// The list table: adding lists, finding a list by its file and remembering
// where the user was in a list.
#include "settings_test_support.h"
#include "test_support.h"

#include "model/url_list_file.h"

using namespace settings_test;

namespace {

TEST_F(SettingsTest, ANewListRemembersNoSelection) {
    EXPECT_EQ(settings.AddList("A", "a.txt"), 0);
    EXPECT_EQ(settings.AddList("B", "b.txt"), 1);
    EXPECT_EQ(settings.Lists.Entry(1).name, "B");
    EXPECT_EQ(settings.Lists.Entry(1).start, "-1,-1,-1");
}

TEST_F(SettingsTest, TheHundredAndFirstListIsRefused) {
    // Only a hundred lists are read back: a further one would be lost silently.
    for (int i = 0; i < CAppSettings::kMaxLists; ++i) ASSERT_EQ(settings.AddList("L", "l.txt"), i);
    EXPECT_EQ(settings.AddList("Extra", "extra.txt"), -1);
    EXPECT_EQ(settings.Lists.Count(), CAppSettings::kMaxLists);
}

TEST_F(SettingsTest, FindsAListByItsFileWhateverThePathLooksLike) {
    testing_support::ScratchFolder folder;
    std::string first = folder.Path("First.txt");
    std::string second = folder.Path("Second.txt");
    testing_support::WriteBytes(first, "");
    testing_support::WriteBytes(second, "");
    settings.AddList("Gone", folder.Path("Gone.txt"));  // a list whose file is missing never matches
    settings.AddList("First", first);
    settings.AddList("Second", second);
    EXPECT_EQ(settings.FindListByFile(second), 2);
    EXPECT_EQ(settings.FindListByFile(folder.Path("./Second.txt")), 2);
    EXPECT_EQ(settings.FindListByFile(folder.Path("Gone.txt")), -1);
    EXPECT_EQ(settings.FindListByFile(""), -1);
}

class CountingWaitCursor final : public WaitCursor {
public:
    void Show() override { ++shown; }
    void Restore() override { ++restored; }
    int shown = 0;
    int restored = 0;
};

TEST_F(SettingsTest, TheWaitCursorIsShownAndRestoredAroundSlowWork) {
    CountingWaitCursor cursor;
    SettingsEnvironment env;
    env.waitCursor = &cursor;
    CAppSettings withCursor(store, env);
    withCursor.AppFolder = kAppFolder;
    ASSERT_TRUE(withCursor.SaveSettings(false, nullptr));
    EXPECT_EQ(cursor.shown, 1);
    EXPECT_EQ(cursor.restored, 1);
}

class ListStartTest : public SettingsTest {
protected:
    void SetUp() override {
        std::string path = folder.Path("list.txt");
        testing_support::WriteBytes(
            path, "<1>Work\r\n\t<2>Tools\r\n\t\thttp://a.example/\tA\r\n\t\thttp://b.example/\tB\r\n"
                  "<1>Home\r\n\t<2>Food\r\n\t\thttp://c.example/\tC\r\n");
        ASSERT_EQ(list.Load(path), 0);
        list.Select(kCategory, 0);
        list.Select(kSubcategory, 0);
        list.Select(kTitle, 1);
        settings.AddList("Other", "other.txt");
        settings.AddList("Mine", path);
    }
    testing_support::ScratchFolder folder;
    CUrlListFile list;
};

TEST_F(ListStartTest, TheOpenListsSelectionIsStoredForTheCurrentList) {
    settings.Lists.CurrentList = 1;
    settings.StoreListStart(&list);
    EXPECT_EQ(settings.Lists.Entry(1).start, "0,0,1");
    EXPECT_EQ(settings.Lists.Entry(0).start, "-1,-1,-1");
}

TEST_F(ListStartTest, SavingStoresTheSelectionToo) {
    settings.Lists.CurrentList = 1;
    ASSERT_TRUE(settings.SaveSettings(false, &list));
    EXPECT_EQ(StoredText("1", "List Start"), "0,0,1");
}

TEST_F(ListStartTest, NothingIsStoredWithoutACurrentListOrOpenList) {
    settings.Lists.CurrentList = -1;
    settings.StoreListStart(&list);
    settings.Lists.CurrentList = 5;  // past the table
    settings.StoreListStart(&list);
    settings.Lists.CurrentList = 1;
    settings.StoreListStart(nullptr);
    EXPECT_EQ(settings.Lists.Entry(0).start, "-1,-1,-1");
    EXPECT_EQ(settings.Lists.Entry(1).start, "-1,-1,-1");
}

}  // namespace
