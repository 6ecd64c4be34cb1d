// Text in global memory blocks, the way the clipboard and OLE data objects
// hand it over: zero-terminated bytes in a movable, shareable block.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

// A new block holding `text` and one zero byte, exactly that size; null when
// memory ran out. The caller owns it until the clipboard or a medium takes it.
HGLOBAL GlobalCopy(std::string_view text) noexcept;

// The bytes of a block up to its first zero byte, never past its size (a
// block from another program need not be terminated); empty when it cannot
// be locked.
std::string GlobalText(HGLOBAL memory);

}  // namespace win
