#include "LMKalendoMissiva/LMScheduleAppItem.h"

#include "contracts/OBAppItem.h"
#include "objc/ClassRef.h"

std::shared_ptr<contracts::OBAppItem> LMScheduleAppItem(const std::optional<std::string>& type)
{
    static objc::ClassRef itemClass { "OBAppItem" };
    const char* identifier = type == "event" ? "com.apple.mobilecal"
        : type == "reminder"                 ? "com.apple.reminders"
                                             : nullptr;
    if (!identifier)
        return nullptr;
    return contracts::make<contracts::OBAppItem>(
        itemClass, contracts::OBAppItem::initFromIdentifier, std::string(identifier), false);
}
