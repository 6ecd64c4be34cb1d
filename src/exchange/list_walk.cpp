#include "exchange/list_walk.h"

#include "model/title_text.h"

namespace exchange {

ExportItem DescribeItem(const CUrlListFile& list, int item) {
    ExportItem described{list.Level(item), list.Item(item).Has(ItemFlags::kSeparator),
                         list.DisplayName(item), {}, {}, 0};
    if (described.level == kTitle && !described.separator) {
        std::string_view text = list.ItemText(item);
        described.url = TitleUrl(text);
        described.note = TitleNote(text);
        described.lastVisited = LastVisited(text);
    }
    return described;
}

}  // namespace exchange
