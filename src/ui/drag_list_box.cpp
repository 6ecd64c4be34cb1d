#include "ui/drag_list_box.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

#include "win/guards.h"
#include "win/handles.h"

namespace {

UINT DragListMessage() {
    static const UINT message = ::RegisterWindowMessageA(DRAGLISTMSGSTRING);
    return message;
}

// The halftone pattern, every other pixel, for the insert mark.
HBRUSH HalftoneBrush() {
    static const win::UniqueBrush brush = [] {
        const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
        const win::UniqueBitmap bitmap(::CreateBitmap(8, 8, 1, 1, pattern));
        return win::UniqueBrush(::CreatePatternBrush(bitmap.Get()));
    }();
    return brush.Get();
}

constexpr int kInsertMarkHeight = 3;

}  // namespace

// The drag list goes on first: it starts a drag on every press, and the
// derived classes must be able to keep a press from it.
bool CMyDragListBox::Attach(HWND control) noexcept {
    if (Handle() || !::IsWindow(control)) return false;
    boxProcedure_ = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(control, GCLP_WNDPROC));
    id_ = ::GetDlgCtrlID(control);
    DragListMessage();
    return boxProcedure_ && ::MakeDragList(control) && CSubclassedControl::Attach(control);
}

std::optional<LRESULT> CMyDragListBox::OnParentMessage(UINT message, WPARAM, LPARAM lParam) {
    const HWND box = Handle();
    if (!box) return std::nullopt;
    switch (message) {
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_LISTBOX || static_cast<int>(item.CtlID) != id_)
            return std::nullopt;
        MeasureItem(item);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.hwndItem != box || !DrawItem(item)) return std::nullopt;
        return TRUE;
    }
    case WM_DELETEITEM:
        // Item data are plain numbers, nothing to free; answered here, a
        // reset of thousands of entries does not go through the dialog
        // manager's default handling for each.
        if (reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem != box) return std::nullopt;
        return TRUE;
    case WM_COMPAREITEM: {
        const auto& item = *reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        if (item.hwndItem != box) return std::nullopt;
        const std::optional<int> order = CompareItem(item);
        if (!order) return std::nullopt;
        return *order;
    }
    default:
        break;
    }
    if (message != DragListMessage()) return std::nullopt;
    const auto& info = *reinterpret_cast<const DRAGLISTINFO*>(lParam);
    if (info.hWnd != box) return std::nullopt;
    switch (info.uNotification) {
    case DL_BEGINDRAG:
        return BeginDrag(info.ptCursor) ? TRUE : FALSE;
    case DL_CANCELDRAG:
        CancelDrag(info.ptCursor);
        return 0;
    case DL_DRAGGING:
        return Dragging(info.ptCursor);
    case DL_DROPPED:
        Dropped(Selection(), info.ptCursor);
        return 0;
    default:
        return std::nullopt;
    }
}

std::string CMyDragListBox::Text(int position) const {
    const LRESULT length = SendToBox(LB_GETTEXTLEN, static_cast<WPARAM>(position));
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    // The length may be larger than the text (a list box keeps wide text
    // and may count it generously for an ANSI caller).
    SendToBox(LB_GETTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

void CMyDragListBox::TakePlaceOf(CMyDragListBox& shown) noexcept {
    const HWND box = Handle();
    const HWND other = shown.Handle();
    RECT place{};
    ::GetWindowRect(other, &place);
    ::MapWindowPoints(nullptr, ::GetParent(other), reinterpret_cast<POINT*>(&place), 2);
    std::swap(id_, shown.id_);
    ::SetWindowLongPtrA(box, GWLP_ID, id_);
    ::SetWindowLongPtrA(other, GWLP_ID, shown.id_);
    ::EnableWindow(box, ::IsWindowEnabled(other));
    // Right after `shown` in the z-order: the same place in the tab order.
    // The box covers what `shown` covered, so only the box is drawn anew:
    // the dialog's background under it is not.
    constexpr UINT kQuietly = SWP_NOACTIVATE | SWP_NOREDRAW;
    ::SetWindowPos(box, other, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   kQuietly | SWP_SHOWWINDOW);
    // Before `shown` hides: a hidden focus would hand the focus to the dialog.
    if (::GetFocus() == other) ::SetFocus(box);
    ::SetWindowPos(other, nullptr, 0, 0, 0, 0, kQuietly | SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CMyDragListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(FontHeight());
}

int CMyDragListBox::FontHeight() const {
    win::WindowDc dc(Handle());
    if (!dc) return 16;
    const auto font = reinterpret_cast<HFONT>(SendToBox(WM_GETFONT));
    win::SelectGuard selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmHeight > 0 ? static_cast<int>(metrics.tmHeight) : 16;
}

int CMyDragListBox::EntryAt(POINT screenPoint, bool autoScroll) const noexcept {
    return ::LBItemFromPt(Handle(), screenPoint, autoScroll ? TRUE : FALSE);
}

// Drawing is an inversion, so drawing the old mark again erases it.
void CMyDragListBox::DrawInsert(int index) {
    if (index == insertIndex_) return;
    InvertInsertMark(insertIndex_);
    InvertInsertMark(index);
    insertIndex_ = index;
}

void CMyDragListBox::InvertInsertMark(int index) const {
    const int count = Count();
    if (index < 0 || count <= 0 || index > count) return;
    RECT entry{};
    if (SendToBox(LB_GETITEMRECT, static_cast<WPARAM>(index < count ? index : count - 1),
                  reinterpret_cast<LPARAM>(&entry)) == LB_ERR)
        return;
    const int top = (index < count ? entry.top : entry.bottom) - 1;
    win::WindowDc dc(Handle());
    if (!dc) return;
    // A list box may draw with its parent's DC, which is not clipped to the box.
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::IntersectClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    win::SelectGuard brush(dc.Get(), HalftoneBrush());
    ::PatBlt(dc.Get(), entry.left, top, entry.right - entry.left, kInsertMarkHeight, PATINVERT);
}

bool CMyDragListBox::BeginDrag(POINT) {
    dragging_ = false;
    insertIndex_ = -1;
    return true;
}

void CMyDragListBox::CancelDrag(POINT) {
    DrawInsert(-1);
    dragging_ = false;
}

UINT CMyDragListBox::Dragging(POINT screenPoint) {
    int target = EntryAt(screenPoint, false);
    if (target < 0 && IsJustBelowLast(screenPoint)) target = Count();
    DrawInsert(target);
    EntryAt(screenPoint, true);
    dragging_ = true;
    return target < 0 ? DL_STOPCURSOR : DL_MOVECURSOR;
}

int CMyDragListBox::Dropped(int source, POINT screenPoint) {
    if (!dragging_ || source < 0) return kNoMove;
    dragging_ = false;
    DrawInsert(-1);
    const int count = Count();
    int target = EntryAt(screenPoint, true);
    if (target < 0) {
        if (!IsJustBelowLast(screenPoint)) return kNoMove;
        target = count;
    }
    if (target == source || target == source + 1) return kNoMove;

    const std::string text = Text(source);
    const LRESULT data = SendToBox(LB_GETITEMDATA, static_cast<WPARAM>(source));
    SendToBox(LB_DELETESTRING, static_cast<WPARAM>(source));
    const int at = source < target ? target - 1 : target;
    SendToBox(LB_INSERTSTRING, target == count ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(at),
              reinterpret_cast<LPARAM>(text.c_str()));
    SendToBox(LB_SETITEMDATA, static_cast<WPARAM>(at), data);
    SetSelection(at);
    return target;
}

bool CMyDragListBox::IsJustBelowLast(POINT screenPoint) const {
    const int count = Count();
    if (count <= 0) return false;
    RECT last{};
    if (SendToBox(LB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last)) == LB_ERR)
        return false;
    POINT point = screenPoint;
    ::ScreenToClient(Handle(), &point);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    return ::PtInRect(&client, point) && point.y >= last.bottom &&
           point.y < last.bottom + (last.bottom - last.top);
}
