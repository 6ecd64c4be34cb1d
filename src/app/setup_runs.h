// Setup and Uninstall, run by the hidden window when RunState asks for them
// (first run, a program file named SETUP.EXE, "-uninstall", or the
// Application menu): their dialogs (templates 102 and 103) and what follows
// them.
#pragma once

#include <windows.h>

#include <functional>

class CAppSettings;
class ILauncher;
namespace store {
class KeyValueStore;
}

// What the runs work on.
struct SetupContext {
    CAppSettings& settings;
    // Where the settings, the user's shell folders and the uninstall entry live.
    store::KeyValueStore& registry;
    ILauncher& launcher;
    // The Preferences at the URL Lists page, shown after a first installation.
    std::function<void(HWND owner)> showListPreferences;
    // Lets go of what makes this run the only instance, so that the program
    // started in its new place does not take this ending run for one.
    std::function<void()> letGoOfInstance;
};

struct SetupOutcome {
    bool cancelled = true;
    // Setup moved the program: this run ends (it may have started the
    // program in its new place).
    bool endProgram = false;
};

// The Setup dialog; after an installation the Preferences (a first one) and
// the offer to start the program from its new place (a move).
SetupOutcome RunSetup(HWND owner, const SetupContext& context);

// True when the user went through with the uninstall.
bool RunUninstall(HWND owner, const SetupContext& context);
