// Pictures of the main window in its three modes, and of the titles' owner
// drawing (marks, recent visits, a separator, a note's asterisk), saved into the build tree
// (screenshots/) for a person to look at; nothing is compared. They are
// taken by ImageMagick's `import` from the X display the window is on, so
// they exist only when the tests run under Wine with `import` installed.
// scripts/screenshots copies the pictures of the three modes into docs/.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "model/title_text.h"
#include "resource.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"
#include "window_picture.h"

namespace {

// A list as a user keeps it (several categories, visits, notes, a
// separator), for the pictures of the three modes.
const std::string& PictureList() {
    static const std::string text = [] {
        std::ifstream file(VELLINOR_TEST_DATA_DIR "/screenshot-list.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    return text;
}

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanTakePictures()) GTEST_SKIP() << "ImageMagick's import is not installed";
        ASSERT_FALSE(PictureList().empty()) << "tests/data/screenshot-list.txt is missing";
        host_.Settings().Lists.entries[0].name = "Bookmarks";
        host_.Settings().Browsers.entries.push_back({"Firefox", "firefox.exe", "firefox"});
        host_.Settings().Browsers.CurrentBrowser = 0;
        host_.startCategory = 0;  // something chosen, as a user would have it
    }

    // Shows the window (of `host`, else the fixture's), lets `prepare` bring
    // it into the state to show, lets it paint, and has `import` copy its
    // rectangle of the screen into `name`.png.
    void Take(int mode, const std::string& name, const std::function<void(CMainDlg&)>& prepare = {},
              CFakeHost* host = nullptr) {
        auto window = (host ? *host : host_).OpenWindow(mode, SW_SHOW);
        ASSERT_TRUE(window);
        if (prepare) prepare(*window);
        EXPECT_TRUE(SaveWindowPicture(window->Handle(), name, window.get())) << name;
        ::DestroyWindow(window->Handle());
    }

    CFakeHost host_{PictureList()};
};

// Titles in every way they are drawn: plain, visited now (the recent
// colour), with a note (an asterisk), a separator, marked.
std::string DrawingList() {
    std::string text = "<1>News\r\n\t<2>Daily\r\n";
    const auto title = [&](const char* url, const char* name, std::int64_t visited, const char* note) {
        text += "\t\t" + ComposeTitleText(url, name, visited, note, {}, 0) + "\r\n";
    };
    title("http://example.com/a", "Alpha (plain)", 0, "");
    title("http://example.com/b", "Bravo (visited now)", CFixedClock{}.now, "");
    title("http://example.com/c", "Charlie (with a note)", 0, "note");
    text += "\t\t" + std::string(60, '-') + "\r\n";
    title("http://example.com/d", "Delta (marked)", 0, "");
    title("http://example.com/e", "Echo (marked)", CFixedClock{}.now, "note");
    title("http://example.com/f", "Foxtrot (plain)", 0, "");
    return text;
}

// What a click with `keys` on an entry of the titles does.
void ClickTitle(HWND window, int index, WPARAM keys) {
    const HWND titles = ::GetDlgItem(window, IDC_TITLE_LIST);
    RECT rect{};
    ::SendMessageA(titles, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    const LPARAM at = MAKELPARAM(rect.left + 10, (rect.top + rect.bottom) / 2);
    ::SendMessageA(titles, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
    ::SendMessageA(titles, WM_LBUTTONUP, keys, at);
}

TEST_F(ScreenshotTest, TitlesMarkedWhileOrganizing) {
    CFakeHost host(DrawingList());
    host.startCategory = 0;
    Take(kViewOrganize, "titles-organize", [](CMainDlg& window) {
        ClickTitle(window.Handle(), 4, 0);
        ClickTitle(window.Handle(), 5, MK_CONTROL | MK_SHIFT);  // marks Delta and Echo, Echo selected
    }, &host);
}

TEST_F(ScreenshotTest, TitlesVisitedRecently) {
    CFakeHost host(DrawingList());
    host.startCategory = 0;
    Take(kViewRegular, "titles-regular", [](CMainDlg& window) {
        ClickTitle(window.Handle(), 1, 0);  // the recent colour behind a selection
    }, &host);
}

TEST_F(ScreenshotTest, RegularMode) { Take(kViewRegular, "main-regular"); }
TEST_F(ScreenshotTest, OrganizeMode) { Take(kViewOrganize, "main-organize"); }
TEST_F(ScreenshotTest, CompactMode) { Take(kViewCompact, "main-compact"); }
// A fetched title waiting to be added under a category and subcategory
// that do not exist yet.
TEST_F(ScreenshotTest, OrganizeModeWithAFetchedTitle) {
    host_.startCategory = -1;
    host_.browser.fetchable = {"http://example.com/fetched", "A fetched page"};
    Take(kViewOrganize, "main-organize-fetched",
         [](CMainDlg& window) { ::SendMessageA(window.Handle(), WM_COMMAND, IDC_FETCH, 0); });
}

}  // namespace
