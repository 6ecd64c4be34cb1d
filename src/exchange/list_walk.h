// What every exporter takes from an open list: its items in outline order,
// aliases through their targets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/url_list_file.h"

namespace exchange {

struct ExportItem {
    int level;               // ItemLevel
    bool separator;
    std::string_view name;   // display name, empty for a separator
    std::string_view url;    // titles
    std::string note;        // titles: as stored, line breaks as backslash-n
    std::int64_t lastVisited = 0;
};

ExportItem DescribeItem(const CUrlListFile& list, int item);

// Calls `visit(const ExportItem&)` for each item of the list in outline order.
template <typename Visit>
void ForEachExportItem(const CUrlListFile& list, Visit&& visit) {
    for (int item = list.First(); item != 0; item = list.Next(item)) visit(DescribeItem(list, item));
}

}  // namespace exchange
