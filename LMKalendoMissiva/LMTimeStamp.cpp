#include "LMKalendoMissiva/LMTimeStamp.h"

#include "foundation/NSCalendar.h"
#include "foundation/NSDateFormatter.h"

#include <algorithm>
#include <cctype>

std::string LMTimeStamp::text(const std::shared_ptr<NSDate>& date, bool militaryTime)
{
    if (!date)
        return {};
    bool today = NSCalendar::currentCalendar()->isDateInToday(date);
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat(today ? (militaryTime ? "HH:mm" : "hh:mm a") : "MMM d");
    std::string text = formatter->stringFromDate(date);
    if (!today)
        return text;
    if (!militaryTime && text.starts_with('0'))
        text.erase(0, 1);
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
