// What the Import and Export dialogs need from the application: the
// settings, where the user's special folders are recorded, the open lists
// (exported, or letting go of a file an import replaces, and following it)
// and opening another list for an export. CMainApp implements it; the
// dialogs' tests supply a fake.
#pragma once

#include <windows.h>

#include "app/settings/app_settings.h"
#include "model/url_list_file.h"

class IExchangeHost {
public:
    virtual CAppSettings& Settings() = 0;
    // The store that holds Explorer's "Shell Folders" key.
    virtual store::KeyValueStore& Registry() = 0;
    virtual CUrlListFile& CurrentList() = 0;
    // The list kept in memory for its marks, else null.
    virtual CUrlListFile* OtherList() = 0;
    // Makes list `index` of the list table the open one, after the save
    // prompts, with the main window following; false (after saying why,
    // unless the user cancelled) when the open list stays.
    virtual bool OpenListForExport(HWND owner, int index) = 0;
    // An import has written `path`: an open list or the list kept for its
    // marks that was read from it holds what is gone, and follows.
    virtual void ListFileReplaced(const std::string& path) = 0;

protected:
    ~IExchangeHost() = default;
};
