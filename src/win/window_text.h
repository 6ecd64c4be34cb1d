// The text of a window or control as one string, and its class.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// GetWindowTextA for any length; empty for a window that does not exist.
std::string WindowText(HWND window);

// True when `window` exists and its class is `className` (ignoring case),
// such as "Static" or "Edit".
bool HasWindowClass(HWND window, const char* className);

}  // namespace win
