#include "app/settings/window_rect.h"

#include <algorithm>
#include <climits>

#include "app/settings/int_list.h"

namespace {

// Keeps the results representable: stored coordinates are not trusted.
int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

std::string FormatWindowRect(const WindowRect& rect) {
    const int values[] = {rect.left, rect.top, rect.right, rect.bottom};
    return FormatIntList(values, 4);
}

void ParseWindowRect(std::string_view text, WindowRect& rect) {
    int values[] = {rect.left, rect.top, rect.right, rect.bottom};
    ParseIntList(text, values, 4);
    rect = {values[0], values[1], values[2], values[3]};
}

WindowRect FitRectToArea(const WindowRect& rect, std::int64_t width, std::int64_t height,
                         const WindowRect& workArea) {
    std::int64_t left = std::int64_t{std::max(rect.left, 0)} + workArea.left;
    std::int64_t top = std::int64_t{std::max(rect.top, 0)} + workArea.top;
    if (left + width > workArea.right) left = workArea.right - width;
    if (top + height > workArea.bottom) top = workArea.bottom - height;
    return {ClampToInt(left), ClampToInt(top), ClampToInt(left + width), ClampToInt(top + height)};
}
