// vellinor-cli: the portable core from the command line.
#include <iostream>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return RunCli(args, CliTerminal::OfThisSystem(), std::cout, std::cerr);
}
