// CUninstallDlg: the Uninstall dialog (template 103). Each of its three
// boxes undoes one part of what Setup did; "Uninstall now" does the checked
// ones and closes with IDOK.
#pragma once

#include <windows.h>

#include "app/setup_runs.h"
#include "app/setup_support.h"

class CUninstallDlg final : public CSetupDialogBase {
public:
    CUninstallDlg(HWND owner, const SetupContext& context);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void UninstallNow();
    void RemoveShortcuts(const std::string& startMenuFolder);
    void DeleteProgramFiles();

    const SetupContext& context_;
};
