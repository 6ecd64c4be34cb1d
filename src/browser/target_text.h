// What a title's target is, read from its text alone: an Internet URL, a
// mail link, or a path to split into program and arguments, folder, name
// and extension. Whether a path exists is asked through a probe, so the
// rules run on any platform.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/code_page.h"

enum class PathKind { kMissing, kFile, kFolder };
using PathProbe = std::function<PathKind(const std::string& path)>;

// Starts with "mailto:" (exactly: case matters).
bool IsMailLink(std::string_view target);
// Starts with one of "http://", "news://", "ftp://", "mailto:", "https://",
// "gopher://" (exactly: case matters).
bool IsInternetUrl(std::string_view target);

// Splits "C:\Tools\grab.exe -all" into the program path and its arguments by
// cutting at spaces from the end until the path names something that
// exists. Only absolute paths ("X:\..." or "\\server\...") are candidates.
// True when the program path names a file ending in ".exe", ".bat" or
// ".com"; the arguments are set whenever a path was found.
bool SplitProgramCommand(std::string_view text, const PathProbe& probe, std::string& program,
                         std::string& arguments);

// A path cut in the manner of _splitpath: folder = drive and directory
// (ending in a separator when there is a directory), name = the file name
// without its extension (with it when `nameWithExtension`), extension = from
// the last dot of the file name on.
struct PathParts {
    std::string folder;
    std::string name;
    std::string extension;
};
PathParts SplitPathParts(std::string_view path, bool nameWithExtension,
                         const platform::CodePage& cp = platform::AnsiCodePage());

// Offset of the last backslash, stepping over double-byte characters (a
// backslash can be their second byte); npos when there is none.
std::size_t LastBackslash(std::string_view path,
                          const platform::CodePage& cp = platform::AnsiCodePage());
