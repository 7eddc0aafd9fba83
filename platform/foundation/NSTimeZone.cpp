#include "foundation/NSTimeZone.h"

#include "foundation/DeviceSetting.h"
#include "foundation/ICUCache.h"

#include <unicode/timezone.h>

namespace {

foundation::DeviceSetting<NSTimeZone>& deviceTimeZone()
{
    static foundation::DeviceSetting<NSTimeZone> setting { NSTimeZone::timeZoneWithName("UTC") };
    return setting;
}

} // namespace

std::shared_ptr<NSTimeZone> NSTimeZone::timeZoneWithName(const std::string& name)
{
    std::unique_ptr<icu::TimeZone> zone { icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name)) };
    icu::UnicodeString id;
    if (!zone || zone->getID(id) == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID, -1, US_INV))
        return nullptr;
    return std::shared_ptr<NSTimeZone>(new NSTimeZone(name));
}

std::shared_ptr<NSTimeZone> NSTimeZone::defaultTimeZone()
{
    return deviceTimeZone().get();
}

void NSTimeZone::setDefaultTimeZone(std::shared_ptr<NSTimeZone> zone)
{
    if (!zone)
        return;
    deviceTimeZone().set(std::move(zone));
    foundation::ICUCache::invalidate();
}
