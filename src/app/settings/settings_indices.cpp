// "Indices": one 32-bit value that packs the current list, the current
// browser, the view mode and the option flags. Its layout is shared with
// older versions of the program:
//
//   bits 0-3 current list, 4-7 current browser, 8-9 view mode,
//   12 AutoDockNote, 16-26 and 28 the other options (table below).
//
// Four bits cannot hold the up to 100 entries of the List and Browser menus,
// so the full indices are written as "Current List" and "Current Browser" as
// well and win when present; an index that does not fit is written to the
// 4-bit field as 15, so that it never spills into its neighbour.
#include <algorithm>

#include "app/settings/app_settings.h"

namespace {

constexpr std::uint32_t kIndexFieldMax = 0xF;
constexpr int kBrowserShift = 4;
constexpr int kViewModeShift = 8;
constexpr std::uint32_t kViewModeMask = 0x3;

struct OptionBit {
    int bit;
    bool SettingsOptions::*flag;
};

constexpr OptionBit kOptionBits[] = {
    {12, &SettingsOptions::AutoDockNote},
    {16, &SettingsOptions::KeepAtFrontRegular},
    {17, &SettingsOptions::KeepAtFrontCompact},
    {18, &SettingsOptions::OpenInNewWindow},
    {19, &SettingsOptions::UseTray},
    {20, &SettingsOptions::CustomColors},
    {21, &SettingsOptions::NoteShown},
    {22, &SettingsOptions::ShowMessageHelp},
    {23, &SettingsOptions::StartMinimized},
    {24, &SettingsOptions::AutoMinimize},
    {25, &SettingsOptions::SaveWithoutPrompt},
    {26, &SettingsOptions::OneClickOpen},
    {28, &SettingsOptions::NoReadOnlyWarning},
};

std::uint32_t IndexField(int index) {
    return static_cast<std::uint32_t>(std::clamp<int>(index, 0, kIndexFieldMax));
}

bool IsViewMode(int mode) { return mode >= kViewCompact && mode <= kViewOrganize; }

}  // namespace

std::uint32_t CAppSettings::ComposeIndices() const {
    std::uint32_t indices = 0;
    // Older readers take the browser from bits 4-7 only when a list is current.
    if (Lists.CurrentList >= 0)
        indices = IndexField(Lists.CurrentList) |
                  IndexField(Browsers.CurrentBrowser) << kBrowserShift;
    int mode = IsViewMode(ViewMode) ? ViewMode : kViewRegular;
    indices |= static_cast<std::uint32_t>(mode) << kViewModeShift;
    for (const OptionBit& option : kOptionBits)
        if (Options.*option.flag) indices |= 1u << option.bit;
    return indices;
}

void CAppSettings::ApplyIndices(std::uint32_t indices) {
    Lists.CurrentList = static_cast<int>(indices & kIndexFieldMax);
    Browsers.CurrentBrowser = static_cast<int>(indices >> kBrowserShift & kIndexFieldMax);
    // Mode 0 is no mode at all: a damaged value opens the Regular window.
    int mode = static_cast<int>(indices >> kViewModeShift & kViewModeMask);
    ViewMode = IsViewMode(mode) ? mode : kViewRegular;
    for (const OptionBit& option : kOptionBits)
        Options.*option.flag = (indices >> option.bit & 1u) != 0;
}
