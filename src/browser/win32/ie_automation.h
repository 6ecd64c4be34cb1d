// Internet Explorer automation: an Internet Explorer window's browser object
// (IWebBrowser2), which the extension library keeps in the running object
// table under a class identifier that carries the window's handle. Every
// failure (no such window, no registered object) is silent: the callers go
// on to DDE.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

struct IWebBrowser2;

// {XXXXXXXX-7A1C-4B2E-8E52-00C04F6B2D19} with the handle as XXXXXXXX.
CLSID IEWindowClassId(HWND window) noexcept;

// Holds one reference to a window's browser object.
class CWebBrowserRef {
public:
    CWebBrowserRef() = default;
    explicit CWebBrowserRef(IWebBrowser2* browser) noexcept : browser_(browser) {}
    ~CWebBrowserRef();
    CWebBrowserRef(CWebBrowserRef&& other) noexcept : browser_(other.browser_) { other.browser_ = nullptr; }
    CWebBrowserRef& operator=(CWebBrowserRef&&) = delete;
    CWebBrowserRef(const CWebBrowserRef&) = delete;

    IWebBrowser2* Get() const noexcept { return browser_; }
    explicit operator bool() const noexcept { return browser_ != nullptr; }

private:
    IWebBrowser2* browser_ = nullptr;
};

CWebBrowserRef IEGetBrowser(HWND window) noexcept;
// Navigates the topmost Internet Explorer window (in a new window when asked).
bool IENavigate(std::string_view url, bool newWindow) noexcept;
// The URL and page title of `window` (null: the topmost Internet Explorer window).
bool IEGetLocation(HWND window, std::string& url, std::string& title) noexcept;
// The page title alone.
bool IEGetLocationName(HWND window, std::string& title) noexcept;
