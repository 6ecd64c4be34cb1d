// The arithmetic of the main window's three columns (category, subcategory
// and title list boxes): how a change of the window's width is shared out,
// how stored column widths are taken back, and what a drag on a column
// border does. Pixels throughout; no window is touched here.
#pragma once

#include <array>

namespace layout {

inline constexpr int kColumnCount = 3;
inline constexpr int kTitleColumn = 2;
// No list box is made narrower than this by resizing or a border drag.
inline constexpr int kMinColumnWidth = 132;
// The smallest window in Regular and Organize mode, and in Compact mode.
inline constexpr int kMinWindowWidth = 480;
inline constexpr int kMinWindowHeight = 300;
inline constexpr int kMinCompactWidth = 180;
inline constexpr int kMinCompactHeight = 300;

using Widths = std::array<int, kColumnCount>;

// How much each column's width changes when the window's width changes by
// dx: the title column takes it all, but is held at kMinColumnWidth when it
// shrinks; then the subcategory column gives up the rest, and behind it the
// category column. A column already below the minimum never grows from this.
Widths ShareWidthChange(const Widths& widths, int dx);

// The column widths restored at start-up: first the window's size change dx
// is shared out, then the category and subcategory columns take their stored
// widths at the title column's expense. A stored width below the minimum
// (including the "not set" -1 and damaged values) keeps the column as it is,
// and so does one that would leave the title column below the minimum.
// Returns the change of each column.
Widths RestoreStoredWidths(const Widths& widths, int dx, const std::array<int, 2>& stored);

struct BorderDragResult {
    int windowDx = 0;     // change of the window's width
    Widths columns{};     // change of each column's width
};

// A drag of the border to the right of column `border` (0 or 1) by d pixels.
// The column left of the border changes by d, but never below the minimum
// width; the window widens or narrows with it so that the other columns keep
// their widths, but never grows past `screenWidth`. When the window would
// become narrower than kMinWindowWidth, it keeps its width and the title
// column takes up the difference instead.
BorderDragResult DragColumnBorder(const Widths& widths, int border, int d, int windowWidth,
                                  int screenWidth);

// Where column i moves: right by the width changes of the columns left of it.
int ColumnShift(const Widths& changes, int column);

// The left edges of a row of buttons centred under a column that starts at
// `left` and is `width` wide, with `gap` pixels between the buttons.
std::array<int, 3> CenteredButtonRow(int left, int width, const std::array<int, 3>& buttonWidths,
                                     int gap);

}  // namespace layout
