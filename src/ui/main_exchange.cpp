// CMainDlg: importing a collection into a new list, which then joins the
// List menu and opens, and exporting the open list.
#include <windows.h>

#include "app/settings/app_settings.h"
#include "dialogs/import_export_dlg.h"
#include "dialogs/messages.h"
#include "resource.h"
#include "ui/main_dlg.h"

void CMainDlg::ImportCollection() {
    IExchangeHost* exchange = host_.Exchange();
    if (!exchange) return;
    CImportExportDlg dialog(*exchange, Handle(), IDD_IMPORT);
    if (dialog.Run(-1) == IDOK) OpenImportedList(dialog.ResultName(), dialog.ResultPath());
}

void CMainDlg::ExportList() {
    if (IExchangeHost* exchange = host_.Exchange())
        CImportExportDlg(*exchange, Handle(), IDD_EXPORT).Run(Settings().Lists.CurrentList);
}

// What the open list or the kept list held in memory is gone with the file
// they were read from: the open list is read again without the save prompt,
// and the kept list is dropped.
void CMainDlg::ListFileReplaced(const std::string& path) {
    if (const CUrlListFile* other = host_.OtherList(); other && other->IsSameFile(path)) host_.DiscardOtherList();
    if (List().IsSameFile(path)) ShowListAt(Settings().Lists.CurrentList, true);
}

void CMainDlg::OpenImportedList(const std::string& name, const std::string& path) {
    CAppSettings& settings = Settings();
    int index = settings.FindListByFile(path);
    if (index < 0) {
        index = settings.AddList(name, path);
        if (index < 0) {
            MsgBoxFromString(Handle(), IDS_LIST_MENU_FULL, MsgBoxKind::kInformation);
            return;
        }
        host_.SaveSettings();
        BuildListMenus();
    }
    if (!List().IsSameFile(path)) SwitchList(index);  // else read again by the import already
}
