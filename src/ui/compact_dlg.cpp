#include "ui/compact_dlg.h"

#include <algorithm>

#include "app/settings/app_settings.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/dialog_geometry.h"
#include "ui/layout/column_layout.h"
#include "ui/level_menu.h"

namespace {

constexpr ButtonImage kButtonImages[] = {
    {IDC_FIND, IDB_FIND},
    {IDC_FETCH, IDB_FETCH},
    {IDC_NOTE, IDB_NOTE},
    {IDC_CATEGORY_POPUP, IDB_POPUP},
    {IDC_SUBCATEGORY_POPUP, IDB_POPUP},
};

}  // namespace

CCompactDlg::CCompactDlg(IMainWindowHost& host, HWND owner)
    : CMainDlg(host, IDD_COMPACT, owner, IDR_COMPACT_ACCELERATORS) {}

bool& CCompactDlg::KeepAtFront() const { return Settings().Options.KeepAtFrontCompact; }

void CCompactDlg::PlaceWindow() {
    Titles().Attach(Handle(), kTitle, *this);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    client_ = {client.right, client.bottom};
    laidOut_ = true;
    PlaceAtStoredRect(Settings().CompactWindowRect, layout::kMinCompactWidth, layout::kMinCompactHeight);
}

void CCompactDlg::StorePlacement() { Settings().CompactWindowRect = NormalRect(); }

void CCompactDlg::LoadButtonImages() {
    SetButtonImages(kButtonImages);
}

std::optional<LRESULT> CCompactDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETMINMAXINFO:
        ui::SetMinimumTrackSize(lParam, layout::kMinCompactWidth, layout::kMinCompactHeight);
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) OnSize(LOWORD(lParam), HIWORD(lParam));
        break;
    default:
        break;
    }
    return CMainDlg::OnMessage(message, wParam, lParam);
}

void CCompactDlg::OnSize(int width, int height) {
    if (!laidOut_) return;
    const int dx = width - client_.cx;
    const int dy = height - client_.cy;
    client_ = {width, height};
    if (dx == 0 && dy == 0) return;
    const HWND dialog = Handle();
    ui::ShiftControl(dialog, IDC_TITLE_LIST, 0, 0, dx, dy);
    ui::ShiftControl(dialog, IDC_CATEGORY_NAME, 0, 0, dx, 0);
    ui::ShiftControl(dialog, IDC_SUBCATEGORY_NAME, 0, 0, dx, 0);
    ui::ShiftControl(dialog, IDC_FIND_TEXT, 0, dy, dx, 0);
    ui::ShiftControl(dialog, IDC_LAST_VISITED, 0, dy, dx, 0);
    for (int id : {IDC_FIND, IDC_OPEN}) ui::ShiftControl(dialog, id, dx, dy);
    for (int id : {IDC_NOTE, IDC_FETCH}) ui::ShiftControl(dialog, id, 0, dy);
    ::InvalidateRect(dialog, nullptr, TRUE);
}

bool CCompactDlg::OnViewCommand(int id, int code, HWND) {
    switch (id) {
    case IDC_TITLE_LIST:
        if (code == LBN_SELCHANGE) SelectEntry(kTitle, Titles().Selection(), SelectMode::kSingleChild);
        return true;
    case IDC_NEW_TITLE:
        SwitchToOrganize(kRunNewTitle);
        return true;
    case IDC_CATEGORY_POPUP:
    case IDC_SUBCATEGORY_POPUP:
        if (code == STN_CLICKED) ChooseFromPopup(id - IDC_CATEGORY_POPUP);
        return true;
    case ID_REGULAR_MODE:
    case ID_ORGANIZE_MODE:
        PostModeSwitch(id);
        return true;
    default:
        return false;
    }
}

HWND CCompactDlg::LevelBoxWindow(int level) const { return level == kTitle ? Titles().Handle() : nullptr; }

void CCompactDlg::KeepColumns(bool keep) { titles_.Keep(keep, List(), Settings().RecentPeriod); }

void CCompactDlg::ShowSelection(int fromLevel, bool, bool) {
    const CUrlListFile& list = List();
    const int perColumn = MenuItemsPerColumn();
    int level = fromLevel;
    if (level < 0) {
        titles_.TradeIfKept();
        popups_[kCategory] = BuildLevelMenu(list, kCategory, perColumn);
        level = 0;
    }
    for (; level < kTitle; ++level) {
        const int item = list.SelectedItem(level);
        const bool valid = item > 0 && !list.Item(item).Has(ItemFlags::kSeparator);
        SetItemText(IDC_CATEGORY_NAME + level, valid ? std::string(list.DisplayName(item)) : std::string());
        if (valid) {
            ::CheckMenuRadioItem(popups_[level].Get(), 0, static_cast<UINT>(list.Last(level)),
                                 static_cast<UINT>(list.Selection(level)), MF_BYPOSITION);
        }
        if (level + 1 < kTitle) popups_[level + 1] = BuildLevelMenu(list, level + 1, perColumn);
    }
    if (fromLevel < kTitle && !Titles().ShowAgain(list, Settings().RecentPeriod))
        Titles().Fill(list, Settings().RecentPeriod);
    const bool title = HasSelectedTitle();
    Titles().SetSelection(title ? list.Selection(kTitle) : -1);
    SetToolTipText(IDC_OPEN, title ? std::string(TitleUrl(list.ItemText(list.SelectedItem(kTitle)))) : std::string());
    ShowLastVisited();
    ShowSelectedNote();
    if (title && ::GetFocus() != Item(IDC_FIND_TEXT)) ::SendMessageA(Handle(), DM_SETDEFID, IDC_OPEN, 0);
    UpdateControls();
}

void CCompactDlg::EnterNewUrl(const std::string&, const std::string&, bool) { SwitchToOrganize(kRunFetchUrl); }

void CCompactDlg::AddDroppedUrl(const std::string& url, const std::string& title) {
    Settings().DroppedUrl = url;
    Settings().DroppedTitle = title;
    SwitchToOrganize(kRunAddDroppedUrl);
}

void CCompactDlg::SwitchToOrganize(int runState) {
    Settings().RunState = runState;
    PostModeSwitch(ID_ORGANIZE_MODE);
}

bool CCompactDlg::EnterOrganizeMode() {
    SwitchToOrganize(kRunNormal);
    return false;
}

// Marks are made in Organize mode, which Compact mode reaches only by
// opening the other window.
void CCompactDlg::MarkEntries(int level, int from, int to, int mode) {
    List().ClearMarks();
    List().MarkRange(level, from, to, mode);
    PostModeSwitch(ID_ORGANIZE_MODE);
}

void CCompactDlg::ChooseFromPopup(int level) {
    const HMENU popup = popups_[level].Get();
    if (!popup || ::GetMenuItemCount(popup) <= 0) return;
    const RECT button = ui::ControlRect(Handle(), IDC_CATEGORY_POPUP + level);
    POINT at = {button.right, button.top};
    ::ClientToScreen(Handle(), &at);
    const int chosen = static_cast<int>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, Handle(), nullptr));
    if (chosen <= 0) return;
    SelectEntry(level, chosen - 1, SelectMode::kSingleChild);
    // A category without a chosen subcategory goes straight on to choosing one.
    if (level == kCategory && ItemText(IDC_SUBCATEGORY_NAME).empty()) ChooseFromPopup(kSubcategory);
}

int CCompactDlg::MenuItemsPerColumn() const noexcept {
    const int itemHeight = std::max(1, ::GetSystemMetrics(SM_CYMENU));
    return ::GetSystemMetrics(SM_CYSCREEN) / itemHeight;
}
