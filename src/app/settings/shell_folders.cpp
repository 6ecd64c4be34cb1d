// The user's special folders, as Explorer records them.
#include "app/settings/app_settings.h"
#include "app/store/store_values.h"

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kShellFolderNames[] = {"Desktop", "AppData", "Startup", "Programs"};
constexpr int kQuickLaunch = 1;  // lies below AppData
constexpr std::string_view kQuickLaunchFolder = "\\Microsoft\\Internet Explorer\\Quick Launch";

}  // namespace

std::optional<std::string> ShellFolderValue(store::KeyValueStore& registry, std::string_view name) {
    return store::ReadRegistryString(registry, store::Root::kCurrentUser, kShellFoldersKey, name);
}

std::optional<std::string> ShellFolderPath(store::KeyValueStore& registry, int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kShellFolderNames))) return std::nullopt;
    std::optional<std::string> folder =
        ShellFolderValue(registry, kShellFolderNames[static_cast<std::size_t>(index)]);
    if (folder && index == kQuickLaunch) *folder += kQuickLaunchFolder;
    return folder;
}
