#pragma once

#include "contracts/ClassMessages.h"
#include "contracts/EKCalendar.h"
#include "contracts/EKEvent.h"
#include "contracts/EKReminder.h"

#include <functional>
#include <optional>
#include <vector>

class NSDate;

namespace contracts {

// The device's calendars, events and reminders. Predicates are opaque objects of the store that
// made them; a missing date gives no predicate.
class EKEventStore {
public:
    using Calendars = std::optional<std::vector<std::shared_ptr<EKCalendar>>>;
    using Reminders = std::optional<std::vector<std::shared_ptr<EKReminder>>>;

    // The class-side `new` (a C++ keyword, hence the underscore): a fresh store.
    static inline const objc::Message<std::shared_ptr<NSObject>()> new_ { "new" };

    virtual ~EKEventStore() = default;
    // No calendar list means every calendar.
    virtual std::shared_ptr<NSObject> predicateForIncompleteRemindersWithDueDateStarting(
        std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars)
        = 0;
    virtual std::shared_ptr<NSObject> predicateForEventsWithStartDate(
        std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars)
        = 0;
    // Returns at once; the completion runs later on a background thread, with no list when the
    // predicate is not a reminders predicate.
    virtual void fetchRemindersMatchingPredicate(
        std::shared_ptr<NSObject> predicate, std::function<void(Reminders)> completion)
        = 0;
    // Every event occurrence that overlaps the predicate's window, in no particular order.
    virtual std::vector<std::shared_ptr<EKEvent>> eventsMatchingPredicate(std::shared_ptr<NSObject>) = 0;
};

} // namespace contracts
