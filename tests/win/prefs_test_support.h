// The Preferences under test: a stand-in for the application (real settings
// in memory, every apply recorded) and steps that act on the sheet's pages
// for CDialogDriver.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/store/memory_store.h"
#include "dialog_driver.h"
#include "dialogs/prefs_host.h"

class CFakePrefsHost final : public IPrefsHost {
public:
    CFakePrefsHost();

    CAppSettings& Settings() override { return settings_; }
    bool ApplyListTable(HWND owner, std::vector<ListEntry> entries, int highlighted) override;
    void ApplyBrowserTable(std::vector<BrowserEntry> entries, int highlighted) override;
    int ApplyHotKeys(std::uint16_t appHotKey, std::uint16_t fetchHotKey) override;
    void ApplyBehavior() override { ++behaviorApplied; }
    void ApplyPresentation() override { ++presentationApplied; }
    bool EnsureListFileExists(HWND owner, const std::string& path, bool ask) override;
    void SaveSettings() override { ++saves; }

    // What the next list table apply returns, and the hot key it refuses.
    bool listOpens = true;
    int refusedHotKey = -1;

    int listApplies = 0;
    int browserApplies = 0;
    int highlighted = -2;
    int behaviorApplied = 0;
    int presentationApplied = 0;
    int saves = 0;
    std::vector<std::string> ensuredFiles;

private:
    store::MemoryStore store_;
    CAppSettings settings_{store_};
};

// The page shown in the sheet, and one of its controls.
HWND PageOf(HWND sheet);
HWND PageItem(HWND sheet, int id);
std::string PageItemText(HWND sheet, int id);
// The names in the page's list box, in order.
std::vector<std::string> PageLines(HWND sheet);

// Steps for CDialogDriver on a sheet.
namespace prefs_steps {
using Step = CDialogDriver::Step;
Step ClickTab(int tab);            // a click on the tab, as the user's
Step ClickPage(int id);            // BM_CLICK (or a static's click) in the page
Step SetPageText(int id, const std::string& text);
Step SelectLine(int line);         // in the page's list box, with its notification
Step KeyInPage(int id, UINT virtualKey);
Step Check(std::function<void(HWND sheet)> check);
}  // namespace prefs_steps
