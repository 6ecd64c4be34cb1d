// Line by line through a text file held in memory. A line ends at LF; a CR
// before it is white space like any other. White space bytes are all below
// 0x40, so they never belong to a double-byte character or a UTF-8 sequence
// and trimming byte by byte is safe in every encoding.
#pragma once

#include <string_view>

namespace exchange {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Takes the next line (without its LF) off the front of `rest`; false at the end.
bool NextLine(std::string_view& rest, std::string_view& line);

std::string_view TrimWhiteSpace(std::string_view text);
std::string_view TrimTrailingWhiteSpace(std::string_view text);

// `text` without a UTF-8 byte-order mark at its start; true when it had one.
bool SkipByteOrderMark(std::string_view& text);

}  // namespace exchange
