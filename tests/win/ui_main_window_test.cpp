// The main window in its three modes, created in-process against a fake
// application: controls, mode switches, layout, colours, system commands and
// the exit save prompts.
#include <gtest/gtest.h>

#include <climits>

#include "app/win32/window_placement.h"
#include "main_window_fixture.h"
#include "message_pump.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "ui/dialog_geometry.h"
#include "ui/layout/column_layout.h"
#include "ui/main_dlg.h"
#include "ui_fake_host.h"
#include "win/guards.h"
#include "win/window_text.h"

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    static int WindowWidth(const CMainDlg& window) {
        RECT rect{};
        ::GetWindowRect(window.Handle(), &rect);
        return rect.right - rect.left;
    }
    static void ResizeBy(const CMainDlg& window, int dx, int dy) {
        RECT rect{};
        ::GetWindowRect(window.Handle(), &rect);
        ::SetWindowPos(window.Handle(), nullptr, 0, 0, rect.right - rect.left + dx,
                       rect.bottom - rect.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static layout::Widths Columns(const CMainDlg& window) {
        return {Width(window, IDC_CATEGORY_LIST), Width(window, IDC_SUBCATEGORY_LIST),
                Width(window, IDC_TITLE_LIST)};
    }
    // A press in the gap right of column `border`, a move by d, a release.
    static void DragBorder(const CMainDlg& window, int border, int d) {
        const RECT left = Rect(window, IDC_CATEGORY_LIST + border);
        const RECT right = Rect(window, IDC_CATEGORY_LIST + border + 1);
        const int x = (left.right + right.left) / 2;
        const int y = left.top + 10;
        ::SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(window.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + d, y));
        ::SendMessageA(window.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x + d, y));
    }
    bool HiddenGets(UINT message, WPARAM wParam, win::IMessageFilter* filter = nullptr) {
        return PumpUntil([&] { return host_.Hidden().Saw(message, wParam); }, filter, 2000);
    }
};

// --- the modes and their controls ------------------------------------------

TEST_F(MainWindowTest, RegularModeShowsTheThreeLevelsOfTheCurrentList) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->TemplateId(), IDD_MAIN);
    EXPECT_EQ(host_.opens, 1);
    ASSERT_EQ(Count(*window, IDC_CATEGORY_LIST), 3);
    EXPECT_EQ(Entry(*window, IDC_CATEGORY_LIST, 1), "Reference");
    EXPECT_EQ(::GetMenuItemCount(::GetMenu(window->Handle())), 4);
    EXPECT_FALSE(Visible(*window, IDC_CATEGORY_NAME));
    EXPECT_FALSE(Visible(*window, IDC_MARK));
    EXPECT_TRUE(Visible(*window, IDC_LAST_VISITED_LABEL));
    EXPECT_EQ(::GetWindowLongA(Item(*window, IDC_URL), GWL_STYLE) & ES_READONLY, ES_READONLY);
    EXPECT_EQ(::GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_NE(win::WindowText(Item(*window, IDC_STATUS_LINE)).find("Current list: Sample (6 URLs)"),
              std::string::npos);
}

TEST_F(MainWindowTest, ChoosingACategorySelectsItsFirstSubcategoryAndTitle) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 1);
    ASSERT_EQ(Count(*window, IDC_SUBCATEGORY_LIST), 1);
    EXPECT_EQ(Selection(*window, IDC_SUBCATEGORY_LIST), 0);
    ASSERT_EQ(Count(*window, IDC_TITLE_LIST), 3);
    EXPECT_EQ(Entry(*window, IDC_TITLE_LIST, 2), "Foxtrot");
    EXPECT_EQ(Selection(*window, IDC_TITLE_LIST), 0);
    EXPECT_EQ(win::WindowText(Item(*window, IDC_URL)), "http://example.com/d");
    EXPECT_EQ(host_.CurrentList().Selection(kCategory), 1);
}

TEST_F(MainWindowTest, WithMarksChoosingACategoryLeavesTheLevelsBelowUnselected) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 0);
    ASSERT_EQ(host_.CurrentList().MarkSelected(kCategory), kCategory);
    Choose(*window, IDC_CATEGORY_LIST, 1);
    EXPECT_EQ(Selection(*window, IDC_SUBCATEGORY_LIST), -1);
    EXPECT_EQ(Count(*window, IDC_TITLE_LIST), 0);
}

TEST_F(MainWindowTest, OrganizeModeShowsTheEditingControlsAndShortensTheLists) {
    auto regular = Open(kViewRegular);
    ASSERT_TRUE(regular);
    const int regularHeight = Height(*regular, IDC_TITLE_LIST);
    const int regularUrlWidth = Width(*regular, IDC_URL);
    regular.reset();

    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    for (int id : {IDC_CATEGORY_NAME, IDC_TITLE_NAME, IDC_MARK, IDC_MOVE, IDC_BROWSE, IDC_NEW_TITLE,
                   IDC_SORT_CATEGORIES, IDC_DELETE_SUBCATEGORY})
        EXPECT_TRUE(Visible(*window, id)) << id;
    EXPECT_FALSE(Visible(*window, IDC_LAST_VISITED_LABEL));
    RECT units = {0, 0, 0, 23};
    ::MapDialogRect(window->Handle(), &units);
    EXPECT_EQ(Height(*window, IDC_TITLE_LIST), regularHeight - units.bottom);
    EXPECT_EQ(Width(*window, IDC_URL), regularUrlWidth - 27);
    // The fields of a selected title become writable as they take the focus.
    Choose(*window, IDC_CATEGORY_LIST, 0);
    ::SetFocus(Item(*window, IDC_URL));
    EXPECT_EQ(::GetWindowLongA(Item(*window, IDC_URL), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_NE(win::WindowText(Item(*window, IDC_STATUS_LINE)).find("Nothing marked"), std::string::npos);
}

TEST_F(MainWindowTest, SwitchingBetweenRegularAndOrganizeKeepsTheListAndSelection) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Choose(*window, IDC_CATEGORY_LIST, 1);
    Choose(*window, IDC_TITLE_LIST, 2);
    const CUrlListFile* list = &host_.CurrentList();

    Command(*window, ID_ORGANIZE_MODE);
    EXPECT_EQ(host_.Settings().ViewMode, kViewOrganize);
    EXPECT_TRUE(Visible(*window, IDC_CATEGORY_NAME));
    EXPECT_EQ(Selection(*window, IDC_CATEGORY_LIST), 1);
    EXPECT_EQ(Selection(*window, IDC_TITLE_LIST), 2);
    EXPECT_EQ(win::WindowText(Item(*window, IDC_TITLE_NAME)), "Foxtrot");

    Command(*window, ID_REGULAR_MODE);
    EXPECT_EQ(host_.Settings().ViewMode, kViewRegular);
    EXPECT_FALSE(Visible(*window, IDC_CATEGORY_NAME));
    EXPECT_EQ(&host_.CurrentList(), list);
    EXPECT_EQ(host_.opens, 1);  // nothing was read again
    EXPECT_EQ(Selection(*window, IDC_CATEGORY_LIST), 1);
    EXPECT_EQ(Selection(*window, IDC_TITLE_LIST), 2);
    EXPECT_EQ(win::WindowText(Item(*window, IDC_URL)), "http://example.com/f");
}

TEST_F(MainWindowTest, LeavingOrganizeModeClearsMarksAndDropsTheOtherList) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    host_.GiveOtherList(std::make_unique<CUrlListFile>());
    Choose(*window, IDC_CATEGORY_LIST, 0);
    ASSERT_EQ(host_.CurrentList().MarkSelected(kTitle), kTitle);
    Command(*window, ID_REGULAR_MODE);
    EXPECT_EQ(host_.CurrentList().MarkCount(), 0);
    EXPECT_EQ(host_.OtherList(), nullptr);
    EXPECT_EQ(host_.discards, 1);
}

TEST_F(MainWindowTest, AReadOnlyListStaysOutOfOrganizeMode) {
    // Another writer keeps the file: the list can only be read.
    win::UniqueFile writer(::CreateFileA(host_.ListPath().c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    ASSERT_TRUE(host_.CurrentList().IsReadOnly());
    EXPECT_FALSE(Visible(*window, IDC_CATEGORY_NAME));
    Command(*window, ID_ORGANIZE_MODE);
    EXPECT_FALSE(Visible(*window, IDC_CATEGORY_NAME));
    EXPECT_NE(win::WindowText(Item(*window, IDC_STATUS_LINE)).find("(read only)"), std::string::npos);
}

TEST_F(MainWindowTest, CompactModeShowsTheTitlesOfTheChosenSubcategory) {
    host_.startCategory = 0;
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->TemplateId(), IDD_COMPACT);
    EXPECT_EQ(::GetMenuItemCount(::GetMenu(window->Handle())), 3);  // no Browser popup
    EXPECT_EQ(win::WindowText(Item(*window, IDC_CATEGORY_NAME)), "News");
    EXPECT_EQ(win::WindowText(Item(*window, IDC_SUBCATEGORY_NAME)), "Daily");
    ASSERT_EQ(Count(*window, IDC_TITLE_LIST), 2);
    EXPECT_EQ(Entry(*window, IDC_TITLE_LIST, 1), "Bravo");
}

// --- mode switches through the hidden window ---------------------------------

TEST_F(MainWindowTest, F2InRegularModeAsksTheApplicationForCompactMode) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    MSG key = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_F2, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(key));
    EXPECT_TRUE(HiddenGets(WM_COMMAND, ID_COMPACT_MODE));
}

TEST_F(MainWindowTest, F3AndF4InCompactModeAskForTheOtherModes) {
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    MSG f3 = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_F3, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(f3));
    EXPECT_TRUE(HiddenGets(WM_COMMAND, ID_REGULAR_MODE));
    MSG f4 = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_F4, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(f4));  // the global table
    EXPECT_TRUE(HiddenGets(WM_COMMAND, ID_ORGANIZE_MODE));
}

TEST_F(MainWindowTest, F4AndF3SwitchRegularAndOrganizeInPlace) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    MSG f4 = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_F4, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(f4));
    EXPECT_EQ(host_.Settings().ViewMode, kViewOrganize);
    MSG f3 = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_F3, 0, 0, {}};
    EXPECT_TRUE(window->PreTranslate(f3));
    EXPECT_EQ(host_.Settings().ViewMode, kViewRegular);
    EXPECT_TRUE(host_.Hidden().received.empty());
}

TEST_F(MainWindowTest, EscapeAndEnterNeverCloseTheWindow) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    Command(*window, IDCANCEL);
    Command(*window, IDOK);
    MSG escape = {Item(*window, IDC_FIND_TEXT), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    window->PreTranslate(escape);
    EXPECT_TRUE(::IsWindow(window->Handle()));
}

// --- system commands -----------------------------------------------------------

TEST_F(MainWindowTest, TheCloseBoxMinimisesWhileTheTrayIconIsUsed) {
    host_.Settings().Options.UseTray = true;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(300, 200));
    EXPECT_TRUE(HiddenGets(WM_SYSCOMMAND, SC_MINIMIZE));
    EXPECT_FALSE(host_.Hidden().Saw(WM_CLOSE, 0));
}

TEST_F(MainWindowTest, AltF4EndsTheProgramThroughTheHiddenWindow) {
    host_.Settings().Options.UseTray = true;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(HiddenGets(WM_CLOSE, 0));
}

TEST_F(MainWindowTest, WithoutTheTrayTheCloseBoxEndsTheProgram) {
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(300, 200));
    EXPECT_TRUE(HiddenGets(WM_CLOSE, 0));
}

TEST_F(MainWindowTest, MinimiseAndRestoreGoToTheHiddenWindow) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(HiddenGets(WM_SYSCOMMAND, SC_MINIMIZE));
    ::SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(HiddenGets(WM_SYSCOMMAND, SC_RESTORE));
    EXPECT_FALSE(::IsIconic(window->Handle()));
}

TEST_F(MainWindowTest, TheHiddenWindowFollowsTheClientArea) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::SetWindowPos(window->Handle(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    POINT origin{};
    ::ClientToScreen(window->Handle(), &origin);
    RECT hidden{};
    ::GetWindowRect(host_.HiddenWindow(), &hidden);
    EXPECT_EQ(hidden.left, origin.x);
    EXPECT_EQ(hidden.top, origin.y);
}

TEST_F(MainWindowTest, TheTrayIconRestoresAHiddenWindow) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::ShowWindow(window->Handle(), SW_HIDE);
    window->OnTrayNotify(WM_LBUTTONDOWN);
    EXPECT_EQ(host_.restores, 1);
    EXPECT_EQ(host_.hides, 0);
    Command(*window, ID_TRAY_HIDE);
    EXPECT_EQ(host_.hides, 1);
}

// Wine 8 keeps WS_EX_TOPMOST after SetWindowPos(HWND_NOTOPMOST) on these
// windows, so only the way there is checked on the window itself.
TEST_F(MainWindowTest, KeepAtFrontTogglesTheOptionAndMakesTheWindowTopmost) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    const auto topmost = [&] { return (::GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(topmost());
    Command(*window, ID_KEEP_AT_FRONT);
    EXPECT_TRUE(host_.Settings().Options.KeepAtFrontRegular);
    EXPECT_TRUE(topmost());
    Command(*window, ID_KEEP_AT_FRONT);
    EXPECT_FALSE(host_.Settings().Options.KeepAtFrontRegular);
    EXPECT_FALSE(host_.Settings().Options.KeepAtFrontCompact);
}

TEST_F(MainWindowTest, CompactModeStartsAtFrontWithItsOwnOption) {
    host_.Settings().Options.KeepAtFrontCompact = true;
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    EXPECT_NE(::GetWindowLongA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

// --- the exit save prompts ------------------------------------------------------

TEST_F(MainWindowTest, AnUnchangedListClosesWithoutAQuestion) {
    CRecordingMessageBoxes boxes;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->QueryClose());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainWindowTest, ExitingWhileHiddenShowsTheWindowOnlyToAsk) {
    CRecordingMessageBoxes boxes({IDNO});
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::ShowWindow(window->Handle(), SW_HIDE);
    EXPECT_TRUE(window->QueryClose());
    EXPECT_EQ(host_.restores, 0);
    host_.CurrentList().SetModified();
    EXPECT_TRUE(window->QueryClose());
    EXPECT_EQ(host_.restores, 1);
}

TEST_F(MainWindowTest, CancellingTheSaveQuestionKeepsTheProgramRunning) {
    CRecordingMessageBoxes boxes({IDCANCEL});
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    host_.CurrentList().SetModified();
    EXPECT_FALSE(window->QueryClose());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_NE(boxes.Shown()[0].text.find("to URL list 'Sample' before exiting?"), std::string::npos);
    EXPECT_TRUE(host_.CurrentList().IsModified());
}

TEST_F(MainWindowTest, AnsweringYesSavesTheList) {
    CRecordingMessageBoxes boxes({IDYES});
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    host_.CurrentList().Select(kCategory, 2, SelectMode::kNone);
    host_.CurrentList().EditItem(kCategory, 2, "Utilities");
    EXPECT_TRUE(window->QueryClose());
    EXPECT_FALSE(host_.CurrentList().IsModified());
    EXPECT_NE(FileText().find("Utilities"), std::string::npos);
}

TEST_F(MainWindowTest, SaveWithoutPromptSavesWithoutAsking) {
    CRecordingMessageBoxes boxes;
    host_.Settings().Options.SaveWithoutPrompt = true;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    host_.CurrentList().Select(kCategory, 2, SelectMode::kNone);
    host_.CurrentList().EditItem(kCategory, 2, "Utilities");
    EXPECT_TRUE(window->QueryClose());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_NE(FileText().find("Utilities"), std::string::npos);
}

TEST_F(MainWindowTest, AnsweringNoWhenExitingLosesTheChanges) {
    CRecordingMessageBoxes boxes({IDNO});
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    host_.CurrentList().Select(kCategory, 2, SelectMode::kNone);
    host_.CurrentList().EditItem(kCategory, 2, "Utilities");
    EXPECT_TRUE(window->QueryClose());
    EXPECT_EQ(FileText().find("Utilities"), std::string::npos);
}

// --- colours and pictures ---------------------------------------------------------

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    win::WindowDc screen(nullptr);
    HDC memory = ::CreateCompatibleDC(screen.Get());
    COLORREF colour = CLR_INVALID;
    {
        win::SelectGuard select(memory, bitmap);
        colour = ::GetPixel(memory, x, y);
    }
    ::DeleteDC(memory);
    return colour;
}

TEST_F(MainWindowTest, ThePicturesTakeTheSystemColoursByDefault) {
    const HBITMAP find = host_.ButtonBitmap(IDB_FIND);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(PixelOf(find, 0, 0), ::GetSysColor(COLOR_BTNFACE));  // a rounded corner
    EXPECT_EQ(PixelOf(find, 4, 4), RGB(0xF1, 0xF1, 0xF1));         // the face
}

TEST_F(MainWindowTest, EveryPictureTheWindowUsesIsLoaded) {
    for (int id = IDB_OPEN_NOTHING; id <= IDB_NOTE_SHOWN; ++id) {
        if (id == 173 || (id > 176 && id < 183) || (id > 187 && id < 191) || id == 193) continue;
        EXPECT_NE(host_.ButtonBitmap(id), nullptr) << id;
    }
}

TEST_F(MainWindowTest, CustomColoursPaintLabelsOnTheBackgroundColour) {
    host_.Settings().Options.CustomColors = true;
    host_.Settings().Colors[kColorBackground] = RGB(10, 20, 30);
    host_.Settings().Colors[kColorText] = RGB(200, 100, 50);
    host_.RecreateColorResources();
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    win::WindowDc dc(window->Handle());
    const LRESULT brush = ::SendMessageA(window->Handle(), WM_CTLCOLORSTATIC,
                                         reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(Item(*window, IDC_TITLE_LABEL)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), host_.BackgroundBrush());
    EXPECT_EQ(::GetTextColor(dc.Get()), RGB(200, 100, 50));
    EXPECT_EQ(::GetBkColor(dc.Get()), RGB(10, 20, 30));
    EXPECT_EQ(PixelOf(host_.ButtonBitmap(IDB_FIND), 0, 0), RGB(10, 20, 30));
}

TEST_F(MainWindowTest, WithoutCustomColoursTheSystemPaintsTheControls) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    win::WindowDc dc(window->Handle());
    const LRESULT brush = ::SendMessageA(window->Handle(), WM_CTLCOLORSTATIC,
                                         reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(Item(*window, IDC_TITLE_LABEL)));
    EXPECT_NE(reinterpret_cast<HBRUSH>(brush), host_.BackgroundBrush());
}

// --- layout ------------------------------------------------------------------------

TEST_F(MainWindowTest, ShrinkingBy200TakesTheRestFromTheSubcategoryColumn) {
    // Wide enough that the window stays above its smallest width.
    host_.Settings().MainWindowRect = {0, 0, 1100, 500};
    host_.Settings().ListBoxWidths = {300, 300, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ResizeBy(*window, 250 - Width(*window, IDC_TITLE_LIST), 0);
    const layout::Widths before = Columns(*window);
    ASSERT_EQ(before[2], 250);
    ResizeBy(*window, -200, 0);
    EXPECT_EQ(Columns(*window), (layout::Widths{before[0], before[1] - 82, 132}));
    // The columns stay side by side with their gaps.
    EXPECT_EQ(Rect(*window, IDC_TITLE_LIST).left - Rect(*window, IDC_SUBCATEGORY_LIST).right,
              Rect(*window, IDC_SUBCATEGORY_LIST).left - Rect(*window, IDC_CATEGORY_LIST).right);
}

TEST_F(MainWindowTest, GrowingTheWindowGrowsTheTitleColumnAndMovesTheBottomRow) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    const layout::Widths before = Columns(*window);
    const RECT status = Rect(*window, IDC_STATUS_LINE);
    const RECT lastVisited = Rect(*window, IDC_LAST_VISITED);
    const RECT find = Rect(*window, IDC_FIND);
    ResizeBy(*window, 100, 60);
    EXPECT_EQ(Columns(*window), (layout::Widths{before[0], before[1], before[2] + 100}));
    EXPECT_EQ(Rect(*window, IDC_STATUS_LINE).top, status.top + 60);
    EXPECT_EQ(Width(*window, IDC_STATUS_LINE), status.right - status.left + 100);
    EXPECT_EQ(Rect(*window, IDC_LAST_VISITED).left, lastVisited.left + 100);
    EXPECT_EQ(Rect(*window, IDC_FIND).left, find.left);
    EXPECT_EQ(Rect(*window, IDC_FIND).top, find.top + 60);
    // The title column's buttons stay centred under it.
    const RECT box = Rect(*window, IDC_TITLE_LIST);
    const RECT sort = Rect(*window, IDC_SORT_TITLES);
    EXPECT_LE(std::abs((sort.left + sort.right) / 2 - (box.left + box.right) / 2), 1);
}

TEST_F(MainWindowTest, TheWindowIsNeverSmallerThan480By300) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ::SetWindowPos(window->Handle(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect{};
    ::GetWindowRect(window->Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 480);
    EXPECT_EQ(rect.bottom - rect.top, 300);
}

TEST_F(MainWindowTest, TheCompactWindowIsNeverSmallerThan180By300) {
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    ::SetWindowPos(window->Handle(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    RECT rect{};
    ::GetWindowRect(window->Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 180);
    EXPECT_EQ(rect.bottom - rect.top, 300);
}

TEST_F(MainWindowTest, StoredPlacementAndWidthsComeBack) {
    host_.Settings().MainWindowRect = {40, 30, 740, 530};
    host_.Settings().ListBoxWidths = {200, 170, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    RECT rect{};
    ::GetWindowRect(window->Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 700);
    EXPECT_EQ(rect.bottom - rect.top, 500);
    EXPECT_EQ(Width(*window, IDC_CATEGORY_LIST), 200);
    EXPECT_EQ(Width(*window, IDC_SUBCATEGORY_LIST), 170);
}

// The stored rectangle counts from the work area's corner. With a taskbar
// at the top or left, placing the window and storing it again must leave it
// where it was, start after start.
TEST_F(MainWindowTest, AStoredPlacementStaysPutBesideATaskbarAtTheTopLeft) {
    const WorkAreaOverride area({30, 40, 1280, 1024});
    const WindowRect stored = {60, 100, 560, 600};
    const WindowRect onScreen = {90, 140, 590, 640};
    host_.Settings().MainWindowRect = host_.Settings().CompactWindowRect = stored;
    for (int mode : {kViewRegular, kViewCompact}) {
        for (int start = 0; start < 3; ++start) {
            auto window = Open(mode);
            ASSERT_TRUE(window);
            RECT rect{};
            ::GetWindowRect(window->Handle(), &rect);
            EXPECT_EQ((WindowRect{rect.left, rect.top, rect.right, rect.bottom}), onScreen)
                << "mode " << mode << ", start " << start;
            ::DestroyWindow(window->Handle());
        }
    }
    EXPECT_EQ(host_.Settings().MainWindowRect, stored);
    EXPECT_EQ(host_.Settings().CompactWindowRect, stored);
}

TEST_F(MainWindowTest, AStoredListBoxWidthOf100IsIgnored) {
    auto plain = Open(kViewRegular);
    ASSERT_TRUE(plain);
    const int templateWidth = Width(*plain, IDC_CATEGORY_LIST);
    plain.reset();
    host_.Settings().MainWindowRect = {40, 30, 740, 530};
    host_.Settings().ListBoxWidths = {100, 170, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    EXPECT_EQ(Width(*window, IDC_CATEGORY_LIST), templateWidth);
    EXPECT_EQ(Width(*window, IDC_SUBCATEGORY_LIST), 170);
}

TEST_F(MainWindowTest, DamagedWidthsAndAnAbsurdRectangleStayUsable) {
    host_.Settings().MainWindowRect = {-50000, -50000, INT_MAX, INT_MAX};
    host_.Settings().ListBoxWidths = {INT_MAX, INT_MIN, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    RECT rect{};
    ::GetWindowRect(window->Handle(), &rect);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(rect.left, work.left);
    EXPECT_GE(rect.top, work.top);
    EXPECT_LE(rect.right, work.right);
    EXPECT_LE(rect.bottom, work.bottom);
    EXPECT_GE(Width(*window, IDC_TITLE_LIST), layout::kMinColumnWidth);
}

TEST_F(MainWindowTest, ClosingStoresThePlacementAndColumnWidths) {
    auto window = Open(kViewOrganize);
    ASSERT_TRUE(window);
    ResizeBy(*window, 80, 40);
    RECT rect{};
    ::GetWindowRect(window->Handle(), &rect);
    const layout::Widths widths = Columns(*window);
    ::DestroyWindow(window->Handle());
    const WindowRect& stored = host_.Settings().MainWindowRect;
    EXPECT_EQ(stored.Width(), rect.right - rect.left);
    EXPECT_EQ(stored.Height(), rect.bottom - rect.top);
    EXPECT_EQ(host_.Settings().ListBoxWidths[0], widths[0]);
    EXPECT_EQ(host_.Settings().ListBoxWidths[1], widths[1]);
}

TEST_F(MainWindowTest, DraggingABorderIn600PixelsNarrowsTheWindow) {
    host_.Settings().MainWindowRect = {10, 10, 610, 410};
    host_.Settings().ListBoxWidths = {200, 140, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ASSERT_EQ(WindowWidth(*window), 600);
    const layout::Widths before = Columns(*window);
    DragBorder(*window, 0, -50);
    EXPECT_EQ(WindowWidth(*window), 550);
    EXPECT_EQ(Columns(*window), (layout::Widths{before[0] - 50, before[1], before[2]}));
}

TEST_F(MainWindowTest, DraggingABorderIn500PixelsKeepsTheWindowWidth) {
    host_.Settings().MainWindowRect = {10, 10, 510, 410};
    host_.Settings().ListBoxWidths = {182, 132, -1};
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window);
    ASSERT_EQ(WindowWidth(*window), 500);
    const layout::Widths before = Columns(*window);
    ASSERT_EQ(before[0], 182);
    DragBorder(*window, 0, -50);
    EXPECT_EQ(WindowWidth(*window), 500);
    EXPECT_EQ(Columns(*window), (layout::Widths{132, before[1], before[2] + 50}));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MainWindowTest, TheCompactTitlesFollowTheWindowSize) {
    auto window = Open(kViewCompact);
    ASSERT_TRUE(window);
    const RECT titles = Rect(*window, IDC_TITLE_LIST);
    const RECT open = Rect(*window, IDC_OPEN);
    ResizeBy(*window, 40, 30);
    EXPECT_EQ(Width(*window, IDC_TITLE_LIST), titles.right - titles.left + 40);
    EXPECT_EQ(Height(*window, IDC_TITLE_LIST), titles.bottom - titles.top + 30);
    EXPECT_EQ(Rect(*window, IDC_OPEN).left, open.left + 40);
    EXPECT_EQ(Rect(*window, IDC_OPEN).top, open.top + 30);
}

}  // namespace
