// CPromptDlg: the small modal prompts that ask one thing (templates
// IDD_DELETE_URL, IDD_READ_ONLY_FILE, IDD_OPEN_NEW_URL).
//
//     CPromptDlg prompt(IDD_OPEN_NEW_URL, owner);
//     if (prompt.RunModal() == IDOK) Open(prompt.Text());
//
// It knows nothing of its template but two optional controls: the check box
// IDC_PROMPT_CHECK and the edit IDC_PROMPT_EDIT. RunModal returns the id of
// the button that closed the dialog (IDCANCEL for Esc and the close box; -1
// when the dialog could not be created); afterwards Text() is the edit's last
// text and Checked() the check box's last state, whichever button closed it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "win/dialog.h"

class CPromptDlg : public win::CDialog {
public:
    // `text` is what the edit starts with.
    CPromptDlg(UINT templateId, HWND owner, std::string text = {})
        : CDialog(templateId, owner), text_(std::move(text)) {}

    const std::string& Text() const noexcept { return text_; }
    bool Checked() const noexcept { return checked_; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    std::string text_;
    bool checked_ = false;
};
