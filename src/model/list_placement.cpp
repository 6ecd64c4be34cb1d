// Keeping the level views in step with the outline: where new entries go,
// and what the views and the selection show after entries come and go.
//
// A view always lists exactly the children of the item selected one level up
// (level 0: all categories), and the selection of a level follows its item
// when entries are inserted or removed around it.
#include "model/url_list_file.h"

int CUrlListFile::ViewPosition(int level, int item) const {
    const auto& view = views_[level];
    for (std::size_t i = 0; i < view.size(); ++i)
        if (view[i] == item) return static_cast<int>(i);
    return -1;
}

int CUrlListFile::SortedPosition(int level, std::string_view key) const {
    if (level < 0 || level >= kLevelCount || Last(level) < 0) return -1;
    const platform::CodePage& cp = *env_.codePage;
    int last = Last(level);
    std::string_view follower = DisplayName(ItemAt(level, last));
    if (cp.CompareNoCase(follower, key) < 0) return -1;
    int firstAfterKey = cp.CompareNoCase(follower, key) > 0 ? last : -1;
    for (int position = last - 1; position >= 0; --position) {
        std::string_view name = DisplayName(ItemAt(level, position));
        if (cp.CompareNoCase(name, follower) > 0) return -1;  // hand-ordered view
        if (cp.CompareNoCase(name, key) > 0) firstAfterKey = position;
        follower = name;
    }
    return firstAfterKey;
}

int CUrlListFile::PlaceEntry(int level, std::string_view key, Placement& place) {
    if (level < 0 || level >= kLevelCount) return -1;
    int parent = 0;
    if (level > 0) {
        parent = SelectedItem(level - 1);
        if (parent < 0) return -1;
    }
    if (!GrowBy(views_[level], kViewStep)) return -3;
    place.viewWasEmpty = Last(level) < 0;
    if (place.viewWasEmpty) {
        // Right after the parent: the end of a parent without children. Titles
        // that a hand-edited file put straight under a category, where no view
        // shows them, become the new subcategory's titles instead of hiding it.
        place.before = items_[parent].next;
        place.position = 0;
        return 0;
    }
    int position = SortedPosition(level, key);
    if (position < 0) {
        place.before = NextSibling(ItemAt(level, Last(level))).item;
        place.position = Last(level) + 1;
    } else {
        place.before = ItemAt(level, position);
        place.position = position;
    }
    return 0;
}

void CUrlListFile::ShowPlacedEntry(int level, const Placement& place, int item) {
    InsertInView(level, place.position, item);  // room was made by PlaceEntry
    if (selection_[level] >= place.position) ++selection_[level];
    // Siblings after adopted titles were hidden too; now the view shows them.
    if (place.viewWasEmpty && NextSibling(item).relation == 1) ShowLevel(level, selection_[level]);
}

bool CUrlListFile::ShowLevel(int level, int position) {
    if (RebuildLevel(level) == 0) {
        selection_[level] = position;
        return true;
    }
    // Out of memory: show nothing below the parent rather than a part.
    if (level > 0) selection_[level - 1] = -1;
    for (int l = level; l < kLevelCount; ++l) {
        views_[l].clear();
        selection_[l] = -1;
    }
    return false;
}

void CUrlListFile::Reselect(int level, int position) {
    if (level >= 0) selection_[level] = position;
    for (int l = level + 1; l < kLevelCount; ++l)
        if (!ShowLevel(l, -1)) return;
}

void CUrlListFile::SelectAfterInsert(int level, int lastInserted) {
    int position = lastInserted > 0 ? ViewPosition(level, lastInserted) : -1;
    Reselect(level, position >= 0 ? position : Last(level));
}

void CUrlListFile::ForgetUnlinked() {
    std::size_t kept = 0;
    for (std::uint16_t item : marks_) {
        if (IsLinked(item))
            marks_[kept++] = item;
        else
            items_[item].flags &= static_cast<std::uint8_t>(~ItemFlags::kMarked);
    }
    marks_.resize(kept);
    if (marks_.empty()) markLevel_ = 3;

    for (int level = 0; level < kLevelCount; ++level) {
        auto& view = views_[level];
        int selected = selection_[level];
        int selectedItem = SelectedItem(level);
        int removedBefore = 0;
        std::size_t keptEntries = 0;
        for (std::size_t i = 0; i < view.size(); ++i) {
            if (IsLinked(view[i]))
                view[keptEntries++] = view[i];
            else if (static_cast<int>(i) < selected)
                ++removedBefore;
        }
        view.resize(keptEntries);
        if (selected < 0) continue;
        if (IsLinked(selectedItem)) {
            selection_[level] = selected - removedBefore;
            continue;
        }
        // The selected entry went: the one below it (or the new last) takes
        // its place, and the views below show that one's children.
        int position = selected - removedBefore;
        Reselect(level, position > Last(level) ? Last(level) : position);
        return;
    }
}
