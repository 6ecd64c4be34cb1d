// The round of the Find command: the previous search text and the first item
// found for it. The program keeps one for its whole run, shared by both lists
// (switching lists does not restart a round), and passes it to FindNext.
#pragma once

#include <string>

class CFindState {
public:
    const std::string& Text() const { return text_; }  // lower-cased
    int FirstFound() const { return firstFound_; }
    bool IsRepeat(const std::string& text) const { return !text.empty() && text == text_; }
    void StartRound(std::string text, int firstFound) {
        text_ = std::move(text);
        firstFound_ = firstFound;
    }

private:
    std::string text_;
    int firstFound_ = 0;
};
