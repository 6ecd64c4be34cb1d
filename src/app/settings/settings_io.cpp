// Reading the settings from the store and writing them back.
#include <algorithm>
#include <initializer_list>

#include "app/settings/app_settings.h"
#include "app/settings/int_list.h"
#include "app/settings/settings_keys.h"
#include "app/store/store_values.h"

namespace keys = settings_keys;

namespace {

// One column of a table: a subkey with one value per entry.
template <typename Entry>
struct Column {
    std::string_view subkey;
    std::string Entry::*field;
    bool lowerCase;
};

const std::initializer_list<Column<ListEntry>> kListColumns = {
    {keys::kListNames, &ListEntry::name, false},
    {keys::kListPaths, &ListEntry::path, false},
    {keys::kListStarts, &ListEntry::start, false},
};

// DDE service names are compared in lower case (see KindOfBrowser).
const std::initializer_list<Column<BrowserEntry>> kBrowserColumns = {
    {keys::kBrowserNames, &BrowserEntry::name, false},
    {keys::kBrowserPaths, &BrowserEntry::programPath, false},
    {keys::kBrowserDdeNames, &BrowserEntry::ddeName, true},
};

// The table's size comes from its first column; a later column with fewer
// values shortens it, so that no entry is left with a missing part. A column
// whose subkey is missing keeps what the table had.
template <typename Entry>
void ReadTable(const store::StoreKey& key, std::initializer_list<Column<Entry>> columns,
               std::size_t limit, const platform::CodePage& codePage, std::vector<Entry>& entries) {
    std::size_t count = entries.size();
    bool first = true;
    for (const Column<Entry>& column : columns) {
        std::unique_ptr<store::StoreKey> subkey = key.Open(column.subkey);
        if (subkey) {
            std::vector<std::string> values = store::ReadNumberedTexts(*subkey, limit);
            if (entries.size() < values.size()) entries.resize(values.size());
            for (std::size_t i = 0; i < values.size(); ++i)
                entries[i].*column.field =
                    column.lowerCase ? codePage.Lower(values[i]) : std::move(values[i]);
            count = first ? values.size() : std::min(count, values.size());
        }
        first = false;
    }
    entries.resize(count);
}

template <typename Entry>
void WriteTable(store::StoreKey& key, std::initializer_list<Column<Entry>> columns,
                const std::vector<Entry>& entries) {
    for (const Column<Entry>& column : columns) {
        std::vector<std::string> values;
        values.reserve(entries.size());
        for (const Entry& entry : entries) values.push_back(entry.*column.field);
        store::WriteNumberedValues(key, column.subkey, values, true);
    }
}

void ReadRect(const store::StoreKey& key, std::string_view name, WindowRect& rect) {
    std::string text;
    if (store::ReadText(key, name, store::kMaxSettingChars, text)) ParseWindowRect(text, rect);
}

void ReadString(const store::StoreKey& key, std::string_view name, std::string& setting) {
    store::ReadText(key, name, store::kMaxSettingChars, setting);
}

// Only the low 16 bits carry the setting.
void ReadLow16(const store::StoreKey& key, std::string_view name, std::uint16_t& setting) {
    std::uint32_t number = 0;
    if (store::ReadNumber(key, name, number)) setting = static_cast<std::uint16_t>(number);
}

// A full index as written by SaveSettings; any negative number means none.
void ReadIndex(const store::StoreKey& key, std::string_view name, int& index) {
    std::uint32_t number = 0;
    if (store::ReadNumber(key, name, number))
        index = number > 0x7FFFFFFFu ? -1 : static_cast<int>(number);
}

// An index past the table falls back to the first entry.
void ClampIndex(int& index, int count) {
    if (index >= count) index = 0;
}

}  // namespace

CAppSettings::CAppSettings(store::KeyValueStore& registry, SettingsEnvironment env)
    : registry_(registry), env_(env) {}

void CAppSettings::SetDefaults() {
    Browsers = {};
    Lists = {};
    ViewMode = kViewRegular;
    Options = {};
    MainWindowRect = CompactWindowRect = NoteWindowRect = {};
    ListBoxWidths = {-1, -1, -1};
    Colors = kDefaultColors;
    RecentPeriod = kDefaultRecentPeriod;
    AppHotKey = FetchHotKey = 0;
}

bool CAppSettings::LoadSettings() {
    SetDefaults();
    if (std::unique_ptr<store::StoreKey> key = registry_.Open(store::Root::kCurrentUser, keys::kMainKey)) {
        ReadSettings(*key);
        return true;
    }
    if (RestoreSettingsBackup()) return true;
    Browsers.DetectBrowsers(registry_, *env_.browserHost);
    return false;
}

void CAppSettings::ReadSettings(const store::StoreKey& key) {
    ReadValues(key);
    ReadTables(key);
    if (Browsers.Count() == 0) Browsers.DetectBrowsers(registry_, *env_.browserHost);
    ClampIndex(Browsers.CurrentBrowser, Browsers.Count());
    ClampIndex(Lists.CurrentList, Lists.Count());
}

void CAppSettings::ReadValues(const store::StoreKey& key) {
    std::uint32_t indices = 0;
    if (store::ReadNumber(key, keys::kIndices, indices)) ApplyIndices(indices);
    ReadIndex(key, keys::kCurrentList, Lists.CurrentList);
    ReadIndex(key, keys::kCurrentBrowser, Browsers.CurrentBrowser);

    ReadRect(key, keys::kMainWindowRect, MainWindowRect);
    ReadRect(key, keys::kCompactWindowRect, CompactWindowRect);
    ReadRect(key, keys::kNoteWindowRect, NoteWindowRect);
    std::string widths;
    if (store::ReadText(key, keys::kListBoxWidths, store::kMaxSettingChars, widths))
        ParseIntList(widths, ListBoxWidths.data(), 2);

    ReadString(key, keys::kAppPath, PreviousProgramPath);
    ReadString(key, keys::kListFolder, ListFolder);
    ReadString(key, keys::kStartMenu, StartMenuFolder);
    ReadString(key, keys::kBookmarks, BookmarkFilePath);

    ReadLow16(key, keys::kAppHotKey, AppHotKey);
    ReadLow16(key, keys::kFetchHotKey, FetchHotKey);
    ReadLow16(key, keys::kRecentPeriod, RecentPeriod);

    if (std::unique_ptr<store::StoreKey> colors = key.Open(keys::kColors))
        for (std::size_t i = 0; i < Colors.size(); ++i)
            store::ReadNumber(*colors, std::to_string(i), Colors[i]);
}

void CAppSettings::ReadTables(const store::StoreKey& key) {
    const platform::CodePage& codePage = *env_.codePage;
    ReadTable(key, kListColumns, kMaxLists, codePage, Lists.entries);
    ReadTable(key, kBrowserColumns, SIZE_MAX, codePage, Browsers.entries);
}

bool CAppSettings::SaveSettings(bool forceBackup, const CUrlListFile* openList) {
    // After an uninstall every save would bring the removed key back, whichever
    // path (exit, end of the Windows session) calls it.
    if (RunState == kRunUninstall) return false;
    std::unique_ptr<store::StoreKey> key = registry_.Create(store::Root::kCurrentUser, keys::kMainKey);
    if (!key) return false;
    WaitCursorScope wait(env_.waitCursor);
    // A value that cannot be written is skipped: the others are still worth keeping.
    WriteValues(*key);
    StoreListStart(openList);
    WriteTables(*key);
    WriteBackup(*key, forceBackup);
    return true;
}

void CAppSettings::WriteValues(store::StoreKey& key) {
    key.WriteNumber(keys::kIndices, ComposeIndices());
    key.WriteNumber(keys::kCurrentList, static_cast<std::uint32_t>(Lists.CurrentList));
    key.WriteNumber(keys::kCurrentBrowser, static_cast<std::uint32_t>(Browsers.CurrentBrowser));
    key.WriteText(keys::kCompactWindowRect, FormatWindowRect(CompactWindowRect));
    key.WriteText(keys::kMainWindowRect, FormatWindowRect(MainWindowRect));
    key.WriteText(keys::kNoteWindowRect, FormatWindowRect(NoteWindowRect));
    key.WriteText(keys::kListBoxWidths, FormatIntList(ListBoxWidths.data(), 2));
    key.WriteText(keys::kListFolder, StoredListFolder());
    key.WriteText(keys::kAppPath, ProgramPath);
    key.WriteText(keys::kStartMenu, StartMenuFolder);
    key.WriteText(keys::kBookmarks, BookmarkFilePath);
    key.WriteNumber(keys::kRecentPeriod, RecentPeriod);
    key.WriteNumber(keys::kAppHotKey, AppHotKey);
    key.WriteNumber(keys::kFetchHotKey, FetchHotKey);
    store::WriteNumberedValues(key, keys::kColors, std::vector<std::uint32_t>(Colors.begin(), Colors.end()),
                               true);
}

void CAppSettings::WriteTables(store::StoreKey& key) {
    WriteTable(key, kListColumns, Lists.entries);
    WriteTable(key, kBrowserColumns, Browsers.entries);
}
