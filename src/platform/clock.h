// Wall clock seam: seconds since 1970-01-01 UTC.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t Now() const = 0;
};

Clock& SystemClock();

}  // namespace platform
