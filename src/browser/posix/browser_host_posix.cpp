#include "browser/browser_host.h"
#include "browser/browser_table.h"

namespace {

// The registry paths detection reads exist only on Windows: nothing to
// expand, no desktop browser of its own.
class PlainBrowserHost final : public BrowserHost {
public:
    std::string ExpandEnvironment(const std::string& text) const override { return text; }
    std::optional<BrowserEntry> DesktopBrowser() const override { return std::nullopt; }
};

}  // namespace

const BrowserHost& OsBrowserHost() {
    static const PlainBrowserHost host;
    return host;
}
