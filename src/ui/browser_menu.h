// The configured browsers and lists as menu items ("Open &with", "Set
// default", "Open blank window", the lists at the top of the List popup).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct BrowserTable;
struct ListTable;

// Deletes the items firstId, firstId + 1, ... as long as they exist, then
// inserts `texts` at the top with ids firstId + position; the item at
// `checked` (when it is one of them) gets the radio mark.
void FillNumberedItems(HMENU popup, int firstId, const std::vector<std::string>& texts, int checked);

// The browser names; with `check` the current browser gets the radio mark.
void FillBrowserMenu(HMENU popup, int firstId, bool check, const BrowserTable& browsers);

// The list names, the first ten with their shortcut ("\tCtrl+1" ... "\tCtrl+9",
// "\tCtrl+0"), and the radio mark on the current list.
void FillListMenu(HMENU popup, int firstId, const ListTable& lists);
