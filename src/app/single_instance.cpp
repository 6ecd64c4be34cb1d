#include "app/single_instance.h"

namespace {

struct Probe {
    UINT message;
    HWND found;
};

BOOL CALLBACK ProbeWindow(HWND window, LPARAM lParam) noexcept {
    auto& probe = *reinterpret_cast<Probe*>(lParam);
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutA(window, probe.message, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                              kProbeTimeoutMs, &answer) &&
        answer == probe.message) {
        probe.found = window;
        return FALSE;  // stops the enumeration
    }
    return TRUE;
}

}  // namespace

HWND FindRunningInstance(UINT probeMessage) noexcept {
    Probe probe{probeMessage, nullptr};
    ::EnumWindows(ProbeWindow, reinterpret_cast<LPARAM>(&probe));
    return probe.found;
}
