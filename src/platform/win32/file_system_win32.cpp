// Win32 files through the ANSI API, with share modes doing the locking.
#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>

namespace platform {

namespace {

class Win32File final : public OpenFile {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { ::CloseHandle(handle_); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    OsError ReadAll(FileBytes& out) override {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(handle_, &size)) return static_cast<OsError>(::GetLastError());
        if (::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
            return static_cast<OsError>(::GetLastError());
        // Straight into the string, in one call for the usual file; the byte
        // beyond the size shows whether the file grew since.
        out = FileBytes();
        out.resize(static_cast<std::size_t>(size.QuadPart) + 1);
        std::size_t offset = 0;
        for (;;) {
            if (offset == out.size()) out.resize(out.size() * 2);
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - offset, 1u << 30));
            DWORD got = 0;
            if (!::ReadFile(handle_, &out[offset], chunk, &got, nullptr))
                return static_cast<OsError>(::GetLastError());
            if (got == 0) break;
            offset += got;
        }
        out.resize(offset);
        return 0;
    }

    OsError Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr))
                return static_cast<OsError>(::GetLastError());
            bytes.remove_prefix(written);
        }
        return 0;
    }

    OsError Truncate() override {
        if (::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
            !::SetEndOfFile(handle_))
            return static_cast<OsError>(::GetLastError());
        return 0;
    }

    OsError Flush() override {
        return ::FlushFileBuffers(handle_) ? 0 : static_cast<OsError>(::GetLastError());
    }

private:
    HANDLE handle_;
};

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
public:
    std::unique_ptr<OpenFile> Open(const std::string& path, OpenMode mode,
                                   OsError& error) override {
        DWORD access = GENERIC_READ | GENERIC_WRITE;
        DWORD share = FILE_SHARE_READ;
        DWORD disposition = OPEN_EXISTING;
        if (mode == OpenMode::ReadShareAll) {
            access = GENERIC_READ;
            share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        } else if (mode == OpenMode::CreateDenyWrite) {
            disposition = OPEN_ALWAYS;  // truncated below, once the file is ours
        } else if (mode == OpenMode::CreateNewDenyWrite) {
            disposition = CREATE_NEW;
        }
        HANDLE handle = ::CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            error = static_cast<OsError>(::GetLastError());
            return nullptr;
        }
        auto file = std::make_unique<Win32File>(handle);
        error = mode == OpenMode::CreateDenyWrite ? file->Truncate() : 0;
        if (error != 0) return nullptr;
        return file;
    }

    OsError Copy(const std::string& from, const std::string& to) override {
        return ::CopyFileA(from.c_str(), to.c_str(), FALSE)
                   ? 0 : static_cast<OsError>(::GetLastError());
    }

    OsError Replace(const std::string& source, const std::string& target) override {
        return ::MoveFileExA(source.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? 0 : static_cast<OsError>(::GetLastError());
    }

    OsError Remove(const std::string& path) override {
        return ::DeleteFileA(path.c_str()) ? 0 : static_cast<OsError>(::GetLastError());
    }

    OsError CreateFolder(const std::string& path) override {
        return ::CreateDirectoryA(path.c_str(), nullptr)
                   ? 0 : static_cast<OsError>(::GetLastError());
    }

    OsError ListFolder(const std::string& path, std::vector<FolderEntry>& entries) override {
        entries.clear();
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA(JoinPath(path, "*").c_str(), &data));
        if (find.get() == INVALID_HANDLE_VALUE) {
            DWORD error = ::GetLastError();
            // The root folder of an empty drive has not even "." to report.
            return error == ERROR_FILE_NOT_FOUND ? 0 : static_cast<OsError>(error);
        }
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            DWORD attributes = data.dwFileAttributes;
            if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
                entries.push_back({std::move(name), false});
            else if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
                entries.push_back({std::move(name), true});
        } while (::FindNextFileA(find.get(), &data));
        DWORD error = ::GetLastError();
        return error == ERROR_NO_MORE_FILES ? 0 : static_cast<OsError>(error);
    }

    bool FullPath(const std::string& path, std::string& full) override {
        if (path.empty()) return false;
        char buffer[MAX_PATH * 4];
        DWORD n = ::GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
        if (n == 0 || n >= sizeof buffer) return false;
        full.assign(buffer, n);
        return true;
    }

    bool Exists(const std::string& path) override {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    bool IsFolder(const std::string& path) override {
        DWORD attributes = ::GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    ErrorKind Classify(OsError error) const override {
        switch (error) {
            case 0: return ErrorKind::None;
            case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_NAME:
            case ERROR_BAD_PATHNAME: case ERROR_INVALID_DRIVE: case ERROR_BAD_NETPATH:
            case ERROR_FILENAME_EXCED_RANGE:
                return ErrorKind::NotFound;
            case ERROR_ACCESS_DENIED: case ERROR_SHARING_VIOLATION: case ERROR_LOCK_VIOLATION:
            case ERROR_WRITE_PROTECT:
                return ErrorKind::AccessOrSharing;
            default: return ErrorKind::Other;
        }
    }

    std::string ErrorText(OsError error) const override {
        char* text = nullptr;
        DWORD n = ::FormatMessageA(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
        std::string result = n && text ? std::string(text, n) : "Error " + std::to_string(error);
        if (text) ::LocalFree(text);
        while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                                   result.back() == ' '))
            result.pop_back();
        return result;
    }
};

}  // namespace

FileSystem& OsFileSystem() {
    static Win32FileSystem files;
    return files;
}

}  // namespace platform
