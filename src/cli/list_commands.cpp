#include "cli/cli_commands.h"
#include "model/url_list_file.h"

namespace {

const char* DescribeLoadResult(int result) {
    switch (result) {
        case 0: return "loaded";
        case 1: return "loaded (full: more than 10,000 titles)";
        case 3: return "loaded read-only (the file is in use or write-protected)";
        case -1: return "file not found or bad path";
        case -2: return "the file cannot be opened";
        case -3: return "partly loaded (out of memory or more than 65,535 items), read-only";
        default: return "unknown result";
    }
}

struct ItemCounts {
    int items = 0;
    int aliases = 0;
};

// By item number rather than along the outline, so that no step waits for
// the one before.
ItemCounts CountItems(const CUrlListFile& list) {
    ItemCounts counts;
    for (int i = 1; i <= list.Count(); ++i) {
        const bool linked = list.IsLinked(i);
        counts.items += linked;
        counts.aliases += linked && list.Item(i).Has(ItemFlags::kAlias);
    }
    return counts;
}

}  // namespace

bool LoadListForCommand(CUrlListFile& list, const std::string& path, std::ostream& err,
                        int& loadResult) {
    loadResult = list.Load(path);
    if (loadResult >= 0 || loadResult == -3) return true;
    err << "vellinor-cli: cannot open list file '" << path << "': "
        << DescribeLoadResult(loadResult) << " ("
        << list.Environment().files->ErrorText(list.LastOsError()) << ")\n";
    return false;
}

int RunCheck(const CliCall& call) {
    CUrlListFile list;
    int result = 0;
    if (!LoadListForCommand(list, call.args[0], call.err, result)) return kExitFailed;
    const ItemCounts counts = CountItems(list);
    call.out << "load result: " << result << " (" << DescribeLoadResult(result) << ")\n"
        << "items: " << counts.items << "\n"
        << "titles: " << list.TitleCount() << "\n"
        << "aliases: " << counts.aliases << "\n"
        << "full: " << (list.IsFull() ? "yes" : "no") << "\n"
        << "read-only: " << (list.IsReadOnly() ? "yes" : "no") << "\n";
    return result == -3 ? kExitFailed : 0;
}

int WriteListCopy(const CUrlListFile& list, int loadResult, const std::string& source,
                  const std::string& target, std::ostream& out, std::ostream& err) {
    if (loadResult == -3) {
        err << "vellinor-cli: '" << source << "' was only partly loaded; not writing a copy\n";
        return kExitFailed;
    }
    if (list.IsSameFile(target)) {
        err << "vellinor-cli: the copy must not overwrite the list itself\n";
        return kExitUsage;
    }
    int error = list.SaveCopy(target);
    if (error != 0) {
        err << "vellinor-cli: cannot write '" << target
            << "': " << list.Environment().files->ErrorText(error) << "\n";
        return kExitFailed;
    }
    out << "wrote " << target << "\n";
    return 0;
}

int RunNormalize(const CliCall& call) {
    CUrlListFile list;
    int result = 0;
    if (!LoadListForCommand(list, call.args[0], call.err, result)) return kExitFailed;
    return WriteListCopy(list, result, call.args[0], call.args[1], call.out, call.err);
}
