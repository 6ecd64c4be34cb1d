// Setup and Uninstall, run by the hidden window when RunState asks for them
// (first run, a program file named SETUP.EXE, "-uninstall", or the
// Application menu). Their dialogs (templates 102 and 103) are not built
// yet: until they are, each run ends as when the user cancels it.
#pragma once

#include <windows.h>

class CAppSettings;

struct SetupOutcome {
    bool cancelled = true;
    // Setup moved the program and started it elsewhere: this run ends.
    bool endProgram = false;
};

SetupOutcome RunSetup(HWND owner, CAppSettings& settings);

// True when the user went through with the uninstall.
bool RunUninstall(HWND owner, CAppSettings& settings);
