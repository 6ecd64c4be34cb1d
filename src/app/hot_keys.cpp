#include "app/hot_keys.h"

#include <commctrl.h>

SystemHotKey ToSystemHotKey(std::uint16_t code) noexcept {
    const UINT flags = code >> 8;
    UINT modifiers = 0;
    if (flags & HOTKEYF_ALT) modifiers |= MOD_ALT;
    if (flags & HOTKEYF_CONTROL) modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_SHIFT) modifiers |= MOD_SHIFT;
    return {modifiers, static_cast<UINT>(code & 0xFF)};
}
