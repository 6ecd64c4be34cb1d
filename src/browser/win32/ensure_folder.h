// Making sure a folder exists, asking the user before creating it; used
// wherever the program needs a folder (opening a containing folder, the
// working folder of a started program, start-up, Setup, import and export).
#pragma once

#include <windows.h>

#include <string>

// `folder` becomes `path` as a folder with a trailing backslash: cut at its
// last backslash when `strip` is set or the path names an existing file. A
// missing folder is created when `mayCreate` (after a question; parents too,
// each with its own question), else reported when `reportMissing`. True when
// the folder exists afterwards. A drive root is never created.
bool EnsureFolder(HWND owner, std::string& folder, const std::string& path, bool strip,
                  bool mayCreate, bool reportMissing);

// The path cut in the manner of _splitpath (browser/target_text.h); true
// when it names something that exists.
bool SplitFilePath(const std::string& path, std::string& folder, std::string& name,
                   std::string& extension, bool nameWithExtension);
// The file name alone.
std::string FileNameOfPath(const std::string& path, bool withExtension);
