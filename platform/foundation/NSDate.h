#pragma once

#include "dispatch/RunLoop.h"
#include "foundation/NSObjCRuntime.h"
#include "objc/NSObject.h"

#include <memory>

// Seconds from 1 January 1970 to 1 January 2001, both UTC.
constexpr NSTimeInterval NSTimeIntervalSince1970 = 978307200.0;

// A moment, as seconds since 1 January 2001 UTC. "Now" is the main run loop's virtual clock.
class NSDate : public NSObject {
    OBJC_CLASS(NSDate, NSObject)
public:
    explicit NSDate(NSTimeInterval secondsSinceReferenceDate)
        : m_secondsSinceReferenceDate(secondsSinceReferenceDate)
    { }

    static std::shared_ptr<NSDate> date();
    static std::shared_ptr<NSDate> dateWithTimeIntervalSinceNow(NSTimeInterval);
    static std::shared_ptr<NSDate> dateWithTimeIntervalSinceReferenceDate(NSTimeInterval);
    static std::shared_ptr<NSDate> dateWithTimeIntervalSince1970(NSTimeInterval);

    NSTimeInterval timeIntervalSinceReferenceDate() const { return m_secondsSinceReferenceDate; }
    NSTimeInterval timeIntervalSince1970() const
    {
        return m_secondsSinceReferenceDate + NSTimeIntervalSince1970;
    }
    NSTimeInterval timeIntervalSinceNow() const;
    NSTimeInterval timeIntervalSinceDate(const NSDate& other) const
    {
        return m_secondsSinceReferenceDate - other.m_secondsSinceReferenceDate;
    }

    std::shared_ptr<NSDate> dateByAddingTimeInterval(NSTimeInterval) const;
    NSComparisonResult compare(const NSDate& other) const;
    bool isEqual(const NSDate& other) const
    {
        return m_secondsSinceReferenceDate == other.m_secondsSinceReferenceDate;
    }

private:
    NSTimeInterval m_secondsSinceReferenceDate;
};
