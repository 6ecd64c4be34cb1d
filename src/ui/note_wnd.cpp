#include "ui/note_wnd.h"

#include "app/win32/window_placement.h"
#include "dialogs/help.h"
#include "model/title_text.h"
#include "resource.h"
#include "ui/dialog_geometry.h"
#include "win/module.h"
#include "win/resource_string.h"
#include "win/handles.h"

namespace {

// The caption of a title text: its name, between the first and second TAB.
std::string CaptionOf(std::string_view titleText) {
    const std::size_t first = titleText.find('\t');
    if (first == std::string_view::npos) return std::string(titleText);
    const std::size_t second = titleText.find('\t', first + 1);
    return std::string(titleText.substr(first + 1, second == std::string_view::npos ? second : second - first - 1));
}

// The function keys after F1, and Alt combinations; the keys above F24 (the
// lock and punctuation keys among them) are the note's own typing.
bool IsForMainWindow(const MSG& message) {
    return (message.message == WM_KEYDOWN && message.wParam >= VK_F2 && message.wParam <= VK_F24) ||
           message.message == WM_SYSKEYDOWN;
}

}  // namespace

POINT DockedPosition(const RECT& main, SIZE note, int screenWidth, const RECT& workArea) {
    if (screenWidth - main.right > note.cx) return {main.right, main.bottom - note.cy};
    if (main.left >= note.cx) return {main.left - note.cx, main.bottom - note.cy};
    if ((workArea.bottom - workArea.top) - main.bottom >= note.cy) return {main.left, main.bottom};
    return {workArea.left + (workArea.right - workArea.left - note.cx) / 2,
            workArea.top + (workArea.bottom - workArea.top - note.cy) / 2};
}

CNoteWnd::CNoteWnd(INoteHost& host, HWND mainWindow)
    : CHelpDialog(IDD_NOTE, mainWindow, help_topic::kNoteWindow), host_(host), main_(mainWindow) {}

bool CNoteWnd::OnInit() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    templateClient_ = {client.right, client.bottom};
    const WindowRect& stored = host_.NoteSettings().NoteWindowRect;
    if (!stored.IsEmpty()) PlaceWindowAt(Handle(), stored, false);
    Clear();
    return false;
}

void CNoteWnd::ShowItem(std::string_view titleText, int item) {
    updating_ = true;
    shownItem_ = item;
    const WPARAM readOnly = host_.NoteList().IsReadOnly();
    for (int id : {IDC_NOTE_TEXT, IDC_LOG_IN_NAME}) {
        EnableItem(id, true);
        SendItemMessage(id, EM_SETREADONLY, readOnly);
    }
    ::SetWindowTextA(Handle(), CaptionOf(titleText).c_str());
    SetItemText(IDC_NOTE_TEXT, TitleNote(titleText, true));
    SetItemText(IDC_LOG_IN_NAME, std::string(TitleLogIn(titleText)));
    updating_ = false;
}

void CNoteWnd::Clear() {
    updating_ = true;
    shownItem_ = -1;
    ::SetWindowTextA(Handle(), win::LoadResourceString(IDS_NOTE_CAPTION).c_str());
    SetItemText(IDC_NOTE_TEXT, "");
    SetItemText(IDC_LOG_IN_NAME, "");
    EnableItem(IDC_NOTE_TEXT, false);
    EnableItem(IDC_LOG_IN_NAME, false);
    updating_ = false;
}

void CNoteWnd::Dock() {
    if (!Handle() || !host_.NoteSettings().Options.AutoDockNote) return;
    RECT main{};
    RECT note{};
    ::GetWindowRect(main_, &main);
    ::GetWindowRect(Handle(), &note);
    const WindowRect area = WorkArea();
    const RECT workArea = {static_cast<LONG>(area.left), static_cast<LONG>(area.top), static_cast<LONG>(area.right),
                           static_cast<LONG>(area.bottom)};
    const POINT at = DockedPosition(main, {note.right - note.left, note.bottom - note.top},
                                    ::GetSystemMetrics(SM_CXSCREEN), workArea);
    ::SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CNoteWnd::Hide() {
    ::ShowWindow(Handle(), SW_HIDE);
    host_.NoteSettings().Options.NoteShown = false;
    host_.NoteShownChanged();
}

// Both texts go to the list together, whichever edit changed.
void CNoteWnd::OnEdited() {
    if (updating_ || shownItem_ < 0) return;
    host_.NoteList().SetNoteAndLogIn(shownItem_, ItemText(IDC_NOTE_TEXT), ItemText(IDC_LOG_IN_NAME));
    host_.NoteEdited();
}

// The note grows with the window; the log-in name and its label keep to
// the bottom edge.
void CNoteWnd::LayOut(int width, int height) {
    const int dx = width - templateClient_.cx;
    const int dy = height - templateClient_.cy;
    if (dx == 0 && dy == 0) return;
    templateClient_ = {width, height};
    ui::ShiftControl(Handle(), IDC_NOTE_TEXT, 0, 0, dx, dy);
    ui::ShiftControl(Handle(), IDC_LOG_IN_NAME, 0, dy, dx, 0);
    ui::ShiftControl(Handle(), IDC_LOG_IN_LABEL, 0, dy);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void CNoteWnd::ShowMenu(LPARAM at) {
    win::UniqueMenu menu(::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_NOTE_MENU)));
    if (!menu) return;
    const HMENU popup = ::GetSubMenu(menu.Get(), 0);
    bool& autoDock = host_.NoteSettings().Options.AutoDockNote;
    ::CheckMenuItem(popup, ID_AUTODOCK, MF_BYCOMMAND | (autoDock ? MF_CHECKED : MF_UNCHECKED));
    POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {  // from the keyboard: at the window's corner
        point = {0, 0};
        ::ClientToScreen(Handle(), &point);
    }
    const auto chosen = ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, 0, Handle(), nullptr);
    if (chosen != ID_AUTODOCK) return;
    autoDock = !autoDock;
    Dock();
}

bool CNoteWnd::PreTranslate(MSG& message) noexcept {
    if (IsForMainWindow(message)) ::PostMessageA(main_, message.message, message.wParam, message.lParam);
    return CDialog::PreTranslate(message);
}

std::optional<LRESULT> CNoteWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETMINMAXINFO:
        ui::SetMinimumTrackSize(lParam, kMinWidth, kMinHeight);
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) LayOut(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != Handle()) break;
        ShowMenu(lParam);
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(Handle(), &client);
        const HBRUSH custom = host_.NoteSettings().Options.CustomColors ? host_.NoteBackground() : nullptr;
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, custom ? custom : ::GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
        return host_.NoteControlColor(reinterpret_cast<HDC>(wParam), message);
    default:
        break;
    }
    return CHelpDialog::OnMessage(message, wParam, lParam);
}

bool CNoteWnd::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDC_NOTE_TEXT:
    case IDC_LOG_IN_NAME:
        if (code == EN_CHANGE) OnEdited();
        return true;
    case IDOK:
        return true;  // Return belongs to the note
    case IDCANCEL:
        Hide();
        return true;
    default:
        return CHelpDialog::OnCommand(id, code, control);
    }
}

void CNoteWnd::OnDestroy() { host_.NoteSettings().NoteWindowRect = StoredWindowRect(Handle()); }
