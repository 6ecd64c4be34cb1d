// What the command line and the program's own file name decide at start.
#pragma once

#include <string>
#include <string_view>

// The uninstall run: the whole command line is exactly "-uninstall", in that
// case; anything else (a capital letter, more text) is a normal start.
bool IsUninstallCommand(std::string_view commandLine) noexcept;

// A program file named SETUP.EXE (any case) was started as the installer
// and runs Setup first, whatever the settings hold.
bool IsSetupProgram(std::string_view programPath) noexcept;

// The folder of a file, with its trailing backslash ("C:\Tools\" for
// "C:\Tools\vellinor.exe"); empty for a name without a folder.
std::string FolderOfProgram(std::string_view programPath);

// The running module's full path.
std::string ModulePath();
