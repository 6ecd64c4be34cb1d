// Plain text as the readers meet it: line by line through a file held in
// memory, trimmed, with pieces replaced. A line ends at LF; a CR before it is
// white space like any other. White space bytes are all below 0x40, so they
// never belong to a double-byte character or a UTF-8 sequence and trimming
// byte by byte is safe in every encoding.
#pragma once

#include <string>
#include <string_view>

namespace exchange {

// Takes the next line (without its LF) off the front of `rest`; false at the end.
bool NextLine(std::string_view& rest, std::string_view& line);

std::string_view TrimWhiteSpace(std::string_view text);
std::string_view TrimTrailingWhiteSpace(std::string_view text);

enum class Case { kMatters, kIgnored };  // ASCII letters only

// `text` with every `from` replaced by `to`, left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       Case letters = Case::kMatters);

// `text` without a UTF-8 byte-order mark at its start; true when it had one.
bool SkipByteOrderMark(std::string_view& text);

}  // namespace exchange
