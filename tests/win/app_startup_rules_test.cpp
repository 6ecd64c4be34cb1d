// What the command line, the program's file name and the stored hot-key
// codes decide, and the button pictures in the present colours.
#include <gtest/gtest.h>

#include "app/color_resources.h"
#include "app/hot_keys.h"
#include "app/settings/app_settings.h"
#include "app/startup_rules.h"
#include "test_resources.h"
#include "win/guards.h"

namespace {

// --- command line and program file ---------------------------------------------------------

TEST(StartupRules, OnlyTheExactWordUninstalls) {
    EXPECT_TRUE(IsUninstallCommand("-uninstall"));
    EXPECT_FALSE(IsUninstallCommand("-Uninstall"));
    EXPECT_FALSE(IsUninstallCommand("-uninstall now"));
    EXPECT_FALSE(IsUninstallCommand(" -uninstall"));
    EXPECT_FALSE(IsUninstallCommand(""));
}

TEST(StartupRules, AProgramNamedSetupExeInAnyCaseRunsSetup) {
    EXPECT_TRUE(IsSetupProgram("C:\\Downloads\\SETUP.EXE"));
    EXPECT_TRUE(IsSetupProgram("C:\\Downloads\\setup.exe"));
    EXPECT_TRUE(IsSetupProgram("Setup.Exe"));
    EXPECT_FALSE(IsSetupProgram("C:\\Tools\\vellinor.exe"));
    EXPECT_FALSE(IsSetupProgram("C:\\Tools\\setup.exe.bak"));
    EXPECT_FALSE(IsSetupProgram("etup.exe"));
}

TEST(StartupRules, TheApplicationFolderEndsInABackslash) {
    EXPECT_EQ(FolderOfProgram("C:\\Tools\\Links\\vellinor.exe"), "C:\\Tools\\Links\\");
    EXPECT_EQ(FolderOfProgram("Z:/work/bin/vellinor.exe"), "Z:/work/bin\\");
    EXPECT_EQ(FolderOfProgram("vellinor.exe"), "");
}

TEST(StartupRules, TheModulePathNamesThisProgram) {
    std::string path = ModulePath();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
}

// --- hot keys ------------------------------------------------------------------------------

TEST(HotKeys, ControlAltAIsRegisteredWithBothModifiers) {
    SystemHotKey key = ToSystemHotKey(0x0641);
    EXPECT_EQ(key.modifiers, static_cast<UINT>(MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(key.key, 0x41u);
}

TEST(HotKeys, EachFlagGivesItsModifier) {
    EXPECT_EQ(ToSystemHotKey(0x0170).modifiers, static_cast<UINT>(MOD_SHIFT));
    EXPECT_EQ(ToSystemHotKey(0x0270).modifiers, static_cast<UINT>(MOD_CONTROL));
    EXPECT_EQ(ToSystemHotKey(0x0470).modifiers, static_cast<UINT>(MOD_ALT));
    EXPECT_EQ(ToSystemHotKey(0x0770).modifiers, static_cast<UINT>(MOD_SHIFT | MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(ToSystemHotKey(0x0070).modifiers, 0u);
    EXPECT_EQ(ToSystemHotKey(0x0070).key, static_cast<UINT>(VK_F1));
}

TEST(HotKeys, AnExtendedKeyNeedsNoWindowsKey) {
    // Control+Alt+Home as a hot-key control reports it.
    SystemHotKey key = ToSystemHotKey(0x0E24);
    EXPECT_EQ(key.modifiers, static_cast<UINT>(MOD_CONTROL | MOD_ALT));
    EXPECT_EQ(key.key, static_cast<UINT>(VK_HOME));
}

// --- colours -------------------------------------------------------------------------------

TEST(ButtonColorsChoice, WithoutCustomColoursTheButtonFaceIsTheBackground) {
    ButtonColors colors = ChooseButtonColors(false, CAppSettings::kDefaultColors, 0x123456);
    EXPECT_EQ(colors.background, 0x123456u);
    EXPECT_EQ(colors.buttons, 0xF1F1F1u);
    EXPECT_EQ(colors.highlights, 0x0000C0u);
}

TEST(ButtonColorsChoice, CustomColoursUseBackgroundButtonsAndHighlights) {
    ButtonColors colors = ChooseButtonColors(true, {0x111111, 0x222222, 0x333333, 0x444444, 0x555555},
                                             0x123456);
    EXPECT_EQ(colors.background, 0x111111u);
    EXPECT_EQ(colors.buttons, 0x333333u);
    EXPECT_EQ(colors.highlights, 0x444444u);
}

COLORREF PixelOf(HBITMAP bitmap, int x) {
    win::WindowDc screen(nullptr);
    HDC dc = ::CreateCompatibleDC(screen.Get());
    COLORREF pixel;
    {
        win::SelectGuard select(dc, bitmap);
        pixel = ::GetPixel(dc, x, 0);
    }
    ::DeleteDC(dc);
    return pixel;
}

TEST(ColorResources, TheMarkerColoursTakeTheColoursInUse) {
    CColorResources resources;
    resources.Create({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)}, {IDB_TEST_MARKERS});
    HBITMAP bitmap = resources.Bitmap(IDB_TEST_MARKERS);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(PixelOf(bitmap, 0), RGB(1, 2, 3));
    EXPECT_EQ(PixelOf(bitmap, 1), RGB(4, 5, 6));
    EXPECT_EQ(PixelOf(bitmap, 2), RGB(7, 8, 9));
    EXPECT_EQ(PixelOf(bitmap, 3), RGB(255, 255, 255));

    LOGBRUSH brush{};
    ASSERT_NE(::GetObjectA(resources.Brush(), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
}

TEST(ColorResources, ThePicturesFollowTheSystemButtonFace) {
    CColorResources resources;
    resources.Create(ChooseButtonColors(false, CAppSettings::kDefaultColors, ::GetSysColor(COLOR_BTNFACE)),
                     {IDB_TEST_MARKERS});
    EXPECT_EQ(PixelOf(resources.Bitmap(IDB_TEST_MARKERS), 0), ::GetSysColor(COLOR_BTNFACE));
}

TEST(ColorResources, APictureTheModuleLacksStaysNull) {
    CColorResources resources;
    resources.Create({0, 0, 0}, {IDB_TEST_MARKERS + 1});
    EXPECT_EQ(resources.Bitmap(IDB_TEST_MARKERS + 1), nullptr);
    EXPECT_NE(resources.Brush(), nullptr);
}

TEST(ColorResources, RecreatingTakesTheNewColoursAndDeleteReleasesAll) {
    CColorResources resources;
    resources.Create({RGB(1, 1, 1), 0, 0}, {IDB_TEST_MARKERS});
    resources.Create({RGB(2, 2, 2), 0, 0}, {IDB_TEST_MARKERS});
    EXPECT_EQ(PixelOf(resources.Bitmap(IDB_TEST_MARKERS), 0), RGB(2, 2, 2));
    resources.Delete();
    EXPECT_EQ(resources.Bitmap(IDB_TEST_MARKERS), nullptr);
    EXPECT_EQ(resources.Brush(), nullptr);
}

}  // namespace
