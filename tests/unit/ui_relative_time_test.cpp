// The last-visited phrase: units, quarters and plurals at their borders.
#include <gtest/gtest.h>

#include <cstdint>

#include "ui/text/relative_time.h"

namespace {

constexpr std::int64_t kNow = 1'700'000'000;
constexpr std::int64_t kMin = 60;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;

struct Case {
    std::int64_t ago;  // now minus last visited
    const char* text;
};

TEST(RelativeTimeTextTest, PhrasesAtEachBorder) {
    const Case cases[] = {
        {0, "moments ago"},
        {59, "moments ago"},
        {60, "1 minute ago"},
        {119, "1 minute ago"},
        {120, "2 minutes ago"},
        {59 * kMin + 59, "59 minutes ago"},
        {kHour, "1 hour ago"},
        {kHour + 15 * kMin, "1\xBC hours ago"},
        {2 * kHour + 30 * kMin, "2\xBD hours ago"},
        {5 * kHour + 59 * kMin, "5\xBE hours ago"},
        {6 * kHour + 50 * kMin, "6 hours ago"},
        {kDay, "1 day ago"},
        {kDay + 6 * kHour, "1\xBC days ago"},
        {6 * kDay + 23 * kHour, "6\xBE days ago"},
        {7 * kDay + 23 * kHour, "7 days ago"},
        {30 * kDay, "30 days ago"},
        {31 * kDay, "1 month ago"},
        {46 * kDay, "1\xBC months ago"},
        {54 * kDay, "1\xBD months ago"},
        {372 * kDay, "12 months ago"},
        {400 * kDay, "12 months ago"},
        {-2, "moments ago"},  // two seconds ahead: a clock set back a little
        {-kDay, "moments ago"},
        {-1, "never"},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::RelativeTimeText(kNow - c.ago, kNow), c.text) << c.ago;
}

TEST(RelativeTimeTextTest, NeverVisitedTitles) {
    EXPECT_EQ(ui::RelativeTimeText(0, kNow), "never");
    EXPECT_EQ(ui::RelativeTimeText(-5, kNow), "never");
    EXPECT_TRUE(ui::IsNeverVisited(kNow + 1, kNow));
    EXPECT_FALSE(ui::IsNeverVisited(kNow + 2, kNow));
}

TEST(RelativeTimeTextTest, ExtremeTimesStayWithinTheArithmetic) {
    EXPECT_EQ(ui::RelativeTimeText(1, INT64_MAX / 2), std::to_string(INT64_MAX / 2 / kDay / 31) + " months ago");
    EXPECT_EQ(ui::RelativeTimeText(INT64_MAX, 0), "moments ago");
}

}  // namespace
