// What every operation must leave true of a list:
// - items 1..count that are linked form one ring with the head, in pre-order;
//   the others point at themselves;
// - separators have no text and are neither aliases nor alias targets; every
//   other linked item has text, so that it reads back as what it is;
// - aliases and alias targets are titles; an alias names a linked target;
//   a target carries its own number and has at least one alias; plain titles
//   carry no alias number; titleCount counts the linked plain titles and
//   targets, and the full flag agrees with it;
// - the marks are distinct linked items of markLevel and carry the mark flag,
//   which no other item carries; markLevel is 3 exactly when there are none;
// - each level view lists the children of the item selected one level up
//   (level 0: the categories) and each selection lies within its view.
#include "model/list_invariants.h"

#include <vector>

#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

std::string At(int item, const char* what) { return "item " + std::to_string(item) + ": " + what; }

}  // namespace

class ListInvariantChecker::Walk {
public:
    explicit Walk(const CUrlListFile& list) : list_(list), linked_(list.items_.size(), false) {}

    std::string Run() {
        if (list_.items_.size() != static_cast<std::size_t>(list_.count_) + 1 ||
            list_.texts_.size() != list_.items_.size())
            return "item and text arrays do not match count";
        if (list_.count_ > CUrlListFile::kMaxItems) return "more items than numbers";
        if (list_.items_[0].flags != 0 || !list_.texts_[0].empty()) return "the head carries data";
        for (auto check : {&Walk::Ring, &Walk::Items, &Walk::Aliases, &Walk::Marks, &Walk::Views}) {
            std::string broken = (this->*check)();
            if (!broken.empty()) return broken;
        }
        return {};
    }

private:
    std::string Ring() {
        const auto& items = list_.items_;
        int steps = 0;
        for (int prev = 0, n = items[0].next;; prev = n, n = items[n].next) {
            if (n > list_.count_) return At(n, "linked beyond count");
            if (items[n].prev != prev) return At(n, "prev does not match next");
            if (n == 0) break;
            if (linked_[n]) return At(n, "linked twice");
            linked_[n] = true;
            if (++steps > list_.count_) return "the ring does not return to the head";
        }
        for (int i = 1; i <= list_.count_; ++i)
            if (!linked_[i] && (items[i].next != i || items[i].prev != i))
                return At(i, "unlinked but still pointing into the list");
        return {};
    }

    std::string Items() {
        int titles = 0;
        for (int i = 1; i <= list_.count_; ++i) {
            if (!linked_[i]) continue;
            const ListItem& it = list_.items_[i];
            std::string_view text = list_.texts_[i];
            if (it.Level() >= kLevelCount) return At(i, "level out of range");
            bool aliasFlags = it.Has(ItemFlags::kAlias) || it.Has(ItemFlags::kAliasTarget);
            if (it.Has(ItemFlags::kAlias) && it.Has(ItemFlags::kAliasTarget))
                return At(i, "both alias and alias target");
            if (aliasFlags && it.Level() != kTitle) return At(i, "alias flags above the title level");
            if (it.Has(ItemFlags::kSeparator)) {
                if (!text.empty()) return At(i, "separator with text");
                if (aliasFlags) return At(i, "separator with alias flags");
                continue;
            }
            if (text.empty()) return At(i, "empty text without the separator flag");
            if (it.Level() == kTitle && !it.Has(ItemFlags::kAlias)) {
                ++titles;
                long number = AliasNumber(text);
                if (it.Has(ItemFlags::kAliasTarget) ? number != i : number != 0)
                    return At(i, "alias number field does not match the flags");
            }
        }
        if (titles != list_.titleCount_) return "titleCount differs from the titles in the list";
        if (list_.full_ ? titles < CUrlListFile::kFullTitleCount : titles > CUrlListFile::kFullTitleCount)
            return "the full flag does not match titleCount";
        return {};
    }

    std::string Aliases() {
        std::vector<int> aliasesOf(list_.items_.size(), 0);
        for (int i = 1; i <= list_.count_; ++i) {
            if (!linked_[i] || !list_.items_[i].Has(ItemFlags::kAlias)) continue;
            std::string_view text = list_.texts_[i];
            long target = AliasNumber(text);
            if (text != std::string(kAliasPrefix) + std::to_string(target))
                return At(i, "alias text is not alias: and a number");
            if (target <= 0 || target > list_.count_ || !linked_[target])
                return At(i, "alias of an item that is not in the list");
            if (!list_.items_[target].Has(ItemFlags::kAliasTarget))
                return At(i, "alias of an item that is not an alias target");
            ++aliasesOf[static_cast<std::size_t>(target)];
        }
        for (int i = 1; i <= list_.count_; ++i)
            if (linked_[i] && list_.items_[i].Has(ItemFlags::kAliasTarget) && aliasesOf[i] == 0)
                return At(i, "alias target without aliases");
        return {};
    }

    std::string Marks() {
        const auto& marks = list_.marks_;
        if ((list_.markLevel_ == 3) != marks.empty()) return "markLevel does not match the marks";
        std::vector<bool> marked(list_.items_.size(), false);
        for (int item : marks) {
            if (item <= 0 || item > list_.count_ || !linked_[item]) return At(item, "marked but not in the list");
            if (marked[item]) return At(item, "marked twice");
            if (list_.items_[item].Level() != list_.markLevel_) return At(item, "marked at another level");
            marked[item] = true;
        }
        for (int i = 0; i <= list_.count_; ++i)
            if (list_.items_[i].Has(ItemFlags::kMarked) != marked[i])
                return At(i, "mark flag does not match the marks");
        return {};
    }

    std::string Views() {
        for (int level = 0; level < kLevelCount; ++level) {
            const auto& view = list_.views_[level];
            std::string where = "view " + std::to_string(level) + ": ";
            int selection = list_.selection_[level];
            if (selection < -1 || selection >= static_cast<int>(view.size()))
                return where + "selection outside the view";
            std::vector<int> expected;
            int parent = level == 0 ? 0 : list_.SelectedItem(level - 1);
            if (parent >= 0) {
                int child = list_.items_[list_.ResolveAlias(parent)].next;
                for (bool more = child != 0 && list_.Level(child) == level; more;) {
                    expected.push_back(child);
                    CUrlListFile::Sibling next = list_.NextSibling(child);
                    more = next.relation == 1;
                    child = next.item;
                }
            }
            if (expected.size() != view.size()) return where + "does not list the parent's children";
            for (std::size_t i = 0; i < view.size(); ++i)
                if (view[i] != expected[i]) return where + "does not list the parent's children in order";
        }
        return {};
    }

    const CUrlListFile& list_;
    std::vector<bool> linked_;
};

std::string ListInvariantChecker::Check(const CUrlListFile& list) { return Walk(list).Run(); }

std::string ListInvariantChecker::CheckFullFlagChange(int titlesBefore, bool fullBefore,
                                                      const CUrlListFile& list) {
    int titles = list.titleCount_;
    bool reached = titles >= CUrlListFile::kFullTitleCount;
    bool expected = titles > titlesBefore ? reached : titles < titlesBefore ? fullBefore && reached : fullBefore;
    if (list.full_ == expected) return {};
    return "the full flag changed to " + std::to_string(list.full_) + " with titleCount " +
           std::to_string(titlesBefore) + " -> " + std::to_string(titles);
}
