#include "DateFixture.h"

#include "foundation/NSDate.h"

TEST_F(DateTest, NowIsTheRunLoopsVirtualClock)
{
    EXPECT_EQ(NSDate::date()->timeIntervalSinceReferenceDate(), utc(2015, 12, 7, 9, 5, 30));
    dispatch::RunLoop::main().advance(90.5);
    EXPECT_EQ(NSDate::date()->timeIntervalSinceReferenceDate(), utc(2015, 12, 7, 9, 7, 0.5));
    auto inAMinute = NSDate::dateWithTimeIntervalSinceNow(60);
    EXPECT_EQ(inAMinute->timeIntervalSinceDate(*NSDate::date()), 60);
    EXPECT_EQ(inAMinute->timeIntervalSinceNow(), 60);
}

TEST_F(DateTest, ConvertsBetweenThe1970AndThe2001Scales)
{
    EXPECT_EQ(NSDate::dateWithTimeIntervalSince1970(0)->timeIntervalSinceReferenceDate(), -978307200.0);
    EXPECT_EQ(at(0)->timeIntervalSince1970(), 978307200.0);
    EXPECT_EQ(NSDate::dateWithTimeIntervalSince1970(1449479130.25)->timeIntervalSinceReferenceDate(),
        utc(2015, 12, 7, 9, 5, 30.25));
    EXPECT_EQ(at(utc(1970, 1, 1))->timeIntervalSince1970(), 0);
}

TEST_F(DateTest, ComparesAndShiftsMoments)
{
    auto early = at(100);
    auto late = early->dateByAddingTimeInterval(0.5);
    EXPECT_EQ(late->timeIntervalSinceReferenceDate(), 100.5);
    EXPECT_EQ(late->timeIntervalSinceDate(*early), 0.5);
    EXPECT_EQ(early->compare(*late), NSOrderedAscending);
    EXPECT_EQ(late->compare(*early), NSOrderedDescending);
    EXPECT_EQ(early->compare(*at(100)), NSOrderedSame);
    EXPECT_TRUE(early->isEqual(*at(100)));
    EXPECT_FALSE(early->isEqual(*late));
}

TEST_F(DateTest, TheDevicesTimeZoneAndLocaleDefaultToUTCAndEnglishAndKeepTheirValueWhenGivenNothing)
{
    EXPECT_EQ(NSTimeZone::defaultTimeZone()->name(), "UTC");
    EXPECT_EQ(NSLocale::currentLocale()->localeIdentifier(), "en_US");
    useTimeZone("America/New_York");
    NSTimeZone::setDefaultTimeZone(nullptr);
    NSLocale::setCurrentLocale(nullptr);
    EXPECT_EQ(NSTimeZone::defaultTimeZone()->name(), "America/New_York");
    EXPECT_EQ(NSLocale::currentLocale()->localeIdentifier(), "en_US");
}

TEST_F(DateTest, OnlyKnownTimeZoneNamesMakeATimeZone)
{
    EXPECT_TRUE(NSTimeZone::timeZoneWithName("Europe/Paris"));
    EXPECT_TRUE(NSTimeZone::timeZoneWithName("GMT"));
    EXPECT_FALSE(NSTimeZone::timeZoneWithName("Mars/Olympus_Mons"));
    EXPECT_FALSE(NSTimeZone::timeZoneWithName(""));
}
