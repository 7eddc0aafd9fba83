#include "foundation/NSLocale.h"

#include "foundation/DeviceSetting.h"
#include "foundation/ICUCache.h"

namespace {

foundation::DeviceSetting<NSLocale>& deviceLocale()
{
    static foundation::DeviceSetting<NSLocale> setting { NSLocale::localeWithLocaleIdentifier("en_US") };
    return setting;
}

} // namespace

std::shared_ptr<NSLocale> NSLocale::localeWithLocaleIdentifier(std::string identifier)
{
    return std::make_shared<NSLocale>(std::move(identifier));
}

std::shared_ptr<NSLocale> NSLocale::currentLocale()
{
    return deviceLocale().get();
}

void NSLocale::setCurrentLocale(std::shared_ptr<NSLocale> locale)
{
    if (!locale)
        return;
    deviceLocale().set(std::move(locale));
    foundation::ICUCache::invalidate();
}
