// The two global hot keys. The settings keep each as a hot-key control's
// code: the virtual key in the low byte, HOTKEYF_* flags in the high byte.
#pragma once

#include <windows.h>

#include <cstdint>

struct SystemHotKey {
    UINT modifiers;  // MOD_* for RegisterHotKey
    UINT key;        // virtual key
};

// HOTKEYF_SHIFT, _CONTROL and _ALT become MOD_SHIFT, _CONTROL and _ALT.
// HOTKEYF_EXT only tells that the key sits on the extended part of the
// keyboard (arrows, Home, Insert ...); the virtual key says that already, so
// it adds no modifier: read as the Windows key it would make a hot key that
// no press of the keys the user chose can trigger.
SystemHotKey ToSystemHotKey(std::uint16_t code) noexcept;
