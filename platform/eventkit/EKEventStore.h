#pragma once

#include "contracts/EKEventStore.h"
#include "objc/NSObject.h"

namespace eventkit {

// A connection to the device's calendar database (DeviceCalendars). Items are copies made when
// they are asked for: a later change of the database does not change them. Events come back
// synchronously; reminders from a background thread, as the device's store hands them over.
//
// not implemented: access rights (every store may read everything), saving and removing items
class EKEventStore : public NSObject, public contracts::EKEventStore {
    OBJC_CLASS(EKEventStore, NSObject)
public:
    std::shared_ptr<NSObject> predicateForIncompleteRemindersWithDueDateStarting(
        std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars) override;
    std::shared_ptr<NSObject> predicateForEventsWithStartDate(
        std::shared_ptr<NSDate> start, std::shared_ptr<NSDate> end, Calendars) override;
    void fetchRemindersMatchingPredicate(
        std::shared_ptr<NSObject> predicate, std::function<void(Reminders)> completion) override;
    std::vector<std::shared_ptr<contracts::EKEvent>> eventsMatchingPredicate(
        std::shared_ptr<NSObject>) override;

    // Makes the class, with its class-side `new`, and the item classes findable by name.
    static void registerClass();
};

} // namespace eventkit
