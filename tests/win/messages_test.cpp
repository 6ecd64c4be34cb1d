// Messages in boxes: splitting caption and text, string-table messages with
// and without inserts, system errors. The seam records the boxes; one test
// shows a real MessageBoxA.
#include "dialogs/messages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "recording_message_boxes.h"
#include "resource.h"
#include "win/handles.h"
#include "win/window_text.h"

namespace {

const HWND kOwner = reinterpret_cast<HWND>(0x1234);  // only passed on, never used

// --- splitting

TEST(MsgBoxFromText, TheFirstTabEndsTheCaption) {
    CRecordingMessageBoxes boxes{IDYES};
    EXPECT_EQ(MsgBoxFromText(kOwner, "Caption\tThe text", MsgBoxKind::kQuestionYesNo), IDYES);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].owner, kOwner);
    EXPECT_EQ(boxes.Shown()[0].caption, "Caption");
    EXPECT_EQ(boxes.Shown()[0].text, "The text");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kQuestionYesNo);
}

TEST(MsgBoxFromText, SplitsAtTheFirstTabOnlyWhenACaptionPrecedesIt) {
    struct Case {
        const char* text;
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {"Caption\tone\ttwo", "Caption", "one\ttwo"},  // further tabs stay in the text
        {"No caption here", "Message", "No caption here"},
        {"\tstarts with a tab", "Message", "\tstarts with a tab"},
        {"", "Message", ""},
        {"Caption only\t", "Caption only", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CRecordingMessageBoxes boxes{IDOK};
        MsgBoxFromText(nullptr, c.text, MsgBoxKind::kStop);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].caption, c.caption);
        EXPECT_EQ(boxes.Shown()[0].text, c.shown);
    }
}

TEST(MsgBoxFromText, TheButtonPressedIsReturnedUnchanged) {
    CRecordingMessageBoxes boxes{IDABORT, IDRETRY, IDIGNORE};
    EXPECT_EQ(MsgBoxFromText(nullptr, "a\tb", MsgBoxKind::kExclamationAbortRetryIgnore), IDABORT);
    EXPECT_EQ(MsgBoxFromText(nullptr, "a\tb", MsgBoxKind::kExclamationAbortRetryIgnore), IDRETRY);
    EXPECT_EQ(MsgBoxFromText(nullptr, "a\tb", MsgBoxKind::kExclamationAbortRetryIgnore), IDIGNORE);
}

// --- string-table messages

TEST(MsgBoxFromString, ShowsTheMessageOfThatId) {
    CRecordingMessageBoxes boxes{IDOK};
    MsgBoxFromString(kOwner, IDS_NO_BROWSER, MsgBoxKind::kExclamation);
    EXPECT_EQ(boxes.Shown()[0].caption, "Problem");
    EXPECT_EQ(boxes.Shown()[0].text, "You have not configured a Web browser to work with Vellinor.");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kExclamation);
}

TEST(MsgBoxFromString, TheBrowserMenuMessageKeepsItsSecondTabInTheText) {
    CRecordingMessageBoxes boxes{IDOK};
    MsgBoxFromString(kOwner, IDS_BROWSER_MENU_FULL, MsgBoxKind::kInformation);
    EXPECT_EQ(boxes.Shown()[0].caption, "Browser Menu Full");
    EXPECT_EQ(boxes.Shown()[0].text,
              "The Browser menu is full. You must remove\ta browser from the menu before you can "
              "add this one.");
}

TEST(MsgBoxFromString, AMessageWithoutCaptionIsShownUnderMessage) {
    CRecordingMessageBoxes boxes{IDOK};
    MsgBoxFromString(kOwner, IDS_EXTENSION_MISSING, MsgBoxKind::kStop);
    EXPECT_EQ(boxes.Shown()[0].caption, "Message");
    EXPECT_EQ(boxes.Shown()[0].text.rfind("A file that URL uses (VellinIE.dll)", 0), 0u);
}

TEST(MsgBoxFromString, AMissingIdShowsAnEmptyBoxUnderMessage) {
    CRecordingMessageBoxes boxes{IDOK};
    MsgBoxFromString(kOwner, 9998, MsgBoxKind::kStop);
    EXPECT_EQ(boxes.Shown()[0].caption, "Message");
    EXPECT_EQ(boxes.Shown()[0].text, "");
}

TEST(MsgBoxFormatted, InsertsAreFilledInBeforeTheSplit) {
    CRecordingMessageBoxes boxes{IDNO};
    std::string name = "Work\tlinks";  // a tab inside an insert stays in the text
    EXPECT_EQ(MsgBoxFormatted(kOwner, IDS_LIST_FILE_INACCESSIBLE, MsgBoxKind::kQuestionYesNo, {name}),
              IDNO);
    EXPECT_EQ(boxes.Shown()[0].caption, "File Error");
    EXPECT_EQ(boxes.Shown()[0].text, "List file 'Work\tlinks' is not accessible.\nDoes it still exist?");
}

TEST(MsgBoxFormatted, SeveralInsertsInOrder) {
    CRecordingMessageBoxes boxes{IDYES};
    MsgBoxFormatted(kOwner, IDS_SAVE_CHANGES, MsgBoxKind::kQuestionYesNoCancel, {"Main", "exiting"});
    EXPECT_EQ(boxes.Shown()[0].caption, "Vellinor");
    EXPECT_EQ(boxes.Shown()[0].text,
              "Do you want to save changes (including Last Visited times)\nto URL list 'Main' before "
              "exiting?");
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kQuestionYesNoCancel);
}

TEST(MsgBoxFormatted, AFormattingFailureShowsNoBoxAndReturnsZero) {
    CRecordingMessageBoxes boxes;  // no answer scripted: a box would fail the test
    EXPECT_EQ(MsgBoxFormatted(kOwner, IDS_EXPORT_PROBLEM, MsgBoxKind::kStopOkCancel, {"only one"}), 0);
    EXPECT_TRUE(boxes.Shown().empty());
}

// --- system errors

TEST(SystemError, TheDescriptionHasNoTrailingLineBreak) {
    std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
}

TEST(SystemError, AnUnknownCodeIsNamedByNumber) {
    EXPECT_EQ(SystemErrorText(0x2000ABCD), "Error 536914893");
}

TEST(SystemError, ADescriptionWithInsertsOfItsOwnIsTakenAsItIs) {
    // Descriptions such as that of ERROR_BAD_EXE_FORMAT contain "%1"; the
    // system must not try to fill it from arguments that do not exist.
    EXPECT_FALSE(SystemErrorText(ERROR_BAD_EXE_FORMAT).empty());
}

TEST(SystemError, FormatSystemErrorPutsTheDescriptionIntoTheMessage) {
    std::optional<std::string> text = FormatSystemError(IDS_EXPORT_FAILED, ERROR_ACCESS_DENIED);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "Export Failed\tSorry, but the export failed:\n" +
                         SystemErrorText(ERROR_ACCESS_DENIED) +
                         "\nPlease try again, perhaps exporting to a different\nfile/directory, or "
                         "contact the author (see Help file).");
}

TEST(SystemError, ShowSystemErrorShowsTheDescriptionAlone) {
    CRecordingMessageBoxes boxes{IDOK};
    ShowSystemError(ERROR_SHARING_VIOLATION);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].owner, nullptr);
    EXPECT_EQ(boxes.Shown()[0].caption, "Error Message");
    EXPECT_EQ(boxes.Shown()[0].text, SystemErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(boxes.Shown()[0].kind, MsgBoxKind::kInformation);
}

// --- the seam

TEST(MessageBoxesOverride, NestedOverridesRestoreTheOneBefore) {
    IMessageBoxes& system = MessageBoxes();
    {
        CRecordingMessageBoxes outer;
        EXPECT_EQ(&MessageBoxes(), &outer);
        {
            CRecordingMessageBoxes inner;
            EXPECT_EQ(&MessageBoxes(), &inner);
        }
        EXPECT_EQ(&MessageBoxes(), &outer);
    }
    EXPECT_EQ(&MessageBoxes(), &system);
}

// --- a real message box

// Signals an event when a dialog of this thread is activated: a message box
// is then up with its controls. (MessageBoxA's modal loop sends its owner no
// WM_ENTERIDLE under Wine, so the dialog driver cannot serve here.)
class CActivationSignal {
public:
    CActivationSignal() {
        t_event = event_.Get();
        hook_ = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CActivationSignal() {
        ::UnhookWindowsHookEx(hook_);
        t_event = nullptr;
    }
    CActivationSignal(const CActivationSignal&) = delete;
    CActivationSignal& operator=(const CActivationSignal&) = delete;

    HANDLE Event() const { return event_.Get(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        char className[16] = {};
        if (code == HCBT_ACTIVATE &&
            ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className) &&
            std::string(className) == "#32770")
            ::SetEvent(t_event);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static thread_local HANDLE t_event;
    win::UniqueHandle event_{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    HHOOK hook_ = nullptr;
};
thread_local HANDLE CActivationSignal::t_event = nullptr;

struct FoundBox {
    HWND box = nullptr;
    std::string text;
};

// The message box among the thread's windows with that caption (any caption
// when null), and the text of its static control that holds the message.
FoundBox FindBox(DWORD thread, const char* caption) {
    struct Search {
        const char* caption;
        FoundBox found;
    } search{caption, {}};
    ::EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            char className[16] = {};
            ::GetClassNameA(window, className, sizeof className);
            if (std::string(className) != "#32770" ||
                (s.caption && win::WindowText(window) != s.caption))
                return TRUE;
            s.found.box = window;
            for (HWND child = ::GetWindow(window, GW_CHILD); child;
                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                ::GetClassNameA(child, className, sizeof className);
                std::string text = win::WindowText(child);
                if (_stricmp(className, "Static") == 0 && text.size() > s.found.text.size())
                    s.found.text = text;
            }
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(SystemMessageBox, AWatcherThreadFindsTheBoxAndClicksItsButton) {
    CActivationSignal activated;
    const DWORD uiThread = ::GetCurrentThreadId();
    FoundBox seen;
    std::atomic<bool> clicked{false};
    std::thread watcher([&] {
        ::WaitForSingleObject(activated.Event(), 10000);
        seen = FindBox(uiThread, "Vellinor test");
        if (seen.box) {
            ::PostMessageA(::GetDlgItem(seen.box, IDNO), BM_CLICK, 0, 0);
            clicked = true;
        } else if (FoundBox other = FindBox(uiThread, nullptr); other.box) {
            ::PostMessageA(other.box, WM_COMMAND, IDNO, 0);  // not ours to judge: just end it
        }
    });

    int pressed = MsgBoxFromText(nullptr, "Vellinor test\tShall the watcher press No?",
                                 MsgBoxKind::kQuestionYesNo);
    watcher.join();
    ASSERT_TRUE(clicked) << "the watcher did not find the box";
    EXPECT_EQ(pressed, IDNO);
    EXPECT_EQ(seen.text, "Shall the watcher press No?");
}

}  // namespace
