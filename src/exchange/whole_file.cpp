#include "exchange/whole_file.h"

#include <cstdio>

namespace exchange {

namespace {

// How many temporary names are tried; only files that writes cut short by a
// crash left behind could take them all.
constexpr int kTemporaryNames = 256;

// A new file beside `path` under a short name of its own ("~vl0000.tmp"), so
// that a target whose path is close to the system's limit still has room for
// it. A file of that name already there is never opened; the next name is tried.
std::unique_ptr<platform::OpenFile> CreateTemporaryBeside(platform::FileSystem& files,
                                                          const std::string& path,
                                                          std::string& temporary,
                                                          platform::OsError& error) {
    std::string folder(path, 0, path.size() - platform::FileNameOf(path).size());
    for (int n = 0; n < kTemporaryNames; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "~vl%04x.tmp", static_cast<unsigned>(n));
        temporary = folder + name;
        auto file = files.Open(temporary, platform::OpenMode::CreateNewDenyWrite, error);
        if (file || !files.Exists(temporary)) return file;
    }
    return nullptr;
}

}  // namespace

platform::OsError ReadWholeFile(platform::FileSystem& files, const std::string& path,
                                std::string& bytes) {
    platform::OsError error = 0;
    auto file = files.Open(path, platform::OpenMode::ReadShareAll, error);
    if (!file) return error;
    return file->ReadAll(bytes);
}

platform::OsError WriteWholeFile(platform::FileSystem& files, const std::string& path,
                                 std::string_view bytes) {
    platform::OsError error = 0;
    if (files.Exists(path)) {
        // A rename would go through a POSIX lock; asking for the same access
        // the list holds makes both platforms refuse a list that is open.
        if (!files.Open(path, platform::OpenMode::ReadWriteDenyWrite, error)) return error;
    }
    std::string temporary;
    {
        auto file = CreateTemporaryBeside(files, path, temporary, error);
        if (!file) return error;
        error = file->Write(bytes);
        if (error == 0) error = file->Flush();
    }
    if (error == 0) error = files.Replace(temporary, path);
    if (error != 0) files.Remove(temporary);
    return error;
}

}  // namespace exchange
