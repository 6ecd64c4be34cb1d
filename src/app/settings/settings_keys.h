// Where the settings live in the store: the main key, its value and subkey
// names. These names are shared with earlier versions of the program and
// must not change.
#pragma once

#include <string_view>

namespace settings_keys {

// Two halves, because removing the settings walks the second half upwards.
inline constexpr std::string_view kMakerKey = "Software\\Corvain";
inline constexpr std::string_view kProductKey = "Vellinor\\2.0";
inline constexpr std::string_view kMainKey = "Software\\Corvain\\Vellinor\\2.0";

inline constexpr std::string_view kBackupFileName = "Vellin.sav";

inline constexpr std::string_view kIndices = "Indices";
// The full indices; "Indices" has only 4 bits for each (see settings_indices.cpp).
inline constexpr std::string_view kCurrentList = "Current List";
inline constexpr std::string_view kCurrentBrowser = "Current Browser";
inline constexpr std::string_view kMainWindowRect = "WinPos Maxi";
inline constexpr std::string_view kCompactWindowRect = "WinPos Mini";
inline constexpr std::string_view kNoteWindowRect = "WinPos Note";
inline constexpr std::string_view kListBoxWidths = "ListBox Widths";
inline constexpr std::string_view kAppPath = "App Path";
inline constexpr std::string_view kListFolder = "List Folder";
inline constexpr std::string_view kStartMenu = "Start Menu";
inline constexpr std::string_view kBookmarks = "NN Bookmarks";
inline constexpr std::string_view kRecentPeriod = "Recent Period";
inline constexpr std::string_view kAppHotKey = "Hot Key";
inline constexpr std::string_view kFetchHotKey = "Hot Key Url";

inline constexpr std::string_view kColors = "Colors";
inline constexpr std::string_view kListNames = "List";
inline constexpr std::string_view kListPaths = "List Path";
inline constexpr std::string_view kListStarts = "List Start";
inline constexpr std::string_view kBrowserNames = "Browser";
inline constexpr std::string_view kBrowserPaths = "Browser Path";
inline constexpr std::string_view kBrowserDdeNames = "DDE Name";

inline constexpr std::string_view kTableSubkeys[] = {
    kColors, kBrowserNames, kBrowserPaths, kBrowserDdeNames, kListNames, kListPaths, kListStarts};

inline constexpr std::string_view kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr std::string_view kUninstallEntry = "Vellinor 2";

}  // namespace settings_keys
