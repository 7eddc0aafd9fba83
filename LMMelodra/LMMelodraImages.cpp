#include "LMMelodra/LMMelodraImages.h"

#include "base/LMResourceImage.h"

std::shared_ptr<UIImage> LMMelodraImage(std::string_view name)
{
    return LMResourceImage(name);
}
