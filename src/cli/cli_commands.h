// Subcommands of vellinor-cli. Each subsystem keeps its commands in a file
// of its own here and adds them to the table in main.cpp.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct CliCommand {
    const char* name;
    const char* usage;  // arguments after the command name
    int argumentCount;  // exact number of arguments after the command name
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Exit statuses: 0 success, 1 the operation failed, 2 bad command line.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunNormalize(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunFind(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDuplicates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDedupe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCheckLinks(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Loads a list for a command; prints the reason and returns false when it
// cannot be used. A partly loaded (read-only) list is usable for reading.
class CUrlListFile;
bool LoadListForCommand(CUrlListFile& list, const std::string& path, std::ostream& err,
                        int& loadResult);
// Writes a loaded list to `target` for a command, refusing a partly loaded
// list and the list's own file; the exit status.
int WriteListCopy(const CUrlListFile& list, int loadResult, const std::string& source,
                  const std::string& target, std::ostream& out, std::ostream& err);
