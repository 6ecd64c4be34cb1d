#include "browser/browser_table.h"

#include <cctype>

#include "app/store/store_values.h"

namespace {

struct KnownBrowser {
    std::string_view appPathsKey;
    std::string_view name;
    std::string_view ddeName;
};

constexpr KnownBrowser kKnownBrowsers[] = {
    {"IEXPLORE.EXE", "Internet Explorer", "iexplore"},
    {"netscape.exe", "Netscape Navigator", "netscape"},
    {"Opera.exe", "Opera", "opera"},
};

constexpr std::string_view kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr std::string_view kInternetExplorerKey = "Software\\Microsoft\\Internet Explorer";

// The known names are plain ASCII letters, so a byte-wise comparison cannot be
// fooled by double-byte characters: a lead byte never equals an ASCII letter.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

BrowserKind KindOfBrowser(std::string_view ddeName, NameMatch match) {
    if (ddeName.empty()) return BrowserKind::kNoDde;
    auto is = [&](std::string_view known) {
        return match == NameMatch::kExact ? ddeName == known : EqualsIgnoringAsciiCase(ddeName, known);
    };
    if (is("iexplore")) return BrowserKind::kInternetExplorer;
    if (is("netscape")) return BrowserKind::kNetscape;
    if (is("opera")) return BrowserKind::kOpera;
    return BrowserKind::kGenericDde;
}

const BrowserEntry& BrowserTable::Entry(int index) const {
    static const BrowserEntry kEmpty;
    return index >= 0 && index < Count() ? entries[static_cast<std::size_t>(index)] : kEmpty;
}

void BrowserTable::DetectBrowsers(store::KeyValueStore& registry) {
    entries.clear();
    for (const KnownBrowser& known : kKnownBrowsers) {
        std::string key = std::string(kAppPaths) + std::string(known.appPathsKey);
        std::optional<std::string> program =
            store::ReadRegistryString(registry, store::Root::kLocalMachine, key, "");
        if (program)
            entries.push_back({std::string(known.name), *program, std::string(known.ddeName)});
    }
    if (!entries.empty()) CurrentBrowser = 0;
}

void BrowserTable::UpdateOldIE(store::KeyValueStore& registry) {
    OldIE = false;
    if (KindOfBrowser(Current().ddeName, NameMatch::kIgnoreCase) != BrowserKind::kInternetExplorer)
        return;
    std::optional<std::string> version = store::ReadRegistryString(
        registry, store::Root::kLocalMachine, kInternetExplorerKey, "Version");
    // Only the first character counts. That is safe: from version 10 on Internet
    // Explorer keeps "9.x" here (the real version is in "svcVersion").
    OldIE = version && !version->empty() && (*version)[0] < '4';
}
