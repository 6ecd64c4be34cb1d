// A dialog whose help is one topic of the help file: F1 anywhere in it, its
// Help button (IDHELP) and a Help button of the Preferences' kind
// (IDC_PAGE_HELP) open that topic.
#pragma once

#include "win/dialog.h"

class CHelpDialog : public win::CDialog {
protected:
    CHelpDialog(UINT templateId, HWND owner, const char* topic) noexcept
        : CDialog(templateId, owner), topic_(topic) {}
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    const char* topic_;  // one of help_topic
};
