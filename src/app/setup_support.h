// What Setup and Uninstall share: the program's files, its shortcut file,
// the shell extension's entry points, careful file copying and what their
// dialogs have in common.
#pragma once

#include <windows.h>

#include <iterator>
#include <string>

#include "dialogs/help.h"
#include "dialogs/help_dialog.h"

namespace program_files {
// In this order; the first is the program itself. When the program files
// move, the first kCopied are copied to the new folder and the rest (files of
// earlier versions) are only deleted from the old one.
inline constexpr const char* kNames[] = {
    "Vellinor.exe", "VellinIE.dll", "Vellin.sav",  "Vellin.chm", "ReadMe.txt",
    "Vellinor Home Page.url", "FILE_ID.DIZ", "Vellin.hlp", "Vellin.cnt", "Vellin.gid"};
inline constexpr int kCount = static_cast<int>(std::size(kNames));
inline constexpr int kCopied = 6;
inline constexpr int kProgram = 0;
inline constexpr int kExtension = 1;
}  // namespace program_files

// The program's shortcut in `folder`: its "Vellinor.lnk".
std::string ShortcutPath(const std::string& folder);

bool FileExists(const std::string& path);
// The same path or name, ignoring case as the file system does.
bool SameText(const std::string& a, const std::string& b);
// One file under two names: the same path ignoring case, or the same file
// of the same volume (a short name, another spelling of the folder).
bool IsSameFile(const std::string& a, const std::string& b);
// Clears the attributes that would keep it from being replaced or deleted.
void MakeWritable(const std::string& path);

// Copies `source` over `target` so that `target` is either the complete copy
// or what it was before: the copy is made beside it under a temporary name,
// checked for its size and only then put in place. False when anything failed;
// nothing of the copy is left behind then.
bool CopyWholeFile(const std::string& source, const std::string& target);

enum class ExtensionCall { kAbsent, kNotLoaded, kCalled };
// Loads the shell extension from `folder` and calls its exported `entry`
// ("DllRegisterServer" or "DllUnregisterServer") when it has one.
ExtensionCall CallExtension(const std::string& folder, const char* entry);

// The base of the Setup and Uninstall dialogs: in the middle of the
// desktop, with the help at the Setup page (the Help button IDHELP and F1).
class CSetupDialogBase : public CHelpDialog {
protected:
    CSetupDialogBase(UINT templateId, HWND owner) noexcept : CHelpDialog(templateId, owner, help_topic::kSetup) {}
    bool OnInit() override;
};
