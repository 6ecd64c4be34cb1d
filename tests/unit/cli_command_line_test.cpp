// vellinor-cli's command line: a list text given as an argument or printed
// crosses between a UTF-8 terminal and the list's code page; --help,
// --version and the usage on a bad command line.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_commands.h"
#include "test_support.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCommandLine(const std::vector<std::string>& args) {
    CliTerminal utf8Terminal(platform::Windows1252(), true);
    std::ostringstream out, err;
    int status = RunCli(args, utf8Terminal, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliCommandLine, FindTakesAndPrintsUtf8WhileTheListStaysInItsCodePage) {
    testing_support::ScratchFolder folder;
    const std::string list = folder.Path("list.txt");
    testing_support::WriteBytes(list, "<1>Caf\xE9s\r\n\t<2>Paris\r\n\t\thttp://a\tChez Gda?sk\r\n");

    CliRun found = RunCommandLine({"find", list, "CAF\xC3\x89"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "Caf\xC3\xA9s\n");

    // 'ń' is not in the code page: the text can be in no list, and it is not
    // taken for the '?' the code page would put in its place.
    CliRun lacking = RunCommandLine({"find", list, "Gda\xC5\x84sk"});
    EXPECT_EQ(lacking.status, kExitFailed);
    EXPECT_EQ(lacking.out, "");
    EXPECT_NE(lacking.err.find("'Gda\xC5\x84sk'"), std::string::npos) << lacking.err;
}

TEST(CliCommandLine, CheckCountsWhatTheOutlineHolds) {
    testing_support::ScratchFolder folder;
    const std::string list = folder.Path("list.txt");
    // The alias naming no title is dropped on loading and not counted.
    testing_support::WriteBytes(list, "<1>C\r\n\t<2>S\r\n\t\thttp://a\tA\t\xA6#3\r\n\t\talias:3\r\n"
                                      "\t\talias:99\r\n\t\thttp://b\tB\r\n");
    CliRun check = RunCommandLine({"check", list});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_NE(check.out.find("items: 5\ntitles: 2\naliases: 1\n"), std::string::npos) << check.out;
}

TEST(CliCommandLine, HelpVersionAndUsage) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* out;  // a part of standard output
        const char* err;  // a part of standard error
    } cases[] = {
        {{"--help"}, 0, "vellinor-cli find LIST TEXT\n", ""},
        {{"--help"}, 0, "exit status: 0 success, 1", ""},
        {{"--version"}, 0, "vellinor-cli ", ""},
        {{}, kExitUsage, "", "usage:\n"},
        {{"frobnicate"}, kExitUsage, "", "usage:\n"},
        {{"find", "list.txt"}, kExitUsage, "", "usage:\n"},
    };
    for (const auto& c : cases) {
        CliRun run = RunCommandLine(c.args);
        EXPECT_EQ(run.status, c.status) << c.out << c.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.status == kExitUsage) {
            EXPECT_EQ(run.out, "");
        }
    }
}

}  // namespace
