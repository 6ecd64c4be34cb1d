// The browser table: the Web browsers the program can drive, each known by
// the name on the Browser menu, its program file and its DDE service name,
// with one of them current. The DDE name also tells the kind of browser,
// which switches on the few behaviours only that browser needs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/store/key_value_store.h"
#include "browser/browser_host.h"

struct BrowserEntry {
    std::string name;
    std::string programPath;
    std::string ddeName;  // lower case once loaded from the settings
};

enum class BrowserKind { kNoDde, kInternetExplorer, kNetscape, kOpera, kGenericDde };

// How a DDE name is compared with the known ones. Callers keep the rule of
// their behaviour: exact for the automation checks (empty, "iexplore") and
// Netscape's frame walk; ignoring case for the old-IE check, finding the
// frontmost IE window and both Opera rules. Names read from the settings are
// lower case, so the two differ only for a name typed in this run.
enum class NameMatch { kExact, kIgnoreCase };

BrowserKind KindOfBrowser(std::string_view ddeName, NameMatch match);

struct BrowserTable {
    std::vector<BrowserEntry> entries;
    int CurrentBrowser = -1;  // -1: none chosen
    bool OldIE = false;       // the current browser is Internet Explorer before version 4

    int Count() const { return static_cast<int>(entries.size()); }
    // Any index past the table reads as an empty entry (no name, no DDE name),
    // which every user of the table treats as "no browser".
    const BrowserEntry& Entry(int index) const;
    const BrowserEntry& Current() const { return Entry(CurrentBrowser); }

    // Rebuilds the table from the browsers registered with Windows: the
    // host's desktop browser, then the known ones in the order Internet
    // Explorer, Netscape Navigator, Opera, then those Windows lists under
    // Clients\StartMenuInternet (machine, then user; no DDE name) that are
    // not in the table yet. The first one found becomes current. Finding
    // none leaves an empty table and CurrentBrowser as it was.
    void DetectBrowsers(store::KeyValueStore& registry, const BrowserHost& host = OsBrowserHost());
    // Recomputes OldIE for the current browser from Internet Explorer's "Version".
    void UpdateOldIE(store::KeyValueStore& registry);

private:
    void AddStartMenuBrowsers(store::KeyValueStore& registry, store::Root root,
                              const BrowserHost& host);
    // Program paths compare ignoring case, as Windows file names do.
    bool HasProgram(std::string_view program) const;
};
