// Every persistent setting of the application, read from and written to one
// key of a key-value store (the registry key
// HKEY_CURRENT_USER\Software\Corvain\Vellinor\2.0 on Windows), with a file
// image of that key in the application folder as a backup.
//
// The in-memory settings are the truth while the program runs; LoadSettings
// reads them once at start and SaveSettings writes them back. A value that is
// missing, of the wrong type, too long or unparsable leaves its setting as it
// was. Nothing here shows a message: callers get true or false.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/wait_cursor.h"
#include "app/settings/window_rect.h"
#include "app/store/key_value_store.h"
#include "browser/browser_host.h"
#include "browser/browser_table.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

class CUrlListFile;

struct ListEntry {
    std::string name;
    std::string path;
    std::string start = "-1,-1,-1";  // selection per level when last left; -1: none remembered
};

struct ListTable {
    std::vector<ListEntry> entries;
    int CurrentList = -1;  // -1: no list open

    int Count() const { return static_cast<int>(entries.size()); }
    const ListEntry& Entry(int index) const;  // an empty entry past the table
};

// The option flags kept in "Indices", with their defaults.
struct SettingsOptions {
    bool AutoDockNote = true;
    bool KeepAtFrontRegular = false;
    bool KeepAtFrontCompact = false;
    bool OpenInNewWindow = true;
    bool UseTray = false;
    bool CustomColors = false;
    bool NoteShown = false;
    bool ShowMessageHelp = true;
    bool StartMinimized = false;
    bool AutoMinimize = false;
    bool SaveWithoutPrompt = false;
    bool OneClickOpen = false;
    bool NoReadOnlyWarning = false;
};

enum ViewModeValue : int { kViewCompact = 1, kViewRegular = 2, kViewOrganize = 3 };

// What the run is doing; decides whether settings and the backup are written.
enum RunStateValue : int {
    kRunNormal = 0,
    kRunAddDroppedUrl = 1,  // 1 to 3: an action for the next main window
    kRunFetchUrl = 2,
    kRunNewTitle = 3,
    kRunSetupRequested = 4,
    kRunFirstRunSetup = 5,
    kRunUninstall = 6,
    kRunExiting = 7,
};

enum ColorIndex : int { kColorBackground, kColorText, kColorButtons, kColorHighlights, kColorMarked };

struct SettingsEnvironment {
    platform::FileSystem* files = &platform::OsFileSystem();
    const platform::CodePage* codePage = &platform::AnsiCodePage();
    WaitCursor* waitCursor = nullptr;
    // Detection of the installed browsers asks it for the desktop's own browser.
    const BrowserHost* browserHost = &OsBrowserHost();
};

class CAppSettings {
public:
    static constexpr int kMaxLists = 100;  // the List menu's size
    static constexpr std::array<std::uint32_t, 5> kDefaultColors = {0xC0C0C0, 0x000000, 0xF1F1F1,
                                                                     0x0000C0, 0xC0C000};
    static constexpr std::uint16_t kDefaultRecentPeriod = 3;

    explicit CAppSettings(store::KeyValueStore& registry, SettingsEnvironment env = {});

    // --- the settings ------------------------------------------------------
    BrowserTable Browsers;
    ListTable Lists;
    int ViewMode = kViewRegular;
    SettingsOptions Options;
    WindowRect MainWindowRect;     // Regular and Organize mode
    WindowRect CompactWindowRect;
    WindowRect NoteWindowRect;
    std::array<int, 3> ListBoxWidths = {-1, -1, -1};  // the third is never stored
    std::array<std::uint32_t, 5> Colors = kDefaultColors;  // 0x00BBGGRR, by ColorIndex
    std::uint16_t RecentPeriod = kDefaultRecentPeriod;   // days
    std::uint16_t AppHotKey = 0;     // hot-key control code; 0: none
    std::uint16_t FetchHotKey = 0;
    std::string ProgramPath;
    std::string AppFolder;  // with a trailing backslash
    std::string PreviousProgramPath;
    std::string ListFolder;
    std::string StartMenuFolder;
    std::string BookmarkFilePath;
    int RunState = kRunNormal;
    // What a drop on the Compact window hands to the Organize window that
    // replaces it (RunState kRunAddDroppedUrl); never stored.
    std::string DroppedUrl;
    std::string DroppedTitle;

    // --- reading and writing -----------------------------------------------
    // Defaults, then the main key, else the backup image, else the installed
    // browsers. False on a first run (nothing stored anywhere).
    bool LoadSettings();
    // Reads every setting present in `key` over the current ones.
    void ReadSettings(const store::StoreKey& key);
    // False when the main key cannot be opened for writing, or after an
    // uninstall (RunState kRunUninstall), when nothing is written. The backup
    // image is rewritten when `forceBackup` is set or when there is none yet,
    // but never during Setup. `openList` is the open list, if any.
    bool SaveSettings(bool forceBackup, const CUrlListFile* openList);
    // True when the backup image existed, loaded and was read.
    bool RestoreSettingsBackup();
    // Deletes the main key, the maker's key when nothing else is left in it,
    // and the uninstall entry. The backup image stays.
    bool RemoveSettings();

    // --- the list table ------------------------------------------------------
    // Remembers the open list's selection as the current list's start selection.
    void StoreListStart(const CUrlListFile* openList);
    // The new entry's index, or -1 when the table already holds kMaxLists.
    int AddList(const std::string& name, const std::string& path);
    // The index of the list kept in the file `path`, or -1.
    int FindListByFile(const std::string& path) const;
    // The index of the first of `paths` that names the file `path`, or -1.
    int FindFileAmong(const std::vector<std::string>& paths, const std::string& path) const;

    // --- the list folder -------------------------------------------------------
    // Makes ListFolder absolute against AppFolder, with a trailing backslash.
    void ResolveListFolder();
    // ListFolder as stored: relative (".\...") when it lies in AppFolder.
    std::string StoredListFolder() const;

private:
    std::uint32_t ComposeIndices() const;
    void ApplyIndices(std::uint32_t indices);
    void SetDefaults();
    void ReadValues(const store::StoreKey& key);
    void ReadTables(const store::StoreKey& key);
    void WriteValues(store::StoreKey& key);
    void WriteTables(store::StoreKey& key);
    void WriteBackup(store::StoreKey& key, bool forceBackup);
    bool BackupFile(std::string& file) const;

    store::KeyValueStore& registry_;
    SettingsEnvironment env_;
};

// A special folder of the user from the Explorer "Shell Folders" key: 0 the
// desktop, 1 the Quick Launch folder, 2 "Startup", 3 "Programs".
std::optional<std::string> ShellFolderPath(store::KeyValueStore& registry, int index);
// Any value of that key by its name ("Favorites", "AppData", "Local AppData").
std::optional<std::string> ShellFolderValue(store::KeyValueStore& registry, std::string_view name);
