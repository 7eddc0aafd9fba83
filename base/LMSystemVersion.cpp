#include "base/LMSystemVersion.h"

#include "foundation/NSString.h"
#include "uikit/UIDevice.h"

bool LMSystemVersion::isAtLeast(const char* version)
{
    NSString systemVersion(UIDevice::currentDevice()->systemVersion());
    return systemVersion.compare(version, NSNumericSearch) != NSOrderedAscending;
}
