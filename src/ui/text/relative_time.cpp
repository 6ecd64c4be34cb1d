#include "ui/text/relative_time.h"

namespace ui {

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMonthDays = 31;
const char* const kQuarterMarks[4] = {"", "\xBC", "\xBD", "\xBE"};

struct Amount {
    std::int64_t count;
    int quarter;  // 0 to 3
    const char* unit;
};

// Quarters are shown only while the count is small enough for them to matter.
Amount AmountOf(std::int64_t d) {
    const std::int64_t days = d / kDay;
    if (days == 0) {
        const std::int64_t hours = d / kHour;
        if (hours == 0) return {d / kMinute, 0, "minute"};
        const int quarter = hours < 6 ? static_cast<int>((d % kHour) / kMinute / 15) : 0;
        return {hours, quarter, "hour"};
    }
    if (days <= 30) {
        const int quarter = days < 7 ? static_cast<int>((d % kDay) / kHour / 6) : 0;
        return {days, quarter, "day"};
    }
    const std::int64_t months = days / kMonthDays;
    const int quarter = months < 12 ? static_cast<int>((days % kMonthDays) * 4 / kMonthDays) : 0;
    return {months, quarter, "month"};
}

}  // namespace

bool IsNeverVisited(std::int64_t lastVisited, std::int64_t now) {
    return lastVisited <= 0 || now - lastVisited == -1;
}

std::string RelativeTimeText(std::int64_t lastVisited, std::int64_t now) {
    if (IsNeverVisited(lastVisited, now)) return "never";
    const std::int64_t d = now - lastVisited;
    if (d < kMinute) return "moments ago";
    const Amount amount = AmountOf(d);
    const bool plural = amount.count > 1 || (amount.count == 1 && amount.quarter > 0);
    return std::to_string(amount.count) + kQuarterMarks[amount.quarter] + " " + amount.unit +
           (plural ? "s" : "") + " ago";
}

}  // namespace ui
