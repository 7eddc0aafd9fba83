#include "DateFixture.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDateFormatter.h"

#include <string>

namespace {

struct FormatCase {
    const char* pattern;
    CFAbsoluteTime time;
    const char* expected;
};

std::string format(const char* pattern, CFAbsoluteTime time)
{
    NSDateFormatter formatter;
    formatter.setDateFormat(pattern);
    return formatter.stringFromDate(NSDate::dateWithTimeIntervalSinceReferenceDate(time));
}

} // namespace

TEST_F(DateTest, FormatsThePanelsPatternsInEnglish)
{
    const FormatCase cases[] = {
        { "hh:mm a", utc(2015, 12, 7, 9, 5, 30), "09:05 AM" },
        { "hh:mm a", utc(2015, 12, 7, 6, 45), "06:45 AM" },
        { "hh:mm a", utc(2015, 12, 7, 0, 15), "12:15 AM" },
        { "hh:mm a", utc(2015, 12, 7, 12, 0), "12:00 PM" },
        { "hh:mm a", utc(2015, 12, 7, 23, 59), "11:59 PM" },
        { "HH:mm", utc(2015, 12, 7, 0, 15), "00:15" },
        { "HH", utc(2015, 12, 7, 7, 30), "07" },
        { "hh", utc(2015, 12, 7, 7, 30), "07" },
        { "hh", utc(2015, 12, 7, 0, 30), "12" },
        { "h", utc(2015, 12, 7, 21, 30), "9" },
        { ":mm:ss", utc(2015, 12, 7, 9, 5, 7), ":05:07" },
        { "EEEE, ", utc(2015, 12, 7), "Monday, " },
        { "MMMM ", utc(2015, 12, 7), "December " },
        { "dd", utc(2015, 12, 7), "07" },
        { "dd", utc(2016, 3, 1), "01" },
        { "MMM d", utc(2016, 3, 1), "Mar 1" },
    };
    for (auto& test : cases)
        EXPECT_EQ(format(test.pattern, test.time), test.expected) << test.pattern << " at " << test.time;
}

TEST_F(DateTest, FormatsInTheDevicesTimeZoneAndLocaleUnlessToldOtherwise)
{
    CFAbsoluteTime instant = utc(2015, 12, 7, 3, 5); // 22:05 the evening before in New York
    useTimeZone("America/New_York");
    NSLocale::setCurrentLocale(NSLocale::localeWithLocaleIdentifier("fr_FR"));
    NSDateFormatter formatter;
    formatter.setDateFormat("EEEE HH:mm");
    EXPECT_EQ(formatter.stringFromDate(at(instant)), "dimanche 22:05");

    formatter.setTimeZone(NSTimeZone::timeZoneWithName("Asia/Tokyo"));
    formatter.setLocale(NSLocale::localeWithLocaleIdentifier("en_US"));
    EXPECT_EQ(formatter.stringFromDate(at(instant)), "Monday 12:05");

    formatter.setTimeZone(nullptr);
    EXPECT_EQ(formatter.timeZone()->name(), "America/New_York");
    EXPECT_EQ(formatter.stringFromDate(at(instant)), "Sunday 22:05");
}

TEST_F(DateTest, AMissingDateOrPatternFormatsAsEmptyText)
{
    NSDateFormatter formatter;
    EXPECT_EQ(formatter.stringFromDate(NSDate::date()), "");
    formatter.setDateFormat("HH:mm");
    EXPECT_EQ(formatter.stringFromDate(nullptr), "");
}

TEST_F(DateTest, ReadsBackOnlyTextThatMatchesThePatternWhole)
{
    useTimeZone("America/New_York");
    NSDateFormatter formatter;
    formatter.setDateFormat("yyyy-MM-dd hh:mm a");
    auto parsed = formatter.dateFromString("2015-12-07 09:05 PM");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->timeIntervalSinceReferenceDate(), utc(2015, 12, 8, 2, 5));
    for (const char* text : { "2015-12-07 09:05 PM tomorrow", "2015-12-07", "2015-13-07 09:05 PM", "" })
        EXPECT_FALSE(formatter.dateFromString(text)) << text;

    formatter.setDateFormat("HH:mm");
    EXPECT_EQ(formatter.dateFromString("06:45")->timeIntervalSince1970(), (6 + 5) * 3600 + 45 * 60);
}

// Formatters and calendars share ICU's objects, kept between uses: each answer must still be
// that of its own zone and locale, whatever was asked before it and however the device changed.
TEST_F(DateTest, SharedPatternsAndCalendarsAnswerForTheirOwnZoneAndLocale)
{
    CFAbsoluteTime instant = utc(2015, 12, 7, 3, 5);
    struct Case {
        const char* deviceZone;
        const char* deviceLocale;
        const char* expected;
        NSInteger hour;
    };
    const Case cases[] = {
        { "UTC", "en_US", "Monday 03:05", 3 },
        { "Asia/Tokyo", "en_US", "Monday 12:05", 12 },
        { "America/New_York", "fr_FR", "dimanche 22:05", 22 },
        { "UTC", "fr_FR", "lundi 03:05", 3 },
        { "UTC", "en_US", "Monday 03:05", 3 },
    };
    NSDateFormatter madeFirst;
    madeFirst.setDateFormat("EEEE HH:mm");
    for (auto& test : cases) {
        useTimeZone(test.deviceZone);
        NSLocale::setCurrentLocale(NSLocale::localeWithLocaleIdentifier(test.deviceLocale));
        NSDateFormatter formatter;
        formatter.setDateFormat("EEEE HH:mm");
        EXPECT_EQ(formatter.stringFromDate(at(instant)), test.expected) << test.deviceZone;
        EXPECT_EQ(madeFirst.stringFromDate(at(instant)), "Monday 03:05") << "kept its own zone and locale";

        auto calendar = NSCalendar::currentCalendar();
        NSDateComponents tooLarge;
        tooLarge.setYear(NSInteger(1) << 40);
        EXPECT_EQ(calendar->dateFromComponents(tooLarge), nullptr);
        EXPECT_EQ(calendar->components(NSCalendarUnitHour, at(instant))->hour(), test.hour)
            << test.deviceZone;
    }
}

// Texts of patterns without seconds are kept for the rest of their local minute.
TEST_F(DateTest, KeptTextsLastTheirMinuteAndNoLonger)
{
    useTimeZone("America/Los_Angeles");
    // 2015-11-01 01:30 happens twice there: first in daylight time, then an hour later in standard.
    CFAbsoluteTime firstHalfPast = utc(2015, 11, 1, 8, 30);
    const FormatCase cases[] = {
        { "h:mm", utc(2015, 12, 7, 17, 5, 0), "9:05" },
        { "h:mm", utc(2015, 12, 7, 17, 5, 59.9), "9:05" },
        { "h:mm", utc(2015, 12, 7, 17, 6, 0), "9:06" },
        { "h:mm:ss", utc(2015, 12, 7, 17, 6, 1), "9:06:01" },
        { "h:mm 's'", utc(2015, 12, 7, 17, 6, 2), "9:06 s" },
        { "h:mm 's'", utc(2015, 12, 7, 17, 7, 2), "9:07 s" },
        { "h:mm z", firstHalfPast, "1:30 PDT" },
        { "h:mm z", firstHalfPast + 3600, "1:30 PST" },
        { "h:mm z", firstHalfPast + 3600 + 30, "1:30 PST" },
        { "h:mm", utc(2015, 12, 7, 17, 5, 30), "9:05" },
    };
    for (auto& test : cases)
        EXPECT_EQ(format(test.pattern, test.time), test.expected) << test.pattern << " at " << test.time;
}
