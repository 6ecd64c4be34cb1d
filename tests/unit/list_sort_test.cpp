// Sorting a level: the fast sort must give exactly the selection sort's order.
#include <algorithm>
#include <random>

#include "list_edit_fixture.h"

using namespace list_edit_testing;

namespace {

// The plain selection sort that defines the order: whenever an entry's name
// sorts before the front's, it moves (with its subtree) before the front and
// becomes the front; an entry without a name ends the scan.
void SelectionSort(CUrlListFile& list, int level) {
    const platform::CodePage& cp = *list.Environment().codePage;
    std::vector<int> entries;
    for (int p = 0; p <= list.Last(level); ++p) entries.push_back(list.ItemAt(level, p));
    std::size_t front = 0;
    while (front + 1 < entries.size()) {
        for (std::size_t scan = front + 1;; ++scan) {
            int entry = entries[scan];
            if (list.DisplayName(entry).empty()) {
                ++front;
                break;
            }
            if (cp.CompareNoCase(list.DisplayName(entries[front]), list.DisplayName(entry)) > 0) {
                list.MoveSubtree(entry, entries[front]);
                std::rotate(entries.begin() + static_cast<long>(front),
                            entries.begin() + static_cast<long>(scan),
                            entries.begin() + static_cast<long>(scan) + 1);
                scan = front;
                continue;
            }
            if (scan + 1 == entries.size()) {
                ++front;
                break;
            }
        }
    }
}

class SortTest : public ListTest {};

TEST_F(SortTest, EachRunBetweenSeparatorsIsSortedOnItsOwn) {
    Load("<1>Top\n<2>b\nhttp://b\tB\n<2>A\n<2>\n<2>D\n<2>c\nhttp://c\tC\n");
    SelectPath({"Top", "b"});
    int b = list.SelectedItem(kSubcategory);
    EXPECT_EQ(list.SortLevel(kSubcategory), 0);
    EXPECT_EQ(ViewNames(list, kSubcategory), (Names{"A", "b", "", "c", "D"}));
    EXPECT_EQ(list.SelectedItem(kSubcategory), b) << "the selected entry stays selected";
    EXPECT_EQ(ViewNames(list, kTitle), (Names{"B"}));
    ExpectSound(list);
    ExpectRoundTrip(list);
}

TEST_F(SortTest, SortedViewIsLeftUnmodified) {
    Load("<1>Top\n<2>a\n<2>B\n<2>b\n<2>c\n");
    SelectPath({"Top"});
    list.SortLevel(kSubcategory);
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(list.SortLevel(kTitle), 0);
    EXPECT_EQ(list.SortLevel(5), 0);
}

// Random views with duplicates, case variants, separators, empty titles and
// subtrees, sorted both ways from the same file.
std::string RandomOutline(std::mt19937& random, int entries) {
    static const char* const kNames[] = {"apple", "Apple", "APPLE", "b", "B", "banana",
                                         "Banana", "cherry", "\xC9t\xE9", "\xE9T\xC9", "z"};
    std::uniform_int_distribution<int> pick(0, 10), percent(0, 99);
    std::string out;
    int serial = 0;
    auto title = [&](const std::string& name) {
        return "http://u" + std::to_string(serial++) + "\t" + name + "\n";
    };
    for (int c = 0; c < entries; ++c) {
        bool separator = percent(random) < 10;
        out += "<1>" + (separator ? std::string() : kNames[pick(random)]) + "\n";
        for (int s = percent(random) % 3; s > 0; --s) out += "<2>sub" + std::to_string(serial++) + "\n";
    }
    out += "<1>Titles\n<2>Sub\n";
    for (int t = 0; t < entries; ++t) {
        int roll = percent(random);
        out += roll < 8 ? "\n" : roll < 12 ? title("") : title(kNames[pick(random)]);
    }
    return out;
}

TEST_F(SortTest, GivesTheSelectionSortsOrderOnRandomViews) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        std::string outline = RandomOutline(random, 5 + round);
        Load(list, outline);
        Load(other, outline);
        list.SortLevel(kCategory);
        SelectionSort(other, kCategory);
        ASSERT_EQ(Outline(list), Outline(other)) << outline;
        ExpectSound(list);

        SelectPath(list, {"Titles", "Sub"});
        SelectPath(other, {"Titles", "Sub"});
        list.SortLevel(kTitle);
        SelectionSort(other, kTitle);
        ASSERT_EQ(Outline(list), Outline(other)) << outline;
        ExpectSound(list);
    }
}

}  // namespace
