// The note window beside the main window: the selected title's note and
// log-in name shown and edited, docking, its keys, size and rectangle.
#include <gtest/gtest.h>

#include "app/win32/window_placement.h"
#include "main_window_fixture.h"
#include "message_pump.h"
#include "recording_help_viewer.h"
#include "model/title_text.h"
#include "window_picture.h"

namespace {

const char kNotedList[] =
    "<1>Work\n"
    "\t<2>Tools\n"
    "\t\thttp://n.example/\tNoted\t\t\xA6+first\\nsecond\t\xA6?jsmith\n"
    "\t\thttp://p.example/\tPlain\n"
    "<1>Empty\n";

class NoteWindowTest : public MainWindowFixture {
protected:
    NoteWindowTest() : MainWindowFixture(kNotedList) {}

    static HWND Note(const CMainDlg& window) { return window.NoteWindow(); }
    static std::string NoteText(const CMainDlg& window, int id) {
        return win::WindowText(::GetDlgItem(Note(window), id));
    }
    static RECT RectOf(HWND window) {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        return rect;
    }
};

TEST_F(NoteWindowTest, ShowsTheSelectedTitleAndItsEditsReachTheList) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window && Note(*window));
    Choose(*window, IDC_CATEGORY_LIST, 0);  // with its first title
    EXPECT_EQ(win::WindowText(Note(*window)), "Noted");
    EXPECT_EQ(NoteText(*window, IDC_NOTE_TEXT), "first\r\nsecond");
    EXPECT_EQ(NoteText(*window, IDC_LOG_IN_NAME), "jsmith");
    EXPECT_FALSE(host_.CurrentList().IsModified());  // filling the edits changes nothing

    Command(*window, IDC_NOTE);
    EXPECT_TRUE(::IsWindowVisible(Note(*window)));
    EXPECT_TRUE(SaveWindowPicture(Note(*window), "note_window") || !CanTakePictures());

    ::SetDlgItemTextA(Note(*window), IDC_LOG_IN_NAME, "jdoe");
    const CUrlListFile& list = host_.CurrentList();
    const std::string_view text = list.ItemText(list.SelectedItem(kTitle));
    EXPECT_EQ(TitleLogIn(text), "jdoe");
    EXPECT_EQ(TitleNote(text, true), "first\r\nsecond");
    EXPECT_TRUE(list.IsModified());

    Choose(*window, IDC_CATEGORY_LIST, 1);  // no title: cleared, nothing to type into
    EXPECT_EQ(win::WindowText(Note(*window)), "URL Note");
    EXPECT_EQ(NoteText(*window, IDC_NOTE_TEXT), "");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(Note(*window), IDC_NOTE_TEXT)));
}

TEST_F(NoteWindowTest, DocksRightLeftBelowOrCentred) {
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window && Note(*window));
    const int screen = ::GetSystemMetrics(SM_CXSCREEN);
    const WindowRect area = WorkArea();
    struct Case {
        RECT main;
        const char* where;
    };
    const Case cases[] = {
        {{100, 100, 600, 500}, "right"},
        {{screen - 500, 100, screen, 500}, "left"},
        {{20, 0, screen - 20, 300}, "below"},
        {{20, 0, screen - 20, static_cast<LONG>(area.bottom) - 20}, "centred"},
    };
    // Auto-dock starts off here and is switched on from the note's menu,
    // whose loop takes the keys waiting in the queue.
    host_.Settings().Options.AutoDockNote = false;
    for (UINT key : {VK_DOWN, VK_RETURN}) ::PostMessageA(Note(*window), WM_KEYDOWN, key, 0);
    ::SendMessageA(Note(*window), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Note(*window)), MAKELPARAM(10, 10));
    ASSERT_TRUE(host_.Settings().Options.AutoDockNote);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const RECT& m = c.main;
        ::MoveWindow(window->Handle(), m.left, m.top, m.right - m.left, m.bottom - m.top, TRUE);
        const RECT main = RectOf(window->Handle());
        const RECT note = RectOf(Note(*window));
        const std::string where = c.where;
        const POINT expected = where == "right"  ? POINT{main.right, main.bottom - (note.bottom - note.top)}
                               : where == "left" ? POINT{main.left - (note.right - note.left), main.bottom - (note.bottom - note.top)}
                               : where == "below"
                                   ? POINT{main.left, main.bottom}
                                   : POINT{static_cast<LONG>(area.left + (area.Width() - (note.right - note.left)) / 2),
                                           static_cast<LONG>(area.top + (area.Height() - (note.bottom - note.top)) / 2)};
        EXPECT_EQ(note.left, expected.x);
        EXPECT_EQ(note.top, expected.y);
    }
}

TEST_F(NoteWindowTest, PassesFunctionKeysOnKeepsItsMinimumAndItsRectangle) {
    host_.Settings().Options.AutoDockNote = false;
    auto window = Open(kViewRegular);
    ASSERT_TRUE(window && Note(*window));
    Command(*window, IDC_NOTE);
    ASSERT_TRUE(::IsWindowVisible(Note(*window)));
    EXPECT_EQ(::SendMessageA(Item(*window, IDC_NOTE), STM_GETIMAGE, IMAGE_BITMAP, 0),
              reinterpret_cast<LRESULT>(host_.ButtonBitmap(IDB_NOTE_SHOWN)));
    // A punctuation key is the note's own typing: nothing goes to the main window.
    MSG period = {::GetDlgItem(Note(*window), IDC_NOTE_TEXT), WM_KEYDOWN, VK_OEM_PERIOD, 0, 0, {}};
    window->PreTranslate(period);
    MSG posted;
    EXPECT_FALSE(::PeekMessageA(&posted, window->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    CRecordingHelpViewer help;  // F1 in the note opens its own topic
    ::SendMessageA(Note(*window), WM_HELP, 0, 0);
    EXPECT_EQ(help.Topics(), std::vector<std::string>{help_topic::kNoteWindow});
    // F5 typed in the note reaches the main window's accelerators: the note hides.
    MSG f5 = {::GetDlgItem(Note(*window), IDC_NOTE_TEXT), WM_KEYDOWN, VK_F5, 0, 0, {}};
    window->PreTranslate(f5);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(Note(*window)); }, window.get(), 2000));
    EXPECT_FALSE(host_.Settings().Options.NoteShown);
    EXPECT_EQ(::SendMessageA(Item(*window, IDC_NOTE), STM_GETIMAGE, IMAGE_BITMAP, 0),
              reinterpret_cast<LRESULT>(host_.ButtonBitmap(IDB_NOTE)));

    ::SetWindowPos(Note(*window), nullptr, 300, 200, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT note = RectOf(Note(*window));
    EXPECT_GE(note.right - note.left, CNoteWnd::kMinWidth);
    EXPECT_GE(note.bottom - note.top, CNoteWnd::kMinHeight);

    ::SetWindowPos(Note(*window), nullptr, 300, 200, 260, 220, SWP_NOZORDER | SWP_NOACTIVATE);
    window->Close(0);
    window = Open(kViewRegular);
    note = RectOf(Note(*window));
    EXPECT_EQ(note.right - note.left, 260);
    EXPECT_EQ(note.bottom - note.top, 220);
}

}  // namespace
