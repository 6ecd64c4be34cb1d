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
constexpr std::string_view kStartMenuInternet = "Software\\Clients\\StartMenuInternet";
constexpr std::string_view kOpenCommand = "shell\\open\\command";
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

// The default value of `path` under `key`, expanded when it is a REG_EXPAND_SZ.
std::optional<std::string> ReadDefaultPath(const store::StoreKey& key, std::string_view path,
                                           const BrowserHost& host) {
    std::unique_ptr<store::StoreKey> sub = key.Open(path);
    std::string text;
    bool expandable = false;
    if (!sub || !store::ReadText(*sub, "", store::kMaxRegistryStringChars, text, &expandable))
        return std::nullopt;
    return expandable ? host.ExpandEnvironment(text) : text;
}

// The program of an open command: the quoted path, or the text up to the
// first space after ".exe", or the whole text.
std::string ProgramOfCommand(std::string_view command) {
    if (!command.empty() && command[0] == '"') {
        command.remove_prefix(1);
        return std::string(command.substr(0, command.find('"')));
    }
    for (std::size_t at = command.find(' '); at != std::string_view::npos; at = command.find(' ', at + 1))
        if (at >= 4 && EqualsIgnoringAsciiCase(command.substr(at - 4, 4), ".exe"))
            return std::string(command.substr(0, at));
    return std::string(command);
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

void BrowserTable::DetectBrowsers(store::KeyValueStore& registry, const BrowserHost& host) {
    entries.clear();
    if (std::optional<BrowserEntry> desktop = host.DesktopBrowser()) entries.push_back(*desktop);
    if (std::unique_ptr<store::StoreKey> appPaths =
            registry.Open(store::Root::kLocalMachine, kAppPaths)) {
        for (const KnownBrowser& known : kKnownBrowsers)
            if (std::optional<std::string> program = ReadDefaultPath(*appPaths, known.appPathsKey, host))
                entries.push_back({std::string(known.name), *program, std::string(known.ddeName)});
    }
    for (store::Root root : {store::Root::kLocalMachine, store::Root::kCurrentUser})
        AddStartMenuBrowsers(registry, root, host);
    if (!entries.empty()) CurrentBrowser = 0;
}

void BrowserTable::AddStartMenuBrowsers(store::KeyValueStore& registry, store::Root root,
                                        const BrowserHost& host) {
    std::unique_ptr<store::StoreKey> clients = registry.Open(root, kStartMenuInternet);
    if (!clients) return;
    for (const std::string& keyName : clients->SubkeyNames()) {
        std::unique_ptr<store::StoreKey> client = clients->Open(keyName);
        std::optional<std::string> command = client ? ReadDefaultPath(*client, kOpenCommand, host)
                                                    : std::nullopt;
        if (!command) continue;
        std::string program = ProgramOfCommand(*command);
        if (program.empty() || HasProgram(program)) continue;
        std::string name;
        if (!store::ReadText(*client, "", store::kMaxSettingChars, name) || name.empty())
            name = keyName;
        entries.push_back({name, program, ""});
    }
}

bool BrowserTable::HasProgram(std::string_view program) const {
    for (const BrowserEntry& entry : entries)
        if (EqualsIgnoringAsciiCase(entry.programPath, program)) return true;
    return false;
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
