// Finding the instance that runs already: every instance's hidden window
// answers the registered message "I AM VELLIN2" with the message's own
// number.
#pragma once

#include <windows.h>

// The first top-level window that answers `probeMessage` with its own
// number, or null. Each window gets at most kProbeTimeoutMs, so a hung
// window cannot stall the start.
HWND FindRunningInstance(UINT probeMessage) noexcept;

inline constexpr UINT kProbeTimeoutMs = 200;
