// Netscape bookmark files (the HTML file that begins
// "<!DOCTYPE NETSCAPE-Bookmark-file-1>"), read into a new list file and
// written from an open list. Folders become categories and subcategories;
// deeper folders are flattened into subcategories.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/url_list_file.h"

// Reads the bookmark file `source` and writes the new list file `newList`.
// 0 when the whole source was read, -1 when a file could not be read or
// written or the source holds a zero byte (no bookmark file); an existing
// file at `newList` is replaced only on success.
int ImportNetscape(const std::string& newList, const std::string& source,
                   const ListEnvironment& env = {});

// The list file text for a bookmark file's bytes.
std::string NetscapeToList(std::string_view html, const platform::CodePage& codePage);

// Writes the whole list as a bookmark file titled `listName`. 0, or the
// operating system's error code; a failed export leaves an existing file as it was.
int ExportNetscape(const CUrlListFile& list, std::string_view listName, const std::string& target);

// The bookmark file text for a list; `now` is the date given to every entry.
std::string ListToNetscape(const CUrlListFile& list, std::string_view listName, std::int64_t now);
