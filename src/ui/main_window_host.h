// What the main window needs from the application that owns it: the
// settings, the two list models, the shared resources, and the hidden
// window's show and hide rules. CMainApp implements it; the window tests
// supply a fake.
#pragma once

#include <windows.h>

#include <string>

#include "ui/browser_actions.h"

class CAppSettings;
class CUrlListFile;

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

    // Opening titles and fetching from browsers.
    virtual IBrowserActions& BrowserActions() { return NoBrowserActions(); }

    // The Preferences sheet at the page `command` asks for (Application,
    // List or Browser Configure), and the program's help file. Nothing
    // until the application offers them.
    virtual void ShowPreferences(HWND, int) {}
    virtual void ShowHelp(HWND) {}

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
