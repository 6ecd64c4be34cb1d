// CCompactDlg: the main window in Compact mode (template 101): the titles
// only, the category and subcategory chosen from popup menus opened by the
// buttons beside their fields.
#pragma once

#include "ui/kept_columns.h"
#include "ui/level_list_box.h"
#include "ui/main_dlg.h"
#include "win/handles.h"

class CCompactDlg final : public CMainDlg {
public:
    CCompactDlg(IMainWindowHost& host, HWND owner);

    void StorePlacement() override;
    void ShowSelection(int fromLevel, bool setSelection, bool clearPending) override;
    // Editing happens in Organize mode: the window is recreated there.
    void EnterNewUrl(const std::string& url, const std::string& title, bool visited) override;
    void AddDroppedUrl(const std::string& url, const std::string& title) override;
    void MarkEntries(int level, int from, int to, int mode) override;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PlaceWindow() override;
    void LoadButtonImages() override;
    HWND LevelBoxWindow(int level) const override;
    bool OnViewCommand(int id, int code, HWND control) override;
    bool& KeepAtFront() const override;
    CLevelListBox* LevelBox(int level) override { return level == kTitle ? &Titles() : nullptr; }
    void KeepColumns(bool keep) override;
    // Editing commands reopen the window in Organize mode; the command
    // itself is not carried over.
    bool EnterOrganizeMode() override;

private:
    void OnSize(int width, int height);
    // Opens the popup of level 0 or 1 and selects what the user chooses.
    void ChooseFromPopup(int level);
    // Asks for Organize mode, with the action the new window starts with.
    void SwitchToOrganize(int runState);
    // How many menu items fit in one screen column.
    int MenuItemsPerColumn() const noexcept;

    CLevelListBox& Titles() { return titles_.Box(0); }
    const CLevelListBox& Titles() const { return titles_.Box(0); }

    CKeptColumns titles_{1};
    win::UniqueMenu popups_[2];
    bool laidOut_ = false;
    SIZE client_{};
};
