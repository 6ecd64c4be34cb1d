// import and export: foreign URL collections to new list files and back.
#include <string_view>

#include "cli/cli_commands.h"
#include "exchange/aol_favorites.h"
#include "exchange/favorites.h"
#include "exchange/json_bookmarks.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/opera_hotlist.h"
#include "model/url_list_file.h"

namespace {

struct ImportFormat {
    std::string_view name;
    std::string_view source;  // what SOURCE must be, for messages
    int (*import)(const std::string& newList, const std::string& source, const ListEnvironment& env);
};

const ImportFormat kImportFormats[] = {
    {"netscape", "a Netscape bookmark file", ImportNetscape},
    {"opera", "an Opera hotlist (first line \"Opera Hotlist version 2.0\")", ImportOpera},
    {"aol", "an AOL favorite places file (.pfc)", ImportAol},
    {"favorites", "a Favorites folder", ImportFavorites},
    {"startmenu", "a Start Menu folder", ImportFavorites},
    {"chromium", "a Chrome or Edge bookmarks file (JSON)", ImportChromium},
    {"firefox-json", "a Firefox bookmarks backup (JSON)", ImportFirefoxJson},
};

bool SamePath(platform::FileSystem& files, const std::string& a, const std::string& b) {
    std::string fullA, fullB;
    return files.FullPath(a, fullA) && files.FullPath(b, fullB) && fullA == fullB;
}

// The name a list goes by: its file name without the extension.
std::string ListName(const std::string& path) {
    std::string_view name = platform::FileNameOf(path);
    return std::string(name.substr(0, name.rfind('.')));
}

class CReportProblems final : public CFavoritesExportProblem {
public:
    explicit CReportProblems(const CliCall& call) : err_(call.err), terminal_(call.terminal) {}
    bool GoOn(std::string_view category, std::string_view subcategory, std::string_view title,
              platform::OsError error) override {
        err_ << "vellinor-cli: could not export " << terminal_.Shown(category) << " - "
             << terminal_.Shown(subcategory) << " - " << terminal_.Shown(title) << ": "
             << platform::OsFileSystem().ErrorText(error) << "\n";
        ++count;
        return true;
    }
    int count = 0;

private:
    std::ostream& err_;
    const CliTerminal& terminal_;
};

}  // namespace

int RunImport(const CliCall& call) {
    const std::string& format = call.args[0];
    const std::string& source = call.args[1];
    const std::string& newList = call.args[2];
    platform::FileSystem& files = platform::OsFileSystem();
    for (const ImportFormat& known : kImportFormats) {
        if (format != known.name) continue;
        if (SamePath(files, source, newList)) {
            call.err << "vellinor-cli: the new list must not overwrite the source\n";
            return kExitUsage;
        }
        if (known.import(newList, source, ListEnvironment{}) == 0) {
            call.out << "imported " << source << " into " << newList << "\n";
            return 0;
        }
        call.err << "vellinor-cli: import failed: ";
        if (!files.Exists(source))
            call.err << "'" << source << "' does not exist\n";
        else
            call.err << "'" << source << "' is not " << known.source
                << " that can be read, or '" << newList
                << "' cannot be written (is it a list that is open?)\n";
        return kExitFailed;
    }
    call.err << "vellinor-cli: unknown import format '" << format
        << "' (netscape, opera, aol, favorites, startmenu, chromium or firefox-json)\n";
    return kExitUsage;
}

int RunExport(const CliCall& call) {
    const std::string& format = call.args[0];
    const std::string& path = call.args[1];
    const std::string& target = call.args[2];
    if (format != "netscape" && format != "opera" && format != "favorites") {
        call.err << "vellinor-cli: unknown export format '" << format << "' (netscape, opera or favorites)\n";
        return kExitUsage;
    }
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, path, call.err, loadResult)) return kExitFailed;
    if (loadResult == -3) {
        call.err << "vellinor-cli: '" << path << "' was only partly loaded; not exporting it\n";
        return kExitFailed;
    }
    if (list.IsSameFile(target)) {
        call.err << "vellinor-cli: the export must not overwrite the list itself\n";
        return kExitUsage;
    }
    CReportProblems problems(call);
    int result = format == "netscape" ? ExportNetscape(list, ListName(path), target)
               : format == "opera"    ? ExportOpera(list, target)
                                      : ExportFavorites(list, target, problems);
    if (result == -1) {
        call.err << "vellinor-cli: export failed: '" << target << "' is not a folder\n";
        return kExitFailed;
    }
    if (result != 0) {
        call.err << "vellinor-cli: export failed: " << list.Environment().files->ErrorText(result) << "\n";
        return kExitFailed;
    }
    if (problems.count > 0) {
        call.err << "vellinor-cli: " << problems.count << " title(s) could not be exported\n";
        return kExitFailed;
    }
    call.out << "exported " << path << " to " << target << "\n";
    return 0;
}
