// COrganizeDlg: the columns following the model's selection, the enabled
// state and pictures of the editing controls, and the message-line help.
#include "app/settings/app_settings.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/organize_dlg.h"

namespace {

constexpr char kDefaultName[] = "Uncategorized";

}  // namespace

HWND COrganizeDlg::LevelBoxWindow(int level) const { return Box(level).Handle(); }

bool COrganizeDlg::HasValidSelection(int level) const {
    const CUrlListFile& list = List();
    const int item = list.SelectedItem(level);
    return item > 0 && !list.Item(item).Has(ItemFlags::kSeparator);
}

bool COrganizeDlg::IsPendingWithName(int level) const {
    return pending_[level] != kNotPending && !ItemText(IDC_CATEGORY_NAME + level).empty();
}

void COrganizeDlg::SelectEntry(int level, int position, SelectMode mode) {
    pending_[level] = kNotPending;
    CMainDlg::SelectEntry(level, position, mode);
}

// While something is marked or being typed, choosing a category must not
// jump into its first subcategory and title.
void COrganizeDlg::OnSelectionChange(int level) {
    if (updating_) return;
    CUrlListFile& list = List();
    const int position = Box(level).Selection();
    // The same entry again changes no column.
    if (position == list.Selection(level) && pending_[level] == kNotPending) return;
    bool typing = false;
    for (int pending : pending_) typing = typing || pending != kNotPending;
    const SelectMode mode =
        list.MarkLevel() < kLevelCount || typing ? SelectMode::kNone : SelectMode::kFirstChild;
    list.Select(level, position, mode);
    pending_[level] = kNotPending;
    ShowSelection(level, false, false);
}

void COrganizeDlg::FillColumn(int level) {
    const CUrlListFile& list = List();
    CLevelListBox& box = Box(level);
    if (box.ShowAgain(list, Settings().RecentPeriod)) return;
    if (list.Last(level) < 0 && box.Count() == 0) return;
    box.Fill(list, Settings().RecentPeriod);
}

void COrganizeDlg::KeepColumns(bool keep) { columns_.Keep(keep, List(), Settings().RecentPeriod); }

void COrganizeDlg::ShowSelection(int fromLevel, bool setSelection, bool clearPending) {
    // Organize mode would change a list that cannot be saved.
    if (List().IsReadOnly() && organizing_) SetOrganizeMode(false);
    CUpdating updating(*this);
    if (clearPending) pending_.fill(kNotPending);
    int level = fromLevel;
    if (level < 0) {
        columns_.TradeIfKept();
        FillColumn(0);
        level = 0;
    }
    for (; level < kLevelCount; ++level) {
        ShowLevel(level, setSelection, fromLevel);
        if (level + 1 < kLevelCount) FillColumn(level + 1);
    }
    UpdateControls();
}

void COrganizeDlg::ShowLevel(int level, bool setSelection, int fromLevel) {
    const CUrlListFile& list = List();
    const int field = IDC_CATEGORY_NAME + level;
    const bool keepTyped = organizing_ && pending_[level] != kNotPending;
    if (!HasValidSelection(level)) {
        Box(level).SetSelection(-1);
        if (!keepTyped) SetItemText(field, "");
        // A new title needs its category and subcategory.
        if (pending_[kTitle] != kNotPending && pending_[level] == kNotPending) pending_[level] = kTyping;
        if (level == kTitle) {
            if (!keepTyped) SetItemText(IDC_URL, "");
            ShowLastVisited();
            ShowSelectedNote();
        }
        return;
    }
    if (setSelection || level > fromLevel) Box(level).SetSelection(list.Selection(level));
    const int item = list.SelectedItem(level);
    if (level == kTitle) {
        if (!keepTyped) {
            const std::string_view text = list.ItemText(item);
            SetItemText(field, std::string(TitleName(text)));
            SetItemText(IDC_URL, std::string(TitleUrl(text)));
        }
        ShowLastVisited();
        ShowSelectedNote();
    } else if (!(pending_[level] != kNotPending && !ItemText(field).empty())) {
        SetItemText(field, std::string(list.DisplayName(item)));
    }
}

// --- enabling -------------------------------------------------------------------------

void COrganizeDlg::UpdateControls() {
    if (organizing_) {
        CUpdating updating(*this);
        for (int level = 0; level < kLevelCount; ++level) UpdateLevelControls(level);
        UpdateMarkButtons();
    }
    CMainDlg::UpdateControls();
}

void COrganizeDlg::UpdateLevelControls(int level) {
    const CUrlListFile& list = List();
    const bool pending = pending_[level] != kNotPending;
    const HWND focus = ::GetFocus();
    const int fields[2] = {IDC_CATEGORY_NAME + level, IDC_URL};
    for (int i = 0; i < (level == kTitle ? 2 : 1); ++i) {
        const int field = fields[i];
        const bool focused = focus == Item(field);
        EnableItem(field, pending || HasValidSelection(level));
        SendItemMessage(field, EM_SETREADONLY, pending || focused ? FALSE : TRUE);
        if (pending && !focused && level < kTitle && ItemText(field).empty()) SetItemText(field, kDefaultName);
    }
    const bool selected = list.Selection(level) >= 0;
    SetButtonState(IDC_DELETE_CATEGORY + level, selected && !pending,
                   selected && !pending ? IDB_DELETE : IDB_DELETE_DISABLED);
    if (list.IsFull()) {
        SetButtonState(IDC_NEW_CATEGORY + level, false, IDB_NEW_DISABLED);
    } else if (pending) {
        const bool ready = CanCommit(level);
        SetButtonState(IDC_NEW_CATEGORY + level, ready, ready ? IDB_ADD : IDB_NEW_DISABLED);
    } else {
        SetButtonState(IDC_NEW_CATEGORY + level, true, IDB_NEW);
    }
    const bool sortable = list.Last(level) >= 1;
    SetButtonState(IDC_SORT_CATEGORIES + level, sortable, sortable ? IDB_SORT : IDB_SORT_DISABLED);
}

void COrganizeDlg::UpdateMarkButtons() {
    const CUrlListFile& list = List();
    const bool canMove = MarksCanLand();
    SetButtonState(IDC_MOVE, canMove, canMove ? IDB_MOVE : IDB_MOVE_DISABLED);
    int deepest = kTitle;
    while (deepest >= 0 && list.Selection(deepest) < 0) --deepest;
    const bool markable = deepest >= 0 && (list.MarkLevel() >= kLevelCount || deepest >= list.MarkLevel());
    markShowsUnmark_ = markable && list.Item(list.SelectedItem(deepest)).Has(ItemFlags::kMarked);
    SetButtonState(IDC_MARK, markable, !markable ? IDB_MARK_DISABLED : markShowsUnmark_ ? IDB_UNMARK : IDB_MARK);
}

// --- message-line help -----------------------------------------------------------------

HelpState COrganizeDlg::CurrentHelpState() const {
    HelpState state;
    state.organizing = organizing_;
    state.markShowsUnmark = markShowsUnmark_;
    for (int level = 0; level < kLevelCount; ++level) state.pending[level] = pending_[level] != kNotPending;
    const CUrlListFile* other = Host().OtherList();
    state.otherListHasMarks = other && other->MarkLevel() < kLevelCount;
    return state;
}

void COrganizeDlg::OnHelpCursor(HWND over, int hitTest) {
    int id = 0;
    if (over == Handle()) {
        if (hitTest == HTCAPTION) id = IDS_CAPTION_NOTICE;
    } else if (::GetParent(over) == Handle()) {
        id = HelpTextId(::GetDlgCtrlID(over), CurrentHelpState());
    }
    ShowMessageHelp(id);
}

void COrganizeDlg::OnMenuSelect(WPARAM item, LPARAM menu) {
    const UINT flags = HIWORD(item);
    // A closed menu, a popup or a separator has no help of its own.
    if (menu == 0 || (flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        ShowMessageHelp(0);
        return;
    }
    ShowMessageHelp(HelpTextId(LOWORD(item), CurrentHelpState()));
}
