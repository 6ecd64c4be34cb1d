// File and folder names made from list names.
#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"

// `name` as a file name ending in `extension` (empty for a folder): at most
// 64 characters before the extension (a longer name keeps its first 61 and
// gets "..."), each of / \ : * ? " < > | and every control character replaced
// by a space. Names Windows would not keep are changed so they stay files of
// their own: a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or
// without an extension) gets "_" after it, and dots or spaces at the end of
// the whole name, which Windows strips, become "_" (so "." and ".." never
// name a folder above).
std::string SafeFileName(std::string_view name, std::string_view extension,
                         const platform::CodePage& codePage);
