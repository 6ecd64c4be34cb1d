// The Compact window's popup menus of categories and subcategories.
#include "ui/level_menu.h"

#include <gtest/gtest.h>

#include "ui_fake_host.h"

namespace {

std::string ItemText(HMENU menu, int position) {
    char text[128] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

UINT ItemType(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return info.fType;
}

class LevelMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host_.OpenCurrentList(nullptr, false)); }
    CFakeHost host_{"<1>Tools & Tips\r\n<1>\r\n<1>News\r\n<1>Sport\r\n<1>Weather\r\n"};
};

TEST(MenuItemTextTest, AmpersandsAreDoubledSoThatTheyShow) {
    EXPECT_EQ(MenuItemText("Tools & Tips"), "Tools && Tips");
    EXPECT_EQ(MenuItemText("&&"), "&&&&");
    EXPECT_EQ(MenuItemText(""), "");
}

TEST_F(LevelMenuTest, EachEntryBecomesAnItemNumberedFromOne) {
    win::UniqueMenu menu = BuildLevelMenu(host_.CurrentList(), 0, 100);
    ASSERT_TRUE(menu);
    ASSERT_EQ(::GetMenuItemCount(menu.Get()), 5);
    EXPECT_EQ(ItemText(menu.Get(), 0), "Tools && Tips");
    EXPECT_EQ(::GetMenuItemID(menu.Get(), 0), 1u);
    EXPECT_EQ(::GetMenuItemID(menu.Get(), 4), 5u);
    EXPECT_EQ(ItemText(menu.Get(), 4), "Weather");
}

TEST_F(LevelMenuTest, AnEntryWithoutANameIsASeparator) {
    win::UniqueMenu menu = BuildLevelMenu(host_.CurrentList(), 0, 100);
    EXPECT_NE(ItemType(menu.Get(), 1) & MFT_SEPARATOR, 0u);
    EXPECT_EQ(ItemType(menu.Get(), 2) & MFT_SEPARATOR, 0u);
}

TEST_F(LevelMenuTest, EveryColumnFullStartsANewColumn) {
    win::UniqueMenu menu = BuildLevelMenu(host_.CurrentList(), 0, 2);
    EXPECT_EQ(ItemType(menu.Get(), 0) & MFT_MENUBARBREAK, 0u);
    EXPECT_EQ(ItemType(menu.Get(), 1) & MFT_MENUBARBREAK, 0u);
    EXPECT_NE(ItemType(menu.Get(), 2) & MFT_MENUBARBREAK, 0u);
    EXPECT_EQ(ItemType(menu.Get(), 3) & MFT_MENUBARBREAK, 0u);
    EXPECT_NE(ItemType(menu.Get(), 4) & MFT_MENUBARBREAK, 0u);
}

TEST_F(LevelMenuTest, ALevelWithoutEntriesGivesAnEmptyMenu) {
    win::UniqueMenu menu = BuildLevelMenu(host_.CurrentList(), 1, 100);
    ASSERT_TRUE(menu);
    EXPECT_EQ(::GetMenuItemCount(menu.Get()), 0);
}

}  // namespace
