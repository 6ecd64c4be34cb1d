// Strings from the string table and texts of windows.
#include "win/resource_string.h"

#include <gtest/gtest.h>

#include "test_resources.h"
#include "win/window_text.h"

namespace {

TEST(ResourceString, LoadsAShortString) { EXPECT_EQ(win::LoadResourceString(IDS_TEST_SHORT), "Short"); }

TEST(ResourceString, LoadsAStringLongerThanTheFirstBufferWhole) {
    std::string text = win::LoadResourceString(IDS_TEST_LONG);
    ASSERT_EQ(text.size(), 959u);
    EXPECT_EQ(text.substr(0, 8), "word000 ");
    EXPECT_EQ(text.substr(text.size() - 7), "word119");
}

TEST(ResourceString, AMissingIdGivesAnEmptyString) { EXPECT_EQ(win::LoadResourceString(9199), ""); }

TEST(WindowText, AMissingWindowHasNoText) { EXPECT_EQ(win::WindowText(nullptr), ""); }

}  // namespace
