// Bringing marked items under the highlighted parent: moving them within the
// list, making aliases of them, and copying them from the other list (a move
// from there then deletes them in the other list, list_delete.cpp).
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

// A separator is removed instead of moved (or copied); one that has entries
// under it (a title added while it was highlighted) moves and is copied like
// any entry, so that they are not lost or handed to the entry above.
bool IsBareSeparator(const CUrlListFile& list, int item) {
    return list.Item(item).Has(ItemFlags::kSeparator) && list.NextSibling(item).item == list.Next(item);
}

}  // namespace

int CUrlListFile::MoveMarked() {
    int level = markLevel_;
    if (marks_.empty() || (level > 0 && SelectedItem(level - 1) < 0)) return -1;
    int lastInserted = 0;
    for (std::size_t i = 0; i < marks_.size();) {
        int item = marks_[i];
        if (IsBareSeparator(*this, item)) {
            Unlink(item);
            modified_ = true;
            ForgetUnlinked();  // drops it from the marks and from the view
            continue;
        }
        ++i;
        if (ViewPosition(level, item) >= 0) continue;  // already under the parent
        Placement place;
        if (int result = PlaceEntry(level, DisplayName(item), place); result != 0) return result;
        MoveSubtree(item, place.before);
        ShowPlacedEntry(level, place, item);
        lastInserted = item;
    }
    SelectAfterInsert(level, lastInserted);
    ClearMarks();
    modified_ = true;
    return 0;
}

int CUrlListFile::AliasMarked() {
    if (marks_.empty() || markLevel_ != kTitle || SelectedItem(kTitle - 1) < 0) return -1;
    int lastInserted = 0;
    for (std::uint16_t marked : marks_) {
        if (items_[marked].Has(ItemFlags::kSeparator) || ViewPosition(kTitle, marked) >= 0) continue;
        int target = ResolveAlias(marked);  // never an alias of an alias
        Placement place;
        if (int result = PlaceEntry(kTitle, DisplayName(target), place); result != 0) return result;
        int alias = InsertBefore(place.before, std::string(kAliasPrefix) + std::to_string(target),
                                 kTitle | ItemFlags::kAlias);
        if (alias < 0) return -3;
        ShowPlacedEntry(kTitle, place, alias);
        if (!items_[target].Has(ItemFlags::kAliasTarget)) {
            texts_[target] = WithAliasNumber(texts_[target], target);
            items_[target].flags |= ItemFlags::kAliasTarget;
        }
        lastInserted = alias;
    }
    SelectAfterInsert(kTitle, lastInserted);
    ClearMarks();
    modified_ = true;
    return 0;
}

// A copy of `source` of the list `from`, linked before `before`: titles are
// copied through their aliases as independent, counted titles.
int CUrlListFile::InsertCopy(const CUrlListFile& from, int source, int before) {
    int level = from.Level(source);
    std::uint8_t flags = static_cast<std::uint8_t>(level);
    std::string text;
    if (from.Item(source).Has(ItemFlags::kSeparator))
        flags |= ItemFlags::kSeparator;
    else if (level == kTitle)
        text = WithoutAliasNumber(from.ItemText(source));
    else
        text = from.RawText(source);
    bool title = level == kTitle && !(flags & ItemFlags::kSeparator);
    int item = InsertBefore(before, std::move(text), flags);
    if (item > 0 && title) CountTitles(1);
    return item;
}

int CUrlListFile::CopyMarkedFromOther() {
    const CUrlListFile* other = other_;
    if (!other || other->marks_.empty()) return -1;
    int level = other->markLevel_;
    if (level > 0 && SelectedItem(level - 1) < 0) return -1;
    int lastInserted = 0;
    for (std::uint16_t marked : other->marks_) {
        if (IsBareSeparator(*other, marked)) continue;  // a move deletes it
        Placement place;
        if (int result = PlaceEntry(level, other->DisplayName(marked), place); result != 0) return result;
        int copy = InsertCopy(*other, marked, place.before);
        if (copy < 0) return -3;
        ShowPlacedEntry(level, place, copy);
        lastInserted = copy;
        // The subtree follows in order, each entry before the same place.
        int end = other->NextSibling(marked).item;
        for (int d = other->Next(marked); d != end; d = other->Next(d))
            if (InsertCopy(*other, d, place.before) < 0) return -3;
    }
    SelectAfterInsert(level, lastInserted);
    modified_ = true;
    return 0;
}
