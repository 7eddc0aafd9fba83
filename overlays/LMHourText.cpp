#include "overlays/LMHourText.h"

#include "objc/Format.h"

std::string LMTwelveHourText(int hour)
{
    if (hour == 0)
        return "12am";
    if (hour >= 1 && hour <= 11)
        return objc::format("%d%@", hour, "am");
    if (hour == 12)
        return "12pm";
    if (hour >= 13 && hour <= 23)
        return objc::format("%d%@", hour - 12, "pm");
    return "";
}
