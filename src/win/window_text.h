// The text of a window or control as one string.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// GetWindowTextA for any length; empty for a window that does not exist.
std::string WindowText(HWND window);

}  // namespace win
