// CMainDlg::FindNextInList: the Find command's side in the window. The model
// steps to the next match; the window shows it, and shows how the round
// stands (first match again, only match, not found) in the Find field itself
// for a moment.
#include <string>

#include "dialogs/messages.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "win/window_text.h"

namespace {

constexpr unsigned kNoticeMilliseconds = 750;

const char* NoticeFor(int result) {
    switch (result) {
    case 1:
        return "This was the first match";
    case 2:
        return "This is the only match";
    case 3:
        return "Sorry, text was not found";
    default:
        return nullptr;
    }
}

}  // namespace

void CMainDlg::FindNextInList() {
    const HWND field = Item(IDC_FIND_TEXT);
    const std::string text = win::WindowText(field);
    const CUrlListFile::FindOutcome found = List().FindNext(text, host_.FindRound());
    // Only the columns right of the first changed level are filled again.
    if ((found.result <= 1) && found.firstChangedLevel < kLevelCount)
        ShowSelection(found.firstChangedLevel, true, false);
    if (found.result == -3) {
        MsgBoxFromString(Handle(), IDS_OUT_OF_MEMORY, MsgBoxKind::kExclamation);
        return;
    }
    const char* notice = NoticeFor(found.result);
    if (!notice) return;
    ::SetWindowTextA(field, notice);
    if (!::MessageBeep(MB_OK)) ::FlashWindow(Handle(), TRUE);
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    host_.PauseForNotice(kNoticeMilliseconds);
    ::SetWindowTextA(field, text.c_str());
    // The caret at the end, however long the text, in sight.
    const auto end = static_cast<WPARAM>(::GetWindowTextLengthA(field));
    ::SendMessageA(field, EM_SETSEL, end, static_cast<LPARAM>(end));
    ::SendMessageA(field, EM_SCROLLCARET, 0, 0);
}
