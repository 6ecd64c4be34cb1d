// The mouse moved and pressed through the system's input queue, as a user's
// hand does it (not messages posted to one window): the window under the
// pointer, or the one that captured it, gets the messages.
#pragma once

#include <windows.h>

namespace input_steps {

// Absolute coordinates run from 0 to 65535 over the primary screen: rounded
// up so that they land on the pixel asked for.
inline void MoveTo(POINT at) {
    const LONG width = ::GetSystemMetrics(SM_CXSCREEN);
    const LONG height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((at.x * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>((at.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

// MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_LEFTUP where the pointer is.
inline void Button(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    ::SendInput(1, &input, sizeof input);
}

}  // namespace input_steps
