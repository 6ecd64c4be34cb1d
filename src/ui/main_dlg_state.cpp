// CMainDlg: what both views share about the state shown: the status line
// and its help texts, the enabled commands, the last-visited text with its
// tool tip and menu, and opening and fetching through the browser side.
#include <windows.h>

#include <commctrl.h>

#include "app/settings/app_settings.h"
#include "browser/target_text.h"
#include "dialogs/message_format.h"
#include "model/title_text.h"
#include "resource.h"
#include "ui/list_box_entries.h"
#include "ui/local_time_text.h"
#include "ui/main_dlg.h"
#include "ui/text/relative_time.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/resource_string.h"

namespace {

const char* const kMarkLevelWords[kLevelCount][2] = {
    {"category", "categories"}, {"subcategory", "subcategories"}, {"title", "titles"}};

// Positions in the menu bar and in the Edit popup.
constexpr UINT kListPopup = 0;
constexpr UINT kEditPopup = 1;
constexpr UINT kCopyUrlPopup = 0;
constexpr UINT kCopyMarkedPopup = 1;

constexpr int kToolTipDelayMs = 350;

void EnableCommand(HMENU menu, UINT id, bool enabled) noexcept {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnablePosition(HMENU menu, UINT position, bool enabled) noexcept {
    ::EnableMenuItem(menu, position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool IsSeparator(const CUrlListFile& list, int item) { return list.Item(item).Has(ItemFlags::kSeparator); }

}  // namespace

int CMainDlg::DeepestSelectedLevel(const CUrlListFile& list) {
    for (int level = kTitle; level >= 0; --level)
        if (list.Selection(level) >= 0) return level;
    return -1;
}

void CMainDlg::SelectEntry(int level, int position, SelectMode mode) {
    List().Select(level, position, mode);
    ShowSelection(level, false, false);
}

void CMainDlg::UpdateControls() {
    UpdateCommandState();
    UpdateStatusLine();
}

bool CMainDlg::HasSelectedTitle() const {
    const CUrlListFile& list = List();
    const int item = list.SelectedItem(kTitle);
    return item > 0 && !IsSeparator(list, item);
}

const CUrlListFile* CMainDlg::MarkedList() const {
    const CUrlListFile& list = List();
    if (list.MarkLevel() < kLevelCount) return &list;
    const CUrlListFile* other = host_.OtherList();
    return other && other->MarkLevel() < kLevelCount ? other : nullptr;
}

bool CMainDlg::MarksCanLand() const {
    const CUrlListFile* marked = MarkedList();
    if (!marked) return false;
    const int level = marked->MarkLevel();
    if (level == 0 || List().Selection(level - 1) >= 0) return true;
    for (int above = 0; above < level; ++above)
        if (List().Selection(above) < 0 && !IsPendingWithName(above)) return false;
    return true;
}

void CMainDlg::UpdateCommandState() const {
    const CUrlListFile& list = List();
    const bool readOnly = list.IsReadOnly();
    const bool mayAdd = !readOnly && !list.IsFull();
    const HMENU menu = ::GetMenu(Handle());
    if (menu) {
        EnablePosition(menu, kEditPopup, !readOnly);
        const HMENU edit = ::GetSubMenu(menu, kEditPopup);
        EnableCommand(edit, ID_CLEAR_ALL_MARKS, IsOrganizing() && list.MarkLevel() < kLevelCount);
        EnableCommand(edit, IDC_FETCH, mayAdd);
        EnableCommand(edit, IDC_NEW_TITLE, mayAdd);
        EnablePosition(edit, kCopyUrlPopup, HasSelectedTitle());
        EnablePosition(edit, kCopyMarkedPopup, list.MarkLevel() == kTitle);
        const int deepest = DeepestSelectedLevel(list);
        EnableCommand(edit, ID_MARK_SELECTED,
                      deepest >= 0 && (list.MarkLevel() >= kLevelCount || deepest >= list.MarkLevel()));
        const bool canLand = MarksCanLand();
        EnableCommand(edit, ID_MOVE_MARKED, canLand);
        EnableCommand(edit, ID_DUPLICATE_MARKED, canLand && MarkedList() != &list);
        EnableCommand(edit, ID_ALIAS_MARKED, canLand && list.MarkLevel() == kTitle);
        const HMENU lists = ::GetSubMenu(menu, kListPopup);
        EnableCommand(lists, ID_REVERT, list.IsModified());
        EnableCommand(lists, ID_SAVE_LIST, !readOnly);
        // The cleanup commands mark or edit: Organize mode, which a read-only list never enters.
        for (const UINT cleanup : {ID_MARK_DUPLICATE_URLS, ID_MERGE_DUPLICATES, ID_CHECK_LINKS})
            EnableCommand(lists, cleanup, !readOnly && list.TitleCount() > 0);
        EnableCommand(::GetSubMenu(menu, ::GetMenuItemCount(menu) - 1), ID_ORGANIZE_MODE, !readOnly);
        ::DrawMenuBar(Handle());
    }
    ShowItem(IDC_FETCH, mayAdd);

    // The Open button says what opening would do.
    const bool title = HasSelectedTitle();
    const std::string_view url = title ? TitleUrl(list.ItemText(list.SelectedItem(kTitle))) : std::string_view();
    int picture = IDB_OPEN;
    if (url.empty()) {
        picture = IDB_OPEN_NOTHING;
    } else if (IsInternetUrl(url) && !Settings().Options.OpenInNewWindow) {
        picture = IDB_OPEN_FRONTMOST;
    }
    SetButtonState(IDC_OPEN, title, picture);
}

void CMainDlg::UpdateStatusLine() {
    const CAppSettings& settings = Settings();
    const CUrlListFile& list = List();
    const int current = settings.Lists.CurrentList;
    const std::string name = current >= 0 && current < settings.Lists.Count()
                                 ? settings.Lists.Entry(current).name
                                 : std::string("(none)");
    std::string text =
        FormatResourceString(IDS_STATUS_LIST, {list.IsReadOnly() ? " (read only)" : "", name,
                                               static_cast<unsigned>(list.TitleCount())})
            .value_or(std::string());
    if (IsOrganizing()) {
        const int marks = list.MarkCount();
        if (marks == 0 || list.MarkLevel() >= kLevelCount) {
            text += "  -  Nothing marked";
        } else {
            text += FormatResourceString(IDS_STATUS_MARKED,
                                         {static_cast<unsigned>(marks),
                                          kMarkLevelWords[list.MarkLevel()][marks == 1 ? 0 : 1]})
                        .value_or(std::string());
        }
    } else {
        const std::string& browser = settings.Browsers.Current().name;
        text += FormatResourceString(IDS_STATUS_BROWSER, {browser.empty() ? "(none)" : browser})
                    .value_or(std::string());
    }
    idleStatus_ = std::move(text);
    if (shownHelpId_ == 0) SetItemText(IDC_STATUS_LINE, idleStatus_);
}

void CMainDlg::ShowMessageHelp(int id) {
    if (id == shownHelpId_) return;  // the pointer rests: no redraw
    const CAppSettings& settings = Settings();
    std::string text;
    if (id >= ID_FIRST_LIST && id < ID_FIRST_LIST + 100) {
        text = settings.Lists.Entry(id - ID_FIRST_LIST).path;
    } else if (id >= ID_FIRST_OPEN_WITH && id < ID_FIRST_OPEN_WITH + 100) {
        text = settings.Browsers.Entry(id - ID_FIRST_OPEN_WITH).programPath;
    } else if (id > 0 && settings.Options.ShowMessageHelp) {
        text = win::LoadResourceString(static_cast<UINT>(id));
        const CUrlListFile* other = host_.OtherList();
        if ((id == ID_MOVE_MARKED_FROM_OTHER || id == ID_DUPLICATE_MARKED) && other)
            text = FormatText(text, {ListName(*other)}).value_or(text);
    }
    if (text.empty()) {
        shownHelpId_ = 0;
        SetItemText(IDC_STATUS_LINE, idleStatus_);
        return;
    }
    shownHelpId_ = id;
    SetItemText(IDC_STATUS_LINE, text);
}

// --- the last-visited text ------------------------------------------------------

void CMainDlg::CreateToolTips() {
    toolTips_.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                      nullptr, win::ModuleInstance(), nullptr));
    if (!toolTips_) return;
    const HWND tips = toolTips_.Get();
    ::SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOMATIC, kToolTipDelayMs);
    for (int control : {IDC_LAST_VISITED, IDC_OPEN}) {
        if (control == IDC_OPEN && TemplateId() != IDD_COMPACT) continue;
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(control));
        tool.lpszText = const_cast<char*>("");
        ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageA(tips, TTM_ACTIVATE, TRUE, 0);
}

void CMainDlg::SetToolTipText(int control, const std::string& text) const noexcept {
    if (!toolTips_) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Item(control));
    tool.lpszText = const_cast<char*>(text.c_str());
    ::SendMessageA(toolTips_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CMainDlg::ShowLastVisited() const {
    const CUrlListFile& list = List();
    if (!HasSelectedTitle()) {
        SetItemText(IDC_LAST_VISITED, "");
        SetToolTipText(IDC_LAST_VISITED, "");
        return;
    }
    const std::int64_t visited = LastVisited(list.ItemText(list.SelectedItem(kTitle)));
    const std::int64_t now = list.Environment().clock->Now();
    SetItemText(IDC_LAST_VISITED, ui::RelativeTimeText(visited, now));
    SetToolTipText(IDC_LAST_VISITED, ui::IsNeverVisited(visited, now) ? std::string() : LongLocalTimeText(visited));
}

void CMainDlg::ShowLastVisitedMenu(LPARAM at) {
    if (!HasSelectedTitle()) return;
    win::UniqueMenu menu(::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_LAST_VISITED_MENU)));
    if (!menu) return;
    POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {  // from the keyboard: under the text
        const RECT text = [&] {
            RECT rect{};
            ::GetWindowRect(Item(IDC_LAST_VISITED), &rect);
            return rect;
        }();
        point = {text.left, text.bottom};
    }
    ::TrackPopupMenu(::GetSubMenu(menu.Get(), 0), TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
}

void CMainDlg::SetSelectedLastVisited(bool never) {
    if (!HasSelectedTitle()) return;
    CUrlListFile& list = List();
    list.SetLastVisited(list.SelectedItem(kTitle), never);
    ShowLastVisited();
    RefreshEntry(kTitle, list.Selection(kTitle));
}

void CMainDlg::RefreshEntry(int level, int position) {
    const HWND box = LevelBoxWindow(level);
    if (box && position >= 0)
        SetListBoxEntryData(box, position, List().DisplayAttributes(level, position, Settings().RecentPeriod));
    UpdateControls();
}

// --- opening and fetching ---------------------------------------------------------

void CMainDlg::OpenSelected(WindowChoice choice) {
    if (!HasSelectedTitle()) return;
    CUrlListFile& list = List();
    const int item = list.SelectedItem(kTitle);
    const std::string target(TitleUrl(list.ItemText(item)));
    if (target.empty()) return;
    const bool newWindow = choice == WindowChoice::kDefault
                               ? Settings().Options.OpenInNewWindow != (::GetKeyState(VK_SHIFT) < 0)
                               : choice == WindowChoice::kNew;
    if (!host_.BrowserActions().OpenTarget(Handle(), target, newWindow)) return;
    list.SetLastVisited(item, false);
    ShowLastVisited();
    RefreshEntry(kTitle, list.Selection(kTitle));
    MinimizeAfterOpening();
}

void CMainDlg::FetchNewTitle() {
    IBrowserActions& browser = host_.BrowserActions();
    // The Compact window fetches again once it is in Organize mode, and a
    // picked window is read only once: it is left for that fetch.
    if (templateId_ == IDD_COMPACT && browser.FetchWindowChosen()) {
        EnterNewUrl({}, {}, true);
        return;
    }
    const CUrlListFile& list = List();
    if (list.IsReadOnly() || list.IsFull()) return;
    FetchedUrl fetched;
    if (!browser.FetchFrontmostUrl(Handle(), fetched)) return;
    EnterNewUrl(fetched.url, fetched.title, true);
}

void CMainDlg::ShowFetchWindowMenu(LPARAM screenPoint) {
    const POINT at = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    if (host_.BrowserActions().ChooseFetchWindow(Handle(), at)) FetchNewTitle();
}
