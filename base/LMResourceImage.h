#pragma once

#include <memory>
#include <string_view>

class UIImage;

// A picture of the resource bundle by name, type "png"; nothing when the bundle lacks it.
std::shared_ptr<UIImage> LMResourceImage(std::string_view name);
