// A time as the user's locale writes a long date and time.
#pragma once

#include <cstdint>
#include <string>

// Seconds since 1970 in local time, long date form, then the time; at most
// 127 characters, empty when the time cannot be converted.
std::string LongLocalTimeText(std::int64_t seconds);
