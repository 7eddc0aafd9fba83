#include "LMKalendoMissiva/LMTimeStamp.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDateFormatter.h"

#include <algorithm>
#include <cctype>

std::string LMTimeStamp::text(const std::shared_ptr<NSDate>& date, bool militaryTime)
{
    if (!date)
        return {};
    if (NSCalendar::currentCalendar()->isDateInToday(date))
        return time(date, militaryTime);
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("MMM d");
    return formatter->stringFromDate(date);
}

std::string LMTimeStamp::time(const std::shared_ptr<NSDate>& date, bool militaryTime)
{
    if (!date)
        return {};
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat(militaryTime ? "HH:mm" : "hh:mm a");
    std::string text = formatter->stringFromDate(date);
    if (!militaryTime && text.starts_with('0'))
        text.erase(0, 1);
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
