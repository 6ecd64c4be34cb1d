// CMainDlg: the note window beside the main window, following the selected
// title.
#include <windows.h>

#include "app/settings/app_settings.h"
#include "resource.h"
#include "ui/main_dlg.h"

void CMainDlg::CreateNote() {
    INoteHost& host = *this;  // a private base: converted here, not in make_unique
    note_ = std::make_unique<CNoteWnd>(host, Handle());
    if (!note_->Create()) note_.reset();
}

void CMainDlg::DockNote() const {
    if (note_) note_->Dock();
}

void CMainDlg::ShowSelectedNote() {
    if (!note_) return;
    if (!HasSelectedTitle()) {
        note_->Clear();
        return;
    }
    const CUrlListFile& list = List();
    const int item = list.SelectedItem(kTitle);
    note_->ShowItem(list.ItemText(item), list.ResolveAlias(item));
}

// The title's note asterisk and the window's state (Save) follow.
void CMainDlg::NoteEdited() {
    RefreshEntry(kTitle, List().Selection(kTitle));
}

void CMainDlg::NoteShownChanged() {
    SetButtonImage(IDC_NOTE, Settings().Options.NoteShown ? IDB_NOTE_SHOWN : IDB_NOTE);
}

void CMainDlg::ToggleNote() {
    if (!note_) return;
    bool& shown = Settings().Options.NoteShown;
    shown = !shown;
    if (shown) {
        DockNote();
        ::ShowWindow(note_->Handle(), SW_SHOWNA);
        NoteShownChanged();
    } else {
        note_->Hide();
    }
}

void CMainDlg::NoteToFront() {
    if (!note_) return;
    if (::GetForegroundWindow() == note_->Handle()) {
        ::SetForegroundWindow(Handle());
        return;
    }
    if (::IsIconic(Handle())) return;
    Settings().Options.NoteShown = true;
    DockNote();
    ::ShowWindow(note_->Handle(), SW_SHOW);
    NoteShownChanged();
    ::SetForegroundWindow(note_->Handle());
    ::SetFocus(::GetDlgItem(note_->Handle(), IDC_NOTE_TEXT));
}
