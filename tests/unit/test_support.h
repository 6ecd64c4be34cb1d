// Helpers shared by the unit tests: scratch folders, byte-exact file access
// and test doubles for the platform seams.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace testing_support {

// A fresh folder below the system's temporary folder, removed with its content.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};

// The longest file name a file in `folder` can have, at most 250 bytes: the
// system's path limit on Windows, the name limit elsewhere.
inline std::size_t LongestNameIn(const ScratchFolder& folder) {
#ifdef _WIN32
    constexpr std::size_t kLongestPath = 259;  // MAX_PATH without its terminating NUL
    const std::size_t room = kLongestPath - folder.Path("").size();
    return room < 250 ? room : 250;
#else
    (void)folder;
    return 250;
#endif
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(std::int64_t now) : now_(now) {}
    std::int64_t Now() const override { return now_; }
    void Set(std::int64_t now) { now_ = now; }

private:
    std::int64_t now_;
};

// The real file system, except that writes fail once `budget` bytes have been
// written in all: a disk that fills up half-way through a save. It keeps the
// paths of the new files it was asked to create.
class FailingWritesFileSystem final : public platform::FileSystem {
public:
    explicit FailingWritesFileSystem(std::size_t budget) : budget_(budget) {}
    static constexpr platform::OsError kDiskFull = 112;

    std::unique_ptr<platform::OpenFile> Open(const std::string& path, platform::OpenMode mode,
                                             platform::OsError& error) override;
    platform::OsError Copy(const std::string& from, const std::string& to) override {
        return real_.Copy(from, to);
    }
    platform::OsError Replace(const std::string& source, const std::string& target) override {
        return real_.Replace(source, target);
    }
    platform::OsError Remove(const std::string& path) override { return real_.Remove(path); }
    platform::OsError CreateFolder(const std::string& path) override {
        return real_.CreateFolder(path);
    }
    platform::OsError ListFolder(const std::string& path,
                                 std::vector<platform::FolderEntry>& entries) override {
        return real_.ListFolder(path, entries);
    }
    bool FullPath(const std::string& path, std::string& full) override {
        return real_.FullPath(path, full);
    }
    bool Exists(const std::string& path) override { return real_.Exists(path); }
    bool IsFolder(const std::string& path) override { return real_.IsFolder(path); }
    platform::ErrorKind Classify(platform::OsError error) const override {
        return real_.Classify(error);
    }
    std::string ErrorText(platform::OsError error) const override {
        return real_.ErrorText(error);
    }

    std::vector<std::string> created;

private:
    friend class BudgetedFile;
    platform::FileSystem& real_ = platform::OsFileSystem();
    std::size_t budget_;
};

}  // namespace testing_support
