// Fetching the address and title of a page shown in a browser window: the
// frontmost window of the current browser, or one picked from the window
// menu of the Fetch button. Internet Explorer is read through automation,
// every browser (and Internet Explorer as a fallback) through
// WWW_GetWindowInfo.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "browser/win32/browser_context.h"

struct FetchedPage {
    std::string url;
    std::string title;
};

// The window picked from the window menu, held by the main window between
// the menu and the fetch and used once.
struct PendingFetchWindow {
    HWND ieWindow = nullptr;
    std::int32_t ddeWindowId = -1;  // -1: none

    bool Empty() const { return !ieWindow && ddeWindowId == -1; }
};

enum class FetchMenuKind { kNone = 0, kDdeWindows = 1, kIEWindows = 2 };

// The frontmost window of the current browser. Fails silently.
bool FetchFrontmostUrl(const BrowserContext& context, FetchedPage& page);

// Appends one item per browser window to `menu`: its page title with every
// "&" doubled, identified by the DDE window id (kDdeWindows) or the
// Internet Explorer window handle (kIEWindows).
FetchMenuKind BuildFetchWindowMenu(const BrowserContext& context, HMENU menu);

// Turns the identifier chosen from a menu of `kind` into the pending window.
PendingFetchWindow ChosenFetchWindow(FetchMenuKind kind, UINT_PTR chosen);

// The Fetch command without the new title: reads the pending window (and
// clears it) or the frontmost one. On failure shows why (no browser
// configured, followed by the Web Browsers page; or the browser not
// answering) and returns false.
bool FetchPage(const BrowserContext& context, HWND owner, PendingFetchWindow& pending, FetchedPage& page);
