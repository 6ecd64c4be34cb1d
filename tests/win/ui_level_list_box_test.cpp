// The columns' list boxes in the real main window: drawing attributes,
// reordering by dragging, Ctrl+click marking, what they ask of the window,
// and the rules of their context menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "html_format_check.h"
#include "model/title_text.h"
#include "recording_message_boxes.h"
#include "resource.h"
#include "ui/level_context_menu.h"
#include "ui/main_dlg.h"
#include "ui/title_drag_out.h"
#include "ui_fake_host.h"
#include "win/guards.h"
#include "win/subclass.h"

namespace {

std::string TitleLine(std::string_view url, std::string_view title, std::int64_t visited = 0,
                      std::string_view note = {}) {
    return "\t\t" + ComposeTitleText(url, title, visited, note, {}, 0) + "\r\n";
}

// Titles: 0 One, 1 Two, 2 Three, 3 Four (visited now), 4 Five (with a note),
// 5 a separator, 6 a mail link, 7 a file, 8 a folder.
std::string TestList() {
    return "<1>Web\r\n\t<2>Links\r\n" + TitleLine("http://example.com/1", "One") +
           TitleLine("http://example.com/2", "Two") + TitleLine("http://example.com/3", "Three") +
           TitleLine("http://example.com/4", "Four", CFixedClock{}.now) +
           TitleLine("http://example.com/5", "Five", 0, "a note") + "\t\t" + std::string(60, '-') + "\r\n" +
           TitleLine("mailto:someone@example.com", "Mail") + TitleLine("C:\\notes.txt", "Notes file") +
           TitleLine("C:\\windows", "Windows folder") + "\t<2>Empty\r\n<1>Other\r\n\t<2>More\r\n";
}

constexpr int kSeparatorPosition = 5;

// Records the commands the main window receives.
class CCommandRecorder final : public win::CSubclassedControl {
public:
    std::vector<WPARAM> commands;
    int Count(WPARAM command) const { return static_cast<int>(std::count(commands.begin(), commands.end(), command)); }

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) commands.push_back(wParam);
        return CSubclassedControl::OnMessage(message, wParam, lParam);
    }
};

// The main window on the test list, with Web / Links / One selected.
class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest() {
        host_.startCategory = 0;
        host_.Settings().Browsers.entries.push_back({"Firefox", "firefox.exe", "firefox"});
        host_.Settings().Browsers.CurrentBrowser = 0;
    }

    void Open(int mode) {
        window_ = host_.OpenWindow(mode, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(window_);
    }
    HWND Box(int level) const { return ::GetDlgItem(window_->Handle(), IDC_CATEGORY_LIST + level); }
    CUrlListFile& List() { return host_.CurrentList(); }

    static RECT EntryRect(HWND box, int index) {
        RECT rect{};
        ::SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    static POINT ToScreen(HWND box, POINT point) {
        ::ClientToScreen(box, &point);
        return point;
    }
    static LPARAM ClientLParam(HWND box, POINT screen) {
        ::ScreenToClient(box, &screen);
        return MAKELPARAM(screen.x, screen.y);
    }
    static POINT EntryCentre(HWND box, int index) {
        const RECT rect = EntryRect(box, index);
        return ToScreen(box, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    static void Click(HWND box, int index, WPARAM keys = 0) {
        const LPARAM at = ClientLParam(box, EntryCentre(box, index));
        ::SendMessageA(box, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        ::SendMessageA(box, WM_LBUTTONUP, keys, at);
    }
    // The drag list reads the pointer's position, not the messages'.
    static void Drag(HWND box, int from, POINT to) {
        const POINT start = EntryCentre(box, from);
        ::SetCursorPos(start.x, start.y);
        ::SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, ClientLParam(box, start));
        ::SetCursorPos(to.x, to.y);
        ::SendMessageA(box, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(box, to));
        ::SendMessageA(box, WM_LBUTTONUP, 0, ClientLParam(box, to));
    }
    std::vector<std::string> TitleNames() {
        std::vector<std::string> names;
        for (int position = 0; position <= List().Last(kTitle); ++position)
            names.emplace_back(List().DisplayName(List().ItemAt(kTitle, position)));
        return names;
    }
    std::vector<std::string> BoxTexts(int level) const {
        std::vector<std::string> texts;
        const int count = static_cast<int>(::SendMessageA(Box(level), LB_GETCOUNT, 0, 0));
        for (int index = 0; index < count; ++index) {
            char text[256] = {};
            ::SendMessageA(Box(level), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
            texts.emplace_back(text);
        }
        return texts;
    }
    bool Marked(int level, int position) {
        return List().Item(List().ItemAt(level, position)).Has(ItemFlags::kMarked);
    }
    int DrawingCode(int index) const {
        return static_cast<int>(::SendMessageA(Box(kTitle), LB_GETITEMDATA, static_cast<WPARAM>(index), 0) & 0xFFFF);
    }

    CFakeHost host_{TestList()};
    std::unique_ptr<CMainDlg> window_;
};

TEST_F(ListBoxTest, EntriesCarryTheirDrawingAttributesAndSeparatorsAreEightPixelsHigh) {
    Open(kViewRegular);
    const HWND titles = Box(kTitle);
    EXPECT_EQ(DrawingCode(0), 1);
    EXPECT_EQ(DrawingCode(3), 3) << "visited within the recent period";
    EXPECT_NE(::SendMessageA(titles, LB_GETITEMDATA, 4, 0) & 0x10000, 0) << "the note's asterisk";
    EXPECT_NE(::SendMessageA(titles, LB_GETITEMDATA, kSeparatorPosition, 0) & 0x20000, 0);
    EXPECT_EQ(::SendMessageA(titles, LB_GETITEMHEIGHT, kSeparatorPosition, 0), 8);
    EXPECT_GT(::SendMessageA(titles, LB_GETITEMHEIGHT, 0, 0), 8);
}

TEST_F(ListBoxTest, DraggingReordersTheTitlesOnlyWhereTheEntryWouldMove) {
    const std::vector<std::string> before = {"One", "Two", "Three", "Four", "Five", "",
                                             "Mail", "Notes file", "Windows folder"};
    struct Case {
        const char* what;
        int onto;  // entry index, or one of the places below
        std::vector<std::string> after;
    };
    constexpr int kJustBelowLast = -1;
    constexpr int kOutsideTheWindow = -2;
    const std::vector<Case> cases = {
        {"entry 2 onto entry 3", 2, before},
        {"entry 2 onto entry 4", 3, {"One", "Three", "Two", "Four", "Five", "", "Mail", "Notes file", "Windows folder"}},
        {"entry 2 just below the last", kJustBelowLast,
         {"One", "Three", "Four", "Five", "", "Mail", "Notes file", "Windows folder", "Two"}},
        {"entry 2 far below the list", kOutsideTheWindow, before},
    };
    for (const Case& test : cases) {
        CFakeHost host(TestList());
        host.startCategory = 0;
        auto window = host.OpenWindow(kViewOrganize, SW_SHOWNOACTIVATE);
        ASSERT_TRUE(window);
        const HWND titles = ::GetDlgItem(window->Handle(), IDC_TITLE_LIST);
        POINT to{};
        if (test.onto >= 0) {
            to = EntryCentre(titles, test.onto);
        } else if (test.onto == kJustBelowLast) {
            const RECT last = EntryRect(titles, static_cast<int>(before.size()) - 1);
            RECT client{};
            ::GetClientRect(titles, &client);
            ASSERT_LT(last.bottom + 3, client.bottom) << "room below the last entry";
            to = ToScreen(titles, {10, last.bottom + 3});
        } else {
            RECT frame{};
            ::GetWindowRect(window->Handle(), &frame);
            to = {frame.left + 20, frame.bottom + 60};
        }
        Drag(titles, 1, to);

        std::vector<std::string> names;
        CUrlListFile& list = host.CurrentList();
        for (int position = 0; position <= list.Last(kTitle); ++position)
            names.emplace_back(list.DisplayName(list.ItemAt(kTitle, position)));
        EXPECT_EQ(names, test.after) << test.what;
        EXPECT_EQ(list.IsModified(), test.after != before) << test.what;
        char moved[64] = {};
        const int selected = static_cast<int>(::SendMessageA(titles, LB_GETCURSEL, 0, 0));
        ::SendMessageA(titles, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(moved));
        EXPECT_STREQ(moved, "Two") << test.what << ": the dragged entry stays selected";
        EXPECT_EQ(list.SelectedItem(kTitle), list.ItemAt(kTitle, selected)) << test.what;
    }
}

TEST_F(ListBoxTest, DraggingInRegularModeReordersNothing) {
    Open(kViewRegular);
    Drag(Box(kTitle), 1, EntryCentre(Box(kTitle), 3));
    EXPECT_EQ(TitleNames()[1], "Two");
    EXPECT_FALSE(List().IsModified());
}

TEST_F(ListBoxTest, CtrlClickInRegularModeEntersOrganizeModeAndTogglesTheMark) {
    Open(kViewRegular);
    Click(Box(kTitle), 2, MK_CONTROL);
    EXPECT_EQ(host_.Settings().ViewMode, kViewOrganize);
    EXPECT_TRUE(Marked(kTitle, 2));
    EXPECT_EQ(DrawingCode(2), 4);
    EXPECT_EQ(List().Selection(kTitle), 2);

    Click(Box(kTitle), 2, MK_CONTROL);
    EXPECT_FALSE(Marked(kTitle, 2));
    EXPECT_EQ(DrawingCode(2), 1);
}

TEST_F(ListBoxTest, CtrlShiftClickTogglesTheRangeFromTheSelection) {
    Open(kViewOrganize);
    Click(Box(kTitle), 1);
    ASSERT_EQ(List().Selection(kTitle), 1);
    Click(Box(kTitle), 4, MK_CONTROL | MK_SHIFT);
    for (int position = 0; position <= 6; ++position)
        EXPECT_EQ(Marked(kTitle, position), position >= 1 && position <= 4) << position;
    EXPECT_EQ(List().Selection(kTitle), 4);
    EXPECT_EQ(BoxTexts(kTitle), TitleNames()) << "marking leaves the entries where they are";

    Click(Box(kTitle), 4, MK_CONTROL | MK_SHIFT);  // the selection itself: just that entry
    EXPECT_TRUE(Marked(kTitle, 3));
    EXPECT_FALSE(Marked(kTitle, 4));
}

TEST_F(ListBoxTest, ClicksAndKeysReachTheWindowAsItsCommands) {
    host_.Settings().Options.OneClickOpen = true;
    // The one-click open sets the title's last visit: entering Organize mode
    // then asks to save it first.
    CRecordingMessageBoxes boxes({IDYES});
    Open(kViewRegular);
    CCommandRecorder recorder;
    ASSERT_TRUE(recorder.Attach(window_->Handle()));
    const WPARAM openTitle = MAKEWPARAM(IDC_TITLE_LIST, 2);
    Click(Box(kTitle), 2);
    EXPECT_EQ(List().Selection(kTitle), 2);
    EXPECT_EQ(recorder.Count(openTitle), 1) << "one-click opening";

    ::SetFocus(Box(kCategory));
    ::SendMessageA(Box(kCategory), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(::GetFocus(), Box(kSubcategory));
    ::SendMessageA(Box(kSubcategory), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(::GetFocus(), Box(kCategory));

    ::SendMessageA(Box(kTitle), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(recorder.Count(IDC_DELETE_TITLE), 0) << "Delete deletes only in Organize mode";
    ::SendMessageA(window_->Handle(), WM_COMMAND, ID_ORGANIZE_MODE, 0);
    ::SendMessageA(Box(kTitle), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(recorder.Count(IDC_DELETE_TITLE), 1);
    Click(Box(kTitle), 3);
    EXPECT_EQ(recorder.Count(openTitle), 1) << "no one-click opening while organizing";
}

// What a title dragged out of the window offers the program it is dropped on.
TEST(TitleDragOut, TheTitleGoesAsItsLinkAndItsUrl) {
    IDataObject* data = CreateTitleDataObject("http://example.com/a", "Alpha");
    const auto text = [&](const char* formatName) -> std::string {
        const auto format = static_cast<CLIPFORMAT>(formatName ? ::RegisterClipboardFormatA(formatName) : CF_TEXT);
        FORMATETC wanted = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        STGMEDIUM medium{};
        if (data->GetData(&wanted, &medium) != S_OK) return "(none)";
        std::string result;
        {
            win::GlobalLockGuard<char> lock(medium.hGlobal);
            result = lock.Get();
        }
        ::ReleaseStgMedium(&medium);
        return result;
    };
    EXPECT_EQ(HtmlFragment(text("HTML Format")), "<a href=\"http://example.com/a\">Alpha</a>");
    EXPECT_EQ(text("UniformResourceLocator"), "http://example.com/a");
    EXPECT_EQ(text(nullptr), "http://example.com/a");
    EXPECT_EQ(text("FileGroupDescriptor"), "(none)");
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed[4] = {};
    ULONG count = 0;
    formats->Next(4, listed, &count);
    EXPECT_EQ(count, 3u);
    formats->Release();
    data->Release();
}

// --- the context menu -------------------------------------------------------

TEST_F(ListBoxTest, ARightClickSelectsTheEntryAndOpensTheMenu) {
    Open(kViewRegular);
    const HWND titles = Box(kTitle);
    // The menu's own loop takes the Escape waiting in the queue and closes.
    ::PostMessageA(titles, WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageA(titles, WM_RBUTTONDOWN, MK_RBUTTON, ClientLParam(titles, EntryCentre(titles, 3)));
    EXPECT_EQ(List().Selection(kTitle), 3);
    EXPECT_EQ(::SendMessageA(titles, LB_GETCURSEL, 0, 0), 3);
    MSG left{};
    EXPECT_FALSE(::PeekMessageA(&left, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) << "no menu took the key";
}

bool Has(HMENU menu, int id) { return ::GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) != static_cast<UINT>(-1); }

bool IsSeparator(HMENU menu, int position) {
    return (::GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

TEST_F(ListBoxTest, TheContextMenuKeepsOnlyWhatAppliesToTheEntryClicked) {
    enum class Marks { kNone, kHere, kTitles, kOtherHere };
    struct Case {
        const char* what;
        int level;
        int position;
        bool organizing;
        Marks marks;
        std::vector<int> present;
        std::vector<int> absent;
    };
    const int T = kTitle;
    const std::vector<Case> cases = {
        {"a Web title", T, 0, false, Marks::kNone,
         {ID_OPEN_IN_NEW_WINDOW, ID_COPY_URL, ID_INSERT_SEPARATOR + T, IDC_DELETE_TITLE, ID_MARK_THIS + T,
          ID_MARK_ALL_HERE + T},
         {IDC_OPEN, ID_OPEN_FOLDER, ID_EXPLORE, ID_CLEAR_ALL_MARKS, ID_UNMARK_ALL_HERE + T, ID_ALIAS_MARKED,
          ID_DUPLICATE_MARKED, ID_MOVE_MARKED}},
        {"no entry", T, -1, false, Marks::kNone, {ID_MARK_ALL_HERE + T},
         {ID_INSERT_SEPARATOR + T, IDC_DELETE_TITLE, ID_MARK_THIS + T, ID_OPEN_IN_NEW_WINDOW, ID_COPY_URL, IDC_OPEN}},
        {"a separator", T, kSeparatorPosition, false, Marks::kNone, {IDC_DELETE_TITLE}, {ID_INSERT_SEPARATOR + T}},
        {"a mail link", T, 6, false, Marks::kNone, {IDC_OPEN, ID_COPY_URL},
         {ID_OPEN_IN_NEW_WINDOW, ID_FIRST_OPEN_WITH, ID_OPEN_FOLDER, ID_EXPLORE}},
        {"a file", T, 7, false, Marks::kNone, {IDC_OPEN, ID_OPEN_FOLDER, ID_EXPLORE},
         {ID_OPEN_IN_NEW_WINDOW, ID_FIRST_OPEN_WITH}},
        {"a folder", T, 8, false, Marks::kNone, {ID_OPEN_FOLDER, ID_EXPLORE}, {IDC_OPEN, ID_OPEN_IN_NEW_WINDOW}},
        {"a marked level's category", kCategory, 0, true, Marks::kHere,
         {IDC_DELETE_CATEGORY, ID_INSERT_SEPARATOR, ID_MARK_THIS, ID_MARK_ALL_HERE, ID_UNMARK_ALL_HERE,
          ID_CLEAR_ALL_MARKS, ID_MOVE_MARKED},
         {IDC_DELETE_TITLE, ID_MARK_THIS + T, ID_ALIAS_MARKED, ID_DUPLICATE_MARKED, ID_OPEN_IN_NEW_WINDOW,
          ID_COPY_URL}},
        {"a category while titles are marked", kCategory, 0, true, Marks::kTitles, {ID_CLEAR_ALL_MARKS},
         {ID_MARK_THIS, ID_MARK_ALL_HERE, ID_UNMARK_ALL_HERE, ID_MOVE_MARKED, ID_ALIAS_MARKED}},
        {"a title while titles are marked", T, 0, true, Marks::kTitles,
         {ID_ALIAS_MARKED, ID_MOVE_MARKED, ID_UNMARK_ALL_HERE + T, ID_CLEAR_ALL_MARKS, ID_MARK_THIS + T},
         {ID_DUPLICATE_MARKED}},
        {"the same in Regular mode", T, 0, false, Marks::kTitles, {ID_MARK_THIS + T},
         {ID_ALIAS_MARKED, ID_MOVE_MARKED, ID_UNMARK_ALL_HERE + T, ID_CLEAR_ALL_MARKS}},
        {"marks of the other list at this level", kSubcategory, 0, true, Marks::kOtherHere,
         {ID_DUPLICATE_MARKED, ID_MOVE_MARKED, ID_MARK_THIS + 1}, {ID_ALIAS_MARKED, ID_CLEAR_ALL_MARKS}},
    };
    for (const Case& test : cases) {
        CFakeHost host(TestList());
        host.startCategory = 0;
        host.OpenCurrentList(nullptr, false);
        host.Settings().Browsers = host_.Settings().Browsers;
        CUrlListFile& list = host.CurrentList();
        CUrlListFile other;
        const CUrlListFile* otherList = nullptr;
        switch (test.marks) {
        case Marks::kNone:
            break;
        case Marks::kHere:
            ASSERT_EQ(list.MarkRange(test.level, 0, 0, 1), test.level);
            break;
        case Marks::kTitles:
            ASSERT_EQ(list.MarkRange(kTitle, 1, 2, 1), kTitle);
            break;
        case Marks::kOtherHere:
            ASSERT_GE(other.Load(host.ListPath()), 0);
            other.Select(kCategory, 0, SelectMode::kFirstChild);
            ASSERT_EQ(other.MarkRange(test.level, 0, 0, 1), test.level);
            otherList = &other;
            break;
        }
        const win::UniqueMenu menu =
            BuildLevelContextMenu({test.level, test.position, test.organizing, list, otherList, host.Settings()});
        ASSERT_TRUE(menu) << test.what;
        for (int id : test.present) EXPECT_TRUE(Has(menu.Get(), id)) << test.what << ": " << id;
        for (int id : test.absent) EXPECT_FALSE(Has(menu.Get(), id)) << test.what << ": " << id;
        const int count = ::GetMenuItemCount(menu.Get());
        ASSERT_GT(count, 0) << test.what;
        EXPECT_FALSE(IsSeparator(menu.Get(), 0) || IsSeparator(menu.Get(), count - 1)) << test.what;
        for (int position = 1; position < count; ++position)
            EXPECT_FALSE(IsSeparator(menu.Get(), position) && IsSeparator(menu.Get(), position - 1)) << test.what;
    }
}

TEST_F(ListBoxTest, TheContextMenuOfAWebTitleOffersTheBrowsersAndTheWindowChoice) {
    host_.OpenCurrentList(nullptr, false);
    host_.Settings().Options.OpenInNewWindow = false;
    const win::UniqueMenu menu =
        BuildLevelContextMenu({kTitle, 0, false, List(), nullptr, host_.Settings()});
    char name[32] = {};
    ::GetMenuStringA(menu.Get(), ID_FIRST_OPEN_WITH, name, sizeof name, MF_BYCOMMAND);
    EXPECT_STREQ(name, "Firefox");
    EXPECT_TRUE(::GetMenuState(menu.Get(), ID_FIRST_OPEN_WITH, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(::GetMenuState(menu.Get(), ID_OPEN_IN_FRONTMOST_WINDOW, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(menu.Get(), ID_OPEN_IN_NEW_WINDOW, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(ListBoxTest, AnEmptyLevelWithNoMarksHasNoContextMenu) {
    host_.OpenCurrentList(nullptr, false);
    List().Select(kSubcategory, 1);  // "Empty"
    const win::UniqueMenu menu = BuildLevelContextMenu({kTitle, -1, false, List(), nullptr, host_.Settings()});
    EXPECT_EQ(::GetMenuItemCount(menu.Get()), 0);
}

}  // namespace
