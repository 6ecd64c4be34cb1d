#include "dialog_driver.h"

#include <gtest/gtest.h>

#include "window_picture.h"

namespace {
constexpr char kClassName[] = "VellinorTestDialogDriver";
constexpr UINT_PTR kBoundTimer = 1;

// The driver that ServeEveryOwner installed on this thread, and whether the
// step just run waits for more.
thread_local HWND tServing = nullptr;
thread_local bool tStepWaits = false;

LRESULT CALLBACK ForwardIdle(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && tServing && sent->message == WM_ENTERIDLE && sent->hwnd != tServing)
        ::SendMessageA(tServing, WM_ENTERIDLE, sent->wParam, sent->lParam);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

CDialogDriver::CDialogDriver(std::vector<Step> script)
    : script_(std::move(script)), class_(RegisterClassNamed(kClassName)) {
    // An invisible top-level window: owners need not be shown.
    EXPECT_TRUE(Create(kClassName, "Dialog driver", WS_OVERLAPPED));
    ::SetTimer(Handle(), kBoundTimer, kBoundMs, nullptr);
}

CDialogDriver::~CDialogDriver() {
    if (hook_) tServing = nullptr;
    EXPECT_EQ(next_, script_.size()) << "the dialog closed before its script was done";
    Destroy();
}

void CDialogDriver::ServeEveryOwner() {
    tServing = Handle();
    hook_.Reset(::SetWindowsHookExA(WH_CALLWNDPROC, ForwardIdle, nullptr, ::GetCurrentThreadId()));
    EXPECT_TRUE(hook_);
}

std::optional<LRESULT> CDialogDriver::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        HWND dialog = reinterpret_cast<HWND>(lParam);
        lastDialog_ = dialog;
        if (next_ < script_.size()) {
            tStepWaits = false;
            script_[next_](dialog);
            // A waiting step stays; the loop sleeps until something comes.
            if (tStepWaits) return 0;
            ++next_;
            // A step that posts nothing would leave the loop waiting for a
            // message with no idle moment to come: wake it, after whatever
            // the step posted.
            ::PostMessageA(dialog, WM_NULL, 0, 0);
        } else {
            ForceClose(dialog, "the dialog is still open after its script");
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kBoundTimer) {
        if (lastDialog_ && ::IsWindow(lastDialog_))
            ForceClose(lastDialog_, "the dialog did not go idle in time");
        return 0;
    }
    return CWindow::OnMessage(message, wParam, lParam);
}

void CDialogDriver::ForceClose(HWND dialog, const char* why) {
    ADD_FAILURE() << why;
    ::EndDialog(dialog, kForcedClose);
}

CDialogDriver::Step CDialogDriver::Click(int id) {
    return [id](HWND dialog) {
        HWND button = ::GetDlgItem(dialog, id);
        ASSERT_NE(button, nullptr) << "no control " << id;
        ::PostMessageA(button, BM_CLICK, 0, 0);
    };
}

namespace {
HWND FocusIn(HWND dialog) {
    HWND focus = ::GetFocus();
    return focus && (focus == dialog || ::IsChild(dialog, focus)) ? focus : dialog;
}
}  // namespace

CDialogDriver::Step CDialogDriver::Key(UINT virtualKey) {
    return [virtualKey](HWND dialog) {
        HWND target = FocusIn(dialog);
        UINT scan = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
        ::PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
        ::PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
    };
}

CDialogDriver::Step CDialogDriver::Type(const std::string& characters) {
    return [characters](HWND dialog) {
        HWND target = FocusIn(dialog);
        for (unsigned char c : characters) ::PostMessageA(target, WM_CHAR, c, 1);
    };
}

CDialogDriver::Step CDialogDriver::SetText(int id, const std::string& text) {
    return [id, text](HWND dialog) { ::SetDlgItemTextA(dialog, id, text.c_str()); };
}

CDialogDriver::Step CDialogDriver::Picture(const std::string& name) {
    return [name](HWND dialog) {
        if (CanTakePictures()) {
            EXPECT_TRUE(SaveWindowPicture(dialog, name)) << name;
        }
    };
}

CDialogDriver::Step CDialogDriver::Await(std::function<bool(HWND dialog)> ready) {
    return [ready = std::move(ready)](HWND dialog) { tStepWaits = !ready(dialog); };
}
