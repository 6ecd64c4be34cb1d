#include "ui/organize_dlg.h"

#include <windowsx.h>

#include "app/settings/app_settings.h"
#include "dialogs/messages.h"
#include "model/url_list_file.h"
#include "resource.h"
#include "ui/dialog_geometry.h"

namespace {

// Organize mode takes this much height from the list boxes for the name
// fields and buttons under them, and this much width from the URL field
// for the browse button.
constexpr int kOrganizeRowsDialogUnits = 23;
constexpr int kBrowseButtonRoom = 27;
// Between the New, Sort and Delete buttons under a list box.
constexpr int kButtonGap = 4;

// Shown in Organize mode only; the "Last Visited" label the other way round.
constexpr int kOrganizeOnlyControls[] = {
    IDC_MARK, IDC_MOVE, IDC_BROWSE,
    IDC_CATEGORY_NAME, IDC_SUBCATEGORY_NAME, IDC_TITLE_NAME,
    IDC_NEW_CATEGORY, IDC_NEW_SUBCATEGORY, IDC_NEW_TITLE,
    IDC_DELETE_CATEGORY, IDC_DELETE_SUBCATEGORY, IDC_DELETE_TITLE,
    IDC_SORT_CATEGORIES, IDC_SORT_SUBCATEGORIES, IDC_SORT_TITLES,
};

constexpr ButtonImage kButtonImages[] = {
    {IDC_FIND, IDB_FIND},
    {IDC_FETCH, IDB_FETCH},
    {IDC_NOTE, IDB_NOTE},
    {IDC_MARK, IDB_MARK},
    {IDC_MOVE, IDB_MOVE},
    {IDC_BROWSE, IDB_BROWSE},
    {IDC_NEW_CATEGORY, IDB_NEW},
    {IDC_NEW_SUBCATEGORY, IDB_NEW},
    {IDC_NEW_TITLE, IDB_NEW},
    {IDC_DELETE_CATEGORY, IDB_DELETE},
    {IDC_DELETE_SUBCATEGORY, IDB_DELETE},
    {IDC_DELETE_TITLE, IDB_DELETE},
    {IDC_SORT_CATEGORIES, IDB_SORT},
    {IDC_SORT_SUBCATEGORIES, IDB_SORT},
    {IDC_SORT_TITLES, IDB_SORT},
};

// Controls that only move down with the window's bottom edge, and those
// that follow its bottom right corner.
constexpr int kBottomControls[] = {IDC_FIND_TEXT, IDC_FIND_LABEL, IDC_URL_LABEL, IDC_MARK,
                                   IDC_MOVE,      IDC_FETCH,      IDC_FIND,      IDC_OPEN,
                                   IDC_NOTE};
constexpr int kCornerControls[] = {IDC_LAST_VISITED, IDC_BROWSE, IDC_LAST_VISITED_LABEL};

}  // namespace

COrganizeDlg::COrganizeDlg(IMainWindowHost& host, HWND owner)
    : CMainDlg(host, IDD_MAIN, owner, IDR_MAIN_ACCELERATORS) {}

bool& COrganizeDlg::KeepAtFront() const { return Settings().Options.KeepAtFrontRegular; }

void COrganizeDlg::PlaceWindow() {
    for (int level = 0; level < layout::kColumnCount; ++level) Box(level).Attach(Handle(), level, *this);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    client_ = {client.right, client.bottom};
    laidOut_ = true;
    const bool placed = !Settings().MainWindowRect.IsEmpty();
    PlaceAtStoredRect(Settings().MainWindowRect, layout::kMinWindowWidth, layout::kMinWindowHeight);
    if (placed) {
        const auto& widths = Settings().ListBoxWidths;
        ApplyLayout(layout::RestoreStoredWidths(ColumnWidths(), 0, {widths[0], widths[1]}), 0, 0);
    }
}

void COrganizeDlg::EnterStartMode() {
    const int runState = Settings().RunState;
    if (runState == kRunAddDroppedUrl || runState == kRunFetchUrl || runState == kRunNewTitle) {
        RunStartAction();
    } else if (Settings().ViewMode == kViewOrganize) {
        SetOrganizeMode(true);
    }
}

void COrganizeDlg::StorePlacement() {
    Settings().MainWindowRect = NormalRect();
    const layout::Widths widths = ColumnWidths();
    Settings().ListBoxWidths[0] = widths[0];
    Settings().ListBoxWidths[1] = widths[1];
}

void COrganizeDlg::LoadButtonImages() {
    SetButtonImages(kButtonImages);
}

std::optional<LRESULT> COrganizeDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETMINMAXINFO:
        ui::SetMinimumTrackSize(lParam, layout::kMinWindowWidth, layout::kMinWindowHeight);
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) OnSize(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_SETCURSOR:
        OnHelpCursor(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)));
        if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT && OnSetCursor())
            return TRUE;
        break;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        break;
    case WM_LBUTTONDOWN:
        BeginBorderDrag({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_MOUSEMOVE:
        if (dragBorder_ >= 0) DragBorderTo({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_LBUTTONUP:
        EndBorderDrag();
        break;
    case WM_CAPTURECHANGED:
        dragBorder_ = -1;
        break;
    default:
        break;
    }
    return CMainDlg::OnMessage(message, wParam, lParam);
}

bool COrganizeDlg::SetOrganizeMode(bool on) {
    if (on == organizing_) return true;
    if (on && List().IsReadOnly()) return false;
    if (!SavePromptAll(SaveReason::kContinuing)) return false;
    Settings().ViewMode = on ? kViewOrganize : kViewRegular;
    organizing_ = on;
    if (!on) {
        // Marks, new entries and the other list only mean something while organizing.
        Host().DiscardOtherList();
        pending_.fill(kNotPending);
        List().ClearMarks();
        RefreshItemData(0);
    }
    SendItemMessage(IDC_URL, EM_SETREADONLY, on ? FALSE : TRUE);
    const HMENU menu = ::GetMenu(Handle());
    ::CheckMenuRadioItem(::GetSubMenu(menu, ::GetMenuItemCount(menu) - 1), 0, 2,
                         static_cast<UINT>(Settings().ViewMode - kViewCompact), MF_BYPOSITION);
    ShowOrganizeControls(on);
    if (on) {
        UpdateControls();
    } else {
        // Fields that showed typed text show the selection again.
        CUpdating updating(*this);
        for (int level = 0; level < kLevelCount; ++level) ShowLevel(level, true, level);
        FocusFindField();
    }
    UpdateStatusLine();
    return true;
}

void COrganizeDlg::ShowOrganizeControls(bool on) {
    const HWND dialog = Handle();
    const int rows = ui::DialogUnitsToPixelsY(dialog, kOrganizeRowsDialogUnits);
    for (int level = 0; level < kLevelCount; ++level) {
        ui::ShiftControl(dialog, IDC_CATEGORY_LIST + level, 0, 0, 0, on ? -rows : rows);
        const int selection = Box(level).Selection();
        if (selection >= 0) Box(level).SetSelection(selection);  // scrolls it into sight
    }
    ui::ShiftControl(dialog, IDC_URL, 0, 0, on ? -kBrowseButtonRoom : kBrowseButtonRoom, 0);
    for (int id : kOrganizeOnlyControls) ShowItem(id, on);
    ShowItem(IDC_LAST_VISITED_LABEL, !on);
}

layout::Widths COrganizeDlg::ColumnWidths() const {
    layout::Widths widths{};
    for (int level = 0; level < layout::kColumnCount; ++level)
        widths[level] = ui::ControlWidth(Handle(), IDC_CATEGORY_LIST + level);
    return widths;
}

void COrganizeDlg::OnSize(int width, int height) {
    if (!laidOut_) return;
    const int dx = width - client_.cx;
    const int dy = height - client_.cy;
    client_ = {width, height};
    if (dx != 0 || dy != 0) ApplyLayout(layout::ShareWidthChange(ColumnWidths(), dx), dx, dy);
}

void COrganizeDlg::ApplyLayout(const layout::Widths& columns, int dx, int dy) {
    const HWND dialog = Handle();
    for (int level = 0; level < layout::kColumnCount; ++level) {
        const int shift = layout::ColumnShift(columns, level);
        ui::ShiftControl(dialog, IDC_CATEGORY_LIST + level, shift, 0, columns[level], dy);
        ui::ShiftControl(dialog, IDC_CATEGORY_LABEL + level, shift, 0);
        ui::ShiftControl(dialog, IDC_CATEGORY_NAME + level, shift, dy, columns[level], 0);
        const int buttons[3] = {IDC_NEW_CATEGORY + level, IDC_SORT_CATEGORIES + level,
                                IDC_DELETE_CATEGORY + level};
        const RECT box = ui::ControlRect(dialog, IDC_CATEGORY_LIST + level);
        const auto lefts = layout::CenteredButtonRow(
            box.left, box.right - box.left,
            {ui::ControlWidth(dialog, buttons[0]), ui::ControlWidth(dialog, buttons[1]),
             ui::ControlWidth(dialog, buttons[2])},
            kButtonGap);
        for (int i = 0; i < 3; ++i) ui::PlaceControlAt(dialog, buttons[i], lefts[i], dy);
    }
    ui::ShiftControl(dialog, IDC_URL, 0, dy, dx, 0);
    ui::ShiftControl(dialog, IDC_STATUS_LINE, 0, dy, dx, 0);
    for (int id : kCornerControls) ui::ShiftControl(dialog, id, dx, dy);
    for (int id : kBottomControls) ui::ShiftControl(dialog, id, 0, dy);
    ::InvalidateRect(dialog, nullptr, TRUE);
}

int COrganizeDlg::BorderAt(POINT point) const {
    for (int border = 0; border + 1 < layout::kColumnCount; ++border) {
        const RECT left = ui::ControlRect(Handle(), IDC_CATEGORY_LIST + border);
        const RECT right = ui::ControlRect(Handle(), IDC_CATEGORY_LIST + border + 1);
        if (point.x >= left.right && point.x < right.left && point.y >= left.top &&
            point.y < left.bottom)
            return border;
    }
    return -1;
}

bool COrganizeDlg::OnSetCursor() {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(Handle(), &point);
    if (dragBorder_ < 0 && BorderAt(point) < 0) return false;
    ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEWE));
    return true;
}

void COrganizeDlg::BeginBorderDrag(POINT point) {
    dragBorder_ = BorderAt(point);
    if (dragBorder_ < 0) return;
    dragAnchorX_ = point.x;
    ::SetCapture(Handle());
    ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEWE));
}

void COrganizeDlg::DragBorderTo(POINT point) {
    const int d = point.x - dragAnchorX_;
    if (d == 0) return;
    RECT frame{};
    ::GetWindowRect(Handle(), &frame);
    const int windowWidth = frame.right - frame.left;
    const auto drag = layout::DragColumnBorder(ColumnWidths(), dragBorder_, d, windowWidth,
                                               ::GetSystemMetrics(SM_CXSCREEN));
    if (drag.windowDx != 0) {
        // The layout below places the columns; the resize must not share
        // the width change out a second time.
        client_.cx += drag.windowDx;
        ::SetWindowPos(Handle(), nullptr, 0, 0, windowWidth + drag.windowDx, frame.bottom - frame.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ApplyLayout(drag.columns, drag.windowDx, 0);
    dragAnchorX_ += drag.columns[dragBorder_];
}

void COrganizeDlg::EndBorderDrag() {
    if (dragBorder_ < 0) return;
    dragBorder_ = -1;
    ::ReleaseCapture();
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
}
