// Short lists of integers stored as text, "%i,%i,%i,%i" style: window
// rectangles, list-box widths and a list's start selection.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Parses up to `count` decimal integers separated by commas (blanks allowed
// before a number, the comma right after it). Stops at the first number that
// does not parse or does not fit an int, leaving it and the rest of `values`
// untouched; returns how many were parsed.
std::size_t ParseIntList(std::string_view text, int* values, std::size_t count);

std::string FormatIntList(const int* values, std::size_t count);
