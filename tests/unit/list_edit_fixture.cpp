#include "list_edit_fixture.h"

#include <algorithm>

namespace list_edit_testing {

std::string Outline(const CUrlListFile& list) {
    std::vector<int> order;
    std::vector<int> positionOf(static_cast<std::size_t>(list.Count()) + 1, 0);
    for (int i = list.First(); i != 0; i = list.Next(i)) {
        positionOf[static_cast<std::size_t>(i)] = static_cast<int>(order.size());
        order.push_back(i);
    }
    std::string out;
    for (int item : order) {
        const ListItem& it = list.Item(item);
        out.append(static_cast<std::size_t>(it.Level()), ' ');
        if (it.Has(ItemFlags::kSeparator)) {
            out += "----";
        } else if (it.Has(ItemFlags::kAlias)) {
            out += "alias of #" + std::to_string(positionOf[static_cast<std::size_t>(list.ResolveAlias(item))]);
        } else if (it.Level() == kTitle) {
            std::string_view text = list.RawText(item);
            out += std::string(TitleUrl(text)) + " | " + std::string(TitleName(text)) + " | " +
                   std::to_string(LastVisited(text)) + " | " + TitleNote(text) + " | " +
                   std::string(TitleLogIn(text));
        } else {
            out += list.RawText(item);
        }
        out += '\n';
    }
    return out;
}

Names ViewNames(const CUrlListFile& list, int level) {
    Names names;
    for (int p = 0; p <= list.Last(level); ++p)
        names.emplace_back(list.DisplayName(list.ItemAt(level, p)));
    return names;
}

void ListTest::SelectPath(CUrlListFile& target, const Names& path) {
    for (int level = 0; level < static_cast<int>(path.size()); ++level) {
        Names names = ViewNames(target, level);
        auto found = std::find(names.begin(), names.end(), path[static_cast<std::size_t>(level)]);
        ASSERT_NE(found, names.end()) << path[static_cast<std::size_t>(level)];
        target.Select(level, static_cast<int>(found - names.begin()));
    }
}

int ListTest::Find(CUrlListFile& target, const std::string& name) const {
    for (int i = target.First(); i != 0; i = target.Next(i))
        if (target.DisplayName(i) == name && !target.Item(i).Has(ItemFlags::kAlias)) return i;
    return 0;
}

}  // namespace list_edit_testing
