#include "orblib/ActiveOrientation.h"

#include "contracts/SpringBoardApplication.h"
#include "uikit/UIApplication.h"
#include "uikit/UIScreen.h"

#include <algorithm>

namespace orblib {

long springBoardOrientation()
{
    auto springBoard
        = std::dynamic_pointer_cast<contracts::SpringBoardApplication>(UIApplication::sharedApplication());
    return springBoard ? springBoard->_getSpringBoardOrientation() : 1;
}

// Whichever way round the screen reports its own bounds, only the orientation decides.
CGRect screenBoundsForActiveOrientation()
{
    CGSize size = UIScreen::mainScreen()->bounds().size;
    CGFloat shorter = std::min(size.width, size.height);
    CGFloat longer = std::max(size.width, size.height);
    long orientation = springBoardOrientation();
    if (orientation == 3 || orientation == 4)
        return CGRectMake(0, 0, longer, shorter);
    return CGRectMake(0, 0, shorter, longer);
}

} // namespace orblib
