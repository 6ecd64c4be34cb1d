// Conversions between the list's ANSI code-page text and UTF-8, as foreign
// collections store it. A line break inside an Opera description is the two
// bytes 0x02 0x02; in a note the list keeps it as backslash and "n".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/code_page.h"

enum class BreakMarks {
    kConvert,  // note text: backslash-n and 0x02 0x02 stand for each other
    kKeep,     // names and URLs: "C:\new" stays a path
};

// Converts whole characters, so a double-byte character keeps its trail byte
// even when that byte looks like a backslash; a lead byte left alone at the
// end stands for no character and is dropped.
std::string AnsiToUtf8(std::string_view ansi, const platform::CodePage& codePage,
                       BreakMarks marks = BreakMarks::kConvert);

// Sequences of two to six bytes are decoded; characters the code page lacks,
// and sequences that encode no character, become its default character.
// A stray continuation byte, or a lead byte without its continuation, yields
// nothing.
std::string Utf8ToAnsi(std::string_view utf8, const platform::CodePage& codePage,
                       BreakMarks marks = BreakMarks::kConvert);

// A URL in UTF-8 (an IRI) for the list: characters the code page holds are
// converted, every other one is written as its percent-escaped UTF-8 bytes,
// which opens the same address where a default character would break it.
std::string Utf8UrlToAnsi(std::string_view utf8, const platform::CodePage& codePage);

// One Unicode character in the code page (its default character when it has none).
std::string CodePointToAnsi(std::uint32_t codePoint, const platform::CodePage& codePage);
