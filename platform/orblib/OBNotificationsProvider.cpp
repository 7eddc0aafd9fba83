#include "orblib/OBNotificationsProvider.h"

#include "contracts/OBNotificationsProvider.h"
#include "orblib/OBNotificationCatalogue.h"

namespace orblib {

void OBNotificationsProvider::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(
        contracts::OBNotificationsProvider::currentNotificationsCatalogue,
        +[](Class, SEL) -> std::shared_ptr<NSObject> { return OBNotificationCatalogue::current(); });
    objc::Runtime::registerClass(OBNotificationCatalogue::staticClass());
    objc::Runtime::registerClass(OBNotificationSection::staticClass());
    objc::Runtime::registerClass(OBNotificationRow::staticClass());
}

} // namespace orblib
