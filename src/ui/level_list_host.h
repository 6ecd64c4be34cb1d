// What a column's list box (CLevelListBox) needs from the main window it
// sits in. CMainDlg implements it for both views; the list box itself only
// draws, reads the mouse and keys, and calls these.
#pragma once

#include <windows.h>

#include <ole2.h>

#include "model/url_list_file.h"

class IMainWindowHost;

class ILevelListHost {
public:
    // The application: the current and the other list, and the settings.
    virtual IMainWindowHost& Application() const = 0;
    virtual bool IsOrganizing() const = 0;
    // Selects `position` of `level` in the list and shows what follows from it.
    virtual void SelectEntry(int level, int position, SelectMode mode) = 0;
    // Marks (1), unmarks (0) or toggles (2) the entries from `from` to `to`
    // (-1: the last) of `level`, entering Organize mode first.
    virtual void MarkEntries(int level, int from, int to, int mode) = 0;
    // Enables the buttons and menu items for the state of the list.
    virtual void UpdateControls() = 0;
    // A title dragged out of the window was dropped as a link: it counts as
    // opened (last visited now, redrawn, auto-minimize).
    virtual void TitleDraggedOut(int position) = 0;
    // The note window, or null while there is none.
    virtual HWND NoteWindow() const = 0;
    // The window's own drop target, or null when none is registered.
    virtual IDropTarget* DropTarget() const = 0;

protected:
    ~ILevelListHost() = default;
};
