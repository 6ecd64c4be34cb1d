// Marks, and moving, aliasing and copying the marked items.
#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

const std::string kSource =
    "<1>Home\n"
    "<2>Main\n"
    "http://target\tTarget\t\xA6@1180000000\t\xA6?me\t\xA6#5\n"
    "http://plain\tPlain\n"
    "<1>Away\n"
    "<2>Aliases\n"
    "alias:5\n"
    "\n"
    "<2>Zed\n"
    "http://zed\tZed title\n"
    "<1>Dest\n"
    "<2>Alpha\n"
    "<2>Omega\n";

class MarksTest : public ListTest {
protected:
    void SetUp() override { Load(kSource); }
};

TEST_F(MarksTest, MarksStayAtOneLevel) {
    SelectPath({"Away", "Zed"});
    EXPECT_EQ(list.MarkSelected(kSubcategory), kSubcategory);
    list.Select(kTitle, 0);
    EXPECT_EQ(list.MarkSelected(-1), -4);
    EXPECT_EQ(list.MarkRange(kTitle, 0, -1, 1), -4);
    EXPECT_EQ(list.SetMark(list.SelectedItem(kTitle), 1), -4);
    EXPECT_EQ(list.MarkCount(), 1);
    EXPECT_EQ(list.MarkLevel(), kSubcategory);
    ExpectSound(list);
}

TEST_F(MarksTest, TogglingTheOnlyMarkEndsTheMarkLevel) {
    SelectPath({"Home", "Main", "Plain"});
    int plain = list.SelectedItem(kTitle);
    EXPECT_EQ(list.SetMark(plain, 1), 1);
    EXPECT_EQ(list.SetMark(plain, 1), 1) << "marking a marked item keeps it marked";
    EXPECT_EQ(list.MarkSelected(kTitle), kTitle);
    EXPECT_EQ(list.MarkCount(), 0);
    EXPECT_EQ(list.MarkLevel(), 3);
    EXPECT_EQ(list.SetMark(plain, 0), 0);
    EXPECT_EQ(list.SetMark(0, 1), -1);
    list.Select(kCategory, -1);
    EXPECT_EQ(list.MarkSelected(kCategory), -5);
    EXPECT_EQ(list.MarkSelected(-1), -5);
    ExpectSound(list);
}

TEST_F(MarksTest, UnmarkingARangeWithoutMarksLeavesNoMarkLevel) {
    SelectPath({"Dest"});
    EXPECT_EQ(list.MarkRange(kSubcategory, 0, -1, 0), kSubcategory);
    EXPECT_EQ(list.MarkLevel(), 3);
    EXPECT_EQ(list.MarkRange(kTitle, 0, -1, 1), -5);
    EXPECT_EQ(list.MarkRange(kSubcategory, 1, 7, 1), kSubcategory);
    EXPECT_EQ(list.MarkCount(), 1);
    ExpectSound(list);
}

TEST_F(MarksTest, MarkingInOneListDiscardsTheOtherListsMarks) {
    Load(other, kSource);
    SelectPath(other, {"Home"});
    other.MarkSelected(kCategory);
    SelectPath({"Home"});
    list.MarkRange(kCategory, 0, 0, 0);  // even an unmarking counts
    EXPECT_EQ(other.MarkCount(), 0);
    ExpectSound(other);

    other.MarkSelected(kCategory);
    list.DeleteAt(kCategory, 2, false);
    EXPECT_EQ(other.MarkCount(), 0) << "deleting with unmark counts as marking";
}

TEST_F(MarksTest, PairingIsMutualAndEndsWithEitherList) {
    EXPECT_EQ(other.OtherList(), &list);
    {
        CUrlListFile third;
        third.SetOtherList(&list);
        EXPECT_EQ(list.OtherList(), &third);
        EXPECT_EQ(other.OtherList(), nullptr);
    }
    EXPECT_EQ(list.OtherList(), nullptr);
    list.SetOtherList(&list);
    EXPECT_EQ(list.OtherList(), nullptr);
}

TEST_F(MarksTest, MoveBringsASubcategoryWithItsTitlesToItsAlphabeticalPlace) {
    SelectPath({"Away", "Zed"});
    list.MarkSelected(kSubcategory);
    list.Select(kSubcategory, 0);
    list.MarkSelected(kSubcategory);  // Aliases, already under Away later: moved too
    SelectPath({"Dest"});
    EXPECT_EQ(list.MoveMarked(), 0);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"Aliases", "Alpha", "Omega", "Zed"}));
    EXPECT_EQ(list.Selection(kSubcategory), 0) << "the last one moved is selected";
    EXPECT_EQ(list.MarkCount(), 0);
    list.Select(kSubcategory, 3);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Zed title"}));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(MarksTest, MoveRemovesMarkedSeparatorsAndLeavesEntriesUnderTheParent) {
    SelectPath({"Away", "Aliases"});
    list.MarkRange(kTitle, 0, -1, 1);
    EXPECT_EQ(list.MoveMarked(), 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Target"}));
    EXPECT_EQ(list.Selection(kTitle), 0);
    ExpectSound(list);
    EXPECT_EQ(list.MoveMarked(), -1) << "no marks left";
}

TEST_F(MarksTest, SeparatorWithEntriesUnderItMovesLikeAnyEntry) {
    Load("<1>A\n<2>\nhttp://kept\tKept\n<1>B\n<2>S\n");
    SelectPath({"A"});
    list.MarkRange(kSubcategory, 0, 0, 1);
    SelectPath({"B"});
    EXPECT_EQ(list.MoveMarked(), 0);
    EXPECT_EQ(list.TitleCount(), 1);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"", "S"})) << "no name sorts first";
    ExpectSound(list);
}

TEST_F(MarksTest, MoveNeedsMarksAndAHighlightedParent) {
    EXPECT_EQ(list.MoveMarked(), -1);
    SelectPath({"Away", "Zed", "Zed title"});
    list.MarkSelected(kTitle);
    list.Select(kSubcategory, -1);
    EXPECT_EQ(list.MoveMarked(), -1);
    EXPECT_EQ(list.MarkCount(), 1);
}

TEST_F(MarksTest, AliasOfAnAliasNamesTheSameTarget) {
    SelectPath({"Away", "Aliases", "Target"});
    list.MarkSelected(kTitle);
    SelectPath({"Dest", "Alpha"});
    EXPECT_EQ(list.AliasMarked(), 0);
    int alias = list.ItemAt(kTitle, 0);
    EXPECT_TRUE(list.Item(alias).Has(ItemFlags::kAlias));
    EXPECT_EQ(list.ResolveAlias(alias), Find(list, "Target"));
    EXPECT_EQ(list.TitleCount(), 3) << "aliases are not counted";
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(MarksTest, AliasingAPlainTitleMakesItATarget) {
    SelectPath({"Home", "Main", "Plain"});
    list.MarkSelected(kTitle);
    SelectPath({"Dest", "Omega"});
    EXPECT_EQ(list.AliasMarked(), 0);
    int plain = Find(list, "Plain");
    EXPECT_TRUE(list.Item(plain).Has(ItemFlags::kAliasTarget));
    EXPECT_EQ(AliasNumber(list.RawText(plain)), plain);
    ExpectSound(list);
    ExpectRoundTrip(list);

    SelectPath({"Home"});
    list.MarkSelected(kCategory);
    SelectPath({"Dest", "Omega"});
    EXPECT_EQ(list.AliasMarked(), -1) << "only titles have aliases";
}

TEST_F(MarksTest, CopyFromTheOtherListMakesIndependentCountedTitles) {
    Load(other, kSource);
    SelectPath(other, {"Away", "Aliases", "Target"});
    other.MarkSelected(kTitle);
    SelectPath({"Dest", "Alpha"});
    EXPECT_EQ(list.CopyMarkedFromOther(), 0);
    int copy = list.ItemAt(kTitle, 0);
    EXPECT_EQ(list.Item(copy).flags, kTitle);
    EXPECT_EQ(TitleUrl(list.RawText(copy)), "http://target");
    EXPECT_EQ(TitleLogIn(list.RawText(copy)), "me");
    EXPECT_EQ(AliasNumber(list.RawText(copy)), 0);
    EXPECT_EQ(list.TitleCount(), 4);
    EXPECT_EQ(other.MarkCount(), 1) << "the caller clears or deletes them";
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(MarksTest, CopiedCategoryKeepsItsSeparatorsAndAMoveDeletesTheOriginals) {
    Load(other, kSource);
    SelectPath(other, {"Away"});
    other.MarkSelected(kCategory);
    SelectPath({});
    EXPECT_EQ(list.CopyMarkedFromOther(), 0);
    EXPECT_EQ(ViewNames(list, kCategory), (Names{"Home", "Away", "Dest", "Away"}));
    SelectPath({"Dest"});
    list.Select(kCategory, 3);
    list.Select(kSubcategory, 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Target", ""}));
    EXPECT_TRUE(list.Item(list.ItemAt(kTitle, 1)).Has(ItemFlags::kSeparator));
    EXPECT_EQ(list.TitleCount(), 5);
    ExpectSound(list);
    ExpectRoundTrip(list);

    other.DeleteMarked();
    EXPECT_EQ(ViewNames(other, kCategory), (Names{"Home", "Dest"}));
    EXPECT_EQ(other.Selection(kCategory), -1);
    EXPECT_EQ(other.MarkCount(), 0);
    EXPECT_EQ(other.TitleCount(), 2);
    ExpectSound(other);
    ExpectRoundTrip(other);
}

// A separator with entries under it comes along like any entry; a bare one
// is dropped, as a move within the list does.
TEST_F(MarksTest, MoveFromTheOtherListLosesNoEntryUnderAMarkedSeparator) {
    Load(other, "<1>From\n<2>\nhttp://kept\tKept\n<2>---\n<1>Rest\n");
    SelectPath(other, {"From"});
    other.MarkRange(kSubcategory, 0, -1, 1);
    SelectPath({"Dest"});
    EXPECT_EQ(list.CopyMarkedFromOther(), 0);
    other.DeleteMarked();
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"", "Alpha", "Omega"}));
    list.Select(kSubcategory, 0);
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"Kept"}));
    EXPECT_EQ(list.TitleCount(), 4);
    ExpectSound(list);
    ExpectSound(other);
    ExpectRoundTrip(list);
}

TEST_F(MarksTest, CopyNeedsAnOtherListWithMarks) {
    EXPECT_EQ(list.CopyMarkedFromOther(), -1);
    list.SetOtherList(nullptr);
    EXPECT_EQ(list.CopyMarkedFromOther(), -1);
}

}  // namespace
