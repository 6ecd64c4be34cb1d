// Deleting an item with its subtree, and the alias bookkeeping that keeps
// every alias pointing at a live title.
//
// The range being deleted stays linked until its end, so its items can be
// walked in order; the bookkeeping steps over the range, so an alias inside
// the range never inherits a deleted title, and it may unlink instances of a
// title right next to the range without cutting the walk short.
//
// One deletion may delete thousands of titles with aliases (DeleteMarked), so
// the bookkeeping never walks the whole list per title: the first time a range
// holds an alias or an alias target, the book chains the aliases of every
// target in outline order, in one walk. A target handing its role to an alias
// passes on its chain, and its remaining aliases are re-pointed to the heir in
// one more walk when the deletion ends.
#include <numeric>

#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {
constexpr std::uint8_t kAliasFlags = ItemFlags::kAlias | ItemFlags::kAliasTarget;
}

class CUrlListFile::AliasBook {
public:
    explicit AliasBook(CUrlListFile& list) : list_(list) {}

    // The range now being deleted, from `first` to `last` in outline order.
    void EnterRange(int first, int last) {
        first_ = first;
        last_ = last;
        if (!chains_.empty()) MarkRange();
    }

    // The title an alias stands for, after the hand-overs of this deletion.
    int TargetOf(int alias) {
        int target = list_.ResolveAlias(alias);
        if (heirOf_.empty()) return target;
        while (heirOf_[target] != target) target = heirOf_[target] = heirOf_[heirOf_[target]];
        return target;
    }

    // Unlinks the target and all its aliases outside the range.
    void RemoveAllInstances(int target, bool unmark) {
        Build();
        for (int alias = chains_[target].first; alias != 0; alias = chains_[alias].next)
            if (Outside(alias)) Remove(alias, unmark);
        chains_[target].first = 0;
        if (Outside(target)) {
            Remove(target, unmark);
            list_.CountTitles(-1);
        }
    }

    // The first alias of the target outside the range becomes the title, and
    // the target's other aliases its aliases; false when there is none.
    bool HandOver(int target) {
        Build();
        int heir = FirstAliasOutside(target);
        if (heir == 0) return false;
        chains_[heir].first = chains_[heir].next;
        chains_[target].first = 0;
        heirOf_[target] = static_cast<std::uint16_t>(heir);
        repoint_ = true;
        std::string text = WithoutAliasNumber(list_.RawText(target));
        list_.items_[heir].flags &= static_cast<std::uint8_t>(~kAliasFlags);
        if (FirstAliasOutside(heir) != 0) {
            text = WithAliasNumber(text, heir);
            list_.items_[heir].flags |= ItemFlags::kAliasTarget;
        }
        list_.ReplaceText(heir, std::move(text));
        return true;
    }

    // A title whose last alias goes is a plain title again: it no longer
    // occurs more than once, and a reload would read it as one anyway.
    void ForgetAlias(int alias) {
        Build();
        int target = TargetOf(alias);
        if (target == alias || !Outside(target) || FirstAliasOutside(target) != 0) return;
        list_.ReplaceText(target, WithoutAliasNumber(list_.RawText(target)));
        list_.items_[target].flags &= static_cast<std::uint8_t>(~ItemFlags::kAliasTarget);
    }

    // Aliases of titles that handed over now name their heirs.
    void Finish() {
        if (!repoint_) return;
        for (int n = list_.First(); n != 0; n = list_.Next(n)) {
            if (!list_.items_[n].Has(ItemFlags::kAlias)) continue;
            int target = TargetOf(n);
            if (target != list_.ResolveAlias(n))
                list_.ReplaceText(n, std::string(kAliasPrefix) + std::to_string(target));
        }
    }

private:
    // The aliases of a target in outline order: `first` of the target, then
    // `next` of each alias. Unlinked aliases and aliases inside a deleted
    // range are dropped from the front as they are met.
    struct Chain {
        std::uint16_t first = 0;
        std::uint16_t next = 0;
    };

    void Build() {
        if (!chains_.empty()) return;
        std::size_t size = static_cast<std::size_t>(list_.count_) + 1;
        chains_.assign(size, Chain{});
        heirOf_.resize(size);
        std::iota(heirOf_.begin(), heirOf_.end(), std::uint16_t{0});
        inRange_.assign(size, false);
        std::vector<std::uint16_t> lastAlias(size, 0);
        for (int n = list_.First(); n != 0; n = list_.Next(n)) {
            if (!list_.items_[n].Has(ItemFlags::kAlias)) continue;
            int target = list_.ResolveAlias(n);
            if (target == n) continue;
            std::uint16_t& tail = lastAlias[target];
            (tail == 0 ? chains_[target].first : chains_[tail].next) = static_cast<std::uint16_t>(n);
            tail = static_cast<std::uint16_t>(n);
        }
        MarkRange();
    }

    void MarkRange() {
        for (int d = first_;; d = list_.Next(d)) {
            inRange_[d] = true;
            if (d == last_) break;
        }
    }

    bool Outside(int item) const { return list_.IsLinked(item) && !inRange_[item]; }

    int FirstAliasOutside(int target) {
        std::uint16_t& first = chains_[target].first;
        while (first != 0 && !Outside(first)) first = chains_[first].next;
        return first;
    }

    void Remove(int item, bool unmark) {
        if (unmark) list_.SetMark(item, 0);
        list_.Unlink(item);  // a title has no subtree
    }

    CUrlListFile& list_;
    int first_ = 0;
    int last_ = 0;
    bool repoint_ = false;
    std::vector<Chain> chains_;
    std::vector<std::uint16_t> heirOf_;  // a target that handed over: its heir
    std::vector<bool> inRange_;
};

void CUrlListFile::DeleteItem(int item, bool allInstances, bool unmark) {
    if (!IsLinked(item)) return;
    AliasBook book(*this);
    DeleteRange(book, item, allInstances, unmark);
    book.Finish();
    modified_ = true;
    ForgetUnlinked();
}

void CUrlListFile::DeleteAt(int level, int position, bool allInstances) {
    int item = ItemAt(level, position);
    if (item > 0) DeleteItem(item, allInstances, true);
}

void CUrlListFile::DeleteMarked() {
    if (marks_.empty()) return;
    int level = markLevel_;
    AliasBook book(*this);
    for (std::uint16_t marked : marks_)
        if (IsLinked(marked)) DeleteRange(book, marked, false, false);
    book.Finish();
    modified_ = true;
    ForgetUnlinked();
    ClearMarks();
    Reselect(level - 1, level > 0 ? selection_[level - 1] : -1);
}

void CUrlListFile::DeleteRange(AliasBook& book, int item, bool allInstances, bool unmark) {
    int last = items_[NextSibling(item).item].prev;
    book.EnterRange(item, last);
    for (int d = item;; d = items_[d].next) {
        if (unmark) SetMark(d, 0);
        const ListItem& it = items_[d];
        if (it.Level() == kTitle && !it.Has(ItemFlags::kSeparator)) {
            bool alias = it.Has(ItemFlags::kAlias);
            int target = alias ? book.TargetOf(d) : it.Has(ItemFlags::kAliasTarget) ? d : 0;
            bool handedOver = false;
            if (allInstances && target != 0)
                book.RemoveAllInstances(target, unmark);
            else if (alias)
                book.ForgetAlias(d);
            else if (target != 0)
                handedOver = book.HandOver(target);
            if (!alias && !handedOver) CountTitles(-1);  // an heir takes the title's place
        }
        if (d == last) break;
    }
    int before = items_[item].prev;
    int after = items_[last].next;
    items_[before].next = static_cast<std::uint16_t>(after);
    items_[after].prev = static_cast<std::uint16_t>(before);
    for (int d = item;;) {
        int next = items_[d].next;
        items_[d].prev = items_[d].next = static_cast<std::uint16_t>(d);
        if (d == last) break;
        d = next;
    }
}
