#pragma once

#include "dispatch/RunLoop.h"
#include "objc/NSObject.h"

#include <optional>
#include <set>
#include <string>

namespace eventkit {

// What a store's predicate asks for: events overlapping a window, or incomplete reminders due in it.
class EKPredicate : public NSObject {
    OBJC_CLASS(EKPredicate, NSObject)
public:
    enum class Kind { Events, IncompleteReminders };

    // No titles: every calendar.
    EKPredicate(
        Kind kind, CFAbsoluteTime start, CFAbsoluteTime end, std::optional<std::set<std::string>> calendars)
        : m_kind(kind)
        , m_start(start)
        , m_end(end)
        , m_calendars(std::move(calendars))
    { }

    Kind kind() const { return m_kind; }
    CFAbsoluteTime start() const { return m_start; }
    CFAbsoluteTime end() const { return m_end; }
    bool includes(const std::string& calendar) const
    {
        return !m_calendars || m_calendars->contains(calendar);
    }

private:
    Kind m_kind;
    CFAbsoluteTime m_start;
    CFAbsoluteTime m_end;
    std::optional<std::set<std::string>> m_calendars;
};

} // namespace eventkit
