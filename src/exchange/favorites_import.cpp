// Reading a folder tree of shortcut files into a new list file. In each
// folder its own shortcuts come first, then its subfolders.
#include <new>
#include <vector>

#include "exchange/favorites.h"
#include "exchange/html_text.h"
#include "exchange/list_file_builder.h"
#include "exchange/shortcut_files.h"
#include "exchange/whole_file.h"

namespace {

// The title of a shortcut or folder: its name without the extension that
// the shell hides. Folders have none ("Python 3.12" stays as it is).
std::string_view WithoutExtension(std::string_view name) {
    std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

class CFolderImport {
public:
    CFolderImport(const ListEnvironment& env, exchange::CListFileBuilder& out)
        : env_(env), out_(out) {}

    // The folder's entries are listed by the caller, which knows whether
    // failing to list them stops the import.
    void Import(const std::string& folder, int depth, const std::vector<platform::FolderEntry>& entries);

private:
    void ImportFile(const std::string& path, std::string_view name);

    const ListEnvironment& env_;
    exchange::CListFileBuilder& out_;
};

void CFolderImport::ImportFile(const std::string& path, std::string_view name) {
    std::string url, title;
    if (exchange::EndsWithNoCase(name, ".url")) {
        if (ReadUrlFile(path, url, title, env_) != 0) return;
    } else if (exchange::EndsWithNoCase(name, ".lnk")) {
        if (ReadShellLink(path, url) != 0) return;
        title = WithoutExtension(name);
    } else {
        return;
    }
    out_.AddTitle(url, title, 0, {});
}

void CFolderImport::Import(const std::string& folder, int depth,
                           const std::vector<platform::FolderEntry>& entries) {
    for (const platform::FolderEntry& entry : entries)
        if (!entry.isFolder) ImportFile(platform::JoinPath(folder, entry.name), entry.name);
    std::vector<platform::FolderEntry> inner;
    for (const platform::FolderEntry& entry : entries) {
        if (!entry.isFolder) continue;
        out_.AddFolder(entry.name, depth < 0 ? 0 : 1);
        std::string path = platform::JoinPath(folder, entry.name);
        if (env_.files->ListFolder(path, inner) == 0) Import(path, depth + 1, inner);
    }
}

}  // namespace

int ImportFavorites(const std::string& newList, const std::string& root, const ListEnvironment& env) {
    try {
        std::vector<platform::FolderEntry> entries;
        if (env.files->ListFolder(root, entries) != 0) return -1;
        exchange::CListFileBuilder out;
        CFolderImport(env, out).Import(root, -1, entries);
        return exchange::WriteWholeFile(*env.files, newList, out.Text()) == 0 ? 0 : -1;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}
