// CNoteWnd: the note window (template IDD_NOTE), a small modeless window
// beside the main window that shows and edits the note and the log-in name
// of the title selected there. It can follow the main window (auto-dock),
// keeps its own rectangle in the settings, and passes the program's
// function keys and Alt combinations on to the main window so that its
// shortcuts keep working while the note has the focus.
//
// The main window creates it once, tells it which title to show, and shows
// or hides it; Esc and the close box only hide it.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "app/settings/app_settings.h"
#include "model/url_list_file.h"
#include "dialogs/help_dialog.h"

// What the note window needs from the main window that owns it.
class INoteHost {
public:
    virtual CAppSettings& NoteSettings() = 0;
    virtual CUrlListFile& NoteList() = 0;
    // The shown title's note or log-in name was changed in the list.
    virtual void NoteEdited() = 0;
    // The note window was shown or hidden.
    virtual void NoteShownChanged() = 0;
    // The main window's colours, for the note's background and controls.
    virtual HBRUSH NoteBackground() = 0;
    virtual std::optional<LRESULT> NoteControlColor(HDC dc, UINT message) = 0;

protected:
    ~INoteHost() = default;
};

class CNoteWnd final : public CHelpDialog {
public:
    static constexpr int kMinWidth = 150;
    static constexpr int kMinHeight = 100;

    // `mainWindow` owns the note window and receives its keys.
    CNoteWnd(INoteHost& host, HWND mainWindow);

    // Shows the note and log-in name of title `item`, whose text is `titleText`.
    void ShowItem(std::string_view titleText, int item);
    // No title: the caption is "URL Note" and both edits are empty and disabled.
    void Clear();
    // Beside the main window, when auto-dock is on.
    void Dock();
    // Hidden, not destroyed; NoteShown is cleared.
    void Hide();

    bool PreTranslate(MSG& message) noexcept override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    void OnEdited();
    void LayOut(int width, int height);
    void ShowMenu(LPARAM at);

    INoteHost& host_;
    HWND main_;
    int shownItem_ = -1;
    bool updating_ = false;
    SIZE templateClient_{};  // the client size the template's layout is for
};

// Where the note window of `note` size goes beside the main window's
// rectangle `main`: to its right, else its left (bottoms aligned), else
// below it, else centred in the work area.
POINT DockedPosition(const RECT& main, SIZE note, int screenWidth, const RECT& workArea);
