#include "browser/win32/open_target.h"

#include "browser/target_text.h"
#include "browser/win32/browser_dde.h"
#include "browser/win32/ensure_folder.h"
#include "browser/win32/ie_automation.h"
#include "dialogs/messages.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "win/handles.h"

namespace {

PathKind KindOfPath(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::kFolder : PathKind::kFile;
}

bool ShiftHeld() { return ::GetKeyState(VK_SHIFT) < 0; }

// The folder that holds `file`, when it exists; a program started in a
// folder that does not exist would fail for that alone.
std::string WorkingFolder(const std::string& file) {
    std::string folder;
    if (file.empty() || !EnsureFolder(nullptr, folder, file, true, false, false)) return {};
    return folder;
}

void ShowStartError(HWND owner, DWORD error) {
    if (std::optional<std::string> text = FormatSystemError(IDS_CANNOT_START_APPLICATION, error))
        MsgBoxFromText(owner, *text, MsgBoxKind::kExclamation);
}

// The URL as one argument on a command line: quoted when it holds a space
// or a quote, a quote inside escaped with a backslash.
std::string UrlArgument(std::string_view url) {
    if (url.find_first_of(" \t\"") == std::string_view::npos) return std::string(url);
    std::string quoted = "\"";
    for (char c : url) {
        if (c == '"') quoted += '\\';
        quoted += c;
    }
    if (!quoted.empty() && quoted.back() == '\\') quoted += '\\';
    return quoted + '"';
}

// The greatest full path (byte for byte) among the files matching
// `pattern`; empty when no file matches.
std::string GreatestMatch(const std::string& pattern) {
    WIN32_FIND_DATAA found{};
    win::UniqueFind find(::FindFirstFileA(pattern.c_str(), &found));
    if (!find) return {};
    std::string folder = SplitPathParts(pattern, true).folder;
    std::string greatest;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;  // "." and ".." too
        std::string full = folder + found.cFileName;
        if (full > greatest) greatest = std::move(full);
    } while (::FindNextFileA(find.Get(), &found));
    return greatest;
}

}  // namespace

bool OpenTarget(const BrowserContext& context, HWND owner, const OpenRequest& request) {
    const std::string& target = request.target;
    if (target.empty()) return false;
    ILauncher& launcher = *context.launcher;
    if (IsMailLink(target)) return OpenDocument(launcher, owner, target, false, true);
    if (IsInternetUrl(target)) {
        bool newWindow = request.window == WindowChoice::kNewWindow ||
                         (request.window == WindowChoice::kDefault && context.openInNewWindow != ShiftHeld());
        return OpenUrlInBrowser(context, owner, target, newWindow);
    }
    if (request.containingFolder) {
        std::string folder = target;
        if (KindOfPath(target) != PathKind::kFolder && !EnsureFolder(owner, folder, target, true, false, true))
            return false;
        return OpenDocument(launcher, owner, folder, request.explore, true);
    }
    std::string program;
    std::string arguments;
    if (SplitProgramCommand(target, KindOfPath, program, arguments) || !arguments.empty())
        return ShellOpen(launcher, owner, program, arguments, "", true);
    return OpenDocument(launcher, owner, target, false, true);
}

bool OpenUrlInBrowser(const BrowserContext& context, HWND owner, std::string_view url, bool newWindow) {
    const BrowserTable& browsers = context.browsers;
    BrowserKind kind = KindOfBrowser(browsers.Current().ddeName, NameMatch::kExact);
    if ((kind == BrowserKind::kNoDde || kind == BrowserKind::kInternetExplorer) && IENavigate(url, newWindow))
        return true;
    if (browsers.CurrentBrowser < 0 || browsers.CurrentBrowser >= browsers.Count()) {
        AskToConfigureBrowser(context, owner, IDS_NO_BROWSER);
        return false;
    }
    if (context.dde && CBrowserDde(*context.dde, browsers).DdeOpenUrl(url, newWindow)) return true;
    if (ShellOpen(*context.launcher, owner, browsers.Current().programPath, UrlArgument(url), "", true))
        return true;
    AskToConfigureBrowser(context, owner, IDS_BROWSER_START_FAILED);
    return false;
}

bool OpenDocument(ILauncher& launcher, HWND owner, const std::string& path, bool explore,
                  bool reportErrors) {
    std::string file = path;
    if (path.find_first_of("*?") != std::string::npos) {
        file = GreatestMatch(path);
        // Shown whatever the caller asked: the user named no document.
        // Folders alone count as no match: the shell would open something else.
        if (file.empty()) {
            MsgBoxFromString(owner, IDS_NO_MATCHING_DOCUMENT, MsgBoxKind::kStop);
            return false;
        }
    }
    return ShellOpen(launcher, owner, file, "", explore ? "explore" : "", reportErrors);
}

bool ShellOpen(ILauncher& launcher, HWND owner, const std::string& file,
               const std::string& parameters, const std::string& verb, bool reportErrors) {
    LaunchResult result = launcher.ShellExecute(owner, verb.empty() ? "open" : verb, file, parameters,
                                                WorkingFolder(file));
    if (!result.ok && reportErrors) ShowStartError(owner, result.error);
    return result.ok;
}

bool StartProgram(ILauncher& launcher, HWND owner, const std::string& program,
                  const std::string& arguments, bool reportErrors) {
    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    LaunchResult result = launcher.StartProcess(commandLine, WorkingFolder(program));
    if (!result.ok && reportErrors) ShowStartError(owner, result.error);
    return result.ok;
}

void AskToConfigureBrowser(const BrowserContext& context, HWND owner, UINT message) {
    MsgBoxFromString(owner, message, MsgBoxKind::kExclamation);
    if (context.showBrowsersPage) context.showBrowsersPage(owner);
}

bool OpenListTitle(const BrowserContext& context, HWND owner, CUrlListFile& list, int item,
                   OpenRequest request) {
    request.target = std::string(TitleUrl(list.ItemText(item)));
    if (!OpenTarget(context, owner, request)) return false;
    list.SetLastVisited(item, false);
    return true;
}
