// Writing an open list as a folder tree of Internet shortcuts. The tree is
// built from explicit paths below the target; the process's current folder
// is never changed.
#include <vector>

#include "exchange/favorites.h"
#include "exchange/list_walk.h"
#include "exchange/safe_file_name.h"
#include "exchange/shortcut_files.h"

int ExportFavorites(const CUrlListFile& list, const std::string& target,
                    CFavoritesExportProblem& problem) {
    const ListEnvironment& env = list.Environment();
    platform::FileSystem& files = *env.files;
    if (!files.IsFolder(target)) return -1;
    std::vector<std::string> folders{target};  // [level] is where items of that level go
    std::string_view folderNames[2];           // for the problem report
    int result = 0;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        if (result != 0 || item.name.empty()) return;
        if (item.level < kTitle) {
            while (static_cast<int>(folders.size()) > item.level + 1) folders.pop_back();
            std::string folder =
                platform::JoinPath(folders.back(), SafeFileName(item.name, {}, *env.codePage));
            platform::OsError error = files.CreateFolder(folder);
            if (error != 0 && !files.IsFolder(folder)) {  // an existing folder is used as it is
                result = error;
                return;
            }
            folders.push_back(std::move(folder));
            folderNames[item.level] = item.name;
            if (item.level == kCategory) folderNames[kSubcategory] = {};
            return;
        }
        int error = WriteUrlFile(folders.back(), item.name, item.url, env);
        if (error != 0 && !problem.GoOn(folderNames[kCategory], folderNames[kSubcategory], item.name, error))
            result = error;
    });
    return result;
}
