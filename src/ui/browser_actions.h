// What the main window asks of the browser side: opening a title's target,
// and reading the address and title shown by a browser window. The window
// gets it from its host (IMainWindowHost::BrowserActions); the operations
// beyond the first two do nothing unless the host's browser side does them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

struct FetchedUrl {
    std::string url;
    std::string title;
};

class IBrowserActions {
public:
    // Opens `target` (a title's URL, document, folder or program line), in a
    // new browser window or the frontmost one; messages about a failure are
    // shown with `owner` as owner. True when it was opened: the title then
    // counts as visited now.
    virtual bool OpenTarget(HWND owner, const std::string& target, bool newWindow) = 0;
    // Hands `url` to the current browser as it is (a blank page's URL may be
    // "about:blank" or empty), in a new window or the frontmost one.
    virtual bool OpenUrl(HWND owner, const std::string& url, bool newWindow) = 0;
    // Reads the browser window picked from the Fetch button's window menu
    // (used once), else the frontmost one; false (after its own message)
    // when none could be read.
    virtual bool FetchFrontmostUrl(HWND owner, FetchedUrl& fetched) = 0;

    // Opens the folder that holds `target` (the target itself when it is a
    // folder) through the shell, with its "explore" verb when asked.
    virtual bool OpenFolder(HWND, const std::string&, bool /*explore*/) { return false; }
    // Shows the menu of the browser's open windows at `at` (screen
    // coordinates); true when one was picked: the next fetch reads it.
    virtual bool ChooseFetchWindow(HWND, POINT /*at*/) { return false; }
    // A window picked from that menu waits for the next fetch.
    virtual bool FetchWindowChosen() const { return false; }

protected:
    ~IBrowserActions() = default;
};

// Opens nothing and fetches nothing.
IBrowserActions& NoBrowserActions() noexcept;
