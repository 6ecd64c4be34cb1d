#include "dialogs/prompt_dlg.h"

#include "resource.h"

bool CPromptDlg::OnInit() {
    HWND edit = Item(IDC_PROMPT_EDIT);
    if (!edit) return true;
    // The edit gets the focus even when it starts empty. Focused by the dialog
    // manager it would have all its text selected; the caret goes after the
    // text instead, so that typing adds to it.
    SetItemText(IDC_PROMPT_EDIT, text_);
    auto end = static_cast<WPARAM>(::GetWindowTextLengthA(edit));
    ::SendMessageA(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    ::SetFocus(edit);
    return false;
}

bool CPromptDlg::OnCommand(int id, int code, HWND) {
    if (Item(IDC_PROMPT_CHECK)) checked_ = IsItemChecked(IDC_PROMPT_CHECK);
    if (Item(IDC_PROMPT_EDIT)) text_ = ItemText(IDC_PROMPT_EDIT);
    // Code 0 is a button's click, or Enter and Esc from the dialog manager
    // (whose control handle is null when the template has no such button).
    if (code != BN_CLICKED || id == IDC_PROMPT_CHECK) return false;
    Close(id);
    return true;
}
