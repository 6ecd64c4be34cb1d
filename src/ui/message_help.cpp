#include "ui/message_help.h"

#include "resource.h"

namespace {

bool InRange(int id, int first, int count) { return id >= first && id < first + count; }

}  // namespace

int HelpTextId(int id, const HelpState& state) {
    if (id == IDC_MARK || InRange(id, ID_MARK_THIS, 3)) return state.markShowsUnmark ? IDH_UNMARK : IDC_MARK;
    if (InRange(id, IDC_NEW_CATEGORY, 3))
        return state.pending[static_cast<std::size_t>(id - IDC_NEW_CATEGORY)] ? IDH_ADD_ITEM : IDH_NEW_ITEM;
    if (InRange(id, IDC_DELETE_CATEGORY, 3)) return IDH_DELETE_ITEM;
    if (InRange(id, IDC_SORT_CATEGORIES, 3)) return IDH_SORT_ITEMS;
    if (InRange(id, ID_INSERT_SEPARATOR, 3)) return ID_INSERT_SEPARATOR;
    if (InRange(id, IDC_CATEGORY_LIST, 3)) return state.organizing ? id : 0;
    // The Move button and Move Marked bring the other list's marks when it has any.
    if (id == IDC_MOVE || id == ID_MOVE_MARKED)
        return state.otherListHasMarks ? ID_MOVE_MARKED_FROM_OTHER : ID_MOVE_MARKED;
    if (InRange(id, ID_MARK_ALL_HERE, 3)) return ID_MARK_ALL_HERE;
    if (InRange(id, ID_UNMARK_ALL_HERE, 3)) return ID_UNMARK_ALL_HERE;
    return id;
}
