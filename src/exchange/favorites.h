// Folder trees of shortcut files: the Internet Explorer Favorites folder
// (Internet shortcuts, .url) and the Start Menu (shell links, .lnk), read
// into a new list file; an open list written as a tree of Internet shortcuts.
#pragma once

#include <string>
#include <string_view>

#include "model/url_list_file.h"

// Reads the folder tree below `root` and writes the new list file `newList`:
// top folders become categories, all deeper folders subcategories, each
// shortcut a title. 0, or -1 when `root` cannot be listed or the list cannot
// be written (an existing file at `newList` then stays as it was). Unreadable
// shortcuts and subfolders that cannot be listed are skipped.
int ImportFavorites(const std::string& newList, const std::string& root,
                    const ListEnvironment& env = {});

// Asked when a title could not be written; the user's answer decides.
class CFavoritesExportProblem {
public:
    virtual ~CFavoritesExportProblem() = default;
    // True to go on with the next title, false to stop the export.
    virtual bool GoOn(std::string_view category, std::string_view subcategory,
                      std::string_view title, platform::OsError error) = 0;
};

// Writes the list below `target`: a folder per category and subcategory, an
// Internet shortcut per title (a shortcut of the same name is replaced).
// 0, -1 when `target` is no folder, or the operating system's error code
// that stopped the export.
int ExportFavorites(const CUrlListFile& list, const std::string& target,
                    CFavoritesExportProblem& problem);
