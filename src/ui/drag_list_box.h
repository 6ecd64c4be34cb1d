// CMyDragListBox: a list box whose entries the user drags up and down, built
// on the common controls' drag list (MakeDragList, LBItemFromPt, the DL_*
// notifications). The insert mark is the class's own: a three-pixel bar
// inverted over the top edge of the entry the dragged one would land before.
//
// The parent hands the box its messages about it (owner drawing and the
// drag-list notifications) through OnParentMessage:
//
//     for (auto& box : boxes_)
//         if (auto result = box.OnParentMessage(message, wParam, lParam)) return result;
//
// Derived classes draw the entries and decide whether a drag may start and
// what a drop does.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/subclass.h"

class CMyDragListBox : public win::CSubclassedControl {
public:
    // Dropped's result when nothing moved.
    static constexpr int kNoMove = -2;

    // Makes the control a drag list and subclasses it; false when either fails.
    bool Attach(HWND control) noexcept;

    // WM_MEASUREITEM, WM_DRAWITEM, WM_DELETEITEM, WM_COMPAREITEM and the
    // drag-list message when they are about this box: the result for the
    // parent to return; std::nullopt for any other message (or for the
    // platform's handling).
    std::optional<LRESULT> OnParentMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int Count() const noexcept { return static_cast<int>(SendToBox(LB_GETCOUNT)); }
    int Selection() const noexcept { return static_cast<int>(SendToBox(LB_GETCURSEL)); }
    // Selects `position` (-1: none) and scrolls it into sight.
    void SetSelection(int position) const noexcept {
        SendToBox(LB_SETCURSEL, static_cast<WPARAM>(position));
    }
    std::string Text(int position) const;

    // Puts this hidden box where `shown` is (its place, size, id, place in
    // the tab order and the focus) and hides `shown`, which takes this box's
    // id: two boxes trading places in a dialog.
    void TakePlaceOf(CMyDragListBox& shown) noexcept;

protected:
    // Owner drawing: false leaves the entry to the platform.
    virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
    // The list box font's character height.
    virtual void MeasureItem(MEASUREITEMSTRUCT& item);
    virtual std::optional<int> CompareItem(const COMPAREITEMSTRUCT&) { return std::nullopt; }
    // Moves the insert mark before entry `index` (the count: after the
    // last; -1: none).
    virtual void DrawInsert(int index);
    // True allows the drag that a press on the box starts.
    virtual bool BeginDrag(POINT screenPoint);
    virtual void CancelDrag(POINT screenPoint);
    // The cursor to show: DL_STOPCURSOR or DL_MOVECURSOR.
    virtual UINT Dragging(POINT screenPoint);
    // Moves entry `source` to the point: the index it was dropped before
    // (the count: after the last), or kNoMove.
    virtual int Dropped(int source, POINT screenPoint);

    // A message handled by the list box itself, bypassing every subclass of
    // the control, the drag list's included: under Wine each message through
    // the drag list costs a round trip to the server (it keeps its data in a
    // window property), which a fill of thousands of entries cannot afford.
    LRESULT SendToBox(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::CallWindowProcA(boxProcedure_, Handle(), message, wParam, lParam);
    }
    int FontHeight() const;
    // The entry under a point of the screen, -1 for none; with autoScroll a
    // point above or below the box scrolls it.
    int EntryAt(POINT screenPoint, bool autoScroll) const noexcept;

private:
    void InvertInsertMark(int index) const;
    // Just below the last entry, by less than one entry's height, and still
    // inside the box: a drop there goes after the last entry.
    bool IsJustBelowLast(POINT screenPoint) const;

    WNDPROC boxProcedure_ = nullptr;
    int id_ = 0;
    int insertIndex_ = -1;
    bool dragging_ = false;
};
