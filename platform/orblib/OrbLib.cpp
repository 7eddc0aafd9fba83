#include "orblib/OrbLib.h"

#include "orblib/OBColorFactory.h"
#include "orblib/OBPreferenceManager.h"

namespace orblib {

void registerClasses()
{
    OBPreferenceManager::registerClass();
    OBColorFactory::registerClass();
}

} // namespace orblib
