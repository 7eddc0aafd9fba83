#include "eventkit/EventKit.h"

#include "eventkit/EKEventStore.h"

namespace eventkit {

void registerClasses()
{
    EKEventStore::registerClass();
}

} // namespace eventkit
