// The last-visited phrase of the main window: how long ago a title was
// opened, in the largest unit that fits, with quarters for small counts
// ("2½ hours ago"). Portable: the unit tests check it natively.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// "never" for a title never visited (`lastVisited` 0 or negative, or one
// second ahead of `now`), "moments ago" under a minute (or for any other
// time ahead of `now`), else "%u%s %s ago" with the count, a quarter mark
// (Windows-1252 0xBC, 0xBD, 0xBE) and the unit. Times are seconds since 1970.
std::string RelativeTimeText(std::int64_t lastVisited, std::int64_t now);

// True when RelativeTimeText says "never" for these times.
bool IsNeverVisited(std::int64_t lastVisited, std::int64_t now);

}  // namespace ui
