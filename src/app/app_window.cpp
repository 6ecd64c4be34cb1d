#include "app/app_window.h"

#include "app/main_app.h"
#include "resource.h"

namespace {

// The system command without the four bits the system uses internally.
constexpr WPARAM CommandOf(WPARAM wParam) { return wParam & 0xFFF0; }

}  // namespace

bool CAppWindow::OnCreate(const CREATESTRUCTA&) {
    // The taskbar button's menu offers Restore, Minimize and Close only.
    HMENU systemMenu = ::GetSystemMenu(Handle(), FALSE);
    ::RemoveMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
    ::RemoveMenu(systemMenu, SC_MOVE, MF_BYCOMMAND);
    ::RemoveMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    app_.OnHiddenWindowCreated(Handle());
    return true;
}

void CAppWindow::OnDestroy() { app_.OnHiddenWindowDestroyed(Handle()); }

std::optional<LRESULT> CAppWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Another instance's probe waits on this answer with a blocking send:
    // nothing else happens here.
    if (message == app_.ProbeMessage()) return static_cast<LRESULT>(message);
    // The browsers' answers to the program's DDE conversations.
    if (std::optional<LRESULT> result = app_.Dde().OnMessage(message, wParam, lParam)) return result;
    switch (message) {
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        case WM_CLOSE:
            app_.CloseRequest();
            return 0;
        case WM_HOTKEY:
            OnHotKey(static_cast<int>(wParam));
            return 0;
        case kTrayMessage:
            if (CMainDlg* main = app_.MainWindow()) main->OnTrayNotify(lParam);
            return 0;
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(wParam, lParam);
        case WM_ENDSESSION:
            if (wParam) app_.OnSessionEnding();
            return 0;
        case WM_TIMER:
            if (wParam != kOldCopyTimerId) return CWindow::OnMessage(message, wParam, lParam);
            app_.RetryOldProgramCopyDelete();
            return 0;
        default:
            return CWindow::OnMessage(message, wParam, lParam);
    }
}

std::optional<LRESULT> CAppWindow::OnSysCommand(WPARAM command) {
    if (!app_.MainWindow()) return std::nullopt;
    switch (CommandOf(command)) {
        case SC_MINIMIZE:
            app_.HideApp();
            return 0;
        case SC_CLOSE:
            app_.CloseRequest();
            return 0;
        case SC_RESTORE:
            app_.RestoreApp();
            return 0;
        default:
            return std::nullopt;
    }
}

void CAppWindow::OnHotKey(int id) {
    CMainDlg* main = app_.MainWindow();
    if (!main) return;
    if (id == kFetchHotKeyId) {
        app_.RestoreApp();
        main->Fetch();
    } else if (id == kAppHotKeyId) {
        if (::GetActiveWindow() == main->Handle())
            app_.HideApp();
        else
            app_.RestoreApp();
    }
}

LRESULT CAppWindow::OnQueryEndSession(WPARAM wParam, LPARAM lParam) {
    if (!::DefWindowProcA(Handle(), WM_QUERYENDSESSION, wParam, lParam)) return FALSE;
    CMainDlg* main = app_.MainWindow();
    return !main || main->QueryClose();
}

bool CAppWindow::OnCommand(int id, int code, HWND) {
    if (code > 1) return false;  // control notifications: nothing of ours
    switch (id) {
        case ID_COMPACT_MODE:
        case ID_REGULAR_MODE:
        case ID_ORGANIZE_MODE:
            app_.SwitchMode(kViewCompact + (id - ID_COMPACT_MODE), false);
            return true;
        case ID_SETUP:
        case ID_UNINSTALL:
            app_.Settings().RunState = id == ID_SETUP ? kRunSetupRequested : kRunUninstall;
            app_.SwitchMode(app_.Settings().ViewMode, false);
            return true;
        case ID_TOGGLE_APP:
            if (CMainDlg* main = app_.MainWindow(); main && ::IsWindowVisible(main->Handle()))
                app_.HideApp();
            else
                app_.RestoreApp();
            return true;
        default:
            if (CMainDlg* main = app_.MainWindow())
                ::PostMessageA(main->Handle(), WM_COMMAND, MAKEWPARAM(id, code), 0);
            return true;
    }
}
