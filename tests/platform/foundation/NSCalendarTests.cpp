#include "DateFixture.h"

#include "foundation/NSCalendar.h"

#include <memory>

namespace {

std::shared_ptr<NSDateComponents> parts(NSInteger year, NSInteger month, NSInteger day, NSInteger hour = 0,
    NSInteger minute = 0, NSInteger second = 0)
{
    auto components = std::make_shared<NSDateComponents>();
    components->setYear(year);
    components->setMonth(month);
    components->setDay(day);
    components->setHour(hour);
    components->setMinute(minute);
    components->setSecond(second);
    return components;
}

std::shared_ptr<NSDateComponents> days(NSInteger count)
{
    auto components = std::make_shared<NSDateComponents>();
    components->setDay(count);
    return components;
}

constexpr NSCalendarUnit allUnits = NSCalendarUnitYear | NSCalendarUnitMonth | NSCalendarUnitDay
    | NSCalendarUnitHour | NSCalendarUnitMinute | NSCalendarUnitSecond;

} // namespace

TEST_F(DateTest, SplitsADateIntoTheRequestedLocalParts)
{
    useTimeZone("America/New_York");
    auto calendar = NSCalendar::currentCalendar();
    auto components = calendar->components(allUnits, at(utc(2016, 1, 1, 4, 59, 30.75)));
    ASSERT_TRUE(components);
    EXPECT_EQ(components->year(), 2015);
    EXPECT_EQ(components->month(), 12);
    EXPECT_EQ(components->day(), 31);
    EXPECT_EQ(components->hour(), 23);
    EXPECT_EQ(components->minute(), 59);
    EXPECT_EQ(components->second(), 30);

    auto hourOnly = calendar->components(NSCalendarUnitHour, NSDate::date());
    EXPECT_EQ(hourOnly->hour(), 4);
    EXPECT_EQ(hourOnly->year(), NSDateComponentUndefined);
    EXPECT_EQ(hourOnly->minute(), NSDateComponentUndefined);
    EXPECT_FALSE(calendar->components(allUnits, nullptr));
}

TEST_F(DateTest, MakesADateOfPartsCarryingOverflowIntoTheNextUnit)
{
    struct Case {
        std::shared_ptr<NSDateComponents> components;
        CFAbsoluteTime expected;
    };
    const Case cases[] = {
        { parts(2015, 12, 7, 9, 5, 30), utc(2015, 12, 7, 9, 5, 30) },
        { parts(2015, 12, 7, 9, 75), utc(2015, 12, 7, 10, 15) },
        { parts(2015, 12, 7, 25, 0), utc(2015, 12, 8, 1, 0) },
        { parts(2015, 12, 31, 23, 59, 90), utc(2016, 1, 1, 0, 0, 30) },
        { parts(2015, 13, 1), utc(2016, 1, 1) },
        { parts(2016, 3, 0), utc(2016, 2, 29) },
        { parts(2015, 12, 7, -1, 0), utc(2015, 12, 6, 23, 0) },
    };
    auto calendar = NSCalendar::currentCalendar();
    for (auto& test : cases)
        EXPECT_EQ(
            calendar->dateFromComponents(*test.components)->timeIntervalSinceReferenceDate(), test.expected);

    auto timeOnly = std::make_shared<NSDateComponents>();
    timeOnly->setHour(6);
    timeOnly->setMinute(45);
    auto components = calendar->components(allUnits, calendar->dateFromComponents(*timeOnly));
    EXPECT_EQ(components->year(), 1);
    EXPECT_EQ(components->month(), 1);
    EXPECT_EQ(components->day(), 1);
    EXPECT_EQ(components->hour(), 6);
    EXPECT_EQ(components->minute(), 45);

    auto huge = parts(2015, 1, 1);
    huge->setDay(NSInteger(1) << 40);
    EXPECT_FALSE(calendar->dateFromComponents(*huge));
}

TEST_F(DateTest, ADayAddedAcrossADaylightSavingChangeKeepsTheTimeOfDay)
{
    useTimeZone("America/New_York");
    auto calendar = NSCalendar::currentCalendar();
    auto hours = [](NSInteger count) {
        auto components = std::make_shared<NSDateComponents>();
        components->setHour(count);
        return components;
    };
    struct Case {
        CFAbsoluteTime start;
        std::shared_ptr<NSDateComponents> amount;
        CFAbsoluteTime expected;
    };
    const Case cases[] = {
        // 9:00 EST on 12 March 2016 to 9:00 EDT the next day: 23 hours later.
        { utc(2016, 3, 12, 14), days(1), utc(2016, 3, 13, 13) },
        { utc(2016, 3, 12, 14), hours(24), utc(2016, 3, 13, 14) },
        // 9:00 EDT on 5 November 2016 to 9:00 EST the next day: 25 hours later.
        { utc(2016, 11, 5, 13), days(1), utc(2016, 11, 6, 14) },
        { utc(2016, 11, 5, 13), days(-1), utc(2016, 11, 4, 13) },
        { utc(2016, 11, 5, 13), days(0), utc(2016, 11, 5, 13) },
        // 31 January plus a month ends on the last day of February.
        { utc(2016, 1, 31, 17), parts(0, 1, 0), utc(2016, 2, 29, 17) },
    };
    for (auto& test : cases) {
        auto result = calendar->dateByAddingComponents(*test.amount, at(test.start));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->timeIntervalSinceReferenceDate(), test.expected) << test.start;
    }
    EXPECT_FALSE(calendar->dateByAddingComponents(*days(1), nullptr));
}

TEST_F(DateTest, AddingTheHoursBetween1970And2001ExactlyTradesOneScaleForTheOther)
{
    useTimeZone("America/New_York");
    setNow(utc(2016, 3, 13, 6, 59, 59.5)); // just before the spring change, with a fraction
    auto offset = std::make_shared<NSDateComponents>();
    offset->setHour(-271752 + 2);
    offset->setMinute(30);
    offset->setSecond(0);
    auto shifted = NSCalendar::currentCalendar()->dateByAddingComponents(*offset, NSDate::date());
    EXPECT_EQ(
        shifted->timeIntervalSince1970(), NSDate::date()->timeIntervalSinceReferenceDate() + 2.5 * 3600);
}

TEST_F(DateTest, TodayAndTomorrowEndAtLocalMidnight)
{
    for (const char* zone : { "UTC", "America/New_York" }) {
        useTimeZone(zone);
        auto calendar = NSCalendar::currentCalendar();
        auto lateEvening = calendar->dateFromComponents(*parts(2015, 12, 7, 23, 59, 30));
        setNow(lateEvening->timeIntervalSinceReferenceDate());

        EXPECT_TRUE(calendar->isDateInToday(NSDate::dateWithTimeIntervalSinceNow(29))) << zone;
        EXPECT_FALSE(calendar->isDateInToday(NSDate::dateWithTimeIntervalSinceNow(30))) << zone;
        EXPECT_TRUE(calendar->isDateInTomorrow(NSDate::dateWithTimeIntervalSinceNow(90))) << zone;
        EXPECT_TRUE(calendar->isDateInToday(calendar->startOfDayForDate(NSDate::date()))) << zone;
        EXPECT_FALSE(calendar->isDateInToday(NSDate::dateWithTimeIntervalSinceNow(-86400))) << zone;
        EXPECT_FALSE(calendar->isDateInTomorrow(NSDate::date())) << zone;
        EXPECT_FALSE(calendar->isDateInTomorrow(NSDate::dateWithTimeIntervalSinceNow(86400 + 30))) << zone;

        // The time until the next item: now's parts plus a minute, turned back into a date.
        auto target = calendar->components(allUnits, NSDate::date());
        target->setMinute(target->minute() + 1);
        EXPECT_TRUE(calendar->isDateInTomorrow(calendar->dateFromComponents(*target))) << zone;
    }
    auto calendar = NSCalendar::currentCalendar();
    EXPECT_FALSE(calendar->isDateInToday(nullptr));
    EXPECT_FALSE(calendar->isDateInTomorrow(nullptr));
}

TEST_F(DateTest, ADayStartsAtItsFirstMomentEvenWhenMidnightIsSkipped)
{
    struct Case {
        const char* zone;
        CFAbsoluteTime date;
        CFAbsoluteTime start;
    };
    const Case cases[] = {
        { "UTC", utc(2015, 12, 7, 9, 5, 30.5), utc(2015, 12, 7) },
        { "America/New_York", utc(2016, 3, 13, 16), utc(2016, 3, 13, 5) },
        // Clocks in São Paulo went from 0:00 straight to 1:00 on 4 November 2018.
        { "America/Sao_Paulo", utc(2018, 11, 4, 15), utc(2018, 11, 4, 3) },
    };
    for (auto& test : cases) {
        useTimeZone(test.zone);
        auto start = NSCalendar::currentCalendar()->startOfDayForDate(at(test.date));
        EXPECT_EQ(start->timeIntervalSinceReferenceDate(), test.start) << test.zone;
    }
}
