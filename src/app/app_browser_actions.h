// The main window's opening and fetching, done by the browser side with the
// application's browser table and options, the hidden window's DDE
// conversations and the launcher. It also keeps the window picked from the
// Fetch button's menu until the next fetch, also when the main window is
// replaced in between (a Compact window fetches in Organize mode).
#pragma once

#include <windows.h>

#include "app/settings/app_settings.h"
#include "app/settings/wait_cursor.h"
#include "app/store/key_value_store.h"
#include "browser/win32/browser_context.h"
#include "browser/win32/dde_client.h"
#include "browser/win32/fetch_url.h"
#include "browser/win32/launcher.h"
#include "ui/browser_actions.h"

class CAppBrowserActions final : public IBrowserActions {
public:
    CAppBrowserActions(CAppSettings& settings, CDdeClient& dde, ILauncher& launcher,
                       WaitCursor& waitCursor) noexcept
        : settings_(settings), dde_(dde), launcher_(launcher), waitCursor_(waitCursor) {}

    bool OpenTarget(HWND owner, const std::string& target, bool newWindow) override;
    bool FetchFrontmostUrl(HWND owner, FetchedUrl& fetched) override;
    bool OpenFolder(HWND owner, const std::string& target, bool explore) override;
    bool OpenUrl(HWND owner, const std::string& url, bool newWindow) override;
    bool ChooseFetchWindow(HWND owner, POINT at) override;
    bool FetchWindowChosen() const override { return !pending_.Empty(); }

private:
    BrowserContext Context(const BrowserTable& browsers) const;

    CAppSettings& settings_;
    CDdeClient& dde_;
    ILauncher& launcher_;
    WaitCursor& waitCursor_;
    PendingFetchWindow pending_;
};
