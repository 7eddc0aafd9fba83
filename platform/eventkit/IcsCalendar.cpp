#include "eventkit/IcsCalendar.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateComponents.h"
#include "foundation/NSTimeZone.h"

#include <libical/ical.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>

namespace eventkit {

struct IcsCalendar::Event {
    EventRecord record;
    icaltimetype start;
    NSTimeInterval duration { 0 };
    // Owned by the file's components.
    icalproperty* rule { nullptr };
    std::set<CFAbsoluteTime> exceptions;
};

namespace {

constexpr int earliestYear = 1900;
constexpr int latestYear = 2200;

icalcomponent* component(void* root)
{
    return static_cast<icalcomponent*>(root);
}

std::optional<std::string> text(icalcomponent* item, icalproperty_kind kind)
{
    auto* property = icalcomponent_get_first_property(item, kind);
    auto* value = property ? icalproperty_get_value(property) : nullptr;
    const char* plain
        = value && icalvalue_isa(value) == ICAL_TEXT_VALUE ? icalvalue_get_text(value) : nullptr;
    if (!plain)
        return std::nullopt;
    return std::string(plain);
}

const char* describeError(icalcomponent* item)
{
    auto* error = icalcomponent_get_first_property(item, ICAL_XLICERROR_PROPERTY);
    auto* parameter = error ? icalproperty_get_first_parameter(error, ICAL_XLICERRORTYPE_PARAMETER) : nullptr;
    switch (parameter ? icalparameter_get_xlicerrortype(parameter) : ICAL_XLICERRORTYPE_NONE) {
    case ICAL_XLICERRORTYPE_PROPERTYPARSEERROR:
        return "a property it cannot read";
    case ICAL_XLICERRORTYPE_PARAMETERNAMEPARSEERROR:
    case ICAL_XLICERRORTYPE_PARAMETERVALUEPARSEERROR:
        return "a property parameter it cannot read";
    case ICAL_XLICERRORTYPE_VALUEPARSEERROR:
        return "a value it cannot read";
    case ICAL_XLICERRORTYPE_COMPONENTPARSEERROR:
        return "a component that is not closed or not known";
    default:
        return "a line it cannot read";
    }
}

// Errors are reported by the component; a libical build that aborts on them would crash here.
void quietLibraryErrors()
{
    static std::once_flag once;
    std::call_once(once, [] { icalerror_set_errors_are_fatal(0); });
}

struct Reader {
    std::string name;
    std::shared_ptr<NSCalendar> floating;

    [[noreturn]] void fail(const std::string& what) const { throw IcsError(name + ": " + what); }

    std::string itemName(icalcomponent* item, const char* kind, int number) const
    {
        auto title = text(item, ICAL_SUMMARY_PROPERTY);
        return std::string(kind) + " " + std::to_string(number) + (title ? " (\"" + *title + "\")" : "");
    }

    CFAbsoluteTime absolute(icaltimetype time) const
    {
        if (time.is_date)
            time.hour = time.minute = time.second = 0;
        if (icaltime_is_utc(time))
            return static_cast<double>(icaltime_as_timet(time)) - NSTimeIntervalSince1970;
        if (time.zone && !time.is_date)
            return static_cast<double>(icaltime_as_timet_with_zone(time, time.zone))
                - NSTimeIntervalSince1970;
        NSDateComponents components;
        components.setYear(time.year);
        components.setMonth(time.month);
        components.setDay(time.day);
        components.setHour(time.hour);
        components.setMinute(time.minute);
        components.setSecond(time.second);
        auto date = floating->dateFromComponents(components);
        return date ? date->timeIntervalSinceReferenceDate() : 0;
    }

    icaltimetype time(
        icalcomponent* item, icalproperty_kind kind, const std::string& where, const char* label) const
    {
        auto* property = icalcomponent_get_first_property(item, kind);
        auto value
            = property ? icalproperty_get_datetime_with_component(property, item) : icaltime_null_time();
        if (icaltime_is_null_time(value) || !icaltime_is_valid_time(value) || value.year < earliestYear
            || value.year > latestYear || value.month < 1 || value.month > 12 || value.day < 1
            || value.day > 31)
            fail(where + ": " + label + " is missing or not a date from " + std::to_string(earliestYear)
                + " to " + std::to_string(latestYear));
        return value;
    }

    IcsCalendar::Event event(icalcomponent* item, int number) const
    {
        auto where = itemName(item, "VEVENT", number);
        IcsCalendar::Event event;
        event.start = time(item, ICAL_DTSTART_PROPERTY, where, "DTSTART");
        event.record.title = text(item, ICAL_SUMMARY_PROPERTY).value_or("");
        event.record.notes = text(item, ICAL_DESCRIPTION_PROPERTY);
        event.record.location = text(item, ICAL_LOCATION_PROPERTY);
        event.record.start = absolute(event.start);
        if (icalcomponent_get_first_property(item, ICAL_DTEND_PROPERTY)) {
            auto end = time(item, ICAL_DTEND_PROPERTY, where, "DTEND");
            event.duration = absolute(end) - event.record.start;
        } else if (auto* duration = icalcomponent_get_first_property(item, ICAL_DURATION_PROPERTY)) {
            event.duration = icaldurationtype_as_int(icalproperty_get_duration(duration));
        } else if (event.start.is_date) {
            event.duration = 86400;
        }
        if (event.duration < 0)
            fail(where + ": it ends before it starts");
        event.record.end = event.record.start + event.duration;
        event.rule = icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY);
        if (event.rule && icalproperty_get_rrule(event.rule).freq == ICAL_NO_RECURRENCE)
            fail(where + ": RRULE has no frequency");
        for (auto* property = icalcomponent_get_first_property(item, ICAL_EXDATE_PROPERTY); property;
             property = icalcomponent_get_next_property(item, ICAL_EXDATE_PROPERTY)) {
            auto excluded = icalproperty_get_datetime_with_component(property, item);
            if (!icaltime_is_null_time(excluded) && icaltime_is_valid_time(excluded))
                event.exceptions.insert(absolute(excluded));
        }
        return event;
    }

    ReminderRecord reminder(icalcomponent* item, int number) const
    {
        ReminderRecord reminder;
        reminder.title = text(item, ICAL_SUMMARY_PROPERTY).value_or("");
        reminder.notes = text(item, ICAL_DESCRIPTION_PROPERTY);
        reminder.location = text(item, ICAL_LOCATION_PROPERTY);
        if (icalcomponent_get_first_property(item, ICAL_DUE_PROPERTY))
            reminder.due = absolute(time(item, ICAL_DUE_PROPERTY, itemName(item, "VTODO", number), "DUE"));
        auto* status = icalcomponent_get_first_property(item, ICAL_STATUS_PROPERTY);
        reminder.completed = (status && icalproperty_get_status(status) == ICAL_STATUS_COMPLETED)
            || icalcomponent_get_first_property(item, ICAL_COMPLETED_PROPERTY);
        return reminder;
    }
};

} // namespace

void IcsCalendar::ComponentDeleter::operator()(void* root) const
{
    icalcomponent_free(component(root));
}

IcsCalendar::IcsCalendar() = default;
IcsCalendar::~IcsCalendar() = default;

std::shared_ptr<const IcsCalendar> IcsCalendar::read(
    const std::filesystem::path& path, std::shared_ptr<NSTimeZone> floatingTimeZone)
{
    std::error_code error;
    auto name = path.string();
    if (!std::filesystem::is_regular_file(path, error))
        throw IcsError(name + ": cannot read the calendar file");
    if (std::filesystem::file_size(path, error) > maximumFileSize)
        throw IcsError(name + ": larger than " + std::to_string(maximumFileSize / 1024) + " KB");
    std::ifstream file(path, std::ios::binary);
    std::string contents { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (!file && !file.eof())
        throw IcsError(name + ": cannot read the calendar file");
    return parse(contents, name, std::move(floatingTimeZone));
}

std::shared_ptr<const IcsCalendar> IcsCalendar::parse(
    std::string_view contents, const std::string& name, std::shared_ptr<NSTimeZone> floatingTimeZone)
{
    quietLibraryErrors();
    if (contents.size() > maximumFileSize)
        throw IcsError(name + ": larger than " + std::to_string(maximumFileSize / 1024) + " KB");
    Reader reader { name, std::make_shared<NSCalendar>(std::move(floatingTimeZone), nullptr) };
    if (contents.find('\0') != std::string_view::npos)
        reader.fail("not an iCalendar file (it holds a NUL byte)");
    std::string text(contents);
    std::shared_ptr<IcsCalendar> calendar(new IcsCalendar);
    calendar->m_floatingCalendar = reader.floating;
    calendar->m_root.reset(icalparser_parse_string(text.c_str()));
    auto* root = component(calendar->m_root.get());
    if (!root || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT)
        reader.fail("not an iCalendar file (expected BEGIN:VCALENDAR ... END:VCALENDAR)");
    if (icalcomponent_get_first_property(root, ICAL_XLICERROR_PROPERTY))
        reader.fail(std::string("the calendar holds ") + describeError(root));
    int number = 0;
    for (auto* item = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT); item;
         item = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT)) {
        auto kind = icalcomponent_isa(item);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT)
            continue;
        ++number;
        const char* label = kind == ICAL_VEVENT_COMPONENT ? "VEVENT" : "VTODO";
        if (icalcomponent_count_errors(item))
            reader.fail(reader.itemName(item, label, number) + ": " + describeError(item));
        if (kind == ICAL_VEVENT_COMPONENT)
            calendar->m_events.push_back(reader.event(item, number));
        else
            calendar->m_reminders.push_back(reader.reminder(item, number));
    }
    return calendar;
}

size_t IcsCalendar::eventCount() const
{
    return m_events.size();
}

bool IcsCalendar::hasEventTitled(std::string_view title) const
{
    return std::any_of(
        m_events.begin(), m_events.end(), [&](auto& event) { return event.record.title == title; });
}

std::vector<EventRecord> IcsCalendar::occurrences(CFAbsoluteTime start, CFAbsoluteTime end) const
{
    std::vector<EventRecord> found;
    for (auto& event : m_events)
        expand(event, start, end, found);
    return found;
}

void IcsCalendar::expand(
    const Event& event, CFAbsoluteTime start, CFAbsoluteTime end, std::vector<EventRecord>& found) const
{
    auto add = [&](CFAbsoluteTime occurrenceStart) {
        if (occurrenceStart < end && occurrenceStart + event.duration > start
            && !event.exceptions.contains(occurrenceStart)) {
            auto record = event.record;
            record.start = occurrenceStart;
            record.end = occurrenceStart + event.duration;
            found.push_back(std::move(record));
        }
    };
    if (!event.rule) {
        add(event.record.start);
        return;
    }
    Reader reader { {}, m_floatingCalendar };
    auto* iterator = icalrecur_iterator_new(icalproperty_get_rrule(event.rule), event.start);
    if (!iterator)
        return;
    for (int i = 0; i < maximumRepetitions; ++i) {
        auto next = icalrecur_iterator_next(iterator);
        if (icaltime_is_null_time(next) || next.year > latestYear)
            break;
        next.zone = event.start.zone;
        auto occurrenceStart = reader.absolute(next);
        if (occurrenceStart >= end)
            break;
        add(occurrenceStart);
    }
    icalrecur_iterator_free(iterator);
}

} // namespace eventkit
