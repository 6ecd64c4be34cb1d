// The round of the Find command: the previous search text, the first item
// found for it, and the list the round belongs to. The program keeps one for
// its whole run and passes it to FindNext; item numbers mean something only in
// the list (and the load of it) where they were found, so the same text in
// another list starts a round of its own.
#pragma once

#include <cstdint>
#include <string>

class CFindState {
public:
    const std::string& Text() const { return text_; }  // lower-cased
    int FirstFound() const { return firstFound_; }
    // `list` names a list and one load of it (never reused in a run).
    bool IsRepeat(const std::string& text, std::uint64_t list) const {
        return !text.empty() && text == text_ && list == list_;
    }
    void StartRound(std::string text, int firstFound, std::uint64_t list) {
        text_ = std::move(text);
        firstFound_ = firstFound;
        list_ = list;
    }

private:
    std::string text_;
    int firstFound_ = 0;
    std::uint64_t list_ = 0;
};
