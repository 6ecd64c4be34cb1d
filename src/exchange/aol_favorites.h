// The favorite places of the AOL client, kept in its personal filing cabinet
// (a binary file beginning "AOLVM100"), read into a new list file.
#pragma once

#include <string>
#include <string_view>

#include "model/url_list_file.h"

// Reads the cabinet `source` and writes the new list file `newList`. 0 when
// its record table was walked to the end; -1 when the file cannot be read,
// is no cabinet, any record, name or address lies outside the file, or the
// list cannot be written. Nothing is written unless the whole walk succeeds.
int ImportAol(const std::string& newList, const std::string& source,
              const ListEnvironment& env = {});

// The list file text for a cabinet's bytes: 0, or -1 as above.
int AolToList(std::string_view cabinet, std::string& list);
