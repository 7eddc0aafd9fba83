#pragma once

#include "orblib/WeatherReport.h"
#include "uikit/CGGeometry.h"

#include <memory>

class UIImage;

namespace orblib {

// The picture of a condition: a white silhouette on a transparent square, `side` points wide at
// the screen's scale, drawn in code with smooth edges and named "Weather/" and the condition
// ("Weather/Partly Cloudy") for dumps.
std::shared_ptr<UIImage> weatherIcon(WeatherCondition, CGFloat side);

} // namespace orblib
