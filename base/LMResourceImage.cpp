#include "base/LMResourceImage.h"

#include "base/LMResourceBundle.h"
#include "foundation/NSBundle.h"
#include "uikit/UIImage.h"

std::shared_ptr<UIImage> LMResourceImage(std::string_view name)
{
    auto bundle = NSBundle::initWithPath(LMResourceBundlePath);
    return bundle ? UIImage::imageWithContentsOfFile(bundle->pathForResource(name, "png")) : nullptr;
}
