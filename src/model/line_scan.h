// Finding the lines of a list file's bytes: sixteen bytes a step where the
// processor has the instructions for it (every x86-64 has), byte by byte
// elsewhere.
#pragma once

#include <cstddef>
#include <string_view>

// How many '\n' bytes `bytes` holds.
std::size_t CountNewlines(std::string_view bytes);

// The offset of the first '\n' at or after `at`, or the size of `bytes`;
// `marked` tells whether a `mark` byte comes before it, found in the same
// pass over the line.
std::size_t FindLineEnd(std::string_view bytes, std::size_t at, char mark, bool& marked);
