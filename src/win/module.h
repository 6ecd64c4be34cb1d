// The module whose resources (dialog templates, strings, menus) the program
// uses: the executable, which links resources/vellinor.rc. Test programs link
// the same resources, so they find the same templates and strings.
#pragma once

#include <windows.h>

namespace win {

inline HINSTANCE ModuleInstance() noexcept { return ::GetModuleHandleA(nullptr); }

}  // namespace win
