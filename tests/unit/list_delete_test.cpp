// Deleting entries and keeping every alias pointing at a live title.
#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

const std::string kAliases =
    "<1>Home\n"
    "<2>Main\n"
    "http://target\tTarget\t\xA6@1180000000\t\xA6+note\t\xA6?me\t\xA6#5\n"
    "http://plain\tPlain\n"
    "<1>Away\n"
    "<2>First\n"
    "alias:5\n"
    "<2>Second\n"
    "alias:5\n"
    "http://other\tOther\n";

class DeleteTest : public ListTest {
protected:
    void SetUp() override { Load(kAliases); }
    int AliasesOf(int target) const {
        int n = 0;
        for (int i = list.First(); i != 0; i = list.Next(i))
            n += list.Item(i).Has(ItemFlags::kAlias) && list.ResolveAlias(i) == target;
        return n;
    }
};

TEST_F(DeleteTest, JustThisInstanceHandsTheTitleToItsFirstAlias) {
    SelectPath({"Home", "Main"});
    list.DeleteAt(kTitle, 0, false);
    EXPECT_EQ(list.TitleCount(), 3);
    SelectPath({"Away", "First"});
    int heir = list.ItemAt(kTitle, 0);
    EXPECT_FALSE(list.Item(heir).Has(ItemFlags::kAlias));
    EXPECT_TRUE(list.Item(heir).Has(ItemFlags::kAliasTarget));
    std::string_view text = list.RawText(heir);
    EXPECT_EQ(TitleUrl(text), "http://target");
    EXPECT_EQ(TitleNote(text), "note");
    EXPECT_EQ(LastVisited(text), 1180000000);
    EXPECT_EQ(AliasesOf(heir), 1) << "the second alias now refers to the heir";
    ExpectSound(list);
    ExpectRoundTrip(list);
    SelectPath({"Away", "Second"});
    EXPECT_EQ(list.SelectedUrl(), "") << "nothing selected at the titles yet";
    list.Select(kTitle, 0);
    EXPECT_EQ(list.SelectedUrl(), "http://target");
}

TEST_F(DeleteTest, AllInstancesRemovesTheTitleAndEveryAlias) {
    SelectPath({"Away", "Second"});
    list.DeleteAt(kTitle, 0, true);
    EXPECT_EQ(list.TitleCount(), 2);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Other"}));
    SelectPath({"Away", "First"});
    EXPECT_EQ(list.Last(kTitle), -1);
    SelectPath({"Home", "Main"});
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Plain"}));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(DeleteTest, DeletingTheLastAliasMakesTheTargetAPlainTitle) {
    SelectPath({"Away", "First"});
    list.DeleteAt(kTitle, 0, false);
    SelectPath({"Away", "Second"});
    list.DeleteAt(kTitle, 0, false);
    int target = Find(list, "Target");
    EXPECT_FALSE(list.Item(target).Has(ItemFlags::kAliasTarget));
    EXPECT_EQ(AliasNumber(list.RawText(target)), 0);
    EXPECT_EQ(list.TitleCount(), 3);
    ExpectSound(list);
}

TEST_F(DeleteTest, CategoryGoesWithItsSubtreeAndItsTitlesLiveOnInTheirAliases) {
    SelectPath({"Home"});
    list.DeleteAt(kCategory, 0, false);
    EXPECT_EQ(ViewNames(list, kCategory), (Names{"Away"}));
    EXPECT_EQ(list.Selection(kCategory), 0) << "the entry below takes the selection";
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"First", "Second"}));
    EXPECT_EQ(list.TitleCount(), 2) << "Plain went, Target lives on in its first alias";
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(DeleteTest, AnAliasInsideTheDeletedRangeDoesNotInheritTheTitle) {
    // The first alias in outline order lies inside the deleted category.
    Load("<1>Gone\n<2>Here\nalias:7\n<2>There\nalias:7\n<1>Kept\n<2>Sub\nhttp://t\tT\t\xA6#7\n"
         "<1>Far\n<2>Away\nalias:7\n");
    SelectPath({"Kept"});
    list.DeleteAt(kCategory, 1, false);
    SelectPath({"Gone"});
    list.DeleteAt(kCategory, 0, false);
    SelectPath({"Far", "Away"});
    int heir = list.ItemAt(kTitle, 0);
    EXPECT_FALSE(list.Item(heir).Has(ItemFlags::kAlias));
    EXPECT_EQ(list.SelectedUrl(), "");
    EXPECT_EQ(TitleUrl(list.RawText(heir)), "http://t");
    EXPECT_EQ(list.TitleCount(), 1);
    ExpectSound(list);
}

TEST_F(DeleteTest, AllInstancesWithTargetAndAliasInOneRangeCountsTheTitleOnce) {
    Load("<1>Both\n<2>Sub\nhttp://t\tT\t\xA6#3\nalias:3\nhttp://u\tU\n<1>Rest\n<2>Sub\nalias:3\n");
    ASSERT_EQ(list.TitleCount(), 2);
    SelectPath({"Both"});
    list.DeleteItem(list.SelectedItem(kCategory), true, true);
    EXPECT_EQ(list.TitleCount(), 0);
    SelectPath({"Rest", "Sub"});
    EXPECT_EQ(list.Last(kTitle), -1);
    ExpectSound(list);
}

TEST_F(DeleteTest, SelectionFollowsItsEntryWhenOneAboveIsDeleted) {
    SelectPath({"Away", "Second"});
    list.DeleteAt(kSubcategory, 0, false);
    EXPECT_EQ(list.Selection(kSubcategory), 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Target", "Other"}));
    ExpectSound(list);
}

TEST_F(DeleteTest, LastEntryDeletedMovesTheSelectionToTheNewLast) {
    SelectPath({"Away", "Second", "Other"});
    list.DeleteAt(kTitle, 1, false);
    EXPECT_EQ(list.Selection(kTitle), 0);
    list.DeleteAt(kTitle, 0, false);
    EXPECT_EQ(list.Selection(kTitle), -1);
    ExpectSound(list);
}

TEST_F(DeleteTest, OutOfRangeAndRepeatedDeletesChangeNothing) {
    SelectPath({"Away"});
    int first = list.ItemAt(kSubcategory, 0);
    list.DeleteItem(first, false, true);
    std::string before = Outline(list);
    list.DeleteItem(first, true, true);
    list.DeleteAt(kSubcategory, 5, true);
    list.DeleteAt(-1, 0, true);
    list.DeleteItem(0, true, true);
    list.DeleteItem(9999, true, true);
    EXPECT_EQ(Outline(list), before);
    ExpectSound(list);
}

}  // namespace
