// What the main window asks of the browser side: opening a title's target,
// and reading the address and title shown by the frontmost browser window.
// The window gets it from its host (IMainWindowHost::BrowserActions); until
// the browser side implements it, the host's default does nothing.
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
    // Reads the frontmost browser window; false (after its own message) when
    // none could be read.
    virtual bool FetchFrontmostUrl(HWND owner, FetchedUrl& fetched) = 0;
    // Opens an empty window of the current browser; true when it opened.
    virtual bool OpenBlankWindow(HWND) { return false; }

protected:
    ~IBrowserActions() = default;
};

// Opens nothing and fetches nothing.
IBrowserActions& NoBrowserActions() noexcept;
