// Detecting the installed browsers, telling browser kinds apart and the
// old-Internet-Explorer flag.
#include <gtest/gtest.h>

#include "app/store/memory_store.h"
#include "browser/browser_table.h"
#include "settings_test_support.h"

using settings_test::kAppPaths;
using settings_test::Text;

namespace {

// A host that expands %HOME% and may offer a desktop browser.
class TestHost final : public BrowserHost {
public:
    std::string ExpandEnvironment(const std::string& text) const override {
        std::string expanded = text;
        for (std::size_t at; (at = expanded.find("%HOME%")) != std::string::npos;)
            expanded.replace(at, 6, "C:\\Home");
        return expanded;
    }
    std::optional<BrowserEntry> DesktopBrowser() const override { return desktop; }
    std::optional<BrowserEntry> desktop;
};

class BrowserTableTest : public ::testing::Test {
protected:
    void Register(const std::string& key, const std::string& program) {
        registry.PutValue(store::Root::kLocalMachine, kAppPaths + key, "", Text(program));
    }
    void RegisterClient(store::Root root, const std::string& key, const std::string& name,
                        store::Value command) {
        std::string path = "Software\\Clients\\StartMenuInternet\\" + key;
        if (!name.empty()) registry.PutValue(root, path, "", Text(name));
        registry.PutValue(root, path + "\\shell\\open\\command", "", std::move(command));
    }
    static store::Value Expandable(const std::string& text) {
        return {store::ValueKind::kExpandableText, text + '\0'};
    }
    TestHost host;
    void SetIeVersion(const std::string& version) {
        registry.PutValue(store::Root::kLocalMachine, "Software\\Microsoft\\Internet Explorer",
                          "Version", Text(version));
    }
    store::MemoryStore registry;
    BrowserTable table;
};

TEST_F(BrowserTableTest, OnlyOperaRegisteredGivesOneRow) {
    Register("Opera.exe", "C:\\Opera\\Opera.exe");
    table.DetectBrowsers(registry, host);
    ASSERT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Entry(0).name, "Opera");
    EXPECT_EQ(table.Entry(0).programPath, "C:\\Opera\\Opera.exe");
    EXPECT_EQ(table.Entry(0).ddeName, "opera");
    EXPECT_EQ(table.CurrentBrowser, 0);
}

TEST_F(BrowserTableTest, DetectionKeepsTheKnownOrder) {
    Register("Opera.exe", "C:\\Opera\\Opera.exe");
    Register("iexplore.exe", "C:\\IE\\IEXPLORE.EXE");  // key names ignore case
    table.DetectBrowsers(registry, host);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Entry(0).name, "Internet Explorer");
    EXPECT_EQ(table.Entry(0).ddeName, "iexplore");
    EXPECT_EQ(table.Entry(1).name, "Opera");
}

TEST_F(BrowserTableTest, AllThreeKnownBrowsersAreFound) {
    Register("IEXPLORE.EXE", "ie.exe");
    Register("netscape.exe", "ns.exe");
    Register("Opera.exe", "op.exe");
    table.DetectBrowsers(registry, host);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Entry(1).name, "Netscape Navigator");
    EXPECT_EQ(table.Entry(1).ddeName, "netscape");
}

TEST_F(BrowserTableTest, NothingRegisteredLeavesAnEmptyTableAndTheCurrentIndex) {
    table.entries.push_back({"Old", "old.exe", "old"});
    table.CurrentBrowser = -1;
    // A key without a default value does not count either.
    registry.PutValue(store::Root::kLocalMachine, std::string(kAppPaths) + "Opera.exe", "Path",
                      Text("C:\\Opera"));
    table.DetectBrowsers(registry, host);
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.CurrentBrowser, -1);
    EXPECT_EQ(table.Current().name, "");
    EXPECT_EQ(table.Current().ddeName, "");
}

TEST_F(BrowserTableTest, AProgramPathOverTheRegistryBufferIsNotUsed) {
    Register("Opera.exe", "C:\\" + std::string(260, 'o'));
    table.DetectBrowsers(registry, host);
    EXPECT_EQ(table.Count(), 0);
}

TEST_F(BrowserTableTest, TodaysBrowsersFollowTheKnownOnesWithoutDuplicates) {
    Register("IEXPLORE.EXE", "C:\\IE\\iexplore.exe");
    RegisterClient(store::Root::kLocalMachine, "IEXPLORE.EXE", "Internet Explorer",
                   Text("\"C:\\IE\\IEXPLORE.EXE\""));
    RegisterClient(store::Root::kLocalMachine, "Firefox-308046B0", "Mozilla Firefox",
                   Text("\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\""));
    RegisterClient(store::Root::kCurrentUser, "Firefox-308046B0", "Mozilla Firefox",
                   Text("C:\\Program Files\\Mozilla Firefox\\FIREFOX.EXE"));
    RegisterClient(store::Root::kCurrentUser, "Chromium", "",
                   Expandable("%HOME%\\Chromium\\chrome.exe --single-argument %1"));
    RegisterClient(store::Root::kLocalMachine, "Broken", "No command", Text(""));
    table.DetectBrowsers(registry, host);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Entry(0).name, "Internet Explorer");
    EXPECT_EQ(table.Entry(1).name, "Mozilla Firefox");
    EXPECT_EQ(table.Entry(1).programPath, "C:\\Program Files\\Mozilla Firefox\\firefox.exe");
    EXPECT_EQ(table.Entry(1).ddeName, "");
    EXPECT_EQ(table.Entry(2).name, "Chromium");  // no name of its own: the key's
    EXPECT_EQ(table.Entry(2).programPath, "C:\\Home\\Chromium\\chrome.exe");
}

TEST_F(BrowserTableTest, ExpandablePathsAreExpandedAndTheDesktopBrowserComesFirst) {
    registry.PutValue(store::Root::kLocalMachine, kAppPaths + std::string("Opera.exe"), "",
                      Expandable("%HOME%\\Opera\\Opera.exe"));
    host.desktop = BrowserEntry{"Default Linux browser", "C:\\windows\\system32\\winebrowser.exe", ""};
    table.DetectBrowsers(registry, host);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Entry(0).name, "Default Linux browser");
    EXPECT_EQ(table.Entry(0).ddeName, "");
    EXPECT_EQ(table.Entry(1).programPath, "C:\\Home\\Opera\\Opera.exe");
    EXPECT_EQ(table.CurrentBrowser, 0);
}

// --- kinds --------------------------------------------------------------------------

TEST(BrowserKindTest, ExactMatchingTellsOnlyLowerCaseNames) {
    EXPECT_EQ(KindOfBrowser("", NameMatch::kExact), BrowserKind::kNoDde);
    EXPECT_EQ(KindOfBrowser("iexplore", NameMatch::kExact), BrowserKind::kInternetExplorer);
    EXPECT_EQ(KindOfBrowser("netscape", NameMatch::kExact), BrowserKind::kNetscape);
    EXPECT_EQ(KindOfBrowser("opera", NameMatch::kExact), BrowserKind::kOpera);
    EXPECT_EQ(KindOfBrowser("IExplore", NameMatch::kExact), BrowserKind::kGenericDde);
    EXPECT_EQ(KindOfBrowser("netscape6", NameMatch::kExact), BrowserKind::kGenericDde);
}

TEST(BrowserKindTest, NamesTypedInCapitalsStillCountWhenCaseIsIgnored) {
    EXPECT_EQ(KindOfBrowser("OPERA", NameMatch::kIgnoreCase), BrowserKind::kOpera);
    EXPECT_EQ(KindOfBrowser("IExplore", NameMatch::kIgnoreCase), BrowserKind::kInternetExplorer);
    EXPECT_EQ(KindOfBrowser("operas", NameMatch::kIgnoreCase), BrowserKind::kGenericDde);
    EXPECT_EQ(KindOfBrowser("", NameMatch::kIgnoreCase), BrowserKind::kNoDde);
}

// --- OldIE ----------------------------------------------------------------------------

TEST_F(BrowserTableTest, OnlyInternetExplorerBeforeVersionFourIsOld) {
    table.entries = {{"Internet Explorer", "ie.exe", "iexplore"}};
    table.CurrentBrowser = 0;
    struct Case { const char* version; bool old; };
    for (Case c : {Case{"3.02", true}, Case{"4.72.3110", false}, Case{"5.50", false},
                   Case{"6.0.2900", false}, Case{"9.11.19041", false}}) {
        SetIeVersion(c.version);
        table.OldIE = !c.old;
        table.UpdateOldIE(registry);
        EXPECT_EQ(table.OldIE, c.old) << c.version;
    }
}

TEST_F(BrowserTableTest, OldIEIsClearForOtherBrowsersAndWithoutAVersion) {
    SetIeVersion("3.0");
    table.entries = {{"Opera", "op.exe", "opera"}, {"IE", "ie.exe", "IEXPLORE"}};
    table.CurrentBrowser = 0;
    table.OldIE = true;
    table.UpdateOldIE(registry);
    EXPECT_FALSE(table.OldIE);

    table.CurrentBrowser = 1;  // typed in capitals: still Internet Explorer here
    table.UpdateOldIE(registry);
    EXPECT_TRUE(table.OldIE);

    store::MemoryStore empty;
    table.UpdateOldIE(empty);
    EXPECT_FALSE(table.OldIE);
}

}  // namespace
