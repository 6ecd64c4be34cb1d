// Putting a window back onto its stored rectangle within the work area.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/window_placement.h"

namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = ::CreateWindowExA(0, "STATIC", "placement", WS_POPUP, 0, 0, 200, 100, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        area = WorkArea();
    }
    void TearDown() override {
        if (window) ::DestroyWindow(window);
    }
    WindowRect Placed() const {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    HWND window = nullptr;
    WindowRect area;
};

TEST_F(WindowPlacementTest, AStoredRectangleInsideTheWorkAreaIsTakenAsItIs) {
    WindowRect stored = {area.left + 40, area.top + 30, area.left + 340, area.top + 230};
    if (area.left != 0 || area.top != 0) GTEST_SKIP() << "work area does not start at 0,0";
    SIZE change = PlaceWindowAt(window, stored, false);
    EXPECT_EQ(change.cx, 100);
    EXPECT_EQ(change.cy, 100);
    EXPECT_EQ(Placed(), stored);
}

TEST_F(WindowPlacementTest, ARectangleOffTheScreenComesBackIntoTheWorkArea) {
    WindowRect stored = {area.right - 50, -400, area.right + 250, -200};
    SIZE change = PlaceWindowAt(window, stored, true);
    EXPECT_EQ(change.cx, 100);
    EXPECT_EQ(change.cy, 100);
    EXPECT_EQ(Placed(), (WindowRect{area.right - 300, area.top, area.right, area.top + 200}));
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
