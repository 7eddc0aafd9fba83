#include "../foundation/DateFixture.h"

#include "eventkit/IcsCalendar.h"

#include <filesystem>
#include <fstream>

namespace {

std::string calendar(const std::string& body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

std::shared_ptr<const eventkit::IcsCalendar> parse(
    const std::string& body, const char* floatingZone = "America/Los_Angeles")
{
    return eventkit::IcsCalendar::parse(
        calendar(body), "test.ics", NSTimeZone::timeZoneWithName(floatingZone));
}

std::string error(const std::string& text)
{
    try {
        eventkit::IcsCalendar::parse(text, "bad.ics", NSTimeZone::timeZoneWithName("UTC"));
    } catch (const eventkit::IcsError& failure) {
        return failure.what();
    }
    return "accepted";
}

using IcsCalendar = DateTest;

} // namespace

TEST_F(IcsCalendar, ListsARepeatingEventOnEachDayOfTheWindowInItsOwnTimeZone)
{
    auto file
        = parse("BEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Stand-up\r\nLOCATION:Room 2\r\n"
                "DESCRIPTION:Daily\\, short\\nand sweet\r\n"
                "DTSTART;TZID=Europe/Paris:20151130T090000\r\nDTEND;TZID=Europe/Paris:20151130T091500\r\n"
                "RRULE:FREQ=DAILY\r\nEXDATE;TZID=Europe/Paris:20151209T090000\r\nEND:VEVENT\r\n");
    auto occurrences = file->occurrences(utc(2015, 12, 7), utc(2015, 12, 12));
    std::vector<CFAbsoluteTime> starts;
    for (auto& occurrence : occurrences) {
        starts.push_back(occurrence.start);
        EXPECT_EQ(occurrence.end - occurrence.start, 900);
        EXPECT_EQ(occurrence.title, "Stand-up");
        EXPECT_EQ(occurrence.location, "Room 2");
        EXPECT_EQ(occurrence.notes, "Daily, short\nand sweet");
    }
    // Paris is an hour ahead of UTC in winter; the 9th is an exception.
    EXPECT_EQ(starts,
        (std::vector<CFAbsoluteTime> {
            utc(2015, 12, 7, 8), utc(2015, 12, 8, 8), utc(2015, 12, 10, 8), utc(2015, 12, 11, 8) }));
}

TEST_F(IcsCalendar, ReadsTimesAllDayDatesAndToDos)
{
    auto file
        = parse("BEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Birthday\r\nDTSTART;VALUE=DATE:20151208\r\nEND:VEVENT\r\n"
                "BEGIN:VEVENT\r\nUID:2\r\nSUMMARY:Call\r\nDTSTART:20151207T170000Z\r\nDURATION:PT30M\r\nEND:"
                "VEVENT\r\n"
                "BEGIN:VEVENT\r\nUID:3\r\nSUMMARY:Floating\r\nDTSTART:20151207T100000\r\n"
                "DTEND:20151207T110000\r\nEND:VEVENT\r\n"
                "BEGIN:VTODO\r\nUID:4\r\nSUMMARY:Pay rent\r\nDUE:20151207T200000Z\r\nEND:VTODO\r\n"
                "BEGIN:VTODO\r\nUID:5\r\nSUMMARY:Done\r\nSTATUS:COMPLETED\r\nEND:VTODO\r\n");
    auto occurrences = file->occurrences(utc(2015, 12, 6), utc(2015, 12, 10));
    ASSERT_EQ(occurrences.size(), 3u);
    // All-day dates and floating times are the device's local times (Los Angeles: UTC-8).
    EXPECT_EQ(occurrences[0].start, utc(2015, 12, 8, 8));
    EXPECT_EQ(occurrences[0].end, utc(2015, 12, 9, 8));
    EXPECT_EQ(occurrences[1].start, utc(2015, 12, 7, 17));
    EXPECT_EQ(occurrences[1].end, utc(2015, 12, 7, 17, 30));
    EXPECT_EQ(occurrences[2].start, utc(2015, 12, 7, 18));
    ASSERT_EQ(file->reminders().size(), 2u);
    EXPECT_EQ(file->reminders()[0].due, utc(2015, 12, 7, 20));
    EXPECT_FALSE(file->reminders()[0].completed);
    EXPECT_FALSE(file->reminders()[1].due);
    EXPECT_TRUE(file->reminders()[1].completed);
}

TEST_F(IcsCalendar, RejectsAMalformedFileNamingItAndWhatIsWrong)
{
    const std::pair<std::string, const char*> cases[] = {
        { "hello", "bad.ics: not an iCalendar file" },
        { "", "bad.ics: not an iCalendar file" },
        { std::string("BEGIN:VCALENDAR\r\n\0\r\nEND:VCALENDAR\r\n", 35),
            "bad.ics: not an iCalendar file (it holds a NUL" },
        { calendar("BEGIN:VEVENT\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"),
            "bad.ics: VEVENT 1 (\"No start\"): DTSTART is missing" },
        { calendar("BEGIN:VEVENT\r\nDTSTART:20151207T100000Z\r\nDTEND:20151207T090000Z\r\nEND:VEVENT\r\n"),
            "bad.ics: VEVENT 1: it ends before it starts" },
        { calendar("BEGIN:VEVENT\r\nDTSTART:99991207T100000Z\r\nEND:VEVENT\r\n"),
            "bad.ics: VEVENT 1: DTSTART" },
        { calendar("BEGIN:VEVENT\r\nDTSTART:20151207T100000Z\r\nRRULE:COUNT=3\r\nEND:VEVENT\r\n"),
            "bad.ics: VEVENT 1: " },
        { calendar("BEGIN:VTODO\r\nSUMMARY:x\r\nDUE:tomorrow\r\nEND:VTODO\r\n"),
            "bad.ics: VTODO 1 (\"x\"): " },
        { std::string(eventkit::IcsCalendar::maximumFileSize + 1, 'x'), "bad.ics: larger than 1024 KB" },
    };
    for (auto& [text, message] : cases)
        EXPECT_TRUE(error(text).starts_with(message)) << error(text);

    auto missing = std::filesystem::temp_directory_path() / "lumora-no-such-calendar.ics";
    try {
        eventkit::IcsCalendar::read(missing, NSTimeZone::timeZoneWithName("UTC"));
        FAIL();
    } catch (const eventkit::IcsError& failure) {
        EXPECT_EQ(std::string(failure.what()), missing.string() + ": cannot read the calendar file");
    }
}

TEST_F(IcsCalendar, StopsARuleThatRepeatsTooOftenBeforeTheWindow)
{
    auto file
        = parse("BEGIN:VEVENT\r\nUID:1\r\nDTSTART:19000101T000000Z\r\nRRULE:FREQ=SECONDLY\r\nEND:VEVENT\r\n");
    EXPECT_TRUE(file->occurrences(utc(2015, 12, 7), utc(2015, 12, 8)).empty());
}
