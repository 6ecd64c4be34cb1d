// CPrefsPage: one page of the Preferences (dialogs/prefs_sheet.h), a child
// dialog of the sheet that edits its own copy of its settings until the
// sheet applies it.
#pragma once

#include <windows.h>

#include "dialogs/prefs_host.h"
#include "win/dialog.h"

class CPrefsSheet;

class CPrefsPage : public win::CDialog {
public:
    CPrefsPage(UINT templateId, CPrefsSheet& sheet);

    // Makes the page's changes take effect; false (with the reason shown)
    // leaves them pending.
    virtual bool Apply() = 0;

    // The help page that the page's Help button and F1 open (help.h).
    virtual const char* HelpTopic() const noexcept;

protected:
    CPrefsSheet& Sheet() const noexcept { return sheet_; }
    IPrefsHost& Host() const noexcept;
    CAppSettings& Settings() const { return Host().Settings(); }
    // The owner for the page's message boxes and pickers.
    HWND Owner() const noexcept;
    // Enables the sheet's Apply button.
    void Changed() const noexcept;

    // Enter and Esc reach the sheet, never the page: a page does not close.
    // The Help button opens the page's help.
    bool OnCommand(int id, int code, HWND control) override;

private:
    CPrefsSheet& sheet_;
};
