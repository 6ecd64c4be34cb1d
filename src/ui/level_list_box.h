// CLevelListBox: the list box of one level of the main window (control
// 1024 categories, 1025 subcategories, 1026 titles). It shows the current
// list's view of its level, one entry per item, each entry's item data being
// the item's display attributes (drawing code, note and separator flags).
#pragma once

#include <windows.h>

#include "win/subclass.h"

class CUrlListFile;

class CLevelListBox : public win::CSubclassedControl {
public:
    // Subclasses control 1024 + level of `dialog`.
    bool Attach(HWND dialog, int level) noexcept;
    int Level() const noexcept { return level_; }

    // Replaces the entries by the list's view of this level.
    void Fill(const CUrlListFile& list, int recentPeriodDays);
    // Selects `position` (-1: none) and scrolls it into sight.
    void SetSelection(int position) noexcept;
    int Selection() const noexcept;

private:
    int level_ = 0;
};
