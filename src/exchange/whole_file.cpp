#include "exchange/whole_file.h"

namespace exchange {

namespace {
constexpr std::string_view kPartSuffix = ".vellinor-part";
}

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
    std::string part = path + std::string(kPartSuffix);
    {
        auto file = files.Open(part, platform::OpenMode::CreateDenyWrite, error);
        if (!file) return error;
        error = file->Write(bytes);
        if (error == 0) error = file->Flush();
    }
    if (error == 0) error = files.Replace(part, path);
    if (error != 0) files.Remove(part);
    return error;
}

}  // namespace exchange
