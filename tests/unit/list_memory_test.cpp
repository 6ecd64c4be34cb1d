// Memory running out through the memory gate, and the 65,535-item limit:
// a refused growth returns -3 and leaves the list as it was (inserting many
// marked items keeps what was inserted, and the marks).
#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

std::string ManyTitles(int count) {
    std::string outline = "<1>Cat\n<2>Sub\n";
    for (int i = 0; i < count; ++i) outline += "http://t" + std::to_string(i) + "\tT" + std::to_string(i) + "\n";
    return outline + "<1>Dest\n<2>Here\n";
}

class MemoryTest : public ListTest {
protected:
    // Repeats `operation` with every growth refused until it reports -3;
    // the list must then be exactly as before that call.
    template <typename Operation>
    void ExpectRefusalLeavesListUnchanged(Operation operation) {
        gate.Allow(0);
        for (int attempt = 0; attempt < 2000; ++attempt) {
            std::string outline = Outline(list);
            Names view = ViewNames(list, kTitle);
            int titles = list.TitleCount(), selection = list.Selection(kTitle);
            if (operation() != -3) continue;
            EXPECT_EQ(Outline(list), outline);
            EXPECT_EQ(ViewNames(list, kTitle), view);
            EXPECT_EQ(list.TitleCount(), titles);
            EXPECT_EQ(list.Selection(kTitle), selection);
            ExpectSound(list);
            gate.Allow(-1);
            return;
        }
        ADD_FAILURE() << "the operation never needed to grow";
    }
};

TEST_F(MemoryTest, AddingAnItemThatCannotGrowChangesNothing) {
    Load(ManyTitles(20));
    SelectPath({"Cat", "Sub", "T3"});
    int serial = 0;
    ExpectRefusalLeavesListUnchanged([&] {
        std::string name = "New" + std::to_string(serial++);
        return list.AddItem(kTitle, Title("http://new", name), name);
    });
    EXPECT_FALSE(list.IsFull());
}

TEST_F(MemoryTest, SeparatorThatCannotGrowChangesNothing) {
    Load(ManyTitles(20));
    SelectPath({"Cat", "Sub", "T3"});
    ExpectRefusalLeavesListUnchanged([&] { return list.InsertSeparator(kTitle); });
}

TEST_F(MemoryTest, SortWithoutScratchSpaceChangesNothing) {
    Load("<1>C\n<2>S\nhttp://b\tb\nhttp://a\ta\n");
    SelectPath({"C", "S"});
    ExpectRefusalLeavesListUnchanged([&] { return list.SortLevel(kTitle); });
    EXPECT_FALSE(list.IsModified());
}

TEST_F(MemoryTest, MarkingStopsAtTheFirstRefusalAndKeepsTheMarksMade) {
    Load(ManyTitles(120));
    SelectPath({"Cat", "Sub"});
    gate.Allow(1);  // the first block of marks
    EXPECT_EQ(list.MarkRange(kTitle, 0, -1, 1), -3);
    EXPECT_GT(list.MarkCount(), 0);
    EXPECT_LT(list.MarkCount(), 120);
    ExpectSound(list);
}

TEST_F(MemoryTest, CopyStopsAtTheFirstRefusalKeepingWhatWasInserted) {
    Load(other, ManyTitles(300));
    SelectPath(other, {"Cat", "Sub"});
    other.MarkRange(kTitle, 0, -1, 1);
    Load(ManyTitles(0));
    SelectPath({"Dest", "Here"});
    gate.Allow(2);  // the first block of items and of the titles view
    EXPECT_EQ(list.CopyMarkedFromOther(), -3);
    gate.Allow(-1);
    EXPECT_GT(list.TitleCount(), 0);
    EXPECT_LT(list.TitleCount(), 300);
    EXPECT_EQ(list.TitleCount(), list.Last(kTitle) + 1);
    EXPECT_EQ(other.MarkCount(), 300);
    ExpectSound(list);
    ExpectSound(other);
}

TEST_F(MemoryTest, TheLastItemNumberIsNeverExceeded) {
    Load(ManyTitles(CUrlListFile::kMaxItems - 4));
    ASSERT_EQ(list.Count(), CUrlListFile::kMaxItems);
    SelectPath({"Cat", "Sub", "T7"});
    std::string before = Outline(list);
    EXPECT_EQ(list.AddItem(kTitle, Title("http://x", "X"), "X"), -3);
    EXPECT_EQ(list.InsertSeparator(kTitle), -3);
    list.MarkSelected(kTitle);
    SelectPath({"Dest", "Here"});
    EXPECT_EQ(list.AliasMarked(), -3);
    EXPECT_EQ(list.MarkCount(), 1);
    EXPECT_EQ(Outline(list), before);
    ExpectSound(list);
}

}  // namespace
