// Reading a source file at once, and writing a result file so that it
// replaces an existing one only once it is complete.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace exchange {

// The whole file, opened read-only and sharing with everyone.
platform::OsError ReadWholeFile(platform::FileSystem& files, const std::string& path,
                                platform::FileBytes& bytes);

// Writes `bytes` to a new file beside `path` and moves it over `path`: a failed
// write leaves an existing file as it was, and no other file is touched. A file another program (or a list
// of this one) holds open against writers is refused, on every platform.
platform::OsError WriteWholeFile(platform::FileSystem& files, const std::string& path,
                                 std::string_view bytes);

}  // namespace exchange
