#include "app/win32/window_placement.h"

#include <algorithm>
#include <climits>

namespace {

LONG ToLong(std::int64_t value) { return static_cast<LONG>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

const WindowRect* g_workAreaOverride = nullptr;

}  // namespace

WorkAreaOverride::WorkAreaOverride(const WindowRect& area) noexcept
    : previous_(g_workAreaOverride), area_(area) {
    g_workAreaOverride = &area_;
}

WorkAreaOverride::~WorkAreaOverride() { g_workAreaOverride = previous_; }

WindowRect WorkArea() {
    if (g_workAreaOverride) return *g_workAreaOverride;
    RECT area{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return {area.left, area.top, area.right, area.bottom};
}

WindowRect FitRectToWorkArea(const WindowRect& rect, std::int64_t width, std::int64_t height) {
    return FitRectToArea(rect, width, height, WorkArea());
}

SIZE PlaceWindowAt(HWND window, const WindowRect& rect, bool topmost) {
    return PlaceWindowAt(window, rect, rect.Width(), rect.Height(), topmost);
}

SIZE PlaceWindowAt(HWND window, const WindowRect& rect, std::int64_t width, std::int64_t height,
                   bool topmost) {
    RECT present{};
    ::GetWindowRect(window, &present);
    SIZE change = {ToLong(width - (present.right - present.left)),
                   ToLong(height - (present.bottom - present.top))};
    WindowRect placed = FitRectToWorkArea(rect, width, height);
    ::SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_TOP, placed.left, placed.top,
                   ToLong(placed.Width()), ToLong(placed.Height()), SWP_NOACTIVATE | SWP_NOREDRAW);
    return change;
}

WindowRect StoredWindowRect(HWND window) {
    if (::IsIconic(window) || ::IsZoomed(window)) {
        // Only the placement still knows the normal rectangle; for a
        // top-level window it counts from the work area's corner already.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(window, &placement);
        const RECT& normal = placement.rcNormalPosition;
        return {normal.left, normal.top, normal.right, normal.bottom};
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const WindowRect area = WorkArea();
    return {rect.left - area.left, rect.top - area.top, rect.right - area.left, rect.bottom - area.top};
}
