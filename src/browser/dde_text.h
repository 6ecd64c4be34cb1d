// The texts of the browsers' WWW_ DDE topics: the items the program sends
// and the replies it reads. Items travel as global atoms, so an item is at
// most kMaxItemChars characters long; window ids are signed 32-bit numbers,
// written in decimal in items and sent back as 4 little-endian bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxItemChars = 255;

// Window ids of the WWW_ topics: 0 asks for a new window, -1 means the
// browser's last active window.
inline constexpr std::int32_t kNewWindowId = 0;
inline constexpr std::int32_t kLastActiveWindowId = -1;

// WWW_OpenURL: the URL in quotes, no file, the window id, flags 0, the rest empty.
std::string OpenUrlItem(std::string_view url, std::int32_t windowId);
// WWW_Activate: "<id>,0".
std::string ActivateItem(std::int32_t windowId);
// WWW_GetFrameParent and WWW_GetWindowInfo: the id in decimal.
std::string WindowIdItem(std::int32_t windowId);

// The window id in the first 4 bytes of a reply; none when it is shorter.
std::optional<std::int32_t> ReplyWindowId(std::string_view data);
// WWW_ListWindows: ids one after the other, up to a 0 or the end of the data
// (a last id cut short is dropped).
std::vector<std::int32_t> ReplyWindowIds(std::string_view data);

struct WindowInfo {
    std::string url;
    std::string title;
};

// WWW_GetWindowInfo's reply: "URL","title" with \" for a quote inside
// either. A reply cut short yields what it holds; the text ends at its first
// zero byte. For Opera (`ddeName` "opera", any case) a title
// "Opera - [page]" becomes "page".
WindowInfo ParseWindowInfo(std::string_view reply, std::string_view ddeName);

// Doubles every "&", so that a menu shows the character instead of taking
// it as the mark of a mnemonic.
std::string EscapeAmpersands(std::string_view text);
