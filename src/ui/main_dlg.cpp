#include "ui/main_dlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/settings/app_settings.h"
#include "app/win32/window_placement.h"
#include "dialogs/message_format.h"
#include "dialogs/prefs_host.h"
#include "dialogs/messages.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/level_list_box.h"
#include "win/guards.h"
#include "win/module.h"
#include "win/window_text.h"

namespace {

// Positions in the menu bar: the Application popup is the last one (the
// Compact window has no Browser popup), with the modes at its top.
constexpr UINT kBrowserPopup = 2;
constexpr UINT kFirstModeItem = 0;
constexpr UINT kLastModeItem = 2;

bool IsKeyboardMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

CMainDlg::CMainDlg(IMainWindowHost& host, int templateId, HWND owner, int acceleratorId)
    : CDialog(static_cast<UINT>(templateId), owner),
      host_(host),
      templateId_(templateId),
      acceleratorId_(acceleratorId) {}

CMainDlg::~CMainDlg() = default;

bool CMainDlg::OnInit() {
    const HWND window = Handle();
    ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(host_.LargeIcon()));
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(host_.SmallIcon()));
    ::DeleteMenu(::GetSystemMenu(window, FALSE), SC_MAXIMIZE, MF_BYCOMMAND);
    // The hidden application window owns the taskbar button.
    ::SetWindowLongPtrA(window, GWL_EXSTYLE,
                        ::GetWindowLongPtrA(window, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    accelerators_.Reset(::LoadAcceleratorsA(win::ModuleInstance(), MAKEINTRESOURCEA(acceleratorId_)));
    LoadMenuBar();
    PlaceWindow();
    CreateNote();
    LoadPictures();
    CreateToolTips();
    RegisterDropTarget();
    return false;
}

void CMainDlg::RefreshItemData(int fromLevel) {
    for (int level = fromLevel; level < kLevelCount; ++level)
        if (CLevelListBox* box = LevelBox(level)) box->RefreshItemData(List(), Settings().RecentPeriod);
}

void CMainDlg::ShowCurrentList() {
    const bool opened = host_.OpenCurrentList(Handle(), false);
    BuildListMenus();
    ShowSelection(-1, true, true);
    if (Settings().Options.NoteShown && ::IsWindowVisible(Handle()) && !::IsIconic(Handle()))
        if (const HWND note = NoteWindow()) ::ShowWindow(note, SW_SHOWNA);
    FocusFindField();
    // After the focus: a new title started now keeps it.
    EnterStartMode();
    Settings().RunState = kRunNormal;
    UpdateStatusLine();
    // A list that cannot be opened leaves the user at the table of lists,
    // to mend its path or choose another.
    if (!opened) OpenPreferences(kUrlListsTab);
}

// The menu bar takes its height from the client area; the window grows by
// it so that the template's layout keeps its room.
void CMainDlg::LoadMenuBar() {
    const HWND window = Handle();
    HMENU menu = ::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    if (!menu) return;
    if (templateId_ == IDD_COMPACT) ::DeleteMenu(menu, kBrowserPopup, MF_BYPOSITION);
    RECT before{};
    ::GetClientRect(window, &before);
    ::SetMenu(window, menu);  // the window destroys it
    RECT after{};
    ::GetClientRect(window, &after);
    RECT frame{};
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left,
                   frame.bottom - frame.top + (before.bottom - after.bottom),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HMENU application = ::GetSubMenu(menu, ::GetMenuItemCount(menu) - 1);
    ::CheckMenuRadioItem(application, kFirstModeItem, kLastModeItem,
                         kFirstModeItem + static_cast<UINT>(Settings().ViewMode - kViewCompact),
                         MF_BYPOSITION);
}

std::optional<LRESULT> CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    for (int level = 0; level < kLevelCount; ++level) {
        if (CLevelListBox* box = LevelBox(level))
            if (auto result = box->OnParentMessage(message, wParam, lParam)) return result;
    }
    switch (message) {
    case WM_SYSCOMMAND:
        if (OnSysCommand(wParam, lParam)) return 0;
        break;
    case WM_ACTIVATE:
        OnActivate(wParam);
        break;
    case WM_ERASEBKGND:
        if (::IsIconic(Handle())) break;
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
        return OnControlColor(reinterpret_cast<HDC>(wParam), message);
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        break;
    case WM_MOVE:
        OnMove();
        DockNote();
        break;
    case WM_SIZE:
        DockNote();
        break;
    case WM_CLOSE:
        RequestExit();
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == Item(IDC_LAST_VISITED)) {
            ShowLastVisitedMenu(lParam);
            return 0;
        }
        if (reinterpret_cast<HWND>(wParam) == Item(IDC_FETCH)) {
            ShowFetchWindowMenu(lParam);
            return 0;
        }
        if (reinterpret_cast<HWND>(wParam) == Handle()) {
            ShowWindowMenu(lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

// Each layer in turn: what every mode shares, the mode's view, the
// dialog's own controls, then the application's standard commands.
bool CMainDlg::OnCommand(int id, int code, HWND control) {
    // Enter and Esc reach a dialog as IDOK and IDCANCEL; neither may close
    // the main window.
    if (id == IDOK || id == IDCANCEL) return true;
    // A picture button tells when it is enabled or disabled; that is no click.
    if ((code == STN_ENABLE || code == STN_DISABLE) && win::HasWindowClass(control, "Static")) return true;
    return RunBaseCommand(id, code) || RunTableCommand(id) || RunCleanupCommand(id) ||
           OnViewCommand(id, code, control) || RunMappedCommand(id) || RunApplicationCommand(id);
}

void CMainDlg::OnDestroy() {
    RevokeDropTarget();
    StorePlacement();
    if (note_) note_->Close(0);  // keeps its rectangle
}

bool CMainDlg::PreTranslate(MSG& message) noexcept {
    const HWND window = Handle();
    if (const HWND note = NoteWindow(); note && (message.hwnd == note || ::IsChild(note, message.hwnd)))
        return note_->PreTranslate(message);
    if (window && IsKeyboardMessage(message.message) &&
        (message.hwnd == window || ::IsChild(window, message.hwnd))) {
        if (accelerators_ && ::TranslateAcceleratorA(window, accelerators_.Get(), &message)) return true;
        const HACCEL global = host_.GlobalAccelerators();
        if (global && ::TranslateAcceleratorA(window, global, &message)) return true;
    }
    if (toolTips_ && message.message == WM_MOUSEMOVE && (message.hwnd == window || ::IsChild(window, message.hwnd)))
        ::SendMessageA(toolTips_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
    return CDialog::PreTranslate(message);
}

// The caption's close box (a position other than 0) only minimises while
// the tray icon is there; Alt+F4 and the system menu end the program.
bool CMainDlg::OnSysCommand(WPARAM command, LPARAM position) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        if (position != 0 && Settings().Options.UseTray) {
            ::PostMessageA(host_.HiddenWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        } else {
            RequestExit();
        }
        return true;
    case SC_MINIMIZE:
    case SC_RESTORE:
        ::PostMessageA(host_.HiddenWindow(), WM_SYSCOMMAND, command, 0);
        return true;
    default:
        return false;
    }
}

// The Preferences may switch the list: the open lists are saved first.
void CMainDlg::OpenPreferences(int tab) {
    if (SavePromptAll(SaveReason::kContinuing)) host_.RunPreferences(Handle(), tab);
}

void CMainDlg::RequestExit() const noexcept { ::PostMessageA(host_.HiddenWindow(), WM_CLOSE, 0, 0); }

// The list's name as configured, else its file.
std::string CMainDlg::ListName(const CUrlListFile& list) const {
    const CAppSettings& settings = Settings();
    const int index = settings.FindListByFile(list.Path());
    return index >= 0 ? settings.Lists.Entry(index).name : list.Path();
}

bool CMainDlg::QueryClose() { return SavePromptAll(SaveReason::kExiting); }

// A question needs the window in sight; a hidden window stays hidden when
// nothing is asked (ending from the tray, or with the session).
SaveAnswer CMainDlg::PromptToSave(CUrlListFile& list, SaveReason reason, bool withoutPrompt, bool forced) {
    if (!withoutPrompt && HasChangesToSave(list) && !::IsWindowVisible(Handle())) host_.RestoreApp();
    return SavePrompt(Handle(), list, ListName(list), reason, withoutPrompt, forced);
}

bool CMainDlg::SavePromptAll(SaveReason reason) {
    return SavePromptAll(reason, Settings().Options.SaveWithoutPrompt, false);
}

// Not saving means reverting: in Organize mode only after the user agreed
// to lose the changes. When exiting, nothing is reloaded.
bool CMainDlg::SavePromptAll(SaveReason reason, bool withoutPrompt, bool forced) {
    const bool exiting = reason == SaveReason::kExiting;
    switch (PromptToSave(List(), reason, withoutPrompt, forced)) {
    case SaveAnswer::kCancel:
        return false;
    case SaveAnswer::kDiscard:
        if (!ConfirmDiscard(List())) return false;
        if (!exiting && !ReloadCurrentList()) return false;
        break;
    case SaveAnswer::kGoOn:
        break;
    }
    if (CUrlListFile* other = host_.OtherList()) {
        switch (PromptToSave(*other, reason, withoutPrompt, forced)) {
        case SaveAnswer::kCancel:
            return false;
        case SaveAnswer::kDiscard:
            if (!ConfirmDiscard(*other)) return false;
            if (!exiting) host_.DiscardOtherList();
            break;
        case SaveAnswer::kGoOn:
            break;
        }
    }
    if (!exiting) UpdateControls();
    return true;
}

bool CMainDlg::ConfirmDiscard(const CUrlListFile& list) const {
    return !IsOrganizing() ||
           MsgBoxFormatted(Handle(), IDS_DISCARD_CHANGES, MsgBoxKind::kQuestionYesNo, {ListName(list)}) == IDYES;
}

bool CMainDlg::ReloadCurrentList() {
    if (!host_.OpenCurrentList(Handle(), true)) return false;
    ShowSelection(-1, true, true);
    return true;
}

void CMainDlg::Revert() {
    if (ConfirmDiscard(List())) ReloadCurrentList();
}

void CMainDlg::OnActivate(WPARAM state) const {
    if (LOWORD(state) == WA_INACTIVE || HIWORD(state) != 0) return;
    ShowLastVisited();  // the phrase stays current
    if (!IsOrganizing()) FocusFindField();
}

void CMainDlg::FocusFindField() const noexcept {
    const HWND find = Item(IDC_FIND_TEXT);
    ::SetFocus(find);
    ::SendMessageA(find, EM_SETSEL, 0, -1);
}

// The background, and an etched line under the menu bar.
LRESULT CMainDlg::OnEraseBackground(HDC dc) const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (Settings().Options.CustomColors && host_.BackgroundBrush()) {
        ::FillRect(dc, &client, host_.BackgroundBrush());
    } else {
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    RECT line = {client.left, 0, client.right, 1};
    ::FillRect(dc, &line, ::GetSysColorBrush(COLOR_BTNSHADOW));
    line = {client.left, 1, client.right, 2};
    ::FillRect(dc, &line, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    return 1;
}

// With custom colours every control writes in the text colour, and statics
// (labels, pictures, read-only fields) sit on the background colour.
// Fields and list boxes keep the window colour behind the text; answering
// for them is still needed, or the default handling resets the text colour.
std::optional<LRESULT> CMainDlg::OnControlColor(HDC dc, UINT message) const {
    const CAppSettings& settings = Settings();
    if (!settings.Options.CustomColors) return std::nullopt;
    ::SetTextColor(dc, settings.Colors[kColorText]);
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORDLG || message == WM_CTLCOLORBTN) {
        ::SetBkColor(dc, settings.Colors[kColorBackground]);
        return reinterpret_cast<LRESULT>(host_.BackgroundBrush());
    }
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

void CMainDlg::OnSysColorChange() {
    host_.RecreateColorResources();
    LoadPictures();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

// The hidden window follows the main window's client area: windows that
// place themselves by the application's main window (message boxes without
// an owner) then appear over this one.
void CMainDlg::OnMove() const {
    POINT origin{};
    ::ClientToScreen(Handle(), &origin);
    ::SetWindowPos(host_.HiddenWindow(), nullptr, origin.x, origin.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDlg::ToggleKeepAtFront() {
    bool& keep = KeepAtFront();
    keep = !keep;
    ApplyKeepAtFront();
}

void CMainDlg::ApplyKeepAtFront() const noexcept {
    ::SetWindowPos(Handle(), KeepAtFront() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainDlg::PostModeSwitch(int command) const noexcept {
    ::PostMessageA(host_.HiddenWindow(), WM_COMMAND, static_cast<WPARAM>(command), 0);
}

// Both modes have the Open and Note buttons; their pictures say where a
// title opens and whether the note is shown.
void CMainDlg::LoadPictures() {
    LoadButtonImages();
    SetButtonImage(IDC_OPEN, Settings().Options.OpenInNewWindow ? IDB_OPEN : IDB_OPEN_FRONTMOST);
    NoteShownChanged();
}

void CMainDlg::SetButtonImage(int controlId, int bitmapId) const noexcept {
    SendItemMessage(controlId, STM_SETIMAGE, IMAGE_BITMAP,
                    reinterpret_cast<LPARAM>(host_.ButtonBitmap(bitmapId)));
}

void CMainDlg::SetButtonState(int controlId, bool enabled, int bitmapId) const noexcept {
    if ((::IsWindowEnabled(Item(controlId)) != FALSE) != enabled) EnableItem(controlId, enabled);
    if (::SendMessageA(Item(controlId), STM_GETIMAGE, IMAGE_BITMAP, 0) !=
        reinterpret_cast<LRESULT>(host_.ButtonBitmap(bitmapId)))
        SetButtonImage(controlId, bitmapId);
}

void CMainDlg::PlaceAtStoredRect(const WindowRect& stored, int minWidth, int minHeight) const {
    if (!stored.IsEmpty()) {
        const WindowRect area = WorkArea();
        const auto width = std::clamp<std::int64_t>(stored.Width(), minWidth,
                                                    std::max<std::int64_t>(area.Width(), minWidth));
        const auto height = std::clamp<std::int64_t>(stored.Height(), minHeight,
                                                     std::max<std::int64_t>(area.Height(), minHeight));
        PlaceWindowAt(Handle(), stored, width, height, KeepAtFront());
    }
    ApplyKeepAtFront();
}

WindowRect CMainDlg::NormalRect() const { return StoredWindowRect(Handle()); }

void CMainDlg::OnTrayNotify(LPARAM mouseMessage) {
    const HWND window = Handle();
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        if (!::IsWindowVisible(window) || ::GetActiveWindow() != window) {
            host_.RestoreApp();
        } else {
            host_.HideApp();
        }
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu();
        break;
    default:
        break;
    }
}

// The current mode is not offered; the options show their state.
void CMainDlg::ShowWindowMenu(LPARAM at) {
    win::UniqueMenu menu(::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_WINDOW_CONTEXT_MENU)));
    if (!menu) return;
    const HMENU popup = ::GetSubMenu(menu.Get(), 0);
    const SettingsOptions& options = Settings().Options;
    ::EnableMenuItem(popup, static_cast<UINT>(ID_COMPACT_MODE + Settings().ViewMode - kViewCompact),
                     MF_BYCOMMAND | MF_GRAYED);
    const std::pair<int, bool> checks[] = {{ID_KEEP_AT_FRONT, KeepAtFront()},
                                           {ID_AUTO_MINIMIZE, options.AutoMinimize},
                                           {ID_ONE_CLICK_OPENING, options.OneClickOpen}};
    for (const auto& [id, on] : checks)
        ::CheckMenuItem(popup, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) {  // from the keyboard: at the window's corner
        point = {0, 0};
        ::ClientToScreen(Handle(), &point);
    }
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
}

void CMainDlg::ShowTrayMenu() {
    win::UniqueMenu menu(::LoadMenuA(win::ModuleInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    if (!menu) return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // A tray menu closes when the user clicks elsewhere only if its owner is
    // the foreground window, and it needs a message after it to close at once.
    ::SetForegroundWindow(Handle());
    ::TrackPopupMenu(::GetSubMenu(menu.Get(), 0), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(),
                     nullptr);
    ::PostMessageA(Handle(), WM_NULL, 0, 0);
}

// Dropped elsewhere as a link, a title counts as opened.
void CMainDlg::TitleDraggedOut(int position) {
    CUrlListFile& list = List();
    list.SetLastVisited(list.ItemAt(kTitle, position), false);
    if (CLevelListBox* titles = LevelBox(kTitle)) titles->RefreshItemData(list, Settings().RecentPeriod);
    UpdateControls();
    MinimizeAfterOpening();
}

void CMainDlg::MinimizeAfterOpening() {
    if (Settings().Options.AutoMinimize != (::GetKeyState(VK_MENU) < 0))
        ::SendMessageA(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CMainDlg::Fetch() { ::SendMessageA(Handle(), WM_COMMAND, IDC_FETCH, 0); }

void CMainDlg::ReapplySettings() {
    host_.RecreateColorResources();
    LoadPictures();
    BuildListMenus();
    ShowSelection(-1, true, false);
    UpdateStatusLine();
    DockNote();
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (note_) ::RedrawWindow(note_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
