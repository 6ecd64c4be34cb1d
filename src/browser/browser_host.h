// What detecting the installed browsers needs from the system beyond the
// registry: expanding the environment variables in a REG_EXPAND_SZ path,
// and the browser of the desktop the program runs on, when that is not
// Windows (under Wine: the Linux desktop's own, through winebrowser).
#pragma once

#include <optional>
#include <string>

struct BrowserEntry;

class BrowserHost {
public:
    virtual ~BrowserHost() = default;
    virtual std::string ExpandEnvironment(const std::string& text) const = 0;
    // Put first in a detected table; none on Windows.
    virtual std::optional<BrowserEntry> DesktopBrowser() const = 0;
};

// The system's own.
const BrowserHost& OsBrowserHost();
