#pragma once

#include "dispatch/RunLoop.h"
#include "foundation/NSDate.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

// A device in en_US and UTC whose clock reads a chosen moment.
class DateTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName("UTC"));
        NSLocale::setCurrentLocale(NSLocale::localeWithLocaleIdentifier("en_US"));
        setNow(utc(2015, 12, 7, 9, 5, 30));
    }

    static void setNow(CFAbsoluteTime now) { dispatch::RunLoop::main().reset(now); }
    static void useTimeZone(const char* name)
    {
        NSTimeZone::setDefaultTimeZone(NSTimeZone::timeZoneWithName(name));
    }

    // Seconds since 2001 of a UTC wall time, worked out independently of the code under test.
    static CFAbsoluteTime utc(
        int year, unsigned month, unsigned day, int hour = 0, int minute = 0, double second = 0)
    {
        using namespace std::chrono;
        sys_days date { std::chrono::year { year } / std::chrono::month { month }
            / std::chrono::day { day } };
        double sinceEpoch = static_cast<double>(date.time_since_epoch().count()) * 86400 + hour * 3600
            + minute * 60 + second;
        return sinceEpoch - NSTimeIntervalSince1970;
    }

    static std::shared_ptr<NSDate> at(CFAbsoluteTime time)
    {
        return NSDate::dateWithTimeIntervalSinceReferenceDate(time);
    }
};
