// Text between the terminal and the lists: arguments arrive and output
// leaves in the terminal's encoding, while list texts are bytes in the ANSI
// code page. File paths are the file system's own bytes and pass unchanged.
#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"

class CliTerminal {
public:
    // With `utf8` the terminal speaks UTF-8 and text is converted through the
    // code page; without, it speaks the code page itself.
    CliTerminal(const platform::CodePage& codePage, bool utf8) : codePage_(codePage), utf8_(utf8) {}
    static CliTerminal OfThisSystem();

    // False when the argument holds a character the code page lacks.
    bool FromArgument(std::string_view argument, std::string& ansi) const;
    std::string Shown(std::string_view ansi) const;

private:
    const platform::CodePage& codePage_;
    bool utf8_;
};
