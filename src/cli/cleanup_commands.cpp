// vellinor-cli duplicates, dedupe and check-links: cleaning up a list.
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define VELLINOR_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define VELLINOR_ISATTY(fd) isatty(fd)
#endif

#include "cli/cli_commands.h"
#include "model/duplicate_urls.h"
#include "model/link_check.h"
#include "model/title_text.h"
#include "model/url_list_file.h"

namespace {

// "category / subcategory / title" of a title, from the entries above it.
std::string OutlinePath(const CUrlListFile& list, int item) {
    std::string names[kLevelCount];
    names[kTitle] = std::string(list.DisplayName(item));
    for (int level = kTitle - 1, above = list.Item(item).prev; level >= 0 && above != 0;
         above = list.Item(above).prev)
        if (list.Level(above) == level) names[level--] = std::string(list.DisplayName(above));
    return names[kCategory] + " / " + names[kSubcategory] + " / " + names[kTitle];
}

int OutOfMemory(std::ostream& err, const std::string& path) {
    err << "vellinor-cli: out of memory while working on '" << path << "'\n";
    return kExitFailed;
}

}  // namespace

int RunDuplicates(const CliCall& call) {
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, call.args[0], call.err, loadResult)) return kExitFailed;
    DuplicateGroups groups;
    if (FindDuplicateUrls(list, groups) != 0) return OutOfMemory(call.err, call.args[0]);
    for (int g = 0; g < groups.Count(); ++g) {
        if (g > 0) call.out << '\n';
        for (std::uint32_t i = groups.starts[g]; i < groups.starts[g + 1]; ++i)
            call.out << call.terminal.Shown(OutlinePath(list, groups.items[i])) << '\t'
                << call.terminal.Shown(TitleUrl(list.RawText(groups.items[i]))) << '\n';
    }
    call.err << groups.Count() << " address(es) held by more than one title\n";
    return 0;
}

int RunDedupe(const CliCall& call) {
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, call.args[0], call.err, loadResult)) return kExitFailed;
    DuplicateMergeCounts counts;
    if (list.MergeDuplicateUrls(counts) != 0) return OutOfMemory(call.err, call.args[0]);
    call.out << counts.aliases << " title(s) of " << counts.groups << " address(es) became aliases; "
        << counts.notesExtended << " note(s) took what differed\n";
    return WriteListCopy(list, loadResult, call.args[0], call.args[1], call.out, call.err);
}

int RunCheckLinks(const CliCall& call) {
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, call.args[0], call.err, loadResult)) return kExitFailed;
    LinkCollection collection;
    if (CollectLinks(list, collection) != 0) return OutOfMemory(call.err, call.args[0]);
    std::unique_ptr<platform::HttpClient> http = platform::MakeHttpClient();
    if (!http) {
        call.err << "vellinor-cli: the HTTP library cannot be started\n";
        return kExitFailed;
    }
    CLinkChecker checker(*http);
    bool terminal = &call.err == &std::cerr && VELLINOR_ISATTY(2);
    std::vector<LinkResult> results;
    if (checker.Check(collection.links, results, [&](int done, int total) {
            if (terminal) call.err << "\rchecked " << done << " of " << total << std::flush;
        }) == -3)
        return OutOfMemory(call.err, call.args[0]);
    if (terminal) call.err << '\n';
    int dead = 0, moved = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const LinkResult& result = results[i];
        const LinkToCheck& link = collection.links[i];
        if (result.state == LinkState::kDead) {
            ++dead;
            call.out << "dead\t" << call.terminal.Shown(OutlinePath(list, link.item)) << '\t' << call.terminal.Shown(link.url) << '\t'
                << LinkReasonText(result.reason);
            if (result.status != 0) call.out << " (" << result.status << ')';
            call.out << '\n';
        } else if (result.state == LinkState::kMoved) {
            ++moved;
            call.out << "moved\t" << call.terminal.Shown(OutlinePath(list, link.item)) << '\t' << call.terminal.Shown(link.url)
                << '\t' << call.terminal.Shown(result.newUrl) << '\n';
        }
    }
    call.err << collection.links.size() << " link(s) checked: " << dead << " dead, " << moved << " moved; skipped "
        << collection.notWeb << " that are not Web addresses and " << collection.malformed << " malformed\n";
    return 0;
}
