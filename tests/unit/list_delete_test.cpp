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

// The range of the deleted entry ends where another instance of its title
// stands: that instance goes too, and the deletion still ends.
TEST_F(DeleteTest, AllInstancesWhenTheRangeEndsAtAnotherInstance) {
    struct Case {
        const char* outline;
        Names path;
    };
    const Case cases[] = {
        {"<1>A\n<2>S\nhttp://t\tT\t\xA6#9\n<1>B\n<2>S2\nalias:9\nalias:9\nhttp://o\tO\n", {"B", "S2"}},
        {"<1>A\n<2>S\nhttp://t\tT\t\xA6#9\nalias:9\nhttp://o\tO\n", {"A", "S"}},
        {"<1>A\n<2>S\nalias:9\nhttp://t\tT\t\xA6#9\nhttp://o\tO\n", {"A", "S"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outline);
        Load(c.outline);
        SelectPath(c.path);
        list.DeleteAt(kTitle, 0, true);
        Names titles;
        for (int i = list.First(); i != 0; i = list.Next(i))
            if (list.Level(i) == kTitle) titles.emplace_back(list.DisplayName(i));
        EXPECT_EQ(titles, (Names{"O"}));
        EXPECT_EQ(list.TitleCount(), 1);
        ExpectSound(list);
    }
}

// A list loaded with exactly 10,000 titles is not full; handing a deleted
// title to its alias leaves as many titles and the flag as it was.
TEST_F(DeleteTest, JustThisInstanceAtTenThousandTitlesLeavesTheListOpenForAdding) {
    std::string outline = "<1>Many\n<2>Titles\nhttp://t\tA target\t\xA6#1\n";
    for (int i = 1; i < CUrlListFile::kFullTitleCount; ++i) outline += "http://t" + std::to_string(i) + "\tT\n";
    Load(outline + "<2>Elsewhere\nalias:1\n");
    ASSERT_FALSE(list.IsFull());
    SelectPath({"Many", "Titles"});
    list.DeleteAt(kTitle, 0, false);
    EXPECT_EQ(list.TitleCount(), CUrlListFile::kFullTitleCount);
    EXPECT_FALSE(list.IsFull());
    EXPECT_GE(list.AddItem(kTitle, Title("http://new", "New"), "New"), 0);
    EXPECT_TRUE(list.IsFull());
    ExpectSound(list);
}

// As many items as a list holds; 10,000 marked titles hand their role to
// their aliases in one deletion.
TEST_F(DeleteTest, TenThousandMarkedTargetsHandOverToTheirAliases) {
    constexpr int kTargets = 10000;
    std::string targets = "<1>Targets\n";
    std::string aliases = "<1>Aliases\n";
    for (int t = 1; t <= kTargets; ++t) {
        if (t % 100 == 1) {
            targets += "<2>T\n";
            aliases += "<2>A\n";
        }
        targets += "http://t" + std::to_string(t) + "\tT\t\xA6#" + std::to_string(t) + "\n";
        aliases += "alias:" + std::to_string(t) + "\n";
    }
    std::string outline = targets + aliases + "<1>Plain\n<2>P\n";
    for (int items = 2 * (1 + kTargets / 100 + kTargets) + 2; items < CUrlListFile::kMaxItems; ++items)
        outline += "http://p\tP\n";
    Load(outline);
    ASSERT_EQ(list.Count(), CUrlListFile::kMaxItems);
    int titles = list.TitleCount();
    for (int i = list.First(); i != 0; i = list.Next(i))
        if (list.Item(i).Has(ItemFlags::kAliasTarget)) list.SetMark(i, 1);
    ASSERT_EQ(list.MarkCount(), kTargets);
    list.DeleteMarked();
    EXPECT_EQ(list.TitleCount(), titles);
    SelectPath({"Aliases", "A"});
    int heir = list.ItemAt(kTitle, 0);
    EXPECT_EQ(list.Item(heir).flags, kTitle);
    EXPECT_EQ(TitleUrl(list.RawText(heir)), "http://t1");
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
