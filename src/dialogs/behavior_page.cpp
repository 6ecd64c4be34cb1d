#include "dialogs/behavior_page.h"

#include <commctrl.h>

#include "dialogs/messages.h"
#include "dialogs/prefs_sheet.h"
#include "resource.h"

namespace {

struct OptionBox {
    int id;
    bool SettingsOptions::*option;
};

constexpr OptionBox kOptionBoxes[] = {
    {IDC_KEEP_AT_FRONT_COMPACT, &SettingsOptions::KeepAtFrontCompact},
    {IDC_KEEP_AT_FRONT_REGULAR, &SettingsOptions::KeepAtFrontRegular},
    {IDC_AUTO_MINIMIZE, &SettingsOptions::AutoMinimize},
    {IDC_ONE_CLICK_OPEN, &SettingsOptions::OneClickOpen},
    {IDC_OPEN_IN_NEW_WINDOW, &SettingsOptions::OpenInNewWindow},
    {IDC_SAVE_WITHOUT_PROMPT, &SettingsOptions::SaveWithoutPrompt},
    {IDC_USE_TRAY, &SettingsOptions::UseTray},
    {IDC_START_MINIMIZED, &SettingsOptions::StartMinimized},
    {IDC_AUTO_DOCK_NOTE, &SettingsOptions::AutoDockNote},
    {IDC_SHOW_MESSAGE_HELP, &SettingsOptions::ShowMessageHelp},
};

constexpr int kHotKeyControls[2] = {IDC_APP_HOT_KEY, IDC_FETCH_HOT_KEY};

}  // namespace

std::optional<LRESULT> CHotKeyWatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && wParam != VK_TAB && onKey) onKey();
    return CSubclassedControl::OnMessage(message, wParam, lParam);
}

std::string HotKeyName(std::uint16_t code) {
    const UINT flags = code >> 8;
    const UINT key = code & 0xFF;
    std::string name;
    if (flags & HOTKEYF_CONTROL) name += "Ctrl+";
    if (flags & HOTKEYF_SHIFT) name += "Shift+";
    if (flags & HOTKEYF_ALT) name += "Alt+";
    char keyName[64] = {};
    LONG scan = static_cast<LONG>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    if (flags & HOTKEYF_EXT) scan |= 1 << 24;
    if (::GetKeyNameTextA(scan, keyName, sizeof keyName) > 0)
        name += keyName;
    else
        name += "#" + std::to_string(key);
    return name;
}

CBehaviorPage::CBehaviorPage(CPrefsSheet& sheet) : CPrefsPage(IDD_BEHAVIOR_PAGE, sheet) {}

bool CBehaviorPage::OnInit() {
    const CAppSettings& settings = Settings();
    for (const OptionBox& box : kOptionBoxes) CheckItem(box.id, settings.Options.*box.option);
    const std::uint16_t codes[2] = {settings.AppHotKey, settings.FetchHotKey};
    for (int i = 0; i < 2; ++i) {
        SendItemMessage(kHotKeyControls[i], HKM_SETHOTKEY, codes[i]);
        hotKeys_[i].onKey = [this] { Changed(); };
        hotKeys_[i].Attach(Item(kHotKeyControls[i]));
    }
    return true;
}

bool CBehaviorPage::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && id >= IDC_KEEP_AT_FRONT_REGULAR && id <= IDC_ONE_CLICK_OPEN) {
        Changed();
        return true;
    }
    return CPrefsPage::OnCommand(id, code, control);
}

// The hot keys first: one that another program holds refuses the whole
// page, which then shows the key still in effect.
bool CBehaviorPage::Apply() {
    std::uint16_t codes[2];
    for (int i = 0; i < 2; ++i)
        codes[i] = static_cast<std::uint16_t>(SendItemMessage(kHotKeyControls[i], HKM_GETHOTKEY));
    const int refused = Host().ApplyHotKeys(codes[0], codes[1]);
    if (refused >= 0) {
        const CAppSettings& settings = Settings();
        MsgBoxFormatted(Owner(), IDS_HOT_KEY_TAKEN, MsgBoxKind::kExclamation, {HotKeyName(codes[refused])});
        SendItemMessage(kHotKeyControls[refused], HKM_SETHOTKEY,
                        refused == 0 ? settings.AppHotKey : settings.FetchHotKey);
        return false;
    }
    CAppSettings& settings = Settings();
    for (const OptionBox& box : kOptionBoxes) settings.Options.*box.option = IsItemChecked(box.id);
    Host().ApplyBehavior();
    Sheet().SetApplied();
    return true;
}
