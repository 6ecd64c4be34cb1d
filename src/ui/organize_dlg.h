// COrganizeDlg: the main window in Regular and Organize mode (template 100):
// three columns of list boxes that follow the window's size, with splitters
// in the gaps between them. Organize mode is the same window with the editing
// controls shown, switched in place.
#pragma once

#include <array>
#include <string>

#include "ui/layout/column_layout.h"
#include "ui/kept_columns.h"
#include "ui/level_list_box.h"
#include "ui/main_dlg.h"
#include "ui/message_help.h"

class COrganizeDlg final : public CMainDlg {
public:
    COrganizeDlg(IMainWindowHost& host, HWND owner);

    // Enters or leaves Organize mode; nothing when it is so already, or when
    // the list is read-only (Organize mode would change it). Runs the save
    // prompt first; false when that was cancelled or the mode refused.
    bool SetOrganizeMode(bool on);
    bool IsOrganizing() const override { return organizing_; }

    void StorePlacement() override;
    void ShowSelection(int fromLevel, bool setSelection, bool clearPending) override;
    void SelectEntry(int level, int position, SelectMode mode) override;
    void UpdateControls() override;
    void EnterNewUrl(const std::string& url, const std::string& title, bool visited) override;

    // The New button of `level`: starts a new entry there (entering
    // Organize mode first), or adds the one being typed when it is complete.
    void NewEntry(int level);
    // Adds the new entries being typed, from the categories down to `level`.
    // With `fillIn`, the levels above it that have neither a selection nor a
    // typed name are added as "Uncategorized" first. False when an entry
    // could not be added (it stays being typed).
    bool CommitPending(int level, bool fillIn);

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PlaceWindow() override;
    void LoadButtonImages() override;
    bool OnViewCommand(int id, int code, HWND control) override;
    bool& KeepAtFront() const override;
    void EnterStartMode() override;
    HWND LevelBoxWindow(int level) const override;
    bool IsPendingWithName(int level) const override;
    CLevelListBox* LevelBox(int level) override { return &Box(level); }
    bool EnterOrganizeMode() override { return SetOrganizeMode(true); }
    void KeepColumns(bool keep) override;

private:
    // A new entry being typed at a level: not at all, typed, or a fetched
    // title whose last visit is the moment it is added.
    enum Pending : int { kNotPending = 0, kTyping = 1, kTypingVisited = 2 };

    // While the window changes its own list boxes and fields, their
    // notifications must not act as if the user had made the change.
    class CUpdating {
    public:
        explicit CUpdating(COrganizeDlg& dlg) noexcept : flag_(dlg.updating_), was_(flag_) { flag_ = true; }
        ~CUpdating() { flag_ = was_; }
        CUpdating(const CUpdating&) = delete;
        CUpdating& operator=(const CUpdating&) = delete;

    private:
        bool& flag_;
        bool was_;
    };

    layout::Widths ColumnWidths() const;
    // Moves and sizes every control for column width changes `columns`, a
    // window width change dx and a height change dy.
    void ApplyLayout(const layout::Widths& columns, int dx, int dy);
    void OnSize(int width, int height);
    void ShowOrganizeControls(bool on);
    void OnSelectionChange(int level);
    // Refills a column from the model's view, unless both are empty.
    void FillColumn(int level);
    bool HasValidSelection(int level) const;
    void ShowLevel(int level, bool setSelection, int fromLevel);

    // The name fields and the URL field (organize_edit.cpp).
    void OnFieldNotify(int field, int code);
    void OnFieldChange(int field);
    // The field's text with TAB, CR and LF turned into spaces, as the list
    // stores it; the field is corrected when it held any.
    std::string OneLineFieldText(int field);
    // The stored name or URL of the selected entry back into the field.
    void RestoreField(int field);
    // False after telling the user why, when the text would read back from
    // the list file as another kind of line.
    bool AcceptTypedText(int level, const std::string& name, const std::string& url) const;
    bool CanCommit(int level) const;
    bool CommitLevel(int level);
    void SetDefaultButton(int id) const noexcept;
    void RunStartAction();

    // Sorting and inserting marked items (organize_commands.cpp).
    void SortLevel(int level);
    // Moves, copies or aliases the marked items under the highlighted parent
    // (`command`: the Move button, 32840-32844, or Ctrl+V's 57637).
    void InsertMarked(int command);
    void ClearAllMarks();
    void Paste();

    // Enabling and pictures (organize_selection.cpp).
    void UpdateLevelControls(int level);
    void UpdateMarkButtons();
    // The message-line help over a control or a menu item.
    HelpState CurrentHelpState() const;
    void OnHelpCursor(HWND over, int hitTest);
    void OnMenuSelect(WPARAM item, LPARAM menu);

    // Column borders: the gap right of column 0 or 1 under `point` (client
    // coordinates), else -1.
    int BorderAt(POINT point) const;
    bool OnSetCursor();
    void BeginBorderDrag(POINT point);
    void DragBorderTo(POINT point);
    void EndBorderDrag();

    CLevelListBox& Box(int level) { return columns_.Box(level); }
    const CLevelListBox& Box(int level) const { return columns_.Box(level); }

    CKeptColumns columns_{layout::kColumnCount};
    bool organizing_ = false;
    std::array<int, kLevelCount> pending_{};
    bool updating_ = false;
    bool markShowsUnmark_ = false;
    bool laidOut_ = false;  // ApplyLayout may run: the window has its menu and controls
    SIZE client_{};         // the client size the layout was made for
    int dragBorder_ = -1;
    int dragAnchorX_ = 0;
};
