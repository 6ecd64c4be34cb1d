// Shared set-up for the registry and settings tests under Windows: a clean
// registry area per test, raw values of any type, and a scratch folder that
// stands in for the application folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace registry_test {

inline constexpr const char* kMainKey = "Software\\Corvain\\Vellinor\\2.0";

// Deletes the key with everything below it when the test begins and ends.
class ScopedKeyTree {
public:
    ScopedKeyTree(HKEY root, std::string path) : root_(root), path_(std::move(path)) { Delete(); }
    ~ScopedKeyTree() { Delete(); }
    ScopedKeyTree(const ScopedKeyTree&) = delete;
    ScopedKeyTree& operator=(const ScopedKeyTree&) = delete;
    void Delete() const { ::RegDeleteTreeA(root_, path_.c_str()); }
    bool Exists() const {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(root_, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        ::RegCloseKey(key);
        return true;
    }

private:
    HKEY root_;
    std::string path_;
};

inline LSTATUS SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type,
                      const std::string& data) {
    HKEY key = nullptr;
    LSTATUS status = ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                       nullptr);
    if (status != ERROR_SUCCESS) return status;
    status = ::RegSetValueExA(key, name.c_str(), 0, type,
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size()));
    ::RegCloseKey(key);
    return status;
}

inline LSTATUS SetText(HKEY root, const std::string& path, const std::string& name,
                       const std::string& text) {
    return SetRaw(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

inline LSTATUS SetNumber(HKEY root, const std::string& path, const std::string& name, DWORD number) {
    return SetRaw(root, path, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
}

// A fresh folder below the temporary folder, as Windows names it, with a
// trailing backslash; removed with its content.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        path_ = std::string(temp) + "vellinor test " + std::to_string(::GetCurrentProcessId()) +
                "-" + std::to_string(serial++) + "\\";
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace registry_test
