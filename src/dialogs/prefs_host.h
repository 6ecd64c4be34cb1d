// What the Preferences need from the application: its settings, and making
// what a page applies take effect at once. CMainApp implements it; the
// Preferences tests supply a fake.
//
// The pages change the settings themselves where nothing else follows from
// a change (options, colours); the tables and the hot keys go through here,
// because the application's other state must follow them in the same step.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/settings/app_settings.h"

class IExchangeHost;

// The Preferences' tabs, in their order.
enum PrefsTab : int { kUrlListsTab, kBrowsersTab, kBehaviorTab, kPresentationTab };

class IPrefsHost {
public:
    virtual CAppSettings& Settings() = 0;

    // Replaces the list table by `entries` (menu order). The open list and
    // the list kept for its marks are found again in the new table; then the
    // list at `highlighted` (-1: none) is opened unless it is the open one.
    // False when it could not be opened (the reason was shown); the table
    // is replaced either way. The menus and the main window follow.
    virtual bool ApplyListTable(HWND owner, std::vector<ListEntry> entries, int highlighted) = 0;
    // Replaces the browser table; `highlighted` (-1: none) becomes the
    // current browser. The menus and the main window follow.
    virtual void ApplyBrowserTable(std::vector<BrowserEntry> entries, int highlighted) = 0;
    // Registers the two hot keys (codes of a hot-key control, 0: none) in
    // place of the present ones and keeps them in the settings. When one
    // cannot be registered (another program holds it) the present ones stay
    // registered and in the settings: the result is its index (0 the
    // application key, 1 the fetch key); -1 when both took effect.
    virtual int ApplyHotKeys(std::uint16_t appHotKey, std::uint16_t fetchHotKey) = 0;
    // The options were changed in the settings: the tray icon, the note
    // window and the main window follow.
    virtual void ApplyBehavior() = 0;
    // The colours or the recent period were changed in the settings: the
    // brushes and pictures are made again and the main window repainted.
    virtual void ApplyPresentation() = 0;

    // True when the list file exists afterwards: creates it (asking first
    // when `ask`), and reports a file that cannot be created.
    virtual bool EnsureListFileExists(HWND owner, const std::string& path, bool ask) = 0;
    // Writes every setting, with a fresh backup.
    virtual void SaveSettings() = 0;
    // What the Import and Export dialogs work on; null: they are not offered.
    virtual IExchangeHost* Exchange() { return nullptr; }

protected:
    ~IPrefsHost() = default;
};
