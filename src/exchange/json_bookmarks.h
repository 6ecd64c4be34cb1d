// The bookmarks of today's browsers, kept as JSON, read into a new list file:
// the "Bookmarks" file of a Chrome or Edge profile, and the bookmarks backup
// that Firefox's Library writes. Folders become categories and subcategories
// as in bookmark files; deeper folders are flattened into subcategories.
#pragma once

#include <string>
#include <string_view>

#include "model/url_list_file.h"

// Reads the Chrome or Edge bookmarks file `source` and writes the new list
// file `newList`. 0 when the file was read; -1 when it is no such file (not
// JSON, another shape, nested too deeply) or a file could not be read or
// written (an existing file at `newList` then stays as it was).
int ImportChromium(const std::string& newList, const std::string& source,
                   const ListEnvironment& env = {});

// The list file text for a Chrome or Edge bookmarks file; false when it is none.
bool ChromiumToList(std::string_view json, const platform::CodePage& codePage, std::string& list);

// The bookmarks file of Chrome's default profile under the user's local
// application data folder, else Edge's when only that exists; Chrome's when
// neither does, and empty without a folder.
std::string ProposedChromiumSource(const std::string& localAppData,
                                   platform::FileSystem& files = platform::OsFileSystem());

// Reads the Firefox bookmarks backup `source` and writes the new list file
// `newList`; results as for ImportChromium.
int ImportFirefoxJson(const std::string& newList, const std::string& source,
                      const ListEnvironment& env = {});

// The list file text for a Firefox bookmarks backup; false when it is none.
bool FirefoxJsonToList(std::string_view json, const platform::CodePage& codePage, std::string& list);
