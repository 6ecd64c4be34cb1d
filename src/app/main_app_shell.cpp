// The hidden window's rules: showing and hiding the application, the tray
// icon, the hot keys, replacing the main window, ending the program.
#include <windows.h>

#include "app/hot_keys.h"
#include "app/main_app.h"
#include "app/win32/window_placement.h"

void CMainApp::OnHiddenWindowCreated(HWND window) {
    ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    tray_.Attach(window, smallIcon_, CAppWindow::kTrayMessage);
    dde_.Attach(window);
    if (settings_.Options.UseTray) SetTrayIcon(NIM_ADD, false);
    RegisterAppHotKeys();
}

void CMainApp::OnHiddenWindowDestroyed(HWND window) {
    dde_.Attach(nullptr);
    tray_.Delete();
    ::UnregisterHotKey(window, CAppWindow::kAppHotKeyId);
    ::UnregisterHotKey(window, CAppWindow::kFetchHotKeyId);
}

void CMainApp::HideApp() {
    if (!mainWindow_) return;
    if (const HWND note = mainWindow_->NoteWindow()) ::ShowWindow(note, SW_HIDE);
    ::ShowWindow(mainWindow_->Handle(), SW_HIDE);
    // In the tray only the icon remains; otherwise the taskbar button does.
    ::ShowWindow(HiddenWindow(), settings_.Options.UseTray ? SW_HIDE : SW_MINIMIZE);
}

void CMainApp::RestoreApp() {
    if (!mainWindow_) return;
    ::ShowWindow(HiddenWindow(), SW_RESTORE);
    ::ShowWindow(mainWindow_->Handle(), SW_RESTORE);
    if (const HWND note = mainWindow_->NoteWindow(); note && settings_.Options.NoteShown)
        ::ShowWindow(note, SW_SHOWNA);
    ::SetForegroundWindow(mainWindow_->Handle());
}

void CMainApp::SetTrayIcon(DWORD operation, bool keepWindow) {
    if (operation == NIM_ADD) {
        tray_.Delete();
        ::ShowWindow(HiddenWindow(), SW_HIDE);
        tray_.Add();
    } else {
        if (!keepWindow) ::ShowWindow(HiddenWindow(), SW_SHOW);
        tray_.Delete();
    }
}

void CMainApp::RegisterAppHotKeys() {
    const std::uint16_t codes[] = {settings_.AppHotKey, settings_.FetchHotKey};
    const int ids[] = {CAppWindow::kAppHotKeyId, CAppWindow::kFetchHotKeyId};
    for (int i = 0; i < 2; ++i) {
        ::UnregisterHotKey(HiddenWindow(), ids[i]);
        if (codes[i] == 0) continue;
        // A key another program holds already stays unregistered: the hot key
        // is then simply absent.
        SystemHotKey key = ToSystemHotKey(codes[i]);
        ::RegisterHotKey(HiddenWindow(), ids[i], key.modifiers, key.key);
    }
}

void CMainApp::SwitchMode(int mode, bool minimized) {
    if (mainWindow_) {
        ::SetActiveWindow(HiddenWindow());
        // Closed before it goes, so that it stores its placement.
        mainWindow_->Close(0);
        mainWindow_.reset();
    }
    if (settings_.RunState >= kRunSetupRequested) {
        RunSetupOrUninstall();
        return;
    }
    previousMode_ = settings_.ViewMode == kViewCompact ? kViewCompact : kViewRegular;
    settings_.ViewMode = mode;
    mainWindow_ = CreateMainWindow(*this, mode, HiddenWindow());
    if (!mainWindow_) {
        // Without a window nothing could end the program.
        ::PostQuitMessage(1);
        return;
    }
    if (minimized) {
        ::ShowWindow(HiddenWindow(), SW_MINIMIZE);
        HideApp();
    } else {
        RestoreApp();
    }
    // Only now: messages about loading the list need their owner on screen.
    mainWindow_->ShowCurrentList();
}

void CMainApp::RunSetupOrUninstall() {
    lists_.CloseFiles();  // Setup may move them
    SetTrayIcon(NIM_DELETE, false);  // and shows the hidden window, owner of the dialogs
    const SetupContext context{settings_, *environment_.registry, *environment_.launcher,
                               [this](HWND owner) { RunPreferences(owner, kUrlListsTab); },
                               [this] { instanceMutex_.Reset(); }};
    if (settings_.RunState == kRunUninstall) {
        // Started as "-uninstall" no settings were read (ViewMode 0): there is
        // nothing to go back to.
        if (environment_.runUninstall(HiddenWindow(), context) || settings_.ViewMode == 0) {
            ::PostQuitMessage(0);
            return;
        }
    } else {
        SetupOutcome setup = environment_.runSetup(HiddenWindow(), context);
        if ((setup.cancelled && settings_.RunState == kRunFirstRunSetup) || setup.endProgram) {
            settings_.RunState = kRunUninstall;  // nothing is saved
            ::PostQuitMessage(0);
            return;
        }
    }
    if (settings_.Options.UseTray) SetTrayIcon(NIM_ADD, false);
    settings_.RunState = kRunNormal;
    SwitchMode(settings_.ViewMode, false);
}

void CMainApp::CloseRequest() {
    if (mainWindow_ && !mainWindow_->QueryClose()) return;
    settings_.RunState = kRunExiting;
    ::PostQuitMessage(0);  // End saves the settings
}

void CMainApp::OnSessionEnding() {
    if (mainWindow_) mainWindow_->StorePlacement();
    if (const HWND note = mainWindow_ ? mainWindow_->NoteWindow() : nullptr)
        settings_.NoteWindowRect = StoredWindowRect(note);
    settings_.SaveSettings(false, &lists_.Current());
    // The process is ended soon after this returns; the pause gives the
    // system time to write the settings out first.
    ::Sleep(1000);
}
