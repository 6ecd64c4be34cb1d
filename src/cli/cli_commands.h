// Subcommands of vellinor-cli. Each subsystem keeps its commands in a file
// of its own here and adds them to the table in cli_run.cpp.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_terminal.h"

// What a command gets: its arguments as the terminal gave them, the terminal
// (for list texts in arguments and output) and the two output streams.
struct CliCall {
    const std::vector<std::string>& args;
    const CliTerminal& terminal;
    std::ostream& out;
    std::ostream& err;
};

struct CliCommand {
    const char* name;
    const char* usage;  // arguments after the command name
    int argumentCount;  // exact number of arguments after the command name
    int (*run)(const CliCall& call);
};

// The whole command line after the program name; the exit status.
int RunCli(const std::vector<std::string>& args, const CliTerminal& terminal, std::ostream& out,
           std::ostream& err);

// Exit statuses: 0 success, 1 the operation failed, 2 bad command line.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

int RunCheck(const CliCall& call);
int RunNormalize(const CliCall& call);
int RunFind(const CliCall& call);
int RunImport(const CliCall& call);
int RunExport(const CliCall& call);
int RunDuplicates(const CliCall& call);
int RunDedupe(const CliCall& call);
int RunCheckLinks(const CliCall& call);

// Loads a list for a command; prints the reason and returns false when it
// cannot be used. A partly loaded (read-only) list is usable for reading.
class CUrlListFile;
bool LoadListForCommand(CUrlListFile& list, const std::string& path, std::ostream& err,
                        int& loadResult);
// Writes a loaded list to `target` for a command, refusing a partly loaded
// list and the list's own file; the exit status.
int WriteListCopy(const CUrlListFile& list, int loadResult, const std::string& source,
                  const std::string& target, std::ostream& out, std::ostream& err);
