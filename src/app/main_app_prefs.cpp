// The Preferences: what applying a page changes beyond the settings
// themselves.
#include <windows.h>

#include "app/hot_keys.h"
#include "app/main_app.h"
#include "dialogs/prefs_sheet.h"
#include "resource.h"

INT_PTR CMainApp::RunPreferences(HWND owner, int tab) {
    const bool keepAtFront = KeepAtFrontOfMode();
    const INT_PTR result = environment_.runPreferences(*this, owner, tab);
    if (settings_.Lists.Count() == 0 && !lists_.Current().Path().empty()) {
        lists_.DiscardOther();
        lists_.Current().Reset();
        RefreshMainWindow();
    }
    // The window puts itself at the front as it is made. Made again only
    // now: the sheet was its modal child, and posted, because the caller
    // may be the window itself.
    if (mainWindow_ && KeepAtFrontOfMode() != keepAtFront)
        ::PostMessageA(HiddenWindow(), WM_COMMAND, static_cast<WPARAM>(ID_COMPACT_MODE + settings_.ViewMode - kViewCompact), 0);
    return result;
}

bool& CMainApp::KeepAtFrontOfMode() {
    return settings_.ViewMode == kViewCompact ? settings_.Options.KeepAtFrontCompact
                                              : settings_.Options.KeepAtFrontRegular;
}

void CMainApp::RefreshMainWindow() {
    if (mainWindow_) mainWindow_->ReapplySettings();
}

// The open list and the one kept for its marks are known by their files,
// so their indices follow them through reordering and removal.
bool CMainApp::ApplyListTable(HWND owner, std::vector<ListEntry> entries, int highlighted) {
    ListTable& lists = settings_.Lists;
    const std::string openFile = lists.Entry(lists.CurrentList).path;
    const std::string otherFile = lists.Entry(lists_.PreviousIndex()).path;
    lists.entries = std::move(entries);
    lists.CurrentList = settings_.FindListByFile(openFile);
    lists_.SetPreviousIndex(settings_.FindListByFile(otherFile));
    if (highlighted >= lists.Count()) highlighted = -1;
    const bool opened = highlighted == lists.CurrentList || SelectList(owner, highlighted, false);
    RefreshMainWindow();
    return opened;
}

void CMainApp::ApplyBrowserTable(std::vector<BrowserEntry> entries, int highlighted) {
    BrowserTable& browsers = settings_.Browsers;
    browsers.entries = std::move(entries);
    // Set with or without a main window, so the index never points past the table.
    browsers.CurrentBrowser = highlighted >= 0 && highlighted < browsers.Count() ? highlighted : -1;
    browsers.UpdateOldIE(*environment_.registry);
    RefreshMainWindow();
}

int CMainApp::ApplyHotKeys(std::uint16_t appHotKey, std::uint16_t fetchHotKey) {
    const std::uint16_t codes[] = {appHotKey, fetchHotKey};
    const int ids[] = {CAppWindow::kAppHotKeyId, CAppWindow::kFetchHotKeyId};
    for (int id : ids) ::UnregisterHotKey(HiddenWindow(), id);
    for (int i = 0; i < 2; ++i) {
        if (codes[i] == 0) continue;
        const SystemHotKey key = ToSystemHotKey(codes[i]);
        if (!::RegisterHotKey(HiddenWindow(), ids[i], key.modifiers, key.key)) {
            RegisterAppHotKeys();  // the keys in the settings, as before
            return i;
        }
    }
    settings_.AppHotKey = appHotKey;
    settings_.FetchHotKey = fetchHotKey;
    return -1;
}

void CMainApp::ApplyBehavior() {
    if (settings_.Options.UseTray) {
        SetTrayIcon(NIM_ADD, false);
    } else {
        // Its taskbar button comes back without taking the focus from the sheet.
        SetTrayIcon(NIM_DELETE, true);
        ::ShowWindow(HiddenWindow(), SW_SHOWNA);
    }
    RefreshMainWindow();
}

void CMainApp::ApplyPresentation() {
    if (mainWindow_)
        mainWindow_->ReapplySettings();
    else
        RecreateColorResources();
}

void CMainApp::SaveSettings() { settings_.SaveSettings(true, &lists_.Current()); }
