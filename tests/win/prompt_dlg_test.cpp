// The three prompt dialogs, driven as a user would: clicks and keys are
// posted to the real dialogs while their modal loop runs.
#include "dialogs/prompt_dlg.h"

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "resource.h"
#include "win/window_text.h"

namespace {

using Driver = CDialogDriver;

std::string ItemText(HWND dialog, int id) { return win::WindowText(::GetDlgItem(dialog, id)); }

// --- Delete URL (200)

TEST(DeleteUrlPrompt, ShowsItsQuestionAndButtons) {
    Driver driver({[](HWND dialog) {
                       EXPECT_EQ(win::WindowText(dialog), "Delete URL");
                       EXPECT_EQ(ItemText(dialog, IDC_DELETE_ALL_INSTANCES), "Delete All Instances");
                       EXPECT_EQ(ItemText(dialog, IDC_DELETE_THIS_INSTANCE),
                                 "Delete Just This Instance");
                       EXPECT_EQ(ItemText(dialog, IDCANCEL), "Cancel");
                       // Without an edit the dialog manager focuses the default button.
                       EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_DELETE_ALL_INSTANCES);
                   },
                   Driver::Key(VK_ESCAPE)});
    CPromptDlg prompt(IDD_DELETE_URL, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDCANCEL);
}

TEST(DeleteUrlPrompt, EnterChoosesDeleteAllInstances) {
    Driver driver({Driver::Key(VK_RETURN)});
    EXPECT_EQ(CPromptDlg(IDD_DELETE_URL, driver.Owner()).RunModal(), IDC_DELETE_ALL_INSTANCES);
}

TEST(DeleteUrlPrompt, EachButtonClosesWithItsId) {
    for (int button : {IDC_DELETE_ALL_INSTANCES, IDC_DELETE_THIS_INSTANCE, IDCANCEL}) {
        SCOPED_TRACE(button);
        Driver driver({Driver::Click(button)});
        EXPECT_EQ(CPromptDlg(IDD_DELETE_URL, driver.Owner()).RunModal(), button);
    }
}

TEST(DeleteUrlPrompt, TheCloseBoxCancels) {
    Driver driver({[](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); }});
    EXPECT_EQ(CPromptDlg(IDD_DELETE_URL, driver.Owner()).RunModal(), IDCANCEL);
}

// --- Read Only File (218)

TEST(ReadOnlyPrompt, ClickingTheCheckBoxDoesNotCloseTheDialog) {
    bool stillOpen = false;
    Driver driver({Driver::Click(IDC_PROMPT_CHECK),
                   [&](HWND dialog) {
                       stillOpen = ::IsWindowVisible(dialog);
                       EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_PROMPT_CHECK), BST_CHECKED);
                   },
                   Driver::Click(IDOK)});
    CPromptDlg prompt(IDD_READ_ONLY_FILE, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(prompt.Checked());
}

TEST(ReadOnlyPrompt, OkWithTheBoxUncheckedLeavesTheFlagClear) {
    Driver driver({[](HWND dialog) {
                       EXPECT_EQ(win::WindowText(dialog), "Read Only File");
                       EXPECT_EQ(ItemText(dialog, IDC_PROMPT_CHECK),
                                 "Do not warn me again when opening a read-only URL list");
                   },
                   Driver::Key(VK_RETURN)});
    CPromptDlg prompt(IDD_READ_ONLY_FILE, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_FALSE(prompt.Checked());
}

TEST(ReadOnlyPrompt, CheckingTwiceLeavesTheFlagClear) {
    Driver driver({Driver::Click(IDC_PROMPT_CHECK), Driver::Click(IDC_PROMPT_CHECK),
                   Driver::Click(IDOK)});
    CPromptDlg prompt(IDD_READ_ONLY_FILE, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_FALSE(prompt.Checked());
}

TEST(ReadOnlyPrompt, EscWithTheBoxCheckedStillReportsIt) {
    // The dialog has no Cancel button; Esc still closes it, with IDCANCEL.
    Driver driver({Driver::Click(IDC_PROMPT_CHECK), Driver::Key(VK_ESCAPE)});
    CPromptDlg prompt(IDD_READ_ONLY_FILE, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDCANCEL);
    EXPECT_TRUE(prompt.Checked());
}

TEST(ReadOnlyPrompt, SpaceOnTheFocusedCheckBoxChecksIt) {
    Driver driver({[](HWND dialog) { ::SetFocus(::GetDlgItem(dialog, IDC_PROMPT_CHECK)); },
                   Driver::Key(VK_SPACE), Driver::Click(IDOK)});
    CPromptDlg prompt(IDD_READ_ONLY_FILE, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_TRUE(prompt.Checked());
}

// --- Open New URL (219)

TEST(OpenUrlPrompt, StartsEmptyWithTheFocusInTheEdit) {
    Driver driver({[](HWND dialog) {
                       EXPECT_EQ(win::WindowText(dialog), "Open New URL");
                       EXPECT_EQ(ItemText(dialog, IDOK), "Open");
                       EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_PROMPT_EDIT));
                   },
                   Driver::Type("www.example.com"), Driver::Key(VK_RETURN)});
    CPromptDlg prompt(IDD_OPEN_NEW_URL, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_EQ(prompt.Text(), "www.example.com");
}

TEST(OpenUrlPrompt, AnInitialTextIsKeptWithTheCaretAfterIt) {
    Driver driver({[](HWND dialog) {
                       HWND edit = ::GetDlgItem(dialog, IDC_PROMPT_EDIT);
                       EXPECT_EQ(::GetFocus(), edit);
                       DWORD start = 0, end = 0;
                       ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                      reinterpret_cast<LPARAM>(&end));
                       EXPECT_EQ(start, 18u);
                       EXPECT_EQ(end, 18u);
                   },
                   Driver::Type("/more"), Driver::Click(IDOK)});
    CPromptDlg prompt(IDD_OPEN_NEW_URL, driver.Owner(), "http://example.org");
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_EQ(prompt.Text(), "http://example.org/more");
}

TEST(OpenUrlPrompt, ALongInitialTextIsScrolledToItsEnd) {
    std::string url = "http://example.org/" + std::string(300, 'a');
    Driver driver({[](HWND dialog) {
                       HWND edit = ::GetDlgItem(dialog, IDC_PROMPT_EDIT);
                       // For a single-line edit: the first visible character.
                       EXPECT_GT(::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
                   },
                   Driver::Key(VK_RETURN)});
    CPromptDlg prompt(IDD_OPEN_NEW_URL, driver.Owner(), url);
    EXPECT_EQ(prompt.RunModal(), IDOK);
    EXPECT_EQ(prompt.Text(), url);
}

TEST(OpenUrlPrompt, CancelReturnsCancelWithTheTextTyped) {
    Driver driver({Driver::Type("abc"), Driver::Key(VK_ESCAPE)});
    CPromptDlg prompt(IDD_OPEN_NEW_URL, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDCANCEL);
    EXPECT_EQ(prompt.Text(), "abc");
}

TEST(OpenUrlPrompt, TypingDoesNotCloseTheDialog) {
    bool stillOpen = false;
    Driver driver({Driver::Type("a"), [&](HWND dialog) { stillOpen = ::IsWindowVisible(dialog); },
                   Driver::Click(IDCANCEL)});
    CPromptDlg prompt(IDD_OPEN_NEW_URL, driver.Owner());
    EXPECT_EQ(prompt.RunModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
}

TEST(PromptDialog, AMissingTemplateReturnsMinusOne) {
    EXPECT_EQ(CPromptDlg(4242, nullptr).RunModal(), -1);
}

}  // namespace
