#include "app/app_browser_actions.h"

#include "browser/win32/open_target.h"
#include "resource.h"
#include "win/handles.h"

namespace {

WindowChoice ChoiceOf(bool newWindow) { return newWindow ? WindowChoice::kNewWindow : WindowChoice::kFrontmost; }

}  // namespace

BrowserContext CAppBrowserActions::Context(const BrowserTable& browsers) const {
    BrowserContext context(browsers, &dde_, &launcher_);
    // The main window opens the Preferences once the message is closed.
    context.showBrowsersPage = [](HWND owner) {
        if (owner) ::PostMessageA(owner, WM_COMMAND, ID_CONFIGURE_BROWSERS, 0);
    };
    context.waitCursor = &waitCursor_;
    context.openInNewWindow = settings_.Options.OpenInNewWindow;
    return context;
}

bool CAppBrowserActions::OpenTarget(HWND owner, const std::string& target, bool newWindow) {
    return ::OpenTarget(Context(settings_.Browsers), owner, {target, ChoiceOf(newWindow)});
}

bool CAppBrowserActions::OpenFolder(HWND owner, const std::string& target, bool explore) {
    return ::OpenTarget(Context(settings_.Browsers), owner, {target, WindowChoice::kDefault, true, explore});
}

bool CAppBrowserActions::OpenUrl(HWND owner, const std::string& url, bool newWindow) {
    return OpenUrlInBrowser(Context(settings_.Browsers), owner, url, newWindow);
}

bool CAppBrowserActions::FetchFrontmostUrl(HWND owner, FetchedUrl& fetched) {
    FetchedPage page;
    if (!FetchPage(Context(settings_.Browsers), owner, pending_, page)) return false;
    fetched = {std::move(page.url), std::move(page.title)};
    return true;
}

bool CAppBrowserActions::ChooseFetchWindow(HWND owner, POINT at) {
    win::UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return false;
    const FetchMenuKind kind = BuildFetchWindowMenu(Context(settings_.Browsers), menu.Get());
    if (::GetMenuItemCount(menu.Get()) <= 0) return false;
    const auto chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    if (chosen == 0) return false;  // dismissed
    pending_ = ChosenFetchWindow(kind, chosen);
    return !pending_.Empty();
}
