#include "browser/win32/fetch_url.h"

#include "browser/dde_text.h"
#include "browser/win32/browser_dde.h"
#include "browser/win32/ie_automation.h"
#include "browser/win32/open_target.h"
#include "dialogs/messages.h"
#include "resource.h"

namespace {

bool TriesAutomation(const BrowserContext& context) {
    BrowserKind kind = KindOfBrowser(context.browsers.Current().ddeName, NameMatch::kExact);
    return kind == BrowserKind::kNoDde || kind == BrowserKind::kInternetExplorer;
}

bool FetchDdeWindow(const BrowserContext& context, std::int32_t windowId, FetchedPage& page) {
    if (!context.dde) return false;
    std::optional<WindowInfo> info = CBrowserDde(*context.dde, context.browsers).DdeGetWindowInfo(windowId);
    if (!info) return false;
    page = {std::move(info->url), std::move(info->title)};
    return true;
}

bool AppendItem(HMENU menu, UINT_PTR id, const std::string& title) {
    return ::AppendMenuA(menu, MF_STRING, id, EscapeAmpersands(title).c_str());
}

}  // namespace

bool FetchFrontmostUrl(const BrowserContext& context, FetchedPage& page) {
    if (TriesAutomation(context) && IEGetLocation(nullptr, page.url, page.title)) return true;
    return FetchDdeWindow(context, kLastActiveWindowId, page);
}

FetchMenuKind BuildFetchWindowMenu(const BrowserContext& context, HMENU menu) {
    WaitCursorScope wait(context.waitCursor);
    if (TriesAutomation(context)) {
        bool appended = false;
        for (HWND window = FindIEWindow(nullptr); window; window = FindIEWindow(window)) {
            std::string title;
            if (IEGetLocationName(window, title))
                appended = AppendItem(menu, reinterpret_cast<UINT_PTR>(window), title) || appended;
        }
        if (appended) return FetchMenuKind::kIEWindows;
    }
    if (!context.dde) return FetchMenuKind::kNone;
    CBrowserDde dde(*context.dde, context.browsers);
    std::optional<std::vector<std::int32_t>> ids = dde.DdeListWindows();
    if (!ids) return FetchMenuKind::kNone;
    bool answered = false;
    for (const CBrowserDde::TitledWindow& window : dde.WindowInfos(*ids, 0, answered))
        if (!window.info.title.empty())
            AppendItem(menu, static_cast<UINT_PTR>(static_cast<std::uint32_t>(window.id)), window.info.title);
    return answered ? FetchMenuKind::kDdeWindows : FetchMenuKind::kNone;
}

PendingFetchWindow ChosenFetchWindow(FetchMenuKind kind, UINT_PTR chosen) {
    PendingFetchWindow pending;
    if (chosen == 0) return pending;
    if (kind == FetchMenuKind::kIEWindows) pending.ieWindow = reinterpret_cast<HWND>(chosen);
    if (kind == FetchMenuKind::kDdeWindows)
        pending.ddeWindowId = static_cast<std::int32_t>(static_cast<std::uint32_t>(chosen));
    return pending;
}

bool FetchPage(const BrowserContext& context, HWND owner, PendingFetchWindow& pending, FetchedPage& page) {
    WaitCursorScope wait(context.waitCursor);
    PendingFetchWindow chosen = pending;
    pending = {};  // used once
    bool fetched = chosen.ieWindow ? IEGetLocation(chosen.ieWindow, page.url, page.title)
                   : chosen.ddeWindowId != -1 ? FetchDdeWindow(context, chosen.ddeWindowId, page)
                                               : FetchFrontmostUrl(context, page);
    if (fetched) return true;
    page = {};
    const BrowserTable& browsers = context.browsers;
    if (browsers.CurrentBrowser < 0) {
        AskToConfigureBrowser(context, owner, IDS_NO_BROWSER);
    } else {
        MsgBoxFormatted(owner, IDS_CANNOT_FETCH_URL, MsgBoxKind::kExclamation, {browsers.Current().name});
    }
    return false;
}
