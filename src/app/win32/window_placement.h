// Putting a window back where it was left: the restore side of the stored
// window rectangles.
#pragma once

#include <windows.h>

#include "app/settings/window_rect.h"

// The work area of the primary screen (the screen less the taskbar).
WindowRect WorkArea();

// Puts the work area elsewhere while it lives (a taskbar at the top or left,
// which the test display does not have); the one in use before comes back
// at the end of its scope.
class WorkAreaOverride {
public:
    explicit WorkAreaOverride(const WindowRect& area) noexcept;
    ~WorkAreaOverride();
    WorkAreaOverride(const WorkAreaOverride&) = delete;
    WorkAreaOverride& operator=(const WorkAreaOverride&) = delete;

private:
    const WindowRect* previous_;
    WindowRect area_;
};

// FitRectToArea on the present work area.
WindowRect FitRectToWorkArea(const WindowRect& rect, std::int64_t width, std::int64_t height);

// Moves and sizes `window` to a stored rectangle, fitted to the work area
// (once: its left and top count from the work area's corner), without
// activating or redrawing it. Returns how much larger (or smaller, negative)
// the window became, for laying out its controls.
SIZE PlaceWindowAt(HWND window, const WindowRect& rect, bool topmost);
// The same with a size of its own at the stored rectangle's corner.
SIZE PlaceWindowAt(HWND window, const WindowRect& rect, std::int64_t width, std::int64_t height,
                   bool topmost);

// The window's normal rectangle as it is stored: left and top counted from
// the work area's corner, the way PlaceWindowAt reads them back.
WindowRect StoredWindowRect(HWND window);
