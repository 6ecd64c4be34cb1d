#include <memory>

#include "app/settings/app_settings.h"
#include "ui/compact_dlg.h"
#include "ui/main_dlg.h"
#include "ui/organize_dlg.h"

std::unique_ptr<CMainDlg> CreateMainWindow(IMainWindowHost& host, int mode, HWND owner) {
    std::unique_ptr<CMainDlg> window;
    if (mode == kViewCompact) {
        window = std::make_unique<CCompactDlg>(host, owner);
    } else {
        window = std::make_unique<COrganizeDlg>(host, owner);
    }
    if (!window->Create()) return nullptr;
    return window;
}
