// The installation itself, once the Setup dialog's choices have passed its
// checks: the program files, the list folder and the lists in it, the sample
// list, the shell extension, the shortcuts, the uninstall entry and the
// settings.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/setup_runs.h"

// The shortcut locations in the order of ShellFolderPath and of the check
// boxes: desktop, Quick Launch, Startup, Start Menu.
inline constexpr int kShortcutPlaces = 4;
inline constexpr int kStartMenuPlace = 3;

struct SetupChoices {
    bool move = false;              // else the program files stay where they are
    std::string programFolder;      // where they move to
    bool listsWithProgram = true;   // else in listFolder
    std::string listFolder;
    std::array<bool, kShortcutPlaces> shortcutEnabled{};
    std::array<bool, kShortcutPlaces> shortcutChecked{};
    std::string startMenuFolder;
};

struct InstallResult {
    bool done = false;   // false: stopped, with what was done so far left in place
    bool moved = false;  // the program file was copied to another folder
    std::string programPath;  // the program file from now on
};

// Messages are owned by `owner`. The first-installation state ends with a
// completed installation.
InstallResult Install(HWND owner, const SetupContext& context, const SetupChoices& choices);
