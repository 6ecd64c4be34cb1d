// What the browser operations work with. The application fills one in for
// each request from the settings and its hidden window; tests fill in
// recording stand-ins.
#pragma once

#include <windows.h>

#include <functional>

#include "app/settings/wait_cursor.h"
#include "browser/browser_table.h"
#include "browser/win32/dde_client.h"
#include "browser/win32/launcher.h"

struct BrowserContext {
    explicit BrowserContext(const BrowserTable& table, CDdeClient* client = nullptr,
                            ILauncher* launch = &SystemLauncher()) noexcept
        : browsers(table), dde(client), launcher(launch) {}

    // The browsers; every open and fetch uses the current one.
    const BrowserTable& browsers;
    // The hidden window's conversations; null: DDE is never tried.
    CDdeClient* dde;
    ILauncher* launcher;
    // Opens the Preferences at the Web Browsers page, after a message that
    // says the browser needs configuring.
    std::function<void(HWND owner)> showBrowsersPage;
    WaitCursor* waitCursor = nullptr;
    // OpenInNewWindow: the window choice of a plain open (inverted while
    // Shift is held).
    bool openInNewWindow = true;
};
