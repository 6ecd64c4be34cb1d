// CBehaviorPage: the Behavior page of the Preferences (template 109): the
// option check boxes and the two global hot keys.
#pragma once

#include "dialogs/prefs_page.h"
#include "win/subclass.h"

#include <functional>

// A hot-key control sends no change notification: this reports its key presses.
class CHotKeyWatch final : public win::CSubclassedControl {
public:
    std::function<void()> onKey;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CBehaviorPage final : public CPrefsPage {
public:
    explicit CBehaviorPage(CPrefsSheet& sheet);
    bool Apply() override;

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    CHotKeyWatch hotKeys_[2];
};

// "Ctrl+Alt+A": the hot key's modifiers and key as the keyboard names them.
std::string HotKeyName(std::uint16_t code);
