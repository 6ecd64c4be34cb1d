// Deleting an item with its subtree, and the alias bookkeeping that keeps
// every alias pointing at a live title.
//
// The range being deleted stays linked until its end, so its items can be
// walked in order; the bookkeeping walks the rest of the list and steps over
// the range, so an alias inside the range never inherits a deleted title.
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {
constexpr std::uint8_t kAliasFlags = ItemFlags::kAlias | ItemFlags::kAliasTarget;
}

int CUrlListFile::NextOutside(int item, int rangeFirst, int rangeEnd) const {
    int next = items_[item].next;
    return next == rangeFirst ? rangeEnd : next;
}

bool CUrlListFile::IsAliasOf(int item, int target) const {
    return items_[item].Has(ItemFlags::kAlias) && ResolveAlias(item) == target;
}

void CUrlListFile::DeleteItem(int item, bool allInstances, bool unmark) {
    if (!IsLinked(item)) return;
    DeleteRange(item, allInstances, unmark);
    modified_ = true;
    ForgetUnlinked();
}

void CUrlListFile::DeleteAt(int level, int position, bool allInstances) {
    int item = ItemAt(level, position);
    if (item > 0) DeleteItem(item, allInstances, true);
}

void CUrlListFile::DeleteRange(int item, bool allInstances, bool unmark) {
    int end = NextSibling(item).item;
    for (int d = item; d != end; d = items_[d].next) {
        if (unmark) SetMark(d, 0);
        const ListItem& it = items_[d];
        if (it.Level() != kTitle || it.Has(ItemFlags::kSeparator)) continue;
        bool alias = it.Has(ItemFlags::kAlias);
        int target = alias ? ResolveAlias(d) : it.Has(ItemFlags::kAliasTarget) ? d : 0;
        if (allInstances && target != 0)
            RemoveAllInstances(item, end, target, unmark);
        else if (alias)
            DropTargetWithoutAliases(item, end, target);
        else if (target != 0)
            HandOverTarget(item, end, target);
        if (!alias) CountTitles(-1);
    }
    DetachRange(item, end);
}

void CUrlListFile::RemoveAllInstances(int rangeFirst, int rangeEnd, int target, bool unmark) {
    for (int n = NextOutside(0, rangeFirst, rangeEnd); n != 0;) {
        int next = NextOutside(n, rangeFirst, rangeEnd);
        if (n == target || IsAliasOf(n, target)) {
            if (unmark) SetMark(n, 0);
            if (n == target) CountTitles(-1);
            Unlink(n);  // a title has no subtree
        }
        n = next;
    }
}

void CUrlListFile::HandOverTarget(int rangeFirst, int rangeEnd, int target) {
    int heir = 0;
    bool heirHasAliases = false;
    for (int n = NextOutside(0, rangeFirst, rangeEnd); n != 0; n = NextOutside(n, rangeFirst, rangeEnd)) {
        if (!IsAliasOf(n, target)) continue;
        if (heir == 0) {
            heir = n;
            texts_[heir] = WithoutAliasNumber(texts_[target]);
            items_[heir].flags &= static_cast<std::uint8_t>(~kAliasFlags);
            CountTitles(1);
        } else {
            texts_[n] = std::string(kAliasPrefix) + std::to_string(heir);
            heirHasAliases = true;
        }
    }
    if (heirHasAliases) {
        texts_[heir] = WithAliasNumber(texts_[heir], heir);
        items_[heir].flags |= ItemFlags::kAliasTarget;
    }
}

// A title whose last alias goes is a plain title again: it no longer occurs
// more than once, and a reload would read it as one anyway.
void CUrlListFile::DropTargetWithoutAliases(int rangeFirst, int rangeEnd, int target) {
    bool targetStays = false;
    for (int n = NextOutside(0, rangeFirst, rangeEnd); n != 0; n = NextOutside(n, rangeFirst, rangeEnd)) {
        if (IsAliasOf(n, target)) return;
        if (n == target) targetStays = true;
    }
    if (!targetStays) return;
    texts_[target] = WithoutAliasNumber(texts_[target]);
    items_[target].flags &= static_cast<std::uint8_t>(~ItemFlags::kAliasTarget);
}

void CUrlListFile::DetachRange(int first, int end) {
    int before = items_[first].prev;
    items_[before].next = static_cast<std::uint16_t>(end);
    items_[end].prev = static_cast<std::uint16_t>(before);
    for (int d = first; d != end;) {
        int next = items_[d].next;
        items_[d].prev = items_[d].next = static_cast<std::uint16_t>(d);
        d = next;
    }
}
