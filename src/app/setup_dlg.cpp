#include "app/setup_dlg.h"

#include "app/settings/app_settings.h"
#include "app/setup_support.h"
#include "app/startup_rules.h"
#include "app/store/store_values.h"
#include "app/win32/wait_cursor_win32.h"
#include "browser/win32/ensure_folder.h"
#include "dialogs/folder_file_dialog.h"
#include "dialogs/messages.h"
#include "platform/file_system.h"
#include "resource.h"

namespace {

constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kProgramFolderName[] = "\\Vellinor";
// Shorter folder texts name no folder.
constexpr std::size_t kShortestFolder = 2;

bool FolderExists(const std::string& path) { return platform::OsFileSystem().IsFolder(path); }

int PlaceBox(int place) { return IDC_SETUP_DESKTOP + place; }

}  // namespace

CSetupDlg::CSetupDlg(HWND owner, const SetupContext& context)
    : CSetupDialogBase(IDD_SETUP, owner), context_(context) {}

bool CSetupDlg::OnInit() {
    filling_ = true;
    CSetupDialogBase::OnInit();
    const CAppSettings& settings = context_.settings;
    SetItemText(IDC_SETUP_APP_FOLDER, ProposedProgramFolder());
    // A first installation always puts the program somewhere for good.
    const bool first = settings.RunState == kRunFirstRunSetup;
    EnableItem(IDC_SETUP_LEAVE, !first);
    Select(IDC_SETUP_MOVE, IDC_SETUP_LEAVE, first ? IDC_SETUP_MOVE : IDC_SETUP_LEAVE);

    const bool listsApart = !SameText(settings.ListFolder, settings.AppFolder);
    Select(IDC_SETUP_LISTS_WITH_APP, IDC_SETUP_LISTS_IN, listsApart ? IDC_SETUP_LISTS_IN : IDC_SETUP_LISTS_WITH_APP);
    SetItemText(IDC_SETUP_LIST_FOLDER,
                listsApart ? settings.ListFolder : ShellFolderValue(context_.registry, "Personal").value_or(""));
    FillShortcutPlaces();
    filling_ = false;
    return true;
}

std::string CSetupDlg::ProposedProgramFolder() const {
    const std::string& previous = context_.settings.PreviousProgramPath;
    if (!previous.empty() && !IsSetupProgram(previous)) return FolderOfProgram(previous);
    std::optional<std::string> programFiles = store::ReadRegistryString(
        context_.registry, store::Root::kLocalMachine, kWindowsKey, "ProgramFilesDir");
    return programFiles ? *programFiles + kProgramFolderName : std::string();
}

void CSetupDlg::FillShortcutPlaces() {
    for (int place = 0; place < kStartMenuPlace; ++place) {
        std::optional<std::string> folder = ShellFolderPath(context_.registry, place);
        const bool usable = folder && FolderExists(*folder);
        EnableItem(PlaceBox(place), usable);
        CheckItem(PlaceBox(place), usable && FileExists(ShortcutPath(*folder)));
    }
    const std::string& stored = context_.settings.StartMenuFolder;
    std::string startMenu = !stored.empty() && FolderExists(stored)
                                ? stored
                                : ShellFolderPath(context_.registry, kStartMenuPlace).value_or("");
    SetItemText(IDC_SETUP_START_MENU_FOLDER, startMenu);
    CheckItem(IDC_SETUP_START_MENU, !startMenu.empty() && FileExists(ShortcutPath(startMenu)));
}

bool CSetupDlg::OnCommand(int id, int code, HWND control) {
    if (code == EN_CHANGE) {
        if (filling_) return true;
        if (id == IDC_SETUP_APP_FOLDER) Select(IDC_SETUP_MOVE, IDC_SETUP_LEAVE, IDC_SETUP_MOVE);
        if (id == IDC_SETUP_LIST_FOLDER) Select(IDC_SETUP_LISTS_WITH_APP, IDC_SETUP_LISTS_IN, IDC_SETUP_LISTS_IN);
        return true;
    }
    if (code != BN_CLICKED) return CSetupDialogBase::OnCommand(id, code, control);
    switch (id) {
    case IDC_SETUP_CHOOSE_APP_FOLDER:
        ChooseFolder("Choose Application Folder", ItemText(IDC_SETUP_APP_FOLDER), IDC_SETUP_APP_FOLDER,
                     IDC_SETUP_MOVE);
        return true;
    case IDC_SETUP_CHOOSE_LIST_FOLDER:
        ChooseFolder("Choose Default URL List Folder", context_.settings.ListFolder, IDC_SETUP_LIST_FOLDER,
                     IDC_SETUP_LISTS_IN);
        return true;
    case IDC_SETUP_CHOOSE_START_MENU:
        ChooseFolder("Identify Start Menu Folder", ItemText(IDC_SETUP_START_MENU_FOLDER),
                     IDC_SETUP_START_MENU_FOLDER, IDC_SETUP_START_MENU);
        return true;
    case IDOK:
        SetupNow();
        return true;
    default:
        return CSetupDialogBase::OnCommand(id, code, control);
    }
}

void CSetupDlg::ChooseFolder(const char* title, const std::string& start, int edit, int choice) {
    CFolderFileDialog picker = CFolderFileDialog::ForFolder(Handle(), title, start);
    if (picker.Run() != IDOK) return;
    SetItemText(edit, picker.Path());
    if (choice == IDC_SETUP_START_MENU)
        CheckItem(choice, true);
    else if (choice == IDC_SETUP_MOVE)
        Select(IDC_SETUP_MOVE, IDC_SETUP_LEAVE, choice);
    else
        Select(IDC_SETUP_LISTS_WITH_APP, IDC_SETUP_LISTS_IN, choice);
}

bool CSetupDlg::ReadChoices(SetupChoices& choices) const {
    choices.move = IsItemChecked(IDC_SETUP_MOVE);
    choices.programFolder = ItemText(IDC_SETUP_APP_FOLDER);
    choices.listsWithProgram = IsItemChecked(IDC_SETUP_LISTS_WITH_APP);
    choices.listFolder = ItemText(IDC_SETUP_LIST_FOLDER);
    if (choices.move && choices.programFolder.size() < kShortestFolder) {
        MsgBoxFromString(Handle(), IDS_NO_APPLICATION_FOLDER, MsgBoxKind::kInformation);
        return false;
    }
    if (!choices.listsWithProgram && choices.listFolder.size() < kShortestFolder) {
        MsgBoxFromString(Handle(), IDS_NO_LIST_FOLDER, MsgBoxKind::kInformation);
        return false;
    }
    bool anyShortcut = false;
    for (int place = 0; place < kShortcutPlaces; ++place) {
        choices.shortcutEnabled[place] = ::IsWindowEnabled(Item(PlaceBox(place))) != FALSE;
        choices.shortcutChecked[place] = choices.shortcutEnabled[place] && IsItemChecked(PlaceBox(place));
        anyShortcut = anyShortcut || choices.shortcutChecked[place];
    }
    if (!anyShortcut && MsgBoxFromString(Handle(), IDS_NO_SHORTCUTS, MsgBoxKind::kQuestionYesNo) == IDYES)
        return false;
    // Checked before anything is installed: a Start Menu folder that cannot
    // be had would otherwise leave the program without the shortcut asked for.
    if (!choices.shortcutChecked[kStartMenuPlace]) return true;
    const std::string startMenu = ItemText(IDC_SETUP_START_MENU_FOLDER);
    if (startMenu.size() < kShortestFolder) {
        MsgBoxFromString(Handle(), IDS_NO_START_MENU_FOLDER, MsgBoxKind::kInformation);
        return false;
    }
    return EnsureFolder(Handle(), choices.startMenuFolder, startMenu, false, true, false);
}

void CSetupDlg::SetupNow() {
    SetupChoices choices;
    if (!ReadChoices(choices)) return;
    SystemWaitCursor cursor;
    WaitCursorScope wait(&cursor);
    result_ = Install(Handle(), context_, choices);
    if (result_.done) Close(IDOK);
}
