// Fitting a stored window rectangle onto the work area.
#include <gtest/gtest.h>

#include <climits>

#include "app/settings/window_rect.h"

namespace {

const WindowRect kScreen = {0, 0, 1280, 1024};
// A taskbar on the left and at the top.
const WindowRect kShiftedArea = {60, 30, 1280, 1024};

WindowRect Fit(const WindowRect& rect, const WindowRect& area) {
    return FitRectToArea(rect, rect.Width(), rect.Height(), area);
}

TEST(FitRectToAreaTest, ARectangleInsideAWorkAreaAtTheOriginStaysPut) {
    EXPECT_EQ(Fit({100, 50, 600, 450}, kScreen), (WindowRect{100, 50, 600, 450}));
}

TEST(FitRectToAreaTest, NegativeLeftAndTopBecomeTheWorkAreasCorner) {
    EXPECT_EQ(Fit({-20, -5, 380, 295}, kScreen), (WindowRect{0, 0, 400, 300}));
    EXPECT_EQ(Fit({-20, -5, 380, 295}, kShiftedArea), (WindowRect{60, 30, 460, 330}));
}

TEST(FitRectToAreaTest, LeftAndTopCountFromTheWorkAreasCorner) {
    EXPECT_EQ(Fit({100, 50, 600, 450}, kShiftedArea), (WindowRect{160, 80, 660, 480}));
}

TEST(FitRectToAreaTest, ARectangleStickingOutIsPushedBack) {
    EXPECT_EQ(Fit({1000, 900, 1400, 1200}, kScreen), (WindowRect{880, 724, 1280, 1024}));
}

TEST(FitRectToAreaTest, ARectangleLargerThanTheAreaKeepsItsSize) {
    EXPECT_EQ(Fit({0, 0, 2000, 1500}, kScreen), (WindowRect{-720, -476, 1280, 1024}));
}

// Damaged stored values must not overflow (the sanitizer build checks) and
// come back clamped to the int range.
TEST(FitRectToAreaTest, ExtremeStoredCoordinatesAreClamped) {
    EXPECT_EQ(Fit({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kScreen),
              (WindowRect{INT_MIN, INT_MIN, 1280, 1024}));
    EXPECT_EQ(Fit({INT_MAX, INT_MAX, INT_MIN, INT_MIN}, kShiftedArea).left, INT_MAX);
}

}  // namespace
