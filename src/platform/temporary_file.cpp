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

}  // namespace platform
