#include "app/setup_runs.h"

#include "app/settings/app_settings.h"
#include "app/setup_dlg.h"
#include "app/uninstall_dlg.h"
#include "browser/win32/open_target.h"
#include "dialogs/messages.h"
#include "resource.h"

SetupOutcome RunSetup(HWND owner, const SetupContext& context) {
    const bool firstInstallation = context.settings.RunState == kRunFirstRunSetup;
    CSetupDlg dialog(owner, context);
    SetupOutcome outcome;
    if (dialog.RunModal() != IDOK) return outcome;
    outcome.cancelled = false;
    if (firstInstallation && context.showListPreferences) context.showListPreferences(owner);
    const InstallResult& result = dialog.Result();
    if (result.moved) {
        outcome.endProgram = true;
        if (MsgBoxFromString(owner, IDS_LAUNCH_NOW, MsgBoxKind::kQuestionYesNo) == IDYES) {
            if (context.letGoOfInstance) context.letGoOfInstance();
            StartProgram(context.launcher, owner, result.programPath, "", true);
        }
    }
    return outcome;
}

bool RunUninstall(HWND owner, const SetupContext& context) {
    return CUninstallDlg(owner, context).RunModal() == IDOK;
}
