#include "app/color_resources.h"

#include <commctrl.h>

#include "app/settings/app_settings.h"
#include "win/module.h"

namespace {

// The marker colours of the artwork (COLORREF: 0x00BBGGRR).
constexpr COLORREF kBackgroundMarker = 0x800080;
constexpr COLORREF kButtonsMarker = 0x808000;
constexpr COLORREF kHighlightsMarker = 0x0000FF;

constexpr COLORREF kDefaultButtons = 0xF1F1F1;
constexpr COLORREF kDefaultHighlights = 0x0000C0;

}  // namespace

ButtonColors ChooseButtonColors(bool customColors, const std::array<std::uint32_t, 5>& colors,
                                COLORREF buttonFace) noexcept {
    if (!customColors) return {buttonFace, kDefaultButtons, kDefaultHighlights};
    return {colors[kColorBackground], colors[kColorButtons], colors[kColorHighlights]};
}

void CColorResources::Create(const ButtonColors& colors, const std::vector<int>& bitmapIds) {
    Delete();
    brush_.Reset(::CreateSolidBrush(colors.background));
    COLORMAP map[] = {{kBackgroundMarker, colors.background},
                      {kButtonsMarker, colors.buttons},
                      {kHighlightsMarker, colors.highlights}};
    // CreateMappedBitmap replaces colours in the bitmap's colour table, so
    // the artwork is stored with one (4 or 8 bits per pixel).
    for (int id : bitmapIds) {
        if (!::FindResourceA(win::ModuleInstance(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2)))
            continue;  // RT_BITMAP; a picture the module does not have stays null
        win::UniqueBitmap bitmap(::CreateMappedBitmap(win::ModuleInstance(), id, 0, map,
                                                      static_cast<int>(std::size(map))));
        if (bitmap) bitmaps_[id] = std::move(bitmap);
    }
}

void CColorResources::Delete() noexcept {
    bitmaps_.clear();
    brush_.Reset();
}

HBITMAP CColorResources::Bitmap(int id) const noexcept {
    auto found = bitmaps_.find(id);
    return found == bitmaps_.end() ? nullptr : found->second.Get();
}
