// The address the Open New URL prompt opens, from what the user typed.
// Portable.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Control characters (a pasted line break) are dropped and surrounding
// blanks trimmed; every "," becomes "." and a text without "//" gets
// "http://" in front. Empty when nothing is left to open.
std::string NewUrlFromTyped(std::string_view typed);

}  // namespace ui
