#include "dialogs/help_dialog.h"

#include "dialogs/help.h"
#include "resource.h"

std::optional<LRESULT> CHelpDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_HELP) return CDialog::OnMessage(message, wParam, lParam);
    HelpViewer().Show(Handle(), topic_);
    return TRUE;
}

bool CHelpDialog::OnCommand(int id, int code, HWND control) {
    if ((id != IDHELP && id != IDC_PAGE_HELP) || code != BN_CLICKED) return CDialog::OnCommand(id, code, control);
    HelpViewer().Show(Handle(), topic_);
    return true;
}
