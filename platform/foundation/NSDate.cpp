#include "foundation/NSDate.h"

std::shared_ptr<NSDate> NSDate::date()
{
    return dateWithTimeIntervalSinceReferenceDate(dispatch::RunLoop::main().now());
}

std::shared_ptr<NSDate> NSDate::dateWithTimeIntervalSinceNow(NSTimeInterval seconds)
{
    return dateWithTimeIntervalSinceReferenceDate(dispatch::RunLoop::main().now() + seconds);
}

std::shared_ptr<NSDate> NSDate::dateWithTimeIntervalSinceReferenceDate(NSTimeInterval seconds)
{
    return std::make_shared<NSDate>(seconds);
}

std::shared_ptr<NSDate> NSDate::dateWithTimeIntervalSince1970(NSTimeInterval seconds)
{
    return dateWithTimeIntervalSinceReferenceDate(seconds - NSTimeIntervalSince1970);
}

NSTimeInterval NSDate::timeIntervalSinceNow() const
{
    return m_secondsSinceReferenceDate - dispatch::RunLoop::main().now();
}

std::shared_ptr<NSDate> NSDate::dateByAddingTimeInterval(NSTimeInterval seconds) const
{
    return dateWithTimeIntervalSinceReferenceDate(m_secondsSinceReferenceDate + seconds);
}

NSComparisonResult NSDate::compare(const NSDate& other) const
{
    if (m_secondsSinceReferenceDate < other.m_secondsSinceReferenceDate)
        return NSOrderedAscending;
    if (m_secondsSinceReferenceDate > other.m_secondsSinceReferenceDate)
        return NSOrderedDescending;
    return NSOrderedSame;
}
