#include "ui/local_time_text.h"

#include <windows.h>

namespace {

constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kFileTimeOf1970 = 116'444'736'000'000'000;  // 100 ns ticks since 1601
constexpr std::size_t kMaxLength = 127;

}  // namespace

std::string LongLocalTimeText(std::int64_t seconds) {
    if (seconds < 0 || seconds > (INT64_MAX - kFileTimeOf1970) / kFileTimeTicksPerSecond) return {};
    const std::uint64_t ticks = static_cast<std::uint64_t>(seconds * kFileTimeTicksPerSecond + kFileTimeOf1970);
    const FILETIME utc = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&utc, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return {};
    char date[128] = {};
    char time[128] = {};
    if (!::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &local, nullptr, date, sizeof date) ||
        !::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, sizeof time))
        return {};
    std::string text = std::string(date) + " " + time;
    if (text.size() > kMaxLength) text.resize(kMaxLength);
    return text;
}
