// CMainDlg: the commands every mode shares, and the application's standard
// ones. Each command is a row of a table: an id range and what it runs with
// the id (the level of a button or context-menu item is its offset in the
// range).
#include <windows.h>

#include <string>

#include "app/settings/app_settings.h"
#include "dialogs/help.h"
#include "dialogs/messages.h"
#include "dialogs/prefs_host.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "platform/file_system.h"
#include "resource.h"
#include "ui/level_list_box.h"
#include "ui/main_dlg.h"
#include "ui/text/new_url.h"
#include "win/resource_string.h"
#include "win/window_text.h"

namespace {

// An accelerator's WM_COMMAND carries this code; menus and buttons carry 0.
constexpr int kFromAccelerator = 1;

template <typename Dialog>
struct CommandRow {
    int first;
    int last;
    void (*run)(Dialog&, int id, int code);
};

}  // namespace

bool CMainDlg::RunBaseCommand(int id, int code) {
    switch (id) {
    case IDC_TITLE_LIST:
        // A double click, or the list box's one-click message (the same code).
        if (code != LBN_DBLCLK) return false;
        OpenSelected();
        return true;
    case IDC_FIND_TEXT:
        // Enter finds while the Find field has the focus, else opens.
        if (code == EN_SETFOCUS) SendMessageA(Handle(), DM_SETDEFID, IDC_FIND, 0);
        if (code == EN_KILLFOCUS) SendMessageA(Handle(), DM_SETDEFID, IDC_OPEN, 0);
        return code == EN_SETFOCUS || code == EN_KILLFOCUS;
    default:
        break;
    }
    using Row = CommandRow<CMainDlg>;
    static constexpr Row kCommands[] = {
        {IDC_DELETE_CATEGORY, IDC_DELETE_TITLE,
         [](CMainDlg& dlg, int id, int) { dlg.DeleteEntry(id - IDC_DELETE_CATEGORY); }},
        {IDC_MARK, IDC_MARK, [](CMainDlg& dlg, int, int) { dlg.ToggleMark(-1); }},
        // Ctrl+X cuts the text of a focused field; the menu item always marks.
        {ID_MARK_SELECTED, ID_MARK_SELECTED,
         [](CMainDlg& dlg, int, int code) {
             if (code != kFromAccelerator || !dlg.SendToFocusedField(WM_CUT)) dlg.ToggleMark(-1);
         }},
        {ID_MARK_THIS, ID_MARK_THIS + kTitle, [](CMainDlg& dlg, int id, int) { dlg.ToggleMark(id - ID_MARK_THIS); }},
        {ID_MARK_ALL_HERE, ID_MARK_ALL_HERE + kTitle,
         [](CMainDlg& dlg, int id, int) { dlg.MarkEntries(id - ID_MARK_ALL_HERE, 0, -1, 1); }},
        {ID_UNMARK_ALL_HERE, ID_UNMARK_ALL_HERE + kTitle,
         [](CMainDlg& dlg, int id, int) { dlg.MarkEntries(id - ID_UNMARK_ALL_HERE, 0, -1, 0); }},
        {ID_INSERT_SEPARATOR, ID_INSERT_SEPARATOR + kTitle,
         [](CMainDlg& dlg, int id, int) { dlg.InsertSeparatorAt(id - ID_INSERT_SEPARATOR); }},
        {IDC_OPEN, IDC_OPEN, [](CMainDlg& dlg, int, int) { dlg.OpenSelected(); }},
        {IDC_NOTE, IDC_NOTE,
         [](CMainDlg& dlg, int, int) { ::GetKeyState(VK_MENU) < 0 ? dlg.NoteToFront() : dlg.ToggleNote(); }},
        {ID_NOTE_TO_FRONT, ID_NOTE_TO_FRONT, [](CMainDlg& dlg, int, int) { dlg.NoteToFront(); }},
        {ID_OPEN_IN_NEW_WINDOW, ID_OPEN_IN_NEW_WINDOW,
         [](CMainDlg& dlg, int, int) { dlg.OpenSelected(WindowChoice::kNew); }},
        {ID_OPEN_IN_FRONTMOST_WINDOW, ID_OPEN_IN_FRONTMOST_WINDOW,
         [](CMainDlg& dlg, int, int) { dlg.OpenSelected(WindowChoice::kFrontmost); }},
        {IDC_FETCH, IDC_FETCH, [](CMainDlg& dlg, int, int) { dlg.FetchNewTitle(); }},
        {IDC_FIND, IDC_FIND, [](CMainDlg& dlg, int, int) { dlg.FindNextInList(); }},
        {ID_VISITED_NEVER, ID_VISITED_NEVER, [](CMainDlg& dlg, int, int) { dlg.SetSelectedLastVisited(true); }},
        {ID_VISITED_NOW, ID_VISITED_NOW, [](CMainDlg& dlg, int, int) { dlg.SetSelectedLastVisited(false); }},
        {ID_OPEN_NEW_URL, ID_OPEN_NEW_URL, [](CMainDlg& dlg, int, int) { dlg.OpenNewUrl(); }},
        {ID_SAVE_LIST, ID_SAVE_LIST,
         [](CMainDlg& dlg, int, int) { dlg.SavePromptAll(SaveReason::kContinuing, true, true); }},
        {ID_SAVE_COPY, ID_SAVE_COPY, [](CMainDlg& dlg, int, int) { dlg.SaveCopy(); }},
        {ID_KEEP_AT_FRONT, ID_KEEP_AT_FRONT, [](CMainDlg& dlg, int, int) { dlg.ToggleKeepAtFront(); }},
        {ID_AUTO_MINIMIZE, ID_AUTO_MINIMIZE,
         [](CMainDlg& dlg, int, int) { dlg.ToggleOption(dlg.Settings().Options.AutoMinimize); }},
        {ID_ONE_CLICK_OPENING, ID_ONE_CLICK_OPENING,
         [](CMainDlg& dlg, int, int) { dlg.ToggleOption(dlg.Settings().Options.OneClickOpen); }},
        {ID_SWITCH_DEFAULT_WINDOW, ID_SWITCH_DEFAULT_WINDOW,
         [](CMainDlg& dlg, int, int) { dlg.ToggleOption(dlg.Settings().Options.OpenInNewWindow); }},
        {ID_PREFERENCES, ID_PREFERENCES, [](CMainDlg& dlg, int id, int) { dlg.ShowPreferences(id); }},
        {ID_CONFIGURE_BROWSERS, ID_CONFIGURE_LISTS, [](CMainDlg& dlg, int id, int) { dlg.ShowPreferences(id); }},
        {ID_SETUP, ID_UNINSTALL,
         [](CMainDlg& dlg, int id, int) {
             // The hidden window runs Setup and Uninstall.
             if (dlg.SavePromptAll(SaveReason::kContinuing))
                 ::PostMessageA(dlg.host_.HiddenWindow(), WM_COMMAND, static_cast<WPARAM>(id), 0);
         }},
        {ID_ABOUT, ID_ABOUT,
         [](CMainDlg& dlg, int, int) { MsgBoxFromString(dlg.Handle(), IDS_ABOUT, MsgBoxKind::kInformation); }},
        {ID_TRAY_RESTORE, ID_TRAY_RESTORE, [](CMainDlg& dlg, int, int) { dlg.host_.RestoreApp(); }},
        {ID_TRAY_HIDE, ID_TRAY_HIDE, [](CMainDlg& dlg, int, int) { dlg.host_.HideApp(); }},
    };
    for (const Row& row : kCommands) {
        if (id >= row.first && id <= row.last) {
            row.run(*this, id, code);
            return true;
        }
    }
    return CopyAs(id);
}

// The controls of the dialog itself.
bool CMainDlg::RunMappedCommand(int id) {
    if (id != IDC_BROWSE) return false;
    PickFileOrFolder();
    return true;
}

// Exit ends the program through the hidden window's close, which runs the
// exit save prompts; Help is the application's too.
bool CMainDlg::RunApplicationCommand(int id) {
    switch (id) {
    case ID_EXIT:
        RequestExit();
        return true;
    case ID_HELP_CONTENTS:
        HelpViewer().Show(Handle(), help_topic::kContents);
        return true;
    default:
        return false;
    }
}

bool CMainDlg::SendToFocusedField(UINT message) const {
    const HWND focus = ::GetFocus();
    if (!focus || !::IsChild(Handle(), focus) || !win::HasWindowClass(focus, "Edit")) return false;
    ::SendMessageA(focus, message, 0, 0);
    return true;
}

int CMainDlg::FocusedLevel() const {
    const HWND focus = ::GetFocus();
    for (int level = 0; level < kLevelCount; ++level)
        if (focus && LevelBoxWindow(level) == focus) return level;
    return -1;
}

void CMainDlg::ShowOutOfMemory() const { MsgBoxFromString(Handle(), IDS_OUT_OF_MEMORY, MsgBoxKind::kExclamation); }

void CMainDlg::ShowChangedLevel(int level) { ShowSelection(level - 1, true, false); }

// --- deleting, marking, separators -------------------------------------------------

void CMainDlg::DeleteEntry(int level) {
    if (!EnterOrganizeMode()) return;
    CUrlListFile& list = List();
    if (level < 0) level = DeepestSelectedLevel(list);
    if (level < 0 || list.Selection(level) < 0) return;
    const int item = list.SelectedItem(level);
    bool allInstances = false;
    if (level < kTitle) {
        if (list.Last(level + 1) >= 0 &&
            MsgBoxFromString(Handle(), IDS_DELETE_ALL, MsgBoxKind::kQuestionOkCancel) != IDOK)
            return;
    } else if (AliasNumber(list.RawText(item)) != 0) {
        std::string unused;
        switch (host_.RunPrompt(Handle(), IDD_DELETE_URL, unused)) {
        case IDC_DELETE_ALL_INSTANCES:
            allInstances = true;
            break;
        case IDC_DELETE_THIS_INSTANCE:
            break;
        default:
            return;
        }
    }
    list.DeleteAt(level, list.Selection(level), allInstances);
    // As if the user chose the entry that took the deleted one's place.
    list.Select(level, list.Selection(level), list.MarkLevel() < kLevelCount ? SelectMode::kNone
                                                                            : SelectMode::kFirstChild);
    ShowChangedLevel(level);
}

// -1: the deepest level with a selection.
void CMainDlg::ToggleMark(int level) {
    if (!EnterOrganizeMode()) return;
    CUrlListFile& list = List();
    const int marked = list.MarkSelected(level);
    switch (marked) {
    case -4:
        SetItemText(IDC_STATUS_LINE, win::LoadResourceString(IDS_MARKS_AT_OTHER_LEVEL));
        return;
    case -3:
        ShowOutOfMemory();
        return;
    case -5:
        return;
    default:
        RefreshEntry(marked, list.Selection(marked));
        break;
    }
}

void CMainDlg::MarkEntries(int level, int from, int to, int mode) {
    if (!EnterOrganizeMode()) return;
    switch (List().MarkRange(level, from, to, mode)) {
    case -4:
        SetItemText(IDC_STATUS_LINE, win::LoadResourceString(IDS_MARKS_AT_OTHER_LEVEL));
        return;
    case -3:
        ShowOutOfMemory();
        break;
    default:
        break;
    }
    if (CLevelListBox* box = LevelBox(level)) box->RefreshItemData(List(), Settings().RecentPeriod);
    UpdateControls();
}

void CMainDlg::InsertSeparatorAt(int level) {
    if (!EnterOrganizeMode()) return;
    if (List().InsertSeparator(level) >= 0) ShowChangedLevel(level);
}

// --- saving, options, the application's dialogs -------------------------------------

void CMainDlg::SaveCopy() {
    CUrlListFile& list = List();
    std::string path;
    if (!host_.ChooseSaveCopyPath(Handle(), "Save a Copy of '" + ListName(list) + "' List", path)) return;
    if (const int error = list.SaveCopy(path); error != 0)
        MsgBoxFromText(Handle(), FormatSystemError(IDS_CANNOT_SAVE_COPY, static_cast<DWORD>(error)).value_or(""),
                       MsgBoxKind::kExclamation);
}

void CMainDlg::ToggleOption(bool& option) {
    option = !option;
    UpdateControls();
}

// The page of the Preferences that the command asks for.
void CMainDlg::ShowPreferences(int command) {
    OpenPreferences(command == ID_CONFIGURE_LISTS      ? kUrlListsTab
                    : command == ID_CONFIGURE_BROWSERS ? kBrowsersTab
                                                       : kBehaviorTab);
}

void CMainDlg::PickFileOrFolder() {
    std::string path = ItemText(IDC_URL);
    if (!host_.ChooseFileOrFolder(Handle(), "Pick file or folder", path)) return;
    CUrlListFile& list = List();
    if (!HasSelectedTitle()) {
        std::string title(platform::FileNameOf(path));
        if (const auto dot = title.find_last_of('.'); dot != std::string::npos && dot > 0) title.erase(dot);
        EnterNewUrl(path, title, false);
    } else {
        ::SetFocus(Item(IDC_URL));
        SetItemText(IDC_URL, path);
        list.EditItem(kTitle, list.Selection(kTitle), ItemText(IDC_TITLE_NAME), path);
        RefreshEntry(kTitle, list.Selection(kTitle));
    }
    UpdateControls();
}

// --- browser windows --------------------------------------------------------------

void CMainDlg::OpenNewUrl() {
    std::string typed;
    if (host_.RunPrompt(Handle(), IDD_OPEN_NEW_URL, typed) != IDOK) return;
    const std::string url = ui::NewUrlFromTyped(typed);
    if (url.empty()) return;
    if (host_.BrowserActions().OpenTarget(Handle(), url, true)) MinimizeAfterOpening();
}

