#pragma once

#include "uikit/CGGeometry.h"

namespace orblib {

// SpringBoard's interface orientation, as its application object answers
// _getSpringBoardOrientation: 1 upright portrait, 2 upside down, 3 and 4 landscape. Upright
// when no SpringBoard application is running.
long springBoardOrientation();

// The screen in SpringBoard's orientation, at the origin: taller than wide in either portrait
// orientation, wider than tall in landscape.
CGRect screenBoundsForActiveOrientation();

} // namespace orblib
