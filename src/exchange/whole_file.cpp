#include "exchange/whole_file.h"

namespace exchange {

platform::OsError ReadWholeFile(platform::FileSystem& files, const std::string& path,
                                platform::FileBytes& bytes) {
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
    return platform::ReplaceWhole(files, path, [bytes](platform::OpenFile& file) { return file.Write(bytes); });
}

}  // namespace exchange
