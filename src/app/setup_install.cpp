#include "app/setup_install.h"

#include "app/settings/app_settings.h"
#include "app/settings/settings_keys.h"
#include "app/setup_support.h"
#include "app/store/store_values.h"
#include "browser/win32/ensure_folder.h"
#include "dialogs/messages.h"
#include "exchange/shortcut_files.h"
#include "platform/file_system.h"
#include "resource.h"

namespace {

namespace keys = settings_keys;
namespace files = program_files;

constexpr char kSampleListName[] = "Sample URL List";
constexpr char kListExtension[] = ".txt";
constexpr char kEntryDisplayName[] = "Vellinor 2";
constexpr char kUninstallArgument[] = " -uninstall";

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

void DeleteFileAnyway(const std::string& path) {
    MakeWritable(path);
    ::DeleteFileA(path.c_str());
}

class CInstallation {
public:
    CInstallation(HWND owner, const SetupContext& context, const SetupChoices& choices)
        : owner_(owner), context_(context), settings_(context.settings), choices_(choices) {}

    InstallResult Run();

private:
    bool MoveProgramFiles(const std::string& newFolder);
    bool CopyProgramFile(int index, const std::string& source, const std::string& target);
    void DeleteOldProgramFile(int index, const std::string& source);
    void AddSampleList(const std::string& listFolder);
    void MoveListFiles(const std::string& listFolder);
    void MoveListFile(ListEntry& list, const std::string& listFolder);
    void RemoveList(int index);
    void RegisterExtension(const std::string& folder);
    void UpdateShortcuts(const std::string& programPath);
    void WriteUninstallEntry(const std::string& programPath);

    HWND owner_;
    const SetupContext& context_;
    CAppSettings& settings_;
    const SetupChoices& choices_;
};

InstallResult CInstallation::Run() {
    InstallResult result;
    const bool firstInstallation = settings_.RunState == kRunFirstRunSetup;
    const std::string oldFolder = settings_.AppFolder;
    std::string programFolder = oldFolder;
    result.programPath = settings_.ProgramPath;
    if (choices_.move) {
        if (!EnsureFolder(owner_, programFolder, choices_.programFolder, false, true, false)) return result;
        result.programPath = programFolder + files::kNames[files::kProgram];
        result.moved = !SameText(result.programPath, settings_.ProgramPath);
        if (!MoveProgramFiles(programFolder)) return result;
    }
    std::string listFolder = programFolder;
    if (!choices_.listsWithProgram &&
        !EnsureFolder(owner_, listFolder, choices_.listFolder, false, true, false))
        return result;

    if (firstInstallation) AddSampleList(listFolder);
    if (!SameText(listFolder, settings_.ListFolder)) {
        MoveListFiles(listFolder);
        settings_.ListFolder = listFolder;
    }
    RegisterExtension(programFolder);
    UpdateShortcuts(result.programPath);
    WriteUninstallEntry(result.programPath);

    // The folders are settled: the settings, and their backup image, go with
    // the program. "App Path" stays the running program's, so that the next
    // start from the new place offers to delete this copy.
    settings_.AppFolder = programFolder;
    settings_.RunState = kRunNormal;
    settings_.SaveSettings(true, nullptr);
    result.done = true;
    return result;
}

bool CInstallation::MoveProgramFiles(const std::string& newFolder) {
    const std::string& oldFolder = settings_.AppFolder;
    for (int i = 0; i < files::kCount; ++i) {
        std::string source = i == files::kProgram ? settings_.ProgramPath : oldFolder + files::kNames[i];
        std::string target = newFolder + files::kNames[i];
        if (i >= files::kCopied) {
            DeleteFileAnyway(source);
            continue;
        }
        if (IsSameFile(source, target)) continue;
        if (!CopyProgramFile(i, source, target)) {
            if (i == files::kProgram) return false;
            continue;  // a file this copy of the program lacks; the old one stays
        }
        DeleteOldProgramFile(i, source);
    }
    return true;
}

bool CInstallation::CopyProgramFile(int index, const std::string& source, const std::string& target) {
    if (index != files::kProgram && !FileExists(source)) return false;
    MakeWritable(target);
    while (!::CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        if (index != files::kProgram ||
            MsgBoxFromString(owner_, IDS_INSTALLATION_INTERRUPTED, MsgBoxKind::kStopRetryCancel) != IDRETRY)
            return false;
        MakeWritable(target);
    }
    return true;
}

void CInstallation::DeleteOldProgramFile(int index, const std::string& source) {
    MakeWritable(source);
    // The running program cannot delete itself; the next start from the new
    // place offers to.
    if (index == files::kProgram) {
        ::DeleteFileA(source.c_str());
        return;
    }
    while (!::DeleteFileA(source.c_str()) && FileExists(source)) {
        if (MsgBoxFormatted(owner_, IDS_CLOSE_BROWSER_WINDOWS, MsgBoxKind::kStopRetryCancel, {source}) != IDRETRY)
            return;
    }
}

void CInstallation::AddSampleList(const std::string& listFolder) {
    const std::string name = std::string(kSampleListName) + kListExtension;
    const std::string source = settings_.AppFolder + name;
    const std::string target = listFolder + name;
    if (!FileExists(source)) return;
    const bool sameFile = IsSameFile(source, target);
    if (!sameFile && !FileExists(target) && !::CopyFileA(source.c_str(), target.c_str(), TRUE)) return;
    MakeWritable(target);
    int index = settings_.AddList(kSampleListName, target);
    if (index >= 0 && settings_.Lists.CurrentList < 0) settings_.Lists.CurrentList = index;
    if (!sameFile) DeleteFileAnyway(source);
}

void CInstallation::MoveListFiles(const std::string& listFolder) {
    for (int i = 0; i < settings_.Lists.Count();) {
        ListEntry& list = settings_.Lists.entries[static_cast<std::size_t>(i)];
        if (!FileExists(list.path)) {
            if (MsgBoxFormatted(owner_, IDS_LIST_FILE_INACCESSIBLE, MsgBoxKind::kQuestionYesNo, {list.name}) ==
                IDNO) {
                RemoveList(i);
                continue;
            }
        } else if (StartsWithNoCase(list.path, settings_.ListFolder)) {
            MoveListFile(list, listFolder);
        }
        ++i;
    }
}

void CInstallation::MoveListFile(ListEntry& list, const std::string& listFolder) {
    const std::string newPath = listFolder + std::string(platform::FileNameOf(list.path));
    if (IsSameFile(newPath, list.path)) return;
    // A longer path would not be read back from the settings, and every list
    // after it would be lost with it.
    if (newPath.size() > store::kMaxSettingChars) {
        MsgBoxFormatted(owner_, IDS_LIST_PATH_TOO_LONG, MsgBoxKind::kStop, {list.path});
        return;
    }
    if (FileExists(newPath) &&
        MsgBoxFormatted(owner_, IDS_OVERWRITE_MOVED_LIST, MsgBoxKind::kQuestionYesNo, {newPath, list.path}) != IDYES)
        return;
    // The old file goes only once the new one is whole.
    if (!CopyWholeFile(list.path, newPath)) {
        MsgBoxFormatted(owner_, IDS_CANNOT_MOVE_LIST_FILE, MsgBoxKind::kStop, {list.path});
        return;
    }
    DeleteFileAnyway(list.path);
    list.path = newPath;
}

void CInstallation::RemoveList(int index) {
    ListTable& lists = settings_.Lists;
    lists.entries.erase(lists.entries.begin() + index);
    if (lists.CurrentList > index || lists.CurrentList >= lists.Count()) --lists.CurrentList;
}

void CInstallation::RegisterExtension(const std::string& folder) {
    if (CallExtension(folder, "DllRegisterServer") == ExtensionCall::kNotLoaded)
        MsgBoxFromString(owner_, IDS_EXTENSION_MISSING, MsgBoxKind::kStop);
}

void CInstallation::UpdateShortcuts(const std::string& programPath) {
    for (int place = 0; place < kStartMenuPlace; ++place) {
        if (!choices_.shortcutEnabled[place]) continue;
        std::optional<std::string> folder = ShellFolderPath(context_.registry, place);
        if (!folder) continue;
        std::string shortcut = ShortcutPath(*folder);
        if (choices_.shortcutChecked[place])
            CreateShellLink(programPath, shortcut, "");
        else
            ::DeleteFileA(shortcut.c_str());
    }
    if (!settings_.StartMenuFolder.empty()) ::DeleteFileA(ShortcutPath(settings_.StartMenuFolder).c_str());
    if (choices_.shortcutChecked[kStartMenuPlace]) {
        settings_.StartMenuFolder = choices_.startMenuFolder;
        CreateShellLink(programPath, ShortcutPath(settings_.StartMenuFolder), "");
    }
}

void CInstallation::WriteUninstallEntry(const std::string& programPath) {
    const std::string key = std::string(keys::kUninstallKey) + '\\' + std::string(keys::kUninstallEntry);
    // Quoted: a path with spaces would otherwise be split where the system
    // finds a program first.
    const std::string command = '"' + programPath + '"' + kUninstallArgument;
    const auto write = [&](store::Root root) {
        return store::WriteRegistryString(context_.registry, root, key, "DisplayName", kEntryDisplayName) &&
               store::WriteRegistryString(context_.registry, root, key, "UninstallString", command);
    };
    // Only an administrator may write the machine's entry; the user's own
    // list of programs is read too.
    if (!write(store::Root::kLocalMachine)) write(store::Root::kCurrentUser);
}

}  // namespace

InstallResult Install(HWND owner, const SetupContext& context, const SetupChoices& choices) {
    return CInstallation(owner, context, choices).Run();
}
