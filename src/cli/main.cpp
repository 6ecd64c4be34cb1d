// vellinor-cli: the portable core from the command line.
#include <cstring>
#include <iostream>

#include "cli/cli_commands.h"

namespace {

const CliCommand kCommands[] = {
    {"check", "LIST", 1, RunCheck},
    {"normalize", "LIST OUT", 2, RunNormalize},
    {"find", "LIST TEXT", 2, RunFind},
    {"import", "netscape|opera|aol|favorites|startmenu SOURCE NEWLIST", 3, RunImport},
    {"export", "netscape|opera|favorites LIST TARGET", 3, RunExport},
    {"duplicates", "LIST", 1, RunDuplicates}, {"dedupe", "LIST OUT", 2, RunDedupe}, {"check-links", "LIST", 1, RunCheckLinks},
};

int Usage(std::ostream& err) {
    err << "usage:\n";
    for (const CliCommand& command : kCommands)
        err << "  vellinor-cli " << command.name << ' ' << command.usage << '\n';
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(std::cerr);
    for (const CliCommand& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        if (static_cast<int>(args.size()) != command.argumentCount) {
            std::cerr << "vellinor-cli: '" << command.name << "' takes " << command.usage << '\n';
            return kExitUsage;
        }
        return command.run(args, std::cout, std::cerr);
    }
    std::cerr << "vellinor-cli: unknown command '" << argv[1] << "'\n";
    return Usage(std::cerr);
}
