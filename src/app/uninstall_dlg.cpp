#include "app/uninstall_dlg.h"

#include "app/settings/app_settings.h"
#include "app/settings/settings_keys.h"
#include "app/setup_install.h"
#include "app/setup_support.h"
#include "app/store/store_values.h"
#include "browser/win32/open_target.h"
#include "dialogs/messages.h"
#include "resource.h"

namespace {

constexpr int kBoxes[] = {IDC_UNINSTALL_FILES, IDC_UNINSTALL_SHORTCUTS, IDC_UNINSTALL_REGISTRY};

}  // namespace

CUninstallDlg::CUninstallDlg(HWND owner, const SetupContext& context)
    : CSetupDialogBase(IDD_UNINSTALL, owner), context_(context) {}

bool CUninstallDlg::OnInit() {
    CSetupDialogBase::OnInit();
    for (int box : kBoxes) CheckItem(box, true);
    ::ShowWindow(Handle(), SW_RESTORE);
    ::SetForegroundWindow(Handle());
    return true;
}

bool CUninstallDlg::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id == IDOK) {
        UninstallNow();
        Close(IDOK);
        return true;
    }
    return CSetupDialogBase::OnCommand(id, code, control);
}

void CUninstallDlg::UninstallNow() {
    CAppSettings& settings = context_.settings;
    // Started from the uninstall entry the program has read no settings: the
    // Start Menu folder Setup used is then only in the store.
    std::string startMenuFolder = settings.StartMenuFolder;
    if (startMenuFolder.empty())
        startMenuFolder = store::ReadRegistryString(context_.registry, store::Root::kCurrentUser,
                                                    settings_keys::kMainKey, settings_keys::kStartMenu)
                              .value_or("");
    if (IsItemChecked(IDC_UNINSTALL_REGISTRY)) settings.RemoveSettings();
    if (IsItemChecked(IDC_UNINSTALL_SHORTCUTS)) RemoveShortcuts(startMenuFolder);
    if (IsItemChecked(IDC_UNINSTALL_FILES)) DeleteProgramFiles();
}

void CUninstallDlg::RemoveShortcuts(const std::string& startMenuFolder) {
    for (int place = 0; place < kStartMenuPlace; ++place)
        if (std::optional<std::string> folder = ShellFolderPath(context_.registry, place))
            ::DeleteFileA(ShortcutPath(*folder).c_str());
    if (!startMenuFolder.empty()) ::DeleteFileA(ShortcutPath(startMenuFolder).c_str());
}

void CUninstallDlg::DeleteProgramFiles() {
    const std::string& folder = context_.settings.AppFolder;
    CallExtension(folder, "DllUnregisterServer");
    MsgBoxFromString(Handle(), IDS_FINAL_STEP, MsgBoxKind::kInformation);
    for (const char* name : program_files::kNames) {
        std::string path = folder + name;
        MakeWritable(path);
        ::DeleteFileA(path.c_str());
    }
    // Only an empty folder goes; what is left (the list files, the running
    // program) is shown to the user.
    if (!::RemoveDirectoryA(folder.c_str())) OpenDocument(context_.launcher, Handle(), folder, false, false);
}
