#include <windows.h>

#include "browser/browser_host.h"
#include "browser/browser_table.h"

namespace {

constexpr char kDesktopBrowserName[] = "Default Linux browser";

// Wine's ntdll exports wine_get_version; Windows' does not.
bool RunsUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

class WindowsBrowserHost final : public BrowserHost {
public:
    std::string ExpandEnvironment(const std::string& text) const override {
        DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        if (needed == 0) return text;
        std::string expanded(needed, '\0');
        DWORD written = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
        if (written == 0 || written > needed) return text;
        expanded.resize(written - 1);  // the count includes the terminating zero
        return expanded;
    }

    std::optional<BrowserEntry> DesktopBrowser() const override {
        if (!RunsUnderWine()) return std::nullopt;
        char folder[MAX_PATH] = {};
        UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return std::nullopt;
        // No DDE name: opening starts winebrowser with the URL, which hands
        // it to the desktop's browser.
        return BrowserEntry{kDesktopBrowserName, std::string(folder, length) + "\\winebrowser.exe", ""};
    }
};

}  // namespace

const BrowserHost& OsBrowserHost() {
    static const WindowsBrowserHost host;
    return host;
}
