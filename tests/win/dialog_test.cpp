// CDialog: attachment, modal and modeless life, results, helpers.
#include "win/dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "dialog_driver.h"
#include "message_pump.h"
#include "test_dialog.h"
#include "win/handles.h"

namespace {

using Driver = CDialogDriver;

std::size_t IndexOf(const CTestDialog& dialog, UINT message) {
    auto found = std::find_if(dialog.seen.begin(), dialog.seen.end(),
                              [message](const CTestDialog::Seen& s) { return s.message == message; });
    return static_cast<std::size_t>(found - dialog.seen.begin());
}

// --- attachment

TEST(DialogAttachment, MessagesBeforeInitDialogAlreadyReachTheObject) {
    Driver driver({Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    ASSERT_EQ(dialog.RunModal(), IDOK);

    // The owner-drawn list box asks for its item height while it is created.
    std::size_t measure = IndexOf(dialog, WM_MEASUREITEM);
    std::size_t init = IndexOf(dialog, WM_INITDIALOG);
    ASSERT_LT(measure, dialog.seen.size()) << "no WM_MEASUREITEM";
    ASSERT_LT(init, dialog.seen.size()) << "no WM_INITDIALOG";
    EXPECT_LT(measure, init);
    EXPECT_TRUE(std::all_of(dialog.seen.begin(), dialog.seen.end(),
                            [](const CTestDialog::Seen& s) { return s.attached; }));
}

TEST(DialogAttachment, TheObjectLetsGoOfItsWindowWhenItIsDestroyed) {
    Driver driver({Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    HWND during = nullptr;
    dialog.onInit = [&] {
        during = dialog.Handle();
        return true;
    };
    dialog.RunModal();
    EXPECT_NE(during, nullptr);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_FALSE(::IsWindow(during));
    EXPECT_EQ(dialog.seen.back().message, static_cast<UINT>(WM_NCDESTROY));
}

TEST(DialogAttachment, ADialogCreatedWhileAnotherIsCreatedGetsItsOwnWindow) {
    CTestDialog outer;
    CTestDialog inner;
    outer.onInit = [&] {
        EXPECT_TRUE(inner.Create());  // inside the outer dialog's creation call
        return true;
    };
    ASSERT_TRUE(outer.Create());
    ASSERT_NE(inner.Handle(), nullptr);
    EXPECT_NE(inner.Handle(), outer.Handle());
    EXPECT_EQ(::GetWindowLongPtrA(outer.Handle(), DWLP_USER), reinterpret_cast<LONG_PTR>(&outer));
    EXPECT_EQ(::GetWindowLongPtrA(inner.Handle(), DWLP_USER), reinterpret_cast<LONG_PTR>(&inner));
}

TEST(DialogAttachment, AMissingTemplateFailsAndLeavesNothingBehind) {
    CTestDialog missing(nullptr, 4321);
    EXPECT_EQ(missing.RunModal(), -1);
    EXPECT_FALSE(missing.Create());
    // The next dialog is attached to its own object, not the failed one.
    CTestDialog next;
    ASSERT_TRUE(next.Create());
    EXPECT_EQ(::GetWindowLongPtrA(next.Handle(), DWLP_USER), reinterpret_cast<LONG_PTR>(&next));
    EXPECT_TRUE(missing.seen.empty());
}

// --- modal dialogs

TEST(ModalDialog, ReturnsTheCodeGivenToClose) {
    Driver driver({Driver::Click(IDC_TEST_BUTTON)});
    CTestDialog dialog(driver.Owner());
    dialog.onCommand = [&](int id, int) {
        if (id == IDC_TEST_BUTTON) dialog.Close(42);
        return id == IDC_TEST_BUTTON;
    };
    EXPECT_EQ(dialog.RunModal(), 42);
    EXPECT_EQ(dialog.Result(), 42);
}

TEST(ModalDialog, EscClosesWithCancel) {
    Driver driver({Driver::Key(VK_ESCAPE)});
    EXPECT_EQ(CTestDialog(driver.Owner()).RunModal(), IDCANCEL);
}

TEST(ModalDialog, EnterClosesWithTheDefaultButton) {
    Driver driver({Driver::Key(VK_RETURN)});
    EXPECT_EQ(CTestDialog(driver.Owner()).RunModal(), IDOK);
}

TEST(ModalDialog, TheCloseBoxClosesWithCancel) {
    Driver driver({[](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); }});
    EXPECT_EQ(CTestDialog(driver.Owner()).RunModal(), IDCANCEL);
}

TEST(ModalDialog, CannotRunTwiceAtOnce) {
    Driver driver({Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    INT_PTR nested = 0;
    dialog.onInit = [&] {
        nested = dialog.RunModal();
        return true;
    };
    EXPECT_EQ(dialog.RunModal(), IDOK);
    EXPECT_EQ(nested, -1);
}

TEST(ModalDialog, AnExceptionInAHandlerDoesNotLeaveTheWindowProcedure) {
    Driver driver({Driver::Click(IDC_TEST_BUTTON), Driver::Key(VK_ESCAPE)});
    CTestDialog dialog(driver.Owner());
    int thrown = 0;
    dialog.onCommand = [&](int id, int code) -> bool {
        if (id == IDC_TEST_BUTTON && code == BN_CLICKED) {
            ++thrown;
            throw std::runtime_error("handler failed");
        }
        return false;
    };
    EXPECT_EQ(dialog.RunModal(), IDCANCEL);
    EXPECT_EQ(thrown, 1);
}

TEST(ModalDialog, InitReturningFalseKeepsTheFocusItSet) {
    int focused = 0;
    Driver driver({[&](HWND) { focused = ::GetDlgCtrlID(::GetFocus()); }, Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    dialog.onInit = [&] {
        ::SetFocus(dialog.Item(IDC_TEST_BUTTON));
        return false;
    };
    dialog.RunModal();
    EXPECT_EQ(focused, IDC_TEST_BUTTON);
}

// --- results

TEST(DialogResult, ANotificationResultReachesItsSender) {
    LRESULT answer = 0;
    Driver driver({[&](HWND dialog) {
                       NMHDR header{dialog, IDC_TEST_LIST, NM_CLICK};
                       answer = ::SendMessageA(dialog, WM_NOTIFY, IDC_TEST_LIST,
                                               reinterpret_cast<LPARAM>(&header));
                   },
                   Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    dialog.onNotify = [&](const NMHDR& header) -> std::optional<LRESULT> {
        if (header.code == NM_RETURN) return 7;
        // Messages the handler sends to its own dialog set DWLP_MSGRESULT too;
        // the result of this notification must still win.
        NMHDR nested{dialog.Handle(), IDC_TEST_LIST, NM_RETURN};
        ::SendMessageA(dialog.Handle(), WM_NOTIFY, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&nested));
        return 1234;
    };
    dialog.RunModal();
    EXPECT_EQ(answer, 1234);
}

TEST(DialogResult, ColourMessagesReturnTheirBrushDirectly) {
    win::UniqueBrush brush(::CreateSolidBrush(RGB(200, 100, 50)));
    LRESULT answer = 0;
    Driver driver({[&](HWND dialog) {
                       HWND label = ::GetDlgItem(dialog, IDC_TEST_LABEL);
                       HDC dc = ::GetDC(label);
                       answer = ::SendMessageA(dialog, WM_CTLCOLORSTATIC,
                                               reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(label));
                       ::ReleaseDC(label, dc);
                   },
                   Driver::Click(IDOK)});
    CTestDialog dialog(driver.Owner());
    dialog.onMessage = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(brush.Get());
        return std::nullopt;
    };
    dialog.RunModal();
    EXPECT_EQ(answer, reinterpret_cast<LRESULT>(brush.Get()));
}

// Under Wine every write of DWLP_MSGRESULT is a round trip to the server;
// an owner-drawn list box measures and draws each of its entries.
TEST(DialogResult, OwnerDrawMessagesLeaveTheMessageResultAlone) {
    CTestDialog dialog;
    dialog.onMessage = [](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_MEASUREITEM) return std::nullopt;
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 21;
        return 5;
    };
    ASSERT_TRUE(dialog.Create());
    ::SetWindowLongPtrA(dialog.Handle(), DWLP_MSGRESULT, 77);
    MEASUREITEMSTRUCT item{ODT_LISTBOX, IDC_TEST_LIST, 0, 0, 10, 0};
    ::SendMessageA(dialog.Handle(), WM_MEASUREITEM, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.itemHeight, 21u);
    // Wine's dialog manager clears it before each message; the handler's
    // result must not have been written there.
    const LONG_PTR left = ::GetWindowLongPtrA(dialog.Handle(), DWLP_MSGRESULT);
    EXPECT_TRUE(left == 77 || left == 0) << left;
}

// --- item helpers

TEST(DialogItems, HelpersReachTheControlsOfTheirId) {
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create());

    dialog.SetItemText(IDC_TEST_EDIT, "some text");
    EXPECT_EQ(dialog.ItemText(IDC_TEST_EDIT), "some text");
    EXPECT_EQ(dialog.ItemText(IDC_TEST_LABEL), "Label");
    EXPECT_EQ(dialog.ItemText(4711), "");  // no such control

    EXPECT_FALSE(dialog.IsItemChecked(IDC_TEST_CHECK));
    dialog.CheckItem(IDC_TEST_CHECK, true);
    EXPECT_TRUE(dialog.IsItemChecked(IDC_TEST_CHECK));
    dialog.CheckItem(IDC_TEST_CHECK, false);
    EXPECT_FALSE(dialog.IsItemChecked(IDC_TEST_CHECK));

    dialog.EnableItem(IDC_TEST_BUTTON, false);
    EXPECT_FALSE(::IsWindowEnabled(dialog.Item(IDC_TEST_BUTTON)));
    dialog.EnableItem(IDC_TEST_BUTTON, true);
    EXPECT_TRUE(::IsWindowEnabled(dialog.Item(IDC_TEST_BUTTON)));

    dialog.ShowItem(IDC_TEST_LABEL, false);
    EXPECT_FALSE(::IsWindowVisible(dialog.Item(IDC_TEST_LABEL)));
    dialog.ShowItem(IDC_TEST_LABEL, true);
    EXPECT_TRUE(::IsWindowVisible(dialog.Item(IDC_TEST_LABEL)));

    dialog.SendItemMessage(IDC_TEST_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    dialog.SendItemMessage(IDC_TEST_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    EXPECT_EQ(dialog.SendItemMessage(IDC_TEST_LIST, LB_GETCOUNT), 2);
}

TEST(DialogItems, LongTextsComeBackWhole) {
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    std::string text(5000, 'x');
    text += "end";
    dialog.SetItemText(IDC_TEST_EDIT, text);
    EXPECT_EQ(dialog.ItemText(IDC_TEST_EDIT), text);
}

// --- modeless dialogs

TEST(ModelessDialog, CloseDestroysTheWindowAndKeepsTheCode) {
    CTestDialog dialog;
    int destroyed = 0;
    dialog.onDestroy = [&] { ++destroyed; };
    ASSERT_TRUE(dialog.Create());
    HWND window = dialog.Handle();
    EXPECT_TRUE(::IsWindowVisible(window));
    dialog.Close(17);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.Result(), 17);
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(dialog.Create()) << "a closed dialog can be opened again";
}

TEST(ModelessDialog, TheKeyboardInterfaceWorksThroughPreTranslate) {
    CTestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND edit = dialog.Item(IDC_TEST_EDIT);
    ::SetFocus(edit);
    ASSERT_EQ(::GetFocus(), edit);

    ::PostMessageA(edit, WM_KEYDOWN, VK_TAB, 1);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() != edit; }, &dialog));
    EXPECT_EQ(::GetFocus(), dialog.Item(IDC_TEST_LIST));

    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Handle() == nullptr; }, &dialog));
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

TEST(ModelessDialog, PreTranslateIgnoresMessagesOfOtherWindows) {
    CTestDialog first;
    CTestDialog second;
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(second.Create());
    MSG message{second.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_FALSE(first.PreTranslate(message));
    EXPECT_NE(first.Handle(), nullptr);
    EXPECT_NE(second.Handle(), nullptr);
}

TEST(ModelessDialog, RunMessageLoopRunsUntilQuitAndReturnsItsCode) {
    CTestDialog dialog;
    dialog.onDestroy = [] { ::PostQuitMessage(5); };
    ASSERT_TRUE(dialog.Create());
    ::PostMessageA(dialog.Item(IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(win::RunMessageLoop(dialog), 5);
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

TEST(ModelessDialog, DestroyingTheObjectDestroysTheWindowWithoutCallingIt) {
    HWND window = nullptr;
    bool destroyedCalled = false;
    {
        CTestDialog dialog;
        dialog.onDestroy = [&] { destroyedCalled = true; };
        ASSERT_TRUE(dialog.Create());
        window = dialog.Handle();
    }
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(destroyedCalled);
}

}  // namespace
