#include "app/win32/registry_store.h"

#include <windows.h>

#include "app/win32/token_privilege.h"
#include "win/handles.h"

namespace {

constexpr REGSAM kReadAccess = KEY_READ;
// Reading too: RegSaveKeyA and the size queries work on the key opened for writing.
constexpr REGSAM kWriteAccess = KEY_READ | KEY_WRITE;

HKEY RootKey(store::Root root) {
    return root == store::Root::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Registry names are zero-terminated; string_views need not be.
std::string Terminated(std::string_view text) { return std::string(text); }

// A failed call need not leave the handle null: never close what it left there.
void DropFailed(win::UniqueKey& key) { static_cast<void>(key.Release()); }

win::UniqueKey OpenKey(HKEY parent, std::string_view path, REGSAM access) {
    win::UniqueKey key;
    if (::RegOpenKeyExA(parent, Terminated(path).c_str(), 0, access, key.Put()) != ERROR_SUCCESS)
        DropFailed(key);
    return key;
}

win::UniqueKey CreateKey(HKEY parent, std::string_view path) {
    // An empty path means the parent itself, which RegCreateKeyExA does not open.
    if (path.empty()) return OpenKey(parent, path, kWriteAccess);
    win::UniqueKey key;
    if (::RegCreateKeyExA(parent, Terminated(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          kWriteAccess, nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        DropFailed(key);
    return key;
}

store::ValueKind KindOf(DWORD type) {
    switch (type) {
        case REG_SZ: return store::ValueKind::kText;
        case REG_EXPAND_SZ: return store::ValueKind::kExpandableText;
        case REG_DWORD: return store::ValueKind::kNumber;
        default: return store::ValueKind::kOther;
    }
}

// An image mounted below HKEY_USERS, unmounted on destruction. The restore
// privilege stays enabled until then, as unloading needs it as well.
class MountedImage {
public:
    explicit MountedImage(const std::string& file) {
        // A run that ended while an image was mounted leaves the mount point
        // taken until the user logs off; free it, or no image would load.
        ::RegUnLoadKeyA(HKEY_USERS, RegistryStore::kImageMountName);
        mounted_ = ::RegLoadKeyA(HKEY_USERS, RegistryStore::kImageMountName, file.c_str()) ==
                   ERROR_SUCCESS;
    }
    ~MountedImage() {
        if (mounted_) ::RegUnLoadKeyA(HKEY_USERS, RegistryStore::kImageMountName);
    }
    MountedImage(const MountedImage&) = delete;
    MountedImage& operator=(const MountedImage&) = delete;
    bool Mounted() const { return mounted_; }

private:
    ScopedPrivilege restore_{"SeRestorePrivilege"};
    bool mounted_ = false;
};

class RegistryKey final : public store::StoreKey {
public:
    explicit RegistryKey(win::UniqueKey key, std::unique_ptr<MountedImage> image = nullptr)
        : image_(std::move(image)), key_(std::move(key)) {}

    bool Read(std::string_view name, store::Value& value) const override {
        std::string valueName = Terminated(name);
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return false;
        std::string data(size, '\0');
        if (::RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
            return false;  // changed in between: as good as unreadable
        data.resize(size);
        value = {KindOf(type), std::move(data)};
        return true;
    }

    bool WriteText(std::string_view name, std::string_view text) override {
        std::string terminated = Terminated(text);
        return ::RegSetValueExA(key_.Get(), Terminated(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(terminated.c_str()),
                                static_cast<DWORD>(terminated.size() + 1)) == ERROR_SUCCESS;
    }

    bool WriteNumber(std::string_view name, std::uint32_t number) override {
        DWORD data = number;
        return ::RegSetValueExA(key_.Get(), Terminated(name).c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
    }

    bool DeleteValue(std::string_view name) override {
        return ::RegDeleteValueA(key_.Get(), Terminated(name).c_str()) == ERROR_SUCCESS;
    }

    std::unique_ptr<store::StoreKey> Open(std::string_view path) const override {
        win::UniqueKey key = OpenKey(key_.Get(), path, kReadAccess);
        return key ? std::make_unique<RegistryKey>(std::move(key)) : nullptr;
    }

    std::unique_ptr<store::StoreKey> Create(std::string_view path) override {
        win::UniqueKey key = CreateKey(key_.Get(), path);
        return key ? std::make_unique<RegistryKey>(std::move(key)) : nullptr;
    }

    bool DeleteSubkey(std::string_view path) override {
        return ::RegDeleteKeyA(key_.Get(), Terminated(path).c_str()) == ERROR_SUCCESS;
    }

    int SubkeyCount() const override {
        DWORD subkeys = 0;
        if (::RegQueryInfoKeyA(key_.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return -1;
        return static_cast<int>(subkeys);
    }

    std::vector<std::string> SubkeyNames() const override {
        std::vector<std::string> names;
        char name[256];  // the longest key name is 255 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof name;
            if (::RegEnumKeyExA(key_.Get(), index, name, &length, nullptr, nullptr, nullptr,
                                nullptr) != ERROR_SUCCESS)
                break;
            names.emplace_back(name, length);
        }
        return names;
    }

    bool SaveImage(const std::string& file) override {
        ScopedPrivilege backup("SeBackupPrivilege");
        // RegSaveKeyA refuses to overwrite, and a read-only file would not go.
        ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(file.c_str());
        return ::RegSaveKeyA(key_.Get(), file.c_str(), nullptr) == ERROR_SUCCESS;
    }

private:
    std::unique_ptr<MountedImage> image_;  // declared first: the key closes before unmounting
    win::UniqueKey key_;
};

}  // namespace

std::unique_ptr<store::StoreKey> RegistryStore::Open(store::Root root, std::string_view path) {
    win::UniqueKey key = OpenKey(RootKey(root), path, kReadAccess);
    return key ? std::make_unique<RegistryKey>(std::move(key)) : nullptr;
}

std::unique_ptr<store::StoreKey> RegistryStore::Create(store::Root root, std::string_view path) {
    win::UniqueKey key = CreateKey(RootKey(root), path);
    return key ? std::make_unique<RegistryKey>(std::move(key)) : nullptr;
}

std::unique_ptr<store::StoreKey> RegistryStore::OpenImage(const std::string& file) {
    auto image = std::make_unique<MountedImage>(file);
    if (!image->Mounted()) return nullptr;
    win::UniqueKey key = OpenKey(HKEY_USERS, kImageMountName, kReadAccess);
    return key ? std::make_unique<RegistryKey>(std::move(key), std::move(image)) : nullptr;
}

bool RegistryStore::ImageExists(const std::string& file) {
    return ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RegistryStore::ShortPath(const std::string& path, std::string& shortPath) {
    DWORD needed = ::GetShortPathNameA(path.c_str(), nullptr, 0);
    if (needed == 0) return false;
    std::string buffer(needed, '\0');
    DWORD length = ::GetShortPathNameA(path.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed) return false;
    buffer.resize(length);
    shortPath = std::move(buffer);
    return true;
}
