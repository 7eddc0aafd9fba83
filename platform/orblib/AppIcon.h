#pragma once

#include "orblib/DeviceApps.h"

#include <memory>

class UIImage;

namespace orblib {

// The app's icon (see InstalledApp). A drawn one is 60 points wide at the screen's scale: a
// rounded square in a colour picked by the bundle identifier, with the name's first letter in
// white when it is a Latin letter, named "AppIcon/" and the bundle identifier for dumps.
std::shared_ptr<UIImage> appIcon(const InstalledApp&);

} // namespace orblib
