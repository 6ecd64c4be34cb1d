// CLevelListBox: the list box of one level of the main window (control
// 1024 categories, 1025 subcategories, 1026 titles). It shows the current
// list's view of its level, one entry per item, each entry's item data being
// the item's display attributes (drawing code, note and separator flags),
// and draws the entries itself: marks and recently visited titles in their
// colours, separators as lines, an asterisk after a title with a note.
//
// The mouse and keys: entries are reordered by dragging in Organize mode
// only; Ctrl+click marks, Ctrl+Shift+click marks a range; a right click
// opens the context menu; a title may be dragged out of the window to other
// programs; the arrow keys move between the columns; Delete deletes in
// Organize mode. What that changes goes through the window (ILevelListHost).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/drag_list_box.h"
#include "ui/level_list_host.h"

class CUrlListFile;

class CLevelListBox final : public CMyDragListBox {
public:
    // Subclasses control 1024 + level of `dialog`.
    bool Attach(HWND dialog, int level, ILevelListHost& host) noexcept;
    // Makes a hidden box like `original` (class, styles, font) with the id
    // `id`, and subclasses it as a box of the same level: a second box for
    // the column, which keeps what it showed while the other is shown.
    bool AttachTwin(const CLevelListBox& original, int id) noexcept;
    int Level() const noexcept { return level_; }

    // Replaces the entries by the list's view of this level.
    void Fill(const CUrlListFile& list, int recentPeriodDays);
    // Sets every entry's item data again (marks, recent visits) and repaints,
    // keeping the entries.
    void RefreshItemData(const CUrlListFile& list, int recentPeriodDays);

    // Remembers what the box shows of the list, which it shows as the list
    // is now: said before the box is put aside for another list's entries.
    void Remember(const CUrlListFile& list, int recentPeriodDays);
    // Shows the list's view from its first entry, as a fill would, without
    // filling the box: when the box still holds what it was remembered with
    // and the view's entries have the same texts (display attributes that
    // changed since are set again). False when the box must be filled.
    // Either way the box forgets what it remembered.
    bool ShowAgain(const CUrlListFile& list, int recentPeriodDays);
    void Forget() noexcept { remembered_.reset(); }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    void MeasureItem(MEASUREITEMSTRUCT& item) override;
    std::optional<int> CompareItem(const COMPAREITEMSTRUCT&) override { return 0; }
    bool BeginDrag(POINT screenPoint) override;
    int Dropped(int source, POINT screenPoint) override;

private:
    CUrlListFile& List() const;
    HWND MainWindow() const noexcept { return ::GetParent(Handle()); }
    void OnLeftButtonDown(WPARAM keys, POINT point);
    void OnLeftButtonUp() const;
    void OnRightButtonDown(POINT point);
    bool OnKeyDown(WPARAM key);
    void ShowContextMenu(int position, POINT screenPoint);
    // Offers the title at `position` to other programs once the pointer
    // leaves the main window with the button held.
    void DragTitleOutOfWindow(int position);
    bool WaitForPointerToLeaveWindow() const;

    ILevelListHost* host_ = nullptr;
    int level_ = 0;
    // While Fill adds an entry: its text, which the list box measures
    // before the call that adds it returns.
    const std::string* adding_ = nullptr;
    // What Remember saw: the entries' item texts (which hold their names)
    // one after the other, where each ends, and their display attributes.
    struct Remembered {
        std::string texts;
        std::vector<std::size_t> ends;
        std::vector<LRESULT> attributes;
    };
    std::optional<Remembered> remembered_;
};
