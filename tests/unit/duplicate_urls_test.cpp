// Finding, marking and merging titles with the same address.
#include "list_edit_fixture.h"
#include "model/duplicate_urls.h"

using namespace list_edit_testing;

namespace {

TEST(NormalizedUrlTest, OnlyHarmlessDifferencesVanish) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"HTTP://Example.COM/Path", "http://example.com/Path", true},
        {"http://example.com", "http://example.com/", true},
        {"http://example.com:80/a", "http://example.com/a", true},
        {"https://example.com:443", "https://example.com/", true},
        {"http://example.com?q=1", "http://example.com/?q=1", true},
        {"http://User@Example.com/", "http://User@example.com/", true},
        {"http://[::1]:80/", "http://[::1]/", true},
        {"http://example.com/Path", "http://example.com/path", false},
        {"http://example.com/a?q=1", "http://example.com/a", false},
        {"http://example.com/a#top", "http://example.com/a", false},
        {"https://example.com:80/", "https://example.com/", false},
        {"http://example.com:8080/", "http://example.com/", false},
        {"http://user@example.com/", "http://USER@example.com/", false},
        {"MAILTO:Someone@Example.com", "mailto:Someone@Example.com", true},
        {"C:\\Docs\\a.txt", "c:\\Docs\\a.txt", true},
        {"C:\\Docs\\a.txt", "C:\\docs\\a.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizedUrl(c.a) == NormalizedUrl(c.b), c.same) << c.a << " vs " << c.b;
}

const std::string kSource =
    "<1>News\n"
    "<2>Daily\n"
    "http://example.com/\tExample\t\xA6@1000\t\xA6+first note\n"
    "http://other.org/\tOther\t\xA6@1000\t\t\xA6?anne\t\xA6#9\n"
    "\n"
    "<2>Weekly\n"
    "HTTP://EXAMPLE.com:80\tExample again\t\xA6@3000\t\xA6+second note\t\xA6?bob\n"
    "http://example.com/?page=2\tPage two\n"
    "<1>Work\n"
    "<2>Refs\n"
    "alias:9\n"
    "http://other.org\tOther\t\xA6@2000\t\xA6#4\n"
    "http://example.com/\tExample\n"
    "<2>Links\n"
    "alias:4\n";

class DuplicateUrlsTest : public ListTest {
protected:
    void SetUp() override { Load(kSource); }

    std::vector<Names> Groups() {
        DuplicateGroups groups;
        EXPECT_EQ(FindDuplicateUrls(list, groups), 0);
        std::vector<Names> names;
        for (int g = 0; g < groups.Count(); ++g) {
            names.emplace_back();
            for (std::uint32_t i = groups.starts[g]; i < groups.starts[g + 1]; ++i)
                names.back().emplace_back(list.DisplayName(groups.items[i]));
        }
        return names;
    }

    Names MarkedNames() {
        Names names;
        for (std::uint16_t item : list.Marks()) names.emplace_back(list.DisplayName(item));
        return names;
    }
};

TEST_F(DuplicateUrlsTest, GroupsFollowTheOutlineAndLeaveAliasesOut) {
    EXPECT_EQ(Groups(), (std::vector<Names>{{"Example", "Example again", "Example"}, {"Other", "Other"}}));
}

TEST_F(DuplicateUrlsTest, MarkingLeavesEachFirstOccurrence) {
    EXPECT_EQ(MarkDuplicateUrls(list), 3);
    EXPECT_EQ(MarkedNames(), (Names{"Example again", "Example", "Other"}));
    EXPECT_EQ(list.ItemText(list.Marks()[1]), "http://example.com/\tExample");
    EXPECT_EQ(MarkDuplicateUrls(list), 0) << "marked ones stay marked once";
    ExpectSound(list);

    list.ClearMarks();
    SelectPath({"Work"});
    ASSERT_EQ(list.MarkSelected(kCategory), kCategory);
    EXPECT_EQ(MarkDuplicateUrls(list), -4);
    EXPECT_EQ(list.MarkCount(), 1);
}

TEST_F(DuplicateUrlsTest, MarksTheTitlesTheOtherListHolds) {
    Load(other, "<1>Elsewhere\n<2>Sub\nhttp://Other.org:80/\tSeen\nhttp://example.com/#top\tNot the same\n");
    EXPECT_EQ(MarkUrlsHeldBy(list, other), 2);
    EXPECT_EQ(MarkedNames(), (Names{"Other", "Other"}));
    ExpectSound(list);
}

TEST_F(DuplicateUrlsTest, MergingKeepsEveryPlaceAndLosesNothing) {
    int titles = list.TitleCount();
    DuplicateMergeCounts counts;
    ASSERT_EQ(list.MergeDuplicateUrls(counts), 0);
    EXPECT_EQ(counts.groups, 2);
    EXPECT_EQ(counts.aliases, 3);
    EXPECT_EQ(counts.notesExtended, 1);
    EXPECT_EQ(list.TitleCount(), titles - 3);
    ExpectSound(list);
    EXPECT_EQ(Outline(list),
              "News\n Daily\n"
              "  http://example.com/ | Example | 3000 | first note\\nExample again\\nsecond note | bob\n"
              "  http://other.org/ | Other | 2000 |  | anne\n"
              "  ----\n"
              " Weekly\n  alias of #2\n  http://example.com/?page=2 | Page two | 0 |  | \n"
              "Work\n Refs\n  alias of #3\n  alias of #3\n  alias of #2\n"
              " Links\n  alias of #3\n")
        << "the aliases of the replaced title now stand for the kept one";
    ExpectRoundTrip(list);
    ASSERT_EQ(list.MergeDuplicateUrls(counts), 0);
    EXPECT_EQ(counts.aliases, 0);
}

TEST_F(DuplicateUrlsTest, RefusedMemoryLeavesTheListAsItWas) {
    std::string before = Outline(list);
    for (int allowed = 0; allowed < 8; ++allowed) {
        gate.Allow(allowed);
        DuplicateMergeCounts counts;
        if (list.MergeDuplicateUrls(counts) == 0) break;
        EXPECT_EQ(Outline(list), before) << allowed << " growths allowed";
        EXPECT_FALSE(list.IsModified());
    }
    gate.Allow(-1);
    ExpectSound(list);
}

}  // namespace
