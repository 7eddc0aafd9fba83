#include "ProfileDate.h"

#include "foundation/NSTimeZone.h"

#include <gtest/gtest.h>

TEST(ProfileDate, ReadsAbsoluteAndRelativeDatesInTheDevicesTimeZone)
{
    // Monday 7 December 2015, 09:05:30 in Los Angeles (UTC-8).
    const CFAbsoluteTime start = 471171930 + 8 * 3600;
    const CFAbsoluteTime midnight = start - (9 * 3600 + 5 * 60 + 30);
    auto zone = NSTimeZone::timeZoneWithName("America/Los_Angeles");
    const std::pair<const char*, CFAbsoluteTime> cases[] = {
        { "+10m", start + 600 },
        { "-1h30m", start - 5400 },
        { "+90s", start + 90 },
        { "+2d 09:00", midnight + 2 * 86400 + 9 * 3600 },
        { "-1d", start - 86400 },
        { "14:00", midnight + 14 * 3600 },
        { "2015-12-07T14:00", midnight + 14 * 3600 },
        { "2015-12-07T14:00:30", midnight + 14 * 3600 + 30 },
        { "2015-12-08", midnight + 86400 },
    };
    for (auto& [text, expected] : cases) {
        auto date = ProfileDate::parse(text);
        ASSERT_TRUE(date) << text;
        EXPECT_EQ(date->resolve(start, zone), expected) << text;
    }
    // A day across the spring change keeps its time of day: 13 March 2016 has 23 hours.
    auto beforeChange = start + 96 * 86400 + 3600 * 0;
    EXPECT_EQ(ProfileDate::parse("+1d")->resolve(beforeChange, zone), beforeChange + 86400 - 3600 + 0 * 0)
        << "from Saturday 12 March";

    for (auto bad : { "", "+", "10m", "+1x", "+1m2h", "+1h 09:00", "+2d 9:00", "24:00", "+1d1d", "tomorrow",
             "2015-12-07 14:00", "+99999999999d" })
        EXPECT_FALSE(ProfileDate::parse(bad)) << bad;
    EXPECT_FALSE(ProfileDate::parse("2015-02-30")->resolve(start, zone)) << "no such day";
}
