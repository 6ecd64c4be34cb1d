// Adding entries, editing texts, separators and dragging within a level.
#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

const std::string kFruit =
    "<1>Fruit\n"
    "<2>Apple\n"
    "<2>Banana\n"
    "http://b1\tB1\n"
    "<2>Cherry\n"
    "<1>Mixed\n"
    "<2>Cherry\n"
    "<2>Apple\n"
    "<2>Date\n"
    "http://d1\tD1\n"
    "http://d2\tD2\n"
    "<1>Empty\n"
    "<2>Bare\n"
    "<1>Hidden\n"
    "http://orphan\tOrphan\n"
    "<2>Later\n";

class AddItemTest : public ListTest {};

TEST_F(AddItemTest, KeyGoesAfterEqualNamesInAnAlphabeticalView) {
    Load(kFruit);
    SelectPath({"Fruit"});
    EXPECT_EQ(list.AddItem(kSubcategory, "banana", "banana"), 2);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Apple", "Banana", "banana", "Cherry"}));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(AddItemTest, HandOrderedViewTakesTheKeyAtTheEndAfterTheLastSubtree) {
    Load(kFruit);
    SelectPath({"Mixed"});
    EXPECT_EQ(list.AddItem(kSubcategory, "Banana", "Banana"), 3);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Cherry", "Apple", "Date", "Banana"}));
    int added = list.ItemAt(kSubcategory, 3);
    EXPECT_EQ(list.RawText(list.Item(added).prev), Title("http://d2", "D2"));
    ExpectSound(list);
}

TEST_F(AddItemTest, EmptyViewTakesTheEntryRightAfterItsParent) {
    Load(kFruit);
    SelectPath({"Empty", "Bare"});
    EXPECT_EQ(list.AddItem(kTitle, Title("http://n", "N"), "N"), 0);
    EXPECT_EQ(list.Item(list.ItemAt(kTitle, 0)).prev, list.SelectedItem(kSubcategory));
    EXPECT_EQ(list.TitleCount(), 5);
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(AddItemTest, TitlesNoViewShowsBecomeTheNewSubcategorysTitles) {
    Load(kFruit);
    SelectPath({"Hidden"});
    ASSERT_EQ(list.Last(kSubcategory), -1) << "a title right after the category hides its entries";
    EXPECT_EQ(list.AddItem(kSubcategory, "New", "New"), 0);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"New", "Later"}));
    list.Select(kSubcategory, 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Orphan"}));
    ExpectSound(list);
}

TEST_F(AddItemTest, RefusesWithoutParentOrText) {
    Load(kFruit);
    std::string before = Outline(list);
    EXPECT_EQ(list.AddItem(kTitle, Title("http://x", "X"), "X"), -1);
    SelectPath({"Fruit"});
    EXPECT_EQ(list.AddItem(kSubcategory, "", ""), -1) << "an empty name would read back as a separator";
    EXPECT_EQ(list.AddItem(7, "x", "x"), -1);
    EXPECT_EQ(Outline(list), before);
    EXPECT_FALSE(list.IsModified());
}

TEST_F(AddItemTest, SelectionStaysOnItsEntryWhenOneIsAddedAbove) {
    Load(kFruit);
    SelectPath({"Fruit", "Cherry"});
    int cherry = list.SelectedItem(kSubcategory);
    list.AddItem(kSubcategory, "Avocado", "Avocado");
    EXPECT_EQ(list.SelectedItem(kSubcategory), cherry);
    ExpectSound(list);
}

TEST_F(AddItemTest, TheTenThousandthTitleMakesTheListFull) {
    std::string outline = "<1>Many\n<2>Titles\n";
    for (int i = 0; i < CUrlListFile::kFullTitleCount - 1; ++i)
        outline += "http://t" + std::to_string(i) + "\tT\n";
    Load(outline);
    SelectPath({"Many", "Titles"});
    EXPECT_FALSE(list.IsFull());
    EXPECT_GE(list.AddItem(kTitle, Title("http://last", "Last"), "Last"), 0);
    EXPECT_TRUE(list.IsFull());
    list.DeleteAt(kTitle, 0, false);
    EXPECT_FALSE(list.IsFull());
    ExpectSound(list);
}

class EditTest : public ListTest {};

const std::string kAliased =
    "<1>News\n"
    "<2>Daily\n"
    "http://plan\tPlan\t\xA6@1180000000\t\xA6+first\\nsecond\t\xA6?jsmith\t\xA6#7\n"
    "\n"
    "<1>Reference\n"
    "<2>Misc\n"
    "alias:7\n";

TEST_F(EditTest, EditingAnAliasRenamesItsTargetAndKeepsTheOtherFields) {
    Load(kAliased);
    SelectPath({"Reference", "Misc"});
    list.EditItem(kTitle, 0, "  Plan B\t(old) ", " http://plan/b\r\n");
    int target = list.ResolveAlias(list.ItemAt(kTitle, 0));
    std::string_view text = list.RawText(target);
    EXPECT_EQ(TitleUrl(text), "http://plan/b");
    EXPECT_EQ(TitleName(text), "Plan B (old)") << "TAB inside a field becomes a space";
    EXPECT_EQ(LastVisited(text), 1180000000);
    EXPECT_EQ(TitleNote(text), "first\\nsecond");
    EXPECT_EQ(TitleLogIn(text), "jsmith");
    EXPECT_EQ(AliasNumber(text), target);
    EXPECT_TRUE(list.IsModified());
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(EditTest, EmptyNamesAndSeparatorsAreLeftAlone) {
    Load(kAliased);
    SelectPath({"News", "Daily"});
    std::string before = Outline(list);
    list.EditItem(kTitle, 0, "Plan", "   ");
    list.EditItem(kTitle, 1, "Not a separator", "http://x");
    list.EditItem(kCategory, 0, "\t", "");
    list.EditItem(kTitle, 9, "Nothing there", "http://x");
    EXPECT_EQ(Outline(list), before);
    EXPECT_FALSE(list.IsModified());
    list.EditItem(kCategory, 1, " Books ", "");
    EXPECT_EQ(ViewNames(list, kCategory), (Names{"News", "Books"}));
}

TEST_F(EditTest, NoteAndLogInReachTheTargetOfAnAlias) {
    Load(kAliased);
    SelectPath({"Reference", "Misc"});
    int alias = list.ItemAt(kTitle, 0);
    list.SetNoteAndLogIn(alias, "line 1\r\nline\t2", "me\tyou");
    std::string_view text = list.ItemText(alias);
    EXPECT_EQ(TitleNote(text, true), "line 1\r\nline    2");
    EXPECT_EQ(TitleLogIn(text), "me you");
    EXPECT_EQ(TitleName(text), "Plan");
    EXPECT_EQ(LastVisited(text), 1180000000);
    EXPECT_EQ(list.RawText(alias), "alias:" + std::to_string(list.ResolveAlias(alias)));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(EditTest, LastVisitedIsNowByTheListsClockOrNever) {
    Load(kAliased);
    SelectPath({"News", "Daily"});
    int plan = list.ItemAt(kTitle, 0);
    list.SetLastVisited(plan, false);
    EXPECT_EQ(LastVisited(list.RawText(plan)), kNow);
    EXPECT_EQ(TitleLogIn(list.RawText(plan)), "jsmith");
    list.SetLastVisited(plan, true);
    EXPECT_EQ(LastVisited(list.RawText(plan)), 0);
    list.SetLastVisited(list.ItemAt(kTitle, 1), false);  // the separator
    ExpectSound(list);
}

class SeparatorTest : public ListTest {};

TEST_F(SeparatorTest, GoesAboveTheHighlightedEntryWhichStaysHighlighted) {
    Load(kFruit);
    SelectPath({"Fruit", "Banana"});
    int banana = list.SelectedItem(kSubcategory);
    EXPECT_EQ(list.InsertSeparator(kSubcategory), 1);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Apple", "", "Banana", "Cherry"}));
    EXPECT_EQ(list.SelectedItem(kSubcategory), banana);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"B1"}));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(SeparatorTest, NothingSelectedChangesNothing) {
    Load(kFruit);
    SelectPath({"Fruit"});
    EXPECT_EQ(list.InsertSeparator(kSubcategory), -1);
    EXPECT_EQ(list.InsertSeparator(-1), -1);
    EXPECT_EQ(list.InsertSeparator(3), -1);
    EXPECT_FALSE(list.IsModified());
}

class MoveInViewTest : public ListTest {};

TEST_F(MoveInViewTest, MovesAnEntryWithItsSubtreeAndSelectsIt) {
    Load(kFruit);
    SelectPath({"Mixed"});
    list.MoveInView(kSubcategory, 2, 0);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Date", "Cherry", "Apple"}));
    EXPECT_EQ(list.Selection(kSubcategory), 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"D1", "D2"}));
    ExpectSound(list);

    list.MoveInView(kSubcategory, 0, -1);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Cherry", "Apple", "Date"}));
    EXPECT_EQ(list.Selection(kSubcategory), 2);
    list.MoveInView(kSubcategory, 0, 2);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Apple", "Cherry", "Date"}));
    EXPECT_EQ(list.Selection(kSubcategory), 1);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{})) << "the titles shown are the moved entry's";
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(MoveInViewTest, MovesOntoItselfOrOutOfRangeChangeNothing) {
    Load(kFruit);
    SelectPath({"Mixed"});
    std::string before = Outline(list);
    list.MoveInView(kSubcategory, 0, 1);
    list.MoveInView(kSubcategory, 1, 1);
    list.MoveInView(kSubcategory, 2, -1);
    list.MoveInView(kSubcategory, 5, 0);
    list.MoveInView(kSubcategory, 0, -2);
    list.MoveInView(-1, 0, 1);
    EXPECT_EQ(Outline(list), before);
    EXPECT_FALSE(list.IsModified());
}

}  // namespace
