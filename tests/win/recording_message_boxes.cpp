#include "recording_message_boxes.h"

#include <gtest/gtest.h>

CRecordingMessageBoxes::CRecordingMessageBoxes(std::initializer_list<int> answers)
    : answers_(answers) {}

CRecordingMessageBoxes::CRecordingMessageBoxes(const std::vector<int>& answers)
    : answers_(answers.begin(), answers.end()) {}

std::vector<std::string> CRecordingMessageBoxes::Captions() const {
    std::vector<std::string> captions;
    for (const ShownBox& box : shown_) captions.push_back(box.caption);
    return captions;
}

CRecordingMessageBoxes::~CRecordingMessageBoxes() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were not asked for";
}

int CRecordingMessageBoxes::Show(HWND owner, const std::string& text, const std::string& caption,
                                 MsgBoxKind kind) noexcept {
    shown_.push_back({owner, caption, text, kind, owner && ::IsWindowVisible(owner)});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
        return IDCANCEL;
    }
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
}
