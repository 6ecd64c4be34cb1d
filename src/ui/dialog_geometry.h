// Moving and sizing a dialog's controls by pixel offsets, for layouts that
// follow the window's size.
#pragma once

#include <windows.h>

namespace ui {

// The control's rectangle in the dialog's client coordinates (empty when
// there is no such control).
RECT ControlRect(HWND dialog, int id) noexcept;
int ControlWidth(HWND dialog, int id) noexcept;

// Moves the control by (dx, dy) and changes its size by (dw, dh).
void ShiftControl(HWND dialog, int id, int dx, int dy, int dw = 0, int dh = 0) noexcept;
// Puts the control's left edge at x and moves it down by dy.
void PlaceControlAt(HWND dialog, int id, int x, int dy) noexcept;

// Dialog units to pixels for this dialog's font.
int DialogUnitsToPixelsY(HWND dialog, int units) noexcept;

}  // namespace ui

namespace ui {

// WM_GETMINMAXINFO: the window cannot be sized below width by height.
void SetMinimumTrackSize(LPARAM minMaxInfo, int width, int height) noexcept;

}  // namespace ui
