// vellinor-cli find: the entries that the Find command stops at, in outline
// order, one per line: the names down to the entry, and a title's URL.
#include "cli/cli_commands.h"
#include "model/url_list_file.h"

namespace {

void PrintSelection(const CUrlListFile& list, const CliTerminal& terminal, std::ostream& out) {
    const char* separator = "";
    for (int level = 0; level < kLevelCount && list.Selection(level) >= 0; ++level) {
        out << separator << terminal.Shown(list.DisplayName(list.SelectedItem(level)));
        separator = " / ";
    }
    if (list.Selection(kTitle) >= 0) out << '\t' << terminal.Shown(list.SelectedUrl());
    out << '\n';
}

}  // namespace

int RunFind(const CliCall& call) {
    const std::string& path = call.args[0];
    const std::string& argument = call.args[1];
    std::string text;
    if (!call.terminal.FromArgument(argument, text)) {
        call.err << "vellinor-cli: '" << argument
                 << "' holds characters that list files cannot hold, so it is in no list\n";
        return kExitFailed;
    }
    CUrlListFile list;
    int loadResult = 0;
    if (!LoadListForCommand(list, path, call.err, loadResult)) return kExitFailed;
    CFindState round;
    // Starting with nothing selected, each step finds the next match until
    // the first one comes round again (or it was the only one).
    int matches = 0;
    CUrlListFile::FindOutcome step = list.FindNext(text, round);
    for (; step.result == 0; step = list.FindNext(text, round), ++matches)
        PrintSelection(list, call.terminal, call.out);
    if (step.result == -3) {
        call.err << "vellinor-cli: out of memory while searching '" << path << "'\n";
        return kExitFailed;
    }
    if (matches == 0) {
        call.err << "vellinor-cli: '" << argument << "' not found in '" << path << "'\n";
        return kExitFailed;
    }
    return 0;
}
