// A stand-in for the pickers seam: records every request and answers with
// the files and colours the test scripted, in order. A request without a
// scripted answer, or an answer left over, fails the test.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "dialogs/pickers.h"

class CScriptedPickers final : public IPickers {
public:
    CScriptedPickers() = default;
    ~CScriptedPickers();

    // The next file request ends with OK and this answer; nullopt: Cancel.
    void AnswerFile(std::optional<PickerAnswer> answer) { files_.push_back(std::move(answer)); }
    void AnswerColor(std::optional<COLORREF> color) { colors_.push_back(color); }

    int PickFile(const PickerRequest& request, PickerAnswer& answer) noexcept override;
    std::optional<COLORREF> PickColor(HWND owner, COLORREF initial) noexcept override;

    std::vector<PickerRequest> requests;
    std::vector<COLORREF> colorRequests;

private:
    std::deque<std::optional<PickerAnswer>> files_;
    std::deque<std::optional<COLORREF>> colors_;
    PickersOverride override_{*this};  // last: restored before the rest goes
};
