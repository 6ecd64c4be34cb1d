// CSubclassedControl: seeing a control's messages before the control does.
#include "win/subclass.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "test_dialog.h"

namespace {

// Swallows the characters it is given, counts the others.
class CCharFilter final : public win::CSubclassedControl {
public:
    explicit CCharFilter(std::string swallowed) : swallowed_(std::move(swallowed)) {}
    int passed = 0;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR) {
            if (swallowed_.find(static_cast<char>(wParam)) != std::string::npos) return 0;
            ++passed;
        }
        return CSubclassedControl::OnMessage(message, wParam, lParam);
    }

private:
    std::string swallowed_;
};

// Hands every letter on as a capital: adds to the control's handling.
class CUpperCase final : public win::CSubclassedControl {
protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR)
            return CallControl(message, static_cast<WPARAM>(std::toupper(static_cast<int>(wParam))),
                               lParam);
        return CSubclassedControl::OnMessage(message, wParam, lParam);
    }
};

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog_.Create()); }
    HWND Edit() const { return dialog_.Item(IDC_TEST_EDIT); }
    void TypeInto(const char* text) {
        for (const char* c = text; *c; ++c) ::SendMessageA(Edit(), WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
    std::string EditText() const { return dialog_.ItemText(IDC_TEST_EDIT); }

    CTestDialog dialog_;
};

TEST_F(SubclassTest, TheObjectSeesTheControlsMessagesFirst) {
    CCharFilter digits("0123456789");
    ASSERT_TRUE(digits.Attach(Edit()));
    EXPECT_EQ(digits.Handle(), Edit());
    TypeInto("a1b2c3");
    EXPECT_EQ(EditText(), "abc");
    EXPECT_EQ(digits.passed, 3);
}

TEST_F(SubclassTest, CallControlAddsToTheControlsOwnHandling) {
    CUpperCase upper;
    ASSERT_TRUE(upper.Attach(Edit()));
    TypeInto("url");
    EXPECT_EQ(EditText(), "URL");
}

TEST_F(SubclassTest, TwoObjectsOnOneControlBothSeeItsMessages) {
    CCharFilter noX("x");
    CCharFilter noY("y");
    ASSERT_TRUE(noX.Attach(Edit()));
    ASSERT_TRUE(noY.Attach(Edit()));
    TypeInto("xyz");
    EXPECT_EQ(EditText(), "z");
}

TEST_F(SubclassTest, DetachHandsTheControlBack) {
    CCharFilter digits("0123456789");
    ASSERT_TRUE(digits.Attach(Edit()));
    digits.Detach();
    EXPECT_EQ(digits.Handle(), nullptr);
    TypeInto("42");
    EXPECT_EQ(EditText(), "42");
    EXPECT_TRUE(digits.Attach(Edit())) << "attachable again";
}

TEST_F(SubclassTest, DestroyingTheObjectHandsTheControlBack) {
    {
        CCharFilter digits("0123456789");
        ASSERT_TRUE(digits.Attach(Edit()));
    }
    TypeInto("7");
    EXPECT_EQ(EditText(), "7");
}

TEST_F(SubclassTest, TheAttachmentEndsWithTheControl) {
    CCharFilter digits("0123456789");
    ASSERT_TRUE(digits.Attach(Edit()));
    dialog_.Close(IDOK);
    EXPECT_EQ(digits.Handle(), nullptr);
}

// Someone else's procedure, put on the control after ours, swallowing "y".
WNDPROC g_beforeForeign = nullptr;
LRESULT CALLBACK ForeignNoY(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && wParam == 'y') return 0;
    return ::CallWindowProcA(g_beforeForeign, window, message, wParam, lParam);
}

TEST_F(SubclassTest, AProcedurePutOnTopLaterKeepsTheChainWorkingThroughDetaching) {
    CCharFilter noX("x");
    ASSERT_TRUE(noX.Attach(Edit()));
    g_beforeForeign = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(Edit(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignNoY)));
    CCharFilter noZ("z");
    ASSERT_TRUE(noZ.Attach(Edit()));  // joins the chain under the foreign procedure
    TypeInto("xyzw");
    EXPECT_EQ(EditText(), "w");

    noX.Detach();
    noZ.Detach();
    TypeInto("xyz");
    EXPECT_EQ(EditText(), "wxz") << "the foreign procedure still runs, ours passes everything on";

    ::SetWindowLongPtrA(Edit(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beforeForeign));
    TypeInto("y");
    EXPECT_EQ(EditText(), "wxzy");
    EXPECT_TRUE(noX.Attach(Edit()));
    TypeInto("x");
    EXPECT_EQ(EditText(), "wxzy");
}

TEST_F(SubclassTest, AttachRefusesAMissingControlAndASecondControl) {
    CCharFilter digits("0");
    EXPECT_FALSE(digits.Attach(nullptr));
    ASSERT_TRUE(digits.Attach(Edit()));
    EXPECT_FALSE(digits.Attach(dialog_.Item(IDC_TEST_LIST)));
    EXPECT_EQ(digits.Handle(), Edit());
}

}  // namespace
