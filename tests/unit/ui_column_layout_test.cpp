// The main window's column arithmetic: resizing, restored widths, border drags.
#include <gtest/gtest.h>

#include <climits>

#include "ui/layout/column_layout.h"

namespace {

using layout::Widths;

TEST(ShareWidthChangeTest, TheTitleColumnTakesAGrowth) {
    EXPECT_EQ(layout::ShareWidthChange({180, 180, 180}, 120), (Widths{0, 0, 120}));
}

TEST(ShareWidthChangeTest, TheTitleColumnTakesAShrinkWhileItStaysAtTheMinimum) {
    EXPECT_EQ(layout::ShareWidthChange({180, 180, 250}, -118), (Widths{0, 0, -118}));
}

TEST(ShareWidthChangeTest, ShrinkingBy200WithATitleColumnOf250TakesTheRestFromSubcategories) {
    EXPECT_EQ(layout::ShareWidthChange({250, 250, 250}, -200), (Widths{0, -82, -118}));
}

TEST(ShareWidthChangeTest, TheCategoryColumnGivesWhatTheSubcategoryColumnCannot) {
    EXPECT_EQ(layout::ShareWidthChange({200, 150, 150}, -70), (Widths{-34, -18, -18}));
}

TEST(ShareWidthChangeTest, WhatNoColumnCanGiveIsLeftOver) {
    EXPECT_EQ(layout::ShareWidthChange({140, 140, 140}, -100), (Widths{-8, -8, -8}));
}

TEST(ShareWidthChangeTest, AColumnBelowTheMinimumNeitherGrowsNorShrinks) {
    EXPECT_EQ(layout::ShareWidthChange({200, 200, 100}, -30), (Widths{0, -30, 0}));
}

TEST(RestoreStoredWidthsTest, WidthsNotSetKeepTheTemplateLayout) {
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 60, {-1, -1}), (Widths{0, 0, 60}));
}

TEST(RestoreStoredWidthsTest, StoredWidthsAreTakenFromTheTitleColumn) {
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 100, {200, 150}),
              (Widths{20, -30, 110}));
}

TEST(RestoreStoredWidthsTest, AStoredWidthOf100IsIgnored) {
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 0, {100, 220}), (Widths{0, 40, -40}));
}

TEST(RestoreStoredWidthsTest, AWidthThatWouldSqueezeTheTitleColumnIsIgnored) {
    // 180 + 100 - 160 would leave 120 titles: the category keeps its width,
    // and the subcategory's 10 still fit.
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 0, {340, 190}), (Widths{0, 10, -10}));
}

TEST(RestoreStoredWidthsTest, DamagedWidthsChangeNothing) {
    const Widths unchanged{0, 0, 0};
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 0, {INT_MAX, INT_MAX}), unchanged);
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 0, {INT_MIN, 0}), unchanged);
    EXPECT_EQ(layout::RestoreStoredWidths({180, 180, 180}, 0, {131, -132}), unchanged);
}

TEST(RestoreStoredWidthsTest, TheWindowsShrinkIsSharedBeforeStoredWidthsApply) {
    EXPECT_EQ(layout::RestoreStoredWidths({200, 200, 200}, -100, {150, -1}),
              (Widths{-50, -32, -18}));
}

TEST(DragColumnBorderTest, AtTheMinimumWindowWidthTheTitleColumnTakesTheDifference) {
    const auto result = layout::DragColumnBorder({200, 150, 134}, 0, -50, 500, 1280);
    EXPECT_EQ(result.windowDx, 0);
    EXPECT_EQ(result.columns, (Widths{-50, 0, 50}));
}

TEST(DragColumnBorderTest, AWiderWindowNarrowsWithTheColumn) {
    const auto result = layout::DragColumnBorder({200, 150, 234}, 0, -50, 600, 1280);
    EXPECT_EQ(result.windowDx, -50);
    EXPECT_EQ(result.columns, (Widths{-50, 0, 0}));
}

TEST(DragColumnBorderTest, TheSecondBorderResizesTheSubcategoryColumn) {
    const auto result = layout::DragColumnBorder({200, 150, 234}, 1, 30, 600, 1280);
    EXPECT_EQ(result.windowDx, 30);
    EXPECT_EQ(result.columns, (Widths{0, 30, 0}));
}

TEST(DragColumnBorderTest, AColumnStopsAtTheMinimumWidth) {
    const auto result = layout::DragColumnBorder({150, 150, 234}, 0, -50, 600, 1280);
    EXPECT_EQ(result.windowDx, -18);
    EXPECT_EQ(result.columns, (Widths{-18, 0, 0}));
}

TEST(DragColumnBorderTest, TheWindowNeverGrowsWiderThanTheScreen) {
    const auto result = layout::DragColumnBorder({200, 150, 234}, 0, 100, 1240, 1280);
    EXPECT_EQ(result.windowDx, 40);
    EXPECT_EQ(result.columns, (Widths{40, 0, 0}));
    EXPECT_EQ(layout::DragColumnBorder({200, 150, 234}, 0, 100, 1300, 1280).columns,
              (Widths{0, 0, 0}));
}

TEST(ColumnShiftTest, AColumnMovesByTheChangesLeftOfIt) {
    const Widths changes{10, -4, 7};
    EXPECT_EQ(layout::ColumnShift(changes, 0), 0);
    EXPECT_EQ(layout::ColumnShift(changes, 1), 10);
    EXPECT_EQ(layout::ColumnShift(changes, 2), 6);
}

TEST(CenteredButtonRowTest, TheRowIsCentredUnderTheColumn) {
    EXPECT_EQ(layout::CenteredButtonRow(100, 200, {40, 30, 40}, 5), (std::array<int, 3>{140, 185, 220}));
}

}  // namespace
