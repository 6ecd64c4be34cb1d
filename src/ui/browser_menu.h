// The configured browsers as menu items ("Open &with", "Set default").
#pragma once

#include <windows.h>

struct BrowserTable;

// Deletes the items firstId, firstId + 1, ... as long as they exist, then
// inserts the browser names at the top with ids firstId + position; with
// `check` the current browser gets the radio mark.
void FillBrowserMenu(HMENU popup, int firstId, bool check, const BrowserTable& browsers);
