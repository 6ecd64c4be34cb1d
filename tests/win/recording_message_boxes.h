// A stand-in for the message-box seam: records every box the code under
// test shows and answers with the buttons the test scripted, in order. A box
// without a scripted answer, or an answer left over, fails the test.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialogs/message_boxes.h"

struct ShownBox {
    HWND owner;
    std::string caption;
    std::string text;
    MsgBoxKind kind;
    // Whether the owner was on screen when the box came up.
    bool ownerVisible;
};

class CRecordingMessageBoxes final : public IMessageBoxes {
public:
    // Installs itself as the program's message boxes for its lifetime.
    explicit CRecordingMessageBoxes(std::initializer_list<int> answers = {});
    explicit CRecordingMessageBoxes(const std::vector<int>& answers);
    ~CRecordingMessageBoxes();

    int Show(HWND owner, const std::string& text, const std::string& caption,
             MsgBoxKind kind) noexcept override;

    const std::vector<ShownBox>& Shown() const { return shown_; }
    std::vector<std::string> Captions() const;

private:
    std::deque<int> answers_;
    std::vector<ShownBox> shown_;
    MessageBoxesOverride override_{*this};  // last: restored before the rest goes
};
