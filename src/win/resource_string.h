// Strings from the module's string table.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The string with that id in the ANSI code page, whatever its length; an id
// that does not exist gives an empty string.
std::string LoadResourceString(UINT id);

}  // namespace win
