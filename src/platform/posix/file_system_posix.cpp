// POSIX files: an open-file-description write lock stands in for Windows'
// deny-write share mode (unlike classic fcntl locks it also binds a second
// open in the same process, as a share mode does).
#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class PosixFile final : public OpenFile {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    OsError ReadAll(FileBytes& out) override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) return errno;
        if (S_ISDIR(st.st_mode)) return EISDIR;
        // Straight into the string; the byte beyond the size shows whether
        // the file grew since. A fresh string, so the room is what is asked
        // for: the size, that byte and the string's ending zero.
        out = FileBytes();
        out.reserve(FileBytesRoom(static_cast<std::size_t>(st.st_size) + 2) - 1);
        PrepareToFill(out.data(), static_cast<std::size_t>(st.st_size) + 2);
        out.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t offset = 0;
        for (;;) {
            if (offset == out.size()) out.resize(out.size() * 2);
            ssize_t n = ::pread(fd_, &out[offset], out.size() - offset, static_cast<off_t>(offset));
            if (n < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            if (n == 0) break;
            offset += static_cast<std::size_t>(n);
        }
        out.resize(offset);
        position_ = static_cast<off_t>(offset);
        return 0;
    }

    OsError Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), position_);
            if (n < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            position_ += n;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return 0;
    }

    OsError Truncate() override {
        if (::ftruncate(fd_, 0) != 0) return errno;
        position_ = 0;
        return 0;
    }

    OsError Flush() override { return ::fsync(fd_) == 0 ? 0 : errno; }

private:
    int fd_;
    off_t position_ = 0;
};

struct FolderHandle {
    explicit FolderHandle(DIR* dir) : dir(dir) {}
    ~FolderHandle() {
        if (dir) ::closedir(dir);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    DIR* dir;
};

bool LockAgainstWriters(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

class PosixFileSystem final : public FileSystem {
public:
    std::unique_ptr<OpenFile> Open(const std::string& path, OpenMode mode,
                                   OsError& error) override {
        error = 0;
        if (path.empty()) {
            error = ENOENT;
            return nullptr;
        }
        int flags = mode == OpenMode::ReadShareAll ? O_RDONLY
                  : mode == OpenMode::ReadWriteDenyWrite ? O_RDWR
                  : mode == OpenMode::CreateNewDenyWrite ? O_RDWR | O_CREAT | O_EXCL
                  : O_RDWR | O_CREAT;
        int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            return nullptr;
        }
        if (mode != OpenMode::ReadShareAll) {
            if (!LockAgainstWriters(fd)) {
                error = EBUSY;
                ::close(fd);
                if (mode == OpenMode::CreateNewDenyWrite) ::unlink(path.c_str());  // ours alone
                return nullptr;
            }
            // Truncate only once the file is ours, so a refused create
            // leaves another writer's file as it was.
            if (mode == OpenMode::CreateDenyWrite && ::ftruncate(fd, 0) != 0) {
                error = errno;
                ::close(fd);
                return nullptr;
            }
        }
        return std::make_unique<PosixFile>(fd);
    }

    OsError Copy(const std::string& from, const std::string& to) override {
        OsError error = 0;
        auto source = Open(from, OpenMode::ReadShareAll, error);
        if (!source) return error;
        FileBytes bytes;
        if ((error = source->ReadAll(bytes)) != 0) return error;
        auto target = Open(to, OpenMode::CreateDenyWrite, error);
        if (!target) return error;
        if ((error = target->Write(bytes)) != 0) return error;
        return target->Flush();
    }

    OsError Replace(const std::string& source, const std::string& target) override {
        return ::rename(source.c_str(), target.c_str()) == 0 ? 0 : errno;
    }

    OsError Remove(const std::string& path) override {
        return ::unlink(path.c_str()) == 0 ? 0 : errno;
    }

    OsError CreateFolder(const std::string& path) override {
        return ::mkdir(path.c_str(), 0777) == 0 ? 0 : errno;
    }

    OsError ListFolder(const std::string& path, std::vector<FolderEntry>& entries) override {
        entries.clear();
        FolderHandle folder(::opendir(path.c_str()));
        if (!folder.dir) return errno;
        int fd = ::dirfd(folder.dir);
        errno = 0;
        while (dirent* entry = ::readdir(folder.dir)) {
            std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            struct stat st {};
            if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
            bool link = S_ISLNK(st.st_mode);
            if (link && ::fstatat(fd, entry->d_name, &st, 0) != 0) continue;  // dangling
            if (S_ISREG(st.st_mode))
                entries.push_back({std::move(name), false});
            else if (S_ISDIR(st.st_mode) && !link)
                entries.push_back({std::move(name), true});
            errno = 0;
        }
        if (errno != 0) return errno;
        // Directories here have no order of their own; sorted names make
        // every walk over the same tree give the same result.
        std::sort(entries.begin(), entries.end(),
                  [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
        return 0;
    }

    bool FullPath(const std::string& path, std::string& full) override {
        if (path.empty()) return false;
        char buffer[PATH_MAX];
        if (::realpath(path.c_str(), buffer)) {
            full = buffer;
            return true;
        }
        // A file that does not exist yet: resolve its folder.
        std::string folder(FolderOf(path));
        if (folder.empty()) folder = ".";
        if (!::realpath(folder.c_str(), buffer)) return false;
        full = JoinPath(buffer, FileNameOf(path));
        return true;
    }

    bool Exists(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0;
    }

    bool IsFolder(const std::string& path) override {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }

    ErrorKind Classify(OsError error) const override {
        switch (error) {
            case 0: return ErrorKind::None;
            case ENOENT: case ENOTDIR: case ENAMETOOLONG: return ErrorKind::NotFound;
            case EACCES: case EPERM: case EBUSY: case EROFS: case ETXTBSY:
                return ErrorKind::AccessOrSharing;
            default: return ErrorKind::Other;
        }
    }

    std::string ErrorText(OsError error) const override { return std::strerror(error); }
};

}  // namespace

FileSystem& OsFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace platform
