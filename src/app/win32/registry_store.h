// The settings' key-value store on the Windows registry. Image files are
// registry hives: RegSaveKeyA writes them (with SeBackupPrivilege) and
// RegLoadKeyA mounts them below HKEY_USERS while they are read (with
// SeRestorePrivilege).
#pragma once

#include "app/store/key_value_store.h"

class RegistryStore final : public store::KeyValueStore {
public:
    // Where an image is mounted while it is read; one image at a time.
    static constexpr const char* kImageMountName = "TEMP_VELLIN_HIVE";

    std::unique_ptr<store::StoreKey> Open(store::Root root, std::string_view path) override;
    std::unique_ptr<store::StoreKey> Create(store::Root root, std::string_view path) override;
    std::unique_ptr<store::StoreKey> OpenImage(const std::string& file) override;
    bool ImageExists(const std::string& file) override;
    bool ShortPath(const std::string& path, std::string& shortPath) override;
};
