#include "springboard/Device.h"

#include "foundation/NSString.h"

#include <algorithm>

namespace springboard {

CGRect Device::screenBounds() const
{
    CGFloat shorter = std::min(screenSize.width, screenSize.height);
    CGFloat longer = std::max(screenSize.width, screenSize.height);
    return isLandscape() ? CGRectMake(0, 0, longer, shorter) : CGRectMake(0, 0, shorter, longer);
}

bool Device::isSystemVersion9() const
{
    NSString version(systemVersion);
    return version.compare("9.0", NSNumericSearch) != NSOrderedAscending
        && version.compare("10.0", NSNumericSearch) == NSOrderedAscending;
}

} // namespace springboard
