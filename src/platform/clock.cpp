#include "platform/clock.h"

#include <chrono>

namespace platform {

namespace {
class RealClock final : public Clock {
public:
    std::int64_t Now() const override {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    }
};
}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

}  // namespace platform
