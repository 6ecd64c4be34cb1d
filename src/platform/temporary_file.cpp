#include <cstdio>

#include "platform/file_system.h"

namespace platform {

namespace {
// How many names are tried; only files that writes cut short by a crash left
// behind could take them all.
constexpr int kTemporaryNames = 256;
}  // namespace

std::unique_ptr<OpenFile> CreateTemporaryBeside(FileSystem& files, const std::string& path,
                                                std::string& temporary, OsError& error) {
    std::string folder(path, 0, path.size() - FileNameOf(path).size());
    for (int n = 0; n < kTemporaryNames; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "~vl%04x.tmp", static_cast<unsigned>(n));
        temporary = folder + name;
        auto file = files.Open(temporary, OpenMode::CreateNewDenyWrite, error);
        if (file || !files.Exists(temporary)) return file;
    }
    return nullptr;
}

OsError WriteBeside(FileSystem& files, const std::string& path, const WriteContent& write, std::string& temporary) {
    OsError error = 0;
    auto file = CreateTemporaryBeside(files, path, temporary, error);
    if (!file) return error;
    error = write(*file);
    if (error == 0) error = file->Flush();
    file.reset();
    if (error != 0) files.Remove(temporary);
    return error;
}

OsError ReplaceWhole(FileSystem& files, const std::string& path, const WriteContent& write) {
    std::string temporary;
    OsError error = WriteBeside(files, path, write, temporary);
    if (error == 0 && (error = files.Replace(temporary, path)) != 0) files.Remove(temporary);
    return error;
}

}  // namespace platform
