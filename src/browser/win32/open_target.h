// Opening a title's target: Internet URLs in the current browser (through
// Internet Explorer automation, the WWW_ DDE topics or by starting the
// browser program), mail links, documents (a name with wildcards opens the
// greatest match), folders and programs with arguments through the shell.
// Every failure ends in one message (two when the browser program cannot
// be started) and false.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "browser/win32/browser_context.h"
#include "browser/win32/launcher.h"

class CUrlListFile;

enum class WindowChoice { kDefault, kNewWindow, kFrontmost };

struct OpenRequest {
    std::string target;
    WindowChoice window = WindowChoice::kDefault;
    bool containingFolder = false;  // Open Folder: the folder that holds the target
    bool explore = false;           // with the shell's "explore" verb
};

bool OpenTarget(const BrowserContext& context, HWND owner, const OpenRequest& request);
bool OpenUrlInBrowser(const BrowserContext& context, HWND owner, std::string_view url, bool newWindow);
bool OpenDocument(ILauncher& launcher, HWND owner, const std::string& path, bool explore,
                  bool reportErrors);
// `verb` empty: "open".
bool ShellOpen(ILauncher& launcher, HWND owner, const std::string& file,
               const std::string& parameters, const std::string& verb, bool reportErrors);
bool StartProgram(ILauncher& launcher, HWND owner, const std::string& program,
                  const std::string& arguments, bool reportErrors);

// Shows `message` (a browser problem from the string table) and then the
// Preferences at the Web Browsers page.
void AskToConfigureBrowser(const BrowserContext& context, HWND owner, UINT message);

// Opens the title `item` of `list` (its target through aliases) as
// `request` asks (its target is ignored); only when that succeeded the
// title's Last Visited time becomes now.
bool OpenListTitle(const BrowserContext& context, HWND owner, CUrlListFile& list, int item,
                   OpenRequest request);
