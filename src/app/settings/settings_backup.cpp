// The backup of the main key as an image file "Vellin.sav" in the application
// folder, and removing the settings on uninstall.
#include "app/settings/app_settings.h"
#include "app/settings/settings_keys.h"

namespace keys = settings_keys;

bool CAppSettings::BackupFile(std::string& file) const {
    std::string folder;
    if (AppFolder.empty() || !registry_.ShortPath(AppFolder, folder) || folder.empty()) return false;
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    file = folder + std::string(keys::kBackupFileName);
    return true;
}

void CAppSettings::WriteBackup(store::StoreKey& key, bool forceBackup) {
    // During Setup the application folder may still change.
    if (RunState == kRunSetupRequested || RunState == kRunFirstRunSetup) return;
    std::string file;
    if (!BackupFile(file)) return;
    if (!forceBackup && registry_.ImageExists(file)) return;
    key.SaveImage(file);  // a failed backup is not worth bothering the user with
}

bool CAppSettings::RestoreSettingsBackup() {
    std::string file;
    if (!BackupFile(file) || !registry_.ImageExists(file)) return false;
    std::unique_ptr<store::StoreKey> image = registry_.OpenImage(file);
    if (!image) return false;
    // The restored settings reach the main key with the next save.
    ReadSettings(*image);
    return true;
}

bool CAppSettings::RemoveSettings() {
    if (std::unique_ptr<store::StoreKey> key = registry_.Open(store::Root::kCurrentUser, keys::kMainKey))
        for (std::string_view subkey : keys::kTableSubkeys) key->DeleteSubkey(subkey);

    if (std::unique_ptr<store::StoreKey> maker = registry_.Open(store::Root::kCurrentUser, keys::kMakerKey)) {
        // "Vellinor\2.0", then "Vellinor" once it is empty.
        std::string product(keys::kProductKey);
        while (maker->DeleteSubkey(product)) {
            std::size_t cut = product.rfind('\\');
            if (cut == std::string::npos) break;
            product.resize(cut);
        }
        // Other programs of the same maker keep their key.
        if (maker->SubkeyCount() == 0)
            if (std::unique_ptr<store::StoreKey> software = registry_.Open(store::Root::kCurrentUser, "Software"))
                software->DeleteSubkey(keys::kMakerKey.substr(keys::kMakerKey.find('\\') + 1));
    }

    // Setup writes the uninstall entry for the user when the machine's is refused.
    for (store::Root root : {store::Root::kLocalMachine, store::Root::kCurrentUser})
        if (std::unique_ptr<store::StoreKey> uninstall = registry_.Open(root, keys::kUninstallKey))
            uninstall->DeleteSubkey(keys::kUninstallEntry);
    return true;
}
