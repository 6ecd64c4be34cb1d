// CMainDlg: the List and Browser menus: the configured lists and browsers
// as items, switching and opening lists, and the browser chosen for one
// command.
#include <windows.h>

#include "app/settings/app_settings.h"
#include "browser/browser_table.h"
#include "dialogs/messages.h"
#include "dialogs/pickers.h"
#include "dialogs/prefs_host.h"
#include "resource.h"
#include "ui/browser_menu.h"
#include "ui/main_dlg.h"

namespace {

constexpr int kTableSize = 100;  // ids per range

// Positions in the menu bar and in the Browser popup.
constexpr UINT kListPopup = 0;
constexpr UINT kBrowserPopup = 2;
constexpr UINT kBlankWindowPopup = 1;
constexpr UINT kSetDefaultPopup = 2;

constexpr char kProgramName[] = "Vellinor";
constexpr char kListFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";

bool InRange(int id, int first) { return id >= first && id < first + kTableSize; }

// A new list is named after its file: the file name without its extension.
std::string ListNameOfFile(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

// A blank window is "about:blank", except in Opera, which wants no URL.
std::string BlankPageUrl(const BrowserEntry& browser) {
    return KindOfBrowser(browser.ddeName, NameMatch::kIgnoreCase) == BrowserKind::kOpera ? std::string()
                                                                                          : "about:blank";
}

}  // namespace

template <typename Open>
void CMainDlg::WithBrowser(int index, Open open) {
    const int previous = Settings().Browsers.CurrentBrowser;
    if (index < 0 || index >= Settings().Browsers.Count()) return;
    SetCurrentBrowser(index);
    open();
    SetCurrentBrowser(previous);
}

bool CMainDlg::RunTableCommand(int id) {
    if (InRange(id, ID_FIRST_LIST)) {
        SwitchList(id - ID_FIRST_LIST);
    } else if (InRange(id, ID_FIRST_OPEN_WITH)) {
        WithBrowser(id - ID_FIRST_OPEN_WITH, [this] { OpenSelected(); });
    } else if (InRange(id, ID_FIRST_SET_DEFAULT_BROWSER)) {
        if (id - ID_FIRST_SET_DEFAULT_BROWSER < Settings().Browsers.Count())
            SetCurrentBrowser(id - ID_FIRST_SET_DEFAULT_BROWSER);
    } else if (InRange(id, ID_FIRST_BLANK_WINDOW)) {
        WithBrowser(id - ID_FIRST_BLANK_WINDOW, [this] { OpenBlankWindow(); });
    } else if (id == ID_BLANK_WINDOW) {
        OpenBlankWindow();
    } else if (id == ID_SWITCH_TO_PREVIOUS_LIST) {
        SwitchList(host_.PreviousList());
    } else if (id == ID_OPEN_LIST) {
        OpenOrCreateList();
    } else if (id == ID_IMPORT) {
        ImportCollection();
    } else if (id == ID_EXPORT) {
        ExportList();
    } else {
        return false;
    }
    return true;
}

void CMainDlg::OpenBlankWindow() {
    const std::string url = BlankPageUrl(Settings().Browsers.Current());
    if (host_.BrowserActions().OpenUrl(Handle(), url, true)) MinimizeAfterOpening();
}

void CMainDlg::SetCurrentBrowser(int index) {
    host_.SetCurrentBrowser(index);
    UpdateStatusLine();
    FillBrowserMenus();
}

void CMainDlg::SwitchList(int index) {
    if (index < 0 || index >= Settings().Lists.Count()) return;
    if (!SavePromptAll(SaveReason::kContinuing)) return;
    if (!ShowListAt(index, false)) host_.RunPreferences(Handle(), kUrlListsTab);
}

bool CMainDlg::OpenListForExport(int index) {
    if (index < 0 || index >= Settings().Lists.Count()) return false;
    return SavePromptAll(SaveReason::kContinuing) && ShowListAt(index, false);
}

bool CMainDlg::ShowListAt(int index, bool reload) {
    // A list read again from its file (an import over it) may no longer be
    // what its columns show: they are not kept.
    KeepColumns(!reload);
    if (!host_.SelectList(Handle(), index, reload)) {
        KeepColumns(false);
        return false;
    }
    BuildListMenus();
    ShowSelection(-1, true, true);
    return true;
}

void CMainDlg::OpenOrCreateList() {
    CAppSettings& settings = Settings();
    PickerRequest request;
    request.owner = Handle();
    request.title = "Select or create URL list";
    request.defaultExtension = "txt";
    request.filter = kListFilter;
    request.startFolder = settings.ListFolder;
    request.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    PickerAnswer answer;
    if (Pickers().PickFile(request, answer) != IDOK) return;
    const std::string& path = answer.path;
    int index = settings.FindListByFile(path);
    if (index < 0) {
        if (!host_.EnsureListFileExists(Handle(), path, false)) return;
        index = settings.AddList(ListNameOfFile(path), path);
        if (index < 0) {
            MsgBoxFromString(Handle(), IDS_LIST_MENU_FULL, MsgBoxKind::kExclamation);
            return;
        }
        host_.SaveSettings();
        BuildListMenus();
    }
    SwitchList(index);
}

void CMainDlg::BuildListMenus() {
    ListTable& lists = Settings().Lists;
    if (lists.Count() > 0 && lists.CurrentList >= lists.Count()) lists.CurrentList = 0;
    if (const HMENU menu = ::GetMenu(Handle())) {
        FillListMenu(::GetSubMenu(menu, kListPopup), ID_FIRST_LIST, lists);
        FillBrowserMenus();
    }
    UpdateCommandState();
    const int current = lists.CurrentList;
    ::SetWindowTextA(Handle(), current >= 0 && current < lists.Count()
                                   ? (lists.Entry(current).name + " - " + kProgramName).c_str()
                                   : kProgramName);
}

void CMainDlg::FillBrowserMenus() const {
    const HMENU menu = ::GetMenu(Handle());
    if (!menu || TemplateId() == IDD_COMPACT) return;  // Compact has no Browser popup
    const HMENU browser = ::GetSubMenu(menu, kBrowserPopup);
    const BrowserTable& browsers = Settings().Browsers;
    FillBrowserMenu(::GetSubMenu(browser, kBlankWindowPopup), ID_FIRST_BLANK_WINDOW, false, browsers);
    FillBrowserMenu(::GetSubMenu(browser, kSetDefaultPopup), ID_FIRST_SET_DEFAULT_BROWSER, true, browsers);
}
