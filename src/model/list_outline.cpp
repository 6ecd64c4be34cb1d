// The outline and its level views.
#include "model/title_text.h"
#include "model/url_list_file.h"

CUrlListFile::Sibling CUrlListFile::NextSibling(int item) const {
    int level = Level(item);
    for (int n = items_[item].next; n != 0; n = items_[n].next) {
        int l = Level(n);
        if (l <= level) return {n, l == level ? 1 : 0};
    }
    return {0, -1};
}

int CUrlListFile::ResolveAlias(int item) const {
    if (item <= 0 || item > count_ || !items_[item].Has(ItemFlags::kAlias)) return item;
    long target = AliasNumber(texts_[item]);
    return target > 0 && target <= count_ ? static_cast<int>(target) : item;
}

std::string_view CUrlListFile::ItemText(int item) const { return texts_[ResolveAlias(item)]; }

std::string_view CUrlListFile::DisplayName(int item) const {
    std::string_view text = ItemText(item);
    if (Level(item) == kTitle) return TitleName(text);
    return text.substr(0, text.find('\t'));
}

int CUrlListFile::InsertBefore(int before, std::string text, std::uint8_t flags) {
    if (!ReserveOneItem() || !ReserveTextBytes(text.size())) return -3;
    int item = ++count_;
    ListItem& anchor = items_[before];
    items_.push_back(ListItem{anchor.prev, static_cast<std::uint16_t>(before), flags});
    texts_.Add(text);
    items_[items_[item].prev].next = static_cast<std::uint16_t>(item);
    items_[before].prev = static_cast<std::uint16_t>(item);
    modified_ = true;
    return item;
}

void CUrlListFile::Unlink(int item) {
    ListItem& it = items_[item];
    items_[it.prev].next = it.next;
    items_[it.next].prev = it.prev;
    it.prev = it.next = static_cast<std::uint16_t>(item);
}

void CUrlListFile::MoveSubtree(int item, int before) {
    int end = NextSibling(item).item;
    if (before == item || before == end) return;
    int tail = items_[end].prev;
    int prev = items_[item].prev;
    items_[prev].next = static_cast<std::uint16_t>(end);
    items_[end].prev = static_cast<std::uint16_t>(prev);

    int beforePrev = items_[before].prev;
    items_[beforePrev].next = static_cast<std::uint16_t>(item);
    items_[item].prev = static_cast<std::uint16_t>(beforePrev);
    items_[tail].next = static_cast<std::uint16_t>(before);
    items_[before].prev = static_cast<std::uint16_t>(tail);
    modified_ = true;
}

int CUrlListFile::InsertionPoint(int level) const {
    if (level <= 0) return 0;
    int parent = SelectedItem(level - 1);
    if (parent < 0) return -1;
    return NextSibling(parent).item;
}

int CUrlListFile::ItemAt(int level, int position) const {
    if (level < 0 || level >= kLevelCount || position < 0 || position > Last(level)) return 0;
    return views_[level][static_cast<std::size_t>(position)];
}

int CUrlListFile::SelectedItem(int level) const {
    if (level < 0 || level >= kLevelCount || selection_[level] < 0) return -1;
    return ItemAt(level, selection_[level]);
}

std::string_view CUrlListFile::SelectedUrl() const {
    int item = SelectedItem(kTitle);
    if (item <= 0) return {};
    return TitleUrl(ItemText(item));
}

int CUrlListFile::RebuildLevel(int level) {
    auto& view = views_[level];
    view.clear();
    int parent = 0;
    if (level > 0) {
        if (selection_[level - 1] < 0) return 0;
        parent = ResolveAlias(SelectedItem(level - 1));
    }
    int child = items_[parent].next;
    if (child == 0 || Level(child) != level) return 0;
    for (;;) {
        if (!GrowBy(view, kViewStep)) return -3;
        view.push_back(static_cast<std::uint16_t>(child));
        Sibling next = NextSibling(child);
        if (next.relation != 1) return 0;
        child = next.item;
    }
}

int CUrlListFile::Select(int level, int position, SelectMode mode) {
    if (level >= kLevelCount) return -1;
    if (level >= 0) {
        if (position > Last(level)) position = Last(level);
        selection_[level] = position < -1 ? -1 : position;
    }
    for (int l = level + 1; l < kLevelCount; ++l) {
        if (l == 0 || selection_[l - 1] >= 0) {
            RebuildLevel(l);
            bool pickFirst = (mode == SelectMode::kFirstChild && Last(l) >= 0) ||
                             (mode == SelectMode::kSingleChild && Last(l) == 0);
            selection_[l] = pickFirst ? 0 : -1;
        } else {
            views_[l].clear();
            selection_[l] = -1;
        }
    }
    return level >= 0 ? selection_[level] : selection_[0];
}

int CUrlListFile::InsertInView(int level, int position, int item) {
    auto& view = views_[level];
    if (!GrowBy(view, kViewStep)) return -3;
    if (position < 0 || position > static_cast<int>(view.size())) position = static_cast<int>(view.size());
    view.insert(view.begin() + position, static_cast<std::uint16_t>(item));
    return 0;
}

int CUrlListFile::DisplayAttributes(int level, int position, int recentPeriodDays) const {
    return DisplayAttributes(level, position, recentPeriodDays, env_.clock->Now());
}

int CUrlListFile::DisplayAttributes(int level, int position, int recentPeriodDays,
                                    std::int64_t now) const {
    int item = ItemAt(level, position);
    if (item <= 0) return DisplayCode::kNormal;
    const ListItem& it = items_[item];
    int code = DisplayCode::kNormal;
    if (it.Has(ItemFlags::kMarked)) {
        code = DisplayCode::kMarked;
    } else if (level == kTitle && recentPeriodDays > 0) {
        const std::int64_t visited = LastVisited(ItemText(item));
        const std::int64_t age = now - visited;
        if (visited != 0 && age >= 0 && age < static_cast<std::int64_t>(recentPeriodDays) * 86400)
            code = DisplayCode::kRecent;
    }
    if (it.Has(ItemFlags::kSeparator)) code += DisplayCode::kSeparator;
    if (level == kTitle && !it.Has(ItemFlags::kSeparator)) {
        std::string_view text = ItemText(item);
        const char note[3] = {'\t', kFieldTag, '+'};
        const char login[3] = {'\t', kFieldTag, '?'};
        if (text.find(std::string_view(note, 3)) != std::string_view::npos ||
            text.find(std::string_view(login, 3)) != std::string_view::npos)
            code += DisplayCode::kHasNote;
    }
    return code;
}
