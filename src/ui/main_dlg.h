// CMainDlg: the main window, a modeless dialog in one of three modes, and
// what all modes share: menu bar, icons, colours, keep-at-front, the system
// commands, the accelerators, the exit save prompts. COrganizeDlg (Regular
// and Organize, template 100) and CCompactDlg (template 101) add their
// controls, layout and commands.
//
// The application creates the window through CreateMainWindow when the mode
// changes, shows it, has it show the list, and destroys it at the next
// change or at exit; a mode change the window cannot make in place (Compact
// to or from the others) is posted to the hidden application window as
// WM_COMMAND 32770-32772.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/settings/window_rect.h"
#include "dialogs/message_format.h"
#include "model/url_list_file.h"
#include "ui/level_list_host.h"
#include "ui/main_window_host.h"
#include "ui/note_wnd.h"
#include "ui/save_prompt.h"
#include "win/dialog.h"
#include "win/handles.h"

// A picture button and the picture it shows.
struct ButtonImage {
    int control;
    int bitmap;
};

class CLevelListBox;

class CMainDlg : public win::CDialog, public ILevelListHost, private INoteHost {
public:
    ~CMainDlg() override;

    // Opens the current list and shows it, then starts what RunState left
    // pending. Called once the application has shown the window (or kept it
    // hidden, as asked): messages about the list need their owner in sight.
    void ShowCurrentList();
    // The exit save prompts for the current and the other list: true when
    // the program may end.
    bool QueryClose();
    // Keeps the window's normal rectangle (and column widths) in the settings.
    virtual void StorePlacement() = 0;
    // The tray icon's callback (the mouse message it reports).
    void OnTrayNotify(LPARAM mouseMessage);
    // The fetch hot key: the same as the Fetch command.
    void Fetch();
    // The Preferences were applied: the colours, the pictures, the List and
    // Browser menus, the list with its recent highlighting and the status
    // line follow the settings.
    void ReapplySettings();
    // Makes list `index` current after the save prompts (nothing for an
    // index outside the list table) and shows it; when it cannot be opened
    // the list shown stays and the URL Lists page of the Preferences opens.
    void SwitchList(int index);
    // The same for the Export dialog's choice of list: false when the list
    // shown stays (cancelled, or the reason was shown).
    bool OpenListForExport(int index);
    // An imported list joins the list table (unless it is there) and opens.
    void OpenImportedList(const std::string& name, const std::string& path);
    // An import replaced `path`, which the open list or the list kept for
    // its marks may have been read from (the user agreed to overwrite it).
    void ListFileReplaced(const std::string& path);
    // The lists and browsers in the menus, with their marks, the items that
    // depend on the list, and the caption. Run whenever the tables or the
    // current entries change.
    void BuildListMenus();
    // The mode's accelerators, then the global ones, then the dialog's
    // keyboard interface.
    bool PreTranslate(MSG& message) noexcept override;

    int TemplateId() const noexcept { return templateId_; }

    // Shows the current list's selection from `fromLevel` down (-1: all,
    // refilling the categories too): fields, last-visited text, and the
    // columns right of each level. `setSelection` also sets the list-box
    // selection at `fromLevel` (deeper levels always); `clearPending` drops
    // new entries being typed.
    virtual void ShowSelection(int fromLevel, bool setSelection, bool clearPending) = 0;
    // A choice in a column: the model selects, the window follows.
    virtual void SelectEntry(int level, int position, SelectMode mode);
    // Marks (1), unmarks (0) or toggles (2) entries of a level (Organize mode first).
    void MarkEntries(int level, int from, int to, int mode) override;
    // Enables the buttons and menu items for the present state.
    virtual void UpdateControls();
    // Starts a new title filled with a URL and title (visited: a fetched URL,
    // whose last-visited time becomes the time it is added).
    virtual void EnterNewUrl(const std::string& url, const std::string& title, bool visited) = 0;
    // The selected title's last visit, as a phrase with the exact time as tool tip.
    void ShowLastVisited() const;
    // Resets the item data of one entry (its colour) and repaints it.
    void RefreshEntry(int level, int position);
    // What the list boxes ask of the window.
    IMainWindowHost& Application() const override { return host_; }
    void TitleDraggedOut(int position) override;
    HWND NoteWindow() const override { return note_ ? note_->Handle() : nullptr; }
    // Docks the note window again (auto-dock may have been switched on).
    void DockNote() const;
    IDropTarget* DropTarget() const override { return dropTarget_; }
    // A URL (and title) dropped on the window becomes a new title being typed.
    virtual void AddDroppedUrl(const std::string& url, const std::string& title);

protected:
    CMainDlg(IMainWindowHost& host, int templateId, HWND owner, int acceleratorId);

    IMainWindowHost& Host() const noexcept { return host_; }
    CAppSettings& Settings() const { return host_.Settings(); }
    CUrlListFile& List() const { return host_.CurrentList(); }

    bool OnInit() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;

    // The view's part of initialisation: subclass its list boxes and place
    // the window from the stored rectangle.
    virtual void PlaceWindow() = 0;
    // Sets the view's button pictures from the application's colour-mapped
    // bitmaps; the Open button's picture is set by the base afterwards.
    virtual void LoadButtonImages() = 0;
    // The list box of a level, null for a level the view has none of.
    virtual HWND LevelBoxWindow(int level) const = 0;
    // A level whose new entry already has a typed name (a parent that
    // marked items can be moved under once it is added).
    virtual bool IsPendingWithName(int) const { return false; }
    // The view's commands; true when handled.
    virtual bool OnViewCommand(int id, int code, HWND control) = 0;
    // The mode's keep-at-front option.
    virtual bool& KeepAtFront() const = 0;
    bool IsOrganizing() const override { return false; }
    // The view's list box of a level, null when it has none.
    virtual CLevelListBox* LevelBox(int level) = 0;
    // Runs once the window is placed and shows the list: what the mode
    // starts in (Organize mode when ViewMode asks for it).
    virtual void EnterStartMode() {}
    // Said just before another list becomes the current one (true), and
    // again when that did not happen (false): the columns show the list
    // being left as it is, and a view may keep them for a switch back.
    virtual void KeepColumns(bool) {}

    // Puts a picture on a picture button.
    void SetButtonImage(int controlId, int bitmapId) const noexcept;
    // Enables a picture button and gives it a picture, repainting only what changed.
    void SetButtonState(int controlId, bool enabled, int bitmapId) const noexcept;
    void LoadPictures();
    template <std::size_t n>
    void SetButtonImages(const ButtonImage (&images)[n]) const noexcept {
        for (const ButtonImage& image : images) SetButtonImage(image.control, image.bitmap);
    }
    // Puts the window at a stored rectangle (none: left where it is), at
    // least minWidth by minHeight and at most the work area, and on top
    // when the mode's keep-at-front option asks for it.
    void PlaceAtStoredRect(const WindowRect& stored, int minWidth, int minHeight) const;
    // The window's rectangle when neither minimised nor maximised, as it is
    // stored (counted from the work area's corner).
    WindowRect NormalRect() const;
    // Posts the mode command (32770-32772) to the hidden window, which
    // recreates the main window in that mode.
    void PostModeSwitch(int command) const noexcept;
    // Topmost or not, keeping size and position.
    void ApplyKeepAtFront() const noexcept;
    // The save prompts for both lists before the list or mode changes
    // (continuing) or the program ends (exiting); false when cancelled.
    bool SavePromptAll(SaveReason reason);
    // The same with the prompt left out or not, and with unchanged lists
    // rewritten too (`forced`); the controls are refreshed when continuing.
    bool SavePromptAll(SaveReason reason, bool withoutPrompt, bool forced);
    // Reads the current list's file again, dropping its changes (in
    // Organize mode only when the user agrees).
    void Revert();
    // Organize mode for a command that edits; false when the window cannot
    // edit now (the Compact window switches instead).
    virtual bool EnterOrganizeMode() = 0;
    // The level of the list box that has the focus, -1 when none has.
    int FocusedLevel() const;
    // After the entries of `level` changed: that column and those right of
    // it are filled again from the model, following its selection.
    void ShowChangedLevel(int level);
    void ShowOutOfMemory() const;
    std::string ListName(const CUrlListFile& list) const;
    // The status line's idle text: the list, its size and the browser.
    void UpdateStatusLine();
    // Shows the help text `id` (string id, or a list or browser menu item)
    // on the status line instead of the idle text; an id without text
    // brings the idle text back.
    void ShowMessageHelp(int id);
    void FocusFindField() const noexcept;
    // The list that holds marks (the current list, else the other list);
    // null when neither does.
    const CUrlListFile* MarkedList() const;
    // Marked items can be inserted: their parent level has a selection, or
    // every level above them is selected or a named new entry.
    bool MarksCanLand() const;
    bool HasSelectedTitle() const;
    // The deepest level with a selection, -1 when none.
    static int DeepestSelectedLevel(const CUrlListFile& list);
    // The Edit menu, Save, Revert, Organize Mode, Fetch and Open for the state.
    void UpdateCommandState() const;
    void SetToolTipText(int control, const std::string& text) const noexcept;
    // The note window follows the selected title, or is cleared without one.
    void ShowSelectedNote();
    // Sets every entry's item data again, from `fromLevel` to the titles.
    void RefreshItemData(int fromLevel);

private:
    // The Find command: the next match of the Find field's text.
    void FindNextInList();
    // The clipboard copy commands; false for any other command.
    bool CopyAs(int command);
    void RegisterDropTarget();
    void RevokeDropTarget();

    bool OnSysCommand(WPARAM command, LPARAM position);
    void OnActivate(WPARAM state) const;
    LRESULT OnEraseBackground(HDC dc) const;
    std::optional<LRESULT> OnControlColor(HDC dc, UINT message) const;
    void OnSysColorChange();
    void OnMove() const;
    void LoadMenuBar();
    void ToggleKeepAtFront();
    void OpenPreferences(int tab);
    void ShowTrayMenu();
    // The window background's menu: the modes and the window's options.
    void ShowWindowMenu(LPARAM at);
    // The application ends through its hidden window, which asks QueryClose.
    void RequestExit() const noexcept;
    // The command layers (main_commands.cpp); true when handled.
    bool RunBaseCommand(int id, int code);
    bool RunMappedCommand(int id);
    bool RunApplicationCommand(int id);
    SaveAnswer PromptToSave(CUrlListFile& list, SaveReason reason, bool withoutPrompt, bool forced);
    bool ConfirmDiscard(const CUrlListFile& list) const;
    bool ReloadCurrentList();
    // The commands every mode shares (main_commands.cpp).
    void DeleteEntry(int level);
    void ToggleMark(int level);
    void InsertSeparatorAt(int level);
    void SaveCopy();
    void OpenNewUrl();
    // The browse button: a file or folder becomes the selected title's URL,
    // or starts a new title.
    void PickFileOrFolder();
    void ToggleOption(bool& option);
    // The Preferences at the page of `command` (after the save prompts).
    void ShowPreferences(int command);
    // Ctrl+C and Ctrl+X act on the text of a focused field: true when the
    // field took `message` (WM_COPY, WM_CUT).
    bool SendToFocusedField(UINT message) const;
    void CreateToolTips();
    void ShowLastVisitedMenu(LPARAM at);
    void SetSelectedLastVisited(bool never);
    // Opens the selected title in a new or the frontmost browser window; by
    // default as OpenInNewWindow says, Shift inverting it.
    enum class WindowChoice { kDefault, kNew, kFrontmost };
    void OpenSelected(WindowChoice choice = WindowChoice::kDefault);
    void FetchNewTitle();
    // Auto-minimize after opening something (Alt held inverts it).
    void MinimizeAfterOpening();

    // The List and Browser menu commands (main_dlg_lists.cpp); true when handled.
    bool RunTableCommand(int id);
    void OpenOrCreateList();
    // Shows list `index` once the host made it current (`reload`: read
    // again even when open); false when it could not be opened.
    bool ShowListAt(int index, bool reload);
    // The Import and Export dialogs (main_exchange.cpp).
    void ImportCollection();
    void ExportList();
    void FillBrowserMenus() const;
    void SetCurrentBrowser(int index);
    // A new window of the current browser with a blank page.
    void OpenBlankWindow();
    // The List menu's cleanup commands (cleanup_commands.cpp); true when handled.
    bool RunCleanupCommand(int id);
    void MarkDuplicates();
    void MergeDuplicates();
    void CheckLinks();
    // Redraws every column's entries after the marks changed.
    void RefreshMarks();
    // A formatted string on the status line until its idle text comes back.
    void ShowStatusText(UINT id, std::initializer_list<MessageArg> args);
    // Runs `open` with browser `index` current, then makes the previous one
    // current again; nothing for an index outside the browser table.
    template <typename Open>
    void WithBrowser(int index, Open open);
    // The Fetch button's right-click menu of the browser's windows: the
    // window picked is fetched at once.
    void ShowFetchWindowMenu(LPARAM screenPoint);

    // The note window (main_note.cpp).
    CAppSettings& NoteSettings() override { return Settings(); }
    CUrlListFile& NoteList() override { return List(); }
    void NoteEdited() override;
    // The Note button's picture tells whether the note window is shown.
    void NoteShownChanged() override;
    HBRUSH NoteBackground() override { return host_.BackgroundBrush(); }
    std::optional<LRESULT> NoteControlColor(HDC dc, UINT message) override { return OnControlColor(dc, message); }
    void CreateNote();
    // F5 and the Note button: shown without taking the focus, or hidden.
    void ToggleNote();
    // Alt+F5: from the note to the main window, or into the note to edit it.
    void NoteToFront();

    IMainWindowHost& host_;
    std::unique_ptr<CNoteWnd> note_;
    int templateId_;
    int acceleratorId_;
    win::UniqueAccelerators accelerators_;
    // Not owned by the window: under Wine an owned tool tip keeps the window
    // from staying topmost.
    win::UniqueWindow toolTips_;
    std::string idleStatus_;
    int shownHelpId_ = 0;
    IDropTarget* dropTarget_ = nullptr;  // registered for the window while it lives
};

// Creates the main window for ViewMode `mode` (1 Compact, 2 Regular,
// 3 Organize), owned by `owner`, placed but empty and not shown: the
// application shows it (RestoreApp) or keeps it hidden (HideApp), then calls
// ShowCurrentList. Null when it could not be created.
std::unique_ptr<CMainDlg> CreateMainWindow(IMainWindowHost& host, int mode, HWND owner);
