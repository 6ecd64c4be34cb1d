// COrganizeDlg: the main window in Regular and Organize mode (template 100):
// three columns of list boxes that follow the window's size, with splitters
// in the gaps between them. Organize mode is the same window with the editing
// controls shown, switched in place.
#pragma once

#include <array>

#include "ui/layout/column_layout.h"
#include "ui/level_list_box.h"
#include "ui/main_dlg.h"

class COrganizeDlg final : public CMainDlg {
public:
    COrganizeDlg(IMainWindowHost& host, HWND owner);

    // Enters or leaves Organize mode; nothing when it is so already, or when
    // the list is read-only (Organize mode would change it). Runs the save
    // prompt first; false when that was cancelled or the mode refused.
    bool SetOrganizeMode(bool on);
    bool IsOrganizing() const override { return organizing_; }
    void SelectEntry(int level, int position, SelectMode mode) override;
    void MarkEntries(int level, int from, int to, int mode) override;
    void UpdateControls() override;

    void StorePlacement() override;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PlaceWindow() override;
    void LoadButtonImages() override;
    void ShowSelection(int fromLevel) override;
    bool OnViewCommand(int id, int code, HWND control) override;
    bool& KeepAtFront() const override;
    void EnterStartMode() override;
    CLevelListBox* LevelBox(int level) override { return &boxes_[level]; }

private:
    layout::Widths ColumnWidths() const;
    // Moves and sizes every control for column width changes `columns`, a
    // window width change dx and a height change dy.
    void ApplyLayout(const layout::Widths& columns, int dx, int dy);
    void OnSize(int width, int height);
    void ShowOrganizeControls(bool on);
    void OnSelectionChange(int level);

    // Column borders: the gap right of column 0 or 1 under `point` (client
    // coordinates), else -1.
    int BorderAt(POINT point) const;
    bool OnSetCursor();
    void BeginBorderDrag(POINT point);
    void DragBorderTo(POINT point);
    void EndBorderDrag();

    std::array<CLevelListBox, layout::kColumnCount> boxes_;
    bool organizing_ = false;
    bool laidOut_ = false;  // ApplyLayout may run: the window has its menu and controls
    SIZE client_{};         // the client size the layout was made for
    int dragBorder_ = -1;
    int dragAnchorX_ = 0;
};
