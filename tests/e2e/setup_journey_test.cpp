// A first run from the release folder: its files copied to a download
// folder with the program named setup.exe, Setup filled in and run, the
// Preferences at the URL Lists page, the program started from its new
// place on the sample list in the Regular view; then what is on disk and in
// the registry, and an uninstall that takes it all away again.
//
// The shortcut places come from the user's Shell Folders key, which the
// system rewrites from its User Shell Folders key whenever a program asks for
// such a folder: the journey points both at its own folders and puts the old
// values back afterwards.
#include <windows.h>

#include <commctrl.h>

#include <deque>

#include "app/settings/settings_keys.h"
#include "app/store/store_values.h"
#include "dialogs/prefs_host.h"
#include "e2e_journey.h"
#include "exchange/shortcut_files.h"
#include "resource.h"

namespace e2e {
namespace {

constexpr const char* kShellFolderKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"};
const std::string kReleaseFolder = "Z:" VELLINOR_RELEASE_DIR "\\";
const std::string kUninstallEntry =
    std::string(settings_keys::kUninstallKey) + '\\' + std::string(settings_keys::kUninstallEntry);

// A value of the user's registry set to `text`, and put back as it was (or
// removed) when the test ends, also when it fails.
class ScopedUserValue {
public:
    ScopedUserValue(const char* key, const char* name, const std::string& text) : key_(key), name_(name) {
        DWORD size = 0;
        const DWORD flags = RRF_RT_ANY | RRF_NOEXPAND;
        had_ = ::RegGetValueA(HKEY_CURRENT_USER, key, name, flags, &type_, nullptr, &size) == ERROR_SUCCESS;
        old_.resize(size);
        had_ = had_ &&
               ::RegGetValueA(HKEY_CURRENT_USER, key, name, flags, &type_, old_.data(), &size) == ERROR_SUCCESS;
        old_.resize(size);
        registry_test::SetText(HKEY_CURRENT_USER, key, name, text);
    }
    ~ScopedUserValue() {
        if (had_)
            registry_test::SetRaw(HKEY_CURRENT_USER, key_, name_, type_, old_);
        else
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, key_, name_);
    }
    ScopedUserValue(const ScopedUserValue&) = delete;
    ScopedUserValue& operator=(const ScopedUserValue&) = delete;

private:
    const char* key_;
    const char* name_;
    bool had_ = false;
    DWORD type_ = REG_SZ;
    std::string old_;
};

// The folder window the shell opened on the folder `name`, closed as the
// user closes it; false when none came.
bool CloseFolderWindow(const std::string& name) {
    HWND window = nullptr;
    const auto find = [&] {
        for (const char* windowClass : {"CabinetWClass", "ExplorerWClass"})
            if ((window = ::FindWindowA(windowClass, name.c_str())) != nullptr) return true;
        return false;
    };
    if (!WaitUntil(find)) return false;
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    Program shell(id);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    return shell.Ended(code);
}

bool SamePath(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

class SetupJourney : public Journey {
protected:
    SetupJourney() {
        for (const std::string& name : FileNames(kReleaseFolder)) {
            const std::string copy = download + (name == "Vellinor.exe" ? "setup.exe" : name);
            ::CopyFileA((kReleaseFolder + name).c_str(), copy.c_str(), TRUE);
        }
        const std::pair<const char*, std::string> places[] = {
            {"Desktop", desktop}, {"Programs", programs},  // the others are absent: not offered
            {"Startup", Path("Startup")}, {"AppData", Path("AppData")}};
        for (const char* key : kShellFolderKeys)
            for (const auto& [name, path] : places) shellFolders.emplace_back(key, name, path);
    }
    ~SetupJourney() override {
        // A run that Setup started and the test could not reach.
        if (const DWORD left = Program::RunningProgramId()) Program(left).Kill();
    }

    std::string Folder(const std::string& name) {
        ::CreateDirectoryA(Path(name).c_str(), nullptr);
        return Path(name);
    }
    std::optional<std::string> EntryValue(const char* name) {
        for (store::Root root : {store::Root::kLocalMachine, store::Root::kCurrentUser})
            if (auto value = store::ReadRegistryString(registry, root, kUninstallEntry, name)) return value;
        return std::nullopt;
    }
    void ExpectShortcut(const std::string& folder, const std::string& program) {
        std::string target;  // with no arguments after the space
        ASSERT_EQ(ReadShellLink(folder + "\\Vellinor.lnk", target), 0) << folder;
        EXPECT_TRUE(SamePath(target, program + " ")) << target;
    }

    // Fills the Setup dialog: the program into `installed`, the lists into
    // `lists`, shortcuts on the desktop and in the Start Menu.
    void FillSetup(HWND dialog) {
        ASSERT_TRUE(TypeOver(Control(dialog, IDC_SETUP_APP_FOLDER), installed.substr(0, installed.size() - 1)));
        ASSERT_TRUE(TypeOver(Control(dialog, IDC_SETUP_LIST_FOLDER), lists.substr(0, lists.size() - 1)));
        for (int box : {IDC_SETUP_DESKTOP, IDC_SETUP_START_MENU}) ClickButton(dialog, box);
        const auto checked = [&](int box) {
            return ::SendMessageA(Control(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
        };
        ASSERT_TRUE(WaitUntil([&] { return checked(IDC_SETUP_DESKTOP) && checked(IDC_SETUP_START_MENU); }));
        EXPECT_TRUE(checked(IDC_SETUP_MOVE));
        EXPECT_TRUE(checked(IDC_SETUP_LISTS_IN));
        EXPECT_EQ(ControlText(dialog, IDC_SETUP_START_MENU_FOLDER), programs);
        // Only places that exist are offered.
        EXPECT_FALSE(::IsWindowEnabled(Control(dialog, IDC_SETUP_STARTUP)));
    }

    const std::string download = Folder("Download") + "\\";
    const std::string installed = Path("Vellinor\\");
    const std::string lists = Path("My Lists\\");
    const std::string desktop = Folder("Desktop");
    const std::string programs = Folder("Programs");
    registry_test::ScopedKeyTree machineEntry{HKEY_LOCAL_MACHINE, kUninstallEntry};
    registry_test::ScopedKeyTree userEntry{HKEY_CURRENT_USER, kUninstallEntry};
    std::deque<ScopedUserValue> shellFolders;  // the shortcut places, pointed at the journey's folders
};

TEST_F(SetupJourney, SetupInstallsOpensTheSampleListAndUninstallTakesItAway) {
    const std::string program = installed + "Vellinor.exe";
    const std::string sample = lists + "Sample URL List.txt";
    {
        Program setup("", download + "setup.exe");
        const HWND dialog = setup.WaitForDialog("Setup Vellinor");
        ASSERT_TRUE(dialog) << setup.Windows();
        ASSERT_NO_FATAL_FAILURE(FillSetup(dialog));
        Screenshot(dialog, "setup-filled");
        ClickButton(dialog, IDOK);
        ASSERT_TRUE(setup.Answer(installed.substr(0, installed.size() - 1), IDYES)) << setup.Windows();
        ASSERT_TRUE(setup.Answer(lists.substr(0, lists.size() - 1), IDYES)) << setup.Windows();

        const HWND prefs = setup.WaitForDialog("Vellinor Preferences");
        ASSERT_TRUE(prefs) << setup.Windows();
        EXPECT_EQ(::SendMessageA(Control(prefs, IDC_PREFS_TAB), TCM_GETCURSEL, 0, 0), kUrlListsTab);
        HWND page = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (page = ::FindWindowExA(prefs, nullptr, "#32770", nullptr)); }));
        EXPECT_EQ(ListTexts(Control(page, IDC_TABLE_LIST)), std::vector<std::string>{"Sample URL List"});
        Screenshot(prefs, "setup-preferences");
        ClickButton(prefs, IDOK);
        ASSERT_TRUE(setup.Answer("Would you like to launch Vellinor now?", IDYES)) << setup.Windows();
        ASSERT_TRUE(setup.EndedWithCode0());
    }
    {
        DWORD started = 0;
        ASSERT_TRUE(WaitUntil([&] { return (started = Program::RunningProgramId()) != 0; }));
        Program installedRun(started);
        const HWND main = installedRun.WaitForMain();
        ASSERT_TRUE(main) << installedRun.Windows();
        EXPECT_EQ(Text(main), "Sample URL List - Vellinor");
        EXPECT_TRUE(WaitUntil([&] { return !ListTexts(Box(main, kCategory)).empty(); }));
        EXPECT_EQ(ListTexts(Box(main, kCategory)),
                  (std::vector<std::string>{"Start Here", "News", "Reference", "", "Tools"}));
        EXPECT_EQ(ListTexts(Box(main, kSubcategory)), (std::vector<std::string>{"Welcome", "Tips"}));
        EXPECT_FALSE(IsShown(NameField(main, kCategory)));  // the Regular view: nothing typed in place
        Screenshot(main, "setup-first-list");
        ASSERT_TRUE(installedRun.Close());
    }

    // The program files moved and the settings' backup went with them; the
    // first start from the new place deleted setup.exe, which leaves the
    // download folder empty.
    EXPECT_EQ(FileNames(installed), (std::vector<std::string>{"ReadMe.txt", "Vellin.chm", "Vellin.sav",
                                                              "Vellinor Home Page.url", "Vellinor.exe"}));
    EXPECT_EQ(ReadFile(program), ReadFile(kReleaseFolder + "Vellinor.exe"));
    EXPECT_EQ(FileNames(download), std::vector<std::string>{});
    EXPECT_EQ(ReadFile(sample), ReadFile(kReleaseFolder + "Sample URL List.txt"));
    ASSERT_NO_FATAL_FAILURE(ExpectShortcut(desktop, program));
    ASSERT_NO_FATAL_FAILURE(ExpectShortcut(programs, program));

    CAppSettings stored(registry);
    stored.AppFolder = installed;
    ASSERT_TRUE(stored.LoadSettings());
    ASSERT_EQ(stored.Lists.Count(), 1);
    EXPECT_EQ(stored.Lists.Entry(0).name, "Sample URL List");
    EXPECT_TRUE(SamePath(stored.Lists.Entry(0).path, sample)) << stored.Lists.Entry(0).path;
    EXPECT_EQ(stored.Lists.CurrentList, 0);
    EXPECT_EQ(stored.ViewMode, kViewRegular);
    EXPECT_TRUE(SamePath(stored.ListFolder, lists)) << stored.ListFolder;
    EXPECT_TRUE(SamePath(stored.PreviousProgramPath, program)) << stored.PreviousProgramPath;
    EXPECT_TRUE(SamePath(stored.StartMenuFolder, programs + "\\")) << stored.StartMenuFolder;
    EXPECT_EQ(EntryValue("DisplayName"), "Vellinor 2");
    EXPECT_EQ(EntryValue("UninstallString"), "\"" + program + "\" -uninstall");

    // The uninstall entry's command, with everything to remove.
    Program uninstall("-uninstall", program);
    const HWND dialog = uninstall.WaitForDialog("Uninstall Vellinor");
    ASSERT_TRUE(dialog) << uninstall.Windows();
    ClickButton(dialog, IDOK);
    ASSERT_TRUE(uninstall.Answer("To complete the uninstallation", IDOK)) << uninstall.Windows();
    ASSERT_TRUE(uninstall.EndedWithCode0());
    EXPECT_FALSE(maker.Exists());
    EXPECT_FALSE(EntryValue("UninstallString"));
    EXPECT_FALSE(Exists(desktop + "\\Vellinor.lnk"));
    EXPECT_FALSE(Exists(programs + "\\Vellinor.lnk"));
    // The running program's own file stays, in the folder opened for the
    // user; the lists stay too.
    EXPECT_EQ(FileNames(installed), std::vector<std::string>{"Vellinor.exe"});
    EXPECT_TRUE(CloseFolderWindow("Vellinor"));
    EXPECT_TRUE(Exists(sample));
}

}  // namespace
}  // namespace e2e
