// CMainApp: the application object. It starts the program, owns for the
// whole run what outlives a main window (the settings, the list models, the
// hidden "VELLIN" window with its tray icon and hot keys, accelerators,
// icons, colour brush and button bitmaps) and ends the program in order.
//
//     CMainApp app(environment);
//     int code = app.Start(commandLine) ? app.Run() : 0;
//     app.End();
//
// The main window reaches the application through IMainWindowHost (passed
// to CreateMainWindow by reference; there is no program-wide accessor), so
// tests can run several applications one after the other in one process.
// Everything runs on the one user-interface thread.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/app_browser_actions.h"
#include "app/app_window.h"
#include "app/color_resources.h"
#include "app/lists/list_models.h"
#include "app/settings/app_settings.h"
#include "app/setup_runs.h"
#include "app/tray_icon.h"
#include "app/win32/wait_cursor_win32.h"
#include "browser/win32/dde_client.h"
#include "dialogs/exchange_host.h"
#include "dialogs/prefs_host.h"
#include "dialogs/prefs_sheet.h"
#include "browser/win32/launcher.h"
#include "model/find_state.h"
#include "ui/main_dlg.h"
#include "ui/main_window_host.h"
#include "win/handles.h"
#include "win/message_loop.h"

// What the application runs on; the defaults are the program's own.
struct AppEnvironment {
    // Where the settings live: the registry, or a memory store in tests.
    store::KeyValueStore* registry = nullptr;
    // The program file; empty: the running module's own (GetModuleFileNameA).
    std::string programPath;
    // The Setup and Uninstall dialogs.
    std::function<SetupOutcome(HWND owner, const SetupContext& context)> runSetup = RunSetup;
    std::function<bool(HWND owner, const SetupContext& context)> runUninstall = RunUninstall;
    // The Preferences sheet over `owner`, opened at `tab`, applying through
    // `host`; its result (IDOK after Done).
    std::function<INT_PTR(IPrefsHost& host, HWND owner, int tab)> runPreferences = RunPrefsSheet;
    // What starts programs and hands files and URLs to the shell.
    ILauncher* launcher = &SystemLauncher();
};

class CMainApp final : public IMainWindowHost, public IPrefsHost, public IExchangeHost,
                       private win::IMessageFilter {
public:
    // The single-instance names; another instance is found by them.
    static constexpr const char* kMutexName = "VELLIN2-5D3C61A2-4E07-4A93-9F21-00A0C91E7B44";
    static constexpr const char* kProbeMessageName = "I AM VELLIN2";

    explicit CMainApp(AppEnvironment environment);
    ~CMainApp();
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;

    // --- the run ---------------------------------------------------------
    // Start-up. `commandLine` is the text after the program name; exactly
    // "-uninstall" selects the uninstall run. True: run the message loop;
    // false: end at once (another instance runs, or Setup/Uninstall ended
    // the program). Call End afterwards either way.
    bool Start(const std::string& commandLine);
    // The message loop until WM_QUIT; its exit code.
    int Run();
    // Destroys the main window, saves the settings (not after an uninstall),
    // destroys the hidden window and releases the rest. Safe to call twice.
    void End();

    // --- the hidden window's rules ----------------------------------------
    // Replaces the main window by one of `mode` (ViewMode 1-3); runs Setup or
    // Uninstall instead when RunState asks for it.
    void SwitchMode(int mode, bool minimized);
    // NIM_ADD or NIM_DELETE; adding hides the hidden window (only the tray
    // icon remains), deleting shows it again unless `keepWindow`.
    void SetTrayIcon(DWORD operation, bool keepWindow);
    // (Re)registers AppHotKey (id 0) and FetchHotKey (id 1) on the hidden window.
    void RegisterAppHotKeys();
    // Asks the main window whether the program may end (its save prompts);
    // when it agrees, RunState becomes exiting and the message loop ends.
    void CloseRequest();

    // --- called by the hidden window --------------------------------------
    // Fills in the tray icon, shows it when UseTray is set, registers the hot keys.
    void OnHiddenWindowCreated(HWND window);
    // Removes the tray icon and the hot keys.
    void OnHiddenWindowDestroyed(HWND window);
    // Deletes the old program copy that was still running at the start, or
    // gives up on it after a while.
    void RetryOldProgramCopyDelete();
    // Windows is ending the session: the process ends without End, so the
    // placement and the settings are saved now.
    void OnSessionEnding();

    // --- lists --------------------------------------------------------------
    // Makes list `index` of the list table current. A list left while it
    // holds marks stays in memory as the other list; switching back to it
    // reads nothing. False (with the reason shown) leaves everything as it was.
    bool SelectList(HWND owner, int index, bool reload) override;
    int PreviousList() const override { return lists_.PreviousIndex(); }
    // True when `path` exists afterwards; may ask to create it (`ask`) and
    // reports a file that cannot be created.
    bool EnsureListFileExists(HWND owner, const std::string& path, bool ask) override;
    void SetCurrentBrowser(int index) override;

    // --- preferences ---------------------------------------------------------
    // Runs the Preferences at `tab` (0 URL Lists ... 3 Presentation) over
    // `owner`; what a page applies takes effect at once. Afterwards a main
    // window whose keep-at-front option changed is made again, and with no
    // list left configured the open list is closed. IDOK after Done.
    INT_PTR RunPreferences(HWND owner, int tab) override;

    // --- state --------------------------------------------------------------
    CMainDlg* MainWindow() const noexcept { return mainWindow_.get(); }
    // The browser conversations, with the hidden window as their client window.
    CDdeClient& Dde() noexcept { return dde_; }
    UINT ProbeMessage() const noexcept { return probeMessage_; }

    // --- IMainWindowHost ------------------------------------------------------
    CAppSettings& Settings() override { return settings_; }
    CUrlListFile& CurrentList() override { return lists_.Current(); }
    CUrlListFile* OtherList() override { return lists_.Other(); }
    void DiscardOtherList() override { lists_.DiscardOther(); }
    bool OpenCurrentList(HWND owner, bool reload) override;
    int PreviousMode() const override { return previousMode_; }
    HWND HiddenWindow() const override { return appWindow_.Handle(); }
    void HideApp() override;
    void RestoreApp() override;
    HACCEL GlobalAccelerators() const override { return accelerators_.Get(); }
    HICON LargeIcon() const override { return largeIcon_; }
    HICON SmallIcon() const override { return smallIcon_; }
    HBRUSH BackgroundBrush() const override { return colors_.Brush(); }
    HBITMAP ButtonBitmap(int id) const override { return colors_.Bitmap(id); }
    void RecreateColorResources() override;
    IBrowserActions& BrowserActions() override { return browserActions_; }

    // --- IPrefsHost -------------------------------------------------------------
    bool ApplyListTable(HWND owner, std::vector<ListEntry> entries, int highlighted) override;
    void ApplyBrowserTable(std::vector<BrowserEntry> entries, int highlighted) override;
    int ApplyHotKeys(std::uint16_t appHotKey, std::uint16_t fetchHotKey) override;
    void ApplyBehavior() override;
    void ApplyPresentation() override;
    void SaveSettings() override;
    CFindState& FindRound() override { return findRound_; }
    IExchangeHost* Exchange() override { return this; }

    // --- IExchangeHost ------------------------------------------------------------
    store::KeyValueStore& Registry() override { return *environment_.registry; }
    bool OpenListForExport(HWND owner, int index) override;
    void ListFileReplaced(const std::string& path) override;

    void CreateColorResources();
    void DeleteColorResources() { colors_.Delete(); }

private:
    bool PreTranslate(MSG& message) noexcept override;

    bool IsOnlyInstance();
    void DeleteOldProgramCopy();
    bool CreateHiddenWindow();
    void RunSetupOrUninstall();
    void LoadIcons();
    void SetTimeLocale();
    bool OpenListInto(HWND owner, CUrlListFile& model, bool reload);
    bool& KeepAtFrontOfMode();
    // The main window shows what the settings and the list now hold.
    void RefreshMainWindow();

    AppEnvironment environment_;
    UINT probeMessage_;
    SystemWaitCursor waitCursor_;
    CAppSettings settings_;
    CListModels lists_;
    CFindState findRound_;
    int previousMode_ = kViewRegular;
    bool oleInitialized_ = false;
    // The run got as far as its own hidden window: only then are the
    // settings this run holds worth writing back.
    bool windowCreated_ = false;
    win::UniqueHandle instanceMutex_;
    HICON largeIcon_ = nullptr;  // shared icons from LoadImage: never destroyed
    HICON smallIcon_ = nullptr;
    win::UniqueAccelerators accelerators_;
    CColorResources colors_;
    win::UniqueWindowClass windowClass_;
    CDdeClient dde_;
    CAppBrowserActions browserActions_{settings_, dde_, *environment_.launcher, waitCursor_};
    CAppWindow appWindow_{*this};
    CTrayIcon tray_;
    std::unique_ptr<CMainDlg> mainWindow_;
    std::string oldCopyToDelete_;
    int oldCopyTries_ = 0;
    bool ended_ = false;
};
