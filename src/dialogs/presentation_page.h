// CPresentationPage: the Presentation page of the Preferences (template
// 110): default or custom window colours, five colour swatches that open the
// colour dialog, and the period within which visited titles are highlighted.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/prefs_page.h"
#include "win/handles.h"

class CPresentationPage final : public CPrefsPage {
public:
    explicit CPresentationPage(CPrefsSheet& sheet);
    bool Apply() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ChooseColor(int swatch);
    void SetColor(int swatch, COLORREF color);

    std::array<std::uint32_t, 5> colors_{};
    std::array<win::UniqueBrush, 5> brushes_;
    bool filling_ = false;
};

// The number in the recent-period field: a signed decimal; empty or not a
// number gives 0. Kept in the settings' 16 bits.
std::uint16_t ParseRecentPeriod(const std::string& text);
