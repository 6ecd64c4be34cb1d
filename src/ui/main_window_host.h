// What the main window needs from the application that owns it: the
// settings, the two list models, the shared resources, and the hidden
// window's show and hide rules. CMainApp implements it; the window tests
// supply a fake.
#pragma once

#include <windows.h>

#include <string>

#include "model/link_check.h"
#include "ui/browser_actions.h"

class CAppSettings;
class CFindState;
class CUrlListFile;
class IExchangeHost;

class IMainWindowHost {
public:
    virtual CAppSettings& Settings() = 0;
    // The list shown; the other list, while it holds marks taken from a
    // previously current list, else null.
    virtual CUrlListFile& CurrentList() = 0;
    virtual CUrlListFile* OtherList() = 0;
    // Leaving Organize mode drops the other list (its marks can no longer be
    // moved anywhere).
    virtual void DiscardOtherList() = 0;
    // Opens the configured current list (reload: read its file again even
    // when it is open); false when no list could be opened. Messages about
    // the load are shown with `owner` as their owner.
    virtual bool OpenCurrentList(HWND owner, bool reload) = 0;

    // 1 when the mode before the last switch was Compact, else 2.
    virtual int PreviousMode() const = 0;
    // The hidden application window: the mode commands and SC_MINIMIZE and
    // SC_RESTORE go there.
    virtual HWND HiddenWindow() const = 0;
    virtual void HideApp() = 0;
    virtual void RestoreApp() = 0;

    // The table translated after the mode's own one (resource 152).
    virtual HACCEL GlobalAccelerators() const = 0;
    virtual HICON LargeIcon() const = 0;
    virtual HICON SmallIcon() const = 0;
    // The brush of the window background colour, and the button pictures
    // with their marker colours mapped to the present colours; null for an
    // id the application did not load.
    virtual HBRUSH BackgroundBrush() const = 0;
    virtual HBITMAP ButtonBitmap(int id) const = 0;
    // Rebuilds brush and bitmaps after the system or custom colours changed.
    virtual void RecreateColorResources() = 0;
    // Runs the Preferences at a tab (dialogs/prefs_host.h) over `owner`.
    virtual INT_PTR RunPreferences(HWND /*owner*/, int /*tab*/) { return IDCANCEL; }

    // Opening titles and fetching from browsers.
    virtual IBrowserActions& BrowserActions() { return NoBrowserActions(); }
    // How the Check Links command checks: requests at once, time allowed.
    virtual LinkCheckOptions LinkCheckSettings() const { return {}; }

    // --- the list and browser tables ---------------------------------------
    // Makes list `index` of the list table current; a list left with marks
    // stays as the other list. False, after saying why, leaves the list shown.
    virtual bool SelectList(HWND owner, int index, bool reload) = 0;
    // The list current before this one (-1: none).
    virtual int PreviousList() const = 0;
    // True when the list file `path` exists afterwards (created, or after
    // asking when `ask`); a file that cannot be made is reported.
    virtual bool EnsureListFileExists(HWND owner, const std::string& path, bool ask) = 0;
    // Writes the settings at once, after the list table changed.
    virtual void SaveSettings() = 0;
    // What the Import and Export dialogs work on; null: they are not offered.
    virtual IExchangeHost* Exchange() { return nullptr; }
    // Makes browser `index` current, with what depends on which one it is.
    virtual void SetCurrentBrowser(int index) = 0;

    // The Find command's round, kept for the whole run.
    virtual CFindState& FindRound() = 0;
    // Keeps a Find notice in sight: blocks the window's thread, processing
    // no input meanwhile.
    virtual void PauseForNotice(unsigned milliseconds) { ::Sleep(milliseconds); }

    // Shows the small modal prompt `templateId` (CPromptDlg) owned by
    // `owner`, its edit starting with `text`; returns the button that closed
    // it and leaves the edit's last text in `text`.
    virtual int RunPrompt(HWND owner, int templateId, std::string& text);
    // Asks where a copy of the list goes, in a file-save dialog titled
    // `title`; false when the user cancelled.
    virtual bool ChooseSaveCopyPath(HWND owner, const std::string& title, std::string& path);
    // Asks for a file or folder in a dialog titled `title` that starts at
    // `path`; false when the user cancelled.
    virtual bool ChooseFileOrFolder(HWND owner, const std::string& title, std::string& path);

protected:
    ~IMainWindowHost() = default;
};
