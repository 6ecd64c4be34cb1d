#include "ui/level_list_box.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "app/settings/app_settings.h"
#include "model/title_text.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/level_context_menu.h"
#include "ui/main_window_host.h"
#include "ui/title_drag_out.h"
#include "win/guards.h"
#include "win/handles.h"
#include "win/module.h"

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kTextIndent = 2;
constexpr int kToggleMarks = 2;
// What LB_INITSTORAGE reserves per entry for its text.
constexpr int kTypicalNameBytes = 32;
// How many entries a fill adds before it moves the top entry down to them.
constexpr int kTopEntryStride = 512;
// The notification code the window takes as a double click.
constexpr int kOneClickOpen = 2;

struct EntryColors {
    COLORREF text;
    COLORREF background;
};

// Codes 3 (recently visited) and 4 (marked) have a colour of their own:
// the custom one while custom colours are on, else the built-in one.
EntryColors ColorsOf(int code, bool selected, const CAppSettings& settings) {
    const bool custom = settings.Options.CustomColors;
    const bool own = code == DisplayCode::kRecent || code == DisplayCode::kMarked;
    const COLORREF codeColor = own ? (custom ? settings.Colors[code] : CAppSettings::kDefaultColors[code]) : 0;
    if (!selected) return {own ? codeColor : ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW)};
    return {::GetSysColor(custom ? COLOR_WINDOW : COLOR_HIGHLIGHTTEXT),
            own ? codeColor : ::GetSysColor(COLOR_HIGHLIGHT)};
}

}  // namespace

bool CLevelListBox::Attach(HWND dialog, int level, ILevelListHost& host) noexcept {
    host_ = &host;
    level_ = level;
    return CMyDragListBox::Attach(::GetDlgItem(dialog, IDC_CATEGORY_LIST + level));
}

bool CLevelListBox::AttachTwin(const CLevelListBox& original, int id) noexcept {
    const HWND shown = original.Handle();
    if (Handle() || !shown) return false;
    char className[64] = {};
    ::GetClassNameA(shown, className, sizeof className);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(shown, GWL_STYLE)) & ~WS_VISIBLE;
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(shown, GWL_EXSTYLE));
    const HWND twin = ::CreateWindowExA(exStyle, className, "", style, 0, 0, 0, 0, ::GetParent(shown),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win::ModuleInstance(),
                                        nullptr);
    if (!twin) return false;
    ::SendMessageA(twin, WM_SETFONT, static_cast<WPARAM>(::SendMessageA(shown, WM_GETFONT, 0, 0)), FALSE);
    host_ = original.host_;
    level_ = original.level_;
    if (CMyDragListBox::Attach(twin)) return true;
    ::DestroyWindow(twin);
    return false;
}

CUrlListFile& CLevelListBox::List() const { return host_->Application().CurrentList(); }

// Every message goes straight to the list box: no repaint until the end,
// the storage reserved at once. A list box of entries of varying height
// finds where an entry lies by adding up the heights from its top entry to
// it, and does so for every entry added: the top entry follows the fill,
// which keeps each addition cheap, and goes back to the first entry at the
// end (thousands of titles in one subcategory otherwise fill in seconds).
void CLevelListBox::Fill(const CUrlListFile& list, int recentPeriodDays) {
    remembered_.reset();
    SendToBox(WM_SETREDRAW, FALSE);
    SendToBox(LB_RESETCONTENT);
    const int count = list.Last(level_) + 1;
    SendToBox(LB_INITSTORAGE, static_cast<WPARAM>(count), static_cast<LPARAM>(count) * kTypicalNameBytes);
    const std::int64_t now = list.Environment().clock->Now();
    std::string name;
    adding_ = &name;
    for (int position = 0; position < count; ++position) {
        name.assign(list.DisplayName(list.ItemAt(level_, position)));
        const LRESULT index = SendToBox(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (index < 0) break;  // the box is out of memory: show what fits
        SendToBox(LB_SETITEMDATA, static_cast<WPARAM>(index),
                  list.DisplayAttributes(level_, position, recentPeriodDays, now));
        if (index % kTopEntryStride == kTopEntryStride - 1) SendToBox(LB_SETTOPINDEX, static_cast<WPARAM>(index));
    }
    adding_ = nullptr;
    SendToBox(LB_SETTOPINDEX, 0);
    SendToBox(WM_SETREDRAW, TRUE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void CLevelListBox::RefreshItemData(const CUrlListFile& list, int recentPeriodDays) {
    const int count = std::min(Count(), list.Last(level_) + 1);
    const std::int64_t now = list.Environment().clock->Now();
    for (int position = 0; position < count; ++position)
        SendToBox(LB_SETITEMDATA, static_cast<WPARAM>(position),
                  list.DisplayAttributes(level_, position, recentPeriodDays, now));
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void CLevelListBox::Remember(const CUrlListFile& list, int recentPeriodDays) {
    remembered_.reset();
    const int count = list.Last(level_) + 1;
    if (count != Count()) return;  // a fill that ran out of memory: nothing to go by
    Remembered seen;
    seen.ends.reserve(static_cast<std::size_t>(count));
    seen.attributes.reserve(static_cast<std::size_t>(count));
    const std::int64_t now = list.Environment().clock->Now();
    for (int position = 0; position < count; ++position) {
        seen.texts.append(list.ItemText(list.ItemAt(level_, position)));
        seen.ends.push_back(seen.texts.size());
        seen.attributes.push_back(list.DisplayAttributes(level_, position, recentPeriodDays, now));
    }
    remembered_ = std::move(seen);
}

bool CLevelListBox::ShowAgain(const CUrlListFile& list, int recentPeriodDays) {
    if (!remembered_) return false;
    const Remembered seen = std::move(*remembered_);
    remembered_.reset();
    const int count = list.Last(level_) + 1;
    if (static_cast<std::size_t>(count) != seen.ends.size()) return false;
    const std::string_view texts = seen.texts;
    std::size_t start = 0;
    for (int position = 0; position < count; ++position) {
        const std::size_t end = seen.ends[static_cast<std::size_t>(position)];
        if (list.ItemText(list.ItemAt(level_, position)) != texts.substr(start, end - start)) return false;
        start = end;
    }
    SendToBox(WM_SETREDRAW, FALSE);
    const std::int64_t now = list.Environment().clock->Now();
    for (int position = 0; position < count; ++position) {
        const LRESULT attributes = list.DisplayAttributes(level_, position, recentPeriodDays, now);
        if (attributes != seen.attributes[static_cast<std::size_t>(position)])
            SendToBox(LB_SETITEMDATA, static_cast<WPARAM>(position), attributes);
    }
    // Where a fill leaves the box: no selection, the caret and the top at the
    // first entry (the caret moves only while nothing is selected).
    SendToBox(LB_SETCURSEL, static_cast<WPARAM>(-1));
    SendToBox(LB_SETCARETINDEX, 0);
    SendToBox(LB_SETTOPINDEX, 0);
    SendToBox(WM_SETREDRAW, TRUE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

// One font for every column: its height is measured once.
void CLevelListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
    static int fontHeight = 0;
    if (fontHeight == 0) fontHeight = FontHeight();
    const bool separator = adding_ ? adding_->empty() : SendToBox(LB_GETTEXTLEN, item.itemID) == 0;
    item.itemHeight = static_cast<UINT>(separator ? kSeparatorHeight : fontHeight);
}

bool CLevelListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT rect = item.rcItem;
    if (item.itemAction == ODA_FOCUS) {
        if (static_cast<int>(item.itemID) < 0) ::GetClientRect(Handle(), &rect);
        ::DrawFocusRect(dc, &rect);
        return true;
    }
    if (static_cast<int>(item.itemID) < 0) return true;

    // The item data is the entry's CUrlListFile::DisplayAttributes.
    int code = static_cast<int>(item.itemData & DisplayCode::kColorMask);
    // Marks show only while organizing.
    if (code == DisplayCode::kMarked && !host_->IsOrganizing()) code = DisplayCode::kNormal;
    const EntryColors colors =
        ColorsOf(code, (item.itemState & ODS_SELECTED) != 0, host_->Application().Settings());
    const COLORREF oldText = ::SetTextColor(dc, colors.text);
    const COLORREF oldBackground = ::SetBkColor(dc, colors.background);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);

    if (item.itemData & DisplayCode::kSeparator) {
        const win::UniquePen pen(::CreatePen(PS_SOLID, 1, colors.text));
        win::SelectGuard selected(dc, pen.Get());
        const int middle = (rect.top + rect.bottom) / 2;
        ::MoveToEx(dc, rect.left + 1, middle, nullptr);
        ::LineTo(dc, rect.right - 1, middle);
    } else {
        const std::string text = Text(static_cast<int>(item.itemID));
        const UINT oldAlign = ::SetTextAlign(dc, TA_UPDATECP);
        ::MoveToEx(dc, rect.left + kTextIndent, rect.top, nullptr);
        ::TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        if (item.itemData & DisplayCode::kHasNote) {
            POINT end{};
            ::GetCurrentPositionEx(dc, &end);
            ::MoveToEx(dc, end.x + 1, end.y, nullptr);
            ::TextOutA(dc, 0, 0, "*", 1);
        }
        ::SetTextAlign(dc, oldAlign);
    }
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBackground);
    if ((item.itemState & (ODS_FOCUS | ODS_SELECTED)) == ODS_FOCUS) ::DrawFocusRect(dc, &rect);
    return true;
}

std::optional<LRESULT> CLevelListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        // Organize mode keeps the list box's own press: selection, and the
        // drag that reorders.
        if (host_->IsOrganizing() && !(wParam & MK_CONTROL)) break;
        OnLeftButtonDown(wParam, point);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp();
        break;
    case WM_RBUTTONDOWN:
        if (::GetCapture() == Handle()) break;  // cancels the drag in progress
        OnRightButtonDown(point);
        return 0;
    case WM_CONTEXTMENU:
        return 0;  // the press opened the menu already
    case WM_KEYDOWN:
        if (OnKeyDown(wParam)) return 0;
        break;
    default:
        break;
    }
    return CMyDragListBox::OnMessage(message, wParam, lParam);
}

void CLevelListBox::OnLeftButtonDown(WPARAM keys, POINT point) {
    const bool control = (keys & MK_CONTROL) != 0;
    POINT screen = point;
    ::ClientToScreen(Handle(), &screen);
    const int clicked = EntryAt(screen, true);
    const int selected = Selection();
    if (control && clicked >= 0) {
        const bool range = (keys & MK_SHIFT) && selected >= 0 && selected != clicked;
        host_->MarkEntries(level_, range ? std::min(selected, clicked) : clicked,
                           range ? std::max(selected, clicked) : clicked, kToggleMarks);
    }
    ::SetFocus(Handle());
    if (clicked >= 0 && clicked != List().Selection(level_)) {
        SetSelection(clicked);
        host_->SelectEntry(level_, clicked, control ? SelectMode::kNone : SelectMode::kFirstChild);
    }
    ::UpdateWindow(MainWindow());
    if (const HWND note = host_->NoteWindow()) ::UpdateWindow(note);
    if (level_ == kTitle && !host_->IsOrganizing() && !control && clicked >= 0 &&
        !host_->Application().Settings().Options.OneClickOpen)
        DragTitleOutOfWindow(clicked);
}

// With the note window shown a click only selects: the user is reading notes.
void CLevelListBox::OnLeftButtonUp() const {
    if (!host_->Application().Settings().Options.OneClickOpen || host_->IsOrganizing()) return;
    const HWND note = host_->NoteWindow();
    if (note && ::IsWindowVisible(note)) return;
    ::SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(Handle()), kOneClickOpen),
                   reinterpret_cast<LPARAM>(Handle()));
}

void CLevelListBox::OnRightButtonDown(POINT point) {
    POINT screen = point;
    ::ClientToScreen(Handle(), &screen);
    const int clicked = EntryAt(screen, true);
    ::SetFocus(Handle());
    if (clicked >= 0 && clicked != List().Selection(level_)) {
        SetSelection(clicked);
        host_->SelectEntry(level_, clicked, SelectMode::kNone);
    }
    ShowContextMenu(clicked, screen);
}

void CLevelListBox::ShowContextMenu(int position, POINT screenPoint) {
    IMainWindowHost& application = host_->Application();
    const win::UniqueMenu menu = BuildLevelContextMenu({level_, position, host_->IsOrganizing(),
                                                        application.CurrentList(),
                                                        application.OtherList(), application.Settings()});
    if (!menu || ::GetMenuItemCount(menu.Get()) <= 0) return;
    ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, MainWindow(), nullptr);
}

// Right and Left move to the next and previous column as Tab and Shift+Tab do.
bool CLevelListBox::OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_DELETE:
        if (!host_->IsOrganizing()) return false;
        ::SendMessageA(MainWindow(), WM_COMMAND, static_cast<WPARAM>(IDC_DELETE_CATEGORY + level_), 0);
        return true;
    case VK_RIGHT:
    case VK_LEFT:
        ::SendMessageA(MainWindow(), WM_NEXTDLGCTL, key == VK_LEFT ? TRUE : FALSE, FALSE);
        return true;
    default:
        return false;
    }
}

bool CLevelListBox::BeginDrag(POINT screenPoint) {
    return host_->IsOrganizing() && CMyDragListBox::BeginDrag(screenPoint);
}

// The model moves the item with everything under it.
int CLevelListBox::Dropped(int source, POINT screenPoint) {
    if (!host_->IsOrganizing()) return kNoMove;
    const int target = CMyDragListBox::Dropped(source, screenPoint);
    if (target == kNoMove) return target;
    List().MoveInView(level_, source, target);
    host_->UpdateControls();
    return target;
}

void CLevelListBox::DragTitleOutOfWindow(int position) {
    if (!WaitForPointerToLeaveWindow()) return;
    const CUrlListFile& list = List();
    const std::string text(list.ItemText(list.ItemAt(kTitle, position)));
    // The window's own drop target would take the title straight back.
    const HWND window = MainWindow();
    IDropTarget* target = host_->DropTarget();
    if (target) ::RevokeDragDrop(window);
    const DWORD effect = DragTitleOut(TitleUrl(text), TitleName(text));
    if (target) ::RegisterDragDrop(window, target);
    if (effect == DROPEFFECT_LINK) host_->TitleDraggedOut(position);
}

// A press that ends inside the window is an ordinary click.
bool CLevelListBox::WaitForPointerToLeaveWindow() const {
    if (::GetKeyState(VK_LBUTTON) >= 0) return false;  // released already
    RECT frame{};
    ::GetWindowRect(MainWindow(), &frame);
    const HWND box = Handle();
    ::SetCapture(box);
    bool left = false;
    MSG message{};
    while (::GetCapture() == box) {
        if (!::GetMessageA(&message, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_MOUSEMOVE && message.hwnd == box) {
            POINT point = {GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
            ::ClientToScreen(box, &point);
            if (!::PtInRect(&frame, point)) {
                left = true;
                break;
            }
            continue;
        }
        if (message.message == WM_LBUTTONUP || message.message == WM_RBUTTONDOWN ||
            (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE))
            break;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    if (::GetCapture() == box) ::ReleaseCapture();
    return left;
}
