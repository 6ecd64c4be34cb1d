// Sorting a level view by display name.
//
// The order is the one a selection sort gives that moves an entry before the
// front whenever the front's name compares greater, and that stops at entries
// without a name: each run between separators (or empty names) is sorted on
// its own and equal names keep their order, which is exactly a stable sort of
// each run. The subtrees are relinked once, in the new order.
#include <algorithm>

#include "model/list_memory.h"
#include "model/url_list_file.h"

namespace {

struct SortEntry {
    std::uint16_t item;
    std::uint16_t tail;  // last item of its subtree
    std::string_view name;
};

}  // namespace

int CUrlListFile::SortLevel(int level) {
    if (level < 0 || level >= kLevelCount || Last(level) < 1) return 0;
    const auto& view = views_[level];
    std::vector<SortEntry> entries;
    if (!ReserveThroughGate(env_.memory, entries, view.size())) return -3;
    int end = NextSibling(view.back()).item;
    for (std::size_t i = 0; i < view.size(); ++i) {
        int next = i + 1 < view.size() ? view[i + 1] : end;
        entries.push_back({view[i], items_[next].prev, DisplayName(view[i])});
    }

    const platform::CodePage& cp = *env_.codePage;
    auto sortsBefore = [&cp](const SortEntry& a, const SortEntry& b) {
        return cp.CompareNoCase(b.name, a.name) > 0;
    };
    auto unnamed = [](const SortEntry& e) { return e.name.empty(); };
    for (auto run = entries.begin(); run != entries.end();) {
        auto runEnd = std::find_if(run, entries.end(), unnamed);
        std::stable_sort(run, runEnd, sortsBefore);
        run = runEnd == entries.end() ? runEnd : runEnd + 1;
    }

    bool changed = false;
    for (std::size_t i = 0; i < view.size(); ++i) changed |= entries[i].item != view[i];
    if (!changed) return 0;

    int selected = SelectedItem(level);
    int prev = items_[view.front()].prev;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        items_[prev].next = entries[i].item;
        items_[entries[i].item].prev = static_cast<std::uint16_t>(prev);
        prev = entries[i].tail;
        views_[level][i] = entries[i].item;
    }
    items_[prev].next = static_cast<std::uint16_t>(end);
    items_[end].prev = static_cast<std::uint16_t>(prev);
    if (selected > 0) selection_[level] = ViewPosition(level, selected);
    modified_ = true;
    return 0;
}
