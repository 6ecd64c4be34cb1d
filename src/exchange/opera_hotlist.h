// Opera hotlists (text files beginning "Opera Hotlist version 2.0"), read
// into a new list file and written from an open list in UTF-8. Folders become
// categories and subcategories; deeper folders are flattened into subcategories.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/url_list_file.h"

// Reads the hotlist `source` and writes the new list file `newList`. 0 when
// the hotlist was read to its end; -1 when its first line is not the hotlist
// header or a file could not be read or written (an existing file at
// `newList` then stays as it was).
int ImportOpera(const std::string& newList, const std::string& source,
                const ListEnvironment& env = {});

// The list file text for a hotlist's bytes; false when it is no hotlist.
bool OperaToList(std::string_view hotlist, const platform::CodePage& codePage, std::string& list);

// Writes the whole list as a hotlist. 0, or the operating system's error code;
// a failed export leaves an existing file as it was.
int ExportOpera(const CUrlListFile& list, const std::string& target);

// The hotlist text for a list; `now` is the creation date given to every entry.
std::string ListToOpera(const CUrlListFile& list, std::int64_t now);
