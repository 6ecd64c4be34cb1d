// Drives vellinor.exe from outside, as a user would: the program runs as its
// own process, and the test finds its windows and sends them the messages
// that clicks and keys produce. Every wait polls until a condition holds,
// for at most kBoundMs.
//
// Under Wine a list box or field of another process answers ANSI text
// requests with one character only: texts are read with the wide messages.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "browser_test_support.h"
#include "win/handles.h"

namespace e2e {

constexpr DWORD kBoundMs = 15000;

// Pumps this thread's messages until `done` holds.
bool WaitUntil(const std::function<bool()>& done, DWORD boundMs = kBoundMs);

// Where the tests, vellinor.exe and the stand-in browsers lie; file bytes.
using browser_test::ProgramFolder;
using test_files::Exists;
using test_files::ReadFile;
using test_files::WriteFile;
// The size without opening the file (-1: none). A file the program may be
// replacing is watched this way: a reader holding it open makes the save fail.
long long FileSize(const std::string& path);
using test_files::FileNames;

// --- reading windows of another process --------------------------------
std::string Text(HWND window);
HWND Control(HWND dialog, int id);  // a descendant: a property page's controls too
std::string ControlText(HWND dialog, int id);
std::vector<std::string> ListTexts(HWND box);
int ListSelection(HWND box);
bool IsShown(HWND window);
bool IsReadOnly(HWND field);
// The window that has the focus in the thread of `window`.
HWND FocusOf(HWND window);

// The clipboard's data in `format` (a registered name such as "HTML Format",
// or empty for CF_TEXT), up to its first zero; empty when none.
std::string Clipboard(const std::string& format = {});

// --- what a user does ----------------------------------------------------
// A menu item, accelerator or button as the window's command handling sees
// it. Sent: done when it returns. Post what opens a modal box.
void Command(HWND window, int id);
void PostCommand(HWND window, int id);
// A control's text replaced, as typing it over would leave it (sent).
void SetText(HWND dialog, int id, const std::string& text);
// A push button of a dialog or message box (BM_CLICK, posted).
void ClickButton(HWND dialog, int id);
// That button pressed; true once the dialog or message box is gone.
bool Press(HWND dialog, int button);
// A picture button (a static that notifies its clicks), posted.
void ClickPicture(HWND dialog, int id);
// A press and release of the left button in the middle of `control`:
// it takes the focus, as a click gives it.
void ClickInto(HWND control);
// Characters typed into `control` (posted WM_CHAR); returns once the
// control's text ends with them.
bool Type(HWND control, const std::string& characters);
// A click into the field, all its text selected, and `characters` typed over it.
bool TypeOver(HWND field, const std::string& characters);
// A key pressed and released while `control` has the focus (posted).
void PressKey(HWND control, UINT virtualKey);
// A chord such as {VK_CONTROL, VK_TAB} through the system's input, with
// `window` in front: for accelerators, which read the modifier keys' state,
// and (with no window) for global hot keys.
bool Chord(HWND window, std::initializer_list<WORD> keys);
// A click on an entry as a list box, or a drop-down list, reports it to its
// dialog: the selection moves and the parent gets LBN_SELCHANGE (CBN_SELCHANGE).
void SelectEntry(HWND box, int index);
// A press and release of the left button on the entry, with `keys` held
// (MK_CONTROL marks in the Organize view); the list box takes the focus.
void ClickEntry(HWND box, int index, WPARAM keys = 0);
// Drags entry `from` and drops it on entry `to` (before it); to == the count
// drops it below the last.
void DragEntry(HWND box, int from, int to);

// A picture of the window under build/screenshots/e2e/<name>.png; false when
// no picture could be taken (no `import` installed).
bool Screenshot(HWND window, const std::string& name);

// --- one run of the program ------------------------------------------------
class Program {
public:
    // vellinor.exe, or another program beside the tests (a helper tool), or
    // one given by its full path.
    explicit Program(const std::string& arguments = "", const std::string& program = "vellinor.exe");
    // A run that another program started (see RunningProgramId).
    explicit Program(DWORD processId);
    ~Program();  // a run still going is killed
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    explicit operator bool() const { return static_cast<bool>(process_); }
    DWORD StartError() const { return startError_; }  // why it did not start
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.Get(); }

    HWND Hidden() const;  // the hidden application window, or null
    // The visible window that the hidden one owns (the main window), once there.
    HWND WaitForMain() const;
    // A visible top-level dialog of this program whose caption is `caption`.
    HWND WaitForDialog(const std::string& caption) const;
    HWND FindDialog(const std::string& caption) const;
    // A message box whose text holds `part`.
    HWND WaitForMessageBox(const std::string& part) const;
    // Waits for that message box, presses `button` and waits until it is gone.
    bool Answer(const std::string& part, int button) const;

    // Its visible top-level windows with their captions and texts, for a
    // failure's message.
    std::string Windows() const;

    // In the file dialog captioned `caption`: the file name typed, OK pressed;
    // true once the dialog is gone.
    bool ChooseFile(const std::string& caption, const std::string& path) const;

    // The close request a user's Exit gives (posted: prompts may follow).
    void RequestClose() const;
    // The close request; true when the program ended with exit code 0.
    bool Close() const;
    bool Ended(DWORD& code, DWORD boundMs = kBoundMs) const;
    bool EndedWithCode0() const;  // by itself, within kBoundMs
    void Kill() const;

    // The process of a running program's hidden window, 0 when there is none.
    static DWORD RunningProgramId();

private:
    win::UniqueHandle process_;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

}  // namespace e2e
