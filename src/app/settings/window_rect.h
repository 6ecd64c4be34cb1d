// Stored window rectangles and fitting them onto the screen's work area.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Never placed yet: the stored rectangle is not used.
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    // 64-bit: a damaged stored rectangle may span more than an int.
    std::int64_t Width() const { return static_cast<std::int64_t>(right) - left; }
    std::int64_t Height() const { return static_cast<std::int64_t>(bottom) - top; }
    bool operator==(const WindowRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// "left,top,right,bottom". Parsing keeps the coordinates from the first one
// that does not parse on.
std::string FormatWindowRect(const WindowRect& rect);
void ParseWindowRect(std::string_view text, WindowRect& rect);

// Moves a rectangle of the given size so that it lies within `workArea`:
// left and top count from the work area's corner (negative ones as 0), and a
// rectangle that would stick out on the right or at the bottom is pushed back.
// A screen rectangle inside a work area that starts at 0,0 stays as it is.
WindowRect FitRectToArea(const WindowRect& rect, std::int64_t width, std::int64_t height,
                         const WindowRect& workArea);
