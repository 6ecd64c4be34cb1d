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
    // The folders open from the target down, each at the depth its level gives
    // it: one more than the level. A subcategory without a category above it
    // opens in the target at depth 2, so the next one goes up to the target
    // again; the target itself is never left.
    struct OpenFolder {
        std::string path;
        int depth;
    };
    std::vector<OpenFolder> open{{target, 0}};
    std::string_view folderNames[2];  // for the problem report
    int result = 0;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        if (result != 0 || item.name.empty()) return;
        if (item.level < kTitle) {
            while (open.back().depth > item.level) open.pop_back();
            std::string folder =
                platform::JoinPath(open.back().path, SafeFileName(item.name, {}, *env.codePage));
            platform::OsError error = files.CreateFolder(folder);
            if (error != 0 && !files.IsFolder(folder)) {  // an existing folder is used as it is
                result = error;
                return;
            }
            open.push_back({std::move(folder), item.level + 1});
            folderNames[item.level] = item.name;
            if (item.level == kCategory) folderNames[kSubcategory] = {};
            return;
        }
        int error = WriteUrlFile(open.back().path, item.name, item.url, env);
        if (error != 0 && !problem.GoOn(folderNames[kCategory], folderNames[kSubcategory], item.name, error))
            result = error;
    });
    return result;
}
