// The command line of vellinor-cli: which command runs, --help and --version.

#include "cli/cli_commands.h"

namespace {

struct NamedCommand {
    CliCommand command;
    const char* summary;  // for --help
};

const NamedCommand kCommands[] = {
    {{"check", "LIST", 1, RunCheck}, "loads the list and counts what it holds"},
    {{"normalize", "LIST OUT", 2, RunNormalize}, "writes the list to OUT the way Vellinor writes lists"},
    {{"find", "LIST TEXT", 2, RunFind},
     "prints each entry whose name (a title's URL, title, note or log-in name) holds TEXT"},
    {{"import", "netscape|opera|aol|favorites|startmenu|chromium|firefox-json SOURCE NEWLIST", 3, RunImport},
     "makes a new list from a bookmark file, hotlist or folder"},
    {{"export", "netscape|opera|favorites LIST TARGET", 3, RunExport},
     "writes the list as a bookmark file, hotlist or folder of shortcuts"},
    {{"duplicates", "LIST", 1, RunDuplicates}, "prints each group of titles that hold the same address"},
    {{"dedupe", "LIST OUT", 2, RunDedupe},
     "writes the list to OUT with every later title of an address made an alias of the first"},
    {{"check-links", "LIST", 1, RunCheckLinks}, "checks every Web address of the list and prints the dead and moved ones"},
};

constexpr const char* kExitStatuses =
    "exit status: 0 success, 1 the operation failed, 2 bad command line\n";

void PrintUsage(std::ostream& stream, bool withSummaries) {
    stream << "usage:\n";
    for (const NamedCommand& named : kCommands) {
        stream << "  vellinor-cli " << named.command.name << ' ' << named.command.usage << '\n';
        if (withSummaries) stream << "      " << named.summary << '\n';
    }
    stream << "  vellinor-cli --help | --version\n" << kExitStatuses;
}

int Usage(std::ostream& err) {
    PrintUsage(err, false);
    return kExitUsage;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const CliTerminal& terminal, std::ostream& out,
           std::ostream& err) {
    if (args.empty()) return Usage(err);
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") {
        PrintUsage(out, true);
        return 0;
    }
    if (name == "--version") {
        out << "vellinor-cli " << VELLINOR_VERSION << '\n';
        return 0;
    }
    for (const NamedCommand& named : kCommands) {
        const CliCommand& command = named.command;
        if (name != command.name) continue;
        std::vector<std::string> commandArgs(args.begin() + 1, args.end());
        if (static_cast<int>(commandArgs.size()) != command.argumentCount) {
            err << "vellinor-cli: '" << command.name << "' takes " << command.usage << '\n';
            return Usage(err);
        }
        return command.run(CliCall{commandArgs, terminal, out, err});
    }
    err << "vellinor-cli: unknown command '" << name << "'\n";
    return Usage(err);
}
