#include "cli/cli_terminal.h"

CliTerminal CliTerminal::OfThisSystem() {
    return CliTerminal(platform::AnsiCodePage(), platform::ConsoleSpeaksUtf8());
}

bool CliTerminal::FromArgument(std::string_view argument, std::string& ansi) const {
    if (!utf8_) {
        ansi.assign(argument);
        return true;
    }
    ansi = codePage_.FromUtf8(argument);
    // A character the code page lacks came out as its default character.
    return codePage_.ToUtf8(ansi) == argument;
}

std::string CliTerminal::Shown(std::string_view ansi) const {
    return utf8_ ? codePage_.ToUtf8(ansi) : std::string(ansi);
}
