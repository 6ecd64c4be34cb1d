// COrganizeDlg: the commands of the columns window: the modes, focusing a
// column, sorting, and moving, copying and aliasing marked items.
#include "app/settings/app_settings.h"
#include "dialogs/messages.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/organize_dlg.h"

namespace {

struct ViewCommand {
    int first;
    int last;
    void (*run)(COrganizeDlg&, int id);
};

}  // namespace

bool COrganizeDlg::OnViewCommand(int id, int code, HWND) {
    if (id >= IDC_CATEGORY_LIST && id <= IDC_TITLE_LIST) {
        if (code == LBN_SELCHANGE) OnSelectionChange(id - IDC_CATEGORY_LIST);
        return true;
    }
    if (id >= IDC_CATEGORY_NAME && id <= IDC_URL) {
        OnFieldNotify(id, code);
        return true;
    }
    static constexpr ViewCommand kCommands[] = {
        {IDC_NEW_CATEGORY, IDC_NEW_TITLE, [](COrganizeDlg& dlg, int id) { dlg.NewEntry(id - IDC_NEW_CATEGORY); }},
        {IDC_SORT_CATEGORIES, IDC_SORT_TITLES,
         [](COrganizeDlg& dlg, int id) { dlg.SortLevel(id - IDC_SORT_CATEGORIES); }},
        // Ctrl+Down sorts the column that has the focus, and only then.
        {ID_SORT_FOCUSED_LEVEL, ID_SORT_FOCUSED_LEVEL,
         [](COrganizeDlg& dlg, int) {
             if (const int level = dlg.FocusedLevel(); level >= 0) dlg.SortLevel(level);
         }},
        {ID_CLEAR_ALL_MARKS, ID_CLEAR_ALL_MARKS, [](COrganizeDlg& dlg, int) { dlg.ClearAllMarks(); }},
        {IDC_MOVE, IDC_MOVE, [](COrganizeDlg& dlg, int id) { dlg.InsertMarked(id); }},
        {ID_MOVE_MARKED, ID_MOVE_MARKED_FROM_OTHER, [](COrganizeDlg& dlg, int id) { dlg.InsertMarked(id); }},
        {ID_DUPLICATE_MARKED, ID_DUPLICATE_MARKED, [](COrganizeDlg& dlg, int id) { dlg.InsertMarked(id); }},
        {ID_ALIAS_MARKED, ID_ALIAS_MARKED, [](COrganizeDlg& dlg, int id) { dlg.InsertMarked(id); }},
        {ID_PASTE_MARKED, ID_PASTE_MARKED, [](COrganizeDlg& dlg, int) { dlg.Paste(); }},
        {ID_REVERT, ID_REVERT, [](COrganizeDlg& dlg, int) { dlg.Revert(); }},
        {ID_COMPACT_MODE, ID_COMPACT_MODE,
         [](COrganizeDlg& dlg, int) {
             if (dlg.SavePromptAll(SaveReason::kContinuing)) dlg.PostModeSwitch(ID_COMPACT_MODE);
         }},
        {ID_REGULAR_MODE, ID_REGULAR_MODE, [](COrganizeDlg& dlg, int) { dlg.SetOrganizeMode(false); }},
        {ID_ORGANIZE_MODE, ID_ORGANIZE_MODE, [](COrganizeDlg& dlg, int) { dlg.SetOrganizeMode(true); }},
        {ID_FOCUS_CATEGORIES, ID_FOCUS_TITLES,
         [](COrganizeDlg& dlg, int id) { ::SetFocus(dlg.Box(id - ID_FOCUS_CATEGORIES).Handle()); }},
    };
    for (const ViewCommand& command : kCommands) {
        if (id >= command.first && id <= command.last) {
            command.run(*this, id);
            return true;
        }
    }
    return false;
}

void COrganizeDlg::SortLevel(int level) {
    if (!SetOrganizeMode(true)) return;
    if (List().SortLevel(level) == -3) ShowOutOfMemory();
    ShowChangedLevel(level);
}

void COrganizeDlg::ClearAllMarks() {
    List().ClearMarks();
    RefreshItemData(0);
    UpdateControls();
}

// In a column Ctrl+V inserts the marked items; in a field it pastes text.
void COrganizeDlg::Paste() {
    if (FocusedLevel() >= 0) {
        InsertMarked(ID_PASTE_MARKED);
    } else if (const HWND focus = ::GetFocus(); focus && ::IsChild(Handle(), focus)) {
        ::SendMessageA(focus, WM_PASTE, 0, 0);
    }
}

void COrganizeDlg::InsertMarked(int command) {
    if (!SetOrganizeMode(true)) return;
    CUrlListFile& list = List();
    CUrlListFile* other = Host().OtherList();
    const bool otherHasMarks = other && other->MarkLevel() < kLevelCount;
    // Moving takes the other list's marks when it holds them.
    const bool fromButton = command == IDC_MOVE;
    if (fromButton || command == ID_MOVE_MARKED || command == ID_PASTE_MARKED)
        command = otherHasMarks ? ID_MOVE_MARKED_FROM_OTHER : ID_MOVE_MARKED;
    const bool fromOther = command == ID_MOVE_MARKED_FROM_OTHER || command == ID_DUPLICATE_MARKED;
    if (fromOther && !otherHasMarks) return;
    CUrlListFile& holder = fromOther ? *other : list;
    const int markLevel = holder.MarkLevel();
    if (markLevel >= kLevelCount) return;
    // New parents being typed are added first, so the items have somewhere to go.
    if (!CommitPending(markLevel, true)) return;
    int result = 0;
    switch (command) {
    case ID_MOVE_MARKED:
        result = list.MoveMarked();
        break;
    case ID_ALIAS_MARKED:
        result = list.AliasMarked();
        break;
    default:
        result = list.CopyMarkedFromOther();
        break;
    }
    if (result == -3) ShowOutOfMemory();
    if (result < 0) return;
    ShowChangedLevel(markLevel);
    if (command == ID_MOVE_MARKED_FROM_OTHER &&
        (!fromButton || MsgBoxFormatted(Handle(), IDS_DELETE_ORIGINALS, MsgBoxKind::kQuestionYesNo,
                                        {ListName(*other)}) == IDYES)) {
        other->DeleteMarked();
    }
    holder.ClearMarks();
    RefreshItemData(0);
    UpdateControls();
}
