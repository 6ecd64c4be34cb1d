// File access seam between the portable core and the operating system.
//
// Errors are the operating system's own codes (Win32 error codes on Windows,
// errno values elsewhere), kept so that callers can show the system's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_bytes.h"

namespace platform {

using OsError = int;  // 0: success

// An open file. Closing happens in the destructor; errors on close are ignored.
class OpenFile {
public:
    virtual ~OpenFile() = default;
    // Reads the whole file from its start into `out`.
    virtual OsError ReadAll(FileBytes& out) = 0;
    // Writes at the current position (appending after ReadAll/Truncate).
    virtual OsError Write(std::string_view bytes) = 0;
    virtual OsError Truncate() = 0;  // length 0, position 0
    virtual OsError Flush() = 0;     // to disk, not only to the OS cache
};

enum class OpenMode {
    ReadWriteDenyWrite,  // read and write; other processes may read, not write
    ReadShareAll,        // read only; others may read, write and delete
    CreateDenyWrite,     // create or truncate for writing, deny other writers
    CreateNewDenyWrite,  // create a file that does not exist yet, deny other writers
};

enum class ErrorKind { None, NotFound, AccessOrSharing, Other };

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<OpenFile> Open(const std::string& path, OpenMode mode,
                                           OsError& error) = 0;
    // Copies `from` over `to`, replacing an existing file.
    virtual OsError Copy(const std::string& from, const std::string& to) = 0;
    // Replaces `target` by `source` in one step (both in the same folder).
    virtual OsError Replace(const std::string& source, const std::string& target) = 0;
    virtual OsError Remove(const std::string& path) = 0;
    virtual OsError CreateFolder(const std::string& path) = 0;
    // The files and subfolders of a folder, without "." and "..". Subfolders
    // that are links (symbolic links, junctions) are left out, so a walk over
    // a tree always ends; so are devices and pipes, which would block a reader.
    virtual OsError ListFolder(const std::string& path, std::vector<FolderEntry>& entries) = 0;
    // The absolute path as the file system reports it; false when it cannot.
    virtual bool FullPath(const std::string& path, std::string& full) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    virtual ErrorKind Classify(OsError error) const = 0;
    // The system's description of an error code, without trailing line breaks.
    virtual std::string ErrorText(OsError error) const = 0;
};

// The real file system of this platform.
FileSystem& OsFileSystem();

// A new file beside `path` under a short name of its own ("~vl0000.tmp"), so
// that a target whose path is close to the system's limit still has room for
// it. A file of that name already there is never opened; the next name is
// tried. Null (with `error`) when none could be created.
std::unique_ptr<OpenFile> CreateTemporaryBeside(FileSystem& files, const std::string& path,
                                                std::string& temporary, OsError& error);

using WriteContent = std::function<OsError(OpenFile&)>;
// What `write` writes, in a new file beside `path` (named in `temporary`)
// that is on disk when this returns 0; on failure nothing of it is left.
OsError WriteBeside(FileSystem& files, const std::string& path, const WriteContent& write, std::string& temporary);
// The same, then moved over `path`: `path` is replaced whole or not at all,
// and a failed write or a crash never leaves it truncated.
OsError ReplaceWhole(FileSystem& files, const std::string& path, const WriteContent& write);

// Path helpers shared by both platforms: '\\' and '/' both separate folders.
std::string_view FolderOf(std::string_view path);    // without trailing separator
std::string_view FileNameOf(std::string_view path);
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace platform
