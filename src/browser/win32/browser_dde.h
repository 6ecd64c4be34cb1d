// The browser operations on the WWW_ DDE topics, with the current browser
// of the table: opening a URL in a new or the frontmost window, listing the
// browser's windows and reading a window's URL and title. A browser without
// a DDE name makes each of them fail at once, without a conversation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "browser/browser_table.h"
#include "browser/dde_text.h"
#include "browser/win32/dde_client.h"

class CBrowserDde {
public:
    // Netscape's WWW_GetFrameParent walk goes up at most this many frames.
    static constexpr int kMaxFrameSteps = 16;
    // The most windows whose titles are asked for in one operation.
    static constexpr std::size_t kMaxWindows = 64;
    // After this many unanswered windows a browser is taken as not answering.
    static constexpr int kMaxUnanswered = 3;

    CBrowserDde(CDdeClient& client, const BrowserTable& browsers) noexcept
        : client_(client), browsers_(browsers) {}

    // Posts WWW_OpenURL to window 0 (new) or, after WWW_Activate, to the
    // frontmost window. A URL too long for an atom fails at once, whole.
    bool DdeOpenUrl(std::string_view url, bool newWindow);
    std::optional<std::vector<std::int32_t>> DdeListWindows();
    std::optional<WindowInfo> DdeGetWindowInfo(std::int32_t windowId);
    // The first window whose title or URL agrees with `text` over the
    // shorter length, or -1.
    std::int32_t DdeFindWindowByTitle(std::string_view text, DWORD threadFilter);
    // The DDE id of the frontmost Internet Explorer window, or -1; its handle
    // and thread in `window` and `thread` (null and 0 when there is none).
    std::int32_t FindFrontmostIEWindow(HWND& window, DWORD& thread);

    // The browser's windows that answer WWW_GetWindowInfo, in list order, in
    // one conversation; `answered` tells whether any window answered at all.
    struct TitledWindow {
        std::int32_t id;
        WindowInfo info;
    };
    std::vector<TitledWindow> WindowInfos(const std::vector<std::int32_t>& ids, DWORD threadFilter,
                                          bool& answered);

private:
    const std::string& DdeName() const { return browsers_.Current().ddeName; }
    // One request and its reply on a fresh conversation.
    std::optional<std::string> RequestOnce(std::string_view topic, std::string_view item);
    std::int32_t OutermostFrame(std::int32_t windowId);
    // Asks each window (up to the first id 0) for its URL and title on one
    // conversation and hands the answers to `visit` until it returns true;
    // true when it did. Windows that do not answer are skipped.
    bool VisitWindowInfos(const std::vector<std::int32_t>& ids, DWORD threadFilter,
                          const std::function<bool(std::int32_t, const WindowInfo&)>& visit);

    CDdeClient& client_;
    const BrowserTable& browsers_;
};

// The next top-level window in Z order after `after` (from the topmost when
// null) whose title contains " - Microsoft Internet Explorer", or null.
HWND FindIEWindow(HWND after);
// The title of such a window without that ending.
std::string IEPageTitle(HWND window);
