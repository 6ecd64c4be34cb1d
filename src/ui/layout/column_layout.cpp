#include "ui/layout/column_layout.h"

#include <algorithm>

namespace layout {

Widths ShareWidthChange(const Widths& widths, int dx) {
    Widths changes{};
    int rest = dx;
    // From the title column leftwards, each column takes what it can without
    // dropping below the minimum; only a shrink ever reaches the others.
    for (int column = kTitleColumn; column >= 0 && rest != 0; --column) {
        const int floor = std::min(widths[column], kMinColumnWidth);
        const int wanted = widths[column] + rest;
        const int taken = std::max(wanted, floor) - widths[column];
        changes[column] = taken;
        rest -= taken;
    }
    return changes;
}

Widths RestoreStoredWidths(const Widths& widths, int dx, const std::array<int, 2>& stored) {
    Widths changes = ShareWidthChange(widths, dx);
    for (int column = 0; column < 2; ++column) {
        if (stored[column] < kMinColumnWidth) continue;
        // 64-bit: a damaged stored width may be anything up to INT_MAX.
        const long long change =
            static_cast<long long>(stored[column]) - (widths[column] + changes[column]);
        const long long titleAfter =
            static_cast<long long>(widths[kTitleColumn]) + changes[kTitleColumn] - change;
        if (titleAfter < kMinColumnWidth) continue;
        changes[column] += static_cast<int>(change);
        changes[kTitleColumn] -= static_cast<int>(change);
    }
    return changes;
}

BorderDragResult DragColumnBorder(const Widths& widths, int border, int d, int windowWidth,
                                  int screenWidth) {
    BorderDragResult result;
    int change = std::max(d, std::min(widths[border], kMinColumnWidth) - widths[border]);
    if (change > 0) change = std::max(0, std::min(change, screenWidth - windowWidth));
    result.columns[border] = change;
    if (windowWidth + change < kMinWindowWidth) {
        result.columns[kTitleColumn] -= change;
    } else {
        result.windowDx = change;
    }
    return result;
}

int ColumnShift(const Widths& changes, int column) {
    int shift = 0;
    for (int left = 0; left < column; ++left) shift += changes[left];
    return shift;
}

std::array<int, 3> CenteredButtonRow(int left, int width, const std::array<int, 3>& buttonWidths,
                                     int gap) {
    const int rowWidth = buttonWidths[0] + buttonWidths[1] + buttonWidths[2] + 2 * gap;
    std::array<int, 3> lefts{};
    int x = left + (width - rowWidth) / 2;
    for (int i = 0; i < 3; ++i) {
        lefts[i] = x;
        x += buttonWidths[i] + gap;
    }
    return lefts;
}

}  // namespace layout
