// CKeptColumns: the list boxes of the main window's columns, two for each
// column: the one shown, and one that keeps what it showed of the list left
// at the last switch (made at the first switch that needs it), so that
// switching back shows that again instead of filling the column. Tens of
// thousands of entries take a noticeable time to fill a column with, and as
// long again to empty it; small columns fill in about the time two boxes
// take to trade places, so they are filled.
#pragma once

#include <array>

#include "ui/level_list_box.h"

class CUrlListFile;

class CKeptColumns {
public:
    static constexpr int kMaxColumns = 3;

    explicit CKeptColumns(int columns) noexcept : count_(columns) {}

    CLevelListBox& Box(int column) { return boxes_[front_][column]; }
    const CLevelListBox& Box(int column) const { return boxes_[front_][column]; }

    // Said just before another list becomes the current one (true), and
    // again when that did not happen (false): when a column is large, the
    // shown boxes remember what they show of `list` and go aside at the next
    // TradeIfKept.
    void Keep(bool keep, const CUrlListFile& list, int recentPeriodDays);
    // Before the columns show another list: the boxes put aside take the
    // place of those shown, when they were kept. Each box then shows its
    // remembered entries again only if they still fit the list
    // (CLevelListBox::ShowAgain), else it is filled.
    void TradeIfKept() noexcept;

private:
    std::array<std::array<CLevelListBox, kMaxColumns>, 2> boxes_;
    int count_;
    int front_ = 0;
    bool kept_ = false;
};
