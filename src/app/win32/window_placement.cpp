#include "app/win32/window_placement.h"

#include <algorithm>
#include <climits>

namespace {

LONG ToLong(std::int64_t value) { return static_cast<LONG>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

}  // namespace

WindowRect WorkArea() {
    RECT area{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

WindowRect FitRectToWorkArea(const WindowRect& rect, std::int64_t width, std::int64_t height) {
    return FitRectToArea(rect, width, height, WorkArea());
}

SIZE PlaceWindowAt(HWND window, const WindowRect& rect, bool topmost) {
    RECT present{};
    ::GetWindowRect(window, &present);
    SIZE change = {ToLong(rect.Width() - (present.right - present.left)),
                   ToLong(rect.Height() - (present.bottom - present.top))};
    WindowRect placed = FitRectToWorkArea(rect, rect.Width(), rect.Height());
    ::SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_TOP, placed.left, placed.top,
                   ToLong(placed.Width()), ToLong(placed.Height()), SWP_NOACTIVATE | SWP_NOREDRAW);
    return change;
}
