// CColorResources: the background brush and the button pictures of the main
// window in the present colours. The artwork paints with three marker
// colours (0x800080 background, 0x808000 buttons, 0x0000FF highlights);
// CreateMappedBitmap replaces them by the colours in use, so the pictures
// follow the system colours or the user's custom colours.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "win/handles.h"

// The three colours the markers become.
struct ButtonColors {
    COLORREF background;
    COLORREF buttons;
    COLORREF highlights;
};

// The custom colours when they are on, else the system's button face with
// the program's own button and highlight colours.
ButtonColors ChooseButtonColors(bool customColors, const std::array<std::uint32_t, 5>& colors,
                                COLORREF buttonFace) noexcept;

class CColorResources {
public:
    // Makes the brush and loads each bitmap id of `bitmapIds` that the module
    // holds, mapped to `colors`; what existed before is released first.
    void Create(const ButtonColors& colors, const std::vector<int>& bitmapIds);
    void Delete() noexcept;

    HBRUSH Brush() const noexcept { return brush_.Get(); }
    // Null for an id that was not loaded.
    HBITMAP Bitmap(int id) const noexcept;

private:
    win::UniqueBrush brush_;
    std::map<int, win::UniqueBitmap> bitmaps_;
};
