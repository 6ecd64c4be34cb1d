// Opening the current list with every outcome reported, and switching lists.
#include <windows.h>

#include "app/main_app.h"
#include "app/settings/int_list.h"
#include "dialogs/messages.h"
#include "dialogs/prompt_dlg.h"
#include "resource.h"

namespace {

// The selection the list had when it was last left: "category,subcategory,
// title" positions; a negative category means none remembered.
void RestoreStartSelection(CUrlListFile& model, const std::string& start) {
    int selection[kLevelCount] = {-1, 0, 0};
    ParseIntList(start, selection, kLevelCount);
    if (selection[kCategory] < 0) {
        model.Select(kCategory, 0, SelectMode::kFirstChild);
        return;
    }
    for (int level = kCategory; level < kLevelCount; ++level) model.Select(level, selection[level]);
}

bool PathExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool CMainApp::OpenCurrentList(HWND owner, bool reload) {
    return OpenListInto(owner, lists_.Current(), reload);
}

bool CMainApp::SelectList(HWND owner, int index, bool reload) {
    if (!reload && settings_.Lists.CurrentList >= 0) settings_.StoreListStart(&lists_.Current());
    return lists_.Select(settings_.Lists.CurrentList, index,
                         [&](CUrlListFile& model) { return OpenListInto(owner, model, reload); });
}

bool CMainApp::OpenListInto(HWND owner, CUrlListFile& model, bool reload) {
    const int index = settings_.Lists.CurrentList;
    if (index < 0) {
        model.Reset();
        return true;
    }
    const ListEntry entry = settings_.Lists.Entry(index);
    if (entry.path.empty()) return false;
    if (!reload && model.IsSameFile(entry.path)) return true;

    bool created = false;
    for (;;) {
        int result;
        {
            WaitCursorScope wait(&waitCursor_);
            result = model.Load(entry.path);
        }
        if (result == 0) break;
        if (result == 1) {
            if (!reload)
                MsgBoxFormatted(owner, IDS_LIST_FULL, MsgBoxKind::kInformation, {entry.name});
            break;
        }
        if (result == 3) {
            if (!settings_.Options.NoReadOnlyWarning) {
                CPromptDlg notice(IDD_READ_ONLY_FILE, owner);
                notice.RunModal();
                if (notice.Checked()) settings_.Options.NoReadOnlyWarning = true;
            }
            break;
        }
        // A list cut short at the most items a list can hold is told apart
        // from one cut short by memory; after a reload it was told already.
        if (result == -3 && model.Count() >= CUrlListFile::kMaxItems) {
            if (!reload) MsgBoxFormatted(owner, IDS_LIST_TOO_LARGE, MsgBoxKind::kInformation, {entry.name});
            break;
        }
        if (result == -3) {
            MsgBoxFromString(owner, IDS_LIST_PARTLY_LOADED, MsgBoxKind::kStop);
            break;
        }
        // A file that still cannot be found right after it was created is
        // not asked about again (that would go round for ever): it is
        // reported like any other file that does not open.
        if (result == -1 && !created) {
            if (!EnsureListFileExists(owner, entry.path, true)) return false;
            created = true;
            continue;
        }
        if (std::optional<std::string> text =
                FormatSystemError(IDS_CANNOT_OPEN_LIST_FILE, static_cast<DWORD>(model.LastOsError())))
            MsgBoxFromText(owner, *text, MsgBoxKind::kStop);
        return false;
    }
    RestoreStartSelection(model, entry.start);
    return true;
}

bool CMainApp::EnsureListFileExists(HWND owner, const std::string& path, bool ask) {
    if (PathExists(path)) return true;
    if (ask && MsgBoxFormatted(owner, IDS_CREATE_LIST_FILE, MsgBoxKind::kQuestionYesNo, {path}) != IDYES)
        return false;
    // Never truncates: another program may have made the file meanwhile.
    win::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        MsgBoxFormatted(owner, IDS_CANNOT_CREATE_LIST_FILE, MsgBoxKind::kStop, {path});
        return false;
    }
    return true;
}

bool CMainApp::OpenListForExport(HWND owner, int index) {
    if (mainWindow_) return mainWindow_->OpenListForExport(index);
    return SelectList(owner, index, false);
}

void CMainApp::ListFileReplaced(const std::string& path) {
    if (mainWindow_) mainWindow_->ListFileReplaced(path);
}

void CMainApp::SetCurrentBrowser(int index) {
    settings_.Browsers.CurrentBrowser = index;
    settings_.Browsers.UpdateOldIE(*environment_.registry);
}
