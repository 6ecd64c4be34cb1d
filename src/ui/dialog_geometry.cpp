#include "ui/dialog_geometry.h"

namespace ui {

RECT ControlRect(HWND dialog, int id) noexcept {
    RECT rect{};
    const HWND control = ::GetDlgItem(dialog, id);
    if (!control) return rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ControlWidth(HWND dialog, int id) noexcept {
    const RECT rect = ControlRect(dialog, id);
    return rect.right - rect.left;
}

void ShiftControl(HWND dialog, int id, int dx, int dy, int dw, int dh) noexcept {
    const HWND control = ::GetDlgItem(dialog, id);
    if (!control || (dx == 0 && dy == 0 && dw == 0 && dh == 0)) return;
    const RECT rect = ControlRect(dialog, id);
    ::SetWindowPos(control, nullptr, rect.left + dx, rect.top + dy, rect.right - rect.left + dw,
                   rect.bottom - rect.top + dh, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControlAt(HWND dialog, int id, int x, int dy) noexcept {
    const RECT rect = ControlRect(dialog, id);
    ShiftControl(dialog, id, x - rect.left, dy);
}

int DialogUnitsToPixelsY(HWND dialog, int units) noexcept {
    RECT rect = {0, 0, 0, units};
    ::MapDialogRect(dialog, &rect);
    return rect.bottom;
}

}  // namespace ui

namespace ui {

void SetMinimumTrackSize(LPARAM minMaxInfo, int width, int height) noexcept {
    auto* info = reinterpret_cast<MINMAXINFO*>(minMaxInfo);
    info->ptMinTrackSize.x = width;
    info->ptMinTrackSize.y = height;
}

}  // namespace ui
