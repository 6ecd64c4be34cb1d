// vellinor-cli find: the entries that the Find command stops at, in outline
// order, one per line: the names down to the entry, and a title's URL.
#include "cli/cli_commands.h"
#include "model/url_list_file.h"

namespace {

void PrintSelection(const CUrlListFile& list, std::ostream& out) {
    const char* separator = "";
    for (int level = 0; level < kLevelCount && list.Selection(level) >= 0; ++level) {
        out << separator << list.DisplayName(list.SelectedItem(level));
        separator = " / ";
    }
    if (list.Selection(kTitle) >= 0) out << '\t' << list.SelectedUrl();
    out << '\n';
}

}  // namespace

int RunFind(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, args[0], err, loadResult)) return kExitFailed;
    CFindState round;
    // Starting with nothing selected, each step finds the next match until
    // the first one comes round again (or it was the only one).
    int matches = 0;
    CUrlListFile::FindOutcome step = list.FindNext(args[1], round);
    for (; step.result == 0; step = list.FindNext(args[1], round), ++matches) PrintSelection(list, out);
    if (step.result == -3) {
        err << "vellinor-cli: out of memory while searching '" << args[0] << "'\n";
        return kExitFailed;
    }
    if (matches == 0) {
        err << "vellinor-cli: '" << args[1] << "' not found in '" << args[0] << "'\n";
        return kExitFailed;
    }
    return 0;
}
