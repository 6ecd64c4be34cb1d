// Putting a window back where it was left: the restore side of the stored
// window rectangles.
#pragma once

#include <windows.h>

#include "app/settings/window_rect.h"

// The work area of the primary screen (the screen less the taskbar).
WindowRect WorkArea();

// FitRectToArea on the present work area.
WindowRect FitRectToWorkArea(const WindowRect& rect, std::int64_t width, std::int64_t height);

// Moves and sizes `window` to `rect`, fitted to the work area, without
// activating or redrawing it. Returns how much larger (or smaller, negative)
// the window became, for laying out its controls.
SIZE PlaceWindowAt(HWND window, const WindowRect& rect, bool topmost);
