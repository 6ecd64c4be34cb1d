// The list table and the list folder.
#include "app/settings/app_settings.h"
#include "app/settings/int_list.h"
#include "model/url_list_file.h"

namespace {

constexpr std::string_view kSameFolder = ".";
constexpr std::string_view kRelativePrefix = ".\\";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

const ListEntry& ListTable::Entry(int index) const {
    static const ListEntry kEmpty{"", "", ""};
    return index >= 0 && index < Count() ? entries[static_cast<std::size_t>(index)] : kEmpty;
}

void CAppSettings::StoreListStart(const CUrlListFile* openList) {
    int current = Lists.CurrentList;
    if (!openList || current < 0 || current >= Lists.Count()) return;
    const int selection[kLevelCount] = {openList->Selection(kCategory),
                                        openList->Selection(kSubcategory),
                                        openList->Selection(kTitle)};
    Lists.entries[static_cast<std::size_t>(current)].start = FormatIntList(selection, kLevelCount);
}

int CAppSettings::AddList(const std::string& name, const std::string& path) {
    // Only the first kMaxLists entries are read back from the store.
    if (Lists.Count() >= kMaxLists) return -1;
    Lists.entries.push_back({name, path});
    return Lists.Count() - 1;
}

int CAppSettings::FindListByFile(const std::string& path) const {
    std::vector<std::string> paths;
    for (const ListEntry& entry : Lists.entries) paths.push_back(entry.path);
    return FindFileAmong(paths, path);
}

int CAppSettings::FindFileAmong(const std::vector<std::string>& paths, const std::string& path) const {
    platform::FileSystem& files = *env_.files;
    std::string wanted;
    if (path.empty() || !files.Exists(path) || !files.FullPath(path, wanted)) return -1;
    WaitCursorScope wait(env_.waitCursor);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string full;
        // Windows file names ignore case: "C:\Lists\A.txt" and "c:\lists\a.TXT" are one file.
        if (!paths[i].empty() && files.Exists(paths[i]) && files.FullPath(paths[i], full) &&
            env_.codePage->CompareNoCase(full, wanted) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void CAppSettings::ResolveListFolder() {
    if (ListFolder.empty() || ListFolder == kSameFolder)
        ListFolder = AppFolder;
    else if (StartsWith(ListFolder, kRelativePrefix))
        ListFolder = AppFolder + ListFolder.substr(kRelativePrefix.size());
    if (ListFolder.empty() || ListFolder.back() != '\\') ListFolder += '\\';
}

// Relative to the application folder, so that the program and its lists can
// move together (e.g. on a removable drive).
std::string CAppSettings::StoredListFolder() const {
    std::size_t appLength = AppFolder.size();
    if (appLength == 0 || AppFolder.back() != '\\' || ListFolder.size() < appLength ||
        env_.codePage->CompareNoCase(std::string_view(ListFolder).substr(0, appLength), AppFolder) != 0)
        return ListFolder;
    return std::string(kSameFolder) + ListFolder.substr(appLength - 1);
}
