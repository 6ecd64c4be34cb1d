// CPrefsSheet: the Preferences, a modal dialog (template 106) with a tab
// control over four pages, of which only the selected one exists: URL Lists
// and Browsers (dialogs/table_page.h), Behavior and Presentation.
//
//     CPrefsSheet sheet(host, mainWindow, kBehaviorTab);
//     sheet.RunModal();                 // IDOK after Done, IDCANCEL
//     if (sheet.Applied()) ...
//
// A page's changes reach the application only when it is applied (Apply,
// Done, or Yes to "Save Preferences?" when leaving its tab); Done then
// writes every setting. Cancel writes nothing, but what was applied stays.
// Enter on a page applies it; Esc cancels the sheet.
#pragma once

#include <windows.h>

#include <memory>

#include "dialogs/prefs_host.h"
#include "dialogs/prefs_page.h"
#include "win/dialog.h"

class CPrefsSheet final : public win::CDialog {
public:
    CPrefsSheet(IPrefsHost& host, HWND owner, int tab);
    ~CPrefsSheet() override;

    // Set when the Behavior or Presentation page applied its changes.
    bool Applied() const noexcept { return applied_; }

    // For the pages.
    IPrefsHost& Host() const noexcept { return host_; }
    void EnableApply() const noexcept;
    void SetApplied() noexcept { applied_ = true; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;

private:
    bool IsApplyPending() const noexcept;
    // Runs the page's Apply when one is pending; false when it failed.
    bool ApplyPending();
    void ShowPage(int tab);
    void SwitchTab();
    void Done();

    IPrefsHost& host_;
    int tab_;
    std::unique_ptr<CPrefsPage> page_;
    bool applied_ = false;
};

// Runs the sheet modally over `owner` at `tab`: IDOK after Done, IDCANCEL.
INT_PTR RunPrefsSheet(IPrefsHost& host, HWND owner, int tab);
