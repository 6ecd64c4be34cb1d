// The outline's level views, selection and structural helpers.
#include <gtest/gtest.h>

#include "model/title_text.h"
#include "model/url_list_file.h"
#include "test_support.h"

using testing_support::FixedClock;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

namespace {

constexpr std::int64_t kNow = 1700000000;

class ListModel : public ::testing::Test {
protected:
    ListModel() : clock(kNow), list(Env()) {}
    ListEnvironment Env() {
        ListEnvironment env;
        env.clock = &clock;
        return env;
    }
    void Load(const std::string& text) {
        WriteBytes(folder.Path("list.txt"), text);
        ASSERT_EQ(list.Load(folder.Path("list.txt")), 0);
    }
    std::vector<std::string> View(int level) const {
        std::vector<std::string> names;
        for (int p = 0; p <= list.Last(level); ++p)
            names.emplace_back(list.DisplayName(list.ItemAt(level, p)));
        return names;
    }

    ScratchFolder folder;
    FixedClock clock;
    CUrlListFile list;
};

using Names = std::vector<std::string>;

const std::string kOutline =
    "<1>Alpha\n"            // 1
    "<2>One\n"              // 2
    "http://a1\tA1\n"       // 3
    "http://a2\tA2\t\xA6#9\n"  // 4
    "<2>Two\n"              // 5
    "<1>Beta\n"             // 6
    "<2>Solo\n"             // 7
    "alias:9\n"             // 8
    "\n"                    // 9
    "<1>Gamma\n"            // 10
    "http://orphan\tOrphan\n"  // 11
    "<1>Delta\n";           // 12

TEST_F(ListModel, EmptyListHasNothingToSelect) {
    EXPECT_EQ(list.First(), 0);
    EXPECT_EQ(list.Item(0).next, 0);
    EXPECT_EQ(list.Item(0).prev, 0);
    EXPECT_EQ(list.Select(0, 5), -1);
    EXPECT_EQ(list.Last(0), -1);
    EXPECT_EQ(list.InsertionPoint(kCategory), 0);
    EXPECT_EQ(list.InsertionPoint(kSubcategory), -1);
    EXPECT_EQ(list.SelectedUrl(), "");
    EXPECT_TRUE(list.IsReadOnly()) << "a fresh list has no file";
}

TEST_F(ListModel, ViewsFollowTheSelection) {
    Load(kOutline);
    list.Select(-1, 0);
    EXPECT_EQ(View(0), (Names{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(list.Last(1), -1);

    EXPECT_EQ(list.Select(0, 0), 0);
    EXPECT_EQ(View(1), (Names{"One", "Two"}));
    EXPECT_EQ(list.Selection(1), -1);
    EXPECT_EQ(list.Last(2), -1) << "nothing selected above: the titles view is empty";

    list.Select(1, 0);
    EXPECT_EQ(View(2), (Names{"A1", "A2"}));
    list.Select(2, 7);
    EXPECT_EQ(list.Selection(2), 1) << "clamped to the last entry";
    EXPECT_EQ(list.SelectedUrl(), "http://a2");

    list.Select(0, 2);  // a category whose first child is a title
    EXPECT_EQ(list.Last(1), -1);
    EXPECT_EQ(list.Last(2), -1);
}

TEST_F(ListModel, SelectModesPickChildren) {
    Load(kOutline);
    list.Select(0, 1, SelectMode::kSingleChild);
    EXPECT_EQ(list.Selection(1), 0) << "Beta has one subcategory";
    EXPECT_EQ(list.Selection(2), -1) << "Solo has two entries";
    list.Select(0, 0, SelectMode::kSingleChild);
    EXPECT_EQ(list.Selection(1), -1);
    list.Select(0, 0, SelectMode::kFirstChild);
    EXPECT_EQ(list.Selection(1), 0);
    EXPECT_EQ(list.Selection(2), 0);
}

TEST_F(ListModel, AliasesShowTheirTarget) {
    Load(kOutline);
    list.Select(0, 1, SelectMode::kFirstChild);
    EXPECT_EQ(View(2), (Names{"A2", ""}));
    int alias = list.SelectedItem(2);
    EXPECT_EQ(list.ResolveAlias(alias), 4);
    EXPECT_EQ(list.ItemText(alias), list.RawText(4));
    EXPECT_EQ(list.SelectedUrl(), "http://a2");
    EXPECT_EQ(list.ResolveAlias(3), 3);
}

TEST_F(ListModel, NextSiblingReportsHowTheSubtreeEnds) {
    Load(kOutline);
    EXPECT_EQ(list.NextSibling(1).item, 6);
    EXPECT_EQ(list.NextSibling(1).relation, 1);
    EXPECT_EQ(list.NextSibling(5).item, 6);
    EXPECT_EQ(list.NextSibling(5).relation, 0);
    EXPECT_EQ(list.NextSibling(12).item, 0);
    EXPECT_EQ(list.NextSibling(12).relation, -1);
    EXPECT_EQ(list.NextSibling(11).item, 12);
}

TEST_F(ListModel, InsertingAndMovingKeepTheOutline) {
    Load(kOutline);
    list.Select(0, 0);
    list.Select(1, 1);
    EXPECT_EQ(list.InsertionPoint(kCategory), 0);
    EXPECT_EQ(list.InsertionPoint(kSubcategory), 6) << "after Alpha's subtree";
    EXPECT_EQ(list.InsertionPoint(kTitle), 6) << "after Two's (empty) subtree";

    int item = list.InsertBefore(list.InsertionPoint(kTitle), "http://new\tNew", kTitle);
    ASSERT_EQ(item, 13);
    ASSERT_EQ(list.InsertInView(kTitle, -1, item), 0);
    EXPECT_EQ(View(2), (Names{"New"}));

    list.MoveSubtree(1, 0);  // Alpha with its subtree to the end
    list.Select(-1, 0);
    EXPECT_EQ(View(0), (Names{"Beta", "Gamma", "Delta", "Alpha"}));
    list.Select(0, 3);
    EXPECT_EQ(View(1), (Names{"One", "Two"}));
    list.MoveSubtree(6, 10);  // already there: nothing changes
    list.Select(-1, 0);
    EXPECT_EQ(View(0), (Names{"Beta", "Gamma", "Delta", "Alpha"}));
    EXPECT_EQ(list.Item(0).prev, 13);
}

TEST_F(ListModel, DisplayAttributes) {
    const std::string hourAgo = std::to_string(kNow - 3600);
    Load("<1>C\n<2>S\nhttp://x\tRecent\t\xA6@" + hourAgo + "\n" +
         "http://y\tOld\t\xA6@" + std::to_string(kNow - 3 * 86400) + "\t\xA6?me\n" +
         "http://z\tFuture\t\xA6@" + std::to_string(kNow + 60) + "\n---\n");
    list.Select(0, 0, SelectMode::kFirstChild);
    EXPECT_EQ(list.DisplayAttributes(kTitle, 0, 1), 3);
    EXPECT_EQ(list.DisplayAttributes(kTitle, 0, 0), 1) << "a period of 0 switches it off";
    EXPECT_EQ(list.DisplayAttributes(kTitle, 1, 2), 1 + 0x10000);
    EXPECT_EQ(list.DisplayAttributes(kTitle, 1, 4), 3 + 0x10000);
    EXPECT_EQ(list.DisplayAttributes(kTitle, 2, 30), 1) << "a visit in the future is not recent";
    EXPECT_EQ(list.DisplayAttributes(kTitle, 3, 30), 1 + 0x20000);
    EXPECT_EQ(list.DisplayAttributes(kCategory, 0, 30), 1);
}

}  // namespace
