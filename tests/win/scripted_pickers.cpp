#include "scripted_pickers.h"

#include <gtest/gtest.h>

CScriptedPickers::~CScriptedPickers() {
    EXPECT_TRUE(files_.empty() && colors_.empty()) << "scripted picker answers were not asked for";
}

int CScriptedPickers::PickFile(const PickerRequest& request, PickerAnswer& answer) noexcept {
    requests.push_back(request);
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file picker \"" << request.title << "\"";
        return IDCANCEL;
    }
    std::optional<PickerAnswer> next = std::move(files_.front());
    files_.pop_front();
    if (!next) return IDCANCEL;
    answer = *next;
    return IDOK;
}

std::optional<COLORREF> CScriptedPickers::PickColor(HWND, COLORREF initial) noexcept {
    colorRequests.push_back(initial);
    if (colors_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    std::optional<COLORREF> next = colors_.front();
    colors_.pop_front();
    return next;
}
