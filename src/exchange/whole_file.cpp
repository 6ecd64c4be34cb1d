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
    std::string temporary;
    {
        auto file = platform::CreateTemporaryBeside(files, path, temporary, error);
        if (!file) return error;
        error = file->Write(bytes);
        if (error == 0) error = file->Flush();
    }
    if (error == 0) error = files.Replace(temporary, path);
    if (error != 0) files.Remove(temporary);
    return error;
}

}  // namespace exchange
