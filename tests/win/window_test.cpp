// CWindow: windows of a registered class attached to their objects.
#include "win/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "win/window_text.h"

namespace {

constexpr char kClassName[] = "VellinorWindowTest";

class CRecordingWindow final : public win::CWindow {
public:
    std::vector<UINT> seen;
    bool allowCreate = true;
    std::string createTitle;
    int destroyed = 0;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        if (message == WM_USER) throw std::runtime_error("handler failed");
        if (message == WM_USER + 1) return 99;
        return CWindow::OnMessage(message, wParam, lParam);
    }
    bool OnCreate(const CREATESTRUCTA& create) override {
        createTitle = create.lpszName ? create.lpszName : "";
        return allowCreate;
    }
    void OnDestroy() override { ++destroyed; }
};

class WindowTest : public ::testing::Test {
protected:
    win::UniqueWindowClass class_ = win::CWindow::RegisterClassNamed(kClassName);
};

TEST_F(WindowTest, TheObjectSeesEveryMessageFromTheFirstOn) {
    ASSERT_TRUE(class_);
    CRecordingWindow window;
    ASSERT_TRUE(window.Create(kClassName, "Title", WS_OVERLAPPEDWINDOW));
    ASSERT_FALSE(window.seen.empty());
    // An overlapped window gets WM_GETMINMAXINFO before WM_NCCREATE, whose
    // creation parameter is therefore too late to attach the object.
    EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_GETMINMAXINFO));
    EXPECT_NE(std::find(window.seen.begin(), window.seen.end(), WM_NCCREATE), window.seen.end());
    EXPECT_EQ(window.createTitle, "Title");
    EXPECT_EQ(win::WindowText(window.Handle()), "Title");  // default handling of WM_GETTEXT
}

TEST_F(WindowTest, ResultsOfHandledMessagesReachTheSender) {
    CRecordingWindow window;
    ASSERT_TRUE(window.Create(kClassName, "", WS_POPUP));
    EXPECT_EQ(::SendMessageA(window.Handle(), WM_USER + 1, 0, 0), 99);
}

TEST_F(WindowTest, AnExceptionInAHandlerGivesTheDefaultHandling) {
    CRecordingWindow window;
    ASSERT_TRUE(window.Create(kClassName, "", WS_POPUP));
    EXPECT_EQ(::SendMessageA(window.Handle(), WM_USER, 0, 0), 0);
    EXPECT_TRUE(::IsWindow(window.Handle()));
}

TEST_F(WindowTest, OnCreateCanRefuseTheWindow) {
    CRecordingWindow window;
    window.allowCreate = false;
    EXPECT_FALSE(window.Create(kClassName, "", WS_POPUP));
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(window.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(WindowTest, DestroyCallsOnDestroyAndLetsGoOfTheWindow) {
    CRecordingWindow window;
    ASSERT_TRUE(window.Create(kClassName, "", WS_POPUP));
    EXPECT_FALSE(window.Create(kClassName, "", WS_POPUP)) << "one window per object";
    HWND handle = window.Handle();
    window.Destroy();
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(window.destroyed, 1);
}

TEST_F(WindowTest, DestroyingTheObjectDestroysItsWindow) {
    HWND handle;
    {
        CRecordingWindow window;
        ASSERT_TRUE(window.Create(kClassName, "", WS_POPUP));
        handle = window.Handle();
    }
    EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(WindowTest, TheClassExistsWhileItsOwnerLives) {
    EXPECT_FALSE(win::CWindow::RegisterClassNamed(kClassName)) << "registered twice";
    class_.Reset();
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    EXPECT_FALSE(::GetClassInfoExA(win::ModuleInstance(), kClassName, &info));
    class_ = win::CWindow::RegisterClassNamed(kClassName);
    EXPECT_TRUE(class_);
}

}  // namespace
