// The one way the program puts a message box in front of the user.
//
// Every box goes through IMessageBoxes: the program's own is MessageBoxA; a
// test installs a recorder for its scope (MessageBoxesOverride) that keeps
// caption, text and kind of each box and answers with a scripted button.
// Production code neither knows nor asks which one is in use.
#pragma once

#include <windows.h>

#include <string>

// The boxes the program shows: buttons plus icon, as MessageBoxA's style word.
// Each message has one fixed kind, which its caller passes.
enum class MsgBoxKind : UINT {
    kStop = MB_OK | MB_ICONHAND,                                    // 0x10
    kStopOkCancel = MB_OKCANCEL | MB_ICONHAND,                      // 0x11
    kStopRetryCancel = MB_RETRYCANCEL | MB_ICONHAND,                // 0x15
    kQuestionOkCancel = MB_OKCANCEL | MB_ICONQUESTION,              // 0x21
    kQuestionYesNoCancel = MB_YESNOCANCEL | MB_ICONQUESTION,        // 0x23
    kQuestionYesNo = MB_YESNO | MB_ICONQUESTION,                    // 0x24
    kExclamation = MB_OK | MB_ICONEXCLAMATION,                      // 0x30
    kExclamationAbortRetryIgnore = MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION,  // 0x32
    kInformation = MB_OK | MB_ICONINFORMATION,                      // 0x40
    kInformationOkCancel = MB_OKCANCEL | MB_ICONINFORMATION,        // 0x41
};

class IMessageBoxes {
public:
    // Shows a modal box owned by `owner` (may be null) and returns the button
    // pressed (IDOK ... IDNO), or 0 when no box could be shown.
    virtual int Show(HWND owner, const std::string& text, const std::string& caption,
                     MsgBoxKind kind) noexcept = 0;

protected:
    ~IMessageBoxes() = default;
};

// The boxes in use on the user-interface thread: MessageBoxA unless an
// override is alive.
IMessageBoxes& MessageBoxes() noexcept;

// Sends every message box to `boxes` while it lives; the one in use before
// comes back at the end of its scope.
class MessageBoxesOverride {
public:
    explicit MessageBoxesOverride(IMessageBoxes& boxes) noexcept;
    ~MessageBoxesOverride();
    MessageBoxesOverride(const MessageBoxesOverride&) = delete;
    MessageBoxesOverride& operator=(const MessageBoxesOverride&) = delete;

private:
    IMessageBoxes* previous_;
};
