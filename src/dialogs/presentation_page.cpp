#include "dialogs/presentation_page.h"

#include <cstdlib>

#include "dialogs/pickers.h"
#include "dialogs/prefs_sheet.h"
#include "resource.h"

namespace {

bool IsSwatch(int id) { return id >= IDC_COLOR_BACKGROUND && id <= IDC_COLOR_MARKED; }

}  // namespace

std::uint16_t ParseRecentPeriod(const std::string& text) {
    return static_cast<std::uint16_t>(std::strtol(text.c_str(), nullptr, 10));
}

CPresentationPage::CPresentationPage(CPrefsSheet& sheet) : CPrefsPage(IDD_PRESENTATION_PAGE, sheet) {}

bool CPresentationPage::OnInit() {
    const CAppSettings& settings = Settings();
    filling_ = true;
    for (int i = 0; i < static_cast<int>(colors_.size()); ++i) SetColor(IDC_COLOR_BACKGROUND + i, settings.Colors[i]);
    // A period of 0 shows as an empty field.
    if (settings.RecentPeriod != 0)
        SetItemText(IDC_RECENT_PERIOD, std::to_string(static_cast<std::int16_t>(settings.RecentPeriod)));
    CheckItem(settings.Options.CustomColors ? IDC_CUSTOM_COLORS : IDC_DEFAULT_COLORS, true);
    filling_ = false;
    return true;
}

void CPresentationPage::SetColor(int swatch, COLORREF color) {
    const auto index = static_cast<std::size_t>(swatch - IDC_COLOR_BACKGROUND);
    colors_[index] = color;
    brushes_[index].Reset(::CreateSolidBrush(color));
    ::InvalidateRect(Item(swatch), nullptr, TRUE);
}

void CPresentationPage::ChooseColor(int swatch) {
    const auto index = static_cast<std::size_t>(swatch - IDC_COLOR_BACKGROUND);
    const std::optional<COLORREF> chosen = Pickers().PickColor(Owner(), colors_[index]);
    if (!chosen) return;
    SetColor(swatch, *chosen);
    CheckItem(IDC_CUSTOM_COLORS, true);
    CheckItem(IDC_DEFAULT_COLORS, false);
    Changed();
}

bool CPresentationPage::OnCommand(int id, int code, HWND control) {
    if (IsSwatch(id) && code == STN_CLICKED) {
        ChooseColor(id);
        return true;
    }
    const bool edited = (id == IDC_RECENT_PERIOD && code == EN_CHANGE) ||
                        ((id == IDC_DEFAULT_COLORS || id == IDC_CUSTOM_COLORS) && code == BN_CLICKED);
    if (edited) {
        if (!filling_) Changed();
        return true;
    }
    return CPrefsPage::OnCommand(id, code, control);
}

std::optional<LRESULT> CPresentationPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (IsSwatch(id)) return reinterpret_cast<LRESULT>(brushes_[static_cast<std::size_t>(id - IDC_COLOR_BACKGROUND)].Get());
    }
    return CPrefsPage::OnMessage(message, wParam, lParam);
}

bool CPresentationPage::Apply() {
    CAppSettings& settings = Settings();
    settings.Colors = colors_;
    settings.Options.CustomColors = IsItemChecked(IDC_CUSTOM_COLORS);
    settings.RecentPeriod = ParseRecentPeriod(ItemText(IDC_RECENT_PERIOD));
    Host().ApplyPresentation();
    Sheet().SetApplied();
    return true;
}
