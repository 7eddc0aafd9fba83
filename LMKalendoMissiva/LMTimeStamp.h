#pragma once

#include <memory>
#include <string>

class NSDate;

// The time stamp of a row or a schedule header: "9:05 am" (or "09:05") today, "Dec 8" otherwise.
class LMTimeStamp {
public:
    static std::string text(const std::shared_ptr<NSDate>&, bool militaryTime);
    // The time of day alone: "9:05 am" or "09:05".
    static std::string time(const std::shared_ptr<NSDate>&, bool militaryTime);
};
