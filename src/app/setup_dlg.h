// CSetupDlg: the Setup dialog (template 102). It proposes where the program
// files, the shortcuts and the list files go, checks the user's choices and
// installs on "Setup now", staying open when the installation stops.
#pragma once

#include <windows.h>

#include <string>

#include "app/setup_install.h"
#include "app/setup_support.h"

class CSetupDlg final : public CSetupDialogBase {
public:
    CSetupDlg(HWND owner, const SetupContext& context);

    // After IDOK: what the installation did.
    const InstallResult& Result() const noexcept { return result_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    std::string ProposedProgramFolder() const;
    void FillShortcutPlaces();
    // Runs the folder picker; on OK its folder goes into `edit` and `choice` is selected.
    void ChooseFolder(const char* title, const std::string& start, int edit, int choice);
    void Select(int first, int last, int choice) const noexcept { ::CheckRadioButton(Handle(), first, last, choice); }
    // The choices, when they pass the checks (the user has been told why not).
    bool ReadChoices(SetupChoices& choices) const;
    void SetupNow();

    const SetupContext& context_;
    bool filling_ = false;  // the edits' change notifications are our own
    InstallResult result_;
};
